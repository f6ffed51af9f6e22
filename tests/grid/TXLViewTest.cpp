#include "grid/TXLView.h"

#include "grid/GridTestSupport.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSection.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace {

// Body cell (c, r) in body view coordinates.
QRect BodyCell(int c, int r)
{
    return QRect(c * 60, r * 20, 60, 20);
}

TEST_F(GridTest, ACellChangeRepaintsTheCellWithItsGridLines)
{
    auto body = Record(sClient);
    auto strip = Record(sCols);
    Sheet->SetString(1, 2, QStringLiteral("x"));
    ProcessEvents();
    // The interior (2 in, 3 off the far edges) grown by 3: the cell and the
    // lines above and left of it.
    EXPECT_EQ(body->Painted, QRegion(BodyCell(1, 2).adjusted(-1, -1, 0, 0)));
    EXPECT_EQ(strip->Paints, 0);
}

TEST_F(GridTest, ABorderChangeRepaintsARingAroundTheCells)
{
    auto body = Record(sClient);
    Grid->InvalidateArea(sClient, Rect(2, 3, 3, 4), iFrame);
    ProcessEvents();
    const QRect cell = BodyCell(2, 3);
    EXPECT_TRUE(body->Painted.contains(QPoint(cell.left() + 10, cell.top() - 1)));
    EXPECT_TRUE(body->Painted.contains(QPoint(cell.left() - 2, cell.top() + 5)));
    EXPECT_FALSE(body->Painted.contains(cell.center()));
    EXPECT_TRUE(body->Painted.boundingRect().intersects(cell));
    EXPECT_LE(body->Painted.boundingRect().width(), cell.width() + 3);
}

TEST_F(GridTest, UpdatesInsideASheetUpdateRepaintOnceAtItsEnd)
{
    auto body = Record(sClient);
    Sheet->BeginUpdate();
    Sheet->SetString(0, 0, QStringLiteral("a"));
    Sheet->SetString(3, 5, QStringLiteral("b"));
    ProcessEvents();
    EXPECT_EQ(body->Paints, 0);
    Sheet->EndUpdate();
    ProcessEvents();
    EXPECT_EQ(body->Painted.boundingRect(), View(sClient)->viewport()->rect());
}

TEST_F(GridTest, LockedViewsRepaintOnlyWhenUnlocked)
{
    auto corner = Record(sTitle);
    Grid->LockUpdate();
    Grid->InvalidateSector(sTitle);
    ProcessEvents();
    EXPECT_EQ(corner->Paints, 0);
    Grid->UnlockUpdate();
    ProcessEvents();
    EXPECT_EQ(corner->Paints, 1);
    EXPECT_EQ(corner->Painted, QRegion(0, 0, 60, 20));
}

TEST_F(GridTest, ShrinkingTheExtentRepaintsWhatItUncovers)
{
    Grid->SetScrolls({sTracking});
    auto body = Record(sClient);
    Sheet->SetRowCount(5);
    ProcessEvents();
    EXPECT_TRUE(body->Painted.contains(QPoint(10, 150)));
    EXPECT_EQ(View(sClient)->GetExtent(), (TXLSize{360, 100}));
}

TEST_F(GridTest, AWiderColumnRepaintsFromJustBeforeItsStart)
{
    Grid->SetScrolls({sTracking});
    auto body = Record(sClient);
    auto strip = Record(sCols);
    Sheet->SetCellSize(2, sCols, 90);
    ProcessEvents();
    EXPECT_EQ(body->Painted.boundingRect().left(), 115);
    EXPECT_EQ(strip->Painted.boundingRect().left(), 115);
    EXPECT_EQ(View(sClient)->GetExtent().x, 390);
}

TEST_F(GridTest, MergedAreasAcrossAResizedLineAreRepainted)
{
    Grid->SetScrolls({sTracking});
    Sheet->GetCell(0, 4)->SetBounds(Rect(0, 4, 3, 5));
    auto body = Record(sClient);
    Sheet->SetCellSize(1, sCols, 70);
    ProcessEvents();
    EXPECT_TRUE(body->Painted.contains(QPoint(10, 4 * 20 + 10)));
}

TEST_F(GridTest, OffsetsReachThePartnerStrips)
{
    Sheet->SetColCount(30);
    TXLView* body = View(sClient);
    body->SetOffsetXY(70, 40);
    EXPECT_EQ(View(sCols)->GetOffset(), (TXLSize{70, 0}));
    EXPECT_EQ(View(sRows)->GetOffset(), (TXLSize{0, 40}));
    EXPECT_EQ(View(sTitle)->GetOffset(), (TXLSize{0, 0}));
    EXPECT_EQ(body->horizontalScrollBar()->value(), 70);
    // A strip scrolled by itself takes the body along.
    View(sRows)->SetOffsetXY(0, 60);
    EXPECT_EQ(body->GetOffset(), (TXLSize{70, 60}));
    // Clamping: the extent is 1800 x 400.
    EXPECT_TRUE(body->AdjustOffset({5000, -3}));
    EXPECT_EQ(body->GetOffset(), (TXLSize{1800 - body->GetClientSize().x, 0}));
    EXPECT_FALSE(body->AdjustOffset(body->GetOffset()));
}

TEST_F(GridTest, ScrollBarsCoverTheExtentWithAFactor)
{
    Sheet->SetRowCount(5000);
    TXLView* body = View(sClient);
    EXPECT_EQ(body->GetExtent().y, 100000);
    EXPECT_EQ(body->GetScrollFactor(sRows), 4);
    EXPECT_EQ(body->GetScrollFactor(sCols), 1);
    QScrollBar* bar = body->verticalScrollBar();
    EXPECT_EQ(bar->maximum(), 25000 - body->GetClientSize().y / 4);
    body->SetOffsetXY(0, 4000);
    EXPECT_EQ(bar->value(), 1000);
    // Dragging the thumb scrolls live with tracking.
    bar->setSliderPosition(2000);
    EXPECT_EQ(body->GetOffset().y, 8000);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(body->GetOffset().y, 8020);
    EXPECT_EQ(bar->value(), 8020 / 4);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(body->GetOffset().y, 0);
}

TEST_F(GridTest, WithoutTrackingTheThumbScrollsOnRelease)
{
    Grid->SetScrolls({sVertical});
    Sheet->SetRowCount(100);
    QScrollBar* bar = View(sClient)->verticalScrollBar();
    bar->setSliderDown(true);
    bar->setSliderPosition(95);
    EXPECT_EQ(View(sClient)->GetOffset().y, 0);
    bar->setSliderDown(false);
    // Released inside row 4: the view starts at the row.
    EXPECT_EQ(View(sClient)->GetOffset().y, 80);
}

TEST_F(GridTest, FineWheelStepsAddUpToANotch)
{
    Sheet->SetRowCount(100);
    TXLView* body = View(sClient);
    const QPointF at(10, 10);
    const auto wheel = [&](int delta) {
        QWheelEvent event(at, body->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(body->viewport(), &event);
    };
    wheel(-60);
    EXPECT_EQ(body->GetOffset().y, 0);
    wheel(-60);
    // (120 / 2) / 20 = 3, so 4 lines.
    EXPECT_EQ(body->GetOffset().y, 80);
}

TEST_F(GridTest, HitResultFindsBordersInTheStrips)
{
    TXLView* strip = View(sCols);
    TPoint cell;
    EXPECT_EQ(strip->HitResult({118, 10}, cell), hrColBorder);
    EXPECT_EQ(cell, (TPoint{1, 0}));
    EXPECT_EQ(strip->HitResult({121, 10}, cell), hrColBorder);
    EXPECT_EQ(cell, (TPoint{1, 0}));
    EXPECT_EQ(strip->HitResult({90, 10}, cell), hrCell);
    EXPECT_EQ(cell, (TPoint{1, 0}));
    // The leading edge of the first column is nobody's border.
    EXPECT_EQ(strip->HitResult({1, 10}, cell), hrNowhere);
    // With column 1 hidden, its border is column 0's.
    Sheet->SetCellVisible(1, sCols, false);
    EXPECT_EQ(strip->HitResult({58, 10}, cell), hrColBorder);
    EXPECT_EQ(cell, (TPoint{0, 0}));
    EXPECT_EQ(strip->HitResult({500, 10}, cell), hrNowhere);

    TXLView* rows = View(sRows);
    EXPECT_EQ(rows->HitResult({30, 39}, cell), hrRowBorder);
    EXPECT_EQ(cell, (TPoint{0, 1}));
}

TEST_F(GridTest, BodyBordersCountOnlyInDesignModeWithTheStripHidden)
{
    TXLView* body = View(sClient);
    TPoint cell;
    EXPECT_EQ(body->HitResult({59, 10}, cell), hrCell);
    Grid->SetDesignMode(true);
    EXPECT_EQ(body->HitResult({59, 10}, cell), hrCell);
    Grid->SetOptions(Grid->GetOptions() - TXLOptions{oTitleCols});
    EXPECT_EQ(body->HitResult({59, 10}, cell), hrColBorder);
    EXPECT_EQ(cell, (TPoint{0, 0}));
    // Inside a merged area there is no border.
    Sheet->GetCell(0, 0)->SetBounds(Rect(0, 0, 2, 1));
    EXPECT_EQ(body->HitResult({59, 10}, cell), hrCell);
}

TEST_F(GridTest, SelectingInTheBodyRepaintsTheTitlesOfTheChangedColumns)
{
    // From no selection (the focus shows the current cell selected).
    Grid->SelectAll(false);
    auto strip = Record(sCols);
    auto rows = Record(sRows);
    View(sClient)->Select(Rect(2, 0, 4, 1), View(sClient)->GetCurrent());
    ProcessEvents();
    EXPECT_TRUE(strip->Painted.contains(QPoint(150, 10)));
    EXPECT_TRUE(strip->Painted.contains(QPoint(200, 10)));
    EXPECT_FALSE(strip->Painted.contains(QPoint(30, 10)));
    EXPECT_TRUE(rows->Painted.contains(QPoint(30, 10)));
    EXPECT_FALSE(rows->Painted.contains(QPoint(30, 50)));
}

TEST_F(GridTest, SelectionIsGrownOverMergedAreasAndRaisesSelChanged)
{
    int changes = 0;
    Grid->OnSelChanged = [&](void*) { ++changes; };
    Sheet->GetCell(1, 1)->SetBounds(Rect(1, 1, 3, 3));
    TXLView* body = View(sClient);
    body->Select(Rect(0, 0, 2, 2), body->GetCurrent());
    EXPECT_EQ(body->GetSelArea(), Rect(0, 0, 3, 3));
    EXPECT_EQ(changes, 1);
    body->Select(Rect(0, 0, 2, 2), body->GetCurrent());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(body->ExpandArea(Rect(2, 2, 3, 3)), Rect(1, 1, 3, 3));
    EXPECT_EQ(body->Redirect({2, 2}), (TPoint{1, 1}));
    EXPECT_EQ(body->Redirect({9, 99}), (TPoint{5, 19}));
    Grid->ResetSelection(true);
    EXPECT_TRUE(body->GetSelArea().IsEmpty());
}

TEST_F(GridTest, SelectionRegionLeavesTheCurrentCellOut)
{
    TXLView* body = View(sClient);
    Grid->SetCurPos({1, 1});
    const QRegion single = body->CreateSelectionRgn(Rect(1, 1, 2, 2), {1, 1});
    // The band around the cell; the interior keeps its colours.
    EXPECT_TRUE(single.contains(QPoint(58, 30)));
    EXPECT_TRUE(single.contains(QPoint(60, 30)));
    EXPECT_FALSE(single.contains(QPoint(62, 30)));
    EXPECT_FALSE(single.contains(QPoint(90, 30)));
    const QRegion range = body->CreateSelectionRgn(Rect(0, 0, 3, 3), {1, 1});
    EXPECT_TRUE(range.contains(QPoint(30, 10)));
    EXPECT_FALSE(range.contains(QPoint(90, 30)));
    Grid->SetOptions(Grid->GetOptions() - TXLOptions{oDrawFocus});
    EXPECT_TRUE(body->CreateSelectionRgn(Rect(0, 0, 3, 3), {1, 1}).contains(QPoint(90, 30)));
    Grid->SetCtl3D(false);
    EXPECT_EQ(body->CreateSelectionRgn(Rect(1, 1, 2, 2), {1, 1}), QRegion(61, 21, 57, 17));
    // Another view than the edit view shows the plain rectangle.
    EXPECT_EQ(View(sCols)->CreateSelectionRgn(Rect(1, 0, 2, 1), {1, 0}), QRegion(60, 0, 60, 20));
    EXPECT_TRUE(body->CreateSelectionRgn({}, {1, 1}).isEmpty());
}

}  // namespace
