#include "base/DateTimeLenient.h"

#include <QDate>
#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QLocale British(QLocale::English, QLocale::UnitedKingdom); // d/M/y, HH:mm:ss
const QLocale American(QLocale::English, QLocale::UnitedStates); // M/d/y, h:mm:ss AP
const QLocale Russian(QLocale::Russian, QLocale::Russia);        // d.M.y, HH:mm:ss
const QDate Today(2026, 12, 9);

double Day(int y, int m, int d)
{
    return static_cast<double>(QDate(y, m, d).toJulianDay() - QDate(1899, 12, 30).toJulianDay());
}

double Time(int h, int n, int s, int ms = 0)
{
    return (((h * 60.0 + n) * 60.0 + s) * 1000.0 + ms) / 86400000.0;
}

struct TDateRow {
    const char* Text;
    const QLocale* Locale;
    double Expected;
};

TEST(TextToDate, ReadsNumbersNamesAndDefaults)
{
    const TDateRow rows[] = {
        {"13 5 2024", &British, Day(2024, 5, 13)},
        {"13.05.2024", &Russian, Day(2024, 5, 13)},
        {"13 may 2024", &British, Day(2024, 5, 13)},
        {"13may2024", &British, Day(2024, 5, 13)},
        {"May 13 2024", &British, Day(2024, 5, 13)},
        {"13 мая 2024", &Russian, Day(2024, 5, 13)},
        {"13 май 2024", &Russian, Day(2024, 5, 13)},
        {"13 MAY 2024", &Russian, Day(2024, 5, 13)}, // US English names count everywhere
        {"13 5", &British, Day(2026, 5, 13)},        // this year
        {"13", &British, Day(2026, 12, 13)},         // this month
        {"5 13 2024", &American, Day(2024, 5, 13)},
        {"5 13 2024", &British, Day(2024, 12, 13)},  // 13 cannot be the month: the day again
        {"13 5 2024", &American, Day(2024, 5, 13)},  // above 12 goes to the day
        {"2024 13", &British, Day(2024, 12, 13)},    // four digits are the year wherever they stand
        {"2024 5 13", &British, Day(2024, 12, 13)},  // the day field twice: the later wins
        {"13 5 24", &British, Day(2024, 5, 13)},     // a short year: the locale's century rule
        {"1/2/99", &British, Day(1999, 2, 1)},
        {"31 2 2024", &British, 0},                  // no such date
        {"", &British, 0},
        {"   ", &British, 0},
        {"xyz", &British, Day(2026, 12, 9)},         // only words: today
        {"99999999999999999999", &British, 0},       // a year past 9999
    };
    for (const TDateRow& row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_EQ(TextToDate(QString::fromUtf8(row.Text), *row.Locale, Today), row.Expected);
    }
}

TEST(TextToDate, ManyWordsAreSkipped)
{
    // Every word is looked up among the month names; a long text stays linear.
    const QString words = QStringLiteral("word ").repeated(200000);
    EXPECT_EQ(TextToDate(words + QStringLiteral("13 5 2024"), British, Today), Day(2024, 5, 13));
    EXPECT_EQ(TextToTime(words + QStringLiteral("7 5 pm"), British), Time(19, 5, 0));
}

TEST(TextToDate, DefaultsToTheCurrentDateAndSystemLocale)
{
    // Not pinned to a locale: only what holds in every one.
    EXPECT_EQ(TextToDate(QString()), 0);
    const QDate now = QDate::currentDate();
    EXPECT_EQ(TextToDate(QString::number(now.year()), British), Day(now.year(), now.month(), now.day()));
}

struct TTimeRow {
    const char* Text;
    const QLocale* Locale;
    double Expected;
};

TEST(TextToTime, ReadsHoursMinutesSecondsAndDayHalves)
{
    const TTimeRow rows[] = {
        {"7.5 pm", &British, Time(19, 5, 0)},
        {"12:30 PM", &British, Time(12, 30, 0)},
        {"7:05:09", &British, Time(7, 5, 9)},
        {"pm 7", &British, Time(19, 0, 0)},
        {"7 p", &British, Time(19, 0, 0)},
        {"11 am", &British, Time(11, 0, 0)},
        {"12 am", &British, Time(12, 0, 0)},        // morning leaves the hour as typed
        {"7 pm 8 am", &British, Time(19, 8, 0)},    // the first marker counts
        {"7.5 пп", &Russian, Time(7, 5, 0)},        // only the locale's own marker
        {"25:10", &British, Time(1, 10, 0)},        // a day too many
        {"49", &British, Time(1, 0, 0)},
        {"10:75:80", &British, Time(10, 0, 0)},     // minutes and seconds above 59: 0
        {"10:20:30:45", &British, Time(10, 20, 30)}, // no milliseconds in the format
        {"8 15 30", &American, Time(8, 15, 30)},
        {"", &British, 0},
        {"abc", &British, 0},
    };
    for (const TTimeRow& row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_NEAR(TextToTime(QString::fromUtf8(row.Text), *row.Locale), row.Expected, 1e-9);
    }
}

} // namespace
