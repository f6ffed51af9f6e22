// The platform colour of a TColor. Explicit colours (0x00BBGGRR) map
// directly (a high byte of 1 or 2 is ignored); system colours (bit 31 +
// index) map to the classic desktop scheme, fixed here rather than taken
// from the running desktop so that a sheet looks (and a test renders) the
// same everywhere. clNone and unknown system indices give an invalid
// QColor, which callers treat as "no colour".
#pragma once

#include "sheet/XLTypes.h"

#include <QColor>

QColor ColorToQColor(TColor color);
