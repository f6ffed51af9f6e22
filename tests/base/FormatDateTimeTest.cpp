#include "base/ERAVazoError.h"
#include "base/FormatDateTime.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// 2023-03-15 (a Wednesday) 13:05:09.250
const TDateTime Afternoon = 45000 + (13 * 3600 + 5 * 60 + 9.25) / 86400;
// 2000-01-01 (a Saturday) 07:03:04
const TDateTime Morning = 36526 + (7 * 3600 + 3 * 60 + 4) / 86400.0;

FormatSettings Settings()
{
    FormatSettings fs = FormatSettings::WithDecimalSeparator(u'.');
    fs.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    fs.LongDateFormat = QStringLiteral("d mmmm yyyy");
    fs.ShortTimeFormat = QStringLiteral("hh:nn");
    fs.LongTimeFormat = QStringLiteral("hh:nn:ss");
    return fs;
}

struct TRow {
    const char* Pattern;
    const char* Afternoon;
    const char* Morning;
};

void CheckRows(const TRow* begin, const TRow* end, const FormatSettings& fs)
{
    for (const TRow* row = begin; row != end; ++row) {
        SCOPED_TRACE(row->Pattern);
        const QString pattern = QString::fromUtf8(row->Pattern);
        EXPECT_EQ(FormatDateTime(pattern, Afternoon, fs), QString::fromUtf8(row->Afternoon));
        EXPECT_EQ(FormatDateTime(pattern, Morning, fs), QString::fromUtf8(row->Morning));
    }
}

TEST(FormatDateTime, RegisteredCellFormats)
{
    const TRow rows[] = {
        {"DD/MM/YYYY", "15/03/2023", "01/01/2000"},
        {"DD/MM/YY", "15/03/23", "01/01/00"},
        {"DD/MM", "15/03", "01/01"},
        {"MM/YYYY", "03/2023", "01/2000"},
        {"HH:MM:SS", "13:05:09", "07:03:04"}, // MM after HH: minutes
        {"h:nn am/pm", "1:05 pm", "7:03 am"},
        {"h:nn:ss am/pm", "1:05:09 pm", "7:03:04 am"},
        {"h:nn", "13:05", "7:03"},
        {"h:nn:ss", "13:05:09", "7:03:04"},
        {"DD/MM/YYYY h:nn", "15/03/2023 13:05", "01/01/2000 7:03"},
    };
    CheckRows(std::begin(rows), std::end(rows), Settings());

    // "/" and ":" are the locale's separators, not literal characters.
    FormatSettings dotted = Settings();
    dotted.DateSeparator = u'.';
    dotted.TimeSeparator = u'-';
    EXPECT_EQ(FormatDateTime(QStringLiteral("DD/MM/YYYY h:nn"), Afternoon, dotted), QStringLiteral("15.03.2023 13-05"));
    EXPECT_EQ(FormatDateTime(QStringLiteral("HH:MM:SS"), Afternoon, dotted), QStringLiteral("13-05-09"));
}

TEST(FormatDateTime, Specifiers)
{
    const TRow rows[] = {
        {"d/m/yy", "15/3/23", "1/1/00"},
        {"yyyy-mm-dd", "2023-03-15", "2000-01-01"},
        {"y yyy", "23 2023", "00 2000"},
        {"ddd dddd", "Wed Wednesday", "Sat Saturday"},
        {"mmm mmmm mmmmm", "Mar March March", "Jan January January"},
        {"aaa aaaa", "Wed Wednesday", "Sat Saturday"},
        {"ddddd", "15/03/2023", "01/01/2000"},
        {"dddddd", "15 March 2023", "1 January 2000"},
        {"hh:mm:ss.zzz", "13:05:09.250", "07:03:04.000"},
        {"h:m:s z zz", "13:5:9 250 250", "7:3:4 0 00"},
        {"hhh nnn sss zzzz", "13 05 09 250", "07 03 04 000"},
        {"hh'h'mm", "13h05", "07h03"},        // quotes do not break the hour-minute pair
        {"hh:nn mm", "13:05 03", "07:03 01"}, // only right after an hour
        {"mm/dd hh:mm", "03/15 13:05", "01/01 07:03"},
        {"t", "13:05", "07:03"},
        {"tt", "13:05:09", "07:03:04"},
        {"c", "15/03/2023 13:05:09", "01/01/2000 07:03:04"},
        {"", "15/03/2023 13:05:09", "01/01/2000 07:03:04"},
        {"h:nn AM/PM", "1:05 PM", "7:03 AM"},
        {"h:nn Am/pM", "1:05 pM", "7:03 Am"}, // the pattern's own letters
        {"h:nn a/p", "1:05 p", "7:03 a"},
        {"h:nn ampm", "1:05 PM", "7:03 AM"},
        {"am/pm h", "pm 1", "am 7"},          // a marker before the hour counts too
        {"h h am/pm", "13 1 pm", "7 7 am"},   // only up to the next hour
        {"'at' hh\"h\"", "at 13h", "at 07h"},
        {"\"d/m\" d", "d/m 15", "d/m 1"},
        {"'open", "open", "open"},            // an unclosed quote runs to the end
        {"x-e-g.", "x-e-g.", "x-e-g."},       // letters without a meaning are copied
    };
    CheckRows(std::begin(rows), std::end(rows), Settings());
}

TEST(FormatDateTime, MiddayAndMidnightOnTheTwelveHourClock)
{
    const FormatSettings fs = Settings();
    const QString pattern = QStringLiteral("hh:nn am/pm");
    EXPECT_EQ(FormatDateTime(pattern, 45000.0, fs), QStringLiteral("12:00 am"));
    EXPECT_EQ(FormatDateTime(pattern, 45000.5, fs), QStringLiteral("12:00 pm"));
    EXPECT_EQ(FormatDateTime(pattern, 45000.5 + 1.0 / 24, fs), QStringLiteral("01:00 pm"));
    FormatSettings russian = fs;
    russian.TimeAMString = QString::fromUtf8("дп");
    russian.TimePMString = QString::fromUtf8("пп");
    EXPECT_EQ(FormatDateTime(QStringLiteral("h ampm"), 45000.75, russian), QString::fromUtf8("6 пп"));
}

TEST(FormatDateTime, ShortDateAndLongTime)
{
    const FormatSettings fs = Settings();
    const struct {
        TDateTime Value;
        const char* Expected;
    } rows[] = {
        {45000, "15/03/2023"},                 // midnight: no time
        {45000 + 0.0004 / 86400, "15/03/2023"}, // below half a millisecond rounds away
        {45000 + 1.0 / 86400000, "15/03/2023 00:00:00"},
        {0, "30/12/1899"},
        {0.5, "30/12/1899 12:00:00"},
        {-1.25, "29/12/1899 06:00:00"},
        {1.9999999999, "01/01/1900"},
        {-693593, "01/01/0001"},
        {2958465.5, "31/12/9999 12:00:00"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Expected);
        EXPECT_EQ(FormatDateTime(QStringLiteral("c"), row.Value, fs), QString::fromUtf8(row.Expected));
    }
}

TEST(FormatDateTime, LocaleFormatsExpandOneLevel)
{
    FormatSettings fs = Settings();
    fs.ShortDateFormat = QStringLiteral("ddddd");
    EXPECT_EQ(FormatDateTime(QStringLiteral("<ddddd>"), 45000.0, fs), QStringLiteral("<>"));
    fs.ShortDateFormat = QStringLiteral("c");
    EXPECT_EQ(FormatDateTime(QStringLiteral("c"), 45000.5, fs), QStringLiteral("  12:00:00"));
}

TEST(FormatDateTime, ValuesThatAreNoDateRaise)
{
    const FormatSettings fs = Settings();
    for (double value : {1e10, -1e10, 2958466.0, -693594.0, std::nan(""), double(INFINITY)}) {
        SCOPED_TRACE(value);
        EXPECT_THROW(FormatDateTime(QStringLiteral("c"), value, fs), EConvertError);
    }
}

TEST(FormatDateTime, UsesTheCurrentSettings)
{
    FormatSettings fs = Settings();
    fs.DateSeparator = u'.';
    TFormatSettingsOverride locale(fs);
    EXPECT_EQ(FormatDateTime(QStringLiteral("dd/mm/yyyy"), 45000.0), QStringLiteral("15.03.2023"));
}

} // namespace
