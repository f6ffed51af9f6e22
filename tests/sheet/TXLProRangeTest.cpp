#include "sheet/TXLProRange.h"

#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCInteger.h"
#include "sheet/TXLCString.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLRange.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSectionRange.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLStyle.h"
#include "sheet/TXLStyler.h"
#include "sheet/TXLUnion.h"
#include "support/FakeSheetUser.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

class TXLProRangeTest : public testing::Test {
protected:
    TXLSection* Client() { return sheet.GetSection(sClient); }
    int CellCount()
    {
        int count = 0;
        Client()->ForEachCell([&count](TXLCell*) { ++count; });
        return count;
    }
    // The range-wide repaints the user saw.
    int RepaintsOf(const TRect& rect) const
    {
        int count = 0;
        for (const TUserEvent& e : user.Of(TUserCall::InvalidateArea))
            count += e.Sector == sClient && e.Rect == rect && e.Mode == iFull;
        return count;
    }

    TXLSheet sheet;
    FakeSheetUser user{&sheet};
};

TEST_F(TXLProRangeTest, ValueAndStyleBelongToTheTopLeftCell)
{
    sheet.SetString(1, 1, QStringLiteral("top-left"));
    TXLRange range(&sheet, Rect(1, 1, 3, 3));
    EXPECT_EQ(range.GetValue().ToString(), QStringLiteral("top-left"));
    range.SetString(QStringLiteral("new"));
    EXPECT_EQ(sheet.GetString(1, 1), QStringLiteral("new"));
    EXPECT_EQ(CellCount(), 1);
    EXPECT_TRUE(range.GetProps().Contains(prValue));

    TXLStyler styler;
    sheet.SetStyler(&styler);
    TXLStyle* style = styler.Add(QStringLiteral("Input"));
    TXLRange empty(&sheet, Rect(3, 3, 5, 5));
    EXPECT_EQ(empty.GetBasedOn(), nullptr);
    EXPECT_EQ(empty.GetValue().VarType(), Variant().VarType());
    empty.SetBasedOn(style);
    ASSERT_NE(sheet.GetPeekCell(3, 3), nullptr);
    EXPECT_EQ(sheet.GetPeekCell(3, 3)->GetBasedOn(), style);
    EXPECT_EQ(empty.GetBasedOn(), style);
    EXPECT_EQ(sheet.GetPeekCell(4, 4), nullptr);
    sheet.SetStyler(nullptr);
}

TEST_F(TXLProRangeTest, ARangeIsAStyleAndRepaintsItsRectangleOnEveryChange)
{
    TXLRange range(&sheet, Rect(0, 1, 2, 3));
    EXPECT_TRUE(range.IsStyle());
    range.SetHorzAlign(range.GetHorzAlign());  // unchanged, still notifies
    EXPECT_TRUE(range.GetProps().Contains(prLayout));
    range.SetHorzAlign(haRight);
    for (int y = 1; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(UnpackLayout(Client()->GetInfoList(siLayout)->Read(y, x)).HorzAlign, haRight);
    // Position formatting makes no cells.
    range.SetColor(clYellow);
    EXPECT_EQ(Client()->GetInfoList(siColor)->Read(2, 1), static_cast<int32_t>(clYellow));
    EXPECT_EQ(CellCount(), 0);
    EXPECT_EQ(range.GetNamePath(), QStringLiteral("Cells [0, 1 : 1, 2]"));

    // A format reaches the cells (made where missing) with one repaint of
    // the whole rectangle.
    user.Clear();
    range.SetFormat(QStringLiteral("x"));
    EXPECT_EQ(RepaintsOf(Rect(0, 1, 2, 3)), 1);
    EXPECT_EQ(CellCount(), 4);
}

TEST_F(TXLProRangeTest, AClassChangeReachesEveryPositionAndKeepsConvertibleValues)
{
    sheet.SetString(0, 0, QStringLiteral("12"));
    sheet.SetString(1, 0, QStringLiteral("abc"));
    sheet.SetString(0, 1, QStringLiteral("-7"));
    TXLRange range(&sheet, Rect(0, 0, 2, 2));
    range.SetCellClass(TXLCInteger::StaticClass());
    struct TRow {
        int Col, Row, Value;
    };
    const TRow rows[] = {{0, 0, 12}, {1, 0, 0}, {0, 1, -7}, {1, 1, 0}};
    for (const TRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Col << "," << row.Row);
        TXLCell* cell = sheet.GetPeekCell(row.Col, row.Row);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->GetCellClass(), TXLCInteger::StaticClass());
        EXPECT_EQ(cell->GetInteger(), row.Value);
    }
    EXPECT_EQ(CellCount(), 4);
    EXPECT_EQ(range.GetCellClass(), TXLCInteger::StaticClass());
    EXPECT_EQ(sheet.GetPeekCell(2, 2), nullptr);
}

TEST_F(TXLProRangeTest, AClassChangeOverMergedCellsReachesOnlyTheirAnchors)
{
    sheet.SetString(1, 1, QStringLiteral("merged"));
    sheet.GetCell(1, 1)->SetBounds(Rect(0, 0, 2, 2));  // (1,1)-(2,2)
    // An area starting left of the range: its covered positions are skipped.
    sheet.GetCell(0, 3)->SetBounds(Rect(0, 0, 2, 1));  // (0,3)-(1,3)
    TXLRange range(&sheet, Rect(1, 1, 3, 4));
    range.SetCellClass(TXLCStrings::StaticClass());

    const TXLCell* anchor = sheet.GetPeekCell(1, 1);
    ASSERT_NE(anchor, nullptr);
    EXPECT_EQ(anchor->GetCellClass(), TXLCStrings::StaticClass());
    EXPECT_TRUE(anchor->HasState(csUnited));
    EXPECT_EQ(anchor->GetBounds(), Rect(1, 1, 3, 3));
    EXPECT_EQ(Client()->GetUnionCount(), 2);
    for (const TPoint p : {TPoint{2, 1}, TPoint{1, 2}, TPoint{2, 2}, TPoint{1, 3}})
        EXPECT_EQ(Client()->GetRawCell(p.X, p.Y), nullptr) << p.X << "," << p.Y;
    EXPECT_EQ(sheet.GetPeekCell(0, 3)->GetCellClass(), TXLCString::StaticClass());
    ASSERT_NE(Client()->GetRawCell(2, 3), nullptr);
    EXPECT_EQ(Client()->GetRawCell(2, 3)->GetCellClass(), TXLCStrings::StaticClass());
}

TEST_F(TXLProRangeTest, EditorAndFormatReachTheCellsOfTheRangeClass)
{
    TXLRange range(&sheet, Rect(0, 0, 2, 1));
    range.SetEditor(1);
    range.SetFormat(QStringLiteral("00"));
    for (int x = 0; x < 2; ++x) {
        const TXLCell* cell = sheet.GetPeekCell(x, 0);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->GetEditor(), 1);
        EXPECT_EQ(cell->GetFormat(), QStringLiteral("00"));
        EXPECT_TRUE(cell->GetProps().Contains(prControl));
    }
}

TEST_F(TXLProRangeTest, OnlyTheChangedFontAttributesReachTheCells)
{
    const QString names[] = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                             QStringLiteral("Courier")};
    for (int x = 0; x < 3; ++x) {
        TXLFont font;
        font.SetName(names[x]);
        font.SetColor(clNavy + static_cast<TColor>(x));
        font.SetStyle({fsItalic});
        sheet.GetCell(x, 0)->SetFont(font);
    }
    TXLRange range(&sheet, Rect(0, 0, 3, 1));
    range.GetFont()->SetSize(14);
    const int height = range.GetFont()->GetHeight();
    range.GetFont()->SetStyle({fsBold});
    for (int x = 0; x < 3; ++x) {
        SCOPED_TRACE(x);
        const TXLFont& font = *sheet.GetPeekCell(x, 0)->GetFont();
        EXPECT_EQ(font.GetName(), names[x]);
        EXPECT_EQ(font.GetColor(), clNavy + static_cast<TColor>(x));
        EXPECT_EQ(font.GetHeight(), height);
        // Bold came on; italic was never changed on the range and stays.
        EXPECT_EQ(font.GetStyle(), (TFontStyles{fsBold, fsItalic}));
    }
    // Cells made by the range take only the changed attributes as well.
    EXPECT_EQ(CellCount(), 3);
    range.SetBounds(Rect(0, 0, 4, 1));
    range.GetFont()->SetName(QStringLiteral("Liberation Serif"));
    const TXLFont& made = *sheet.GetPeekCell(3, 0)->GetFont();
    EXPECT_EQ(made.GetName(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(made.GetHeight(), sheet.GetBaseClientStyle()->GetFont()->GetHeight());
    EXPECT_EQ(sheet.GetPeekCell(1, 0)->GetFont()->GetName(), QStringLiteral("Liberation Serif"));
}

TEST_F(TXLProRangeTest, ClearingFormattingKeepsValuesFontsFramesAndAlignment)
{
    sheet.SetString(0, 0, QStringLiteral("kept"));
    TXLCell* cell = sheet.GetCell(0, 0);
    cell->GetFont()->SetName(QStringLiteral("DejaVu Sans"));
    cell->SetHorzAlign(haCenter);
    TXLRange range(&sheet, Rect(0, 0, 2, 2));
    range.SetFrame(frDeepUp);
    range.SetColor(clAqua);
    range.SetBorders({sLeft, sTop, sRight, sBottom, sHInside, sVInside, sBias1}, {slDouble, clRed});

    EXPECT_TRUE(range.Clear({csFormatting}));
    EXPECT_EQ(sheet.GetPeekCell(0, 0), cell);
    EXPECT_EQ(cell->GetString(), QStringLiteral("kept"));
    EXPECT_EQ(cell->GetFont()->GetName(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(cell->GetHorzAlign(), haCenter);
    EXPECT_EQ(cell->GetFrame(), frDeepUp);
    EXPECT_EQ(range.GetColor(), sheet.GetBaseClientStyle()->GetColor());
    EXPECT_TRUE(range.GetSides().Empty());
    EXPECT_EQ(range.GetCellInfo(ciBias1), 0u);
}

TEST_F(TXLProRangeTest, ClearingContentsDestroysCellsButNotPositionFormatting)
{
    sheet.SetString(0, 0, QStringLiteral("a"));
    sheet.SetString(1, 1, QStringLiteral("b"));
    sheet.SetString(2, 2, QStringLiteral("outside"));
    sheet.GetCell(1, 1)->SetHint(QStringLiteral("hint"));
    TXLRange range(&sheet, Rect(0, 0, 2, 2));
    range.SetColor(clLime);
    int hintCalls = 0;
    sheet.OnSetCellHint = [&hintCalls](TXLSheet*, TPoint, QString&) { ++hintCalls; };

    EXPECT_TRUE(range.Clear({csContents, csHints}));
    EXPECT_EQ(sheet.GetPeekCell(0, 0), nullptr);
    EXPECT_EQ(sheet.GetPeekCell(1, 1), nullptr);
    EXPECT_NE(sheet.GetPeekCell(2, 2), nullptr);
    EXPECT_EQ(Client()->GetHintCount(), 0);
    EXPECT_EQ(hintCalls, 0);  // the cells took their hints along
    EXPECT_EQ(sheet.GetCell(1, 1)->GetColor(), clLime);
    EXPECT_FALSE(range.Clear({}));
}

TEST_F(TXLProRangeTest, ClearingHintsKeepsTheCells)
{
    sheet.SetString(0, 0, QStringLiteral("a"));
    TXLCell* cell = sheet.GetCell(0, 0);
    cell->SetHint(QStringLiteral("hint"));
    sheet.GetCell(3, 3)->SetHint(QStringLiteral("outside"));
    TXLRange range(&sheet, Rect(0, 0, 2, 2));
    EXPECT_TRUE(range.Clear({csHints}));
    EXPECT_EQ(sheet.GetPeekCell(0, 0), cell);
    EXPECT_EQ(cell->GetHint(), QString());
    EXPECT_FALSE(cell->GetProps().Contains(prHint));
    EXPECT_EQ(sheet.GetPeekCell(3, 3)->GetHint(), QStringLiteral("outside"));
    EXPECT_EQ(sheet.GetPeekCell(1, 1), nullptr);
}

TEST_F(TXLProRangeTest, MergingByRowsOrAsAWhole)
{
    TXLRange rows(&sheet, Rect(0, 0, 3, 2));
    EXPECT_TRUE(rows.Merge(true));
    ASSERT_EQ(Client()->GetUnionCount(), 2);
    EXPECT_EQ(Client()->GetUnion(0)->GetBounds(), Rect(0, 0, 3, 1));
    EXPECT_EQ(Client()->GetUnion(1)->GetBounds(), Rect(0, 1, 3, 2));

    // The whole rectangle replaces the row areas; a second time it is single.
    EXPECT_TRUE(rows.Merge(false));
    ASSERT_EQ(Client()->GetUnionCount(), 1);
    EXPECT_EQ(Client()->GetUnion(0)->GetBounds(), Rect(0, 0, 3, 2));
    EXPECT_GE(user.CountOf(TUserCall::ResetSelection), 3);
    EXPECT_FALSE(rows.Merge(false));
    EXPECT_EQ(Client()->GetUnionCount(), 1);

    TXLRange one(&sheet, Rect(4, 4, 5, 5));
    EXPECT_FALSE(one.Merge(false));
    EXPECT_EQ(Client()->GetUnionCount(), 1);
    // Cropped to the sector: a single position is left, nothing merges.
    TXLRange edge(&sheet, Rect(4, 0, 9, 1));
    EXPECT_FALSE(edge.Merge(false));
    EXPECT_EQ(Client()->GetUnionCount(), 1);
}

TEST_F(TXLProRangeTest, EntireColumnsAndRowsReachTheEndOfTheBand)
{
    TXLRange cols(&sheet, Rect(1, 0, 2, 5));
    EXPECT_TRUE(cols.GetEntireCols());
    EXPECT_FALSE(cols.GetEntireRows());
    TXLRange part(&sheet, Rect(1, 1, 3, 4));
    EXPECT_FALSE(part.GetEntireCols());
    part.SetEntireCols(false);
    EXPECT_EQ(part.GetBounds(), Rect(1, 1, 3, 4));
    part.SetEntireCols(true);
    EXPECT_EQ(part.GetBounds(), Rect(1, 0, 3, INT_MAX));
    EXPECT_TRUE(part.GetEntireCols());
    EXPECT_EQ(part.GetArea(), Rect(1, 0, 3, 5));
    part.SetEntireRows(true);
    EXPECT_EQ(part.GetBounds(), Rect(0, 0, INT_MAX, INT_MAX));
    EXPECT_TRUE(part.GetEntireRows());
    EXPECT_FALSE(part.Empty());

    // Work over an entire column stops at the band's end; rows added later
    // still belong to it, unlike a rectangle that merely ended with the band.
    TXLRange column(&sheet, Rect(1, 2, 2, 3));
    column.SetEntireCols(true);
    column.SetCellClass(TXLCStrings::StaticClass());
    EXPECT_EQ(CellCount(), 5);
    sheet.SetRowCount(8);
    EXPECT_TRUE(column.GetEntireCols());
    EXPECT_EQ(column.GetArea(), Rect(1, 0, 2, 8));
    EXPECT_FALSE(cols.GetEntireCols());

    TXLRange none(&sheet, Rect(2, 2, 2, 4));
    EXPECT_TRUE(none.Empty());
}

TEST_F(TXLProRangeTest, InAssignStateARangeIgnoresWrites)
{
    sheet.SetString(0, 0, QStringLiteral("before"));
    TXLRange range(&sheet, Rect(0, 0, 2, 2));
    user.Clear();
    {
        TXLAssignGuard guard(range);
        range.SetValue(Variant(QStringLiteral("after")));
        range.SetCellClass(TXLCStrings::StaticClass());
        range.SetColor(clRed);
        range.SetHorzAlign(haRight);
    }
    EXPECT_EQ(sheet.GetString(0, 0), QStringLiteral("before"));
    EXPECT_EQ(sheet.GetCellClass(0, 0), TXLCString::StaticClass());
    EXPECT_EQ(range.GetColor(), sheet.GetBaseClientStyle()->GetColor());
    EXPECT_EQ(range.GetHorzAlign(), haLeft);
    EXPECT_TRUE(user.Events.empty());
    EXPECT_TRUE(range.GetProps().Empty());
}

TEST_F(TXLProRangeTest, ACellAssignedFromARangeTakesItsExtent)
{
    sheet.SetString(0, 0, QStringLiteral("source"));
    TXLRange range(&sheet, Rect(0, 0, 3, 2));
    TXLCell* cell = sheet.GetCell(1, 3);
    cell->Assign(range);
    EXPECT_EQ(cell->GetBounds(), Rect(1, 3, 4, 5));
    EXPECT_EQ(cell->GetString(), QStringLiteral("source"));

    // A range assigned from a range takes its rectangle and its top-left value.
    TXLSectionRange other(sheet.GetSection(sClient), Rect(4, 0, 5, 1));
    other.Assign(range);
    EXPECT_EQ(other.GetBounds(), Rect(0, 0, 3, 2));
}

TEST_F(TXLProRangeTest, ASectionRangeWorksInItsOwnSector)
{
    sheet.SetTitleRows(2);
    TXLSectionRange heading(sheet.GetSection(sCols), Rect(0, 0, 2, 2));
    heading.SetValue(Variant(QStringLiteral("Heading")));
    EXPECT_EQ(sheet.GetString(0, -2), QStringLiteral("Heading"));
    EXPECT_TRUE(heading.Merge(false));
    EXPECT_EQ(sheet.GetSection(sCols)->GetUnionCount(), 1);
    EXPECT_EQ(sheet.GetCell(1, -1), sheet.GetCell(0, -2));
    EXPECT_EQ(heading.GetMapBounds(), Rect(0, -2, 2, 0));
    EXPECT_EQ(Client()->GetUnionCount(), 0);
}

}  // namespace
