// The index of merged areas against a scan of all areas (the last area
// containing the position wins), on random areas, and a section keeping its
// index right through merges, splits and shifts.
#include "sheet/TXLUnionIndex.h"

#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLUnion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <vector>

namespace {

int Scan(const std::vector<TRect>& areas, TPoint p)
{
    for (int i = static_cast<int>(areas.size()) - 1; i >= 0; --i)
        if (areas[static_cast<size_t>(i)].Contains(p))
            return i;
    return -1;
}

// Areas in a grid of cells of cellSize, each somewhere inside its cell, so
// none overlap.
std::vector<TRect> DisjointAreas(std::mt19937& random, int count, int cellSize)
{
    std::uniform_int_distribution<int> size(1, cellSize);
    std::vector<TRect> areas;
    const int perRow = 40;
    for (int i = 0; i < count; ++i) {
        const int w = size(random);
        const int h = size(random);
        const int left = (i % perRow) * cellSize + std::uniform_int_distribution<int>(0, cellSize - w)(random);
        const int top = (i / perRow) * cellSize + std::uniform_int_distribution<int>(0, cellSize - h)(random);
        areas.push_back(Rect(left, top, left + w, top + h));
    }
    std::shuffle(areas.begin(), areas.end(), random);
    return areas;
}

std::vector<TRect> AnyAreas(std::mt19937& random, int count, int extent)
{
    std::uniform_int_distribution<int> at(-2, extent);
    std::vector<TRect> areas;
    for (int i = 0; i < count; ++i) {
        const int a = at(random), b = at(random), c = at(random), d = at(random);
        // Some come out empty or inverted: those cover nothing.
        areas.push_back(Rect(a, c, i % 7 ? std::max(a, b) + 1 : b, i % 11 ? std::max(c, d) + 1 : d));
    }
    return areas;
}

void ExpectSameAsScan(const std::vector<TRect>& areas, std::mt19937& random, int extent, int probes)
{
    TXLUnionIndex index;
    index.Build(areas);
    std::uniform_int_distribution<int> at(-3, extent + 3);
    int hits = 0;
    for (int i = 0; i < probes; ++i) {
        const TPoint p{at(random), at(random)};
        const int expected = Scan(areas, p);
        ASSERT_EQ(index.Find(p), expected) << "at (" << p.X << ", " << p.Y << ")";
        hits += expected >= 0;
    }
    // Every area's corners are found too, not only random positions.
    for (size_t i = 0; i < areas.size(); ++i) {
        const TRect& r = areas[i];
        for (const TPoint p : {r.TopLeft(), TPoint{r.Right - 1, r.Bottom - 1}, TPoint{r.Right, r.Top}, TPoint{r.Left, r.Bottom}})
            ASSERT_EQ(index.Find(p), Scan(areas, p)) << "corner of area " << i;
    }
    EXPECT_GT(hits, 0) << "the probes should land in some areas";
}

TEST(TXLUnionIndexTest, AgreesWithAScanOnRandomAreas)
{
    struct Case {
        const char* Name;
        bool Disjoint;
        int Count;
        int Size;  // cell size (disjoint) or extent (any)
    };
    const Case cases[] = {
        {"one area", true, 1, 5},
        {"a few disjoint", true, 7, 4},
        {"many small disjoint", true, 1000, 3},
        {"4096 disjoint", true, 4096, 6},
        {"overlapping", false, 50, 30},
        {"many overlapping", false, 600, 200},
    };
    std::mt19937 random(7);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::vector<TRect> areas =
            c.Disjoint ? DisjointAreas(random, c.Count, c.Size) : AnyAreas(random, c.Count, c.Size);
        const int extent = c.Disjoint ? 40 * c.Size : c.Size;
        ExpectSameAsScan(areas, random, extent, 20000);
    }
}

TEST(TXLUnionIndexTest, EmptyAndDegenerateInputs)
{
    TXLUnionIndex index;
    EXPECT_EQ(index.Find({0, 0}), -1);
    index.Build({});
    EXPECT_EQ(index.Find({0, 0}), -1);
    index.Build({Rect(3, 3, 3, 9), Rect(5, 5, 4, 6)});
    EXPECT_EQ(index.Find({3, 3}), -1);
    // Areas reaching the ends of the coordinate range.
    index.Build({Rect(0, 0, INT_MAX, 1), Rect(0, 1, 1, INT_MAX), Rect(INT_MIN, INT_MIN, -5, -5)});
    EXPECT_EQ(index.Find({INT_MAX - 1, 0}), 0);
    EXPECT_EQ(index.Find({0, INT_MAX - 1}), 1);
    EXPECT_EQ(index.Find({1, 1}), -1);
    EXPECT_EQ(index.Find({-6, INT_MIN}), 2);
    index.Clear();
    EXPECT_EQ(index.Find({0, 0}), -1);
}

// Every position of the section's extent finds what a scan of its areas finds.
void ExpectSectionAgrees(const TXLSection& section)
{
    std::vector<TRect> areas;
    for (int i = 0; i < section.GetUnionCount(); ++i)
        areas.push_back(section.GetUnion(i)->GetBounds());
    const TRect extent = section.GetExtent();
    for (int y = extent.Top; y < extent.Bottom; ++y)
        for (int x = extent.Left; x < extent.Right; ++x) {
            const int i = Scan(areas, {x, y});
            ASSERT_EQ(section.FindUnion({x, y}), i < 0 ? nullptr : section.GetUnion(i)) << x << ", " << y;
        }
}

TEST(TXLUnionIndexTest, SectionFindsTheRightAreaThroughChanges)
{
    TXLSheet sheet;
    sheet.SetColCount(60);
    sheet.SetRowCount(60);
    TPoint at;
    TXLSection& section = *sheet.GetSection(sheet.MapToSector(0, 0, at));
    std::mt19937 random(11);
    std::uniform_int_distribution<int> pos(0, 57);
    std::uniform_int_distribution<int> size(2, 4);
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        for (int i = 0; i < 40; ++i) {
            const int x = pos(random), y = pos(random);
            section.MergeArea(Rect(x, y, x + size(random), y + size(random)));
        }
        ExpectSectionAgrees(section);
        // Rows and columns inserted and deleted move, widen and drop areas.
        sheet.ModifyRows(pos(random), 2);
        sheet.ModifyCols(pos(random), -3);
        ExpectSectionAgrees(section);
        section.SplitArea(Rect(0, 0, 20, 20));
        ExpectSectionAgrees(section);
        sheet.SetColCount(60);
        sheet.SetRowCount(60);
    }
    EXPECT_GT(section.GetUnionCount(), 8) << "enough areas for the index to be used";
}

}  // namespace
