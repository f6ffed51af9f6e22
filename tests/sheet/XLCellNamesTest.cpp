#include "sheet/XLCellNames.h"

#include "base/ERAVazoError.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(XLCellNamesTest, NamesToPositions)
{
    struct TRow {
        const char* Name;
        TPoint Pos;
    };
    const TRow rows[] = {
        {"A1", {0, 0}},
        {"Z1", {25, 0}},
        {"AA1", {26, 0}},
        {"AZ10", {51, 9}},
        {"BA1", {52, 0}},
        {"ZZ2", {701, 1}},
        {"AAA3", {702, 2}},
        {"b12", {1, 11}},
        {"xfd1048576", {16383, 1048575}},
        {"A01", {0, 0}},
        {"A2147483647", {0, std::numeric_limits<int>::max() - 1}},
        {"FXSHRXW1", {std::numeric_limits<int>::max() - 1, 0}},
        // Other alphabets are letters too; they count on beyond Z.
        {"Б1", {0x411 - u'A', 0}},
        {"б7", {0x411 - u'A', 6}},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        const TPoint p = XLI2Pos(QString::fromUtf8(row.Name));
        EXPECT_EQ(p.X, row.Pos.X);
        EXPECT_EQ(p.Y, row.Pos.Y);
    }
}

TEST(XLCellNamesTest, MalformedNamesAreUnknownIdentifiers)
{
    for (const char* name : {"", "A", "AB", "12", "1A", "A0", "A00", "A1B", "A 1", " A1", "A1 ", "A-1", "A+1", "A$1",
                             "A1.5", "A１", "A2147483648", "A99999999999999999999", "ZZZZZZZ1", "FXSHRXX1",
                             "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA1"}) {
        SCOPED_TRACE(name);
        try {
            XLI2Pos(QString::fromUtf8(name));
            ADD_FAILURE() << "no error";
        } catch (const ERAVazoError& e) {
            EXPECT_STREQ(e.what(), "Unknown identifier!");
        }
    }
}

TEST(XLCellNamesTest, ColumnAndPositionNames)
{
    struct TRow {
        int Col;
        const char* Name;
    };
    const TRow rows[] = {{0, "A"},      {25, "Z"},    {26, "AA"},   {51, "AZ"}, {52, "BA"}, {701, "ZZ"},
                         {702, "AAA"}, {16383, "XFD"}, {std::numeric_limits<int>::max() - 1, "FXSHRXW"},
                         {-1, ""}};
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Col);
        EXPECT_EQ(Col2XLI(row.Col), QString::fromLatin1(row.Name));
    }
    EXPECT_EQ(Pos2XLI({1, 11}), QStringLiteral("B12"));
    EXPECT_EQ(Pos2XLI({0, 0}), QStringLiteral("A1"));
}

TEST(XLCellNamesTest, NamesRoundTrip)
{
    for (int col = 0; col < 20000; col += 7)
        for (int row : {0, 9, 65535}) {
            const TPoint p = XLI2Pos(Pos2XLI({col, row}));
            ASSERT_EQ(p.X, col);
            ASSERT_EQ(p.Y, row);
        }
}

}  // namespace
