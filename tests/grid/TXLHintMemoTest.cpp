// The comment note on a real grid: where it opens, typing and closing,
// what closes it, moving and resizing it by its frame, and its callout.
#include "grid/TXLHintMemo.h"

#include "grid/GridTestSupport.h"
#include "grid/TXLHintWindow.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSection.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QToolTip>

#include <functional>
#include <stdexcept>

namespace {

// The grid's body view is 340 x 280 (cells 60 x 20 from its top-left).
class HintMemoTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        Grid->SetShowHint(true);
        Grid->activateWindow();
        QApplication::setActiveWindow(Grid.get());
        Grid->setFocus();
        ProcessEvents();
    }

    TXLHintMemo* Open(TPoint cell)
    {
        Grid->SetCurPos(cell);
        Grid->SetEditHint(true);
        ProcessEvents();
        return Grid->GetHintMemo();
    }
    QWidget* Port() const { return View(sClient)->viewport(); }
    QString HintOf(TPoint cell) const
    {
        const TXLCell* c = Sheet->GetPeekCell(cell.X, cell.Y);
        return c ? c->GetHint() : QString();
    }
    // A mouse event at a screen point, as the platform sends it to widget.
    static void MouseAt(QWidget* widget, QEvent::Type type, QPoint global, Qt::MouseButtons buttons)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, widget->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    // Presses on the note at from, drags by delta and lets go; the note
    // moves under the mouse meanwhile.
    static void Drag(QWidget* memo, QPoint from, QPoint delta)
    {
        const QPoint start = memo->mapToGlobal(from);
        MouseAt(memo, QEvent::MouseButtonPress, start, Qt::LeftButton);
        MouseAt(memo, QEvent::MouseMove, start + delta / 2, Qt::LeftButton);
        MouseAt(memo, QEvent::MouseMove, start + delta, Qt::LeftButton);
        MouseAt(memo, QEvent::MouseButtonRelease, start + delta, Qt::NoButton);
    }
};

TEST_F(HintMemoTest, OpensBesideTheCellWithTheCommentAndACallout)
{
    Sheet->GetCell(1, 2)->SetHint(QStringLiteral("short"));
    TXLHintMemo* memo = Open({1, 2});
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(Grid->GetEditHint());
    EXPECT_TRUE(memo->isVisible());
    EXPECT_EQ(memo->parentWidget(), View(sClient)->viewport());
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("short"));
    // Cell (1, 2) spans 60..120 x 40..60: anchor (119, 41); one line of
    // comment still gives 100 pixels.
    EXPECT_EQ(memo->GetAnchor(), QPoint(119, 41));
    EXPECT_EQ(Grid->GetHintAnchor(), QPoint(119, 41));
    EXPECT_EQ(memo->geometry(), QRect(126, 23, TXLHintMemo::DefaultWidth, 100));
    EXPECT_EQ(Grid->GetCallout().View, View(sClient));
    EXPECT_EQ(Grid->GetCallout().Rect, memo->geometry().adjusted(3, 3, -3, -3));
    EXPECT_EQ(Grid->GetCallout().Anchor, QPoint(119, 41));
    EXPECT_TRUE(memo->hasFocus());
    // The line from the note to the anchor is drawn in the body.
    const QImage image = Render();
    EXPECT_EQ(Pixel(image, 60 + 119, 20 + 41), QColor(Qt::black));
}

TEST_F(HintMemoTest, NearTheRightEdgeItOpensLeftAndNearTheBottomAbove)
{
    // Column 4 spans 240..300, row 12 240..260 of a 340 x 280 body.
    TXLHintMemo* memo = Open({4, 2});
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->geometry().topLeft(), QPoint(240 - TXLHintMemo::DefaultWidth - 14, 23));
    Grid->SetEditHint(false);
    memo = Open({1, 12});
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->geometry().topLeft(), QPoint(126, 240 - 100 - 11));
}

TEST_F(HintMemoTest, ALongCommentMakesATallerNote)
{
    QStringList lines;
    for (int i = 0; i < 12; ++i)
        lines << QStringLiteral("line %1").arg(i);
    Sheet->GetCell(0, 0)->SetHint(lines.join('\n'));
    TXLHintMemo* memo = Open({0, 0});
    ASSERT_NE(memo, nullptr);
    const int lineHeight = QFontMetrics(Grid->font()).lineSpacing();
    EXPECT_GE(memo->height(), 12 * lineHeight + 21 - 2);
    EXPECT_GT(memo->height(), 100);
}

TEST_F(HintMemoTest, TwoTypedLinesAndEscStoreOneLineFeedBetween)
{
    TXLHintMemo* memo = Open({2, 3});
    ASSERT_NE(memo, nullptr);
    QPointer<TXLHintMemo> watch(memo);
    QTest::keyClicks(memo, QStringLiteral("first  "));
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, QStringLiteral("second"));
    QTest::keyClick(memo, Qt::Key_Escape);
    EXPECT_EQ(HintOf({2, 3}), QStringLiteral("first\nsecond"));
    EXPECT_FALSE(Grid->GetEditHint());
    EXPECT_EQ(Grid->GetCallout().View, nullptr);
    EXPECT_FALSE(memo->isVisible());
    // The note had the focus: the grid takes it back; the note goes later.
    EXPECT_TRUE(Grid->hasFocus());
    ProcessEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
}

TEST_F(HintMemoTest, SoftWrappedLinesAreStoredAsLines)
{
    TXLHintMemo* memo = Open({0, 0});
    ASSERT_NE(memo, nullptr);
    const QString words = QStringLiteral("alpha beta gamma delta epsilon zeta eta theta iota kappa lambda");
    memo->setPlainText(words);
    const QStringList shown = memo->VisualLines();
    ASSERT_GT(shown.size(), 1);
    memo->Close();
    const QString stored = HintOf({0, 0});
    EXPECT_EQ(stored.count('\n'), shown.size() - 1);
    EXPECT_FALSE(stored.contains(QStringLiteral(" \n")));
    QString joined = stored;
    EXPECT_EQ(joined.replace('\n', ' '), words);
}

TEST_F(HintMemoTest, AnEmptiedNoteRemovesTheComment)
{
    Sheet->GetCell(1, 1)->SetHint(QStringLiteral("old"));
    TXLHintMemo* memo = Open({1, 1});
    ASSERT_NE(memo, nullptr);
    memo->clear();
    QTest::keyClicks(memo, QStringLiteral("  "));
    Grid->SetEditHint(false);
    EXPECT_EQ(HintOf({1, 1}), QString());
    EXPECT_FALSE(Sheet->GetCell(1, 1)->GetProps().Contains(prHint));
}

TEST_F(HintMemoTest, WhatClosesTheNoteSavesIt)
{
    struct Row {
        const char* Name;
        std::function<void(TRAVazo&)> Close;
    };
    const Row rows[] = {
        {"a press in the body",
         [](TRAVazo& g) { QTest::mouseClick(g.GetView(sClient)->viewport(), Qt::LeftButton, {}, QPoint(10, 250)); }},
        {"a press in a strip",
         [](TRAVazo& g) { QTest::mouseClick(g.GetView(sCols)->viewport(), Qt::LeftButton, {}, QPoint(10, 10)); }},
        {"an edit mode",
         [](TRAVazo& g) {
             // The mode takes effect once the note is closed.
             g.SetEditMode(emEdit);
             EXPECT_EQ(g.GetEditMode(), emEdit);
         }},
        {"opening another note", [](TRAVazo& g) { g.SetEditHint(true); }},
        {"another sheet", [](TRAVazo& g) { g.SetSheet(nullptr); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Grid->SetSheet(Sheet.get());
        Sheet->GetCell(1, 1)->SetHint(QString());
        TXLHintMemo* memo = Open({1, 1});
        ASSERT_NE(memo, nullptr);
        QPointer<TXLHintMemo> first(memo);
        memo->setPlainText(QStringLiteral("kept"));
        row.Close(*Grid);
        EXPECT_EQ(HintOf({1, 1}), QStringLiteral("kept"));
        EXPECT_FALSE(first && first->IsBound());
        Grid->SetEditHint(false);
        Grid->EndEditing();
    }
}

TEST_F(HintMemoTest, OpeningEndsEditing)
{
    Grid->SetCurPos({1, 1});
    Grid->SetEditMode(emEnter);
    ASSERT_EQ(Grid->GetEditMode(), emEnter);
    Grid->SetEditHint(true);
    EXPECT_EQ(Grid->GetEditMode(), emNone);
    EXPECT_TRUE(Grid->GetEditHint());
}

TEST_F(HintMemoTest, RemovingTheCellClosesTheNote)
{
    TXLHintMemo* memo = Open({2, 2});
    ASSERT_NE(memo, nullptr);
    memo->setPlainText(QStringLiteral("gone"));
    Sheet->SetCell(2, 2, nullptr);
    // The cell went: the note remembers the position, not the cell, and
    // its text goes to a cell made again there.
    Grid->SetEditHint(false);
    EXPECT_FALSE(Grid->GetEditHint());
    EXPECT_EQ(HintOf({2, 2}), QStringLiteral("gone"));
}

TEST_F(HintMemoTest, HandlesResizeAndTheFrameMoves)
{
    TXLHintMemo* memo = Open({0, 0});
    ASSERT_NE(memo, nullptr);
    const QRect start = memo->geometry();
    struct Row {
        const char* Name;
        QPoint At;  // on the note, relative to its size
        QPoint Delta;
        QRect Expected;
    };
    const int w = start.width();
    const int h = start.height();
    const Row rows[] = {
        {"bottom-right", {w - 3, h - 3}, {30, 20}, start.adjusted(0, 0, 30, 20)},
        {"right", {w - 3, h / 2}, {-20, 15}, start.adjusted(0, 0, -20, 0)},
        {"bottom", {w / 2, h - 3}, {11, 12}, start.adjusted(0, 0, 0, 12)},
        {"top-left", {3, 3}, {10, 5}, start.adjusted(10, 5, 0, 0)},
        {"caption", {30, 3}, {25, 40}, start.translated(25, 40)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        memo->setGeometry(start);
        Drag(memo, row.At, row.Delta);
        EXPECT_EQ(memo->geometry(), row.Expected);
        EXPECT_EQ(Grid->GetCallout().Rect, row.Expected.adjusted(3, 3, -3, -3));
        EXPECT_EQ(Grid->GetCallout().Anchor, QPoint(59, 1));
        // A press on the frame does not reach the view (which would close).
        EXPECT_TRUE(Grid->GetEditHint());
    }
}

TEST_F(HintMemoTest, ARightClickOnTheFrameOpensNoMenuOfTheGrid)
{
    TXLHintMemo* memo = Open({0, 0});
    ASSERT_NE(memo, nullptr);
    bool reachedGrid = false;
    Grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(Grid.get(), &QWidget::customContextMenuRequested, [&reachedGrid] { reachedGrid = true; });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 30), memo->mapToGlobal(QPoint(3, 30)));
    QApplication::sendEvent(memo, &event);
    EXPECT_FALSE(reachedGrid);
    // Without the note the same event reaches the grid.
    QContextMenuEvent onView(QContextMenuEvent::Mouse, QPoint(300, 250), Port()->mapToGlobal(QPoint(300, 250)));
    QApplication::sendEvent(Port(), &onView);
    EXPECT_TRUE(reachedGrid);
}

TEST_F(HintMemoTest, TheFrameIsHatchedWithWhiteHandles)
{
    TXLHintMemo* memo = Open({0, 0});
    ASSERT_NE(memo, nullptr);
    ProcessEvents();
    const QImage image = memo->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const QRect& handle : XLHintHandles(memo->size())) {
        EXPECT_EQ(Pixel(image, handle.center().x(), handle.center().y()), QColor(Qt::white));
        EXPECT_EQ(Pixel(image, handle.left(), handle.center().y()), QColor(Qt::black));
        EXPECT_EQ(Pixel(image, handle.right(), handle.top()), QColor(Qt::black));
    }
    // Between the handles: black and white lines.
    int black = 0;
    int white = 0;
    for (int x = 20; x < 80; ++x)
        for (int y = 0; y < XLHintFrame; ++y)
            (Pixel(image, x, y) == QColor(Qt::black) ? black : white) += 1;
    EXPECT_GT(black, 20);
    EXPECT_GT(white, 20);
    // The text area has the tooltip's background.
    EXPECT_EQ(Pixel(image, memo->width() / 2, memo->height() / 2), QToolTip::palette().color(QPalette::ToolTipBase));
}

TEST_F(HintMemoTest, ScrollingMovesNoteAnchorAndCalloutTogether)
{
    TXLHintMemo* memo = Open({1, 1});
    ASSERT_NE(memo, nullptr);
    const QRect before = memo->geometry();
    View(sClient)->SetOffsetXY(0, 20);
    ProcessEvents();
    ASSERT_TRUE(Grid->GetEditHint());
    EXPECT_EQ(memo->geometry(), before.translated(0, -20));
    EXPECT_EQ(memo->GetAnchor(), QPoint(119, 1));
    EXPECT_EQ(Grid->GetCallout().Anchor, QPoint(119, 1));
    EXPECT_EQ(Grid->GetCallout().Rect, memo->geometry().adjusted(3, 3, -3, -3));
}

TEST_F(HintMemoTest, TheCalloutFollowsTheCellWhenSizesChange)
{
    TXLHintMemo* memo = Open({1, 1});
    ASSERT_NE(memo, nullptr);
    const QRect bounds = memo->geometry();
    Sheet->SetCellSize(0, sCols, 100);
    ProcessEvents();
    // Column 1 now spans 100..160; the note stays where it is.
    EXPECT_EQ(memo->geometry(), bounds);
    EXPECT_EQ(Grid->GetCallout().Anchor, QPoint(159, 21));
    Grid->SetScale(200);
    ProcessEvents();
    ASSERT_TRUE(Grid->GetEditHint());
    EXPECT_EQ(Grid->GetCallout().Anchor, QPoint(319, 41));
    EXPECT_EQ(Grid->GetCallout().Rect, bounds.adjusted(3, 3, -3, -3));
}

TEST_F(HintMemoTest, NothingOpensWithoutASheetOrOutsideTheBody)
{
    Grid->SetCurPos({0, -1});
    Grid->SetEditHint(true);
    EXPECT_FALSE(Grid->GetEditHint());
    Grid->SetSheet(nullptr);
    Grid->SetEditHint(true);
    EXPECT_FALSE(Grid->GetEditHint());
}

TEST_F(HintMemoTest, DestroyingTheGridSavesTheNote)
{
    TXLHintMemo* memo = Open({3, 3});
    ASSERT_NE(memo, nullptr);
    memo->setPlainText(QStringLiteral("last words"));
    Grid.reset();
    EXPECT_EQ(HintOf({3, 3}), QStringLiteral("last words"));
}

TEST_F(HintMemoTest, FocusGoingElsewhereClosesWithoutTakingItBack)
{
    TXLHintMemo* memo = Open({1, 1});
    ASSERT_NE(memo, nullptr);
    ASSERT_TRUE(memo->hasFocus());
    memo->setPlainText(QStringLiteral("typed"));
    QLineEdit elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QApplication::setActiveWindow(&elsewhere);
    elsewhere.setFocus();
    ProcessEvents();
    EXPECT_FALSE(Grid->GetEditHint());
    EXPECT_EQ(HintOf({1, 1}), QStringLiteral("typed"));
    EXPECT_EQ(QApplication::focusWidget(), &elsewhere);
}

TEST_F(HintMemoTest, ARefusingHintHandlerStillClosesTheNote)
{
    TXLHintMemo* memo = Open({1, 1});
    ASSERT_NE(memo, nullptr);
    QPointer<TXLHintMemo> watch(memo);
    memo->setPlainText(QStringLiteral("no"));
    Sheet->OnSetCellHint = [](TXLSheet*, TPoint, QString&) { throw std::runtime_error("refused"); };
    EXPECT_THROW(Grid->SetEditHint(false), std::runtime_error);
    EXPECT_FALSE(Grid->GetEditHint());
    EXPECT_EQ(Grid->GetCallout().View, nullptr);
    ASSERT_FALSE(watch.isNull());
    EXPECT_FALSE(watch->isVisible());
}

TEST_F(HintMemoTest, TheSheetMayGoWhileANoteIsOpen)
{
    TXLHintMemo* memo = Open({1, 1});
    ASSERT_NE(memo, nullptr);
    memo->setPlainText(QStringLiteral("orphan"));
    Sheet.reset();
    EXPECT_FALSE(Grid->GetEditHint());
    EXPECT_EQ(Grid->GetSheet(), nullptr);
    ProcessEvents();
}

}  // namespace
