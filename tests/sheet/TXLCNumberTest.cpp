#include "sheet/TXLCCurrency.h"
#include "sheet/TXLCDouble.h"
#include "sheet/TXLCInteger.h"

#include "CellTestSupport.h"
#include "base/FormatSettings.h"
#include "base/ERAVazoError.h"
#include "base/VariantError.h"
#include "sheet/TXLCNumber.h"
#include "sheet/TXLSheet.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

FormatSettings WithSeparator(char decimal)
{
    return FormatSettings::WithDecimalSeparator(QChar::fromLatin1(decimal));
}

// One write into a number cell: the stored result, or nothing when the
// value must be refused.
struct TConversion {
    char Decimal;
    Variant Value;
    std::optional<double> Stored;
};

class TXLCNumberTest : public TCellTest {
protected:
    // Writes every row into a cell holding 7 and checks the stored value, or
    // the refusal that keeps 7 and notifies nobody.
    template <class T, class Get>
    void CheckConversions(const std::vector<TConversion>& rows, Get get)
    {
        for (size_t i = 0; i < rows.size(); ++i) {
            const TConversion& row = rows[i];
            SCOPED_TRACE(testing::Message() << "row " << i << " '" << row.Value.ToString().toStdString() << "'");
            TFormatSettingsOverride locale(WithSeparator(row.Decimal));
            T* cell = MakeCell<T>(1, 1);
            cell->SetValue(Variant(7));
            changes = 0;
            if (row.Stored) {
                cell->SetValue(row.Value);
                EXPECT_EQ(get(cell), *row.Stored);
            } else {
                EXPECT_THROW(cell->SetValue(row.Value), EVariantError);
                EXPECT_EQ(get(cell), 7);
                EXPECT_EQ(changes, 0);
            }
        }
    }
};

TEST_F(TXLCNumberTest, IntegerCellConvertsOrRefuses)
{
    CheckConversions<TXLCInteger>(
        {
            {'.', Variant("12"), 12},
            {',', Variant("-12"), -12},
            {'.', Variant(12.5), 12},  // half to even
            {'.', Variant(13.5), 14},
            {'.', Variant(true), -1},
            {'.', Variant(), 0},
            {'.', Variant("abc"), std::nullopt},
            {'.', Variant(""), std::nullopt},
            {',', Variant("1.5"), std::nullopt},
            {'.', Variant(3e9), std::nullopt},
            {'.', Variant::Null(), std::nullopt},
        },
        [](TXLCell* cell) { return static_cast<double>(cell->GetInteger()); });
}

TEST_F(TXLCNumberTest, DoubleCellConvertsOrRefuses)
{
    CheckConversions<TXLCDouble>(
        {
            {'.', Variant("1.5"), 1.5},
            {',', Variant("1,5"), 1.5},
            {'.', Variant(3), 3.0},
            {'.', Variant::FromCurrency(12345), 1.2345},
            {'.', Variant::FromDateTime(2.25), 2.25},
            {'.', Variant("1,5"), std::nullopt},
            {',', Variant("1.5"), std::nullopt},
            {'.', Variant("abc"), std::nullopt},
            {'.', Variant::Null(), std::nullopt},
        },
        [](TXLCell* cell) { return cell->GetDouble(); });
}

TEST_F(TXLCNumberTest, CurrencyCellConvertsOrRefuses)
{
    CheckConversions<TXLCCurrency>(
        {
            {'.', Variant(1.23456), 1.2346},  // four decimals, half to even
            {',', Variant("2,5"), 2.5},
            {'.', Variant(3), 3.0},
            {'.', Variant("2,5"), std::nullopt},
            {'.', Variant("abc"), std::nullopt},
        },
        [](TXLCell* cell) { return static_cast<double>(cell->GetCurrency()) / 10000; });
}

TEST_F(TXLCNumberTest, ValuesComeBackAsTheirOwnKind)
{
    TXLCell* integer = MakeCell<TXLCInteger>(0, 0);
    TXLCell* real = MakeCell<TXLCDouble>(1, 0);
    TXLCell* money = MakeCell<TXLCCurrency>(2, 0);
    integer->SetString(QStringLiteral("5"));
    real->SetInteger(5);
    money->SetDouble(5.5);
    EXPECT_TRUE(integer->GetValue() == Variant(5));
    EXPECT_TRUE(real->GetValue() == Variant(5.0));
    EXPECT_TRUE(money->GetValue() == Variant::FromCurrency(55000));
    EXPECT_EQ(integer->GetDouble(), 5.0);
    EXPECT_EQ(real->GetString(), QStringLiteral("5"));
    EXPECT_EQ(money->GetCurrency(), 55000);
    EXPECT_EQ(sheet.GetFloat(2, 0), 5.5);
}

TEST_F(TXLCNumberTest, SameValueNotifiesOnceUnlessEveryWriteCounts)
{
    for (const bool writeNotify : {false, true}) {
        SCOPED_TRACE(writeNotify ? "csWriteNotify" : "plain");
        const TXLCellStyles extra = writeNotify ? TXLCellStyles{csWriteNotify} : TXLCellStyles{};
        const int expected = writeNotify ? 2 : 1;
        TXLCell* integer = MakeCell<TXLCInteger>(0, 1, extra);
        integer->SetInteger(3);
        integer->SetValue(Variant("3"));
        EXPECT_EQ(changes, expected);
        TXLCell* real = MakeCell<TXLCDouble>(1, 1, extra);
        real->SetDouble(0.25);
        real->SetDouble(0.25);
        EXPECT_EQ(changes, expected);
        TXLCell* money = MakeCell<TXLCCurrency>(2, 1, extra);
        money->SetCurrency(10);
        money->SetValue(Variant::FromCurrency(10));
        EXPECT_EQ(changes, expected);
    }
}

TEST_F(TXLCNumberTest, DisplayTextFollowsTheDisplayFormat)
{
    struct TRow {
        const TXLCellClass* Class;
        const char* Format;
        double Value;
        const char* Point;  // with "." as the decimal separator
        const char* Comma;  // with ","
    };
    const TRow rows[] = {
        {TXLCDouble::StaticClass(), "0.00%", 0.125, "12.50%", "12,50%"},
        {TXLCDouble::StaticClass(), "0.##%", 0.5, "50%", "50%"},
        {TXLCDouble::StaticClass(), "0.00%|s", 0.5, "50.00%", "50,00%"},
        {TXLCDouble::StaticClass(), "#,##0.00", 1234.5, "1,234.50", "1.234,50"},
        {TXLCDouble::StaticClass(), "", 0.1, "0.1", "0,1"},
        {TXLCInteger::StaticClass(), "#,##0", 1234567, "1,234,567", "1.234.567"},
        {TXLCInteger::StaticClass(), "0|s", -42, "-42", "-42"},
        {TXLCCurrency::StaticClass(), "0.00", 12.3456, "12.35", "12,35"},
    };
    for (const TRow& row : rows) {
        for (const char decimal : {'.', ','}) {
            SCOPED_TRACE(testing::Message() << row.Class->Name.toStdString() << " " << row.Format << " " << decimal);
            TFormatSettingsOverride locale(WithSeparator(decimal));
            sheet.SetCellClass(3, 3, row.Class);
            TXLCell* cell = sheet.GetCell(3, 3);
            cell->SetFormat(QString::fromUtf8(row.Format));
            cell->SetDouble(row.Value);
            EXPECT_EQ(cell->GetText(), QString::fromUtf8(decimal == '.' ? row.Point : row.Comma));
            sheet.SetCell(3, 3, nullptr);
        }
    }
}

}  // namespace

namespace {

TEST(TXLCNumberAbstract, NoCellCanBeOfTheAbstractNumberClass)
{
    TXLSheet sheet;
    sheet.GetCell(0, 0)->SetString(QStringLiteral("kept"));
    EXPECT_THROW(sheet.SetCellClass(0, 0, TXLCNumber::StaticClass()), ERAVazoError);
    EXPECT_EQ(sheet.GetCell(0, 0)->GetString(), QStringLiteral("kept")); // the old cell stays
    EXPECT_THROW(sheet.SetCellClass(1, 1, TXLCNumber::StaticClass()), ERAVazoError);
    EXPECT_EQ(sheet.GetPeekCell(1, 1), nullptr);
}

} // namespace
