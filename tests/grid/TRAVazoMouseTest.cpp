// The grid under the mouse: resizing lines by their borders (live in the
// strips, as a mark in the body), double clicks on borders, selecting by
// dragging with auto-scroll, clicks reaching the cell, the grid and the
// sheet, the right button, read-only sheets, and the events passed on.
#include "grid/TRAVazo.h"

#include "grid/GridTestSupport.h"
#include "sheet/TXLCBoolean.h"
#include "sheet/TXLCGroup.h"
#include "sheet/TXLSection.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>

#include <vector>

namespace {

// Body cell (c, r) in body view coordinates: (60c, 20r).
QPoint InBody(int c, int r)
{
    return QPoint(c * 60 + 30, r * 20 + 10);
}

class MouseTest : public GridTest {
protected:
    void SetUp() override
    {
        GridTest::SetUp();
        Grid->SetOptions(Grid->GetOptions() + TXLOptions{oColSizing, oRowSizing});
        Grid->OnCellClick = [this](void*, TPoint p) { GridClicks.push_back(p); };
        Grid->OnCellDblClick = [this](void*, TPoint p) { GridDblClicks.push_back(p); };
        Grid->OnColDblClick = [this](void*, TPoint p) { ColDblClicks.push_back(p); };
        Grid->OnRowDblClick = [this](void*, TPoint p) { RowDblClicks.push_back(p); };
        Sheet->OnCellClick = [this](void*, TPoint p) { SheetClicks.push_back(p); };
    }

    QWidget* Port(TXLSector sector) const { return View(sector)->viewport(); }
    static void Send(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
                     Qt::KeyboardModifiers mods)
    {
        QMouseEvent event(type, QPointF(at), QPointF(to->mapToGlobal(at)), button, buttons, mods);
        QApplication::sendEvent(to, &event);
    }
    void Press(TXLSector s, QPoint at, Qt::KeyboardModifiers mods = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        Send(Port(s), QEvent::MouseButtonPress, at, button, button, mods);
    }
    void Move(TXLSector s, QPoint at, Qt::KeyboardModifiers mods = {})
    {
        Send(Port(s), QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton, mods);
    }
    void Release(TXLSector s, QPoint at, Qt::KeyboardModifiers mods = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        Send(Port(s), QEvent::MouseButtonRelease, at, button, Qt::NoButton, mods);
    }
    void Click(TXLSector s, QPoint at, Qt::KeyboardModifiers mods = {})
    {
        Press(s, at, mods);
        Release(s, at, mods);
    }
    // Press, release, the double click and its release, as Qt sends them.
    void DoubleClick(TXLSector s, QPoint at)
    {
        Click(s, at);
        Send(Port(s), QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton, {});
        Release(s, at);
    }
    void Drag(TXLSector s, QPoint from, QPoint to, Qt::KeyboardModifiers mods = {})
    {
        Press(s, from, mods);
        Move(s, to, mods);
        Release(s, to, mods);
    }
    int SheetWidth(int col) const { return Sheet->GetIntCellSize(col, sCols); }
    int ShownWidth(int col) const { return Grid->GetSizeList(sCols, true).Size(col); }

    std::vector<TPoint> GridClicks, GridDblClicks, SheetClicks, ColDblClicks, RowDblClicks;
};

// Resizing ----------------------------------------------------------------------

TEST_F(MouseTest, PressAndReleaseOnABorderDoesNotResizeAndADoubleClickOnlyReportsIt)
{
    // Column 1 ends at x 120 of the column strip.
    Click(sCols, {119, 10});
    EXPECT_EQ(SheetWidth(1), ColWidth);
    EXPECT_FALSE(Grid->IsAltering());
    DoubleClick(sCols, {119, 10});
    EXPECT_EQ(SheetWidth(1), ColWidth);
    EXPECT_EQ(ColDblClicks, (std::vector<TPoint>{{1, 0}}));
    EXPECT_TRUE(GridClicks.empty());
    EXPECT_TRUE(GridDblClicks.empty());
    EXPECT_TRUE(SheetClicks.empty());

    // Borders of the title band are reported in sheet coordinates.
    struct Case {
        TXLSector Sector;
        QPoint At;
        bool Column;
        TPoint Want;
    } cases[] = {
        {sRows, {59, 50}, true, {-1, 0}},
        {sCols, {30, 19}, false, {0, -1}},
        {sRows, {30, 39}, false, {0, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.At.x() * 1000 + c.At.y());
        ColDblClicks.clear();
        RowDblClicks.clear();
        DoubleClick(c.Sector, c.At);
        EXPECT_EQ(c.Column ? ColDblClicks : RowDblClicks, (std::vector<TPoint>{c.Want}));
        EXPECT_TRUE((c.Column ? RowDblClicks : ColDblClicks).empty());
    }
}

TEST_F(MouseTest, StripDragResizesLiveAndStoresUnscaledOnRelease)
{
    struct Case {
        int Scale;
        int Border;  // the last pixel of column 1 in the strip
        int To;
        int Want;  // unscaled
    } cases[] = {
        {100, 119, 151, 91},
        {200, 239, 260, 70},
        {100, 119, 40, 5},  // never below 5
        {50, 59, 31, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Scale * 1000 + c.To);
        Sheet->SetCellSize(1, sCols, ColWidth);
        Grid->SetScale(static_cast<TXLScale>(c.Scale));
        ProcessEvents();
        Press(sCols, {c.Border, 5});
        Move(sCols, {c.To, 5});
        EXPECT_TRUE(Grid->IsAltering());
        EXPECT_EQ(ShownWidth(1), Grid->ToScaled(c.Want));
        EXPECT_EQ(SheetWidth(1), ColWidth);
        Release(sCols, {c.To, 5});
        EXPECT_FALSE(Grid->IsAltering());
        EXPECT_EQ(SheetWidth(1), c.Want);
        EXPECT_EQ(ShownWidth(1), Grid->ToScaled(c.Want));
    }
    EXPECT_TRUE(GridClicks.empty());
}

TEST_F(MouseTest, ATitleColumnDraggedInTheRowStripMovesTheBodyOnRelease)
{
    Press(sRows, {59, 50});
    Move(sRows, {90, 50});
    EXPECT_EQ(Grid->GetSizeList(sCols, false).Size(0), 90);
    // The views are laid out again only when the drag ends.
    EXPECT_EQ(View(sClient)->x(), ColWidth);
    Release(sRows, {90, 50});
    EXPECT_EQ(Sheet->GetIntCellSize(-1, sCols), 90);
    EXPECT_EQ(View(sClient)->x(), 90);
    EXPECT_EQ(View(sRows)->width(), 90);
    EXPECT_EQ(View(sTitle)->width(), 90);
}

TEST_F(MouseTest, SizingHookMaximumAndLeavingTheGrid)
{
    Sheet->OnSizing = [](void*, TXLAxis axis, int index, int& value) {
        // Widths in steps of 10 for column 2 only.
        if (axis == sCols && index == 2)
            value = value / 10 * 10;
    };
    struct Case {
        int Col;
        int Max;
        int To;  // strip x of the pointer
        int Want;
    } cases[] = {
        {2, 0, 277, 150},  // 157 -> 150 by the hook
        {1, 0, 157, 97},
        {1, 80, 157, 80},  // the maximum
        {1, 0, -100, 60},  // left of the grid: the size before the drag
        {1, 0, 400, 60},   // right of it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Col * 1000 + c.To);
        Sheet->SetColMaxWidth(0);
        Sheet->SetCellSize(c.Col, sCols, ColWidth);
        Sheet->SetColMaxWidth(c.Max);
        const int border = (c.Col + 1) * ColWidth - 1;
        Press(sCols, {border, 10});
        Move(sCols, {border + 20, 10});
        Move(sCols, {c.To, 10});
        Release(sCols, {c.To, 10});
        EXPECT_EQ(SheetWidth(c.Col), c.Want);
    }
}

TEST_F(MouseTest, BodyDragShowsAMarkOnlyFromFivePixelsAndStoresOnRelease)
{
    // Without the column strip the body's borders take the drag.
    Grid->SetOptions(Grid->GetOptions() - TXLOptions{oTitleCols});
    ProcessEvents();
    TXLView* body = View(sClient);
    QPoint border(119, 50);
    Drag(sClient, border, border + QPoint(4, 0));
    EXPECT_EQ(SheetWidth(1), ColWidth);

    Press(sClient, border);
    Move(sClient, border + QPoint(4, 0));
    EXPECT_TRUE(body->GetSizingLine().isEmpty());
    Move(sClient, border + QPoint(6, 0));
    EXPECT_EQ(body->GetSizingLine(), QRect(60, 0, 65, body->GetClientSize().y));
    // The mark is painted inverted over the cells; the line keeps its size
    // until the release.
    const QImage shot = Render();
    const QPoint markAt = body->mapTo(Grid.get(), QPoint(125, 3));
    const QPoint beside = body->mapTo(Grid.get(), QPoint(124, 3));
    EXPECT_NE(Pixel(shot, markAt.x(), markAt.y()), Pixel(shot, beside.x(), beside.y()));
    EXPECT_EQ(ShownWidth(1), ColWidth);
    // Back at less than five pixels the mark follows.
    Move(sClient, border + QPoint(2, 0));
    EXPECT_EQ(body->GetSizingLine().width(), 61);
    Move(sClient, {0, 50});
    Release(sClient, {0, 50});
    EXPECT_TRUE(body->GetSizingLine().isEmpty());
    EXPECT_EQ(SheetWidth(1), 5);
    EXPECT_EQ(ShownWidth(1), 5);
    EXPECT_TRUE(GridClicks.empty());
}

TEST_F(MouseTest, EscCancelsAResize)
{
    Press(sCols, {119, 10});
    Move(sCols, {150, 10});
    ASSERT_EQ(ShownWidth(1), 90);
    QTest::keyClick(Grid.get(), Qt::Key_Escape);
    EXPECT_FALSE(Grid->IsAltering());
    EXPECT_EQ(ShownWidth(1), ColWidth);
    Move(sCols, {170, 10});
    Release(sCols, {170, 10});
    EXPECT_EQ(SheetWidth(1), ColWidth);
    EXPECT_EQ(ShownWidth(1), ColWidth);
}

TEST_F(MouseTest, AltAppliesTheSizeToEverySelectedLineOfTheStrip)
{
    // Columns 1..3 selected by dragging over their titles.
    Drag(sCols, {90, 10}, {200, 10});
    const TRect selected = View(sClient)->GetSelArea();
    EXPECT_EQ(selected.Left, 1);
    EXPECT_EQ(selected.Right, 4);
    Drag(sCols, {179, 10}, {200, 10}, Qt::AltModifier);
    for (int col = 0; col < 6; ++col) {
        SCOPED_TRACE(col);
        EXPECT_EQ(SheetWidth(col), col >= 1 && col <= 3 ? 80 : ColWidth);
        EXPECT_EQ(ShownWidth(col), SheetWidth(col));
    }
    // Without Alt only the dragged one.
    Drag(sCols, {139, 10}, {120, 10});
    EXPECT_EQ(SheetWidth(1), 60);
    EXPECT_EQ(SheetWidth(2), 80);
}

TEST_F(MouseTest, TheCursorShowsTheDragOnHoverAndTheWheelRestsOverABorder)
{
    Send(Port(sCols), QEvent::MouseMove, {119, 10}, Qt::NoButton, Qt::NoButton, {});
    EXPECT_EQ(Port(sCols)->cursor().shape(), Qt::SplitHCursor);
    EXPECT_TRUE(Grid->IsSizingArmed());
    EXPECT_TRUE(Grid->DoWheel({}, -120));
    EXPECT_EQ(View(sClient)->GetOffset().y, 0);
    Send(Port(sRows), QEvent::MouseMove, {30, 39}, Qt::NoButton, Qt::NoButton, {});
    EXPECT_EQ(Port(sRows)->cursor().shape(), Qt::SplitVCursor);
    Send(Port(sCols), QEvent::MouseMove, {90, 10}, Qt::NoButton, Qt::NoButton, {});
    EXPECT_EQ(Port(sCols)->cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(Grid->IsSizingArmed());
    // Without the option the border is no drag.
    Grid->SetOptions(Grid->GetOptions() - TXLOptions{oColSizing});
    Send(Port(sCols), QEvent::MouseMove, {119, 10}, Qt::NoButton, Qt::NoButton, {});
    EXPECT_EQ(Port(sCols)->cursor().shape(), Qt::ArrowCursor);
    Drag(sCols, {119, 10}, {150, 10});
    EXPECT_EQ(SheetWidth(1), ColWidth);
}

// Selecting -------------------------------------------------------------------

TEST_F(MouseTest, DraggingSelectsARangeAndShiftExtendsIt)
{
    Drag(sClient, InBody(1, 1), InBody(3, 4));
    EXPECT_EQ(View(sClient)->GetSelArea(), Rect(1, 1, 4, 5));
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 1}));
    // The release is the click, on the cell let go over.
    EXPECT_EQ(GridClicks, (std::vector<TPoint>{{3, 4}}));
    Click(sClient, InBody(4, 6), Qt::ShiftModifier);
    EXPECT_EQ(View(sClient)->GetSelArea(), Rect(1, 1, 5, 7));
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 1}));

    // Without ranges the current cell follows the pointer.
    Grid->SetOptions(Grid->GetOptions() - TXLOptions{oRangeSelect});
    Drag(sClient, InBody(1, 1), InBody(3, 4));
    EXPECT_EQ(View(sClient)->GetSelArea(), Rect(3, 4, 4, 5));
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{3, 4}));
}

TEST_F(MouseTest, DraggingOutOfTheBodyScrollsOnTheTimer)
{
    TXLView* body = View(sClient);
    const int below = body->GetClientSize().y + 10;
    Press(sClient, InBody(1, 1));
    Move(sClient, {90, below});
    EXPECT_EQ(Grid->GetTimerView(), body);
    EXPECT_EQ(body->GetOffset().y, 0);
    Grid->AutoScroll();
    EXPECT_EQ(body->GetOffset().y, RowHeight);
    // The selection follows to the row now under the pointer.
    TPoint under;
    body->ClientToCell({90, below}, true, under);
    EXPECT_EQ(body->GetSelArea().Bottom, under.Y + 1);
    // The real timer goes on by itself.
    QTest::qWait(200);
    EXPECT_GT(body->GetOffset().y, RowHeight);
    Release(sClient, {90, below});
    EXPECT_EQ(Grid->GetTimerView(), nullptr);
    const int offset = body->GetOffset().y;
    QTest::qWait(100);
    EXPECT_EQ(body->GetOffset().y, offset);

    // Resizing never scrolls.
    Press(sCols, {119, 10});
    Move(sCols, {90, 400});
    Grid->AutoScroll();
    EXPECT_EQ(body->GetOffset().y, offset);
    Release(sCols, {90, 400});
}

// Clicks ------------------------------------------------------------------------

TEST_F(MouseTest, ClicksReachTheCellTheGridAndTheSheet)
{
    Sheet->SetCellClass(2, 3, TXLCBoolean::StaticClass());
    TXLCell* flag = Sheet->GetCell(2, 3);
    Click(sClient, InBody(2, 3));
    EXPECT_EQ(GridClicks, (std::vector<TPoint>{{2, 3}}));
    EXPECT_EQ(SheetClicks, (std::vector<TPoint>{{2, 3}}));
    EXPECT_FALSE(flag->GetBoolean());
    DoubleClick(sClient, InBody(2, 3));
    EXPECT_TRUE(flag->GetBoolean());
    EXPECT_EQ(GridDblClicks, (std::vector<TPoint>{{2, 3}}));
    // Leaving the cell keeps the toggled value (no editor writes it back).
    Click(sClient, InBody(4, 4));
    EXPECT_TRUE(flag->GetBoolean());
    Click(sClient, InBody(2, 3));
    DoubleClick(sClient, InBody(2, 3));
    EXPECT_FALSE(flag->GetBoolean());
    // A click in a strip gives the position within the strip's section.
    GridClicks.clear();
    Click(sRows, {30, 50});
    EXPECT_EQ(GridClicks, (std::vector<TPoint>{{0, 2}}));

    // A group cell folds the rows after it.
    Sheet->SetCellClass(0, 4, TXLCGroup::StaticClass());
    Sheet->GetCell(0, 4)->SetBounds(Rect(0, 0, 1, 4));
    DoubleClick(sClient, InBody(0, 4));
    EXPECT_FALSE(Sheet->GetCellVisible(5, sRows));
    EXPECT_TRUE(Sheet->GetCellVisible(8, sRows));
}

TEST_F(MouseTest, ViewEventsReachTheGridInGridCoordinates)
{
    std::vector<QString> seen;
    const auto mouse = [&](const char* name) {
        return [&seen, name, this](void* sender, Qt::MouseButton, Qt::KeyboardModifiers, QPoint at) {
            EXPECT_EQ(sender, View(sClient));
            seen.push_back(QStringLiteral("%1 %2,%3").arg(QLatin1String(name)).arg(at.x()).arg(at.y()));
        };
    };
    Grid->OnMouseDown = mouse("down");
    Grid->OnMouseMove = mouse("move");
    Grid->OnMouseUp = mouse("up");
    Grid->OnClick = [&](void* sender) {
        EXPECT_EQ(sender, View(sClient));
        seen.push_back(QStringLiteral("click"));
    };
    Grid->OnDblClick = [&](void*) { seen.push_back(QStringLiteral("dblclick")); };
    // The body starts at (60, 20) of the grid.
    Press(sClient, {10, 5});
    Move(sClient, {12, 5});
    Release(sClient, {12, 5});
    Send(Port(sClient), QEvent::MouseButtonDblClick, {12, 5}, Qt::LeftButton, Qt::LeftButton, {});
    Release(sClient, {12, 5});
    EXPECT_EQ(seen, (std::vector<QString>{"down 70,25", "move 72,25", "up 72,25", "click", "dblclick",
                                          "down 72,25", "up 72,25"}));

    QPoint over;
    QPoint dropped;
    Grid->OnDragOver = [&](void*, const QMimeData* data, QPoint at, bool& accept) {
        over = at;
        accept = data->hasText();
    };
    Grid->OnDragDrop = [&](void*, const QMimeData* data, QPoint at) {
        dropped = at;
        EXPECT_EQ(data->text(), QStringLiteral("x"));
    };
    QMimeData data;
    data.setText(QStringLiteral("x"));
    QDragEnterEvent enter(QPoint(5, 6), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(Port(sClient), &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(over, QPoint(65, 26));
    QDropEvent drop(QPointF(7, 8), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(Port(sClient), &drop);
    EXPECT_EQ(dropped, QPoint(67, 28));
    QMimeData empty;
    QDragEnterEvent refused(QPoint(5, 6), Qt::CopyAction, &empty, Qt::LeftButton, {});
    QApplication::sendEvent(Port(sClient), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

// Context counts the context-menu events that reach a widget.
class TMenuCounter : public QObject {
public:
    explicit TMenuCounter(QWidget* widget) { widget->installEventFilter(this); }
    int Menus = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ContextMenu)
            ++Menus;
        return QObject::eventFilter(watched, event);
    }
};

TEST_F(MouseTest, RightButtonKeepsTheSelectionInsideAndMovesOutsideWithoutScrolling)
{
    Drag(sClient, InBody(1, 1), InBody(3, 3));
    Press(sClient, InBody(2, 2), {}, Qt::RightButton);
    Release(sClient, InBody(2, 2), {}, Qt::RightButton);
    EXPECT_EQ(View(sClient)->GetSelArea(), Rect(1, 1, 4, 4));
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 1}));
    // Column 5 is only partly shown; the view stays where it is.
    Press(sClient, InBody(5, 5) - QPoint(25, 0), {}, Qt::RightButton);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{5, 5}));
    EXPECT_EQ(View(sClient)->GetSelArea(), Rect(5, 5, 6, 6));
    EXPECT_EQ(View(sClient)->GetOffset().x, 0);

    // Beyond the cells no menu opens; over a cell the grid gets it.
    TMenuCounter menus(Grid.get());
    Sheet->SetRowCount(5);
    ProcessEvents();
    for (const auto& [at, want] : {std::pair{QPoint(30, 150), 0}, std::pair{QPoint(30, 50), 1}}) {
        SCOPED_TRACE(at.y());
        menus.Menus = 0;
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, Port(sClient)->mapToGlobal(at));
        QApplication::sendEvent(Port(sClient), &menu);
        EXPECT_EQ(menus.Menus, want);
    }
}

TEST_F(MouseTest, ReadOnlySheetTakesNoLeftClicksButTheKeyboardAndTheRightButton)
{
    Grid->SetCurPos({1, 1});
    Sheet->SetReadOnly(true);
    Drag(sClient, InBody(2, 2), InBody(3, 4));
    DoubleClick(sClient, InBody(2, 2));
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 1}));
    EXPECT_EQ(View(sClient)->GetSelArea(), Rect(1, 1, 2, 2));
    Drag(sCols, {119, 10}, {150, 10});
    EXPECT_EQ(SheetWidth(1), ColWidth);
    EXPECT_TRUE(GridClicks.empty());
    EXPECT_TRUE(GridDblClicks.empty());
    EXPECT_TRUE(SheetClicks.empty());
    EXPECT_TRUE(ColDblClicks.empty());
    EXPECT_EQ(Grid->GetEditMode(), emNone);

    QTest::keyClick(Grid.get(), Qt::Key_Down);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 2}));
    Press(sClient, InBody(3, 4), {}, Qt::RightButton);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{3, 4}));
}

}  // namespace
