// Keyboard navigation of a grid view as pure functions: where a key sends
// the cursor (the key table), where the next selectable cell lies in a
// direction (with or without wrapping, stepping over merged areas), and
// where Shift+key moves the far corner of a selection. They see the view
// only through TXLNavCells, so every table is testable without a window;
// the view applies the results (moving the current cell, scrolling).
#pragma once

#include "grid/XLGridTypes.h"
#include "sheet/XLTypes.h"

#include <Qt>

#include <functional>

class TXLGeometry;

// What navigation needs to know of a view's cells.
struct TXLNavCells {
    int ColCount = 0;
    int RowCount = 0;
    // Whether a position can take the cursor.
    std::function<bool(TPoint)> CanSelect;
    // The merged area holding a position, or the position's own rectangle.
    std::function<TRect(TPoint)> AreaOf;
    // An area grown until it holds every merged area it touches.
    std::function<TRect(const TRect&)> ExpandArea;

    TPoint Crop(TPoint p) const;
    // The top-left of the merged area holding p.
    TPoint Redirect(TPoint p) const { return AreaOf ? AreaOf(p).TopLeft() : p; }
    TRect Expand(const TRect& area) const;
};

// How a key scrolls the view before the cursor moves.
enum TXLKeyScroll : uint8_t {
    ksNone,
    ksPageUp,
    ksPageDown,
    ksTop,
    ksBottom,
    ksTopLeft,
    ksBottomRight,
    ksLineLeft,
    ksLineUp,
    ksLineRight,
    ksLineDown,
};

// The meaning of a key in the view: the new cursor point (not yet cropped),
// the direction (which also becomes the grid's automatic direction), the
// scroll to do first, and whether the key steps like an arrow (the next
// cell is searched from the cursor point) or jumps (the cursor point is
// taken as is when selectable).
struct TXLKeyMove {
    bool Handled = false;
    TPoint Cursor;
    TXLDirection Direction = dNone;
    TXLKeyScroll Scroll = ksNone;
    bool Arrow = false;
};

// The key table. geometry gives the row under a pixel for the paging keys
// (a page is the client height).
TXLKeyMove XLKeyMove(int key, bool ctrl, TPoint cursor, const TXLGeometry& geometry);

// The next selectable position from pos in dir within region (the view's
// whole area, or the selected range). Returns false when a step leaves the
// region without wrapping, or for dNone and dAuto; when the steps come back
// to the first position visited, that position is returned.
bool XLFindNext(const TXLNavCells& cells, TPoint& pos, TXLDirection dir, const TRect& region, bool wrap);

// Shift+key extends the selection: the anchor is the current cell's area,
// the selection's far corner moves. Returns false for keys that do not
// extend; otherwise the new selection, the corner cell (to scroll into
// view) and, for the arrows, the direction that becomes the automatic one
// (dNone for Home and End).
struct TXLExtend {
    TRect Selection;
    TPoint Corner;
    TXLDirection Direction = dNone;
};
bool XLExtendSelection(const TXLNavCells& cells, int key, TPoint current, const TRect& selection, TXLExtend& result);
