#include "base/DateTimeParse.h"
#include "base/ERAVazoError.h"
#include "base/FormatDateTime.h"

#include <QDate>

#include <gtest/gtest.h>

#include <cmath>

namespace {

FormatSettings DayMonthYear()
{
    FormatSettings fs = FormatSettings::WithDecimalSeparator(u'.');
    fs.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    fs.LongTimeFormat = QStringLiteral("hh:nn:ss");
    return fs;
}

FormatSettings Russian()
{
    FormatSettings fs = FormatSettings::WithDecimalSeparator(u',');
    fs.DateSeparator = u'.';
    fs.ShortDateFormat = QStringLiteral("dd.mm.yyyy");
    fs.LongTimeFormat = QStringLiteral("h:nn:ss");
    fs.TimeAMString = QString::fromUtf8("дп");
    fs.TimePMString = QString::fromUtf8("пп");
    return fs;
}

FormatSettings MonthDayYear()
{
    FormatSettings fs = DayMonthYear();
    fs.ShortDateFormat = QStringLiteral("m/d/yy");
    return fs;
}

FormatSettings YearMonthDay()
{
    FormatSettings fs = DayMonthYear();
    fs.DateSeparator = u'-';
    fs.ShortDateFormat = QStringLiteral("yyyy-mm-dd");
    return fs;
}

int ThisYear()
{
    return QDate::currentDate().year();
}

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0, int msec = 0)
{
    return ComposeDateTime(EncodeDate(year, month, day), EncodeTime(hour, minute, second, msec));
}

TDateTime Time(int hour, int minute, int second = 0, int msec = 0)
{
    return EncodeTime(hour, minute, second, msec);
}

struct TValidRow {
    const char* Settings;
    const char* Text;
    TDateTime Expected;
};

FormatSettings Named(const char* name)
{
    const std::string n = name;
    if (n == "ru")
        return Russian();
    if (n == "mdy")
        return MonthDayYear();
    if (n == "ymd")
        return YearMonthDay();
    return DayMonthYear();
}

TEST(StrToDateTime, AcceptsDatesAndTimesInTheLocaleOrder)
{
    const TValidRow rows[] = {
        {"dmy", "15/03/2023", At(2023, 3, 15)},
        {"dmy", " 15 / 3 / 2023 ", At(2023, 3, 15)},
        {"dmy", "29/02/2024", At(2024, 2, 29)},
        {"dmy", "1/1/0001", At(1, 1, 1)},
        {"dmy", "31/12/9999", At(9999, 12, 31)},
        {"dmy", "15/03", At(ThisYear(), 3, 15)},
        {"dmy", "15/03/23", At(ExpandTwoDigitYear(23, ThisYear()), 3, 15)},
        {"dmy", "15/03/2023 13:05:09", At(2023, 3, 15, 13, 5, 9)},
        {"dmy", "15/03/2023   1:05 pm", At(2023, 3, 15, 13, 5)},
        {"dmy", "15/03/2023 13:05:09.25", At(2023, 3, 15, 13, 5, 9, 250)},
        {"dmy", "29/12/1899 06:00", -1.25},      // before day 0 the time counts away from zero
        {"dmy", "13:05", Time(13, 5)},            // no date: the time alone
        {"ru", "15.03.2023", At(2023, 3, 15)},
        {"ru", "15.03.2023 7:03:04,5", At(2023, 3, 15, 7, 3, 4, 500)},
        {"ru", "15.03.2023 7:03 пп", At(2023, 3, 15, 19, 3)},
        {"ru", "15.03.2023 7:03 PM", At(2023, 3, 15, 19, 3)},
        {"mdy", "3/15/2023", At(2023, 3, 15)},
        {"mdy", "3/15", At(ThisYear(), 3, 15)},
        {"ymd", "2023-03-15 23:59:59.999", At(2023, 3, 15, 23, 59, 59, 999)},
        {"ymd", "03-15", At(ThisYear(), 3, 15)},  // two numbers: month and day
    };
    for (const TValidRow& row : rows) {
        SCOPED_TRACE(std::string(row.Settings) + ": " + row.Text);
        EXPECT_EQ(StrToDateTime(QString::fromUtf8(row.Text), Named(row.Settings)), row.Expected);
    }
}

TEST(StrToTime, HoursMinutesSecondsAndDayHalves)
{
    const TValidRow rows[] = {
        {"dmy", "0:00", 0},
        {"dmy", "13:05", Time(13, 5)},
        {"dmy", "7:03:04", Time(7, 3, 4)},
        {"dmy", "23:59:59.999", Time(23, 59, 59, 999)},
        {"dmy", "23:59:59.9", Time(23, 59, 59, 900)}, // a fraction of a second
        {"dmy", "1:05 pm", Time(13, 5)},
        {"dmy", "1:05:09 PM", Time(13, 5, 9)},
        {"dmy", "12:00 am", 0},
        {"dmy", "12:30 PM", Time(12, 30)},
        {"dmy", "pm 1:05", Time(13, 5)},
        {"dmy", "5 pm", Time(17, 0)},                 // a day half makes the hour enough
        {"ru", "5 ПП", Time(17, 0)},
        {"ru", "1:02:03,040", Time(1, 2, 3, 40)},
    };
    for (const TValidRow& row : rows) {
        SCOPED_TRACE(std::string(row.Settings) + ": " + row.Text);
        EXPECT_EQ(StrToTime(QString::fromUtf8(row.Text), Named(row.Settings)), row.Expected);
    }
}

TEST(StrToDateTime, RejectsWhatIsNoDateOrTime)
{
    const char* const invalid[] = {
        "", "   ", "abc", "15/03/2023x", "x15/03/2023", "15/03/2023 abc",
        "31/02/2023", "29/02/2023", "29/02/1900", "31/04/2023", "00/01/2023", "32/01/2023",
        "15/13/2023", "15/00/2023", "15/03/000", "15/03/00000", "015/03/2023", "15/003/2023",
        "15/03/", "15//2023", "/03/2023", "1/2/3/4", "15-03-2023", "15.03.2023", "-1/3/2023",
        "15/03/2023 24:00:01", "15/03/2023 12", "15/03/202313:00", "15/03/2023 13:00 14:00",
        "24:00", "23:60", "23:59:60", "13:00 pm", "0:30 am", "12:30:45.1234", "12:30:",
        "12:", ":30", "12:30 xyz", "12:30.5", "12", "45000", "1.5", "12 30", "12:-5",
    };
    const FormatSettings fs = DayMonthYear();
    for (const char* text : invalid) {
        SCOPED_TRACE(text);
        const QString t = QString::fromUtf8(text);
        EXPECT_FALSE(TryStrToDateTime(t, fs));
        EXPECT_FALSE(TryStrToDate(t, fs));
        EXPECT_FALSE(TryStrToTime(t, fs));
        EXPECT_THROW(StrToDateTime(t, fs), EConvertError);
    }
}

TEST(StrToDateTime, EachParseTakesOnlyItsOwnKind)
{
    const FormatSettings fs = DayMonthYear();
    EXPECT_FALSE(TryStrToDate(QStringLiteral("15/03/2023 13:00"), fs));
    EXPECT_FALSE(TryStrToDate(QStringLiteral("13:00"), fs));
    EXPECT_FALSE(TryStrToTime(QStringLiteral("15/03/2023"), fs));
    EXPECT_EQ(TryStrToDate(QStringLiteral("15/03/2023"), fs), At(2023, 3, 15));
    EXPECT_EQ(TryStrToTime(QStringLiteral("13:00"), fs), Time(13, 0));
    // The locale's separators only: a comma locale takes no "." before milliseconds.
    EXPECT_FALSE(TryStrToTime(QStringLiteral("1:02:03.5"), Russian()));
    EXPECT_FALSE(TryStrToDate(QStringLiteral("15/03/2023"), Russian()));
}

TEST(StrToDateTime, MessagesNameTheText)
{
    const FormatSettings fs = DayMonthYear();
    const auto expectMessage = [](auto parse, const char* message) {
        try {
            parse();
            ADD_FAILURE() << "no error for " << message;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), message);
        }
    };
    expectMessage([&] { StrToDate(QStringLiteral("31/02/2023"), fs); }, "'31/02/2023' is not a valid date");
    expectMessage([&] { StrToTime(QStringLiteral("24:00:01"), fs); }, "'24:00:01' is not a valid time");
    expectMessage([&] { StrToDateTime(QStringLiteral("abc"), fs); }, "'abc' is not a valid date and time");
}

TEST(StrToDateTime, ReadsBackWhatTheLocaleFormatsWrite)
{
    const TDateTime values[] = {
        At(2023, 3, 15, 13, 5, 9), At(2000, 1, 1),         At(2024, 2, 29, 23, 59, 59),
        At(1899, 12, 30, 0, 0, 1), At(1, 1, 1, 12, 0, 0),  At(9999, 12, 31, 6, 7, 8),
        At(1850, 7, 4, 18, 30),    At(1976, 10, 10, 1, 2, 3),
    };
    for (const FormatSettings& fs : {DayMonthYear(), Russian(), MonthDayYear(), YearMonthDay()}) {
        SCOPED_TRACE(fs.ShortDateFormat.toStdString());
        // Two-digit years only come back for years inside the window.
        const bool twoDigitYears = !fs.ShortDateFormat.contains(QStringLiteral("yyy"));
        for (TDateTime value : values) {
            const TDateTimeParts p = DecodeDateTime(value);
            if (twoDigitYears && ExpandTwoDigitYear(p.Year % 100, ThisYear()) != p.Year)
                continue;
            SCOPED_TRACE(value);
            const QString text = FormatDateTime(QStringLiteral("c"), value, fs);
            EXPECT_EQ(StrToDateTime(text, fs), value) << text.toStdString();
            EXPECT_EQ(StrToDate(FormatDateTime(QStringLiteral("ddddd"), value, fs), fs), std::trunc(value));
            const TDateTime time = std::fabs(value - std::trunc(value));
            EXPECT_NEAR(StrToTime(FormatDateTime(QStringLiteral("tt"), value, fs), fs), time, 1e-9);
            EXPECT_NEAR(StrToTime(FormatDateTime(QStringLiteral("h:nn:ss am/pm"), value, fs), fs), time, 1e-9);
            EXPECT_NEAR(StrToTime(FormatDateTime(QStringLiteral("h:nn:ss ampm"), value, fs), fs), time, 1e-9);
        }
    }
    const FormatSettings ru = Russian();
    const TDateTime withMsec = At(2023, 3, 15, 13, 5, 9, 7);
    const QString text = FormatDateTime(QStringLiteral("dd/mm/yyyy hh:nn:ss,zzz"), withMsec, ru);
    EXPECT_EQ(text, QStringLiteral("15.03.2023 13:05:09,007"));
    EXPECT_EQ(StrToDateTime(text, ru), withMsec);
}

TEST(StrToDateTime, DateOrderComesFromTheShortDateFormat)
{
    FormatSettings fs = DayMonthYear();
    fs.ShortDateFormat = QStringLiteral("'day' d/'of' m/yyyy"); // letters in quotes do not count
    EXPECT_EQ(StrToDate(QStringLiteral("5/4/2023"), fs), At(2023, 4, 5));
    fs.ShortDateFormat = QStringLiteral("yyyy/d/m");
    EXPECT_EQ(StrToDate(QStringLiteral("2023/5/4"), fs), At(2023, 4, 5));
    EXPECT_EQ(StrToDate(QStringLiteral("5/4"), fs), At(ThisYear(), 4, 5));
    fs.ShortDateFormat = QStringLiteral("mmmm yyyy"); // no day: it follows the others
    EXPECT_EQ(StrToDate(QStringLiteral("4/2023/5"), fs), At(2023, 4, 5));
}

TEST(StrToDateTime, TwoDigitYearsStayWithinFiftyYears)
{
    const struct {
        int TwoDigits, CurrentYear, Expected;
    } rows[] = {
        {23, 2026, 2023}, {76, 2026, 1976}, {75, 2026, 2075}, {0, 2026, 2000}, {99, 2026, 1999},
        {50, 2000, 1950}, {49, 2000, 2049}, {0, 2050, 2000},  {99, 2050, 2099}, {0, 2051, 2100},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.TwoDigits << " in " << row.CurrentYear);
        EXPECT_EQ(ExpandTwoDigitYear(row.TwoDigits, row.CurrentYear), row.Expected);
    }
}

TEST(StrToDateTime, UsesTheCurrentSettings)
{
    TFormatSettingsOverride locale(Russian());
    EXPECT_EQ(StrToDateTime(QStringLiteral("15.03.2023 1:00:00,5")), At(2023, 3, 15, 1, 0, 0, 500));
    EXPECT_EQ(StrToDate(QStringLiteral("15.03.2023")), At(2023, 3, 15));
    EXPECT_EQ(StrToTime(QStringLiteral("1:00")), Time(1, 0));
    EXPECT_FALSE(TryStrToDate(QStringLiteral("15/03/2023")));
    EXPECT_TRUE(TryStrToTime(QStringLiteral("1:00 пп")));
    EXPECT_TRUE(TryStrToDateTime(QStringLiteral("15.03")));
}

} // namespace
