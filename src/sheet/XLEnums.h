// The enumerations and sets of the sheet model: sectors and axes, repaint
// kinds, cell states, the position-info lists, the ten properties of a
// property set and the formatting enumerations of styles. Values are in the
// order the model and its stream rely on; never reorder them.
#pragma once

#include "sheet/XLSet.h"

#include <cstdint>

// The four sectors of a sheet; sCols and sRows also name the two axes
// (columns/widths and rows/heights).
enum TXLSector : uint8_t { sCols, sRows, sTitle, sClient };
using TXLAxis = TXLSector;
using TXLSectors = TXLSet<TXLSector, uint8_t>;
using TXLAxes = TXLSet<TXLSector, uint8_t>;

// How much of an area a user must repaint.
enum TXLInvalidate : uint8_t { iFull, iFrame, iInterior };

// Run-time states of a property set (cells, styles, ranges).
enum TXLCellState : uint8_t {
    csEditing,     // an in-place editor is open on the cell
    csInvalidate,  // a repaint of the cell is already queued
    csError,       // the value is in error (painted in the error colour)
    csStyle,       // a style or range: setters notify even without a change
    csAssign,      // a property is being copied in: no local marking
    csReformat,    // the display text must be rebuilt
    csUnited,      // the cell anchors a merged area
    csRecalc,      // a formula cell awaiting recalculation
};
using TXLCellStates = TXLSet<TXLCellState, uint8_t>;

// The eight position-info lists of a section.
enum TXLSheetInfo : uint8_t { siColLines, siRowLines, siBias1, siBias2, siColor, siFrame, siStyles, siLayout };
constexpr int XLSheetInfoCount = 8;

// The properties of a property set, bit n of TXLProps.
enum TXLProp : uint8_t { prBasedOn, prControl, prLayout, prColor, prFont, prBorder, prFrame, prStyles, prValue, prHint };
constexpr int XLPropCount = 10;
using TXLProps = TXLSet<TXLProp, uint16_t>;
inline constexpr TXLProps XLAllProps = TXLProps::Range(prBasedOn, prHint);

enum TXLHorzAlign : uint8_t { haLeft, haRight, haCenter };
enum TXLVertAlign : uint8_t { vaTop, vaBottom, vaCenter };
enum TXLWrapMode : uint8_t { wmClip, wmEllipsis, wmWrapWords };
enum TXLFrame : uint8_t { frNone, frFlatUp, frFlatDown, frDeepUp, frDeepDown, frBevelUp, frBevelDown };
enum TXLSideLine : uint8_t { slNone, slSingle, slMedium, slDouble };

// The eight border lines; the biases are the diagonals, the insides the lines
// between the positions of an area. Same values as the first eight
// TXLCellInfo kinds.
enum TXLSide : uint8_t { sLeft, sTop, sRight, sBottom, sBias1, sBias2, sHInside, sVInside };
using TXLSides = TXLSet<TXLSide, uint8_t>;

enum TXLCellStyle : uint8_t { csHidden, csProtect, csReadOnly, csNotify, csExtHint, csWriteNotify };
using TXLCellStyles = TXLSet<TXLCellStyle, uint8_t>;

// The twelve 32-bit info values of a style (and of a cell's positions).
enum TXLCellInfo : uint8_t {
    ciLeft, ciTop, ciRight, ciBottom, ciBias1, ciBias2, ciHInside, ciVInside,
    ciColor, ciFrame, ciStyles, ciLayout,
};
constexpr int XLCellInfoCount = 12;

inline constexpr bool IsLineInfo(TXLCellInfo info) { return info <= ciVInside && info != ciBias1 && info != ciBias2; }
inline constexpr bool IsBorderInfo(TXLCellInfo info) { return info <= ciVInside; }

enum TXLPrintMode : uint8_t { pmNormal, pmCustom };
using TXLScale = uint16_t;
