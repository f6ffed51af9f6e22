#include "base/FormatFloat.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const FormatSettings Point = FormatSettings::WithDecimalSeparator(u'.');
const FormatSettings Comma = FormatSettings::WithDecimalSeparator(u',');

struct TRow {
    const char* Pattern;
    double Value;
    const char* Expected; // with "." as separator and "," for thousands
};

// The patterns the calculation sheets use, and the corners of the language.
const TRow Rows[] = {
    {"0.##", 99.6358, "99.64"},
    {"0.##", 1.0, "1"},
    {"0.##", 0.1, "0.1"},
    {"0.##", 0.0, "0"},
    {"0.##", 0.125, "0.13"},           // a tie rounds away from zero
    {"0.##", -0.125, "-0.13"},
    {"0.##", 0.004, "0"},
    {"0.##", -0.004, "0"},              // no "-0"
    {"0.##", 9.999, "10"},
    {"0.##", 123456.789, "123456.79"},
    {"0.###", 7.1224, "7.122"},
    {"0.####", 0.0656, "0.0656"},
    {"0.#####", 0.70958, "0.70958"},
    {"0.######", 0.0010436, "0.001044"},
    {"0.######", 1.674, "1.674"},
    {".##", 99.64, "99.64"},
    {".##", 0.5, ".5"},
    {".##", 0.0, "0"},                  // never an empty text for a number
    {".##", 0.001, "0"},
    {".##", 300.0, "300"},
    {"0.00", 1.5, "1.50"},
    {"000.0", 1.25, "001.3"},
    {"#", 0.0, "0"},
    {"#,##0.00", 1234567.891, "1,234,567.89"},
    {"#,##0", 999.5, "1,000"},
    {"0.### E+", 1.306e-06, "1.306 E-6"},
    {"0.### E+", 2.5e-05, "2.5 E-5"},
    {"0.### E+", 0.0656, "6.56 E-2"},
    {"0.### E+", 1.0, "1 E+0"},
    {"0.### E+", 12345.0, "1.235 E+4"},
    {"0.### E+", 9.9996, "1 E+1"},      // rounding carries into the exponent
    {"0.### E+", 0.0, "0 E+0"},
    {"0.### E+", -0.0002, "-2 E-4"},
    {"0.00E+00", 1234.0, "1.23E+03"},
    {"0.0E-0", 1234.0, "1.2E3"},
    {"0.0E-0", 0.001234, "1.2E-3"},
    {"0.0 \"bar\"", 1.25, "1.3 bar"},
    {"'t=' 0.#", 3.0, "t= 3"},
    {"0.#;(0.#)", -2.5, "(2.5)"},
    {"0.#;(0.#);\"zero\"", 0.0, "zero"},
    {"0.#;(0.#);\"zero\"", 0.01, "zero"}, // rounds to zero
    {"0.#;;\"zero\"", -1.5, "-1.5"},      // empty negative section falls back
    {"", 1.5, "1.5"},
};

TEST(FormatFloat, PatternsInBothDecimalSeparators)
{
    for (const TRow& row : Rows) {
        SCOPED_TRACE(std::string(row.Pattern) + " / " + std::to_string(row.Value));
        EXPECT_EQ(FormatFloat(QString::fromUtf8(row.Pattern), row.Value, Point).toStdString(), row.Expected);
        QString expected = QString::fromUtf8(row.Expected);
        // Swap the two separators for the comma locale (quoted texts have none).
        for (QChar& c : expected)
            c = c == u'.' ? u',' : c == u',' ? u'.' : c;
        EXPECT_EQ(FormatFloat(QString::fromUtf8(row.Pattern), row.Value, Comma), expected);
    }
}

TEST(FormatFloat, FloatResultsShowTheirShortestDigits)
{
    // Results are floats widened to double; their binary tail must not leak.
    EXPECT_EQ(FormatFloat(QStringLiteral("0.##"), static_cast<double>(99.64f), Point), QStringLiteral("99.64"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.######"), static_cast<double>(0.25779f), Point),
              QStringLiteral("0.25779"));
}

TEST(FormatFloat, NonFiniteValues)
{
    EXPECT_EQ(FormatFloat(QStringLiteral("0.##"), std::numeric_limits<double>::quiet_NaN(), Point), "NAN");
    EXPECT_EQ(FormatFloat(QStringLiteral("0.##"), std::numeric_limits<double>::infinity(), Point), "INF");
    EXPECT_EQ(FormatFloat(QStringLiteral("0.##"), -std::numeric_limits<double>::infinity(), Point), "-INF");
}

TEST(FormatFloat, HugeAndTinyValues)
{
    EXPECT_EQ(FormatFloat(QStringLiteral("0.##"), 1e20, Point), QStringLiteral("100000000000000000000"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.### E+"), 3.4e38, Point), QStringLiteral("3.4 E+38"));
    EXPECT_EQ(FormatFloat(QStringLiteral("0.### E+"), 1.5e-45, Point), QStringLiteral("1.5 E-45"));
}

TEST(FormatFloat, UsesTheCurrentSettingsByDefault)
{
    TFormatSettingsOverride comma(Comma);
    EXPECT_EQ(FormatFloat(QStringLiteral("0.##"), 99.64), QStringLiteral("99,64"));
}

} // namespace
