#include "grid/TXLLineSizes.h"

#include <gtest/gtest.h>

namespace {

// Widths 60, 0 (hidden), 30, 60, 0, 0, 10 then the default 60 past Count.
void MakeLines(TXLLineSizes& lines)
{
    TXLSizeList sheet;
    sheet.SetZero(60);
    sheet.SetCount(7);
    sheet.SetInt(1, 0);
    sheet.SetInt(2, 30);
    sheet.SetInt(4, 0);
    sheet.SetInt(5, 0);
    sheet.SetInt(6, 10);
    lines.Assign(sheet, 100);
}

TEST(TXLLineSizes, StartsAreRunningSumsAndContinueWithTheDefault)
{
    TXLLineSizes lines;
    MakeLines(lines);
    const int starts[] = {0, 60, 60, 90, 150, 150, 150, 160, 220};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lines.Start(i), starts[i]);
    }
    EXPECT_EQ(lines.Total(), 160);
    EXPECT_EQ(lines.Start(-3), 0);
    EXPECT_EQ(lines.Size(-1), 0);
    EXPECT_EQ(lines.Size(100), 60);
}

TEST(TXLLineSizes, LookupSkipsHiddenLinesAndMovesToTheLineStart)
{
    TXLLineSizes lines;
    MakeLines(lines);
    struct Row {
        int Pos, Line, Start;
    };
    const Row table[] = {
        {-5, 0, 0},   {0, 0, 0},     {59, 0, 0},    {60, 2, 60},    {89, 2, 60},   {90, 3, 90},
        {149, 3, 90}, {150, 6, 150}, {159, 6, 150}, {160, 7, 160},  {219, 7, 160}, {220, 8, 220},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.Pos);
        int pos = row.Pos;
        EXPECT_EQ(lines.Lookup(pos), row.Line);
        EXPECT_EQ(pos, row.Start);
    }
}

TEST(TXLLineSizes, LookupAgreesWithTheSheetListsScan)
{
    TXLSizeList sheet;
    sheet.SetZero(17);
    sheet.SetCount(40);
    for (int i = 0; i < 40; i += 3)
        sheet.SetInt(i, (i * 7) % 23);
    TXLLineSizes lines;
    lines.Assign(sheet, 100);
    for (int pos = 1; pos < lines.Total(); ++pos) {
        SCOPED_TRACE(pos);
        int ours = pos;
        int theirs = pos;
        EXPECT_EQ(lines.Lookup(ours), sheet.ScanIndex(theirs));
        EXPECT_EQ(ours, theirs);
    }
}

TEST(TXLLineSizes, AssignScalesEverySizeWithIntegerDivision)
{
    TXLSizeList sheet;
    sheet.SetZero(15);
    sheet.SetCount(3);
    sheet.SetInt(1, 141);
    TXLLineSizes lines;
    lines.Assign(sheet, 85);
    EXPECT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines.Default(), 12);
    EXPECT_EQ(lines.Size(0), 12);
    EXPECT_EQ(lines.Size(1), 119);
    EXPECT_EQ(lines.Total(), 143);
}

TEST(TXLLineSizes, ModifyInsertsDefaultLinesAndRemovesLines)
{
    TXLLineSizes lines;
    MakeLines(lines);
    lines.Modify(2, 2);
    EXPECT_EQ(lines.Count(), 9);
    EXPECT_EQ(lines.Size(2), 60);
    EXPECT_EQ(lines.Size(4), 30);
    EXPECT_EQ(lines.Total(), 280);
    lines.Modify(0, -3);
    EXPECT_EQ(lines.Count(), 6);
    EXPECT_EQ(lines.Size(0), 60);
    EXPECT_EQ(lines.Size(1), 30);
    // Removing past the end stops at the end.
    lines.Modify(4, -10);
    EXPECT_EQ(lines.Count(), 4);
    lines.Clear();
    EXPECT_EQ(lines.Count(), 0);
    EXPECT_EQ(lines.Total(), 0);
    int pos = 50;
    EXPECT_EQ(lines.Lookup(pos), 0);
    EXPECT_EQ(pos, 0);
}

TEST(TXLLineSizes, SetSizeInvalidatesTheCachedStarts)
{
    TXLLineSizes lines;
    MakeLines(lines);
    EXPECT_EQ(lines.Start(4), 150);
    lines.SetSize(1, 25);
    EXPECT_EQ(lines.Start(4), 175);
    int pos = 70;
    EXPECT_EQ(lines.Lookup(pos), 1);
    EXPECT_EQ(pos, 60);
}

}  // namespace
