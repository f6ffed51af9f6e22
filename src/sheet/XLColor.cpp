#include "sheet/XLColor.h"

#include <array>

namespace {

// The classic desktop scheme, by system colour index (0x00BBGGRR).
constexpr std::array<TColor, 25> SystemColors = {
    0xC8D0D4,  // scroll bar
    0xA56E3A,  // background
    0x6A240A,  // active caption
    0x808080,  // inactive caption
    0xC8D0D4,  // menu
    0xFFFFFF,  // window
    0x000000,  // window frame
    0x000000,  // menu text
    0x000000,  // window text
    0xFFFFFF,  // caption text
    0xC8D0D4,  // active border
    0xC8D0D4,  // inactive border
    0x808080,  // application work space
    0x6A240A,  // highlight
    0xFFFFFF,  // highlight text
    0xC8D0D4,  // button face
    0x808080,  // button shadow
    0x808080,  // grey text
    0x000000,  // button text
    0xC8D0D4,  // inactive caption text
    0xFFFFFF,  // button highlight
    0x404040,  // 3-D dark shadow
    0xC8D0D4,  // 3-D light
    0x000000,  // info text
    0xE1FFFF,  // info background
};

}  // namespace

QColor ColorToQColor(TColor color)
{
    if (color & clSystemColor) {
        const TColor index = color & 0xFF;
        if ((color & 0x7FFFFF00) != 0 || index >= SystemColors.size())
            return {};
        color = SystemColors[index];
    } else if ((color >> 24) > 2) {
        // clNone and the like; high bytes 1 and 2 only ask for palette matching.
        return {};
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}
