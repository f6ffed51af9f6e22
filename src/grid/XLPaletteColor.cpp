#include "grid/XLPaletteColor.h"

#include "sheet/XLColor.h"

#include <array>

namespace {

struct TSystemRole {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// By system colour index: scroll bar, desktop, active and inactive caption,
// menu, window, window frame, menu text, window text, caption text, active
// and inactive border, application work space, highlight and its text,
// button face, button shadow, grey text, button text, inactive caption
// text, button highlight, 3-D dark shadow, 3-D light, tooltip text and
// background, (25 unused), hot light, gradient active and inactive caption,
// menu highlight, menu bar.
constexpr std::array<TSystemRole, 31> SystemRoles = {{
    {QPalette::Active, QPalette::Button},
    {QPalette::Active, QPalette::Dark},
    {QPalette::Active, QPalette::Highlight},
    {QPalette::Inactive, QPalette::Mid},
    {QPalette::Active, QPalette::Window},
    {QPalette::Active, QPalette::Base},
    {QPalette::Active, QPalette::Shadow},
    {QPalette::Active, QPalette::WindowText},
    {QPalette::Active, QPalette::Text},
    {QPalette::Active, QPalette::HighlightedText},
    {QPalette::Active, QPalette::Button},
    {QPalette::Inactive, QPalette::Button},
    {QPalette::Active, QPalette::Dark},
    {QPalette::Active, QPalette::Highlight},
    {QPalette::Active, QPalette::HighlightedText},
    {QPalette::Active, QPalette::Button},
    {QPalette::Active, QPalette::Dark},
    {QPalette::Disabled, QPalette::Text},
    {QPalette::Active, QPalette::ButtonText},
    {QPalette::Disabled, QPalette::WindowText},
    {QPalette::Active, QPalette::Light},
    {QPalette::Active, QPalette::Shadow},
    {QPalette::Active, QPalette::Midlight},
    {QPalette::Active, QPalette::ToolTipText},
    {QPalette::Active, QPalette::ToolTipBase},
    {QPalette::Active, QPalette::NoRole},
    {QPalette::Active, QPalette::Link},
    {QPalette::Active, QPalette::Highlight},
    {QPalette::Inactive, QPalette::Highlight},
    {QPalette::Active, QPalette::Highlight},
    {QPalette::Active, QPalette::Window},
}};

}  // namespace

QColor XLColorToQColor(TColor color, const QPalette& palette)
{
    if (!(color & clSystemColor))
        return ColorToQColor(color);
    const TColor index = color & 0xFF;
    if ((color & 0x7FFFFF00) != 0 || index >= SystemRoles.size() || SystemRoles[index].Role == QPalette::NoRole)
        return {};
    return palette.color(SystemRoles[index].Group, SystemRoles[index].Role);
}

TColor XLResolveColor(TColor color, const QPalette& palette)
{
    const QColor c = XLColorToQColor(color, palette);
    if (!c.isValid())
        return color;
    return static_cast<TColor>(c.red()) | (static_cast<TColor>(c.green()) << 8) | (static_cast<TColor>(c.blue()) << 16);
}
