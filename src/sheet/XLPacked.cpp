#include "sheet/XLPacked.h"

namespace {
constexpr uint32_t LineShift = 29;
constexpr uint32_t ColorMask = 0x9FFFFFFFu;  // everything but the two line bits
}  // namespace

uint32_t PackBorder(const TXLSideBorder& border)
{
    if (border.Line == slNone || border.Color == clNone)
        return 0;
    return (border.Color & ColorMask) | (static_cast<uint32_t>(border.Line & 3u) << LineShift);
}

TXLSideBorder UnpackBorder(uint32_t packed)
{
    if (packed == 0)
        return {};
    return {static_cast<TXLSideLine>((packed >> LineShift) & 3u), packed & ColorMask};
}

uint32_t PackLayout(const TXLLayout& layout)
{
    return static_cast<uint32_t>(layout.Indent) | (static_cast<uint32_t>(layout.HorzAlign & 0xFu) << 16)
        | (static_cast<uint32_t>(layout.VertAlign & 0xFu) << 20) | (static_cast<uint32_t>(layout.WrapMode & 0xFu) << 24);
}

TXLLayout UnpackLayout(uint32_t packed)
{
    TXLLayout layout;
    layout.Indent = static_cast<uint16_t>(packed & 0xFFFFu);
    layout.HorzAlign = static_cast<TXLHorzAlign>((packed >> 16) & 0xFu);
    layout.VertAlign = static_cast<TXLVertAlign>((packed >> 20) & 0xFu);
    layout.WrapMode = static_cast<TXLWrapMode>((packed >> 24) & 0xFu);
    return layout;
}
