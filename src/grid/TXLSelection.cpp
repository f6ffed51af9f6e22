#include "grid/TXLSelection.h"

#include "grid/TRAVazo.h"
#include "grid/TXLView.h"
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSection.h"

TXLSection* TXLSelection::GetSection() const
{
    return FView->GetSection();
}

TRect TXLSelection::GetBounds() const
{
    return FView->GetSelArea();
}

void TXLSelection::SetBounds(const TRect& rect)
{
    FView->Select(rect, FView->GetCurrent());
}

void TXLSelection::Changed()
{
    if (!FSuppressed && FView->GetEditable())
        FView->GetGrid()->Changed();
}

void TXLSelection::NotifyChanges(TXLProp prop, int flags)
{
    TXLProRange::NotifyChanges(prop, flags);
    Changed();
}

void TXLSelection::SetCellInfo(TXLCellInfo info, uint32_t value)
{
    TXLProRange::SetCellInfo(info, value);
    if (info == ciColor || info == ciFrame || info == ciStyles)
        Changed();
}

void TXLSelection::SetBorder(TXLSide side, const TXLSideBorder& border)
{
    TXLProRange::SetBorder(side, border);
    Changed();
}

void TXLSelection::SetBorders(TXLSides sides, const TXLSideBorder& border)
{
    TXLProRange::SetBorders(sides, border);
    if (!sides.Empty())
        Changed();
}

bool TXLSelection::Clear(TXLClearSet set)
{
    const bool changed = TXLProRange::Clear(set);
    if (changed)
        FView->GetGrid()->SelectionChanged(FView);
    return changed;
}

bool TXLSelection::Merge(bool byRows)
{
    const bool changed = TXLProRange::Merge(byRows);
    if (changed)
        FView->GetGrid()->SelectionChanged(FView);
    return changed;
}

void TXLSelection::Reload()
{
    if (!GetSection() || GetBounds().IsEmpty())
        return;
    // The range reads class, value and formatting from the selected cells
    // themselves; what it keeps of its own is the font last applied, taken
    // again here so that a later font change carries only what changed.
    // Nothing is written to the cells.
    FSuppressed = true;
    {
        TXLAssignGuard assigning(*this);
        RememberFont();
    }
    FSuppressed = false;
}
