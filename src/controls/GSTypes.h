// GSTypes: the small enumerations the auxiliary controls share with the
// controls built on them (the grid and its editors): the frame of a panel
// and the horizontal alignment of text or of a popup, with the one mapping
// of an alignment onto Qt's flags.
#pragma once

#include <Qt>

#include <cstdint>

// The frame of a panel or grid: none, or a single line.
enum TBorderStyle : uint8_t { bsNone, bsSingle };

// Horizontal alignment of text in an edit field, or of a popup against the
// control it drops from.
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

// The edit field's horizontal alignment flag for each TAlignment, indexed
// by it.
inline constexpr Qt::AlignmentFlag AlignParams[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};

inline Qt::AlignmentFlag GSAlignFlag(TAlignment alignment)
{
    return alignment <= taCenter ? AlignParams[alignment] : Qt::AlignLeft;
}
