// Column widths and row heights: the visible and the remembered (hidden)
// sizes of both bands of each axis, the maximum, the sizing hook, hiding and
// showing, and fitting a column or row to its content.
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <vector>

bool TXLSheet::ToBand(int index, TXLAxis axis, bool& body, int& bandIndex) const
{
    body = index >= 0;
    bandIndex = body ? index : index + GetTitleSize(axis);
    return bandIndex >= 0 && bandIndex < FSizes[axis][body ? 1 : 0].Count();
}

void TXLSheet::Sizing(TXLAxis axis, bool body, int index, int& size)
{
    if (OnSizing)
        OnSizing(this, axis, body ? index : index - GetTitleSize(axis), size);
    const int max = FMaxSizes[axis];
    if (max > 0)
        size = std::min(size, max);
}

int TXLSheet::GetIntCellSize(int index, TXLAxis axis) const
{
    bool body;
    int band;
    const TXLSizeList& sizes = FSizes[axis][index >= 0 ? 1 : 0];
    return ToBand(index, axis, body, band) ? sizes.GetInt(band) : sizes.Zero();
}

void TXLSheet::SetIntCellSize(int index, TXLAxis axis, int size)
{
    bool body;
    int band;
    const bool inside = ToBand(index, axis, body, band);
    Sizing(axis, body, band, size);
    if (!inside)
        return;
    TXLSizeList& sizes = GetSizeList(axis, body);
    if (sizes.GetInt(band) == size)
        return;
    sizes.SetInt(band, size);
    CellChanged(nullptr, axis, body, band);
}

int TXLSheet::GetInvCellSize(int index, TXLAxis axis) const
{
    bool body;
    int band;
    return ToBand(index, axis, body, band) ? FHidden[axis][body ? 1 : 0].GetInt(band) : 0;
}

void TXLSheet::SetInvCellSize(int index, TXLAxis axis, int size)
{
    bool body;
    int band;
    if (ToBand(index, axis, body, band))
        GetHiddenList(axis, body).SetInt(band, size);
}

int TXLSheet::GetCellSize(int index, TXLAxis axis) const
{
    const int hidden = GetInvCellSize(index, axis);
    return hidden != 0 ? hidden : GetIntCellSize(index, axis);
}

void TXLSheet::SetCellSize(int index, TXLAxis axis, int size)
{
    if (size == -1)
        size = CalcCellSize(index, axis);
    // A visible entry of 0 would look hidden without remembering a size.
    if (size == 0)
        size = 1;
    if (GetCellVisible(index, axis))
        SetIntCellSize(index, axis, size);
    else
        SetInvCellSize(index, axis, size);
}

bool TXLSheet::GetCellVisible(int index, TXLAxis axis) const
{
    return GetInvCellSize(index, axis) == 0;
}

void TXLSheet::SetCellVisible(int index, TXLAxis axis, bool visible)
{
    if (GetCellVisible(index, axis) == visible)
        return;
    if (!visible) {
        SetInvCellSize(index, axis, GetIntCellSize(index, axis));
        SetIntCellSize(index, axis, 0);
    } else {
        SetIntCellSize(index, axis, GetInvCellSize(index, axis));
        SetInvCellSize(index, axis, 0);
    }
}

void TXLSheet::SetMaxCellSize(TXLAxis axis, int size)
{
    if (size == FMaxSizes[axis])
        return;
    FMaxSizes[axis] = size;
    if (size <= 0)
        return;
    if (size < GetDefCellSize(axis)) {
        SetDefCellSize(axis, size);
        return;
    }
    // Title band first, then the body, as the indices run. Only entries that
    // differ from their band's default can exceed a bound the default meets.
    for (const bool body : {false, true}) {
        const TXLSizeList& sizes = GetSizeList(axis, body);
        const TXLSizeList& hidden = GetHiddenList(axis, body);
        const int count = sizes.Count();
        std::vector<int> candidates;
        if (sizes.Zero() > size) {
            for (int i = 0; i < count; ++i)
                candidates.push_back(i);
        } else {
            for (const TXLSizeList* list : {&sizes, &hidden})
                list->ForAll([&candidates, count](int i, int32_t) {
                    if (i < count)
                        candidates.push_back(i);
                    return 0;
                });
            std::sort(candidates.begin(), candidates.end());
            candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
        }
        const int shift = body ? 0 : GetTitleSize(axis);
        for (const int band : candidates)
            if (GetCellSize(band - shift, axis) > size)
                SetCellSize(band - shift, axis, size);
    }
}

int TXLSheet::CalcColWidth(int col)
{
    return CalcCellSize(col, sCols);
}

int TXLSheet::CalcRowHeight(int row)
{
    return CalcCellSize(row, sRows);
}

int TXLSheet::CalcCellSize(int index, TXLAxis axis)
{
    // The body part of the column (row) first, then its title part, each
    // measured with the default font of the sector that holds it.
    const bool cols = axis == sCols;
    const TXLAxis across = cols ? sRows : sCols;
    int fitted = 0;
    for (const bool body : {true, false}) {
        const int from = body ? 0 : -GetTitleSize(across);
        const int to = body ? GetSheetSize(across) : 0;
        if (from >= to)
            continue;
        const TRect part = cols ? Rect(index, from, index + 1, to) : Rect(from, index, to, index + 1);
        TPoint local;
        const TXLSector sector = MapToSector(part.Left, part.Top, local);
        TXLFont& font = *FSections[sector]->GetBaseStyle()->GetFont();
        const QSize size = CheckRectSize(part, font, axis);
        fitted = std::max(fitted, cols ? size.width() : size.height());
    }
    return fitted != 0 ? fitted : GetDefCellSize(axis);
}

QSize TXLSheet::CheckRectSize(const TRect& rect, TXLFont& font, TXLAxis axis)
{
    // A canvas on a screen-like image, released by scope also when a cell's
    // measurement raises.
    QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter canvas(&device);
    const QFont measureFont = font.ToQFont();
    const bool widths = axis == sCols;
    QSize largest(0, 0);
    EnumCells(rect, false, [&](TXLCell* cell, intptr_t, bool&) {
        const TRect bounds = cell->GetBounds();
        // An area spread over several columns (rows) asks nothing of one.
        if ((widths ? bounds.Width() : bounds.Height()) > 1)
            return;
        const TPoint at = cell->GetMapBounds().TopLeft();
        if (widths ? !GetCellVisible(at.Y, sRows) : !GetCellVisible(at.X, sCols))
            return;
        canvas.setFont(measureFont);
        largest = largest.expandedTo(cell->RecommendedSize(canvas));
    });
    return largest;
}
