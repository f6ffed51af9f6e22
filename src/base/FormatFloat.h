// Pattern-based formatting of a floating-point number, the way the result
// rows of the calculation sheets show their values.
//
// Pattern language, per section:
//   0      a digit that is always written (leading or trailing zeros)
//   #      a digit written only when significant (trailing zeros dropped)
//   .      the locale's decimal separator (the first "." of the section)
//   ,      anywhere in the section: group the integer part by thousands
//   E+ E- e+ e-  scientific notation; "+" writes the exponent's sign always,
//          "-" only when negative; up to four "0" after it give the minimum
//          number of exponent digits
//   "x" 'x'  quoted literal text; any other character is copied as it is
// Up to three sections separated by ";": positive; negative (written without
// a minus sign of its own); zero. An empty section falls back to the first.
// Rounding is half away from zero on the shortest decimal text of the value
// (so 0.125 with "0.##" gives "0.13"). Where a pattern would write no digit at
// all (".##" for 0), "0" is written rather than an empty text, which the
// sheets reserve for invalid input. NaN and infinities give "NAN", "INF" and
// "-INF". An empty pattern writes the value with 15 significant digits.
#pragma once

#include "base/FormatSettings.h"

#include <QString>

QString FormatFloat(const QString& format, double value, const FormatSettings& settings);
QString FormatFloat(const QString& format, double value); // with CurrentFormatSettings()
