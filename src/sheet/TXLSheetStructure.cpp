// Counts, default sizes, insertion and deletion, enumeration and Zap.
#include "sheet/IXLSheetUser.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLUpdateGuard.h"
#include "sheet/TXLUnion.h"

#include <algorithm>
#include <climits>

namespace {
TXLAxis OtherAxis(TXLAxis axis)
{
    return axis == sCols ? sRows : sCols;
}

}  // namespace

std::array<TXLSector, 2> TXLSheet::BandSections(TXLAxis axis, bool body) const
{
    // The body band of an axis runs through that axis's heading sector and
    // the body; the title band through the other heading and the corner.
    if (body)
        return {axis, sClient};
    return {OtherAxis(axis), sTitle};
}

void TXLSheet::SetBandCount(TXLAxis axis, bool body, int count)
{
    count = std::max(count, 0);
    TXLSizeList& sizes = GetSizeList(axis, body);
    if (count != sizes.Count()) {
        if (count < sizes.Count()) {
            for (const TXLSector sector : BandSections(axis, body))
                FSections[sector]->Truncate(axis, count);
            UpdateUnions(axis, body, count);
        }
        sizes.SetCount(count);
        SizeChanged({axis}, true);
    }
    GetHiddenList(axis, body).SetCount(count);
}

void TXLSheet::SetSheetSize(TXLAxis axis, int count)
{
    SetBandCount(axis, true, count);
}

void TXLSheet::SetTitleSize(TXLAxis axis, int count)
{
    SetBandCount(axis, false, count);
}

void TXLSheet::SetDefCellSize(TXLAxis axis, int size)
{
    for (const bool body : {false, true}) {
        TXLSizeList& sizes = GetSizeList(axis, body);
        if (sizes.Zero() == size && sizes.Empty())
            continue;
        sizes.SetZero(size);
        SizeChanged({axis}, body);
    }
}

void TXLSheet::UpdateUnions(TXLAxis axis, bool body, int newCount)
{
    for (const TXLSector sector : BandSections(axis, body))
        FSections[sector]->UpdateUnions(axis, newCount);
}

void TXLSheet::Modify(TXLAxis axis, int APos, int ACount)
{
    const int titleCount = GetTitleSize(axis);
    const int bodyCount = GetSheetSize(axis);
    const bool title = APos < 0;
    int pos = std::clamp(APos, -titleCount, bodyCount);
    int count = ACount;
    if (count < 0) {
        // Deletion stops at the end of its band.
        if (title)
            count = std::max(count, pos);
        else if (static_cast<int64_t>(pos) - count > bodyCount)
            count = pos - bodyCount;
    }
    if (count == 0)
        return;
    const bool body = !title;
    const int index = body ? pos : pos + titleCount;
    for (const TXLSector sector : BandSections(axis, body))
        FSections[sector]->ModifyAxis(axis, index, count);
    for (TXLSizeList* list : {&GetSizeList(axis, body), &GetHiddenList(axis, body)}) {
        const int newCount = list->Count() + count;
        list->Modify(index, count);
        list->SetCount(newCount);
    }
    const std::vector<IXLSheetUser*> users = FUsers;
    for (IXLSheetUser* user : users)
        user->SheetSizeModified(axis, body, index, count);
}

TRect TXLSheet::GetExtents() const
{
    return Rect(-GetTitleSize(sCols), -GetTitleSize(sRows), GetSheetSize(sCols), GetSheetSize(sRows));
}

int TXLSheet::EnumCells(const TRect& ARect, bool ACreate, const TXLCellEnumProc& AProc, intptr_t AData)
{
    int count = 0;
    const int titleCols = GetTitleSize(sCols);
    const int titleRows = GetTitleSize(sRows);
    for (int s = sCols; s <= sClient; ++s) {
        const bool titleX = s == sRows || s == sTitle;
        const bool titleY = s == sCols || s == sTitle;
        const TRect band = Rect(titleX ? -titleCols : 0, titleY ? -titleRows : 0, titleX ? 0 : INT_MAX,
                                titleY ? 0 : INT_MAX);
        const TRect part = IntersectRect(ARect, band);
        if (part.IsEmpty())
            continue;
        const TRect local = OffsetRect(part, titleX ? titleCols : 0, titleY ? titleRows : 0);
        if (!FSections[static_cast<size_t>(s)]->EnumCells(local, ACreate, AProc, AData, count))
            break;
    }
    return count;
}

int TXLSheet::EnumCoords(const TRect& ARect, const TXLCoordEnumProc& AProc, intptr_t AData, bool AColsForward,
                         bool ARowsForward)
{
    int count = 0;
    bool stop = false;
    const int rows = ARect.Height();
    const int cols = ARect.Width();
    for (int j = 0; j < rows; ++j) {
        const int y = ARowsForward ? ARect.Top + j : ARect.Bottom - 1 - j;
        for (int i = 0; i < cols; ++i) {
            const int x = AColsForward ? ARect.Left + i : ARect.Right - 1 - i;
            TPoint local;
            const TXLSector sector = MapToSector(x, y, local);
            // A covered position is reached through the area's top-left.
            const TXLUnion* area = FSections[sector]->FindUnion(local);
            if (area && area->GetBounds().TopLeft() != local)
                continue;
            AProc({x, y}, AData, stop);
            ++count;
            if (stop)
                return count;
        }
    }
    return count;
}

void TXLSheet::Zap()
{
    TXLUpdateGuard update(*this);
    for (auto& axis : FSizes)
        for (TXLSizeList& list : axis)
            list.Clear();
    for (auto& axis : FHidden)
        for (TXLSizeList& list : axis)
            list.Clear();
    for (auto& section : FSections)
        section->Clear();
}
