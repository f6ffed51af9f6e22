#include "base/ERAVazoError.h"
#include "base/StrToFloat.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const FormatSettings Point = FormatSettings::WithDecimalSeparator(u'.');
const FormatSettings Comma = FormatSettings::WithDecimalSeparator(u',');

struct TAccepted {
    const char* Text;
    double Value;
};

TEST(StrToFloat, AcceptsNumbersWithTheLocaleSeparator)
{
    const TAccepted rows[] = {
        {"0", 0.0},        {"1", 1.0},        {"-1", -1.0},    {"+2", 2.0},       {"101#3", 101.3},
        {"#5", 0.5},       {"5#", 5.0},       {"1e3", 1000.0}, {"1E-3", 0.001},   {"2#5e+2", 250.0},
        {"  7#25 ", 7.25}, {"\t-0#5\n", -0.5}, {"221", 221.0}, {"0#00025", 0.00025},
    };
    for (const FormatSettings* fs : {&Point, &Comma}) {
        for (const TAccepted& row : rows) {
            QString text = QString::fromUtf8(row.Text);
            text.replace(u'#', fs->DecimalSeparator);
            SCOPED_TRACE(text.toStdString());
            EXPECT_DOUBLE_EQ(StrToFloat(text, *fs), row.Value);
        }
    }
}

TEST(StrToFloat, RejectsEverythingElse)
{
    // '#' stands for the locale's separator, '~' for the other one.
    const char* rows[] = {
        "",      "   ",   "-",       "+",     "#",       "e5",     "1e",    "1e+",  "1~5",   "1 000",
        "1~000", "1#2#3", "nan",     "NaN",   "inf",     "-inf",   "Infinity", "0x10", "0x1p3", "12abc",
        "1 2",   "--1",   "+-1",     "1e5.5", "1e400",   "-1e400", "1#5 bar",  "١٢",  "1\xC2\xA0" "000",
    };
    for (const FormatSettings* fs : {&Point, &Comma}) {
        const QChar other = fs->DecimalSeparator == u'.' ? u',' : u'.';
        for (const char* row : rows) {
            QString text = QString::fromUtf8(row);
            text.replace(u'#', fs->DecimalSeparator);
            text.replace(u'~', other);
            SCOPED_TRACE(text.toStdString());
            EXPECT_THROW(StrToFloat(text, *fs), EConvertError);
            EXPECT_FALSE(TryStrToFloat(text, *fs).has_value());
        }
    }
}

TEST(StrToFloat, TinyValuesUnderflowToZeroInsteadOfFailing)
{
    EXPECT_EQ(StrToFloat(QStringLiteral("1e-400"), Point), 0.0);
    EXPECT_TRUE(std::signbit(StrToFloat(QStringLiteral("-1e-400"), Point)));
}

TEST(StrToFloat, ErrorMessageQuotesTheText)
{
    try {
        StrToFloat(QStringLiteral("abc"), Point);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
}

TEST(StrToFloat, FollowsTheCurrentSettings)
{
    {
        TFormatSettingsOverride comma(Comma);
        EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1,5")), 1.5);
        EXPECT_THROW(StrToFloat(QStringLiteral("1.5")), EConvertError);
    }
    TFormatSettingsOverride point(Point);
    EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1.5")), 1.5);
    EXPECT_THROW(StrToFloat(QStringLiteral("1,5")), EConvertError);
}

} // namespace
