// Date-time values as text, the way a variant shows them: the locale's short
// date and long time, the date alone when the time is midnight, the time
// alone on day 0 (1899-12-30). The decoding and the patterns are those of
// DateTime.h and FormatDateTime.h.
#pragma once

#include "base/FormatSettings.h"

#include <QString>

// Raises EVariantError for a value that is no date (not finite, or outside
// years 1 to 9999).
QString VarDateTimeToStr(double days, const FormatSettings& settings);
