#include "grid/TXLGeometry.h"

#include <gtest/gtest.h>

namespace {

void MakeLines(TXLLineSizes& lines, int def, int count, std::initializer_list<std::pair<int, int>> sizes)
{
    TXLSizeList list;
    list.SetZero(def);
    list.SetCount(count);
    for (const auto& [i, size] : sizes)
        list.SetInt(i, size);
    lines.Assign(list, 100);
}

// Columns 60, 0, 30, 60, 60 (extent 210); rows 20 x 10 (extent 200);
// a client of 100 x 50.
class GeometryTest : public testing::Test {
protected:
    void SetUp() override
    {
        MakeLines(Widths, 60, 5, {{1, 0}, {2, 30}});
        MakeLines(Heights, 20, 10, {});
        Geo.SetLines(&Widths, &Heights);
        Geo.SetExtent({Widths.Total(), Heights.Total()});
        Geo.SetClientSize({100, 50});
    }

    TXLLineSizes Widths;
    TXLLineSizes Heights;
    TXLGeometry Geo;
};

TEST_F(GeometryTest, PointToCellAddsTheOffsetAndSkipsHiddenColumns)
{
    struct Row {
        TXLSize Offset;
        TPoint Client;
        bool Inside;
        TPoint Cell;
    };
    const Row table[] = {
        {{0, 0}, {0, 0}, true, {0, 0}},      {{0, 0}, {59, 19}, true, {0, 0}},
        {{0, 0}, {60, 20}, true, {2, 1}},    {{0, 0}, {95, 45}, true, {3, 2}},
        {{100, 40}, {0, 0}, true, {3, 2}},   {{100, 40}, {-11, -1}, true, {2, 1}},
        {{0, 0}, {210, 10}, false, {5, 0}},  {{0, 0}, {10, -1}, false, {0, 0}},
        {{150, 0}, {130, 0}, false, {6, 0}},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(testing::Message() << row.Client.X << "," << row.Client.Y << " +" << row.Offset.x);
        Geo.SetOffset(row.Offset);
        TPoint cell;
        EXPECT_EQ(Geo.PointToCell(row.Client, false, cell), row.Inside);
        EXPECT_EQ(cell, row.Cell);
        EXPECT_TRUE(Geo.PointToCell(row.Client, true, cell));
    }
}

TEST_F(GeometryTest, CalcRectAppliesOffsetAndModes)
{
    TRect r;
    ASSERT_TRUE(Geo.CalcRect(Rect(2, 1, 4, 3), cmFull, r));
    EXPECT_EQ(r, Rect(60, 20, 150, 60));
    ASSERT_TRUE(Geo.CalcRect(Rect(2, 1, 4, 3), cmSkipFrame, r));
    EXPECT_EQ(r, Rect(61, 21, 148, 58));
    ASSERT_TRUE(Geo.CalcRect(Rect(2, 1, 4, 3), cmInterior, r));
    EXPECT_EQ(r, Rect(62, 22, 147, 57));
    Geo.SetOffset({50, 10});
    ASSERT_TRUE(Geo.CalcRect(Rect(0, 0, 1, 1), cmFull, r));
    EXPECT_EQ(r, Rect(-50, -10, 10, 10));
}

TEST_F(GeometryTest, CalcRectRejectsAreasBeyondTheExtentOrEmpty)
{
    TRect r;
    EXPECT_FALSE(Geo.CalcRect(Rect(4, 0, 6, 1), cmFull, r));
    EXPECT_FALSE(Geo.CalcRect(Rect(5, 0, 6, 1), cmFull, r));
    EXPECT_FALSE(Geo.CalcRect(Rect(0, 9, 1, 11), cmFull, r));
    // The hidden column alone has no pixels.
    EXPECT_FALSE(Geo.CalcRect(Rect(1, 0, 2, 1), cmFull, r));
    Geo.SetOffset({10, 0});
    EXPECT_FALSE(Geo.CalcRect(Rect(4, 0, 6, 1), cmInterior, r));
    // Still shifted, but the mode is not applied.
    EXPECT_EQ(r.Left, 140);
}

TEST_F(GeometryTest, CalcViewTakesEveryLineTheRectangleTouches)
{
    TRect area;
    ASSERT_TRUE(Geo.CalcView(Rect(0, 0, 100, 50), area));
    EXPECT_EQ(area, Rect(0, 0, 4, 3));
    ASSERT_TRUE(Geo.CalcView(Rect(0, 0, 60, 40), area));
    EXPECT_EQ(area, Rect(0, 0, 2, 2));
    ASSERT_TRUE(Geo.CalcView(Rect(0, 0, 61, 41), area));
    EXPECT_EQ(area, Rect(0, 0, 3, 3));
    Geo.SetOffset({150, 180});
    ASSERT_TRUE(Geo.CalcView(Rect(0, 0, 100, 50), area));
    EXPECT_EQ(area, Rect(4, 9, 5, 10));
    Geo.SetOffset({0, 0});
    EXPECT_FALSE(Geo.CalcView(Rect(210, 0, 300, 10), area));
}

TEST_F(GeometryTest, ClampOffsetKeepsTheClientInsideTheExtent)
{
    EXPECT_EQ(Geo.ClampOffset({-5, -1}), (TXLSize{0, 0}));
    EXPECT_EQ(Geo.ClampOffset({200, 190}), (TXLSize{110, 150}));
    EXPECT_EQ(Geo.ClampOffset({40, 30}), (TXLSize{40, 30}));
    Geo.SetClientSize({300, 500});
    EXPECT_EQ(Geo.ClampOffset({40, 30}), (TXLSize{0, 0}));
}

TEST_F(GeometryTest, ScrollCodesMoveByLinesAndPages)
{
    struct Row {
        TXLScrollCode Code;
        int Offset;
        int Thumb;
        bool Tracking;
        int Target;
    };
    // Horizontal: page 100, last offset 110.
    const Row table[] = {
        {scLineDown, 0, 0, true, 60},     {scLineDown, 60, 0, true, 90},    {scLineUp, 90, 0, true, 60},
        {scLineUp, 75, 0, true, 60},      {scLineUp, 0, 0, true, 0},        {scPageDown, 0, 0, true, 90},
        {scPageDown, 90, 0, true, 110},   {scPageUp, 100, 0, true, 0},      {scThumbTrack, 10, 47, true, 47},
        {scThumbTrack, 10, 47, false, 10}, {scThumbPosition, 0, 47, false, 0}, {scThumbPosition, 0, 97, false, 90},
        {scThumbPosition, 0, 97, true, 97}, {scTop, 70, 0, true, 0},        {scBottom, 0, 0, true, 110},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(testing::Message() << "code " << row.Code << " at " << row.Offset);
        Geo.SetOffset({row.Offset, 0});
        EXPECT_EQ(Geo.ScrollTarget(sCols, row.Code, row.Thumb, row.Tracking), row.Target);
    }
}

TEST(TXLGeometry, LineDownFromAHiddenColumnGoesPastTheNextVisibleOne)
{
    TXLLineSizes widths;
    MakeLines(widths, 64, 4, {{1, 0}});
    TXLLineSizes heights;
    MakeLines(heights, 20, 1, {});
    TXLGeometry geo;
    geo.SetLines(&widths, &heights);
    geo.SetExtent({widths.Total(), heights.Total()});
    geo.SetClientSize({50, 20});
    geo.SetOffset({64, 0});
    EXPECT_EQ(geo.ScrollTarget(sCols, scLineDown, 0, true), 128);
}

TEST(TXLGeometry, PageDownThroughALineTallerThanThePageStepsOneLine)
{
    TXLLineSizes widths;
    MakeLines(widths, 50, 1, {});
    TXLLineSizes heights;
    MakeLines(heights, 20, 10, {{1, 300}});
    TXLGeometry geo;
    geo.SetLines(&widths, &heights);
    geo.SetExtent({widths.Total(), heights.Total()});
    geo.SetClientSize({50, 100});
    geo.SetOffset({0, 20});
    EXPECT_EQ(geo.ScrollTarget(sRows, scPageDown, 0, true), 320);
}

TEST(TXLGeometry, ScrollBarFactorHalvesUntilTheRangeFits)
{
    TXLGeometry geo;
    geo.SetExtent({100000, 32000});
    geo.SetClientSize({400, 300});
    geo.SetOffset({1000, 7});
    const TXLScrollBarInfo h = geo.ScrollBarInfo(sCols);
    EXPECT_EQ(h.Factor, 4);
    EXPECT_EQ(h.Extent, 25000);
    EXPECT_EQ(h.Page, 100);
    EXPECT_EQ(h.Position, 250);
    const TXLScrollBarInfo v = geo.ScrollBarInfo(sRows);
    EXPECT_EQ(v.Factor, 1);
    EXPECT_EQ(v.Position, 7);
}

TEST_F(GeometryTest, VisibleOffsetShowsTheAreaAtAWholeLine)
{
    TXLSize offset;
    // Column 4 ends at 210: the offset grows by 110 and stays there.
    ASSERT_TRUE(Geo.VisibleOffset(Rect(4, 0, 5, 1), offset));
    EXPECT_EQ(offset, (TXLSize{110, 0}));
    // Row 5 ends at 120 > 50: offset 70 falls inside row 3, before the
    // area, so the view starts with row 4.
    ASSERT_TRUE(Geo.VisibleOffset(Rect(0, 5, 1, 6), offset));
    EXPECT_EQ(offset, (TXLSize{0, 80}));
    // Back to the start.
    Geo.SetOffset({110, 80});
    ASSERT_TRUE(Geo.VisibleOffset(Rect(0, 0, 1, 1), offset));
    EXPECT_EQ(offset, (TXLSize{0, 0}));
    // Already visible, and beyond the extent: nothing.
    Geo.SetOffset({0, 0});
    EXPECT_FALSE(Geo.VisibleOffset(Rect(0, 0, 1, 1), offset));
    EXPECT_FALSE(Geo.VisibleOffset(Rect(7, 0, 8, 1), offset));
}

TEST_F(GeometryTest, BordersAreWithinReachOfALinesEdges)
{
    struct Row {
        int X;
        bool Near;
        int Border;
        int Cell;
    };
    // Column starts 0, 60 (hidden 1), 60, 90, 150.
    const Row table[] = {
        {1, true, -1, 0}, {3, false, -1, 0}, {57, false, -1, 0}, {58, true, 0, 0},
        {60, true, 0, 2}, {62, true, 0, 2},  {63, false, -1, 2}, {88, true, 2, 2},
        {92, true, 2, 3},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.X);
        TXLBorderHit hit;
        ASSERT_TRUE(Geo.HitBorders({row.X, 10}, hit));
        EXPECT_EQ(hit.ColNear, row.Near);
        if (row.Near) {
            EXPECT_EQ(hit.ColBorder, row.Border);
        }
        EXPECT_EQ(hit.Cell.X, row.Cell);
    }
    TXLBorderHit hit;
    EXPECT_FALSE(Geo.HitBorders({-1, 10}, hit));
    Geo.SetOffset({150, 0});
    EXPECT_FALSE(Geo.HitBorders({60, 10}, hit));
}

}  // namespace
