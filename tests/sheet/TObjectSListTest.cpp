#include "SListTestSupport.h"

#include "base/ERAVazoError.h"
#include "sheet/TObjectSList.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

namespace {

using TItems = TObjectSList<TCountedItem>;

std::unique_ptr<TCountedItem> Item(int id)
{
    return std::make_unique<TCountedItem>(id);
}

class TObjectSListTest : public ::testing::Test {
protected:
    void SetUp() override { TCountedItem::Reset(); }
    void TearDown() override { EXPECT_EQ(TCountedItem::Alive, 0) << "leaked items"; }
};

// Records the order in which its items are destroyed.
class TOrderList : public TItems {
public:
    ~TOrderList() override { Clear(); }
    std::vector<int> Destroyed;

protected:
    void DestroyItem(void* item) override
    {
        Destroyed.push_back(static_cast<TCountedItem*>(item)->Id);
        TItems::DestroyItem(item);
    }
};

TEST_F(TObjectSListTest, EmptySlotsReadAsNull)
{
    TItems list;
    EXPECT_EQ(list.GetAt(0), nullptr);
    list.PutAt(17, Item(17));
    EXPECT_EQ(list.GetAt(16), nullptr);
    EXPECT_EQ(list.GetAt(17)->Id, 17);
    EXPECT_EQ(list.GetAt(-1), nullptr);
}

TEST_F(TObjectSListTest, SetCountFreesFromTheTopDown)
{
    TOrderList list;
    for (int i : {1, 4, 9})
        list.PutAt(i, Item(i));
    list.SetCount(3);
    EXPECT_EQ(list.Destroyed, (std::vector<int>{9, 4}));
    EXPECT_EQ(list.GetAt(1)->Id, 1);
    EXPECT_EQ(TCountedItem::Alive, 1);
}

TEST_F(TObjectSListTest, EveryWayOutFreesExactlyOnce)
{
    TItems list;
    for (int i = 0; i < 40; i += 3)
        list.PutAt(i, Item(i));
    ASSERT_EQ(TCountedItem::Alive, 14);

    list.PutAt(3, Item(100));  // replaces: the old item goes
    EXPECT_EQ(TCountedItem::Freed, 1);
    list.PutAt(6, nullptr);
    EXPECT_EQ(TCountedItem::Freed, 2);
    list.PutAt(7, nullptr);  // nothing there
    EXPECT_EQ(TCountedItem::Freed, 2);

    list.Modify(9, -4);  // 9..12 go: items 9 and 12
    EXPECT_EQ(TCountedItem::Freed, 4);
    EXPECT_EQ(list.GetAt(11)->Id, 15);

    std::unique_ptr<TCountedItem> deleted = list.Delete(0);
    ASSERT_TRUE(deleted);
    EXPECT_EQ(deleted->Id, 0);
    EXPECT_EQ(TCountedItem::Freed, 4);  // handed back, not freed
    EXPECT_EQ(list.GetAt(2)->Id, 100);
    deleted.reset();

    std::unique_ptr<TCountedItem> extracted = list.Extract(2);
    EXPECT_EQ(extracted->Id, 100);
    EXPECT_EQ(list.GetAt(2), nullptr);
    EXPECT_EQ(list.GetAt(10)->Id, 15);  // nothing moved
    list.Insert(0, std::move(extracted));
    EXPECT_EQ(list.GetAt(0)->Id, 100);

    list.Clear();
    EXPECT_EQ(TCountedItem::Alive, 0);
    EXPECT_TRUE(list.Empty());

    {
        TItems scoped;
        scoped.PutAt(1000, Item(1));
        scoped.Insert(0, Item(2));
    }
    EXPECT_EQ(TCountedItem::Alive, 0);
}

TEST_F(TObjectSListTest, MovingSlotsKeepsOwnership)
{
    TItems list;
    for (int i = 0; i < 20; ++i)
        list.PutAt(i, Item(i));
    list.Exchange(0, 19);
    list.Move(3, 40);
    list.Move(40, 0);
    list.Exchange(5, 60);
    EXPECT_EQ(list.GetAt(0)->Id, 3);
    EXPECT_EQ(list.GetAt(1)->Id, 19);
    EXPECT_EQ(list.GetAt(19)->Id, 0);
    EXPECT_EQ(list.GetAt(60)->Id, 5);
    EXPECT_EQ(TCountedItem::Alive, 20);
    EXPECT_EQ(TCountedItem::Freed, 0);
}

TEST_F(TObjectSListTest, ARejectedOperationKeepsTheItem)
{
    TItems list;
    list.PutAt(SListMaxIndex, Item(1));
    EXPECT_THROW(list.PutAt(SListMaxCount, Item(2)), ERAVazoError);
    EXPECT_THROW(list.Insert(-1, Item(3)), ERAVazoError);
    EXPECT_THROW(list.Insert(0, Item(4)), ERAVazoError);  // item 1 would fall off
    EXPECT_THROW(list.Extract(-1), ERAVazoError);
    EXPECT_EQ(TCountedItem::Alive, 1);  // the rejected ones were freed by their unique_ptr
    EXPECT_EQ(list.GetAt(SListMaxIndex)->Id, 1);
}

// A cell-like item that removes itself from its list when it dies.
struct TSelfRemovingItem {
    TSelfRemovingItem(TObjectSList<TSelfRemovingItem>* list, int index) : List(list), Index(index), Id(index) {}
    TSelfRemovingItem(const TSelfRemovingItem&) = delete;
    TObjectSList<TSelfRemovingItem>* List;
    int Index;
    int Id;
    ~TSelfRemovingItem()
    {
        EXPECT_EQ(List->GetAt(Index), nullptr);
        List->PutAt(Index, nullptr);
    }
};

TEST_F(TObjectSListTest, AnItemIsOutOfTheListWhileItDies)
{
    TObjectSList<TSelfRemovingItem> list;
    for (int i : {2, 5, 30})
        list.PutAt(i, std::make_unique<TSelfRemovingItem>(&list, i));
    list.SetCount(4);
    EXPECT_EQ(list.HighBound(), 2);
    list.Clear();
    EXPECT_TRUE(list.Empty());
}

TEST_F(TObjectSListTest, RandomOperationsKeepOwnershipExact)
{
    std::mt19937 random(4242);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    TItems list;
    std::vector<int> ids;  // 0 = empty
    auto id = [&](int i) { return i < static_cast<int>(ids.size()) ? ids[i] : 0; };
    auto put = [&](int i, int v) {
        if (static_cast<int>(ids.size()) <= i)
            ids.resize(i + 1);
        ids[i] = v;
    };
    auto insert = [&](int i, int v) {
        if (static_cast<int>(ids.size()) < i)
            ids.resize(i);
        ids.insert(ids.begin() + i, v);
    };
    auto erase = [&](int i) {
        const int v = id(i);
        if (i < static_cast<int>(ids.size()))
            ids.erase(ids.begin() + i);
        return v;
    };
    int next = 1;
    for (int step = 0; step < 3000; ++step) {
        const int i = pick(0, 300), j = pick(0, 300);
        switch (pick(0, 6)) {
        case 0:
            list.PutAt(i, Item(next));
            put(i, next++);
            break;
        case 1:
            list.Insert(i, Item(next));
            insert(i, next++);
            break;
        case 2: {
            std::unique_ptr<TCountedItem> item = list.Delete(i);
            EXPECT_EQ(item ? item->Id : 0, erase(i));
            break;
        }
        case 3: {
            const int a = id(i), b = id(j);
            list.Exchange(i, j);
            put(i, b);
            put(j, a);
            break;
        }
        case 4:
            list.Move(i, j);
            if (i != j)
                insert(j, erase(i));
            break;
        case 5: {
            const int n = pick(-20, 20);
            list.Modify(i, n);
            for (int k = 0; k < n; ++k)
                insert(i, 0);
            for (int k = 0; k < -n; ++k)
                erase(i);
            break;
        }
        default: {
            std::unique_ptr<TCountedItem> item = list.Extract(i);
            EXPECT_EQ(item ? item->Id : 0, id(i));
            put(i, 0);
            break;
        }
        }
        SCOPED_TRACE("step " + std::to_string(step));
        int stored = 0;
        for (int k = 0; k < static_cast<int>(ids.size()) + 20; ++k) {
            const TCountedItem* item = list.GetAt(k);
            ASSERT_EQ(item ? item->Id : 0, id(k)) << "index " << k;
            stored += item != nullptr;
        }
        ASSERT_EQ(TCountedItem::Alive, stored);
    }
}

} // namespace
