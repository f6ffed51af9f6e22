#include "sheet/TXLUnion.h"

#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "support/FakeSheetUser.h"

#include <gtest/gtest.h>

namespace {

class TXLUnionTest : public testing::Test {
protected:
    TXLSection* Client() { return sheet.GetSection(sClient); }
    TXLUnion* Only()
    {
        EXPECT_EQ(Client()->GetUnionCount(), 1);
        return Client()->GetUnion(0);
    }

    TXLSheet sheet;
};

TEST_F(TXLUnionTest, MergingCoversPositionsWithTheTopLeftCell)
{
    sheet.SetString(1, 0, QStringLiteral("gone"));
    sheet.SetString(2, 1, QStringLiteral("gone too"));
    TXLCell* anchor = sheet.GetCell(0, 0);
    FakeSheetUser user(&sheet);
    anchor->SetBounds(Rect(5, 5, 8, 7));  // only width and height count
    EXPECT_EQ(Only()->GetBounds(), Rect(0, 0, 3, 2));
    EXPECT_EQ(Only()->GetCell(), anchor);
    EXPECT_TRUE(anchor->HasState(csUnited));
    EXPECT_EQ(anchor->GetBounds(), Rect(0, 0, 3, 2));
    EXPECT_EQ(sheet.GetCell(2, 1), anchor);
    EXPECT_EQ(sheet.GetPeekCell(1, 0), anchor);
    EXPECT_EQ(Client()->GetRawCell(1, 0), nullptr);
    EXPECT_EQ(Client()->GetRawCell(2, 1), nullptr);
    int calls = 0;
    EXPECT_EQ(sheet.EnumCoords(Rect(0, 0, 3, 2), [&calls](TPoint p, intptr_t, bool&) {
        EXPECT_EQ(p, (TPoint{0, 0}));
        ++calls;
    }), 1);
    EXPECT_EQ(sheet.EnumCells(Rect(0, 0, 3, 2), true, [](TXLCell*, intptr_t, bool&) {}), 1);
    EXPECT_TRUE(anchor->GetSingle());
    EXPECT_TRUE(anchor->GetMerged());
    ASSERT_GE(user.CountOf(TUserCall::InvalidateArea), 1);
    EXPECT_EQ(user.Of(TUserCall::InvalidateArea).back().Rect, Rect(0, 0, 3, 2));

    // Back to a single position.
    anchor->SetBounds(Rect(0, 0, 1, 1));
    EXPECT_EQ(Client()->GetUnionCount(), 0);
    EXPECT_FALSE(anchor->HasState(csUnited));
    EXPECT_EQ(anchor->GetBounds(), Rect(0, 0, 1, 1));
    EXPECT_FALSE(anchor->GetMerged());
}

TEST_F(TXLUnionTest, MergingIsCroppedToTheSector)
{
    TXLCell* cell = sheet.GetCell(3, 4);
    cell->SetWidth(10);
    EXPECT_EQ(Only()->GetBounds(), Rect(3, 4, 5, 5));
    cell->SetHeight(3);  // the last row: nothing more to take
    EXPECT_EQ(Only()->GetBounds(), Rect(3, 4, 5, 5));
    EXPECT_EQ(cell->GetWidth(), 2);
    cell->SetPosition({3, 4});
    EXPECT_EQ(Client()->GetUnionCount(), 0);
}

TEST_F(TXLUnionTest, ANewerAreaRemovesTheOnesItOverlaps)
{
    TXLCell* a = sheet.GetCell(0, 0);
    a->SetBounds(Rect(0, 0, 2, 2));
    TXLCell* b = sheet.GetCell(3, 0);
    b->SetBounds(Rect(0, 0, 2, 1));
    TXLCell* c = sheet.GetCell(1, 2);
    c->SetBounds(Rect(0, 0, 1, 2));
    ASSERT_EQ(Client()->GetUnionCount(), 3);
    Client()->MergeArea(Rect(1, 1, 4, 3));
    ASSERT_EQ(Client()->GetUnionCount(), 2);
    EXPECT_FALSE(a->HasState(csUnited));
    EXPECT_TRUE(b->HasState(csUnited));
    EXPECT_EQ(Client()->GetUnion(1)->GetBounds(), Rect(1, 1, 4, 3));
    // c sat inside the new area, off its top-left: it is gone.
    EXPECT_EQ(Client()->GetRawCell(1, 2), nullptr);
    EXPECT_EQ(Client()->GetUnion(1)->GetCell(), nullptr);
    // The anchor is made when someone asks for the cell.
    TXLCell* made = sheet.GetCell(3, 2);
    EXPECT_EQ(made->GetBounds(), Rect(1, 1, 4, 3));
    EXPECT_EQ(Client()->GetUnion(1)->GetCell(), made);
}

TEST_F(TXLUnionTest, MergeAreaTellsUsersToReloadTheirSelection)
{
    FakeSheetUser user(&sheet);
    Client()->MergeArea(Rect(4, 4, 9, 9));  // one position after cropping
    EXPECT_EQ(Client()->GetUnionCount(), 0);
    EXPECT_EQ(user.CountOf(TUserCall::ResetSelection), 0);
    Client()->MergeArea(Rect(3, 3, 9, 9));
    EXPECT_EQ(Only()->GetBounds(), Rect(3, 3, 5, 5));
    ASSERT_EQ(user.CountOf(TUserCall::ResetSelection), 1);
    EXPECT_FALSE(user.Of(TUserCall::ResetSelection)[0].Flag);
    Client()->SplitArea(Rect(4, 4, 5, 5));
    EXPECT_EQ(Client()->GetUnionCount(), 0);
}

TEST_F(TXLUnionTest, NormalisationMakesTheFormattingUniform)
{
    TXLCell* c00 = sheet.GetCell(0, 0);
    c00->SetBorder(sRight, {slSingle, clRed});       // an interior line of the area-to-be
    c00->SetBorder(sTop, {slSingle, clBlue});        // half of the top edge
    sheet.GetCell(0, 0)->SetBorder(sLeft, {slDouble, clBlack});
    sheet.GetCell(0, 1)->SetBorder(sLeft, {slDouble, clBlack});  // the whole left edge
    c00->SetColor(clYellow);                          // one position of four
    sheet.GetCell(0, 0)->SetFrame(frDeepUp);
    sheet.GetCell(1, 0)->SetFrame(frDeepUp);
    sheet.GetCell(0, 1)->SetFrame(frDeepUp);
    sheet.GetCell(1, 1)->SetFrame(frDeepUp);          // all four
    FakeSheetUser user(&sheet);

    c00->SetBounds(Rect(0, 0, 2, 2));
    EXPECT_EQ(c00->GetCellInfo(ciVInside), 0u);
    EXPECT_EQ(c00->GetBorder(sTop), (TXLSideBorder{slNone, clNone}));
    EXPECT_EQ(c00->GetBorder(sLeft), (TXLSideBorder{slDouble, clBlack}));
    EXPECT_EQ(c00->GetColor(), clWindow);
    EXPECT_EQ(c00->GetFrame(), frDeepUp);
    const auto frames = user.Of(TUserCall::InvalidateArea);
    EXPECT_TRUE(std::any_of(frames.begin(), frames.end(), [](const TUserEvent& e) {
        return e.Mode == iFrame && e.Rect == Rect(0, 0, 2, 2);
    }));
}

TEST_F(TXLUnionTest, PositionValuesSpreadOverTheWholeArea)
{
    TXLCell* anchor = sheet.GetCell(1, 1);
    anchor->SetBounds(Rect(0, 0, 2, 2));
    FakeSheetUser user(&sheet);
    // Writing at a covered position widens to the area.
    Client()->SetAreaInfo(Rect(2, 2, 4, 3), ciColor, clRed);
    for (const TPoint p : {TPoint{1, 1}, TPoint{2, 1}, TPoint{1, 2}, TPoint{2, 2}, TPoint{3, 2}})
        EXPECT_EQ(Client()->GetInfoList(siColor)->Read(p.Y, p.X), static_cast<int32_t>(clRed));
    ASSERT_EQ(user.CountOf(TUserCall::AreaChanged), 1);
    EXPECT_EQ(user.Of(TUserCall::AreaChanged)[0].Rect, Rect(1, 1, 4, 3));
    // No colour means the base style's colour, which empties the positions.
    anchor->SetColor(clNone);
    EXPECT_EQ(anchor->GetColor(), clWindow);
    EXPECT_TRUE(Client()->GetInfoList(siColor)->GetAt(1) == nullptr ||
                Client()->GetInfoList(siColor)->GetAt(1)->GetAt(1) == 0);
}

TEST_F(TXLUnionTest, LinesOfAnAreaReportUniformity)
{
    TXLCell* anchor = sheet.GetCell(0, 0);
    anchor->SetBounds(Rect(0, 0, 3, 2));
    // Written over the area, part of an edge is normalised away again.
    Client()->SetAreaInfo(Rect(0, 1, 1, 2), ciBottom, PackBorder({slSingle, clBlack}));
    EXPECT_EQ(anchor->GetCellInfo(ciBottom), 0u);
    // Written by the neighbour below, it stays: the edge is no longer uniform.
    Client()->SetAreaInfo(Rect(0, 2, 1, 3), ciTop, PackBorder({slSingle, clBlack}));
    bool uniform = true;
    EXPECT_EQ(anchor->GetCellInfo(ciBottom, uniform), PackBorder({slSingle, clBlack}));
    EXPECT_FALSE(uniform);
    EXPECT_FALSE(anchor->GetSides().Contains(sBottom));
    anchor->SetBorder(sBottom, {slMedium, clRed});
    EXPECT_EQ(anchor->GetCellInfo(ciBottom, uniform), PackBorder({slMedium, clRed}));
    EXPECT_TRUE(uniform);
    EXPECT_TRUE(anchor->GetSides().Contains(sBottom));
    anchor->SetSides({sLeft});
    EXPECT_EQ(anchor->GetSides(), TXLSides{sLeft});
    EXPECT_EQ(anchor->GetBorder(sLeft), (TXLSideBorder{slSingle, clBlack}));
}

struct TShiftRow {
    int Lo, Hi, Pos, Count;
    int NewLo, NewHi;  // NewHi <= NewLo: the area is gone
};

class TXLUnionShiftTest : public testing::TestWithParam<TShiftRow> {};

TEST_P(TXLUnionShiftTest, ColumnsShiftTheAreaExtent)
{
    const TShiftRow row = GetParam();
    TXLSheet sheet;
    sheet.SetColCount(20);
    TXLCell* anchor = sheet.GetCell(row.Lo, 1);
    anchor->SetBounds(Rect(0, 0, row.Hi - row.Lo, 2));
    sheet.ModifyCols(row.Pos, row.Count);
    TXLSection* client = sheet.GetSection(sClient);
    if (row.NewHi <= row.NewLo) {
        EXPECT_EQ(client->GetUnionCount(), 0);
        return;
    }
    ASSERT_EQ(client->GetUnionCount(), 1);
    EXPECT_EQ(client->GetUnion(0)->GetBounds(), Rect(row.NewLo, 1, row.NewHi, 3));
}

INSTANTIATE_TEST_SUITE_P(Rule, TXLUnionShiftTest,
                         testing::Values(TShiftRow{0, 3, 3, 1, 0, 4},    // inserting right after widens
                                         TShiftRow{0, 3, 4, 1, 0, 3},    // one further: untouched
                                         TShiftRow{2, 5, 2, 2, 4, 7},    // inserting at the start moves
                                         TShiftRow{2, 5, 3, 1, 2, 6},    // inside widens
                                         TShiftRow{2, 5, 0, -1, 1, 4},   // deleting before moves back
                                         TShiftRow{2, 5, 3, -1, 2, 4},   // inside narrows
                                         TShiftRow{2, 5, 1, -2, 1, 3},   // over the start clips
                                         TShiftRow{2, 5, 5, -3, 2, 5},   // after: untouched
                                         TShiftRow{2, 5, 2, -3, 2, 2},   // all of it: gone
                                         TShiftRow{2, 5, 0, -9, 0, 0}));

TEST(TXLUnionRowsTest, RowsShiftAndDeletedAnchorsLeaveTheArea)
{
    TXLSheet sheet;
    sheet.SetRowCount(10);
    TXLCell* anchor = sheet.GetCell(1, 2);
    anchor->SetString(QStringLiteral("a"));
    anchor->SetBounds(Rect(0, 0, 1, 4));
    sheet.ModifyRows(0, 1);
    TXLSection* client = sheet.GetSection(sClient);
    ASSERT_EQ(client->GetUnionCount(), 1);
    EXPECT_EQ(client->GetUnion(0)->GetBounds(), Rect(1, 3, 2, 7));
    EXPECT_EQ(client->GetUnion(0)->GetCell(), anchor);
    EXPECT_EQ(sheet.GetCell(1, 6), anchor);

    sheet.ModifyRows(3, -1);  // the anchor's row
    ASSERT_EQ(client->GetUnionCount(), 1);
    EXPECT_EQ(client->GetUnion(0)->GetBounds(), Rect(1, 3, 2, 6));
    EXPECT_EQ(client->GetUnion(0)->GetCell(), nullptr);
    EXPECT_EQ(sheet.GetString(1, 4), QString());
}

TEST(TXLUnionRowsTest, ShrinkingABandDropsOrClipsAreas)
{
    TXLSheet sheet;
    sheet.SetColCount(10);
    TXLCell* early = sheet.GetCell(1, 0);
    early->SetBounds(Rect(0, 0, 5, 1));
    TXLCell* late = sheet.GetCell(7, 2);
    late->SetBounds(Rect(0, 0, 2, 2));
    sheet.SetColCount(4);
    TXLSection* client = sheet.GetSection(sClient);
    ASSERT_EQ(client->GetUnionCount(), 1);
    EXPECT_EQ(client->GetUnion(0)->GetBounds(), Rect(1, 0, 4, 1));
    EXPECT_EQ(client->GetUnion(0)->GetCell(), early);
}

TEST(TXLUnionRowsTest, RemovingAnAreaClosesItsAnchorsEditor)
{
    TXLSheet sheet;
    FakeSheetUser user(&sheet);
    TXLCell* anchor = sheet.GetCell(0, 0);
    anchor->SetBounds(Rect(0, 0, 2, 2));
    anchor->IncludeState(csEditing);
    anchor->Split();
    EXPECT_FALSE(anchor->HasState(csUnited));
    ASSERT_EQ(user.CountOf(TUserCall::CloseEditor), 1);
    EXPECT_EQ(user.Of(TUserCall::CloseEditor)[0].Cell, anchor);
    anchor->ExcludeState(csEditing);
}

}  // namespace
