// The grid's colours on screen. Explicit TColor values (0x00BBGGRR) map
// straight to their RGB; system colours (bit 31 plus an index: window,
// button face, window text, ...) map to the matching role of the widget's
// QPalette, so a sheet follows the desktop's colour scheme. clNone and
// unknown system indices give an invalid QColor, which callers treat as "no
// colour".
#pragma once

#include "sheet/XLTypes.h"

#include <QColor>
#include <QPalette>

QColor XLColorToQColor(TColor color, const QPalette& palette);
// The same colour as an explicit TColor (clNone stays clNone), for code
// that only takes TColor values, such as a cell's font.
TColor XLResolveColor(TColor color, const QPalette& palette);
