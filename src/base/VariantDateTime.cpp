#include "base/VariantDateTime.h"

#include "base/VariantError.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int64_t MSecsPerDay = 86400000;
// TDateTime day numbers of 0001-01-01 and 9999-12-31.
constexpr int64_t MinDayNumber = -693593;
constexpr int64_t MaxDayNumber = 2958465;
// Days from 1899-12-30 to 1970-01-01.
constexpr int64_t UnixEpochDay = 25569;

// Proleptic Gregorian date of a day count from 1970-01-01 (the era-based
// algorithm; exact for every day in range, no loops).
void CivilFromDays(int64_t z, int& year, int& month, int& day)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

QString Padded(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QChar(u'0'));
}

const char* const ShortDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const LongDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const ShortMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const LongMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};

bool StartsWithNoCase(const QString& text, qsizetype at, QLatin1StringView word)
{
    return text.mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

// Whether the pattern holds an am/pm marker outside quotes; hours are then
// counted 1 to 12.
bool HasAmPm(const QString& pattern)
{
    QChar quote;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (StartsWithNoCase(pattern, i, QLatin1StringView("am/pm"))
                   || StartsWithNoCase(pattern, i, QLatin1StringView("a/p"))
                   || StartsWithNoCase(pattern, i, QLatin1StringView("ampm"))) {
            return true;
        }
    }
    return false;
}

} // namespace

bool VarDecodeDateTime(double days, TVarDateTimeParts& parts)
{
    if (!std::isfinite(days) || days <= static_cast<double>(MinDayNumber - 1)
        || days >= static_cast<double>(MaxDayNumber + 1))
        return false;
    const double whole = std::trunc(days);
    int64_t dayNumber = static_cast<int64_t>(whole);
    int64_t msecs = std::llround(std::fabs(days - whole) * static_cast<double>(MSecsPerDay));
    if (msecs >= MSecsPerDay) { // rounding reached midnight: the next calendar day
        msecs = 0;
        ++dayNumber;
        if (dayNumber > MaxDayNumber)
            return false;
    }
    CivilFromDays(dayNumber - UnixEpochDay, parts.Year, parts.Month, parts.Day);
    // Day 0 (1899-12-30) was a Saturday.
    parts.DayOfWeek = static_cast<int>(((dayNumber % 7) + 7 + 6) % 7) + 1;
    parts.Hour = static_cast<int>(msecs / 3600000);
    parts.Minute = static_cast<int>(msecs / 60000 % 60);
    parts.Second = static_cast<int>(msecs / 1000 % 60);
    parts.MSec = static_cast<int>(msecs % 1000);
    parts.DayNumber = static_cast<double>(dayNumber);
    return true;
}

QString VarFormatDateTime(const QString& pattern, const TVarDateTimeParts& parts, const FormatSettings& settings)
{
    const bool twelveHour = HasAmPm(pattern);
    const bool pm = parts.Hour >= 12;
    QString out;
    bool afterHour = false; // "m" right after an hour token means minutes
    const qsizetype n = pattern.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = pattern[i];
        if (c == u'"' || c == u'\'') {
            qsizetype end = pattern.indexOf(c, i + 1);
            if (end < 0)
                end = n;
            out += pattern.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (c == u'/') {
            out += settings.DateSeparator;
            ++i;
            continue;
        }
        if (c == u':') {
            out += settings.TimeSeparator;
            ++i;
            continue;
        }
        if (c == u'a' || c == u'A') {
            if (StartsWithNoCase(pattern, i, QLatin1StringView("am/pm"))) {
                const QString word = pattern.mid(i + (pm ? 3 : 0), 2);
                out += word;
                i += 5;
                continue;
            }
            if (StartsWithNoCase(pattern, i, QLatin1StringView("a/p"))) {
                out += pattern[i + (pm ? 2 : 0)];
                i += 3;
                continue;
            }
            if (StartsWithNoCase(pattern, i, QLatin1StringView("ampm"))) {
                out += pm ? settings.TimePMString : settings.TimeAMString;
                i += 4;
                continue;
            }
        }
        const QChar lower = c.toLower();
        qsizetype run = 1;
        while (i + run < n && pattern[i + run].toLower() == lower)
            ++run;
        switch (lower.unicode()) {
        case u'd':
            if (run == 1)
                out += QString::number(parts.Day);
            else if (run == 2)
                out += Padded(parts.Day, 2);
            else if (run == 3)
                out += QLatin1StringView(ShortDayNames[parts.DayOfWeek - 1]);
            else
                out += QLatin1StringView(LongDayNames[parts.DayOfWeek - 1]);
            afterHour = false;
            break;
        case u'm':
            if (afterHour && run <= 2) {
                out += run == 1 ? QString::number(parts.Minute) : Padded(parts.Minute, 2);
            } else if (run == 1) {
                out += QString::number(parts.Month);
            } else if (run == 2) {
                out += Padded(parts.Month, 2);
            } else if (run == 3) {
                out += QLatin1StringView(ShortMonthNames[parts.Month - 1]);
            } else {
                out += QLatin1StringView(LongMonthNames[parts.Month - 1]);
            }
            afterHour = false;
            break;
        case u'y':
            out += run <= 2 ? Padded(parts.Year % 100, 2) : Padded(parts.Year, 4);
            afterHour = false;
            break;
        case u'h': {
            int hour = parts.Hour;
            if (twelveHour) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out += run == 1 ? QString::number(hour) : Padded(hour, 2);
            afterHour = true;
            break;
        }
        case u'n':
            out += run == 1 ? QString::number(parts.Minute) : Padded(parts.Minute, 2);
            afterHour = false;
            break;
        case u's':
            out += run == 1 ? QString::number(parts.Second) : Padded(parts.Second, 2);
            afterHour = false;
            break;
        case u'z':
            out += run < 3 ? QString::number(parts.MSec) : Padded(parts.MSec, 3);
            afterHour = false;
            break;
        default:
            out += pattern.mid(i, run);
            break;
        }
        i += run;
    }
    return out;
}

QString VarDateTimeToStr(double days, const FormatSettings& settings)
{
    TVarDateTimeParts parts;
    if (!VarDecodeDateTime(days, parts))
        throw EVariantError("Could not convert variant of type (Date) into type (String): "
                            + QString::number(days, 'g', 17).toStdString() + " is not a valid date");
    const bool noTime = parts.Hour == 0 && parts.Minute == 0 && parts.Second == 0 && parts.MSec == 0;
    if (parts.DayNumber == 0)
        return VarFormatDateTime(settings.LongTimeFormat, parts, settings);
    if (noTime)
        return VarFormatDateTime(settings.ShortDateFormat, parts, settings);
    return VarFormatDateTime(settings.ShortDateFormat, parts, settings) + u' '
        + VarFormatDateTime(settings.LongTimeFormat, parts, settings);
}
