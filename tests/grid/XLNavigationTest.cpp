#include "grid/XLNavigation.h"

#include "grid/TXLGeometry.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// A view of cols x rows cells with some merged areas and some cells that
// cannot take the cursor.
struct TestCells {
    int Cols = 4;
    int Rows = 3;
    std::vector<TRect> Merged;
    std::set<std::pair<int, int>> Locked;

    TRect AreaOf(TPoint p) const
    {
        for (const TRect& r : Merged)
            if (r.Contains(p))
                return r;
        return PointRect(p);
    }
    TXLNavCells Cells() const
    {
        TXLNavCells cells;
        cells.ColCount = Cols;
        cells.RowCount = Rows;
        cells.AreaOf = [this](TPoint p) { return AreaOf(p); };
        cells.CanSelect = [this](TPoint p) {
            return p.X >= 0 && p.Y >= 0 && p.X < Cols && p.Y < Rows && AreaOf(p).TopLeft() == p
                && !Locked.contains({p.X, p.Y});
        };
        cells.ExpandArea = [this](const TRect& area) {
            TRect grown = area;
            for (bool again = true; again;) {
                again = false;
                for (const TRect& r : Merged)
                    if (r.Intersects(grown) && UnionRect(grown, r) != grown) {
                        grown = UnionRect(grown, r);
                        again = true;
                    }
            }
            return grown;
        };
        return cells;
    }
    TRect Whole() const { return Rect(0, 0, Cols, Rows); }
};

struct FindCase {
    const char* Name;
    TPoint From;
    TXLDirection Dir;
    bool Wrap;
    bool Found;
    TPoint To;
};

TEST(XLNavigation, FindNextStepsAndWrapsInTheWholeView)
{
    const TestCells view;
    const FindCase cases[] = {
        {"right", {1, 1}, dRight, false, true, {2, 1}},
        {"right at the last column stops", {3, 1}, dRight, false, false, {3, 1}},
        {"right at the last column wraps to the next row", {3, 1}, dRight, true, true, {0, 2}},
        {"right from the bottom-right wraps to the top-left", {3, 2}, dRight, true, true, {0, 0}},
        {"down at the last row wraps to the next column", {1, 2}, dDown, true, true, {2, 0}},
        {"down from the bottom-right wraps to the first column", {3, 2}, dDown, true, true, {0, 0}},
        {"left at the first column wraps to the previous row", {0, 1}, dLeft, true, true, {3, 0}},
        {"left from the top-left wraps to the last row", {0, 0}, dLeft, true, true, {3, 2}},
        {"up at the first row wraps to the previous column", {2, 0}, dUp, true, true, {1, 2}},
        {"up from the top-left wraps to the last column", {0, 0}, dUp, true, true, {3, 2}},
        {"no direction", {1, 1}, dNone, true, false, {1, 1}},
        {"automatic direction", {1, 1}, dAuto, true, false, {1, 1}},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TPoint p = c.From;
        EXPECT_EQ(XLFindNext(view.Cells(), p, c.Dir, view.Whole(), c.Wrap), c.Found);
        EXPECT_EQ(p, c.To);
    }
}

TEST(XLNavigation, FindNextSkipsLockedCellsAndCrossesMergedAreas)
{
    TestCells view;
    view.Rows = 6;
    view.Merged = {Rect(1, 1, 3, 3)};
    view.Locked = {{2, 0}};
    // Right over a locked cell.
    TPoint p{1, 0};
    ASSERT_TRUE(XLFindNext(view.Cells(), p, dRight, view.Whole(), false));
    EXPECT_EQ(p, (TPoint{3, 0}));
    // Down onto a merged area lands on its top-left; the next Down leaves it
    // below its last row.
    p = {1, 0};
    ASSERT_TRUE(XLFindNext(view.Cells(), p, dDown, view.Whole(), false));
    EXPECT_EQ(p, (TPoint{1, 1}));
    ASSERT_TRUE(XLFindNext(view.Cells(), p, dDown, view.Whole(), false));
    EXPECT_EQ(p, (TPoint{1, 3}));
    // Right from inside the area's second column leaves it to its right.
    p = {2, 2};
    ASSERT_TRUE(XLFindNext(view.Cells(), p, dRight, view.Whole(), false));
    EXPECT_EQ(p, (TPoint{3, 2}));
    // Up into the area from below reaches its top-left.
    p = {2, 3};
    ASSERT_TRUE(XLFindNext(view.Cells(), p, dUp, view.Whole(), false));
    EXPECT_EQ(p, (TPoint{1, 1}));
}

TEST(XLNavigation, FindNextEndsWhenNothingCanTakeTheCursor)
{
    TestCells view;
    for (int x = 0; x < view.Cols; ++x)
        for (int y = 0; y < view.Rows; ++y)
            view.Locked.insert({x, y});
    view.Merged = {Rect(0, 0, 2, 2)};
    TPoint p{3, 2};
    // The wrapping walk comes round without a selectable cell and stops.
    EXPECT_TRUE(XLFindNext(view.Cells(), p, dRight, view.Whole(), true));
    EXPECT_FALSE(view.Cells().CanSelect(p));
    p = {3, 2};
    EXPECT_FALSE(XLFindNext(view.Cells(), p, dRight, view.Whole(), false));
}

TEST(XLNavigation, EnterInsideARangeWrapsWithinIt)
{
    TestCells view;
    view.Cols = 6;
    view.Rows = 6;
    const TRect range = Rect(1, 1, 4, 3);  // 3 columns x 2 rows
    TPoint p{1, 1};
    std::vector<TPoint> visited;
    for (int i = 0; i < 7; ++i) {
        ASSERT_TRUE(XLFindNext(view.Cells(), p, dDown, range, true));
        visited.push_back(p);
    }
    const std::vector<TPoint> down{{1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}, {1, 1}, {1, 2}};
    EXPECT_EQ(visited, down);
    p = {1, 1};
    ASSERT_TRUE(XLFindNext(view.Cells(), p, dUp, range, true));
    EXPECT_EQ(p, (TPoint{3, 2}));
}

struct KeyCase {
    const char* Name;
    int Key;
    bool Ctrl;
    TPoint Cursor;
    TXLDirection Dir;
    TXLKeyScroll Scroll;
    bool Arrow;
};

TEST(XLNavigation, KeyTable)
{
    // 10 columns of 50 and 100 rows of 20 pixels, a client 200 pixels high,
    // the cursor at (4, 30): its row starts at 600.
    TXLSizeList widths;
    widths.SetZero(50);
    widths.SetCount(10);
    TXLSizeList heights;
    heights.SetZero(20);
    heights.SetCount(100);
    TXLLineSizes w;
    TXLLineSizes h;
    w.Assign(widths, 100);
    h.Assign(heights, 100);
    TXLGeometry geo;
    geo.SetLines(&w, &h);
    geo.SetExtent({w.Total(), h.Total()});
    geo.SetClientSize({300, 200});
    const TPoint at{4, 30};
    const KeyCase cases[] = {
        {"page up", Qt::Key_PageUp, false, {4, 20}, dDown, ksPageUp, false},
        {"ctrl page up", Qt::Key_PageUp, true, {4, 0}, dDown, ksTop, false},
        {"page down", Qt::Key_PageDown, false, {4, 40}, dUp, ksPageDown, false},
        {"ctrl page down", Qt::Key_PageDown, true, {4, 100}, dUp, ksBottom, false},
        {"home", Qt::Key_Home, false, {0, 30}, dRight, ksNone, false},
        {"ctrl home", Qt::Key_Home, true, {0, 0}, dRight, ksTopLeft, false},
        {"end", Qt::Key_End, false, {10, 30}, dLeft, ksNone, false},
        {"ctrl end", Qt::Key_End, true, {10, 100}, dLeft, ksBottomRight, false},
        {"left", Qt::Key_Left, false, at, dLeft, ksNone, true},
        {"ctrl up", Qt::Key_Up, true, at, dUp, ksLineUp, true},
        {"ctrl right", Qt::Key_Right, true, at, dRight, ksLineRight, true},
        {"down", Qt::Key_Down, false, at, dDown, ksNone, true},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TXLKeyMove move = XLKeyMove(c.Key, c.Ctrl, at, geo);
        EXPECT_TRUE(move.Handled);
        EXPECT_EQ(move.Cursor, c.Cursor);
        EXPECT_EQ(move.Direction, c.Dir);
        EXPECT_EQ(move.Scroll, c.Scroll);
        EXPECT_EQ(move.Arrow, c.Arrow);
    }
    EXPECT_FALSE(XLKeyMove(Qt::Key_A, false, at, geo).Handled);
    // Page Up near the top stops at the first row.
    EXPECT_EQ(XLKeyMove(Qt::Key_PageUp, false, {0, 3}, geo).Cursor, (TPoint{0, 0}));
}

TEST(XLNavigation, ShiftExtendsAndShrinksFromTheAnchor)
{
    TestCells view;
    view.Cols = 6;
    view.Rows = 6;
    const TPoint current{2, 2};
    TXLExtend e;
    ASSERT_TRUE(XLExtendSelection(view.Cells(), Qt::Key_Right, current, PointRect(current), e));
    EXPECT_EQ(e.Selection, Rect(2, 2, 4, 3));
    EXPECT_EQ(e.Direction, dRight);
    ASSERT_TRUE(XLExtendSelection(view.Cells(), Qt::Key_Down, current, e.Selection, e));
    EXPECT_EQ(e.Selection, Rect(2, 2, 4, 4));
    ASSERT_TRUE(XLExtendSelection(view.Cells(), Qt::Key_Left, current, e.Selection, e));
    EXPECT_EQ(e.Selection, Rect(2, 2, 3, 4));
    // Past the anchor the left edge moves instead.
    ASSERT_TRUE(XLExtendSelection(view.Cells(), Qt::Key_Left, current, e.Selection, e));
    EXPECT_EQ(e.Selection, Rect(1, 2, 3, 4));
    ASSERT_TRUE(XLExtendSelection(view.Cells(), Qt::Key_Left, current, e.Selection, e));
    EXPECT_EQ(e.Selection, Rect(0, 2, 3, 4));
    // At the edge nothing more happens.
    ASSERT_TRUE(XLExtendSelection(view.Cells(), Qt::Key_Left, current, e.Selection, e));
    EXPECT_EQ(e.Selection, Rect(0, 2, 3, 4));
    // End takes the corner to the last column without a direction.
    ASSERT_TRUE(XLExtendSelection(view.Cells(), Qt::Key_End, current, PointRect(current), e));
    EXPECT_EQ(e.Selection, Rect(2, 2, 6, 3));
    EXPECT_EQ(e.Direction, dNone);
    EXPECT_FALSE(XLExtendSelection(view.Cells(), Qt::Key_A, current, PointRect(current), e));
}

TEST(XLNavigation, ShiftStepsOverMergedAreasInOneKey)
{
    TestCells view;
    view.Cols = 6;
    view.Rows = 6;
    view.Merged = {Rect(3, 0, 5, 4)};
    TXLExtend e;
    // From (2, 2) a step right reaches the merged area, which widens the
    // selection over its whole rectangle at once.
    ASSERT_TRUE(XLExtendSelection(view.Cells(), Qt::Key_Right, {2, 2}, Rect(2, 2, 3, 3), e));
    EXPECT_EQ(e.Selection, Rect(2, 0, 5, 4));
    // The next step right leaves the area.
    ASSERT_TRUE(XLExtendSelection(view.Cells(), Qt::Key_Right, {2, 2}, e.Selection, e));
    EXPECT_EQ(e.Selection, Rect(2, 0, 6, 4));
}

}  // namespace
