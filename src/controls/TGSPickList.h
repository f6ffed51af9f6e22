// TGSPickList: a combo box for a grid cell, in one of two styles:
// pkDropDown, a typing field with a drop-down list of items that completes
// typed text from the items (the typed letters keep their case, the
// completed tail is selected), and pkDropDownList, a closed list of
// choices without typing. The text is aligned (left, right, centre) and
// indented from the left in both styles.
//
// Keys: F4 and Alt+Down open the list; in the open list Enter chooses the
// highlighted item and closes the list, Escape closes only the list. With
// the list closed, Enter and unmodified Up and Down are left unhandled:
// the event is ignored, so Qt passes it on to the pick list's parent
// widget, whose keyPressEvent gets it (a cell editor's container, which
// lets the grid commit or leave the cell). Enter with the list closed also
// raises OnCloseUp first.
//
// Keyboard events arrive at the pick list itself, which hands the typing
// ones to its inner line edit (GetEdit, pkDropDown only); a key sent
// straight to the line edit is handled the same way.
//
// The list opens on the item the typed text names, in any letter case.
//
// Events are std::function members, called only when set: OnChange when
// the user types or chooses an item (not when the program sets the text
// or index), OnDropDown before the list opens, OnCloseUp after it closed
// (after OnChange when an item was chosen, so the owner reads the choice;
// from the event loop when the list was closed without one).
// Owned by its Qt parent.
#pragma once

#include "controls/GSTypes.h"

#include <QComboBox>
#include <QStringList>

#include <functional>

class QKeyEvent;
class QLineEdit;

enum TGSPickStyle : uint8_t { pkDropDown, pkDropDownList };

class TGSPickList : public QComboBox {
    Q_OBJECT

public:
    // The longest text completion produces.
    static constexpr int MaxCompletionLength = 1024;
    // The typing field's own limit when MaxLength sets none.
    static constexpr int MaxTextLength = 32767;

    explicit TGSPickList(QWidget* parent = nullptr, TGSPickStyle style = pkDropDown);
    ~TGSPickList() override;

    TGSPickStyle GetStyle() const { return FStyle; }
    void SetStyle(TGSPickStyle style);

    // With Sorted on, the items are kept in alphabetical order, letter case
    // ignored; switching it on sorts the present items.
    bool GetSorted() const { return FSorted; }
    void SetSorted(bool on);
    // The longest text one can type (pkDropDown); 0: no limit of its own.
    int GetMaxLength() const { return FMaxLength; }
    void SetMaxLength(int length);

    QStringList GetItems() const;
    // Replaces the items; no item is chosen afterwards. A typed text is kept.
    void SetItems(const QStringList& items);
    // The chosen item, or -1. While typing, the index is -1 once the text
    // no longer equals the chosen item.
    int GetItemIndex() const;
    // Chooses an item (out of range: none, and an empty text); no OnChange.
    void SetItemIndex(int index);
    QString GetText() const;
    // pkDropDown: the typed text (the index follows when it names an item
    // exactly). pkDropDownList: chooses the item with that text, or none.
    // No OnChange.
    void SetText(const QString& text);

    TAlignment GetAlign() const { return FAlign; }
    void SetAlign(TAlignment alignment);
    int GetIndent() const { return FIndent; }
    // Left text margin in pixels; negative is taken as 0.
    void SetIndent(int pixels);

    bool GetDroppedDown() const;
    void SetDroppedDown(bool on);
    // The typing field (pkDropDown), or null.
    QLineEdit* GetEdit() const { return lineEdit(); }
    // The width of the drop-down button: the part of the box that is not
    // text, so an owner can hide the button by widening the box.
    int GetButtonWidth() const;

    // Raises OnCloseUp.
    void DoCloseUp();

    std::function<void(TGSPickList*)> OnChange;
    std::function<void(TGSPickList*)> OnDropDown;
    std::function<void(TGSPickList*)> OnCloseUp;

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Applies alignment, indent and length limit to the typing field.
    void SetUpEdit();
    void Change();
    // Handles a key for the closed list; false when it is left to the
    // parent.
    bool PreviewKey(QKeyEvent* event);
    // Completes the text after a typed character.
    void Complete();
    static bool TypesCharacter(const QKeyEvent* event);

    TGSPickStyle FStyle = pkDropDown;
    bool FSorted = false;
    int FMaxLength = 0;
    TAlignment FAlign = taLeftJustify;
    int FIndent = 0;
    bool FCloseUpPending = false;
    bool FForwarding = false;
};
