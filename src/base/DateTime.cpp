#include "base/DateTime.h"

#include "base/ERAVazoError.h"

#include <QDate>

#include <cmath>
#include <cstdint>

namespace {

constexpr int64_t MSecsPerDay = 86400000;
// QDate's Julian day of 1899-12-30, day 0 of the TDateTime count.
constexpr int64_t JulianDayOfZero = 2415019;
// TDateTime days of 0001-01-01 and 9999-12-31.
constexpr int MinDayNumber = -693593;
constexpr int MaxDayNumber = 2958465;

} // namespace

std::optional<TDateTimeParts> TryDecodeDateTime(TDateTime value)
{
    // Outside this open interval the day (or the carry below) leaves the
    // calendar; the test also rejects NaN and the infinities.
    if (!(value > static_cast<double>(MinDayNumber - 1) && value < static_cast<double>(MaxDayNumber + 1)))
        return std::nullopt;
    const double whole = std::trunc(value);
    int dayNumber = static_cast<int>(whole);
    int64_t msecs = std::llround(std::fabs(value - whole) * static_cast<double>(MSecsPerDay));
    if (msecs >= MSecsPerDay) { // 23:59:59.9996 shows as midnight of the following day
        msecs = 0;
        ++dayNumber;
        if (dayNumber > MaxDayNumber)
            return std::nullopt;
    }
    const QDate date = QDate::fromJulianDay(JulianDayOfZero + dayNumber);
    TDateTimeParts parts;
    parts.Year = date.year();
    parts.Month = date.month();
    parts.Day = date.day();
    parts.DayOfWeek = date.dayOfWeek() % 7 + 1; // QDate: Monday = 1 … Sunday = 7
    parts.Hour = static_cast<int>(msecs / 3600000);
    parts.Minute = static_cast<int>(msecs / 60000 % 60);
    parts.Second = static_cast<int>(msecs / 1000 % 60);
    parts.MSec = static_cast<int>(msecs % 1000);
    parts.DayNumber = dayNumber;
    return parts;
}

TDateTimeParts DecodeDateTime(TDateTime value)
{
    if (const auto parts = TryDecodeDateTime(value))
        return *parts;
    throw EConvertError(QString::number(value, 'g', 17).toStdString() + " is not a valid date and time");
}

std::optional<TDateTime> TryEncodeDate(int year, int month, int day)
{
    // QDate knows years before 1 and after 9999 too; the engine's dates stop there.
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return static_cast<double>(QDate(year, month, day).toJulianDay() - JulianDayOfZero);
}

std::optional<TDateTime> TryEncodeTime(int hour, int minute, int second, int msec)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 || msec > 999)
        return std::nullopt;
    const int64_t total = ((static_cast<int64_t>(hour) * 60 + minute) * 60 + second) * 1000 + msec;
    return static_cast<double>(total) / static_cast<double>(MSecsPerDay);
}

TDateTime EncodeDate(int year, int month, int day)
{
    if (const auto value = TryEncodeDate(year, month, day))
        return *value;
    throw EConvertError("Invalid argument to date encode");
}

TDateTime EncodeTime(int hour, int minute, int second, int msec)
{
    if (const auto value = TryEncodeTime(hour, minute, second, msec))
        return *value;
    throw EConvertError("Invalid argument to time encode");
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time)
{
    return date >= 0 ? date + time : date - time;
}
