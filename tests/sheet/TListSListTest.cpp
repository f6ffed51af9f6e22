#include "SListTestSupport.h"

#include "base/ERAVazoError.h"
#include "sheet/TDefSList.h"
#include "sheet/TListSList.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// The two-level formatting list of a section: inner lists default to a base
// style value given when they are made.
class TInfoList : public TListSList<TDefSList> {
public:
    std::vector<int> Prepared;

protected:
    void Prepare(TDefSList* list, int index) override
    {
        EXPECT_EQ(GetAt(index), list);  // already stored when prepared
        Prepared.push_back(index);
        list->SetZero(42);
    }
};

TEST(TListSList, EnsureMakesAndPreparesOnce)
{
    TInfoList list;
    EXPECT_EQ(list.GetAt(5), nullptr);
    TDefSList* inner = list.Ensure(5);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->GetInt(0), 42);
    inner->SetInt(3, 9);
    EXPECT_EQ(list.Ensure(5), inner);
    EXPECT_EQ(list.Prepared, (std::vector<int>{5}));
    list.Ensure(SListMaxIndex);
    EXPECT_EQ(list.Prepared, (std::vector<int>{5, SListMaxIndex}));
    EXPECT_EQ(list.GetAt(5)->GetInt(3), 9);
}

TEST(TListSList, EnsureRejectsBadIndicesWithoutMaking)
{
    int made = 0;
    TListSList<TSList> list([&] {
        ++made;
        return std::make_unique<TSList>();
    });
    EXPECT_THROW(list.Ensure(-1), ERAVazoError);
    EXPECT_THROW(list.Ensure(SListMaxCount), ERAVazoError);
    EXPECT_EQ(made, 0);
    EXPECT_TRUE(list.Empty());
    list.Ensure(2);
    EXPECT_EQ(made, 1);

    TListSList<TSList> broken([] { return std::unique_ptr<TSList>(); });
    EXPECT_THROW(broken.Ensure(0), ERAVazoError);
    EXPECT_TRUE(broken.Empty());
}

// A row-like inner list that counts itself and its items.
class TCountedRow : public TObjectSList<TCountedItem> {
public:
    static inline int Alive = 0;
    TCountedRow() { ++Alive; }
    ~TCountedRow() override { --Alive; }
};

// A section-like outer list: rows record their index, renumbered on shifts.
class TSectionList : public TListSList<TCountedRow> {
public:
    std::map<const TCountedRow*, int> Index;

protected:
    void Prepare(TCountedRow* row, int index) override { Index[row] = index; }
    void Renumerate(int from, int to) override
    {
        for (int i = from; i <= to; ++i)
            if (TCountedRow* row = GetAt(i))
                Index[row] = i;
    }
};

TEST(TListSList, NestedListsAreOwnedAndRenumbered)
{
    TCountedItem::Reset();
    TCountedRow::Alive = 0;
    {
        TSectionList section;
        for (int r : {0, 3, 17})
            section.Ensure(r)->PutAt(r, std::make_unique<TCountedItem>(r));
        EXPECT_EQ(TCountedRow::Alive, 3);

        section.Modify(1, 2);
        section.Move(19, 0);
        section.Exchange(5, 40);
        for (int i = 0; i <= section.HighBound(); ++i) {
            if (const TCountedRow* row = section.GetAt(i)) {
                EXPECT_EQ(section.Index[row], i) << "row at " << i;
            }
        }

        section.Modify(0, -1);  // frees the row and its item
        EXPECT_EQ(TCountedRow::Alive, 2);
        EXPECT_EQ(TCountedItem::Alive, 2);
    }
    EXPECT_EQ(TCountedRow::Alive, 0);
    EXPECT_EQ(TCountedItem::Alive, 0);
}

TEST(TListSList, AFactoryMayMakeASubclass)
{
    struct TShiftedDefault : TDefSList {
        TShiftedDefault() { SetZero(-3); }
    };
    TListSList<TDefSList> list([] { return std::make_unique<TShiftedDefault>(); });
    EXPECT_EQ(list.Ensure(1)->GetInt(0), -3);
}

} // namespace
