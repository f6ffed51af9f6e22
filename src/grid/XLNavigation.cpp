#include "grid/XLNavigation.h"

#include "grid/TXLGeometry.h"

#include <algorithm>
#include <cstdint>
#include <optional>

TPoint TXLNavCells::Crop(TPoint p) const
{
    p.X = std::clamp(p.X, 0, std::max(0, ColCount - 1));
    p.Y = std::clamp(p.Y, 0, std::max(0, RowCount - 1));
    return p;
}

TRect TXLNavCells::Expand(const TRect& area) const
{
    return ExpandArea && !area.IsEmpty() ? ExpandArea(area) : area;
}

namespace {

// One step of the search; false when it leaves the region without wrapping.
bool Step(const TXLNavCells& cells, TPoint& p, TXLDirection dir, const TRect& r, bool wrap)
{
    // A merged area is crossed in one step: from its far edge.
    const TRect area = cells.AreaOf ? cells.AreaOf(p) : PointRect(p);
    if (area != PointRect(p)) {
        switch (dir) {
        case dRight:
            p.X = area.Right - 1;
            break;
        case dDown:
            p.Y = area.Bottom - 1;
            break;
        case dLeft:
            p.X = area.Left;
            break;
        case dUp:
            p.Y = area.Top;
            break;
        case dNone:
        case dAuto:
            break;
        }
        p = cells.Crop(p);
    }
    switch (dir) {
    case dRight:
        if (p.X + 1 < r.Right) {
            ++p.X;
            return true;
        }
        if (!wrap)
            return false;
        p.X = r.Left;
        p.Y = p.Y + 1 < r.Bottom ? p.Y + 1 : r.Top;
        return true;
    case dDown:
        if (p.Y + 1 < r.Bottom) {
            ++p.Y;
            return true;
        }
        if (!wrap)
            return false;
        p.Y = r.Top;
        p.X = p.X + 1 < r.Right ? p.X + 1 : r.Left;
        return true;
    case dLeft:
        if (p.X > r.Left) {
            --p.X;
            return true;
        }
        if (!wrap)
            return false;
        p.X = r.Right - 1;
        p.Y = p.Y > r.Top ? p.Y - 1 : r.Bottom - 1;
        return true;
    case dUp:
        if (p.Y > r.Top) {
            --p.Y;
            return true;
        }
        if (!wrap)
            return false;
        p.Y = r.Bottom - 1;
        p.X = p.X > r.Left ? p.X - 1 : r.Right - 1;
        return true;
    case dNone:
    case dAuto:
        break;
    }
    return false;
}

}  // namespace

bool XLFindNext(const TXLNavCells& cells, TPoint& pos, TXLDirection dir, const TRect& region, bool wrap)
{
    if (dir == dNone || dir == dAuto || region.IsEmpty())
        return false;
    TPoint p = pos;
    std::optional<TPoint> first;
    // The walk is a function of the position, so it ends in a cycle; the
    // cycle need not pass the first position (merged areas are entered at
    // one cell and left from another), so the region's size bounds it too.
    const int64_t limit = int64_t{region.Width()} * region.Height() + 1;
    for (int64_t n = 0; n <= limit; ++n) {
        if (!Step(cells, p, dir, region, wrap))
            return false;
        const TPoint target = cells.Redirect(p);
        if (cells.CanSelect && cells.CanSelect(target)) {
            pos = target;
            return true;
        }
        if (!first)
            first = p;
        else if (p == *first)
            break;
    }
    pos = first.value_or(p);
    return true;
}

TXLKeyMove XLKeyMove(int key, bool ctrl, TPoint cursor, const TXLGeometry& geometry)
{
    TXLKeyMove move;
    move.Handled = true;
    move.Cursor = cursor;
    const auto rowAt = [&geometry](int pixel) { return geometry.Lookup(sRows, pixel); };
    switch (key) {
    case Qt::Key_PageUp:
        if (ctrl) {
            move.Scroll = ksTop;
            move.Cursor.Y = 0;
        } else {
            move.Scroll = ksPageUp;
            move.Cursor.Y = rowAt(geometry.LineStart(sRows, cursor.Y) - geometry.ClientSize().y);
        }
        move.Direction = dDown;
        break;
    case Qt::Key_PageDown:
        if (ctrl) {
            move.Scroll = ksBottom;
            move.Cursor.Y = geometry.RowCount();
        } else {
            move.Scroll = ksPageDown;
            move.Cursor.Y = rowAt(geometry.LineStart(sRows, cursor.Y) + geometry.ClientSize().y);
        }
        move.Direction = dUp;
        break;
    case Qt::Key_Home:
        move.Cursor.X = 0;
        if (ctrl) {
            move.Cursor.Y = 0;
            move.Scroll = ksTopLeft;
        }
        move.Direction = dRight;
        break;
    case Qt::Key_End:
        move.Cursor.X = geometry.ColCount();
        if (ctrl) {
            move.Cursor.Y = geometry.RowCount();
            move.Scroll = ksBottomRight;
        }
        move.Direction = dLeft;
        break;
    case Qt::Key_Left:
        move.Arrow = true;
        move.Direction = dLeft;
        move.Scroll = ctrl ? ksLineLeft : ksNone;
        break;
    case Qt::Key_Up:
        move.Arrow = true;
        move.Direction = dUp;
        move.Scroll = ctrl ? ksLineUp : ksNone;
        break;
    case Qt::Key_Right:
        move.Arrow = true;
        move.Direction = dRight;
        move.Scroll = ctrl ? ksLineRight : ksNone;
        break;
    case Qt::Key_Down:
        move.Arrow = true;
        move.Direction = dDown;
        move.Scroll = ctrl ? ksLineDown : ksNone;
        break;
    default:
        move.Handled = false;
        break;
    }
    return move;
}

bool XLExtendSelection(const TXLNavCells& cells, int key, TPoint current, const TRect& selection, TXLExtend& result)
{
    if (cells.ColCount <= 0 || cells.RowCount <= 0)
        return false;
    TRect anchor = cells.Expand(PointRect(current));
    const TRect sel = selection.IsEmpty() ? anchor : selection;
    // Per axis: which edge of the selection is the moving one. The far edge
    // moves, unless the selection ends where the anchor ends and reaches
    // beyond it at the start; a selection detached from the anchor on both
    // sides widens the anchor to itself.
    const auto corner = [](int selLo, int selHi, int& anchorLo, int& anchorHi) {
        if (selHi == anchorHi && selLo != anchorLo)
            return selLo;
        if (selLo != anchorLo && selHi != anchorHi) {
            anchorLo = selLo;
            anchorHi = selHi;
        }
        return selHi - 1;
    };
    TPoint far{corner(sel.Left, sel.Right, anchor.Left, anchor.Right),
               corner(sel.Top, sel.Bottom, anchor.Top, anchor.Bottom)};
    result.Direction = dNone;
    int dx = 0;
    int dy = 0;
    switch (key) {
    case Qt::Key_Home:
        far.X = 0;
        break;
    case Qt::Key_End:
        far.X = cells.ColCount - 1;
        break;
    case Qt::Key_Left:
        dx = -1;
        result.Direction = dLeft;
        break;
    case Qt::Key_Right:
        dx = 1;
        result.Direction = dRight;
        break;
    case Qt::Key_Up:
        dy = -1;
        result.Direction = dUp;
        break;
    case Qt::Key_Down:
        dy = 1;
        result.Direction = dDown;
        break;
    default:
        return false;
    }
    const auto selectionWith = [&](TPoint p) { return cells.Expand(UnionRect(anchor, PointRect(p))); };
    TRect next = selectionWith(far);
    // A step that only moves inside a merged area changes nothing: step on
    // until the selection grows or shrinks, or the edge is reached.
    while (dx != 0 || dy != 0) {
        const TPoint moved = cells.Crop({far.X + dx, far.Y + dy});
        if (moved == far)
            break;
        far = moved;
        next = selectionWith(far);
        if (next != sel)
            break;
    }
    result.Selection = next;
    result.Corner = far;
    return true;
}
