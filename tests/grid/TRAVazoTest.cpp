#include "grid/TRAVazo.h"

#include "grid/GridTestSupport.h"
#include "support/FakeEditHost.h"
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLManager.h"

#include <QLineEdit>

namespace {

QRect Geometry(const TXLView* view)
{
    return view->geometry();
}


TEST_F(GridTest, ViewsAreLaidOutAroundTheTitleBands)
{
    EXPECT_EQ(Geometry(View(sTitle)), QRect(0, 0, 60, 20));
    EXPECT_EQ(Geometry(View(sCols)), QRect(60, 0, 340, 20));
    EXPECT_EQ(Geometry(View(sRows)), QRect(0, 20, 60, 280));
    EXPECT_EQ(Geometry(View(sClient)), QRect(60, 20, 340, 280));

    Grid->SetOptions(Grid->GetOptions() - TXLOptions{oTitleRows});
    EXPECT_EQ(Geometry(View(sClient)), QRect(0, 20, 400, 280));
    EXPECT_EQ(View(sRows)->width(), 0);
    EXPECT_EQ(View(sTitle)->width(), 0);
    Grid->SetOptions(Grid->GetOptions() - TXLOptions{oTitleCols});
    EXPECT_EQ(Geometry(View(sClient)), QRect(0, 0, 400, 300));
    EXPECT_EQ(View(sCols)->height(), 0);
}

TEST_F(GridTest, BordersAndBevelsShrinkTheClientArea)
{
    Grid->SetBevelOuter(bvLowered);
    EXPECT_EQ(Grid->InnerRect(), QRect(1, 1, 398, 298));
    Grid->SetBevelInner(bvRaised);
    Grid->SetBorderWidth(2);
    Grid->SetBorderStyle(bsSingle);
    EXPECT_EQ(Grid->InnerRect(), QRect(6, 6, 388, 288));
    EXPECT_EQ(Geometry(View(sTitle)).topLeft(), QPoint(6, 6));
    EXPECT_EQ(Geometry(View(sClient)).bottomRight(), QPoint(393, 293));
}

TEST_F(GridTest, TitleSizesMoveTheBody)
{
    Sheet->SetCellSize(-1, sCols, 80);
    Sheet->SetCellSize(-1, sRows, 30);
    EXPECT_EQ(Geometry(View(sClient)), QRect(80, 30, 320, 270));
    EXPECT_EQ(Grid->GetSizeList(sCols, false).Size(0), 80);
    EXPECT_EQ(View(sTitle)->GetExtent(), (TXLSize{80, 30}));
}

TEST_F(GridTest, ScaleIsAtLeast25AndScalesTheSizeLists)
{
    int changes = 0;
    Grid->OnScaleChanged = [&](void* sender) {
        EXPECT_EQ(sender, Grid.get());
        ++changes;
    };
    Sheet->SetCellSize(2, sCols, 141);
    Grid->SetScale(150);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Grid->GetSizeList(sCols, true).Size(0), 90);
    EXPECT_EQ(Grid->GetSizeList(sCols, true).Size(2), 211);
    EXPECT_EQ(Grid->GetSizeList(sRows, false).Size(0), 30);
    EXPECT_EQ(View(sClient)->GetExtent(), (TXLSize{5 * 90 + 211, 20 * 30}));
    EXPECT_EQ(Geometry(View(sClient)).topLeft(), QPoint(90, 30));
    Grid->SetScale(150);
    EXPECT_EQ(changes, 1);
    Grid->SetScale(10);
    EXPECT_EQ(Grid->GetScale(), 25);
    EXPECT_EQ(Grid->ToScaled(100), 25);
    EXPECT_EQ(Grid->ToOriginal(25), 100);
    EXPECT_EQ(changes, 2);
}

TEST_F(GridTest, CtrlWheelZoomsInStepsWithin25To200)
{
    struct Row {
        TXLScale From;
        int Delta;
        TXLScale To;
    };
    const Row table[] = {
        {100, 120, 125}, {100, -120, 85}, {85, 120, 100}, {85, -120, 70}, {110, -120, 85},
        {190, 120, 200}, {200, 120, 200}, {30, -120, 25}, {25, -120, 25}, {100, 0, 85},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(testing::Message() << row.From << " " << row.Delta);
        Grid->SetScale(row.From);
        EXPECT_TRUE(Grid->DoWheel(Qt::ControlModifier, row.Delta));
        EXPECT_EQ(Grid->GetScale(), row.To);
    }
}

TEST_F(GridTest, WheelScrollsTheBodyByLines)
{
    Sheet->SetRowCount(100);
    Sheet->SetRowDefHeight(17);
    TXLView* body = View(sClient);
    EXPECT_TRUE(Grid->DoWheel(Qt::NoModifier, -120));
    EXPECT_EQ(body->GetOffset().y, 4 * 17);
    EXPECT_EQ(View(sRows)->GetOffset().y, 4 * 17);
    EXPECT_TRUE(Grid->DoWheel(Qt::NoModifier, 120));
    EXPECT_EQ(body->GetOffset().y, 0);
    // Two notches at once: (240 / 2) / 17 = 7, so 8 lines.
    EXPECT_TRUE(Grid->DoWheel(Qt::NoModifier, -240));
    EXPECT_EQ(body->GetOffset().y, 8 * 17);
    // Ctrl with another shift key does not zoom.
    EXPECT_TRUE(Grid->DoWheel(Qt::ControlModifier | Qt::ShiftModifier, -120));
    EXPECT_EQ(Grid->GetScale(), 100);
    EXPECT_EQ(body->GetOffset().y, 12 * 17);

    Grid->SetSheet(nullptr);
    EXPECT_FALSE(Grid->DoWheel(Qt::ControlModifier, 120));
    EXPECT_EQ(Grid->GetScale(), 100);
}

TEST_F(GridTest, LinkedGridsFollowEachOthersScrolling)
{
    Sheet->SetColCount(40);
    Sheet->SetRowCount(100);
    TRAVazo other;
    other.SetBevelOuter(bvNone);
    other.resize(200, 150);
    other.SetSheet(Sheet.get());
    other.SetScale(200);
    other.show();
    ProcessEvents();

    Grid->SetHorzLink(Grid.get());
    EXPECT_EQ(Grid->GetHorzLink(), nullptr);
    View(sClient)->SetOffsetXY(30, 20);
    Grid->SetHorzLink(&other);
    EXPECT_EQ(other.GetHorzLink(), Grid.get());
    EXPECT_EQ(other.GetView(sClient)->GetOffset(), (TXLSize{60, 0}));

    View(sClient)->SetOffsetXY(40, 60);
    EXPECT_EQ(other.GetView(sClient)->GetOffset(), (TXLSize{80, 0}));
    other.GetView(sClient)->SetOffsetXY(100, 50);
    EXPECT_EQ(View(sClient)->GetOffset(), (TXLSize{50, 60}));

    other.SetVertLink(Grid.get());
    EXPECT_EQ(Grid->GetVertLink(), &other);
    View(sClient)->SetOffsetXY(10, 30);
    EXPECT_EQ(other.GetView(sClient)->GetOffset(), (TXLSize{20, 60}));
    {
        TRAVazo third;
        third.SetSheet(Sheet.get());
        Grid->SetHorzLink(&third);
        EXPECT_EQ(other.GetHorzLink(), nullptr);
        EXPECT_EQ(third.GetHorzLink(), Grid.get());
    }
    EXPECT_EQ(Grid->GetHorzLink(), nullptr);
    EXPECT_EQ(Grid->GetVertLink(), &other);
}

TEST_F(GridTest, FreeingALinkedGridClearsTheLink)
{
    auto other = std::make_unique<TRAVazo>();
    Grid->SetHorzLink(other.get());
    Grid->SetVertLink(other.get());
    other.reset();
    EXPECT_EQ(Grid->GetHorzLink(), nullptr);
    EXPECT_EQ(Grid->GetVertLink(), nullptr);
}

TEST_F(GridTest, SheetBindingAttachesAndDetaches)
{
    int changes = 0;
    Grid->OnSheetChanged = [&](void*) { ++changes; };
    EXPECT_EQ(Sheet->GetUserCount(), 1);
    EXPECT_EQ(View(sCols)->GetSection(), Sheet->GetSection(sCols));
    EXPECT_EQ(View(sClient)->GetColor(), clWindow);
    EXPECT_EQ(View(sTitle)->GetColor(), clBtnFace);

    auto second = std::make_unique<TXLSheet>();
    second->SetColCount(2);
    Grid->SetSheet(second.get());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Sheet->GetUserCount(), 0);
    EXPECT_EQ(second->GetUserCount(), 1);
    EXPECT_EQ(View(sClient)->Geometry().ColCount(), 2);
    Grid->SetSheet(second.get());
    EXPECT_EQ(changes, 1);

    // A sheet going away disconnects the grid.
    second.reset();
    EXPECT_EQ(Grid->GetSheet(), nullptr);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(View(sClient)->GetSection(), nullptr);
    EXPECT_EQ(View(sClient)->GetExtent(), (TXLSize{0, 0}));
    EXPECT_EQ(View(sClient)->GetColor(), Grid->GetColor());
    EXPECT_EQ(Grid->GetTopLeft(), (TPoint{1, 1}));
}

TEST_F(GridTest, SizeNoticesRebuildTheScaledLists)
{
    // Changed behind the grid's back, then announced with no axes: both
    // axes are rebuilt.
    Sheet->GetSizeList(sCols, true).SetInt(0, 33);
    Sheet->GetSizeList(sRows, true).SetInt(0, 44);
    Grid->SheetSizeChanged({}, false);
    EXPECT_EQ(Grid->GetSizeList(sCols, true).Size(0), 33);
    EXPECT_EQ(Grid->GetSizeList(sRows, true).Size(0), 44);

    Sheet->SetColCount(9);
    EXPECT_EQ(View(sCols)->Geometry().ColCount(), 9);
    EXPECT_EQ(View(sClient)->GetExtent().x, 33 + 8 * 60);

    Sheet->ModifyCols(1, 2);
    EXPECT_EQ(Grid->GetSizeList(sCols, true).Count(), 11);
    EXPECT_EQ(View(sClient)->GetExtent().x, 33 + 10 * 60);
    Sheet->ModifyRows(0, -5);
    EXPECT_EQ(View(sRows)->Geometry().RowCount(), 15);
}

TEST_F(GridTest, OneSizeChangeShiftsBothViewsOfTheList)
{
    Grid->SetScale(50);
    Sheet->SetCellSize(1, sCols, 100);
    EXPECT_EQ(Grid->GetSizeList(sCols, true).Size(1), 50);
    EXPECT_EQ(View(sClient)->GetExtent().x, 5 * 30 + 50);
    EXPECT_EQ(View(sCols)->GetExtent().x, 5 * 30 + 50);
    Sheet->SetCellVisible(1, sCols, false);
    EXPECT_EQ(Grid->GetSizeList(sCols, true).Size(1), 0);
    EXPECT_EQ(View(sClient)->GetExtent().x, 5 * 30);
    Sheet->SetCellVisible(1, sCols, true);
    EXPECT_EQ(Grid->GetSizeList(sCols, true).Size(1), 50);
    // A line before the view: the shown content stays where it is.
    Sheet->SetColCount(40);
    View(sClient)->SetOffsetXY(200, 0);
    Sheet->SetCellSize(0, sCols, 80);
    EXPECT_EQ(View(sClient)->GetOffset().x, 210);
    EXPECT_EQ(View(sCols)->GetOffset().x, 210);
}

TEST_F(GridTest, CellAndPointMapThroughTheTitleBands)
{
    TRect r;
    ASSERT_TRUE(Grid->CellToClient({-1, -1}, r));
    EXPECT_EQ(r, Rect(0, 0, 60, 20));
    ASSERT_TRUE(Grid->CellToClient({0, 0}, r));
    EXPECT_EQ(r, Rect(60, 20, 120, 40));
    ASSERT_TRUE(Grid->CellToClient({-1, 2}, r));
    EXPECT_EQ(r, Rect(0, 60, 60, 80));
    EXPECT_FALSE(Grid->CellToClient({6, 0}, r));

    struct Row {
        TPoint Point;
        TPoint Cell;
        TXLSector Sector;
        TPoint Local;
    };
    const Row table[] = {
        {{65, 25}, {0, 0}, sClient, {0, 0}}, {{5, 25}, {-1, 0}, sRows, {0, 0}},
        {{65, 5}, {0, -1}, sCols, {0, 0}},   {{5, 5}, {-1, -1}, sTitle, {0, 0}},
        {{185, 75}, {2, 2}, sClient, {2, 2}},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(testing::Message() << row.Point.X << "," << row.Point.Y);
        TPoint cell;
        ASSERT_TRUE(Grid->ClientToCell(row.Point, cell));
        EXPECT_EQ(cell, row.Cell);
        TXLSector sector;
        ASSERT_TRUE(Grid->HitTest(row.Point, sector, cell));
        EXPECT_EQ(sector, row.Sector);
        EXPECT_EQ(cell, row.Local);
    }
    TPoint cell;
    // Right of the last column.
    EXPECT_FALSE(Grid->ClientToCell({395, 25}, cell));
}

TEST_F(GridTest, PointToCellFollowsHiddenLinesScaleAndMergedAreas)
{
    Sheet->SetCellVisible(0, sCols, false);
    TPoint cell;
    ASSERT_TRUE(Grid->ClientToCell({65, 25}, cell));
    EXPECT_EQ(cell, (TPoint{1, 0}));
    Sheet->SetCellVisible(0, sCols, true);

    Sheet->GetCell(1, 1)->SetBounds(Rect(1, 1, 3, 3));
    ASSERT_TRUE(Grid->ClientToCell({60 + 2 * 60 + 5, 20 + 2 * 20 + 5}, cell));
    EXPECT_EQ(cell, (TPoint{1, 1}));

    Grid->SetScale(50);
    ASSERT_TRUE(Grid->ClientToCell({35, 15}, cell));
    EXPECT_EQ(cell, (TPoint{0, 0}));
    ASSERT_TRUE(Grid->ClientToCell({65, 15}, cell));
    EXPECT_EQ(cell, (TPoint{1, 0}));
    ASSERT_TRUE(Grid->ClientToCell({25, 15}, cell));
    EXPECT_EQ(cell, (TPoint{-1, 0}));

    View(sClient)->SetOffsetXY(90, 40);
    EXPECT_EQ(Grid->GetTopLeft(), (TPoint{3, 4}));
}

TEST_F(GridTest, CurrentCellMovesOnlyToSelectableCells)
{
    int moves = 0;
    Grid->OnCurChanged = [&](void*) { ++moves; };
    Sheet->GetCell(1, 2)->SetStyles({csProtect});
    Grid->SetCurPos({2, 3});
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{2, 3}));
    EXPECT_EQ(View(sClient)->GetSelArea(), Rect(2, 3, 3, 4));
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(View(sCols)->GetCurrent().X, 2);
    EXPECT_EQ(View(sRows)->GetCurrent().Y, 3);
    Grid->SetCurPos({1, 2});
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{2, 3}));
    EXPECT_EQ(moves, 1);
    Grid->SetDesignMode(true);
    Grid->SetCurPos({1, 2});
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 2}));
    Grid->SetDesignMode(false);

    // Far down: scrolled into view.
    Grid->SetCurPos({0, 19});
    EXPECT_EQ(View(sClient)->GetOffset().y, 20 * 20 - View(sClient)->GetClientSize().y);
    // A title position moves the current cell to its strip.
    Grid->SetCurPos({-1, 4});
    EXPECT_EQ(Grid->GetEditView(), View(sRows));
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{-1, 4}));
    EXPECT_TRUE(View(sClient)->GetSelArea().IsEmpty());
}

TEST_F(GridTest, OptionsChangesRelayoutOrRepaint)
{
    TXLOptions options = Grid->GetOptions();
    EXPECT_EQ(options.Bits(), 8399);
    auto body = Record(sClient);
    Grid->SetOptions(options - TXLOptions{oVertLines});
    ProcessEvents();
    EXPECT_EQ(body->Painted.boundingRect(), View(sClient)->viewport()->rect());
}

TEST_F(GridTest, EditorIsClosedOrRefreshedWhenTheSheetChangesUnderIt)
{
    auto owned = std::make_unique<FakeEditHost>();
    FakeEditHost& host = *owned;
    Grid->SetEditHost(std::move(owned));
    TXLCell* cell = Sheet->GetCell(2, 3);
    host.Cell = cell;

    host.Editing = true;
    Sheet->SetCellSize(1, sCols, 0);
    EXPECT_TRUE(host.Editing);
    Sheet->SetCellSize(2, sRows, 1);
    Sheet->SetCellVisible(2, sCols, false);
    EXPECT_FALSE(host.Editing);

    host.Editing = true;
    cell->SetColor(clYellow);
    EXPECT_EQ(host.Updated, 1);
    Grid->ResetSelection(false);
    EXPECT_GE(host.Relocated, 1);
    Grid->CloseEditor(Sheet->GetCell(0, 0));
    EXPECT_TRUE(host.Editing);
    Grid->CloseEditor(cell);
    EXPECT_FALSE(host.Editing);

    host.Editing = true;
    Grid->SetScale(120);
    EXPECT_TRUE(host.Editing);
    EXPECT_EQ(host.Opened, 1);

    Sheet->ModifyRows(0, 1);
    EXPECT_FALSE(host.Editing);

    host.Editing = true;
    TXLSheet other;
    Grid->SetSheet(&other);
    EXPECT_FALSE(host.Editing);
}

TEST_F(GridTest, BaseStyleColourBecomesTheViewColour)
{
    Sheet->GetBaseClientStyle()->SetColor(clYellow);
    EXPECT_EQ(View(sClient)->GetColor(), clYellow);
    EXPECT_EQ(View(sTitle)->GetColor(), clBtnFace);
}

TEST_F(GridTest, FocusMakesTheGridTheActiveComponentAndRaisesEnterAndExit)
{
    QLineEdit elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    elsewhere.setFocus();
    ProcessEvents();
    int enters = 0;
    int exits = 0;
    Grid->OnEnter = [&](void*) { ++enters; };
    Grid->OnExit = [&](void*) { ++exits; };
    Grid->activateWindow();
    Grid->Activate();
    ProcessEvents();
    if (!Grid->hasFocus())
        GTEST_SKIP() << "the platform gives no focus";
    EXPECT_TRUE(Grid->IsActive());
    EXPECT_EQ(XLManager().GetActiveGrid(), Grid.get());
    EXPECT_EQ(XLManager().GetActiveSheet(), Sheet.get());
    EXPECT_EQ(enters, 1);
    elsewhere.activateWindow();
    elsewhere.setFocus();
    ProcessEvents();
    EXPECT_EQ(exits, 1);
    Grid->Deactivate();
    EXPECT_EQ(XLManager().GetActiveComponent(), nullptr);
}

}  // namespace
