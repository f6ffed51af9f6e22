// Date-time values as text, the way a variant shows them: the locale's short
// date and long time, the date alone when the time is midnight, the time
// alone when the date part is zero. A TDateTime is a double counting days
// since 1899-12-30; its integer part (towards zero) is the day, the absolute
// fraction the time of day, so -1.25 is 1899-12-29 06:00. Only years 1 to
// 9999 are dates. The pattern formatter here knows the tokens that locale
// date and time formats use (d m y h n s z, am/pm, "/" and ":", quotes);
// month and day names are English.
#pragma once

#include "base/FormatSettings.h"

#include <QString>

struct TVarDateTimeParts {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int DayOfWeek = 7; // 1 = Sunday … 7 = Saturday
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int MSec = 0;
    // Day number after rounding to the millisecond (23:59:59.9999 carries
    // into the next day), in the same count as the TDateTime.
    double DayNumber = 0;
};

// False when the value is not finite or lies outside years 1 to 9999.
bool VarDecodeDateTime(double days, TVarDateTimeParts& parts);

QString VarFormatDateTime(const QString& pattern, const TVarDateTimeParts& parts, const FormatSettings& settings);

// ShortDateFormat + " " + LongTimeFormat with the rules above; raises
// EVariantError for a value that is no date.
QString VarDateTimeToStr(double days, const FormatSettings& settings);
