#include "calc/CalcSheet.h"

#include "base/FormatSettings.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(CalcSheet, ResultsThatAreNotZeroNeverReadAsZero)
{
    TFormatSettingsOverride point(FormatSettings::WithDecimalSeparator(u'.'));
    const struct {
        const char* Pattern;
        float Value;
        const char* Text;
    } rows[] = {
        {"0.##", 0.00123f, "1.23 E-3"},
        {"0.##", -0.00123f, "-1.23 E-3"},
        {".##", 0.001f, "1 E-3"},
        {"0.####", 0.00001f, "1 E-5"},
        {"0.##", 0.006f, "0.01"},  // rounds up to a digit of its own
        {"0.##", 0.0f, "0"},       // zero itself as the pattern gives it
        {".##", 0.0f, "0"},
        {"0.##", 1.5f, "1.5"},
        {"0.##", std::numeric_limits<float>::infinity(), ""},
        {"0.##", std::numeric_limits<float>::quiet_NaN(), ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.Pattern) + " " + std::to_string(r.Value));
        EXPECT_EQ(FormatResult(QString::fromLatin1(r.Pattern), r.Value), QString::fromLatin1(r.Text));
    }
}

} // namespace
