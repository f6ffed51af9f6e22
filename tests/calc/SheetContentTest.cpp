#include "support/QtTestEnvironment.h"

#include "calc/SheetContent.h"
#include "calc/SheetLayout.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLFont.h"
#include "sheet/TXLPicture.h"
#include "sheet/TXLRange.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLStrings.h"

#include <gtest/gtest.h>

namespace {

int CellObjects(TXLSheet& sheet)
{
    return sheet.EnumCells(sheet.GetExtents(), false, [](TXLCell*, intptr_t, bool&) {});
}

TXLCellStyles StylesAt(TXLSheet& sheet, int col, int row)
{
    TXLRange at(&sheet, TRect{col, row, col + 1, row + 1});
    return at.GetStyles();
}

TEST(SheetContent, EachSheetHasExactlyItsCells)
{
    const int expected[SheetCount] = {0, 37, 32, 16, 23, 29, 37, 37, 32};
    for (int n = 0; n < SheetCount; ++n) {
        SCOPED_TRACE(n);
        TXLSheet sheet;
        BuildSheetContent(n, sheet);
        EXPECT_EQ(CellObjects(sheet), expected[n]);
        EXPECT_EQ(sheet.GetTitleCols(), 0);
        EXPECT_EQ(sheet.GetTitleRows(), 0);
        EXPECT_EQ(sheet.GetColDefWidth(), 60);
        EXPECT_EQ(sheet.GetRowDefHeight(), 15);
    }
}

TEST(SheetContent, PictureSheet)
{
    TXLSheet sheet;
    BuildSheetContent(0, sheet);
    EXPECT_EQ(sheet.GetColCount(), 1);
    EXPECT_EQ(sheet.GetRowCount(), 1);
    EXPECT_EQ(sheet.GetCellSize(0, sCols), 291);
    EXPECT_EQ(sheet.GetCellSize(0, sRows), 211);
    EXPECT_EQ(sheet.GetPeekCell(0, 0), nullptr);
    EXPECT_TRUE(StylesAt(sheet, 0, 0).Contains(csProtect));
    const TXLPicture& splash = sheet.GetBackground();
    EXPECT_EQ(splash.GetGraphicClass(), QStringLiteral("TJPEGImage"));
    EXPECT_EQ(splash.GetWidth(), 300);
    EXPECT_EQ(splash.GetHeight(), 220);
}

TEST(SheetContent, WaterAndSteamSheetLayout)
{
    TXLSheet sheet;
    BuildSheetContent(1, sheet);
    EXPECT_EQ(sheet.GetColCount(), 3);
    EXPECT_EQ(sheet.GetRowCount(), 14);
    EXPECT_EQ(sheet.GetCellSize(0, sCols), 141);
    EXPECT_EQ(sheet.GetCellSize(1, sCols), 69);
    EXPECT_EQ(sheet.GetCellSize(2, sCols), 81);

    // Headers span the three columns, protected, coloured, boxed in black.
    TXLCell* header = sheet.GetCell(2, 3);
    EXPECT_EQ(header, sheet.GetPeekCell(0, 3));
    EXPECT_EQ(header->GetString(), QStringLiteral("Расчетные величины"));
    EXPECT_EQ(header->GetColor(), 0x0092FFu);
    EXPECT_EQ(header->GetHorzAlign(), haCenter);
    for (int col = 0; col < 3; ++col)
        EXPECT_TRUE(StylesAt(sheet, col, 3).Contains(csProtect)) << col;
    for (TXLSide side : {sLeft, sTop, sRight, sBottom}) {
        const TXLSideBorder b = header->GetBorder(side);
        EXPECT_EQ(b.Line, slSingle) << side;
        EXPECT_EQ(b.Color, clBlack) << side;
    }
    // Labels are protected and left aligned; inputs are centred and free;
    // results centred and protected.
    TXLCell* label = sheet.GetCell(0, 1);
    EXPECT_EQ(label->GetString(), QStringLiteral(" Давление"));
    EXPECT_TRUE(label->GetStyles().Contains(csProtect));
    EXPECT_EQ(label->GetHorzAlign(), haLeft);
    TXLCell* input = sheet.GetCell(1, 1);
    EXPECT_FALSE(input->GetStyles().Contains(csProtect));
    EXPECT_EQ(input->GetHorzAlign(), haCenter);
    EXPECT_TRUE(sheet.GetCell(1, 5)->GetStyles().Contains(csProtect));
    // Units: pick lists with the combo-box editor; no unit: read-only text.
    TXLCell* unit = sheet.GetCell(2, 1);
    EXPECT_EQ(unit->ClassType(), TXLCStrings::StaticClass());
    EXPECT_EQ(unit->GetEditor(), 2);
    EXPECT_FALSE(unit->GetStyles().Contains(csProtect));
    TXLCell* noUnit = sheet.GetCell(2, 8);
    EXPECT_NE(noUnit->ClassType(), TXLCStrings::StaticClass());
    EXPECT_TRUE(noUnit->GetStyles().Contains(csReadOnly));
    // The state shows across columns 1 and 2.
    EXPECT_EQ(sheet.GetCell(2, 13), sheet.GetCell(1, 13));
    EXPECT_EQ(sheet.GetCell(1, 13)->GetMapBounds(), (TRect{1, 13, 3, 14}));
}

TEST(SheetContent, SaturationSheetsHaveWhiteTextHeadingsAndStoredIndices)
{
    TXLSheet sheet;
    BuildSheetContent(2, sheet);
    TXLCell* steam = sheet.GetCell(0, 5);
    EXPECT_EQ(steam->GetString(), QStringLiteral("Пар"));
    EXPECT_EQ(steam->GetColor(), 0x0000FFu);
    EXPECT_EQ(steam->GetFont()->GetColor(), 0xFFFFFFu);
    EXPECT_TRUE(steam->GetProps().Contains(prFont));
    EXPECT_EQ(sheet.GetCell(2, 3)->GetInteger(), -1);
    EXPECT_EQ(sheet.GetCell(2, 4)->GetInteger(), -1);
    EXPECT_EQ(sheet.GetCell(2, 6)->GetInteger(), 0);
    TXLCell* last = sheet.GetCell(0, 13);
    EXPECT_EQ(last->GetString(), QString());
    EXPECT_EQ(last->GetColor(), 0xFFFFFFu);
    EXPECT_EQ(last->GetMapBounds(), (TRect{0, 13, 3, 14}));
}

TEST(SheetContent, FillingThePickLists)
{
    TXLSheet heatDrop;
    BuildSheetContent(3, heatDrop);
    FillPickLists(3, heatDrop);
    EXPECT_EQ(heatDrop.GetCell(1, 1)->GetInteger(), 3);
    EXPECT_EQ(heatDrop.GetCell(1, 1)->GetText(), QStringLiteral(" Адиабатный теплоперепад"));
    EXPECT_EQ(heatDrop.GetCell(2, 3)->GetText(), QStringLiteral("МПа"));
    EXPECT_EQ(heatDrop.GetCell(2, 6)->GetText(), QStringLiteral("кДж/кг"));

    TXLSheet air;
    BuildSheetContent(4, air);
    FillPickLists(4, air);
    EXPECT_EQ(air.GetCell(2, 8)->GetText(), QString()); // never filled
    EXPECT_TRUE(air.GetCell(2, 8)->GetStyles().Contains(csReadOnly));
}

QStringList ItemsAt(TXLSheet& sheet, int col, int row)
{
    const auto* items = dynamic_cast<const TXLStrings*>(sheet.GetCell(col, row)->GetObject());
    return items ? items->Items : QStringList{QStringLiteral("<no pick list>")};
}

// The units offered where each value is: heat capacities per kilogram for
// water and steam, per cubic metre for the gases; diffusivities and
// viscosities in m²/s.
TEST(SheetContent, UnitListsMatchTheQuantities)
{
    const QStringList perKg{QStringLiteral("кДж/(кг*град)"), QStringLiteral("ккал/(кг*град)")};
    const QStringList perM3{QStringLiteral("кДж/(м3*град)"), QStringLiteral("ккал/(м3*град)")};
    const QStringList m2s{QStringLiteral("м2/с")};
    const struct {
        int Sheet, Row;
        QStringList Items;
    } rows[] = {
        {1, 9, perKg}, {6, 9, perKg}, {7, 9, perKg}, {4, 3, perM3}, {5, 3, perM3}, {5, 6, perM3},
        {1, 11, m2s},  {4, 6, m2s},   {4, 7, m2s},   {5, 8, m2s},   {5, 10, m2s},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.Sheet) + "/" + std::to_string(r.Row));
        TXLSheet sheet;
        BuildSheetContent(r.Sheet, sheet);
        FillPickLists(r.Sheet, sheet);
        EXPECT_EQ(ItemsAt(sheet, 2, r.Row), r.Items);
    }
}

TEST(SheetContent, RefreshingKeepsTheSelectionButNotOldNames)
{
    TXLSheet sheet;
    BuildSheetContent(4, sheet);
    FillPickLists(4, sheet);
    // As an older state file left them: another name, a unit chosen.
    const TXLStrings old(QStringList{QStringLiteral("кг/с2")});
    sheet.GetCell(2, 6)->SetObject(&old);
    sheet.GetCell(2, 4)->SetInteger(1);
    sheet.GetCell(2, 3)->SetInteger(5); // names no item
    RefreshPickLists(4, sheet);
    EXPECT_EQ(ItemsAt(sheet, 2, 6), QStringList{QStringLiteral("м2/с")});
    EXPECT_EQ(sheet.GetCell(2, 4)->GetInteger(), 1);
    EXPECT_EQ(sheet.GetCell(2, 4)->GetText(), QStringLiteral("ккал/(мч*град)"));
    EXPECT_EQ(sheet.GetCell(2, 3)->GetInteger(), 0);

    TXLSheet heatDrop;
    BuildSheetContent(3, heatDrop);
    FillPickLists(3, heatDrop);
    heatDrop.GetCell(1, 1)->SetInteger(2);
    RefreshPickLists(3, heatDrop);
    EXPECT_EQ(heatDrop.GetCell(1, 1)->GetText(), QStringLiteral(" Конечное давление"));
}

} // namespace
