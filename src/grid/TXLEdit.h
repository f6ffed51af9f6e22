// TXLEdit: the grid's in-place edit host. It lies over the edited cell on
// the edit view, holds one editor (chosen by the cell's class and editor
// index) and the cell button at its right edge, and owns the editor's life
// cycle: opening on a cell, loading, saving on leaving, cancelling,
// re-placing and restyling. It hooks the keys of the editor's working
// control: while entering, the navigation keys leave the cell through the
// view; Enter moves on and Esc cancels. Every change of the edit mode is
// reported to the grid (EditModeChanged) after the saved value is in the
// cell. Owned by its grid; a Qt child of the edit view's client area; the
// editor and the button are its Qt children (a replaced editor is freed
// later, outside its own event handling).
#pragma once

#include "grid/IXLEditHost.h"
#include "grid/TXLEditor.h"
#include "sheet/XLEnums.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class TRAVazo;
class TXLButton;

class TXLEdit : public QWidget, public IXLEditHost {
    Q_OBJECT

public:
    // Raises ERAVazoError "Invalid parent!" without a grid.
    explicit TXLEdit(TRAVazo* grid);
    ~TXLEdit() override;

    // IXLEditHost ---------------------------------------------------------
    bool GetEditing() const override { return FEditor && FCell; }
    TXLCell* GetEditCell() const override { return FCell; }
    void SetEditing(bool on) override;
    bool GetEntering() const override { return FEntering; }
    void SetEntering(bool on) override;
    void Cancel() override;
    void ShowWithMessage(QKeyEvent* key) override;
    void SendKey(QKeyEvent* key) override;
    bool ClickCheck(TPoint cell, Qt::KeyboardModifiers modifiers) override;
    void Relocate() override;
    void UpdateEditor() override;
    void SetEditView(TXLView* view) override;

    TRAVazo* GetGrid() const { return FGrid; }
    TXLView* GetEditView() const { return FEditView; }
    TXLEditor* GetEditor() const { return FEditor; }
    QWidget* GetWorkingControl() const { return FWorking; }
    TXLButton* GetButton() const { return FButton; }
    // The sunken 3-D border (the grid's oEdit3D).
    bool GetCtl3D() const { return FCtl3D; }
    void SetCtl3D(bool on);

    // Opens the editor on cell (none: closes it with saving); a view other
    // than the edit view is ignored.
    void SetEditCell(TXLView* view, TXLCell* cell);
    // Makes the editor of an editor class (none: no editor).
    void SetEditClass(const TXLEditClass* editClass);
    // Leaves the cell edited (saving when save is set) and takes cell.
    void SetCell(TXLCell* cell, bool save);
    // Where the host lies for a cell, in the view's client pixels.
    TRect EditBounds(TXLCell* cell) const;
    // Loads the cell into the editor.
    void Read();
    // The cell button was clicked.
    void ButtonClick();
    // Keys of the working control; true when used here.
    bool ControlKeyDown(QKeyEvent* event);
    bool ControlKeyPress(QKeyEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The editor and the button inside the host.
    void Realign();
    void ShowHost();
    void HideHost();
    // Frees a replaced editor outside its own event handling.
    void PostClose(TXLEditor* editor);
    // Repaints the cell under the host.
    void InvalidateCell(TXLCell* cell) const;
    bool HasFocusInside() const;

    TRAVazo* FGrid;
    TXLView* FEditView = nullptr;
    QPointer<TXLEditor> FEditor;
    const TXLEditClass* FEditClass = nullptr;
    QPointer<QWidget> FWorking;
    TXLButton* FButton;
    TXLCell* FCell = nullptr;
    bool FEntering = false;
    TXLVertAlign FVertAlign = vaCenter;
    bool FWantsClicks = false;
    std::optional<TPoint> FLastClick;
    Qt::FocusPolicy FGridFocus = Qt::StrongFocus;
    bool FCtl3D = false;
    bool FDestroying = false;
};
