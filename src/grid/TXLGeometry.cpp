#include "grid/TXLGeometry.h"

#include <algorithm>

int TXLGeometry::Lookup(TXLAxis axis, int& pos) const
{
    if (!FLines[axis]) {
        pos = 0;
        return 0;
    }
    return FLines[axis]->Lookup(pos);
}

bool TXLGeometry::PointToCell(TPoint client, bool allowOutside, TPoint& cell) const
{
    int x = client.X + FOffset.x;
    int y = client.Y + FOffset.y;
    const bool inside = x >= 0 && x < FExtent.x && y >= 0 && y < FExtent.y;
    cell = {Lookup(sCols, x), Lookup(sRows, y)};
    return inside || allowOutside;
}

bool TXLGeometry::CalcView(const TRect& pixels, TRect& area) const
{
    int left = pixels.Left + FOffset.x;
    area.Left = Lookup(sCols, left);
    if (area.Left >= ColCount())
        return false;
    int top = pixels.Top + FOffset.y;
    area.Top = Lookup(sRows, top);
    if (area.Top >= RowCount())
        return false;
    // An edge falling inside a line takes that line in too.
    const int wantRight = pixels.Right + FOffset.x;
    int right = wantRight;
    area.Right = Lookup(sCols, right) + (right < wantRight ? 1 : 0);
    const int wantBottom = pixels.Bottom + FOffset.y;
    int bottom = wantBottom;
    area.Bottom = Lookup(sRows, bottom) + (bottom < wantBottom ? 1 : 0);
    return CropArea(area);
}

bool TXLGeometry::CalcRect(const TRect& area, TXLCalcMode mode, TRect& rect) const
{
    rect = Rect(LineStart(sCols, area.Left), LineStart(sRows, area.Top), LineStart(sCols, area.Right),
                LineStart(sRows, area.Bottom));
    const bool valid = rect.Left < FExtent.x && rect.Right <= FExtent.x && rect.Top < FExtent.y
        && rect.Bottom <= FExtent.y && !rect.IsEmpty();
    rect = OffsetRect(rect, -FOffset.x, -FOffset.y);
    if (!valid)
        return false;
    if (mode == cmSkipFrame)
        rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 2, rect.Bottom - 2);
    else if (mode == cmInterior)
        rect = Rect(rect.Left + 2, rect.Top + 2, rect.Right - 3, rect.Bottom - 3);
    return true;
}

TXLSize TXLGeometry::ClampOffset(TXLSize offset) const
{
    for (const TXLAxis axis : {sCols, sRows}) {
        int& o = offset.Of(axis);
        const int extent = FExtent.Of(axis);
        const int client = FClient.Of(axis);
        if (o < 0)
            o = 0;
        if (o + client > extent)
            o = client < extent ? extent - client : 0;
    }
    return offset;
}

bool TXLGeometry::VisibleOffset(const TRect& area, TXLSize& offset) const
{
    TRect r;
    if (!CalcRect(area, cmFull, r))
        return false;
    TXLSize wanted = FOffset;
    const int starts[2] = {r.Left, r.Top};
    const int ends[2] = {r.Right, r.Bottom};
    for (const TXLAxis axis : {sCols, sRows}) {
        const int start = starts[axis];
        const int end = ends[axis];
        if (start > 0 && end > FClient.Of(axis))
            wanted.Of(axis) += end - FClient.Of(axis);
        else if (start <= 0)
            wanted.Of(axis) += start;
    }
    if (wanted == FOffset)
        return false;
    // Start the view at a whole line unless that would hide the area's start.
    const int areaStarts[2] = {area.Left, area.Top};
    for (const TXLAxis axis : {sCols, sRows}) {
        int pos = wanted.Of(axis);
        const int line = Lookup(axis, pos);
        if (pos < wanted.Of(axis) && line < areaStarts[axis])
            wanted.Of(axis) = pos + LineSize(axis, line);
    }
    offset = ClampOffset(wanted);
    return !(offset == FOffset);
}

int TXLGeometry::ScrollTarget(TXLAxis axis, TXLScrollCode code, int thumb, bool tracking) const
{
    const int page = FClient.Of(axis);
    const int current = FOffset.Of(axis);
    const int last = FExtent.Of(axis) - page;
    const auto lineStartAt = [&](int pos) {
        Lookup(axis, pos);
        return pos;
    };
    const auto lineDown = [&] {
        int pos = current;
        const int line = Lookup(axis, pos);
        return pos + LineSize(axis, line);
    };
    int target = current;
    switch (code) {
    case scLineUp:
        target = lineStartAt(current - 1);
        break;
    case scLineDown:
        target = lineDown();
        break;
    case scPageUp:
        target = lineStartAt(current - page);
        break;
    case scPageDown:
        target = lineStartAt(current + page);
        // A line taller than the page would stop paging: step a line instead.
        if (target <= current)
            target = lineDown();
        break;
    case scThumbPosition:
        target = tracking ? thumb : lineStartAt(thumb);
        break;
    case scThumbTrack:
        target = tracking ? thumb : current;
        break;
    case scTop:
        target = 0;
        break;
    case scBottom:
        target = last;
        break;
    }
    return std::max(0, std::min(target, last));
}

TXLScrollBarInfo TXLGeometry::ScrollBarInfo(TXLAxis axis) const
{
    TXLScrollBarInfo info{1, FExtent.Of(axis), FClient.Of(axis), FOffset.Of(axis)};
    while (info.Extent > ScrollBarLimit) {
        info.Factor *= 2;
        info.Extent /= 2;
        info.Page /= 2;
        info.Position /= 2;
    }
    return info;
}

bool TXLGeometry::HitBorders(TPoint client, TXLBorderHit& hit) const
{
    const int at[2] = {client.X + FOffset.x, client.Y + FOffset.y};
    if (at[0] < 0 || at[0] >= FExtent.x || at[1] < 0 || at[1] >= FExtent.y)
        return false;
    int lines[2] = {0, 0};
    bool near[2] = {false, false};
    int borders[2] = {-1, -1};
    for (const TXLAxis axis : {sCols, sRows}) {
        int start = at[axis];
        const int line = Lookup(axis, start);
        const int end = start + LineSize(axis, line);
        lines[axis] = line;
        int border = line;
        if (at[axis] - start < BorderReach)
            border = line - 1;
        else if (end - at[axis] < BorderReach)
            border = line;
        else
            continue;
        // A border after hidden lines belongs to the last visible one.
        while (border >= 0 && LineSize(axis, border) == 0)
            --border;
        near[axis] = true;
        borders[axis] = border;
    }
    hit.Cell = {lines[0], lines[1]};
    hit.ColNear = near[0];
    hit.RowNear = near[1];
    hit.ColBorder = borders[0];
    hit.RowBorder = borders[1];
    return true;
}

bool TXLGeometry::CropArea(TRect& area) const
{
    area = IntersectRect(area, Rect(0, 0, ColCount(), RowCount()));
    return !area.IsEmpty();
}

TPoint TXLGeometry::CropPoint(TPoint p) const
{
    return {std::max(0, std::min(p.X, ColCount() - 1)), std::max(0, std::min(p.Y, RowCount() - 1))};
}
