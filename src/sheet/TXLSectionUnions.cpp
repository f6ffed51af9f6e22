// The merged areas of a section.
#include "sheet/TXLCell.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLUnion.h"

#include <algorithm>

TXLUnion* TXLSection::GetUnion(int i) const
{
    return i >= 0 && i < GetUnionCount() ? FUnions[static_cast<size_t>(i)].get() : nullptr;
}

namespace {

// Up to this many areas a scan is as fast as the index.
constexpr size_t FewUnions = 8;
// Finds that scan after a change before the index is rebuilt: a rebuild
// costs about as much as this many scans.
constexpr int ScansBeforeRebuild = 16;

}  // namespace

TXLUnion* TXLSection::ScanUnions(TPoint p) const
{
    for (auto it = FUnions.rbegin(); it != FUnions.rend(); ++it)
        if ((*it)->GetBounds().Contains(p))
            return it->get();
    return nullptr;
}

TXLUnion* TXLSection::FindUnion(TPoint p) const
{
    if (FUnions.size() <= FewUnions)
        return ScanUnions(p);
    if (FUnionIndexStale) {
        if (++FScansSinceChange < ScansBeforeRebuild)
            return ScanUnions(p);
        std::vector<TRect> rects;
        rects.reserve(FUnions.size());
        for (const auto& area : FUnions)
            rects.push_back(area->GetBounds());
        FUnionIndex.Build(rects);
        FUnionIndexStale = false;
    }
    const int i = FUnionIndex.Find(p);
    return i < 0 ? nullptr : FUnions[static_cast<size_t>(i)].get();
}

void TXLSection::UnionsChanged()
{
    FUnionIndexStale = true;
    FScansSinceChange = 0;
}

TXLUnion* TXLSection::FindUnionOf(const TXLCell* cell) const
{
    if (!cell)
        return nullptr;
    for (const auto& area : FUnions)
        if (area->GetCell() == cell)
            return area.get();
    return nullptr;
}

TXLUnion* TXLSection::AddUnion(const TRect& rect, TXLCell* anchor)
{
    FUnions.push_back(std::make_unique<TXLUnion>(this, anchor));
    UnionsChanged();
    TXLUnion* area = FUnions.back().get();
    if (anchor)
        anchor->IncludeState(csUnited);
    area->SetBounds(rect);
    return area;
}

void TXLSection::RemoveUnion(TXLUnion* area)
{
    const auto it = std::find_if(FUnions.begin(), FUnions.end(), [area](const auto& u) { return u.get() == area; });
    if (it == FUnions.end())
        return;
    std::unique_ptr<TXLUnion> owned = std::move(*it);
    FUnions.erase(it);
    UnionsChanged();
    if (!owned->GetBounds().IsEmpty())
        FSheet->InvalidateArea(FSector, owned->GetBounds(), iFull);
    if (TXLCell* anchor = owned->GetCell()) {
        anchor->ExcludeState(csUnited);
        anchor->CancelEdit();
    }
}

void TXLSection::MergeArea(const TRect& rect)
{
    const TRect area = IntersectRect(rect, GetExtent());
    if (static_cast<int64_t>(area.Width()) * area.Height() <= 1)
        return;
    SplitArea(area);
    AddUnion(area, GetRawCell(area.Left, area.Top));
    FSheet->ReloadSelection(FSector);
}

void TXLSection::SplitArea(const TRect& rect)
{
    for (int i = GetUnionCount() - 1; i >= 0; --i)
        if (i < GetUnionCount() && FUnions[static_cast<size_t>(i)]->GetBounds().Intersects(rect))
            RemoveUnion(FUnions[static_cast<size_t>(i)].get());
}

void TXLSection::UpdateUnions(TXLAxis axis, int newCount)
{
    std::vector<TXLUnion*> areas;
    for (const auto& area : FUnions)
        areas.push_back(area.get());
    for (TXLUnion* area : areas) {
        // An earlier step may have removed it already.
        if (std::none_of(FUnions.begin(), FUnions.end(), [area](const auto& u) { return u.get() == area; }))
            continue;
        TRect r = area->GetBounds();
        const int start = axis == sCols ? r.Left : r.Top;
        if (start >= newCount) {
            RemoveUnion(area);
            continue;
        }
        if (axis == sCols)
            r.Right = std::min(r.Right, newCount);
        else
            r.Bottom = std::min(r.Bottom, newCount);
        area->SetBounds(r);
    }
}

void TXLSection::ShiftUnions(TXLAxis axis, int pos, int count)
{
    std::vector<TXLUnion*> areas;
    for (const auto& area : FUnions)
        areas.push_back(area.get());
    for (TXLUnion* area : areas) {
        if (std::none_of(FUnions.begin(), FUnions.end(), [area](const auto& u) { return u.get() == area; }))
            continue;
        TRect r = area->GetBounds();
        int& lo = axis == sCols ? r.Left : r.Top;
        int& hi = axis == sCols ? r.Right : r.Bottom;
        if (count > 0) {
            // Inserting right after the area (at hi) widens it.
            if (pos <= lo)
                lo += count;
            if (pos <= hi)
                hi += count;
        } else {
            if (pos <= lo)
                lo = std::max(lo + count, pos);
            if (pos < hi)
                hi = std::max(hi + count, pos);
        }
        if (hi <= lo)
            RemoveUnion(area);
        else
            area->SetBounds(r);
    }
}
