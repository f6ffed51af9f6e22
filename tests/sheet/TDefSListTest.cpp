#include "sheet/TDefSList.h"

#include <gtest/gtest.h>

namespace {

TEST(TDefSList, StoresOnlyNonDefaultValues)
{
    TDefSList list;
    list.SetZero(7);
    EXPECT_EQ(list.GetInt(3), 7);
    list.SetInt(3, 7);
    EXPECT_EQ(list.HighBound(), -1);
    EXPECT_EQ(list.BlockCount(), 0);
    list.SetInt(3, 0);
    EXPECT_EQ(list.GetAt(3), 1);
    EXPECT_EQ(list.GetInt(3), 0);
    list.SetInt(20, 9);
    EXPECT_EQ(list.GetInt(20), 9);
    list.SetInt(20, 7);  // writing the default empties the slot
    EXPECT_EQ(list.HighBound(), 3);
}

TEST(TDefSList, MinusOneReadsBackAsTheDefault)
{
    TDefSList list;
    list.SetZero(7);
    list.SetInt(3, 5);
    list.SetInt(3, -1);
    EXPECT_EQ(list.GetInt(3), 7);
    EXPECT_TRUE(list.Empty());
}

TEST(TDefSList, SetZeroKeepsStoredValues)
{
    TDefSList list;
    list.SetZero(7);
    list.SetInt(1, 30);
    list.SetZero(12);
    EXPECT_EQ(list.GetInt(1), 30);
    EXPECT_EQ(list.GetInt(2), 12);
    list.SetInt(1, 12);
    EXPECT_TRUE(list.Empty());
}

TEST(TDefSList, InsertedEntriesTakeTheDefault)
{
    TDefSList list;
    list.SetZero(4);
    list.SetInt(0, 1);
    list.SetInt(1, 2);
    list.Modify(1, 2);
    EXPECT_EQ(list.GetInt(0), 1);
    EXPECT_EQ(list.GetInt(1), 4);
    EXPECT_EQ(list.GetInt(2), 4);
    EXPECT_EQ(list.GetInt(3), 2);
}

} // namespace
