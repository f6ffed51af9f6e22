#include "stream/XLSListStream.h"

#include "StreamTestSupport.h"
#include "sheet/TDefSList.h"
#include "sheet/TZeroSList.h"
#include "stream/TXLLoadBudget.h"
#include "stream/TXLStreamReader.h"
#include "stream/TXLStreamWriter.h"

#include <gtest/gtest.h>

namespace {

using StreamTest::ExpectFailure;
using StreamTest::IntegerAt;

const TXLSlotRule AnySlot{"list", nullptr};

TEST(XLSListStream, WritesLeadCountAndEveryAllocatedBlockInOrder)
{
    TSList list;
    list.SetCount(40);
    list.PutAt(35, 7);
    list.PutAt(3, -1);
    list.PutAt(20, 5);
    list.PutAt(20, 0);  // block 1 stays allocated, all empty
    TXLStreamWriter w;
    WriteSList(w, list);
    const QByteArray& b = w.Data();
    ASSERT_EQ(b.size(), 9 + 3 * 68);
    EXPECT_EQ(b[0], 0);
    EXPECT_EQ(IntegerAt(b, 1), 40);
    EXPECT_EQ(IntegerAt(b, 5), 3);
    EXPECT_EQ(IntegerAt(b, 9), 0);
    EXPECT_EQ(IntegerAt(b, 9 + 4 + 3 * 4), -1);
    EXPECT_EQ(IntegerAt(b, 9 + 68), 1);
    EXPECT_EQ(IntegerAt(b, 9 + 136), 2);
    EXPECT_EQ(IntegerAt(b, 9 + 136 + 4 + 3 * 4), 7);
}

TEST(XLSListStream, ReadingRestoresSlotsCountAndAnExactHighBound)
{
    TZeroSList source;
    source.SetZero(60);
    source.SetCount(100);
    source.SetInt(17, 80);
    source.SetInt(90, 0);
    source.PutAt(95, 3);
    source.PutAt(95, 0);
    TXLStreamWriter w;
    WriteSList(w, source);

    TZeroSList copy;
    copy.SetZero(60);
    copy.PutAt(500, 9);  // replaced by what is read
    TXLStreamReader r(w.Data());
    TXLLoadBudget budget;
    ReadSList(r, copy, budget, AnySlot);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(copy.Count(), 100);
    EXPECT_EQ(copy.GetInt(17), 80);
    EXPECT_EQ(copy.GetInt(90), 0);
    EXPECT_EQ(copy.GetInt(500), 60);
    EXPECT_EQ(copy.HighBound(), 90);
    EXPECT_EQ(copy.BlockCount(), 2);

    TXLStreamWriter again;
    WriteSList(again, copy);
    EXPECT_EQ(again.Data(), w.Data());
}

TEST(XLSListStream, TwoLevelListsKeepOnlyInnerListsWithValues)
{
    TListSList<TSList> lists([] { return std::make_unique<TDefSList>(); });
    static_cast<TDefSList*>(lists.Ensure(4))->SetInt(2, 5);
    lists.Ensure(9)->PutAt(1, 0);  // made, but holds nothing
    static_cast<TDefSList*>(lists.Ensure(30))->SetInt(40, -7);
    TXLStreamWriter w;
    WriteListSList(w, lists);
    EXPECT_EQ(IntegerAt(w.Data(), 0), 2);
    EXPECT_EQ(IntegerAt(w.Data(), 4), 4);

    TListSList<TSList> copy([] { return std::make_unique<TDefSList>(); });
    TXLStreamReader r(w.Data());
    TXLLoadBudget budget;
    ReadListSList(r, copy, budget, AnySlot);
    EXPECT_EQ(static_cast<TDefSList*>(copy.GetAt(4))->GetInt(2), 5);
    EXPECT_EQ(static_cast<TDefSList*>(copy.GetAt(30))->GetInt(40), -7);
    EXPECT_EQ(copy.GetAt(9), nullptr);
}

TEST(XLSListStream, SlotRuleRejectsImpossibleValues)
{
    TSList list;
    list.PutAt(2, 9);
    TXLStreamWriter w;
    WriteSList(w, list);
    TSList copy;
    TXLStreamReader r(w.Data());
    TXLLoadBudget budget;
    const TXLSlotRule small{"frame list", [](int32_t slot) { return slot < 8; }};
    ExpectFailure([&] { ReadSList(r, copy, budget, small); }, "at byte 21: frame list holds the impossible value 9");
}

TEST(XLSListStream, FarBlocksAreChargedForTheirDirectory)
{
    TXLStreamWriter w;
    w.WriteByte(0);
    w.WriteInteger(0);
    w.WriteInteger(1);
    w.WriteInteger(65535);
    for (int s = 0; s < 16; ++s)
        w.WriteInteger(1);
    TSList list;
    TXLStreamReader r(w.Data());
    TXLLoadBudget budget(65536 * 8);
    EXPECT_THROW(ReadSList(r, list, budget, AnySlot), EXLLoadLimit);

    TXLStreamReader again(w.Data());
    TXLLoadBudget enough(65536 * 8 + 128);
    ReadSList(again, list, enough, AnySlot);
    EXPECT_EQ(list.GetAt(SListMaxIndex), 1);
    EXPECT_EQ(enough.Left(), 0);
}

}  // namespace
