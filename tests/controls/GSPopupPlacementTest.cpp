#include "controls/GSPopupPlacement.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct PlacementRow {
    const char* Name;
    QRect Target;
    QSize Size;
    QRect Screen;
    TAlignment Alignment;
    QPoint Expected;
};

const QRect Screen(0, 0, 1024, 768);
// A second monitor to the right of the first, and one to its left.
const QRect RightScreen(1024, 0, 1024, 768);
const QRect LeftScreen(-1024, 0, 1024, 768);

const PlacementRow PlacementRows[] = {
    {"left edges together", {100, 100, 50, 20}, {80, 60}, Screen, taLeftJustify, {100, 120}},
    {"right edges together", {100, 100, 50, 20}, {80, 60}, Screen, taRightJustify, {70, 120}},
    {"centred", {100, 100, 50, 20}, {80, 60}, Screen, taCenter, {85, 120}},
    {"centred, odd sum rounds down", {100, 100, 51, 20}, {80, 60}, Screen, taCenter, {85, 120}},
    {"centred, negative half rounds toward zero", {-101, 10, 2, 10}, {5, 5}, LeftScreen, taCenter, {-102, 20}},
    {"past the right edge ends at the target's right", {1000, 100, 20, 20}, {100, 60}, Screen, taLeftJustify, {920, 120}},
    {"centred past the right edge ends at the target's right", {990, 100, 20, 20}, {100, 60}, Screen, taCenter, {910, 120}},
    {"touching the right edge stays", {900, 100, 24, 20}, {124, 60}, Screen, taLeftJustify, {900, 120}},
    {"past the bottom opens above", {100, 740, 50, 20}, {80, 60}, Screen, taLeftJustify, {100, 680}},
    {"touching the bottom stays below", {100, 688, 50, 20}, {80, 60}, Screen, taLeftJustify, {100, 708}},
    {"past both edges: above and right-aligned", {1000, 740, 20, 20}, {100, 60}, Screen, taLeftJustify, {920, 680}},
    {"never left of the origin", {10, 100, 20, 20}, {100, 60}, Screen, taRightJustify, {0, 120}},
    {"never above the origin", {100, 30, 50, 20}, {80, 760}, Screen, taLeftJustify, {100, 0}},
    {"wider than the screen starts at its left", {500, 100, 20, 20}, {2000, 60}, Screen, taLeftJustify, {0, 120}},
    {"second screen, room to the right", {1900, 100, 20, 20}, {100, 60}, RightScreen, taLeftJustify, {1900, 120}},
    {"second screen, its right edge", {2040, 100, 8, 20}, {100, 60}, RightScreen, taLeftJustify, {1948, 120}},
    {"second screen, clamped to its own left", {1030, 100, 20, 20}, {100, 60}, RightScreen, taRightJustify, {1024, 120}},
    {"empty target drops at its point", {300, 200, 0, 0}, {40, 30}, Screen, taRightJustify, {260, 200}},
    {"negative size is taken as empty", {300, 200, 10, 10}, {-40, -30}, Screen, taLeftJustify, {300, 210}},
};

TEST(GSPopupPlacementTest, FollowsAlignmentAndStaysOnScreen)
{
    for (const PlacementRow& row : PlacementRows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(GSPopupOrigin(row.Target, row.Size, row.Screen, row.Alignment), row.Expected);
    }
}

TEST(GSPopupPlacementTest, ExtremeGeometryDoesNotOverflow)
{
    const QRect target(INT_MAX - 10, INT_MAX - 10, 5, 5);
    const QPoint origin = GSPopupOrigin(target, {INT_MAX, INT_MAX}, Screen, taCenter);
    EXPECT_EQ(origin, QPoint(0, 0));
    const QPoint far = GSPopupOrigin({INT_MIN + 1, INT_MIN + 1, 5, 5}, {10, 10}, Screen, taLeftJustify);
    EXPECT_EQ(far, QPoint(0, 0));
}

}  // namespace
