#include "controls/GSPopupPlacement.h"

#include <algorithm>
#include <cstdint>

QPoint GSPopupOrigin(const QRect& target, const QSize& size, const QRect& screen, TAlignment alignment)
{
    // 64-bit sums: a hostile geometry must not overflow into a wrong side.
    const long long left = target.x();
    const long long right = left + target.width();
    const long long top = target.y();
    const long long bottom = top + target.height();
    const long long width = std::max(size.width(), 0);
    const long long height = std::max(size.height(), 0);

    long long x = left;
    if (alignment == taRightJustify)
        x = right - width;
    else if (alignment == taCenter)
        x = (left + right - width) / 2;  // integer division rounds toward zero
    long long y = bottom;

    const long long screenRight = static_cast<long long>(screen.x()) + screen.width();
    const long long screenBottom = static_cast<long long>(screen.y()) + screen.height();
    if (x + width > screenRight)
        x = right - width;
    if (y + height > screenBottom)
        y = top - height;  // no room below: open above the target
    x = std::max<long long>(x, screen.x());
    y = std::max<long long>(y, screen.y());

    const auto toInt = [](long long v) {
        return static_cast<int>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
    };
    return {toInt(x), toInt(y)};
}
