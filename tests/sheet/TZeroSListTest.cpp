#include "SListTestSupport.h"

#include "sheet/TZeroSList.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

namespace {

TEST(TZeroSList, StoresDifferencesFromTheDefault)
{
    TZeroSList list;
    list.SetZero(15);
    EXPECT_EQ(list.GetInt(0), 15);
    EXPECT_EQ(list.GetInt(-1), 15);
    list.SetInt(3, 40);
    EXPECT_EQ(list.GetAt(3), 25);
    EXPECT_EQ(list.GetInt(3), 40);
    list.SetInt(4, 0);  // a hidden entry is a stored -15
    EXPECT_EQ(list.GetAt(4), -15);
    list.SetInt(3, 15);  // back to the default: the slot empties
    EXPECT_EQ(list.GetAt(3), 0);
    EXPECT_EQ(list.HighBound(), 4);
    list.SetInt(9, 15);  // the default into an empty slot stores nothing
    EXPECT_EQ(list.HighBound(), 4);

    // Any 32-bit value survives, however far from the default.
    list.SetInt(5, INT_MIN);
    list.SetInt(6, INT_MAX);
    EXPECT_EQ(list.GetInt(5), INT_MIN);
    EXPECT_EQ(list.GetInt(6), INT_MAX);
}

TEST(TZeroSList, SetZeroDiscardsIndividualValues)
{
    TZeroSList list;
    list.SetCount(10);
    list.SetZero(60);
    list.SetInt(2, 80);
    list.SetZero(60);  // even an unchanged default clears
    EXPECT_EQ(list.GetInt(2), 60);
    EXPECT_TRUE(list.Empty());
    list.SetInt(2, 80);
    list.SetZero(70);
    EXPECT_EQ(list.GetInt(2), 70);
    EXPECT_EQ(list.Count(), 10);
}

TEST(TZeroSList, SummToWalksBlocksAndDefaults)
{
    TZeroSList list;
    list.SetZero(15);
    EXPECT_EQ(list.SummTo(4), 60);
    list.SetInt(1, 0);
    list.SetInt(15, 20);
    list.SetInt(16, 100);
    list.SetInt(40, 1);
    struct TCase {
        int N;
        int32_t Sum;
    };
    const TCase cases[] = {
        {-3, 0}, {0, 0}, {1, 15}, {2, 15}, {15, 15 * 14}, {16, 15 * 14 + 20}, {17, 15 * 14 + 20 + 100},
        {32, 15 * 29 + 120}, {41, 15 * 37 + 121}, {1000, 15 * 996 + 121},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE("n = " + std::to_string(c.N));
        EXPECT_EQ(list.SummTo(c.N), c.Sum);
    }
}

TEST(TZeroSList, ScanIndexFindsTheExtentHoldingAnOffset)
{
    struct TCase {
        const char* Name;
        int32_t Zero;
        std::vector<std::pair<int, int32_t>> Values;
        int Pos;
        int Index;
        int Start;
    };
    const std::vector<TCase> cases = {
        {"defaults only", 15, {}, 40, 2, 30},
        {"on an edge", 15, {}, 45, 3, 45},
        {"hidden entry passed over", 15, {{1, 0}}, 20, 2, 15},
        {"hidden entries at the start", 15, {{0, 0}, {1, 0}}, 0, 0, 0},
        {"hidden first, positive pos", 15, {{0, 0}}, 3, 1, 0},
        {"wide entry", 10, {{2, 100}}, 75, 2, 20},
        {"inside a later block", 10, {{2, 100}}, 300, 21, 300},
        {"inside a later block, mid extent", 10, {{2, 100}}, 296, 20, 290},
        {"past a stored block", 10, {{17, 5}}, 180, 18, 175},
        {"inside a short extent", 10, {{17, 5}}, 174, 17, 170},
        {"past the directory", 10, {{17, 5}}, 1000000, 100000, 999995},
        {"across an absent block", 10, {{40, 50}}, 405, 40, 400},
        {"hidden entry right after an absent block", 10, {{16, 0}}, 160, 17, 160},
        {"negative pos", 15, {}, -7, 0, 0},
        {"zero default", 0, {{0, 5}}, 30, 0, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TZeroSList list;
        list.SetZero(c.Zero);
        for (const auto& [index, value] : c.Values)
            list.SetInt(index, value);
        int pos = c.Pos;
        EXPECT_EQ(list.ScanIndex(pos), c.Index);
        EXPECT_EQ(pos, c.Start);
    }
}

TEST(TZeroSList, SummToAndScanIndexAgreeWithAPlainWalk)
{
    std::mt19937 random(77);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int round = 0; round < 40; ++round) {
        TZeroSList list;
        const int32_t zero = pick(1, 30);
        list.SetZero(zero);
        std::vector<int32_t> sizes(200, zero);
        for (int k = 0; k < 60; ++k) {
            const int i = pick(0, 199);
            sizes[i] = pick(0, 3) == 0 ? 0 : pick(0, 80);
            list.SetInt(i, sizes[i]);
        }
        SCOPED_TRACE("round " + std::to_string(round));
        int32_t sum = 0;
        for (int n = 0; n <= 200; ++n) {
            ASSERT_EQ(list.SummTo(n), sum) << "n = " << n;
            if (n < 200)
                sum += sizes[n];
        }
        for (int k = 0; k < 100; ++k) {
            const int target = pick(1, sum - 1);
            int start = 0, index = 0;
            while (sizes[index] == 0 || start + sizes[index] <= target)
                start += sizes[index++];
            int pos = target;
            ASSERT_EQ(list.ScanIndex(pos), index) << "pos = " << target;
            EXPECT_EQ(pos, start);
            EXPECT_EQ(list.SummTo(index), start);
        }
    }
}

} // namespace
