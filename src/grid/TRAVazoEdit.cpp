// The grid under the keyboard and around its in-place editor: edit modes,
// Enter and Tab, selecting everything, and the routing of keys to the view
// that holds the current cell or to the editor.
#include "grid/TRAVazo.h"

#include "grid/TXLSelection.h"
#include "grid/TXLView.h"
#include "grid/XLEventGuard.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

TXLEditMode TRAVazo::GetEditMode() const
{
    if (!GetEditing())
        return emNone;
    return FEditHost->GetEntering() ? emEnter : emEdit;
}

void TRAVazo::SetEditMode(TXLEditMode mode)
{
    // An open comment note is saved before any edit mode takes effect.
    if (GetEditHint())
        SetEditHint(false);
    if (!FEditHost)
        return;
    if (mode == emNone) {
        EndEditing();
        return;
    }
    FEditHost->SetEntering(mode == emEnter);
    FEditHost->SetEditing(true);
}

void TRAVazo::EndEditing()
{
    if (FEditHost && FEditHost->GetEditing())
        FEditHost->SetEditing(false);
}

void TRAVazo::CancelEditing()
{
    if (FEditHost && FEditHost->GetEditing())
        FEditHost->Cancel();
}

void TRAVazo::ReopenEditor()
{
    if (!GetEditing())
        return;
    const bool entering = FEditHost->GetEntering();
    FEditHost->SetEditing(false);
    FEditHost->SetEntering(entering);
    FEditHost->SetEditing(true);
}

void TRAVazo::RelocateEditor()
{
    if (GetEditing())
        FEditHost->Relocate();
}

bool TRAVazo::ClickCheck(TPoint cell, Qt::KeyboardModifiers modifiers)
{
    return FEditHost && FEditHost->ClickCheck(cell, modifiers);
}

void TRAVazo::EditModeChanged()
{
    // A grid going away closes its editor without telling anyone.
    if (!FDestroying)
        Notify(OnEditModeChanged);
}

void TRAVazo::SelectNext(TXLDirection dir, bool reverse)
{
    if (!FSheet)
        return;
    TXLView* view = FEditView;
    if (dir == dAuto)
        dir = GetEnterDir();
    if (reverse)
        dir = ReverseDirection(dir);
    const bool range = view->IsRangeSelected();
    TPoint next = view->GetCursor();
    if (view->FindNext(next, dir, true)) {
        view->MoveCurrent(next, !range, true);
        view->SetCursor(next);
    } else if (!FOptions.Contains(oPermEdit)) {
        EndEditing();
    }
}

void TRAVazo::SelectAll(bool on)
{
    if (!FSheet)
        return;
    if (!on) {
        ResetSelection(true);
        return;
    }
    TXLView* view = FEditView;
    if (view == FViews[sClient]) {
        // The corner selects everything through the strips; a sheet without
        // title bands has no corner cells to start from.
        TXLView* corner = FViews[sTitle];
        const TRect cornerArea = Rect(0, 0, corner->Geometry().ColCount(), corner->Geometry().RowCount());
        if (!cornerArea.IsEmpty()) {
            corner->Select(cornerArea, corner->GetCurrent());
            return;
        }
    }
    view->Select(Rect(0, 0, view->Geometry().ColCount(), view->Geometry().RowCount()), view->GetCurrent());
}

TXLSelection* TRAVazo::GetSelection() const
{
    return FSheet ? FEditView->GetSelection() : nullptr;
}

void TRAVazo::SetSelection(const TXLProRange& range)
{
    if (TXLSelection* selection = GetSelection())
        selection->SetBounds(range.GetBounds());
}

void TRAVazo::ShowCurrent()
{
    TXLView* view = FEditView;
    if (!FSheet || !view->GetSelArea().IsEmpty())
        return;
    const TPoint current = view->GetCurrent();
    if (view->CanSelect(current)) {
        view->Select(view->ExpandArea(PointRect(current)), current);
        return;
    }
    TPoint first = current;
    const TRect whole = Rect(0, 0, view->Geometry().ColCount(), view->Geometry().RowCount());
    if (XLFindNext(view->NavCells(), first, dRight, whole, true) && view->CanSelect(first))
        view->MoveCurrent(first, true, true);
}

bool TRAVazo::StartEditingWith(QKeyEvent* event)
{
    const QString text = event->text();
    if (!FEditHost || text.isEmpty())
        return false;
    const bool character = text.at(0).unicode() >= 32 || event->key() == Qt::Key_Backspace;
    // Ctrl and Alt combinations are commands, not text (AltGr gives both).
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool command = mods.testFlag(Qt::ControlModifier) != mods.testFlag(Qt::AltModifier);
    if (!character || command)
        return false;
    SetEditMode(emEnter);
    if (!GetEditing())
        return false;
    FEditHost->ShowWithMessage(event);
    return true;
}

void TRAVazo::KeyDown(QKeyEvent* event)
{
    // Keys typed faster than the focus moves to the editor follow it there.
    if (GetEditing()) {
        FEditHost->SendKey(event);
        return;
    }
    TXLView* view = FEditView;
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        view->KeyPress(u'\r', mods);
        return;
    }
    if (key == Qt::Key_Escape) {
        view->KeyPress(QChar(27), mods);
        return;
    }
    // Alt+Down and F4 open the list of a cell that has one: the editor
    // opens on the cell and gets the key.
    const bool openList = (key == Qt::Key_Down && mods == Qt::AltModifier) || (key == Qt::Key_F4 && mods == Qt::NoModifier);
    if (openList && view->CanEdit(view->GetCurrent())) {
        SetEditMode(emEdit);
        if (GetEditing()) {
            FEditHost->SendKey(event);
            return;
        }
    }
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && !FOptions.Contains(oTabKeys)) {
        event->ignore();
        return;
    }
    if (view->KeyDown(key, mods))
        return;
    if (StartEditingWith(event))
        return;
    const QString text = event->text();
    if (!text.isEmpty() && !mods.testFlag(Qt::ControlModifier)) {
        view->KeyPress(text.at(0), mods);
        return;
    }
    event->ignore();
}

void TRAVazo::keyPressEvent(QKeyEvent* event)
{
    // Esc during a mouse drag cancels the drag and nothing else.
    if (IsAltering() && event->key() == Qt::Key_Escape) {
        event->accept();
        XLGuardEvent([&] { Altering(FAlter.View, pCancel, {event->modifiers()}, FAlter.Point); });
        return;
    }
    if (!FSheet) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    XLGuardEvent([&] { KeyDown(event); });
    if (!event->isAccepted())
        QWidget::keyPressEvent(event);
}

bool TRAVazo::event(QEvent* event)
{
    // Tab moves the focus unless the grid takes it to move the current cell.
    if (event->type() == QEvent::KeyPress && FOptions.Contains(oTabKeys)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QWidget::event(event);
}

void TRAVazo::inputMethodEvent(QInputMethodEvent* event)
{
    // Composed text starts editing like a typed key.
    const QString text = event->commitString();
    if (!FSheet || text.isEmpty() || GetEditing()) {
        QWidget::inputMethodEvent(event);
        return;
    }
    XLGuardEvent([&] {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, text);
        StartEditingWith(&key);
    });
    event->accept();
}
