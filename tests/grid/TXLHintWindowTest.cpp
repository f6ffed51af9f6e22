// Cell hints as tooltips: what the view shows when the platform asks for a
// tooltip, where, with which callout, and what takes the tooltip away.
#include "grid/TXLHintWindow.h"

#include "grid/GridTestSupport.h"
#include "grid/TXLHintMemo.h"
#include "sheet/TXLCell.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

namespace {

class HintWindowTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        Grid->SetShowHint(true);
    }

    QWidget* Port(TXLSector sector) const { return View(sector)->viewport(); }
    // The platform asks the view under the mouse at a client point for a
    // tooltip.
    void AskTooltip(TXLSector sector, QPoint at)
    {
        QHelpEvent event(QEvent::ToolTip, at, Port(sector)->mapToGlobal(at));
        QApplication::sendEvent(Port(sector), &event);
    }
    void MoveMouse(TXLSector sector, QPoint at)
    {
        QMouseEvent event(QEvent::MouseMove, at, Port(sector)->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(Port(sector), &event);
    }
    // The tooltip when one is shown.
    const TXLHintWindow* Shown() const
    {
        const auto* window = Grid->findChild<TXLHintWindow*>();
        return window && window->isVisible() ? window : nullptr;
    }
};

TEST_F(HintWindowTest, TheTooltipOpensRightOfTheAnchorWithACallout)
{
    Sheet->GetCell(2, 3)->SetHint(QStringLiteral("note"));
    AskTooltip(sClient, {150, 70});
    const TXLHintWindow* tip = Shown();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->text(), QStringLiteral("note"));
    EXPECT_EQ(tip->font(), Grid->font());
    // Cell (2, 3) spans 120..180 x 60..80: anchor (179, 61), tooltip at
    // (179 + 14, 61 - 11) of the body.
    const QPoint anchor(179, 61);
    EXPECT_EQ(Grid->GetHintAnchor(), anchor);
    EXPECT_EQ(tip->pos(), Port(sClient)->mapToGlobal(anchor + QPoint(14, -11)));
    EXPECT_EQ(tip->GetView(), View(sClient));
    const QRect rect(anchor + QPoint(14, -11), tip->size());
    EXPECT_EQ(tip->GetInvalidRect(), rect);
    EXPECT_EQ(Grid->GetCallout().View, View(sClient));
    EXPECT_EQ(Grid->GetCallout().Rect, rect);
    EXPECT_EQ(Grid->GetCallout().Anchor, anchor);
    // The view draws the shadow right of and below the tooltip.
    const QImage image = Render();
    EXPECT_EQ(Pixel(image, 60 + rect.right() + 2, 20 + rect.center().y()), QColor(Qt::black));
    EXPECT_EQ(Pixel(image, 60 + rect.center().x(), 20 + rect.bottom() + 2), QColor(Qt::black));
}

TEST_F(HintWindowTest, AMergedAreaAnchorsAtItsOwnCorner)
{
    Sheet->GetCell(1, 1)->SetHint(QStringLiteral("merged"));
    TXLCell* cell = Sheet->GetCell(1, 1);
    cell->SetBounds(Rect(1, 1, 3, 3));
    // Over the area's lower right cell (2, 2).
    AskTooltip(sClient, {150, 50});
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(Shown()->text(), QStringLiteral("merged"));
    EXPECT_EQ(Grid->GetHintAnchor(), QPoint(179, 21));
}

TEST_F(HintWindowTest, TheHintTextFollowsTheMouse)
{
    Sheet->GetCell(0, 0)->SetHint(QStringLiteral("a"));
    Sheet->GetCell(1, 0)->SetHint(QStringLiteral("a"));
    Sheet->GetCell(2, 0)->SetHint(QStringLiteral("b"));
    MoveMouse(sClient, {10, 10});
    EXPECT_EQ(View(sClient)->GetHintText(), QStringLiteral("a"));
    AskTooltip(sClient, {10, 10});
    ASSERT_NE(Shown(), nullptr);
    // The same text under the mouse: the tooltip stays.
    MoveMouse(sClient, {70, 10});
    EXPECT_NE(Shown(), nullptr);
    // Another text: it goes, and its callout with it.
    MoveMouse(sClient, {130, 10});
    EXPECT_EQ(View(sClient)->GetHintText(), QStringLiteral("b"));
    EXPECT_EQ(Shown(), nullptr);
    EXPECT_EQ(Grid->GetCallout().View, nullptr);
    // No text at all: nothing is shown when asked.
    MoveMouse(sClient, {10, 100});
    EXPECT_EQ(View(sClient)->GetHintText(), QString());
    AskTooltip(sClient, {10, 100});
    EXPECT_EQ(Shown(), nullptr);
}

TEST_F(HintWindowTest, LeavingOrPressingHidesTheTooltip)
{
    Sheet->GetCell(0, 0)->SetHint(QStringLiteral("a"));
    AskTooltip(sClient, {10, 10});
    ASSERT_NE(Shown(), nullptr);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Port(sClient), &leave);
    EXPECT_EQ(Shown(), nullptr);
    AskTooltip(sClient, {10, 10});
    ASSERT_NE(Shown(), nullptr);
    QTest::mousePress(Port(sClient), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(Shown(), nullptr);
    EXPECT_EQ(Grid->GetCallout().View, nullptr);
}

TEST_F(HintWindowTest, ScrollingTakesTheTooltipAway)
{
    Sheet->GetCell(0, 1)->SetHint(QStringLiteral("a"));
    AskTooltip(sClient, {10, 30});
    ASSERT_NE(Shown(), nullptr);
    View(sClient)->SetOffsetXY(0, 20);
    EXPECT_EQ(Shown(), nullptr);
    EXPECT_EQ(Grid->GetCallout().View, nullptr);
}

TEST_F(HintWindowTest, NoTooltipWhileANoteIsOpen)
{
    Sheet->GetCell(0, 0)->SetHint(QStringLiteral("a"));
    AskTooltip(sClient, {10, 10});
    ASSERT_NE(Shown(), nullptr);
    // Opening the note takes the tooltip away and keeps it away.
    Grid->SetCurPos({3, 3});
    Grid->SetEditHint(true);
    ASSERT_TRUE(Grid->GetEditHint());
    EXPECT_EQ(Shown(), nullptr);
    AskTooltip(sClient, {10, 10});
    EXPECT_EQ(Shown(), nullptr);
    // The callout stays the note's.
    EXPECT_EQ(Grid->GetCallout().Rect, Grid->GetHintMemo()->geometry().adjusted(3, 3, -3, -3));
}

TEST_F(HintWindowTest, NoTooltipWhileDragging)
{
    Sheet->GetCell(1, 0)->SetHint(QStringLiteral("b"));
    const auto send = [this](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, Port(sClient)->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(Port(sClient), &event);
    };
    // Selecting from cell (0, 0) over the commented cell (1, 0).
    send(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, {70, 10}, Qt::NoButton, Qt::LeftButton);
    ASSERT_TRUE(Grid->IsAltering());
    EXPECT_EQ(View(sClient)->GetHintText(), QString());
    AskTooltip(sClient, {70, 10});
    EXPECT_EQ(Shown(), nullptr);
    send(QEvent::MouseButtonRelease, {70, 10}, Qt::LeftButton, Qt::NoButton);
    ASSERT_FALSE(Grid->IsAltering());
    AskTooltip(sClient, {70, 10});
    EXPECT_NE(Shown(), nullptr);
}

TEST_F(HintWindowTest, ExternalHintsComeFromTheSheet)
{
    Sheet->GetCell(4, 5)->SetStyles({csExtHint});
    Sheet->SetCell(4, 5, nullptr);
    std::vector<TPoint> asked;
    Sheet->OnGetCellHint = [&asked](TXLSheet*, TPoint p, QString& text) {
        asked.push_back(p);
        text = QStringLiteral("computed %1:%2").arg(p.X).arg(p.Y);
    };
    AskTooltip(sClient, {4 * 60 + 5, 5 * 20 + 5});
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(Shown()->text(), QStringLiteral("computed 4:5"));
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.back(), (TPoint{4, 5}));
    // A position without the style is not asked about.
    asked.clear();
    AskTooltip(sClient, {3 * 60 + 5, 5 * 20 + 5});
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Shown(), nullptr);
}

TEST_F(HintWindowTest, AStripShowsItsHintsWithoutACallout)
{
    Sheet->GetCell(1, -1)->SetHint(QStringLiteral("heading"));
    AskTooltip(sCols, {70, 10});
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(Shown()->text(), QStringLiteral("heading"));
    EXPECT_EQ(Shown()->GetView(), nullptr);
    EXPECT_EQ(Grid->GetCallout().View, nullptr);
    EXPECT_EQ(Shown()->pos(), Port(sCols)->mapToGlobal(QPoint(70, 30)));
}

TEST_F(HintWindowTest, WithoutShowHintTheViewLeavesTooltipsAlone)
{
    Grid->SetShowHint(false);
    Sheet->GetCell(0, 0)->SetHint(QStringLiteral("a"));
    MoveMouse(sClient, {10, 10});
    EXPECT_EQ(View(sClient)->GetHintText(), QString());
    AskTooltip(sClient, {10, 10});
    EXPECT_EQ(Shown(), nullptr);
}

TEST_F(HintWindowTest, NearTheScreenEdgeTheCalloutIsWhereTheTooltipIs)
{
    const QRect screen = Grid->screen()->geometry();
    Grid->move(screen.right() - 250, screen.top() + 100);
    ProcessEvents();
    Sheet->GetCell(2, 0)->SetHint(QStringLiteral("a rather long comment that does not fit"));
    AskTooltip(sClient, {150, 10});
    const TXLHintWindow* tip = Shown();
    ASSERT_NE(tip, nullptr);
    EXPECT_LE(tip->geometry().right(), screen.right());
    EXPECT_EQ(Grid->GetCallout().Rect, QRect(Port(sClient)->mapFromGlobal(tip->pos()), tip->size()));
}

TEST_F(HintWindowTest, TheGridMayGoWhileTheTooltipShows)
{
    Sheet->GetCell(0, 0)->SetHint(QStringLiteral("a"));
    AskTooltip(sClient, {10, 10});
    ASSERT_NE(Shown(), nullptr);
    Grid.reset();
    ProcessEvents();
}

}  // namespace
