#include "sheet/TXLSheet.h"

#include "base/ERAVazoError.h"
#include "base/VariantError.h"
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCString.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLStyler.h"
#include "support/FakeSheetUser.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(TXLSheetTest, ANewSheetHasItsDefaults)
{
    TXLSheet sheet;
    EXPECT_EQ(sheet.GetColCount(), 5);
    EXPECT_EQ(sheet.GetRowCount(), 5);
    EXPECT_EQ(sheet.GetTitleCols(), 1);
    EXPECT_EQ(sheet.GetTitleRows(), 1);
    EXPECT_EQ(sheet.GetDefCellSize(sCols), 60);
    EXPECT_EQ(sheet.GetDefCellSize(sRows), 15);
    EXPECT_EQ(sheet.GetSizeList(sCols, false).Zero(), 60);
    EXPECT_EQ(sheet.GetHiddenList(sRows, true).Count(), 5);
    EXPECT_EQ(sheet.GetExtents(), Rect(-1, -1, 5, 5));
    EXPECT_EQ(sheet.GetPrintScale(), 100);
    EXPECT_EQ(sheet.GetPrintMode(), pmNormal);
    EXPECT_EQ(sheet.GetPrintTitles(), (TXLAxes{sCols, sRows}));
    EXPECT_FALSE(sheet.GetPrintHidden());
    EXPECT_FALSE(sheet.GetPrintGridLines());
    EXPECT_FALSE(sheet.GetModified());
    EXPECT_FALSE(sheet.GetReadOnly());
    EXPECT_EQ(sheet.GetStyler(), nullptr);
    EXPECT_EQ(sheet.GetBaseStyle(0), sheet.GetBaseClientStyle());
    EXPECT_EQ(sheet.GetBaseStyle(1), sheet.GetBaseTitleStyle());
    EXPECT_EQ(sheet.GetSection(sClient)->GetBaseStyle(), sheet.GetBaseClientStyle());
    for (const TXLSector s : {sCols, sRows, sTitle})
        EXPECT_EQ(sheet.GetSection(s)->GetBaseStyle(), sheet.GetBaseTitleStyle());
}

TEST(TXLSheetTest, CellsAreMadeOnceAndPeekingMakesNone)
{
    TXLSheet sheet;
    EXPECT_EQ(sheet.GetPeekCell(1, 1), nullptr);
    TXLCell* cell = sheet.GetCell(0, 0);
    EXPECT_EQ(cell->GetCellClass(), TXLCString::StaticClass());
    EXPECT_EQ(sheet.GetCell(0, 0), cell);
    EXPECT_EQ(sheet.GetPeekCell(0, 0), cell);
    EXPECT_EQ(sheet.GetPeekCell(1, 1), nullptr);
    EXPECT_EQ(cell->GetSector(), sClient);
    EXPECT_EQ(cell->GetSheet(), &sheet);
}

TEST(TXLSheetTest, NegativePositionsAddressTheTitleSectors)
{
    struct TRow {
        int Col, Row;
        TXLSector Sector;
        TPoint Local;
    };
    const TRow rows[] = {
        {-1, -1, sTitle, {0, 0}}, {-1, 0, sRows, {0, 0}}, {3, -1, sCols, {3, 0}},
        {2, 4, sClient, {2, 4}},  {-2, 1, sRows, {-1, 1}},
    };
    TXLSheet sheet;
    for (const TRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Col << "," << row.Row);
        TPoint local;
        EXPECT_EQ(sheet.MapToSector(row.Col, row.Row, local), row.Sector);
        EXPECT_EQ(local, row.Local);
    }
    TXLCell* corner = sheet.GetCell(-1, -1);
    EXPECT_EQ(corner->GetSector(), sTitle);
    EXPECT_EQ(corner->GetBounds(), Rect(0, 0, 1, 1));
    EXPECT_EQ(corner->GetMapBounds(), Rect(-1, -1, 0, 0));
    EXPECT_EQ(sheet.GetCell(-1, 0)->GetSector(), sRows);
    // Left of the title band is outside the store.
    EXPECT_EQ(sheet.GetPeekCell(-2, 0), nullptr);
    EXPECT_THROW(sheet.GetCell(-2, 0), ERAVazoError);
    sheet.SetTitleCols(0);
    EXPECT_EQ(sheet.GetPeekCell(-1, 0), nullptr);
    EXPECT_THROW(sheet.GetCell(-1, 0), ERAVazoError);
}

TEST(TXLSheetTest, ValueGettersGiveEmptyValuesWithoutACell)
{
    TXLSheet sheet;
    EXPECT_TRUE(sheet.GetValue(2, 2).IsEmpty());
    EXPECT_EQ(sheet.GetString(2, 2), QString());
    EXPECT_EQ(sheet.GetFloat(2, 2), 0.0);
    EXPECT_EQ(sheet.GetInteger(2, 2), 0);
    EXPECT_FALSE(sheet.GetBoolean(2, 2));
    EXPECT_EQ(sheet.GetCurrency(2, 2), 0);
    EXPECT_EQ(sheet.GetDateTime(2, 2), 0.0);
    EXPECT_EQ(sheet.GetObject(2, 2), nullptr);
    EXPECT_EQ(sheet.GetPeekCell(2, 2), nullptr);

    sheet.SetInteger(2, 2, 42);
    EXPECT_EQ(sheet.GetString(2, 2), QStringLiteral("42"));
    EXPECT_EQ(sheet.GetInteger(2, 2), 42);
    EXPECT_EQ(sheet.GetFloat(2, 2), 42.0);
    sheet.SetBoolean(2, 3, true);
    EXPECT_TRUE(sheet.GetBoolean(2, 3));
    sheet.SetString(2, 4, QStringLiteral("abc"));
    EXPECT_THROW(sheet.GetInteger(2, 4), EVariantError);
}

TEST(TXLSheetTest, SetCellNullDestroysTheObjectButKeepsFormatting)
{
    TXLSheet sheet;
    TXLCell* cell = sheet.GetCell(1, 1);
    cell->SetColor(clRed);
    cell->SetString(QStringLiteral("x"));
    sheet.SetCell(1, 1, nullptr);
    EXPECT_EQ(sheet.GetPeekCell(1, 1), nullptr);
    EXPECT_EQ(sheet.GetCell(1, 1)->GetColor(), clRed);
    EXPECT_EQ(sheet.GetString(1, 1), QString());
}

TEST(TXLSheetTest, SetCellCopiesClassAndProperties)
{
    TXLSheet source;
    TXLCell* pick = source.GetCell(0, 0);
    source.SetCellClass(0, 0, TXLCStrings::StaticClass());
    pick = source.GetCell(0, 0);
    pick->SetString(QStringLiteral("a\r\nb"));
    pick->SetInteger(1);
    pick->SetHorzAlign(haRight);

    TXLSheet sheet;
    sheet.SetString(2, 2, QStringLiteral("old"));
    sheet.SetCell(2, 2, pick);
    TXLCell* copy = sheet.GetCell(2, 2);
    EXPECT_EQ(copy->GetCellClass(), TXLCStrings::StaticClass());
    EXPECT_EQ(copy->GetString(), QStringLiteral("a\r\nb\r\n"));
    // The value and the items travel; the selected index is no part of them.
    EXPECT_EQ(copy->GetInteger(), 0);
    EXPECT_EQ(copy->GetText(), QStringLiteral("a"));
    EXPECT_EQ(copy->GetHorzAlign(), haRight);
}

// A class whose values are all refused, to see class changes swallow it.
class TRefusingCell : public TXLCell {
public:
    static const TXLCellClass* StaticClass()
    {
        static const TXLCellClass c{QStringLiteral("TRefusingCell"), &XLMakeCell<TRefusingCell>,
                                    TXLCell::StaticClass()};
        return &c;
    }
    const TXLCellClass* ClassType() const override { return StaticClass(); }
    void SetValue(const Variant&) override { throw EConvertError("refused"); }
};

TEST(TXLSheetTest, SetCellClassKeepsFontLayoutAndValue)
{
    TXLSheet sheet;
    TXLCell* old = sheet.GetCell(1, 2);
    old->SetString(QStringLiteral("bar"));
    old->GetFont()->SetColor(clRed);
    old->SetHorzAlign(haCenter);

    // The same class: nothing happens.
    sheet.SetCellClass(1, 2, TXLCString::StaticClass());
    EXPECT_EQ(sheet.GetPeekCell(1, 2), old);

    sheet.SetCellClass(1, 2, TXLCStrings::StaticClass());
    TXLCell* cell = sheet.GetPeekCell(1, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->GetCellClass(), TXLCStrings::StaticClass());
    EXPECT_EQ(sheet.GetCellClass(1, 2), TXLCStrings::StaticClass());
    EXPECT_EQ(cell->GetString(), QStringLiteral("bar\r\n"));
    EXPECT_EQ(cell->GetFont()->GetColor(), clRed);
    EXPECT_EQ(cell->GetHorzAlign(), haCenter);

    // A refused value is swallowed; font and layout still arrive.
    sheet.SetCellClass(1, 2, TRefusingCell::StaticClass());
    cell = sheet.GetPeekCell(1, 2);
    EXPECT_EQ(cell->GetCellClass(), TRefusingCell::StaticClass());
    EXPECT_EQ(cell->GetFont()->GetColor(), clRed);
    EXPECT_EQ(cell->GetHorzAlign(), haCenter);

    // Without a cell, the class change makes one.
    EXPECT_EQ(sheet.GetCellClass(3, 3), TXLCString::StaticClass());
    sheet.SetCellClass(3, 3, TXLCStrings::StaticClass());
    EXPECT_EQ(sheet.GetPeekCell(3, 3)->GetCellClass(), TXLCStrings::StaticClass());
}

TEST(TXLSheetTest, NewCellsTakeTheBaseStyleFormat)
{
    TXLSheet sheet;
    sheet.GetBaseClientStyle()->SetFormat(QStringLiteral(">LL;0"));
    TXLCell* cell = sheet.GetCell(0, 0);
    EXPECT_EQ(cell->GetFormat(), QStringLiteral(">LL;0"));
    EXPECT_FALSE(cell->GetProps().Contains(prControl));
    // Another class than the base style's keeps its own empty format.
    sheet.SetCellClass(1, 0, TXLCStrings::StaticClass());
    EXPECT_EQ(sheet.GetPeekCell(1, 0)->GetFormat(), QString());
}

TEST(TXLSheetTest, ShrinkingACountDropsCellsAndNotifies)
{
    TXLSheet sheet;
    FakeSheetUser user(&sheet);
    sheet.GetCell(4, 4);
    sheet.GetCell(9, 1);  // beyond the count: exists, but no grid shows it
    sheet.GetCell(-1, 4);
    ASSERT_NE(sheet.GetPeekCell(9, 1), nullptr);
    user.Clear();

    sheet.SetColCount(3);
    EXPECT_EQ(sheet.GetColCount(), 3);
    EXPECT_EQ(sheet.GetPeekCell(9, 1), nullptr);
    EXPECT_EQ(sheet.GetPeekCell(4, 4), nullptr);
    EXPECT_NE(sheet.GetPeekCell(-1, 4), nullptr);
    EXPECT_EQ(sheet.GetHiddenList(sCols, true).Count(), 3);
    ASSERT_EQ(user.CountOf(TUserCall::SheetSizeChanged), 1);
    EXPECT_EQ(user.Of(TUserCall::SheetSizeChanged)[0].Sectors, TXLSectors{sCols});
    EXPECT_TRUE(user.Of(TUserCall::SheetSizeChanged)[0].Flag);

    user.Clear();
    sheet.SetColCount(3);
    EXPECT_EQ(user.CountOf(TUserCall::SheetSizeChanged), 0);
    sheet.SetRowCount(-4);
    EXPECT_EQ(sheet.GetRowCount(), 0);
    EXPECT_EQ(sheet.GetPeekCell(-1, 4), nullptr);  // the row heading went with its row

    sheet.SetTitleRows(2);
    EXPECT_EQ(sheet.GetExtents(), Rect(-1, -2, 3, 0));
}

TEST(TXLSheetTest, DefaultSizeDiscardsIndividualSizes)
{
    TXLSheet sheet;
    FakeSheetUser user(&sheet);
    sheet.GetSizeList(sCols, true).SetInt(2, 99);
    sheet.SetDefCellSize(sCols, 80);
    EXPECT_EQ(sheet.GetDefCellSize(sCols), 80);
    EXPECT_EQ(sheet.GetSizeList(sCols, true).GetInt(2), 80);
    EXPECT_EQ(sheet.GetSizeList(sCols, false).Zero(), 80);
    const auto events = user.Of(TUserCall::SheetSizeChanged);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_FALSE(events[0].Flag);  // title band first
    EXPECT_TRUE(events[1].Flag);
    user.Clear();
    sheet.SetDefCellSize(sCols, 80);
    EXPECT_EQ(user.CountOf(TUserCall::SheetSizeChanged), 0);
}

struct TModifyRow {
    int Pos, Count;
    int ExpectedIndex, ExpectedCount;  // 0 count: nothing happens
    bool Body;
};

class TXLSheetModifyTest : public testing::TestWithParam<TModifyRow> {};

TEST_P(TXLSheetModifyTest, ClampsPositionAndCountToTheBand)
{
    const TModifyRow row = GetParam();
    TXLSheet sheet;
    sheet.SetColCount(3);
    FakeSheetUser user(&sheet);
    sheet.ModifyCols(row.Pos, row.Count);
    const auto events = user.Of(TUserCall::SheetSizeModified);
    if (row.ExpectedCount == 0) {
        EXPECT_TRUE(events.empty());
        EXPECT_EQ(sheet.GetColCount(), 3);
        return;
    }
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].Sector, sCols);
    EXPECT_EQ(events[0].Flag, row.Body);
    EXPECT_EQ(events[0].Pos, row.ExpectedIndex);
    EXPECT_EQ(events[0].Count, row.ExpectedCount);
    if (row.Body)
        EXPECT_EQ(sheet.GetColCount(), 3 + row.ExpectedCount);
    else
        EXPECT_EQ(sheet.GetTitleCols(), 1 + row.ExpectedCount);
}

INSTANTIATE_TEST_SUITE_P(Clamping, TXLSheetModifyTest,
                         testing::Values(TModifyRow{0, -5, 0, -3, true},   // stops at the end of the body
                                         TModifyRow{-1, -5, 0, -1, false}, // only the title column
                                         TModifyRow{-7, -1, 0, -1, false}, // clamped to the outermost title
                                         TModifyRow{1, -1, 1, -1, true}, TModifyRow{3, -2, 0, 0, true},
                                         TModifyRow{99, 2, 3, 2, true},    // appended at the end
                                         TModifyRow{-1, 2, 0, 2, false}, TModifyRow{2, 0, 0, 0, true}));

TEST(TXLSheetTest, InsertingAndDeletingShiftCellsFormattingAndSizes)
{
    TXLSheet sheet;
    sheet.SetString(1, 1, QStringLiteral("b2"));
    sheet.SetString(1, 3, QStringLiteral("b4"));
    sheet.GetCell(1, 3)->SetColor(clYellow);
    sheet.GetCell(1, 3)->SetBorder(sTop, {slSingle, clRed});
    sheet.GetSizeList(sRows, true).SetInt(3, 40);
    sheet.GetHiddenList(sRows, true).SetInt(3, 15);

    sheet.ModifyRows(2, 2);
    EXPECT_EQ(sheet.GetRowCount(), 7);
    EXPECT_EQ(sheet.GetString(1, 1), QStringLiteral("b2"));
    EXPECT_EQ(sheet.GetString(1, 3), QString());
    EXPECT_EQ(sheet.GetString(1, 5), QStringLiteral("b4"));
    EXPECT_EQ(sheet.GetPeekCell(1, 5)->GetBounds(), Rect(1, 5, 2, 6));
    EXPECT_EQ(sheet.GetPeekCell(1, 5)->GetColor(), clYellow);
    EXPECT_EQ(sheet.GetPeekCell(1, 5)->GetBorder(sTop), (TXLSideBorder{slSingle, clRed}));
    EXPECT_EQ(sheet.GetCell(1, 3)->GetColor(), clWindow);
    EXPECT_EQ(sheet.GetSizeList(sRows, true).GetInt(5), 40);
    EXPECT_EQ(sheet.GetSizeList(sRows, true).GetInt(3), 15);
    EXPECT_EQ(sheet.GetHiddenList(sRows, true).GetInt(5), 15);
    EXPECT_EQ(sheet.GetHiddenList(sRows, true).Count(), 7);

    sheet.ModifyCols(0, -1);
    EXPECT_EQ(sheet.GetColCount(), 4);
    EXPECT_EQ(sheet.GetString(0, 5), QStringLiteral("b4"));
    EXPECT_EQ(sheet.GetPeekCell(0, 5)->GetCol(), 0);
    EXPECT_EQ(sheet.GetPeekCell(0, 5)->GetColor(), clYellow);
    sheet.ModifyRows(0, -5);
    EXPECT_EQ(sheet.GetString(0, 0), QStringLiteral("b4"));
    EXPECT_EQ(sheet.GetPeekCell(0, 0)->GetRow()->GetIndex(), 0);
}

TEST(TXLSheetTest, EnumCellsVisitsSectorsRowsAndColumnsInOrder)
{
    TXLSheet sheet;
    for (const TPoint p : {TPoint{2, 1}, TPoint{0, 1}, TPoint{-1, -1}, TPoint{1, -1}, TPoint{-1, 0}, TPoint{0, 0}})
        sheet.SetString(p.X, p.Y, QStringLiteral("%1,%2").arg(p.X).arg(p.Y));
    QStringList seen;
    const int calls = sheet.EnumCells(Rect(-1, -1, 5, 5), false, [&seen](TXLCell* cell, intptr_t data, bool&) {
        EXPECT_EQ(data, 7);
        seen << cell->GetString();
    }, 7);
    EXPECT_EQ(calls, 6);
    EXPECT_EQ(seen, (QStringList{"1,-1", "-1,0", "-1,-1", "0,0", "0,1", "2,1"}));

    seen.clear();
    EXPECT_EQ(sheet.EnumCells(Rect(0, 0, 3, 2), false, [&seen](TXLCell* cell, intptr_t, bool& stop) {
        seen << cell->GetString();
        stop = seen.size() == 2;
    }), 2);
    EXPECT_EQ(seen, (QStringList{"0,0", "0,1"}));

    EXPECT_EQ(sheet.EnumCells(Rect(3, 3, 5, 4), true, [](TXLCell*, intptr_t, bool&) {}), 2);
    EXPECT_NE(sheet.GetPeekCell(4, 3), nullptr);
}

TEST(TXLSheetTest, EnumCoordsRunsInTheAskedDirections)
{
    TXLSheet sheet;
    std::vector<TPoint> seen;
    const auto record = [&seen](TPoint p, intptr_t, bool&) { seen.push_back(p); };
    EXPECT_EQ(sheet.EnumCoords(Rect(0, 0, 2, 2), record), 4);
    EXPECT_EQ(seen, (std::vector<TPoint>{{0, 0}, {1, 0}, {0, 1}, {1, 1}}));
    seen.clear();
    sheet.EnumCoords(Rect(0, 0, 2, 2), record, 0, false, false);
    EXPECT_EQ(seen, (std::vector<TPoint>{{1, 1}, {0, 1}, {1, 0}, {0, 0}}));
    seen.clear();
    EXPECT_EQ(sheet.EnumCoords(Rect(-1, -1, 2, 2), [&seen](TPoint p, intptr_t, bool& stop) {
        seen.push_back(p);
        stop = p == TPoint{0, -1};
    }), 2);
}

TEST(TXLSheetTest, ZapEmptiesEverythingButCountsAndDefaults)
{
    TXLSheet sheet;
    sheet.SetString(1, 1, QStringLiteral("x"));
    sheet.GetCell(1, 1)->SetHint(QStringLiteral("note"));
    sheet.GetCell(2, 2)->SetColor(clRed);
    sheet.GetCell(0, 0)->SetBounds(Rect(0, 0, 2, 1));
    sheet.GetSizeList(sCols, true).SetInt(1, 99);
    sheet.GetHiddenList(sCols, true).SetInt(1, 60);
    FakeSheetUser user(&sheet);

    sheet.Zap();
    EXPECT_EQ(sheet.GetPeekCell(1, 1), nullptr);
    EXPECT_EQ(sheet.GetSection(sClient)->GetHintCount(), 0);
    EXPECT_EQ(sheet.GetSection(sClient)->GetUnionCount(), 0);
    EXPECT_EQ(sheet.GetCell(2, 2)->GetColor(), clWindow);
    EXPECT_EQ(sheet.GetSizeList(sCols, true).GetInt(1), 60);
    EXPECT_EQ(sheet.GetHiddenList(sCols, true).GetInt(1), 0);
    EXPECT_EQ(sheet.GetColCount(), 5);
    EXPECT_EQ(sheet.GetDefCellSize(sCols), 60);
    EXPECT_EQ(user.CountOf(TUserCall::LockUpdate), 1);
    EXPECT_EQ(user.CountOf(TUserCall::UnlockUpdate), 1);
}

TEST(TXLSheetTest, UpdateBracketCoalescesRepaints)
{
    TXLSheet sheet;
    FakeSheetUser a(&sheet, "a");
    FakeSheetUser b(&sheet, "b");
    sheet.BeginUpdate();
    for (int i = 0; i < 10; ++i)
        sheet.SetInteger(i % 3, i / 3, i + 1);
    sheet.EndUpdate();
    for (const FakeSheetUser* user : {&a, &b}) {
        SCOPED_TRACE(user->Name);
        EXPECT_EQ(user->CountOf(TUserCall::LockUpdate), 1);
        EXPECT_EQ(user->CountOf(TUserCall::UnlockUpdate), 1);
        EXPECT_EQ(user->CountOf(TUserCall::InvalidateAll), 1);
        EXPECT_EQ(user->CountOf(TUserCall::InvalidateArea), 0);
        ASSERT_FALSE(user->Events.empty());
        EXPECT_EQ(user->Events.back().Call, TUserCall::InvalidateAll);
    }
}

TEST(TXLSheetTest, NestedBracketsLockOnceAndUsersJoiningMidwayAreLocked)
{
    TXLSheet sheet;
    FakeSheetUser a(&sheet);
    sheet.BeginUpdate();
    sheet.BeginUpdate();
    FakeSheetUser late(&sheet);
    EXPECT_EQ(late.CountOf(TUserCall::LockUpdate), 1);
    sheet.AddUser(&late);  // not twice
    EXPECT_EQ(sheet.GetUserCount(), 2);
    sheet.EndUpdate();
    EXPECT_EQ(a.CountOf(TUserCall::UnlockUpdate), 0);
    {
        FakeSheetUser leaving(&sheet);
    }
    sheet.EndUpdate();
    EXPECT_EQ(sheet.GetUpdateCount(), 0);
    EXPECT_EQ(a.CountOf(TUserCall::LockUpdate), 1);
    EXPECT_EQ(a.CountOf(TUserCall::UnlockUpdate), 1);
    // The inner EndUpdate marks a repaint as due.
    EXPECT_EQ(a.CountOf(TUserCall::InvalidateAll), 1);

    // A bracket with nothing inside asks for no repaint.
    a.Clear();
    sheet.BeginUpdate();
    sheet.EndUpdate();
    EXPECT_EQ(a.CountOf(TUserCall::InvalidateAll), 0);
    // Outside a bracket, repaints go straight through.
    sheet.SetString(0, 0, QStringLiteral("x"));
    ASSERT_EQ(a.CountOf(TUserCall::InvalidateArea), 1);
    EXPECT_EQ(a.Of(TUserCall::InvalidateArea)[0].Rect, Rect(0, 0, 1, 1));
    EXPECT_EQ(a.Of(TUserCall::InvalidateArea)[0].Sector, sClient);
}

TEST(TXLSheetTest, ACellQueuesOneRepaintUntilPainted)
{
    TXLSheet sheet;
    FakeSheetUser user(&sheet);
    TXLCell* cell = sheet.GetCell(0, 0);
    cell->SetString(QStringLiteral("a"));
    cell->SetString(QStringLiteral("b"));
    EXPECT_EQ(user.CountOf(TUserCall::InvalidateArea), 1);
    cell->ExcludeState(csInvalidate);  // what painting does
    cell->SetString(QStringLiteral("c"));
    EXPECT_EQ(user.CountOf(TUserCall::InvalidateArea), 2);
}

TEST(TXLSheetTest, ModifiedIsSetByChangesAndReportedOnce)
{
    TXLSheet sheet;
    int reports = 0;
    sheet.OnModified = [&reports, &sheet](void* sender) {
        EXPECT_EQ(sender, &sheet);
        ++reports;
    };
    sheet.SetString(0, 0, QStringLiteral("x"));
    sheet.SetString(0, 1, QStringLiteral("y"));
    EXPECT_TRUE(sheet.GetModified());
    EXPECT_EQ(reports, 1);
    sheet.SetModified(false);
    EXPECT_EQ(reports, 2);
    sheet.SetAuthor(QStringLiteral("me"));
    EXPECT_TRUE(sheet.GetModified());
    sheet.SetModified(false);
    sheet.SetAuthor(QStringLiteral("me"));
    sheet.SetTitle(QString());
    EXPECT_FALSE(sheet.GetModified());
    sheet.SetTitle(QStringLiteral("t"));
    EXPECT_TRUE(sheet.GetModified());
}

class TXLSheetCellChangedTest : public testing::Test {
protected:
    void SetUp() override
    {
        sheet.OnCellChanged = [this](void* sender, TPoint coord) {
            EXPECT_EQ(sender, &sheet);
            calls.push_back(coord);
            if (handler)
                handler(coord);
        };
    }
    void Notify(int col, int row)
    {
        TXLCell* cell = sheet.GetCell(col, row);
        cell->SetStyles(cell->GetStyles() + TXLCellStyles{csNotify});
    }

    TXLSheet sheet;
    std::vector<TPoint> calls;
    std::function<void(TPoint)> handler;
};

TEST_F(TXLSheetCellChangedTest, OnlyNotifyingPositionsRaiseIt)
{
    sheet.SetString(0, 0, QStringLiteral("a"));
    EXPECT_TRUE(calls.empty());
    Notify(1, 2);
    sheet.SetString(1, 2, QStringLiteral("a"));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], (TPoint{1, 2}));
    // An unchanged value is no change.
    sheet.SetString(1, 2, QStringLiteral("a"));
    EXPECT_EQ(calls.size(), 1u);
    // Title positions report sheet coordinates.
    Notify(-1, 3);
    sheet.SetString(-1, 3, QStringLiteral("h"));
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1], (TPoint{-1, 3}));
}

TEST_F(TXLSheetCellChangedTest, MergedCellsReportTheirTopLeft)
{
    sheet.GetCell(1, 1)->SetBounds(Rect(0, 0, 2, 2));
    Notify(2, 2);
    EXPECT_TRUE(sheet.GetSection(sClient)->GetPositionStyles({2, 2}).Contains(csNotify));
    sheet.SetString(2, 2, QStringLiteral("x"));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], (TPoint{1, 1}));
}

TEST_F(TXLSheetCellChangedTest, ChangesMadeByTheHandlerRaiseNoNestedCall)
{
    Notify(0, 0);
    Notify(0, 1);
    handler = [this](TPoint p) {
        if (p == TPoint{0, 0})
            sheet.SetString(0, 1, QStringLiteral("derived"));
    };
    sheet.SetString(0, 0, QStringLiteral("input"));
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(sheet.GetString(0, 1), QStringLiteral("derived"));
    EXPECT_FALSE(sheet.GetInCellChanged());
    sheet.SetString(0, 1, QStringLiteral("typed"));
    EXPECT_EQ(calls.size(), 2u);
}

TEST_F(TXLSheetCellChangedTest, TheGuardIsClearedWhenTheHandlerRaises)
{
    Notify(0, 0);
    handler = [](TPoint) { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(sheet.SetString(0, 0, QStringLiteral("a")), std::runtime_error);
    EXPECT_FALSE(sheet.GetInCellChanged());
    handler = nullptr;
    sheet.SetString(0, 0, QStringLiteral("b"));
    EXPECT_EQ(calls.size(), 2u);
}

class TLayoutCountingSheet : public TXLSheet {
public:
    void UpdatePrintLayout() override { ++Layouts; }
    int Layouts = 0;
};

TEST(TXLSheetTest, PrintSettingsClampAndRecomputeOnlyOnChange)
{
    TLayoutCountingSheet sheet;
    sheet.SetPrintScale(10);
    EXPECT_EQ(sheet.GetPrintScale(), 25);
    EXPECT_EQ(sheet.GetPrintMode(), pmCustom);
    EXPECT_EQ(sheet.Layouts, 1);
    sheet.SetPrintScale(20);  // raised to the same 25
    EXPECT_EQ(sheet.Layouts, 1);
    sheet.SetPrintMode(pmNormal);
    EXPECT_EQ(sheet.GetPrintScale(), 100);
    EXPECT_EQ(sheet.GetPrintMode(), pmNormal);
    EXPECT_EQ(sheet.Layouts, 2);
    sheet.SetPrintMode(pmCustom);  // a custom mode at 100 is allowed
    EXPECT_EQ(sheet.GetPrintMode(), pmCustom);
    EXPECT_EQ(sheet.GetPrintScale(), 100);
    sheet.SetPrintScale(100);
    EXPECT_EQ(sheet.Layouts, 2);

    sheet.SetPrintMarginLeft(-5);
    EXPECT_EQ(sheet.GetPrintMarginLeft(), 0);
    EXPECT_EQ(sheet.Layouts, 2);
    sheet.SetPrintMarginBottom(12);
    EXPECT_EQ(sheet.GetPrintMargin(3), 12);
    sheet.SetPrintGridLines(true);
    sheet.SetPrintGridLines(true);
    sheet.SetPrintHidden(true);
    sheet.SetPrintTitles({sRows});
    sheet.SetPrintTitles({sRows});
    EXPECT_EQ(sheet.Layouts, 6);
    sheet.ResetPrintArea();
    EXPECT_TRUE(sheet.GetPrintArea().IsEmpty());
}

TEST(TXLSheetTest, DefVariableReadsBodyCellsByName)
{
    TXLSheet sheet;
    sheet.SetInteger(1, 1, 5);
    Variant v = Variant::Null();
    sheet.DefVariable(QStringLiteral("b2"), v);
    EXPECT_TRUE(v == Variant(QStringLiteral("5")));
    v = Variant::Null();
    sheet.DefVariable(QStringLiteral("E5"), v);
    EXPECT_TRUE(v.IsEmpty());
    v = Variant::Null();
    sheet.DefVariable(QStringLiteral("F1"), v);
    EXPECT_TRUE(v.IsNull());
    for (const char* bad : {"A0", "12", "AB", "A1B", ""}) {
        SCOPED_TRACE(bad);
        try {
            sheet.DefVariable(QString::fromLatin1(bad), v);
            ADD_FAILURE() << "no error";
        } catch (const ERAVazoError& e) {
            EXPECT_STREQ(e.what(), "Unknown identifier!");
        }
    }
}

TEST(TXLSheetTest, DestructionDisconnectsUsersLastFirstAndUnregisters)
{
    std::vector<std::string> log;
    FakeSheetUser first(nullptr, "first");
    FakeSheetUser second(nullptr, "second");
    TXLStyler styler;
    int stylerChanges = 0;
    const int sheets = XLManager().GetSheetCount();
    {
        auto sheet = std::make_unique<TXLSheet>();
        first.Sheet = second.Sheet = sheet.get();
        sheet->AddUser(&first);
        sheet->AddUser(&second);
        sheet->SetStyler(&styler);
        sheet->OnStylerChanged = [&stylerChanges](void*) { ++stylerChanges; };
        TXLCell* cell = sheet->GetCell(0, 0);
        cell->SetBasedOn(styler.Add(QStringLiteral("s")));
        cell->IncludeState(csEditing);
        first.SharedLog = second.SharedLog = &log;
        sheet.reset();
    }
    EXPECT_EQ(log, (std::vector<std::string>{"second:" + std::to_string(static_cast<int>(TUserCall::Disconnect)),
                                             "first:" + std::to_string(static_cast<int>(TUserCall::Disconnect))}));
    EXPECT_EQ(first.Sheet, nullptr);
    EXPECT_EQ(stylerChanges, 1);
    EXPECT_EQ(styler.GetSheetCount(), 0);
    EXPECT_EQ(XLManager().GetSheetCount(), sheets);
}

TEST(TXLSheetTest, NamePathsSpeakSheetCoordinates)
{
    TXLSheet sheet;
    EXPECT_EQ(sheet.GetCell(2, 4)->GetNamePath(), QStringLiteral("Cell [2, 4]"));
    EXPECT_EQ(sheet.GetCell(-1, -1)->GetNamePath(), QStringLiteral("Cell [-1, -1]"));
    TXLCell* merged = sheet.GetCell(1, 1);
    merged->SetBounds(Rect(0, 0, 3, 2));
    EXPECT_EQ(merged->GetNamePath(), QStringLiteral("Cells [1, 1 : 3, 2]"));
    sheet.SetName(QStringLiteral("XLSheet1"));
    EXPECT_EQ(sheet.GetBaseClientStyle()->GetNamePath(), QStringLiteral("XLSheet1.BaseClientStyle"));
    EXPECT_EQ(sheet.GetBaseTitleStyle()->GetNamePath(), QStringLiteral("XLSheet1.BaseTitleStyle"));
}

}  // namespace
