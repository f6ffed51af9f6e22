// The one-word encodings of a border line and of a layout, as kept in the
// twelve info values of a style and in a section's position-info lists.
// Border: 0 for no line (slNone, or the colour clNone); otherwise the colour
// with bits 29-30 cleared (system colours keep bit 31) ORed with line << 29.
// Layout: Indent in bits 0-15, HorzAlign 16-19, VertAlign 20-23, WrapMode
// 24-27.
#pragma once

#include "sheet/XLEnums.h"
#include "sheet/XLTypes.h"

#include <cstdint>

struct TXLSideBorder {
    TXLSideLine Line = slNone;
    TColor Color = clNone;

    friend bool operator==(const TXLSideBorder&, const TXLSideBorder&) = default;
};

struct TXLLayout {
    TXLHorzAlign HorzAlign = haLeft;
    TXLVertAlign VertAlign = vaTop;
    uint16_t Indent = 0;
    TXLWrapMode WrapMode = wmClip;

    friend bool operator==(const TXLLayout&, const TXLLayout&) = default;
};

uint32_t PackBorder(const TXLSideBorder& border);
TXLSideBorder UnpackBorder(uint32_t packed);
uint32_t PackLayout(const TXLLayout& layout);
TXLLayout UnpackLayout(uint32_t packed);
