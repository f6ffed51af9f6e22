// The value types of the grid control: its options and scroll-bar set, the
// cursor directions, the edit modes, the phases of a mouse drag, what a hit
// test finds, how much of a cell rectangle an operation uses, and a pixel
// size pair. Orders are fixed: options are stored as a 16-bit set in this
// bit order. Nothing here owns anything.
#pragma once

#include "sheet/XLEnums.h"
#include "sheet/XLSet.h"

#include <cstdint>

// Members of the grid's Scrolls set.
enum TXLScroll : uint8_t { sHorizontal, sVertical, sTracking, sFlat };
using TXLScrolls = TXLSet<TXLScroll, uint8_t>;

enum TXLDirection : uint8_t { dNone, dRight, dDown, dLeft, dUp, dAuto };

// What Shift+Enter goes to: the opposite way; dAuto has no opposite.
constexpr TXLDirection ReverseDirection(TXLDirection d)
{
    switch (d) {
    case dRight:
        return dLeft;
    case dDown:
        return dUp;
    case dLeft:
        return dRight;
    case dUp:
        return dDown;
    case dNone:
    case dAuto:
        break;
    }
    return dNone;
}

enum TXLEditMode : uint8_t { emNone, emEnter, emEdit };
enum TXLAlterPhase : uint8_t { pScan, pInit, pWork, pDone, pCancel };
enum TXLHitResult : uint8_t { hrNowhere, hrCell, hrColBorder, hrRowBorder, hrSelFrame };

enum TXLOption : uint8_t {
    oTitleCols,
    oTitleRows,
    oVertLines,
    oHorzLines,
    oColSizing,
    oRowSizing,
    oDrawFocus,
    oTitle3D,
    oEdit3D,
    oPermEdit,
    oPageBreak,
    oReadOnly,
    oRowSelect,
    oRangeSelect,
    oTabKeys,
    oWrapKeys,
};
using TXLOptions = TXLSet<TXLOption, uint16_t>;

inline constexpr TXLOptions XLDefaultOptions{oTitleCols, oTitleRows, oVertLines, oHorzLines,
                                             oDrawFocus, oTitle3D,   oRangeSelect};
inline constexpr TXLScrolls XLDefaultScrolls{sHorizontal, sVertical, sTracking};

// How much of a cell area's pixel rectangle an operation takes: all of it,
// inside the frame, or the interior (inside the frame and the grid line).
enum TXLCalcMode : uint8_t { cmFull, cmSkipFrame, cmInterior };

// A pixel width and height (or an x, y offset).
struct TXLSize {
    int x = 0;
    int y = 0;

    int Of(TXLAxis axis) const { return axis == sCols ? x : y; }
    int& Of(TXLAxis axis) { return axis == sCols ? x : y; }

    friend bool operator==(const TXLSize&, const TXLSize&) = default;
};

constexpr TXLAxis OtherAxis(TXLAxis axis)
{
    return axis == sCols ? sRows : sCols;
}
