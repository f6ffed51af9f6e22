#include "base/ERAVazoError.h"
#include "base/FormatEx.h"

#include <gtest/gtest.h>

namespace {

const FormatSettings Point = FormatSettings::WithDecimalSeparator(u'.');
const FormatSettings Comma = FormatSettings::WithDecimalSeparator(u',');

// The expected text is written for Point; for Comma the two separators swap.
QString ForComma(const char* text)
{
    QString out = QString::fromUtf8(text);
    for (QChar& c : out)
        c = c == u'.' ? u',' : c == u',' ? u'.' : c;
    return out;
}

TEST(FormatFloatEx, NumberCellFormatsInBothDecimalSeparators)
{
    const struct {
        const char* Format;
        double Value;
        const char* Expected;
    } rows[] = {
        // the registered display formats of number cells
        {"0", 2.5, "3"},
        {"0", -1234.4, "-1234"},
        {"0.00", 1.005, "1.01"},
        {"0.00", -0.004, "0.00"},
        {"#,##0", 1234567.5, "1,234,568"},
        {"#,##0", 12.0, "12"},
        {"#,##0.00", 1234.5, "1,234.50"},
        {"#,##0.00", 0.0, "0.00"},
        {"0.##%", 0.5, "50%"},
        {"0.##%", 0.12346, "12.35%"},
        {"0.##%", -0.255, "-25.5%"},
        {"0.##%", 0.0, "0%"},
        {"0.00%", 0.125, "12.50%"},
        {"0.00%", 1.0, "100.00%"},
        {"0.00%", 0.000049, "0.00%"},
        {"$# ##0", 1234.4, "$1 234"},
        {"$# ##0.00", 1234.5, "$1 234.50"},
        {"$# ##0.00", 1234567.0, "$1234 567.00"},
        // the percent sign wherever it stands
        {"%0.0", 0.5, "50.0%"},
        {"0.0%%", 0.5, "50.0%"},
        {"0.0 %", 0.5, "50.0 %"},
        {"", 0.25, "0.25"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.Format) + " / " + std::to_string(row.Value));
        const QString format = QString::fromUtf8(row.Format);
        EXPECT_EQ(FormatFloatEx(format, row.Value, Point), QString::fromUtf8(row.Expected));
        EXPECT_EQ(FormatFloatEx(format, row.Value, Comma), ForComma(row.Expected));
    }
}

TEST(FormatFloatEx, UsesTheCurrentSettings)
{
    TFormatSettingsOverride locale(Comma);
    EXPECT_EQ(FormatFloatEx(QStringLiteral("0.00%"), 0.125), QStringLiteral("12,50%"));
}

FormatSettings DateSettings()
{
    FormatSettings fs = FormatSettings::WithDecimalSeparator(u',');
    fs.DateSeparator = u'.';
    fs.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    fs.LongTimeFormat = QStringLiteral("h:nn:ss");
    return fs;
}

TEST(FormatDateTimeEx, TheZeroPart)
{
    const FormatSettings fs = DateSettings();
    const TDateTime day = 45000.75; // 2023-03-15 18:00
    const struct {
        const char* Format;
        TDateTime Value;
        const char* Expected;
    } rows[] = {
        {"DD/MM/YYYY", day, "15.03.2023"},
        {"DD/MM/YYYY", 0, ""},                     // an unset date shows nothing
        {"HH:MM:SS", 0, ""},
        {"", 0, ""},
        {"DD/MM/YYYY;", 0, ""},
        {"DD/MM/YYYY;'none'", 0, "none"},
        {"DD/MM/YYYY;'none'", day, "15.03.2023"},
        {"h:nn;h:nn", 0, "0:00"},
        {";'none'", day, "15.03.2023 18:00:00"},   // an empty first part means "c"
        {"", day, "15.03.2023 18:00:00"},
        {"DD/MM/YYYY", -0.25, "30.12.1899"},       // not 0: the first part
        {"'a;b' DD", day, "a;b 15"},               // a quoted ";" does not split
        {"'a;b' DD", 0, ""},
        {"DD;MM;YYYY", 0, "12;1899"},           // only the first ";" splits
        {"h:nn am/pm", 0, ""},
        {"DD/MM/YYYY h:nn", 0, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.Format) + " / " + std::to_string(row.Value));
        EXPECT_EQ(FormatDateTimeEx(QString::fromUtf8(row.Format), row.Value, fs), QString::fromUtf8(row.Expected));
    }
}

TEST(FormatDateTimeEx, RaisesForValuesThatAreNoDate)
{
    EXPECT_THROW(FormatDateTimeEx(QStringLiteral("DD/MM/YYYY"), 1e12, DateSettings()), EConvertError);
    EXPECT_EQ(FormatDateTimeEx(QStringLiteral("DD/MM/YYYY"), 0, DateSettings()), QString());
}

} // namespace
