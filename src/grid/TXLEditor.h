// TXLEditor: the base of the cell editors the edit host lays over a cell.
// The host knows no value type: it talks to its editor through a small
// protocol, one virtual function per message (their numbers are kept in
// TXLEditMessage for reference): report the working control, load the
// cell, save the cell, lay out, the cell button was clicked, a cell was
// clicked while editing. Each editor class answers the ones it needs.
// Editors are made by the factories registered for their editor classes
// (XLRegisterEditor) and belong to their host as Qt children.
#pragma once

#include "controls/GSTypes.h"
#include "grid/XLGridTypes.h"
#include "sheet/TXLCellClass.h"
#include "sheet/XLPacked.h"
#include "sheet/XLTypes.h"

#include <QMargins>
#include <QWidget>

#include <functional>

class QKeyEvent;
class TXLCell;
class TXLEdit;

// The style of the cell button at the right edge of the host.
enum TXLEditStyle : uint8_t { esNormal, esSpinner, esButton, esDropDown };

// The protocol's message numbers.
enum TXLEditMessage : int {
    XLEditInfo = 2898,
    XLLoadCell = 2899,
    XLSaveCell = 2900,
    XLLayout = 2901,
    XLNCClick = 2903,
    XLCAClick = 2904,
    // The host's own message that frees a replaced editor (shares its
    // number with XLEditInfo, on the host's window).
    CMCloseEdit = 2898,
};

// The answer to XLLoadCell.
struct TXLLoadAnswer {
    TXLEditStyle Style = esNormal;
    // The editor wants clicks on cells while it edits (XLCAClick).
    bool WantsClicks = false;
};

class TXLEditor : public QWidget {
    Q_OBJECT

public:
    explicit TXLEditor(TXLEdit* host);
    ~TXLEditor() override;

    TXLEdit* GetHost() const { return FHost; }

    // XLEditInfo: the focusable control that receives the keys.
    virtual QWidget* WorkingControl() { return this; }
    // XLLoadCell.
    virtual TXLLoadAnswer LoadCell(TXLCell& cell) = 0;
    // XLSaveCell.
    virtual void SaveCell(TXLCell& cell) = 0;
    // XLLayout: alignment, indent and wrapping of the cell.
    virtual void Layout(const TXLLayout& layout) { (void)layout; }
    // XLNCClick: the cell button (lowerHalf: of a spinner) was clicked.
    virtual void ButtonClick(TXLEditStyle style, bool lowerHalf)
    {
        (void)style;
        (void)lowerHalf;
    }
    // XLCAClick: a cell was clicked while editing; true when consumed.
    virtual bool CellClick(TPoint cell, Qt::KeyboardModifiers modifiers)
    {
        (void)cell;
        (void)modifiers;
        return false;
    }

    // A key of the working control, offered before the host's own key
    // handling (which leaves the cell on the arrows while entering); true
    // when the editor used it.
    virtual bool PreviewKey(QKeyEvent* event)
    {
        (void)event;
        return false;
    }

    // Entering: the whole content is selected, so that the first typed key
    // replaces it.
    virtual void SelectAllText() {}
    // The text selection, kept across a change of look.
    virtual QPair<int, int> GetTextSelection() const { return {0, 0}; }
    virtual void SetTextSelection(QPair<int, int> selection) { (void)selection; }
    // True when the editor places itself vertically inside the host.
    virtual bool AlignsItself() const { return false; }
    // The height the editor wants inside a host of the given height.
    virtual int PreferredHeight(int hostHeight) const { return hostHeight; }

protected:
    // Keys the working control leaves stop here: they must not reach the
    // grid, which would hand them back to the editor. The grid hears the
    // ones it needs through the host.
    void keyPressEvent(QKeyEvent* event) override;

private:
    TXLEdit* FHost;
};

// A factory of one editor class.
using TXLEditorFactory = std::function<TXLEditor*(TXLEdit* host)>;

// Attaches a factory to an editor class the sheet library registered
// (replacing one attached before); null removes it.
void XLRegisterEditor(const TXLEditClass* editClass, TXLEditorFactory factory);
// The factory attached to an editor class, or null.
const TXLEditorFactory* XLFindEditorFactory(const TXLEditClass* editClass);
// Attaches the grid's own editors to every editor class the sheet library
// registers (masked text, memo, pick list, closed list, number, date and
// time); the grid does it when it is made.
void XLRegisterGridEditors();

// A cell's horizontal alignment as an edit field's, and back.
TAlignment XLToAlignment(TXLHorzAlign align);
TXLHorzAlign XLToHorzAlign(TAlignment align);

// An edit field's text margins for an indent: on the left unless right
// aligned, on the right unless left aligned.
QMargins XLIndentMargins(int indent, TAlignment align);

// CalcTextHeight: the height of text word-wrapped in a control's width (a
// positive indent narrows it on the side(s) the alignment leaves free), at
// most the parent's client height.
int XLCalcTextHeight(const QWidget& control, int indent, TXLHorzAlign alignment, const QString& text);
