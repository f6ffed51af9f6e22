// Strict conversion of text to a floating-point number under the locale's
// decimal separator. Accepted: optional surrounding blanks, an optional sign,
// digits with at most one decimal separator (at least one digit in all), and
// an optional exponent "E"/"e" with an optional sign and at least one digit.
// Everything else raises EConvertError: the empty text, the other separator,
// thousands separators, "nan", "inf", hexadecimal, trailing text, and a
// value too large for a double.
#pragma once

#include "base/FormatSettings.h"

#include <QString>

#include <optional>

double StrToFloat(const QString& text, const FormatSettings& settings);
double StrToFloat(const QString& text); // with CurrentFormatSettings()

// As StrToFloat, but says "no" instead of raising.
std::optional<double> TryStrToFloat(const QString& text, const FormatSettings& settings);
std::optional<double> TryStrToFloat(const QString& text);
