// TXLGeometry: the pixel geometry of one grid view: which width and height
// lists it reads (the grid's scaled lists, with their cached line starts),
// its extent (the total size of its cells), its scroll offset (the pixel of
// the extent shown at the client's top-left) and its client size. Every
// conversion between cell areas and client pixels, the offset clamping, the
// scroll codes and the scroll-bar scaling are pure functions of this state,
// shared by painting, hit testing and scrolling. Owned by its view; the
// lists belong to the grid and may be absent (no lines).
#pragma once

#include "grid/TXLLineSizes.h"
#include "grid/XLGridTypes.h"
#include "sheet/XLTypes.h"

// The scroll codes of a scroll bar, as the platform numbers them.
enum TXLScrollCode : uint8_t {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scThumbPosition,
    scThumbTrack,
    scTop,
    scBottom,
};

// One scroll bar's setting: everything divided by Factor so that the range
// stays within what a scroll bar takes.
struct TXLScrollBarInfo {
    int Factor = 1;
    int Extent = 0;
    int Page = 0;
    int Position = 0;
};

// What lies near a pixel: the cell there and, per axis, whether a line
// border is within reach and the line it belongs to (the last visible line
// before it; -1 for the leading edge of the first line).
struct TXLBorderHit {
    TPoint Cell;
    bool ColNear = false;
    bool RowNear = false;
    int ColBorder = -1;
    int RowBorder = -1;
};

class TXLGeometry {
public:
    static constexpr int ScrollBarLimit = 32000;
    // Distance (pixels) within which a pointer is on a line's border.
    static constexpr int BorderReach = 3;

    void SetLines(const TXLLineSizes* widths, const TXLLineSizes* heights)
    {
        FLines[sCols] = widths;
        FLines[sRows] = heights;
    }
    const TXLLineSizes* Lines(TXLAxis axis) const { return FLines[axis]; }
    int Count(TXLAxis axis) const { return FLines[axis] ? FLines[axis]->Count() : 0; }
    int ColCount() const { return Count(sCols); }
    int RowCount() const { return Count(sRows); }
    int LineStart(TXLAxis axis, int i) const { return FLines[axis] ? FLines[axis]->Start(i) : 0; }
    int LineSize(TXLAxis axis, int i) const { return FLines[axis] ? FLines[axis]->Size(i) : 0; }
    // The line holding content pixel pos; pos moves back to its start.
    int Lookup(TXLAxis axis, int& pos) const;

    const TXLSize& Extent() const { return FExtent; }
    void SetExtent(const TXLSize& extent) { FExtent = extent; }
    const TXLSize& Offset() const { return FOffset; }
    void SetOffset(const TXLSize& offset) { FOffset = offset; }
    const TXLSize& ClientSize() const { return FClient; }
    void SetClientSize(const TXLSize& size) { FClient = size; }

    // The cell at a client point (no merged-area redirection). False when
    // the point lies outside the extent and allowOutside is off; the cell is
    // filled in either case (indices past the counts outside the extent).
    bool PointToCell(TPoint client, bool allowOutside, TPoint& cell) const;
    // The cell area a client pixel rectangle touches, cropped to the counts.
    bool CalcView(const TRect& pixels, TRect& area) const;
    // The client pixel rectangle of a cell area; false when the area lies
    // beyond the extent or is empty (the rectangle is still shifted by the
    // offset then, and the mode is applied only when valid).
    bool CalcRect(const TRect& area, TXLCalcMode mode, TRect& rect) const;

    // The offset brought within 0 .. extent - client on each axis (0 when
    // the client is not smaller than the extent).
    TXLSize ClampOffset(TXLSize offset) const;
    // The offset that shows the area's start (or end), snapped to a whole
    // line and clamped; false when the area has no valid rectangle or the
    // view need not move.
    bool VisibleOffset(const TRect& area, TXLSize& offset) const;
    // The new offset on axis for a scroll code; thumb is the thumb position
    // in pixels (already multiplied by the bar's factor).
    int ScrollTarget(TXLAxis axis, TXLScrollCode code, int thumb, bool tracking) const;
    TXLScrollBarInfo ScrollBarInfo(TXLAxis axis) const;

    // Near-border test of a client point (the point must lie inside the
    // extent: false otherwise).
    bool HitBorders(TPoint client, TXLBorderHit& hit) const;

    // The area clamped to (0, 0, cols, rows); false when empty.
    bool CropArea(TRect& area) const;
    TPoint CropPoint(TPoint p) const;

private:
    const TXLLineSizes* FLines[2] = {nullptr, nullptr};
    TXLSize FExtent;
    TXLSize FOffset;
    TXLSize FClient;
};
