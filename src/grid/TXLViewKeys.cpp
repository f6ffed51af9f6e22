// A view under the keyboard: the key table, Enter and Esc, Shift extending
// the selection, and the search for the next selectable cell.
#include "grid/TRAVazo.h"
#include "grid/TXLView.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLUnion.h"

TXLNavCells TXLView::NavCells() const
{
    TXLNavCells cells;
    cells.ColCount = Geometry().ColCount();
    cells.RowCount = Geometry().RowCount();
    cells.CanSelect = [this](TPoint p) { return CanSelect(p); };
    cells.AreaOf = [this](TPoint p) {
        if (FSection && p.X >= 0 && p.Y >= 0)
            if (const TXLUnion* area = FSection->FindUnion(p))
                return area->GetBounds();
        return PointRect(p);
    };
    cells.ExpandArea = [this](const TRect& area) { return ExpandArea(area); };
    return cells;
}

bool TXLView::CanEdit(TPoint p) const
{
    if (!FSection)
        return false;
    const TXLSheet* sheet = FSection->GetSheet();
    const bool design = FGrid->GetDesignMode();
    if (sheet->GetReadOnly() && !design)
        return false;
    if (!design && (FGrid->HasOption(oReadOnly) || FSection->GetPositionStyles(p).Contains(csReadOnly)))
        return false;
    const TXLManager* manager = XLManagerIfAlive();
    if (!manager || manager->GetEditClassCount(FSection->GetCellClass(p.X, p.Y)) < 1)
        return false;
    return CanSelect(p);
}

bool TXLView::IsRangeSelected() const
{
    return !FSelArea.IsEmpty() && FSelArea != ExpandArea(PointRect(FCurrent));
}

bool TXLView::FindNext(TPoint& pos, TXLDirection dir, bool inSelection) const
{
    if (inSelection && IsRangeSelected())
        return XLFindNext(NavCells(), pos, dir, FSelArea, true);
    const TRect whole = Rect(0, 0, Geometry().ColCount(), Geometry().RowCount());
    return XLFindNext(NavCells(), pos, dir, whole, FGrid->HasOption(oWrapKeys));
}

void TXLView::KeyScroll(TXLKeyScroll scroll)
{
    switch (scroll) {
    case ksNone:
        break;
    case ksPageUp:
        ScrollBy(sRows, scPageUp);
        break;
    case ksPageDown:
        ScrollBy(sRows, scPageDown);
        break;
    case ksTop:
        ScrollBy(sRows, scTop);
        break;
    case ksBottom:
        ScrollBy(sRows, scBottom);
        break;
    case ksTopLeft:
        SetOffsetXY(0, 0);
        break;
    case ksBottomRight:
        SetOffset(Geometry().ClampOffset({GetExtent().x, GetExtent().y}));
        break;
    case ksLineLeft:
        ScrollBy(sCols, scLineUp);
        break;
    case ksLineUp:
        ScrollBy(sRows, scLineUp);
        break;
    case ksLineRight:
        ScrollBy(sCols, scLineDown);
        break;
    case ksLineDown:
        ScrollBy(sRows, scLineDown);
        break;
    }
}

bool TXLView::KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (!FSection)
        return false;
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        FGrid->SelectNext(dAuto, shift || key == Qt::Key_Backtab);
        return true;
    }
    if (shift && FGrid->HasOption(oRangeSelect)) {
        if (!FGrid->HasOption(oPermEdit))
            FGrid->EndEditing();
        ProcessSelect(key);
        return true;
    }
    if (alt)
        return false;
    if (key == Qt::Key_F2) {
        if (shift || ctrl)
            return false;
        FGrid->SetEditMode(emEdit);
        return true;
    }
    const TXLKeyMove move = XLKeyMove(key, ctrl, FCursor, Geometry());
    if (!move.Handled)
        return false;
    FGrid->SetAutoDir(move.Direction);
    KeyScroll(move.Scroll);
    TPoint target = move.Cursor;
    if (move.Arrow) {
        target = FCursor;
        if (!FindNext(target, move.Direction, false))
            return true;
    } else {
        target = CropPoint(target);
        if (!CanSelect(Redirect(target)) && !FindNext(target, move.Direction, false))
            return true;
    }
    MoveCurrent(target, true, true);
    FCursor = target;
    return true;
}

void TXLView::KeyPress(QChar key, Qt::KeyboardModifiers modifiers)
{
    if (key == u'\r') {
        FGrid->SelectNext(dAuto, modifiers.testFlag(Qt::ShiftModifier));
        return;
    }
    if (key == QChar(27)) {
        FGrid->CancelEditing();
        return;
    }
    if (!FSection)
        return;
    if (TXLCell* cell = FSection->GetCell(FCurrent.X, FCurrent.Y))
        cell->KeyPress(key);
}

void TXLView::ProcessSelect(int key)
{
    TXLExtend extend;
    if (!XLExtendSelection(NavCells(), key, FCurrent, FSelArea, extend))
        return;
    if (extend.Direction != dNone)
        FGrid->SetAutoDir(extend.Direction);
    Select(extend.Selection, FCurrent);
    MakeVisible(ExpandArea(PointRect(extend.Corner)));
}
