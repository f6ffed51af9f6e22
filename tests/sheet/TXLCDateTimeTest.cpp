#include "sheet/TXLCDateTime.h"

#include "CellTestSupport.h"
#include "base/DateTime.h"
#include "base/FormatSettings.h"
#include "base/VariantError.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// Day-first dates with "/" and "." or "," as the decimal separator.
FormatSettings Settings(char decimal)
{
    FormatSettings settings = FormatSettings::WithDecimalSeparator(QChar::fromLatin1(decimal));
    settings.DateSeparator = u'/';
    settings.TimeSeparator = u':';
    settings.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    settings.LongTimeFormat = QStringLiteral("hh:nn:ss");
    return settings;
}

class TXLCDateTimeTest : public TCellTest {};

TEST_F(TXLCDateTimeTest, TextIsReadAsDateAndTimeThenDateThenTimeThenNumber)
{
    const TDateTime christmas = EncodeDate(2023, 12, 25);
    struct TRow {
        char Decimal;
        Variant Value;
        std::optional<TDateTime> Stored;
    };
    const TRow rows[] = {
        {'.', Variant("25/12/2023 13:30"), christmas + EncodeTime(13, 30, 0, 0)},
        {'.', Variant("25/12/2023"), christmas},
        {'.', Variant("13:30"), EncodeTime(13, 30, 0, 0)},
        {'.', Variant("1:30 pm"), EncodeTime(13, 30, 0, 0)},
        {'.', Variant("12"), 12.0},  // a plain number is no time
        {'.', Variant("2.75"), 2.75},
        {',', Variant("2,75"), 2.75},
        {'.', Variant(45000), 45000.0},
        {'.', Variant::FromCurrency(25000), 2.5},
        {'.', Variant::FromDateTime(christmas), christmas},
        {'.', Variant("31/02/2023"), std::nullopt},
        {'.', Variant("abc"), std::nullopt},
        {',', Variant("2.75"), std::nullopt},
        {'.', Variant::Null(), std::nullopt},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Value.ToString().toStdString());
        TFormatSettingsOverride locale(Settings(row.Decimal));
        TXLCell* cell = MakeCell<TXLCDateTime>(1, 1);
        cell->SetDateTime(7);
        changes = 0;
        if (row.Stored) {
            cell->SetValue(row.Value);
            EXPECT_DOUBLE_EQ(cell->GetDateTime(), *row.Stored);
            EXPECT_EQ(changes, 1);
        } else {
            EXPECT_THROW(cell->SetValue(row.Value), EVariantError);
            EXPECT_EQ(cell->GetDateTime(), 7.0);
            EXPECT_EQ(changes, 0);
        }
    }
}

TEST_F(TXLCDateTimeTest, ValueIsADateVariant)
{
    TXLCell* cell = MakeCell<TXLCDateTime>(0, 0);
    cell->SetDouble(36526.5);
    EXPECT_TRUE(cell->GetValue() == Variant::FromDateTime(36526.5));
    EXPECT_EQ(cell->GetDouble(), 36526.5);
    EXPECT_EQ(sheet.GetDateTime(0, 0), 36526.5);
    cell->SetDateTime(36526.5);
    EXPECT_EQ(changes, 1);
    cell->SetStyles({csNotify, csWriteNotify});
    cell->SetDateTime(36526.5);
    EXPECT_EQ(changes, 2);
}

TEST_F(TXLCDateTimeTest, DisplayTextUsesTheDisplayFormatAndHidesZero)
{
    TFormatSettingsOverride locale(Settings('.'));
    const TDateTime christmas = EncodeDate(2023, 12, 25);
    struct TRow {
        const char* Format;
        TDateTime Value;
        const char* Shown;
    };
    const TRow rows[] = {
        {"DD/MM/YYYY|c", christmas, "25/12/2023"},
        {"DD/MM/YYYY|c", 0, ""},
        {"HH:MM:SS", 0, ""},
        {"DD/MM/YYYY;'none'", 0, "none"},
        {"DD/MM/YYYY;", 0, ""},
        {"h:nn am/pm", christmas + EncodeTime(13, 5, 0, 0), "1:05 pm"},
        {"DD/MM/YYYY h:nn", christmas + EncodeTime(9, 7, 0, 0), "25/12/2023 9:07"},
        {"MM/YYYY|c", christmas, "12/2023"},
        // Outside the calendar: nothing rather than an error.
        {"DD/MM/YYYY", 1e9, ""},
        {"DD/MM/YYYY", -1e9, ""},
    };
    TXLCell* cell = MakeCell<TXLCDateTime>(2, 2);
    for (const TRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Format << " " << row.Value);
        cell->SetFormat(QString::fromUtf8(row.Format));
        cell->SetDateTime(row.Value);
        EXPECT_EQ(cell->GetText(), QString::fromUtf8(row.Shown));
    }
}

}  // namespace
