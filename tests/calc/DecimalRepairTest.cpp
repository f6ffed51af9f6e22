#include "CalcTestSheet.h"

#include "base/FormatSettings.h"
#include "calc/DecimalRepair.h"

#include <gtest/gtest.h>

namespace {

TEST(DecimalRepair, SwapsTheSeparatorWhenThatMakesANumber)
{
    struct TRow {
        const char* Typed;
        const char* Stored;
    };
    // With "." as the locale's separator.
    const TRow rows[] = {
        {"101,3", "101.3"},
        {"101.3", "101.3"},   // already a number
        {"1.234,5", "1.234,5"}, // "1,234.5" is no number either: left as typed
        {"abc", "abc"},
        {"1,2,3", "1,2,3"},
        {"", ""},
    };
    TFormatSettingsOverride point(FormatSettings::WithDecimalSeparator(u'.'));
    for (const TRow& r : rows) {
        SCOPED_TRACE(r.Typed);
        TCalcTestSheet s(1);
        s.Set(1, r.Typed);
        RepairDecimalSeparators(s.Sheet);
        EXPECT_EQ(s.Text(1), QString::fromUtf8(r.Stored));
    }
}

TEST(DecimalRepair, CommaLocale)
{
    TFormatSettingsOverride comma(FormatSettings::WithDecimalSeparator(u','));
    TCalcTestSheet s(1);
    s.Set(1, "101.3").Set(2, "300");
    RepairDecimalSeparators(s.Sheet);
    EXPECT_EQ(s.Text(1), "101,3");
    EXPECT_EQ(s.Text(2), "300");
}

TEST(DecimalRepair, TouchesOnlyRowsOneToTwelveOfColumnOne)
{
    TFormatSettingsOverride point(FormatSettings::WithDecimalSeparator(u'.'));
    TCalcTestSheet s(1);
    s.Sheet.GetCell(1, 13)->SetValue(Variant(QStringLiteral("1,5")));
    s.Sheet.GetCell(2, 8)->SetValue(Variant(QStringLiteral("1,5")));
    RepairDecimalSeparators(s.Sheet);
    EXPECT_EQ(s.Sheet.GetCell(1, 13)->GetValue().ToString(), "1,5");
    EXPECT_EQ(s.Sheet.GetCell(2, 8)->GetValue().ToString(), "1,5");
    // Heading rows are merged from column 0 and keep their text.
    EXPECT_EQ(s.Sheet.GetCell(0, 3)->GetString(), QStringLiteral("Расчетные величины"));
}

TEST(DecimalRepair, CreatesNoCells)
{
    TFormatSettingsOverride point(FormatSettings::WithDecimalSeparator(u'.'));
    TCalcTestSheet s(3); // seven rows: rows 7 … 12 do not exist
    RepairDecimalSeparators(s.Sheet);
    for (int row = 7; row <= 12; ++row)
        EXPECT_EQ(s.Sheet.GetPeekCell(1, row), nullptr) << row;
}

} // namespace
