// TDateTime, the date-time value of cells and variants, and its calendar
// parts. A TDateTime is a double counting days since 1899-12-30: the integer
// part (towards zero) is the day, the absolute value of the fraction the time
// of day, so -1.25 is 1899-12-29 06:00. Only years 1 to 9999 of the proleptic
// Gregorian calendar are dates; decoding rounds to the millisecond, and a
// time that rounds up to midnight carries into the next calendar day. The
// calendar arithmetic is QDate's.
#pragma once

#include <optional>

using TDateTime = double;

struct TDateTimeParts {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int DayOfWeek = 7; // 1 = Sunday … 7 = Saturday
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int MSec = 0;
    // The day after rounding to the millisecond, in the TDateTime count.
    int DayNumber = 0;

    bool HasTime() const { return Hour != 0 || Minute != 0 || Second != 0 || MSec != 0; }
};

// The parts of a value; nothing when it is not finite or lies outside years
// 1 to 9999.
std::optional<TDateTimeParts> TryDecodeDateTime(TDateTime value);
// As above, raising EConvertError for a value that is no date.
TDateTimeParts DecodeDateTime(TDateTime value);

// The day of a calendar date (years 1 to 9999); nothing for a date that does
// not exist, such as 31 February or 29 February of a common year.
std::optional<TDateTime> TryEncodeDate(int year, int month, int day);
// The fraction of a time of day; hours 0..23, minutes and seconds 0..59,
// milliseconds 0..999.
std::optional<TDateTime> TryEncodeTime(int hour, int minute, int second, int msec);
// As above, raising EConvertError for a date or time that does not exist.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int msec);

// A day and a time of day as one value: the time counts away from zero, so a
// day before 1899-12-30 gets it subtracted.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);
