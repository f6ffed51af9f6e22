#include "SListTestSupport.h"

#include "base/ERAVazoError.h"
#include "sheet/TSList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <random>
#include <string>

namespace {

using TCalls = std::vector<std::pair<int, int>>;

// Fills a list with value 100 + i at each of the given indices.
template <class TList>
void Fill(TList& list, std::initializer_list<int> indices)
{
    for (int i : indices)
        list.PutAt(i, 100 + i);
}

std::vector<std::pair<int, long long>> Items(const TSList& list)
{
    return Snapshot(list).Items;
}

TEST(TSListStore, EmptyListReadsEmptyEverywhere)
{
    TSList list;
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.HighBound(), -1);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.DirectoryLength(), 0);
    for (int i : {-5, -1, 0, 15, 16, SListMaxIndex, INT_MAX})
        EXPECT_EQ(list.GetAt(i), 0) << i;
    list.PutAt(40, 7);
    for (int i : {0, 39, 41, 47, 48, 1000})
        EXPECT_EQ(list.GetAt(i), 0) << i;
}

TEST(TSListStore, ReadsOutsideTheBoundLeaveTheCache)
{
    TSList list;
    Fill(list, {3, 9});
    EXPECT_EQ(list.CachedIndex(), -1);
    EXPECT_EQ(list.GetAt(3), 103);
    EXPECT_EQ(list.CachedIndex(), 3);
    EXPECT_EQ(list.GetAt(-1), 0);
    EXPECT_EQ(list.GetAt(list.HighBound() + 1), 0);
    EXPECT_EQ(list.CachedIndex(), 3);
    // An absent or empty slot inside the bound is cached like any other.
    EXPECT_EQ(list.GetAt(5), 0);
    EXPECT_EQ(list.CachedIndex(), 5);
}

TEST(TSListStore, PutAtAllocatesOnlyForValues)
{
    TSList list;
    list.PutAt(5, 0);
    EXPECT_EQ(list.BlockCount(), 0);
    EXPECT_EQ(list.HighBound(), -1);

    list.PutAt(20, 9);
    EXPECT_EQ(list.HighBound(), 20);
    EXPECT_EQ(list.DirectoryLength(), 2);
    EXPECT_EQ(list.BlockCount(), 1);
    list.PutAt(20, 0);
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.HighBound(), -1);
    EXPECT_EQ(list.BlockCount(), 1);  // the block stays until Clear

    Fill(list, {2, 40, 70});
    list.PutAt(70, 0);
    EXPECT_EQ(list.HighBound(), 40);
    list.PutAt(2, 0);
    EXPECT_EQ(list.HighBound(), 40);
}

TEST(TSListStore, InsertShiftsAcrossBlocksAndReportsTheRanges)
{
    struct TCase {
        const char* Name;
        std::vector<int> Before;
        int At;
        int32_t Item;
        std::vector<std::pair<int, long long>> After;
        TCalls Calls;
    };
    const std::vector<TCase> cases = {
        {"into 0..4", {0, 1, 2, 3, 4}, 2, 7,
         {{0, 100}, {1, 101}, {2, 7}, {3, 102}, {4, 103}, {5, 104}}, {{3, 5}, {2, 2}}},
        {"block edge", {14, 15, 16, 31}, 15, 7,
         {{14, 114}, {15, 7}, {16, 115}, {17, 116}, {32, 131}}, {{16, 32}, {15, 15}}},
        {"at 0, top crosses into a new block", {0, 47}, 0, 0,
         {{1, 100}, {48, 147}}, {{1, 48}, {0, 0}}},
        {"above the bound", {3}, 40, 7, {{3, 103}, {40, 7}}, {{41, 40}, {40, 40}}},
        {"empty item above the bound", {3}, 40, 0, {{3, 103}}, {{41, 3}, {40, 40}}},
        {"at the bound", {3, 16}, 16, 7, {{3, 103}, {16, 7}, {17, 116}}, {{17, 17}, {16, 16}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TRecordingList list;
        for (int i : c.Before)
            list.PutAt(i, 100 + i);
        list.Insert(c.At, c.Item);
        EXPECT_EQ(Items(list), c.After);
        EXPECT_EQ(list.Calls, c.Calls);
        EXPECT_EQ(list.HighBound(), c.After.back().first);
    }
}

TEST(TSListStore, DeleteShiftsAcrossBlocksAndReportsTheRanges)
{
    struct TCase {
        const char* Name;
        std::vector<int> Before;
        int At;
        std::vector<std::pair<int, long long>> After;
        TCalls Calls;
    };
    const std::vector<TCase> cases = {
        {"middle", {0, 1, 2, 3}, 1, {{0, 100}, {1, 102}, {2, 103}}, {{1, 3}}},
        {"block edge", {14, 15, 16, 17, 40}, 15, {{14, 114}, {15, 116}, {16, 117}, {39, 140}}, {{15, 40}}},
        {"across an absent block", {1, 48}, 0, {{0, 101}, {47, 148}}, {{0, 48}}},
        {"the top", {2, 33}, 33, {{2, 102}}, {{33, 33}}},
        {"above the bound", {2, 33}, 34, {{2, 102}, {33, 133}}, {}},
        {"the only one", {16}, 16, {}, {{16, 16}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TRecordingList list;
        for (int i : c.Before)
            list.PutAt(i, 100 + i);
        list.Delete(c.At);
        EXPECT_EQ(Items(list), c.After);
        EXPECT_EQ(list.Calls, c.Calls);
        EXPECT_EQ(list.HighBound(), c.After.empty() ? -1 : c.After.back().first);
    }
}

TEST(TSListStore, ExchangeMoveAndModify)
{
    TRecordingList list;
    Fill(list, {1, 2, 20});

    list.Exchange(1, 40);
    EXPECT_EQ(Items(list), (std::vector<std::pair<int, long long>>{{2, 102}, {20, 120}, {40, 101}}));
    EXPECT_EQ(list.Calls, (TCalls{{1, 1}, {40, 40}}));
    list.Exchange(40, 1);
    EXPECT_EQ(list.HighBound(), 20);

    list.Calls.clear();
    list.Move(1, 18);  // Delete(1), then Insert(18) in the shorter list
    EXPECT_EQ(Items(list), (std::vector<std::pair<int, long long>>{{1, 102}, {18, 101}, {20, 120}}));
    EXPECT_EQ(list.Calls, (TCalls{{1, 20}, {19, 20}, {18, 18}}));

    list.Calls.clear();
    list.Move(5, 5);
    EXPECT_TRUE(list.Calls.empty());

    list.Calls.clear();
    list.Modify(1, 2);
    EXPECT_EQ(Items(list), (std::vector<std::pair<int, long long>>{{3, 102}, {20, 101}, {22, 120}}));
    EXPECT_EQ(list.Calls, (TCalls{{2, 21}, {1, 1}, {2, 22}, {1, 1}}));

    list.Calls.clear();
    list.Modify(2, -18);  // 2..19 go; the deletions stop at the top
    EXPECT_EQ(Items(list), (std::vector<std::pair<int, long long>>{{2, 101}, {4, 120}}));
    EXPECT_EQ(list.Calls.size(), 18u);
    EXPECT_EQ(list.Calls.front(), (std::pair<int, int>{2, 22}));
    list.Calls.clear();
    list.Modify(3, -1000);
    EXPECT_EQ(Items(list), (std::vector<std::pair<int, long long>>{{2, 101}}));
    EXPECT_EQ(list.Calls, (TCalls{{3, 4}, {3, 3}}));
}

TEST(TSListStore, SetCountCutsFromTheTopAndClearKeepsCount)
{
    TSList list;
    Fill(list, {1, 4, 9, 30});
    list.SetCount(5);
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(Items(list), (std::vector<std::pair<int, long long>>{{1, 101}, {4, 104}}));
    list.SetCount(100);  // growing stores nothing
    EXPECT_EQ(list.HighBound(), 4);

    list.Clear();
    EXPECT_EQ(list.Count(), 100);
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.DirectoryLength(), 0);
    EXPECT_EQ(list.GetAt(1), 0);
}

TEST(TSListStore, ForAllStopsAtTheFirstNonZeroResult)
{
    TSList list;
    Fill(list, {0, 17, 33, 70});
    std::vector<int> seen;
    const int result = list.ForAll([&](int i, int32_t) {
        seen.push_back(i);
        return i == 33 ? -4 : 0;
    });
    EXPECT_EQ(result, -4);
    EXPECT_EQ(seen, (std::vector<int>{0, 17, 33}));
    EXPECT_EQ(list.ForAll([](int, int32_t) { return 0; }), 0);
}

TEST(TSListStore, RawBlocksRoundTripForTheStream)
{
    TSList list;
    Fill(list, {2, 35});
    list.PutAt(35, 0);  // an allocated block of zeros is still a block
    std::vector<int> blocks;
    TSList copy;
    list.ForAllBlocks([&](int k, const int32_t* slots) {
        blocks.push_back(k);
        copy.PutBlock(k, slots);
    });
    EXPECT_EQ(blocks, (std::vector<int>{0, 2}));
    EXPECT_EQ(copy.HighBound(), 47);  // raw writes raise the bound blindly
    copy.ResetHighBound();
    EXPECT_EQ(copy.HighBound(), 2);
    EXPECT_EQ(Snapshot(copy), Snapshot(list));

    TSList made;
    made.MakeAt(21) = 5;
    EXPECT_EQ(made.HighBound(), 21);
    EXPECT_EQ(made.GetAt(21), 5);
}

TEST(TSListStore, TheLastIndexIsUsable)
{
    TSList list;
    list.PutAt(SListMaxIndex, 7);
    EXPECT_EQ(list.GetAt(SListMaxIndex), 7);
    EXPECT_EQ(list.HighBound(), SListMaxIndex);
    EXPECT_EQ(list.DirectoryLength(), 65536);
    list.PutAt(3, 1);
    list.Delete(0);
    EXPECT_EQ(list.GetAt(SListMaxIndex - 1), 7);
    list.Insert(0, 2);  // the top moves back to the last slot
    EXPECT_EQ(list.GetAt(SListMaxIndex), 7);
    list.SetCount(SListMaxCount);
    EXPECT_EQ(list.HighBound(), SListMaxIndex);
    list.SetCount(0);
    EXPECT_TRUE(list.Empty());
}

TEST(TSListStore, OutOfBoundsIndicesAndCountsAreRejectedWithoutChange)
{
    TSList list;
    Fill(list, {0, 5, 17});
    list.PutAt(SListMaxIndex, 9);
    list.SetCount(SListMaxCount);
    const int32_t block[SListBlockSize] = {1};
    const std::vector<std::pair<const char*, std::function<void()>>> operations = {
        {"PutAt above", [&] { list.PutAt(SListMaxCount, 1); }},
        {"PutAt negative", [&] { list.PutAt(-1, 1); }},
        {"PutAt empty above", [&] { list.PutAt(SListMaxCount, 0); }},
        {"MakeAt above", [&] { list.MakeAt(SListMaxCount); }},
        {"Insert above", [&] { list.Insert(SListMaxCount, 1); }},
        {"Insert negative", [&] { list.Insert(-1, 1); }},
        {"Insert pushing the last slot out", [&] { list.Insert(3, 1); }},
        {"Delete above", [&] { list.Delete(SListMaxCount); }},
        {"Delete negative", [&] { list.Delete(-1); }},
        {"Exchange above", [&] { list.Exchange(0, SListMaxCount); }},
        {"Exchange negative", [&] { list.Exchange(-1, 0); }},
        {"Move from above", [&] { list.Move(SListMaxCount, 0); }},
        {"Move to negative", [&] { list.Move(0, -1); }},
        {"Modify negative", [&] { list.Modify(-1, 1); }},
        {"Modify above", [&] { list.Modify(SListMaxCount, -1); }},
        {"Modify pushing the last slot out", [&] { list.Modify(0, 1); }},
        {"Modify count too large", [&] { list.Modify(0, -SListMaxCount - 1); }},
        {"Modify INT_MIN", [&] { list.Modify(0, INT_MIN); }},
        {"SetCount negative", [&] { list.SetCount(-1); }},
        {"SetCount too large", [&] { list.SetCount(SListMaxCount + 1); }},
        {"PutBlock above", [&] { list.PutBlock(65536, block); }},
        {"PutBlock negative", [&] { list.PutBlock(-1, block); }},
    };
    const TSListSnapshot before = Snapshot(list);
    for (const auto& [name, operation] : operations) {
        SCOPED_TRACE(name);
        EXPECT_THROW(operation(), ERAVazoError);
        EXPECT_EQ(Snapshot(list), before);
    }
    try {
        list.PutAt(SListMaxCount, 1);
    } catch (const ERAVazoError& error) {
        EXPECT_EQ(std::string(error.what()), "List index out of bounds (1048576)");
    }
}

TEST(TSListStore, InsertNearTheEndFailsOnlyWhenAValueWouldFallOff)
{
    TSList list;
    list.PutAt(SListMaxIndex - 2, 1);
    EXPECT_THROW(list.Modify(0, 3), ERAVazoError);
    EXPECT_EQ(list.GetAt(SListMaxIndex - 2), 1);
    list.Modify(0, 2);
    EXPECT_EQ(list.GetAt(SListMaxIndex), 1);
    EXPECT_THROW(list.Insert(SListMaxIndex, 5), ERAVazoError);
    EXPECT_EQ(list.GetAt(SListMaxIndex), 1);
    // Once the top slot is free, inserting there or below it is fine again.
    list.Delete(SListMaxIndex);
    list.Insert(SListMaxIndex, 5);
    EXPECT_EQ(list.GetAt(SListMaxIndex), 5);
    list.PutAt(SListMaxIndex, 0);
    list.PutAt(SListMaxIndex - 1, 6);
    list.Insert(0, 0);
    EXPECT_EQ(list.GetAt(SListMaxIndex), 6);
}

// A dense vector that does what the sparse list must do, slot for slot.
class TDenseReference {
public:
    int32_t Get(int i) const { return i >= 0 && i < static_cast<int>(FSlots.size()) ? FSlots[i] : 0; }
    void Put(int i, int32_t v)
    {
        Grow(i + 1);
        FSlots[i] = v;
    }
    void Insert(int i, int32_t v)
    {
        Grow(i);
        FSlots.insert(FSlots.begin() + i, v);
    }
    int32_t Delete(int i)
    {
        if (i >= static_cast<int>(FSlots.size()))
            return 0;
        const int32_t v = FSlots[i];
        FSlots.erase(FSlots.begin() + i);
        return v;
    }
    void Truncate(int n)
    {
        if (n < static_cast<int>(FSlots.size()))
            FSlots.resize(n);
    }
    int Highest() const
    {
        for (int i = static_cast<int>(FSlots.size()) - 1; i >= 0; --i)
            if (FSlots[i] != 0)
                return i;
        return -1;
    }

private:
    void Grow(int n)
    {
        if (static_cast<int>(FSlots.size()) < n)
            FSlots.resize(n);
    }
    std::vector<int32_t> FSlots;
};

TEST(TSListStore, RandomOperationsMatchADenseReference)
{
    std::mt19937 random(20240611);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    TSList list;
    TDenseReference reference;
    for (int step = 0; step < 6000; ++step) {
        const int span = std::max(reference.Highest(), 0) + 24;
        const int i = pick(0, std::min(span, 900));
        const int j = pick(0, std::min(span, 900));
        // Mostly values, sometimes zeros, so that slots empty and blocks stay.
        const int32_t value = pick(0, 3) == 0 ? 0 : pick(-1000, 1000);
        // Prime the cache with the slot the operation touches, so that a
        // write that leaves the cache stale shows in the checks below.
        list.GetAt(pick(0, 1) ? i : j);
        std::string op;
        switch (pick(0, 8)) {
        case 0:
        case 1:
            op = "PutAt";
            list.PutAt(i, value);
            reference.Put(i, value);
            break;
        case 2:
            op = "Insert";
            list.Insert(i, value);
            reference.Insert(i, value);
            break;
        case 3:
            op = "Delete";
            EXPECT_EQ(list.Delete(i), reference.Delete(i));
            break;
        case 4: {
            op = "Exchange";
            const int32_t a = reference.Get(i), b = reference.Get(j);
            list.Exchange(i, j);
            reference.Put(i, b);
            reference.Put(j, a);
            break;
        }
        case 5: {
            op = "Move";
            list.Move(i, j);
            if (i != j)
                reference.Insert(j, reference.Delete(i));
            break;
        }
        case 6: {
            op = "Modify";
            const int n = pick(-40, 40);
            list.Modify(i, n);
            for (int k = 0; k < n; ++k)
                reference.Insert(i, 0);
            for (int k = 0; k < -n; ++k)
                reference.Delete(i);
            break;
        }
        case 7:
            op = "SetCount";
            if (pick(0, 5) == 0) {
                list.SetCount(i);
                reference.Truncate(i);
            }
            break;
        default:
            op = "Get";
            EXPECT_EQ(list.GetAt(i), reference.Get(i));
            break;
        }
        SCOPED_TRACE("step " + std::to_string(step) + " " + op);
        ASSERT_EQ(list.HighBound(), reference.Highest());
        for (int k = -1; k <= reference.Highest() + 40; ++k)
            ASSERT_EQ(list.GetAt(k), reference.Get(k)) << "index " << k;
        int expected = 0;
        list.ForAll([&](int k, int32_t v) {
            EXPECT_EQ(v, reference.Get(k));
            return ++expected, 0;
        });
        int nonEmpty = 0;
        for (int k = 0; k <= reference.Highest(); ++k)
            nonEmpty += reference.Get(k) != 0;
        ASSERT_EQ(expected, nonEmpty);
    }
}

} // namespace
