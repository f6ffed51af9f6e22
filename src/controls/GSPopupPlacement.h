// GSPopupPlacement: where a drop-down window goes, as a pure function of
// the rectangle it drops from, its size and the screen's usable area, so
// the rules are tested without a window. Rectangles are in global
// (screen) coordinates; the target's right and bottom edges are taken
// exclusive (x + width, y + height), so a right-justified popup ends
// exactly where its target ends.
#pragma once

#include "controls/GSTypes.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// The top-left corner of a popup of `size` dropped from `target`:
// horizontally by `alignment` (left edges together, right edges together,
// or centred, rounded toward zero), just below the target. A popup that
// would run past the screen's right edge ends at the target's right edge
// instead; one that would run past its bottom opens above the target. The
// result never lies left of or above the screen's origin.
QPoint GSPopupOrigin(const QRect& target, const QSize& size, const QRect& screen, TAlignment alignment);
