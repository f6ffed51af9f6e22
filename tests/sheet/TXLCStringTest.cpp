#include "sheet/TXLCString.h"

#include "sheet/TXLCStrings.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "base/MaskText.h"

#include <gtest/gtest.h>

namespace {

// Counts value changes through the sheet's cell-changed event.
class TXLValueCellTest : public testing::Test {
protected:
    TXLCell* Watched(int col, int row, TXLCellStyles extra = {})
    {
        TXLCell* cell = sheet.GetCell(col, row);
        cell->SetStyles(TXLCellStyles{csNotify} + extra);
        return cell;
    }
    void SetUp() override
    {
        sheet.OnCellChanged = [this](void*, TPoint) { ++changes; };
    }

    TXLSheet sheet;
    int changes = 0;
};

TEST_F(TXLValueCellTest, TextCellStoresOnlyChanges)
{
    TXLCell* cell = Watched(1, 1);
    EXPECT_EQ(cell->GetString(), QString());
    cell->SetString(QStringLiteral("abc"));
    cell->SetString(QStringLiteral("abc"));
    EXPECT_EQ(changes, 1);
    cell->SetValue(Variant(QStringLiteral("abc")));
    EXPECT_EQ(changes, 1);
    cell->SetValue(Variant(12));
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(cell->GetValue() == Variant(QStringLiteral("12")));
    EXPECT_EQ(cell->GetInteger(), 12);
    EXPECT_EQ(cell->GetText(), QStringLiteral("12"));
    cell->SetValue(Variant(QString()));
    EXPECT_EQ(cell->GetText(), QString());
    cell->SetDouble(0.5);
    EXPECT_EQ(cell->GetDouble(), 0.5);
}

TEST_F(TXLValueCellTest, WriteNotifyCountsEveryWrite)
{
    TXLCell* text = Watched(0, 0, {csWriteNotify});
    text->SetString(QStringLiteral("x"));
    text->SetString(QStringLiteral("x"));
    EXPECT_EQ(changes, 2);

    sheet.SetCellClass(0, 1, TXLCStrings::StaticClass());
    TXLCell* pick = Watched(0, 1, {csWriteNotify});
    changes = 0;
    pick->SetInteger(0);
    pick->SetInteger(0);
    pick->SetString(QString());
    EXPECT_EQ(changes, 3);
}

TEST_F(TXLValueCellTest, ValueChangesMarkModifiedAndNeedReformatting)
{
    TXLCell* cell = sheet.GetCell(2, 2);
    EXPECT_EQ(cell->GetText(), QString());
    EXPECT_FALSE(cell->HasState(csReformat));
    cell->SetString(QStringLiteral("v"));
    EXPECT_TRUE(cell->HasState(csReformat));
    EXPECT_TRUE(sheet.GetModified());
    EXPECT_TRUE(cell->GetProps().Contains(prValue));
    EXPECT_EQ(cell->GetText(), QStringLiteral("v"));
    EXPECT_FALSE(cell->HasState(csReformat));
}

class TXLPickListTest : public TXLValueCellTest {
protected:
    void SetUp() override
    {
        TXLValueCellTest::SetUp();
        sheet.SetCellClass(2, 1, TXLCStrings::StaticClass());
        pick = Watched(2, 1);
        TXLStrings units(QStringList{QStringLiteral("МПа"), QStringLiteral("бар"), QStringLiteral("атм"),
                                     QStringLiteral("кгс/см2")});
        pick->SetObject(&units);
        changes = 0;
    }

    TXLCell* pick = nullptr;
};

TEST_F(TXLPickListTest, ShowsTheSelectedItem)
{
    pick->SetInteger(1);
    EXPECT_EQ(pick->GetText(), QStringLiteral("бар"));
    EXPECT_EQ(pick->GetInteger(), 1);
    EXPECT_TRUE(pick->GetValue() == Variant(QStringLiteral("МПа\r\nбар\r\nатм\r\nкгс/см2\r\n")));
    EXPECT_EQ(sheet.GetString(2, 1), pick->GetString());
    pick->SetInteger(4);
    EXPECT_EQ(pick->GetText(), QString());
    EXPECT_EQ(pick->GetInteger(), 4);
    pick->SetInteger(-1);
    EXPECT_EQ(pick->GetText(), QString());
    pick->SetInteger(-1);
    EXPECT_EQ(changes, 3);
}

TEST_F(TXLPickListTest, TextReplacesTheItemsLineByLine)
{
    pick->SetInteger(1);
    changes = 0;
    pick->SetString(pick->GetString());
    EXPECT_EQ(changes, 0);
    pick->SetValue(Variant(QStringLiteral("°C\nK\r\n°F")));
    EXPECT_EQ(changes, 1);
    auto* items = dynamic_cast<TXLStrings*>(pick->GetObject());
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(items->Items, (QStringList{"°C", "K", "°F"}));
    EXPECT_EQ(pick->GetText(), QStringLiteral("K"));
    pick->SetString(QStringLiteral("a\r\rb\r\n"));
    EXPECT_EQ(items->Items, (QStringList{"a", "", "b"}));
}

TEST_F(TXLPickListTest, SetObjectCopiesAndKeepsTheIndex)
{
    pick->SetInteger(2);
    changes = 0;
    TXLStrings same(dynamic_cast<TXLStrings*>(pick->GetObject())->Items);
    pick->SetObject(&same);  // always a change
    EXPECT_EQ(changes, 1);
    same.Items[2] = QStringLiteral("psi");
    EXPECT_EQ(pick->GetText(), QStringLiteral("атм"));
    pick->SetObject(&same);
    EXPECT_EQ(pick->GetText(), QStringLiteral("psi"));
    EXPECT_EQ(pick->GetInteger(), 2);
    pick->SetObject(nullptr);  // not a string list: ignored
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(sheet.GetObject(2, 1), pick->GetObject());
}

TEST(TXLMaskTextTest, DisplayFormatsActAsEditMasks)
{
    struct TRow {
        const char* Mask;
        const char* Text;
        const char* Shown;
    };
    const TRow rows[] = {
        {">LL-00;0", "ab12", "AB-12"},
        {"<LL-00;0", "AB12", "ab-12"},
        {"00\\-00;1", "12-34", "12-34"},
        {"(000) 000;0", "12345", "(123) 45 "},
        {"0_0;0", "12", "1 2"},
        {">l<>l", "ab", "Ab"},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Mask);
        EXPECT_EQ(FormatMaskText(QString::fromUtf8(row.Mask), QString::fromUtf8(row.Text)), QString::fromUtf8(row.Shown));
    }
}

TEST(TXLMaskTextTest, TextAndPickCellsUseTheirDisplayFormat)
{
    TXLSheet sheet;
    TXLCell* text = sheet.GetCell(0, 0);
    text->SetString(QStringLiteral("ab12"));
    text->SetFormat(QStringLiteral(">LL-00;0|x"));
    EXPECT_EQ(text->GetText(), QStringLiteral("AB-12"));
    sheet.SetCellClass(1, 0, TXLCStrings::StaticClass());
    TXLCell* pick = sheet.GetCell(1, 0);
    pick->SetString(QStringLiteral("x1\r\ny2"));
    pick->SetInteger(1);
    pick->SetFormat(QStringLiteral(">L-0;0"));
    EXPECT_EQ(pick->GetText(), QStringLiteral("Y-2"));
}

}  // namespace
