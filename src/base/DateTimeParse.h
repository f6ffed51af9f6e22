// Strict conversion of text to a TDateTime under the locale's conventions.
// Dates are numeric: two or three numbers joined by the DateSeparator, in
// the order in which d, m and y first appear in the ShortDateFormat; with two
// numbers the year is the current one. A year of one or two digits is taken
// within fifty years of the current year (ExpandTwoDigitYear); three or four
// digits are the year itself. Times are hours [":" minutes [":" seconds
// [DecimalSeparator milliseconds (1 to 3 digits, a fraction of a second)]]]
// with the TimeSeparator, and an optional day-half marker (the locale's
// TimeAMString / TimePMString, or "AM" / "PM", any case) before or after;
// with a marker the hour is 1..12, and hours alone are accepted ("5 pm"),
// without one minutes are required so that a plain number is not a time.
// Blanks may surround every number and separator; a date and a time are
// separated by at least one blank. Anything else — letters, trailing text,
// days and months out of range, 29 February of a common year, hours past 23,
// minutes or seconds past 59 — raises EConvertError naming the text.
#pragma once

#include "base/DateTime.h"
#include "base/FormatSettings.h"

#include <QString>

#include <optional>

// A date, a date followed by a time, or (failing both) a time alone.
TDateTime StrToDateTime(const QString& text, const FormatSettings& settings);
TDateTime StrToDateTime(const QString& text); // with CurrentFormatSettings()
std::optional<TDateTime> TryStrToDateTime(const QString& text, const FormatSettings& settings);
std::optional<TDateTime> TryStrToDateTime(const QString& text);

// A date alone; the result has no time of day.
TDateTime StrToDate(const QString& text, const FormatSettings& settings);
TDateTime StrToDate(const QString& text);
std::optional<TDateTime> TryStrToDate(const QString& text, const FormatSettings& settings);
std::optional<TDateTime> TryStrToDate(const QString& text);

// A time alone; the result is a fraction of a day.
TDateTime StrToTime(const QString& text, const FormatSettings& settings);
TDateTime StrToTime(const QString& text);
std::optional<TDateTime> TryStrToTime(const QString& text, const FormatSettings& settings);
std::optional<TDateTime> TryStrToTime(const QString& text);

// The full year of a two-digit year: the one in the hundred years starting
// fifty years before currentYear (in 2026: 76 → 1976, 75 → 2075).
int ExpandTwoDigitYear(int twoDigitYear, int currentYear);
