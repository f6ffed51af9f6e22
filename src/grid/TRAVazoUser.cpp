// The grid as a sheet user: what it does with each notice of its sheet.
#include "grid/TRAVazo.h"

#include "grid/TXLHintMemo.h"
#include "grid/TXLView.h"
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSection.h"

namespace {

// True when cell lies in a section of the band of axis (body or title) and
// covers line index of it.
bool CellOnLine(const TXLCell& cell, TXLAxis axis, bool body, int index)
{
    const TXLSector sector = cell.GetSector();
    const bool bodyBand = axis == sCols ? (sector == sCols || sector == sClient) : (sector == sRows || sector == sClient);
    if (bodyBand != body)
        return false;
    const TRect bounds = cell.GetBounds();
    return axis == sCols ? bounds.Left <= index && index < bounds.Right : bounds.Top <= index && index < bounds.Bottom;
}

}  // namespace

void TRAVazo::InvalidateArea(TXLSector sector, const TRect& rect, TXLInvalidate mode)
{
    FViews[sector]->InvalidateArea(rect, false, mode);
}

void TRAVazo::InvalidateSector(TXLSector sector)
{
    FViews[sector]->Invalidate();
}

void TRAVazo::InvalidateAll()
{
    for (TXLView* view : FViews)
        view->Invalidate();
}

void TRAVazo::LayoutChanged()
{
    // Page-break lines follow the layout.
    if (FSheet && FOptions.Contains(oPageBreak))
        FViews[sClient]->Invalidate();
    // An open note keeps pointing at its cell.
    if (FHintMemo)
        FHintMemo->UpdateCallout();
}

void TRAVazo::SheetSizeChanged(TXLSectors sectors, bool countChanged)
{
    (void)countChanged;
    RebuildSizes(sectors);
}

void TRAVazo::SheetSizeModified(TXLAxis axis, bool body, int pos, int count)
{
    EndEditing();
    FSizes[ListIndex(axis, body)].Modify(pos, count);
    ResetSelection(false);
    RebuildSizes({axis});
    if (FOptions.Contains(oPermEdit))
        SetEditMode(emEnter);
}

void TRAVazo::CellSizeChanged(TXLAxis axis, bool body, int index)
{
    if (!FSheet)
        return;
    TXLLineSizes& list = FSizes[ListIndex(axis, body)];
    const int oldSize = list.Size(index);
    const int newSize = ToScaled(FSheet->GetSizeList(axis, body).GetInt(index));
    if (newSize == 0 && GetEditing()) {
        const TXLCell* cell = FEditHost->GetEditCell();
        if (cell && CellOnLine(*cell, axis, body, index))
            EndEditing();
    }
    if (oldSize != newSize) {
        ShowLineSize(axis, body, index, newSize);
        Realign();
    }
    LayoutChanged();
}

void TRAVazo::ShowLineSize(TXLAxis axis, bool body, int index, int size)
{
    TXLLineSizes& list = FSizes[ListIndex(axis, body)];
    const int oldSize = list.Size(index);
    if (oldSize == size)
        return;
    const int start = list.Start(index);
    list.SetSize(index, size);
    for (TXLView* view : ViewsOf(axis, body))
        view->AdjustSizeChange(axis, index, start, size, oldSize);
}

void TRAVazo::AreaChanged(TXLSector sector, const std::optional<TRect>& rect)
{
    TXLView* view = FViews[sector];
    if (!rect) {
        if (TXLSection* section = view->GetSection())
            view->SetColor(section->GetBaseStyle()->GetColor());
        return;
    }
    if (GetEditing() && FEditView == view) {
        const TXLCell* cell = FEditHost->GetEditCell();
        if (cell && cell->GetSector() == sector && cell->GetBounds().Intersects(*rect))
            FEditHost->UpdateEditor();
    }
}

void TRAVazo::Disconnect()
{
    SetSheet(nullptr);
}

void TRAVazo::CloseEditor(TXLCell* cell)
{
    if (GetEditing() && FEditHost->GetEditCell() == cell)
        EndEditing();
    if (GetHintMemo() && GetHintMemo()->IsOn(cell))
        SetEditHint(false);
}

void TRAVazo::ResetSelection(bool clear)
{
    for (TXLView* view : FViews) {
        if (clear)
            view->ResetSelection();
        else
            view->ReloadSelection();
    }
    RelocateEditor();
}

void TRAVazo::LockUpdate()
{
    for (TXLView* view : FViews)
        view->LockUpdate();
}

void TRAVazo::UnlockUpdate()
{
    for (TXLView* view : FViews)
        view->UnlockUpdate();
}
