// The comment note's geometry and text rules, without widgets.
#include "grid/XLHintLayout.h"

#include <gtest/gtest.h>

namespace {

// Cells of 60 x 20 in a 340 x 280 view; the note is 185 wide.
TEST(XLHintLayout, TheNoteOpensBesideItsCellOrLeftOfItOrAbove)
{
    const QSize client(340, 280);
    struct Row {
        const char* Name;
        QRect Cell;
        int TextHeight;
        QRect Expected;
    };
    const Row rows[] = {
        // Right of the anchor (119, 41): x 119 + 7, y 41 - 18; one short
        // line still gives 100 pixels.
        {"beside", QRect(60, 40, 60, 20), 15, QRect(126, 23, 185, 100)},
        // Near the top the note does not rise above the view.
        {"top row", QRect(60, 0, 60, 20), 15, QRect(126, 0, 185, 100)},
        // A long comment makes the note taller: 120 + 21.
        {"tall text", QRect(0, 0, 60, 20), 120, QRect(66, 0, 185, 141)},
        // Passing the right edge (306 + 185 > 340): left of the cell,
        // 240 - 185 - 14.
        {"right edge", QRect(240, 40, 60, 20), 15, QRect(41, 23, 185, 100)},
        // Not room on the left either: the left edge of the view.
        {"right edge, narrow", QRect(120, 40, 60, 20), 15, QRect(0, 23, 185, 100)},
        // Passing the bottom (223 + 100 > 280): above the cell, 240 - 100 - 11.
        {"bottom", QRect(60, 240, 60, 20), 15, QRect(126, 129, 185, 100)},
        {"bottom right", QRect(240, 240, 60, 20), 15, QRect(41, 129, 185, 100)},
        // Too tall for the view above the cell too: its top.
        {"bottom, tall", QRect(60, 100, 60, 20), 250, QRect(126, 0, 185, 271)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(XLPlaceHintMemo(row.Cell, 185, row.TextHeight, client), row.Expected);
    }
}

TEST(XLHintLayout, TheAnchorIsOnePixelInsideTheTopRightCorner)
{
    EXPECT_EQ(XLHintAnchor(QRect(60, 40, 60, 20)), QPoint(119, 41));
    // A merged area of two by two cells.
    EXPECT_EQ(XLHintAnchor(QRect(0, 0, 120, 40)), QPoint(119, 1));
}

TEST(XLHintLayout, TheFrameHasEightHandlesAndMovesElsewhere)
{
    const QSize size(100, 60);
    struct Row {
        QPoint At;
        TXLHintHit Hit;
    };
    const Row rows[] = {
        {{0, 0}, hhTopLeft},      {{6, 6}, hhTopLeft},      {{99, 0}, hhTopRight},   {{93, 6}, hhTopRight},
        {{0, 59}, hhBottomLeft},  {{99, 59}, hhBottomRight}, {{46, 0}, hhTop},       {{52, 6}, hhTop},
        {{49, 59}, hhBottom},     {{0, 26}, hhLeft},        {{99, 32}, hhRight},     {{45, 3}, hhMove},
        {{53, 3}, hhMove},        {{3, 25}, hhMove},        {{20, 58}, hhMove},      {{7, 0}, hhMove},
        {{7, 7}, hhClient},       {{92, 52}, hhClient},     {{50, 30}, hhClient},    {{100, 30}, hhClient},
        {{-1, 0}, hhClient},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.At.x() << ", " << row.At.y());
        EXPECT_EQ(XLHintHitTest(size, row.At), row.Hit);
    }
    // The handles are 7 x 7 squares in the frame.
    for (const QRect& handle : XLHintHandles(size)) {
        EXPECT_EQ(handle.size(), QSize(7, 7));
        EXPECT_TRUE(QRect(0, 0, 100, 60).contains(handle));
    }
}

TEST(XLHintLayout, DraggingAHandleMovesOnlyItsSides)
{
    const QRect start(100, 50, 185, 100);
    const QSize min(42, 42);
    const QPoint d(30, 20);
    struct Row {
        TXLHintHit Hit;
        QRect Expected;
    };
    const Row rows[] = {
        {hhMove, QRect(130, 70, 185, 100)},
        {hhTopLeft, QRect(130, 70, 155, 80)},
        {hhTopRight, QRect(100, 70, 215, 80)},
        {hhBottomLeft, QRect(130, 50, 155, 120)},
        {hhBottomRight, QRect(100, 50, 215, 120)},
        {hhTop, QRect(100, 70, 185, 80)},
        {hhBottom, QRect(100, 50, 185, 120)},
        {hhLeft, QRect(130, 50, 155, 100)},
        {hhRight, QRect(100, 50, 215, 100)},
        {hhClient, start},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Hit);
        EXPECT_EQ(XLHintDrag(row.Hit, start, d, min), row.Expected);
    }
    // Shrinking stops at the least size, the opposite side staying put.
    EXPECT_EQ(XLHintDrag(hhBottomRight, start, QPoint(-500, -500), min), QRect(100, 50, 42, 42));
    EXPECT_EQ(XLHintDrag(hhTopLeft, start, QPoint(500, 500), min), QRect(243, 108, 42, 42));
}

TEST(XLHintLayout, StoredTextHasSingleLineFeedsAndNoTrailingBlanks)
{
    struct Row {
        const char* Name;
        QStringList Lines;
        QString Expected;
    };
    const QString sep(QChar::LineSeparator);
    const Row rows[] = {
        {"two lines", {"first", "second"}, "first\nsecond"},
        {"soft wrap keeps no blank", {"a long ", "comment"}, "a long\ncomment"},
        {"carriage returns", {"one\r", "\rtwo\r\n"}, "one\ntwo"},
        {"hard break inside a line", {"up" + sep, "down"}, "up\ndown"},
        {"inner break", {"x" + sep + "y"}, "x\ny"},
        {"trailing empty lines", {"text", "", "  ", ""}, "text"},
        {"inner empty line kept", {"a", "", "b"}, "a\n\nb"},
        {"leading blanks kept", {"  indented"}, "  indented"},
        {"empty", {}, ""},
        {"only blanks", {" ", "\t"}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(XLHintStoredText(row.Lines), row.Expected);
    }
}

}  // namespace
