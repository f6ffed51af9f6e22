// The masked text editor through the grid: the display format as the edit
// mask, the text saved with or without the mask's literals, the arrows that
// leave a masked field, Delete kept from the window's shortcuts, and the
// translation of edit masks into the line edit's input masks.
#include "grid/TXLMaskEdit.h"

#include "grid/EditTestSupport.h"
#include "sheet/TXLCString.h"

#include <QAction>

namespace {

TEST(XLQtInputMask, TranslatesPositionsLiteralsCaseAndBlank)
{
    const FormatSettings dots = FormatSettings::WithDecimalSeparator(u',');
    FormatSettings other = dots;
    other.TimeSeparator = u'.';
    other.DateSeparator = u'-';
    struct Row {
        const char* mask;
        const FormatSettings* settings;
        const char* expected;
    };
    const Row rows[] = {
        {"", &dots, ""},
        {"<>", &dots, ""},
        {"000-00", &dots, "999\\-99;_"},
        {"99:99", &dots, "00\\:00;_"},
        {"99:99", &other, "00\\.00;_"},
        {"99/99", &other, "00\\-00;_"},
        {">LL<ll<>aA", &dots, ">AA<aa!nN;_"},
        {"cC#", &dots, "xX#;_"},
        {"\\L0_", &dots, "\\L9\\ ;_"},
        {"!000;0;*", &dots, "999;*"},
        {"(000)", &dots, "\\(999\\);_"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.mask);
        EXPECT_EQ(XLQtInputMask(QString::fromUtf8(row.mask), *row.settings), QString::fromUtf8(row.expected));
    }
}

class MaskEditTest : public EditTestBase {
protected:
    // A text cell with the masked editor (the third editor of text cells).
    TXLCell* MaskCell(int col, int row, const QString& format, const QString& value)
    {
        TXLCell* cell = Sheet->GetCell(col, row);
        cell->SetEditor(2);
        cell->SetFormat(format);
        cell->SetValue(Variant(value));
        return cell;
    }
};

TEST_F(MaskEditTest, RoundTripsTextWithAndWithoutTheMasksLiterals)
{
    struct Row {
        const char* format;
        const char* stored;
        const char* shown;
        const char* typed;
        const char* saved;
    };
    const Row rows[] = {
        {"", "plain", "plain", "new text", "new text"},
        {"00-00;0;_", "1234", "12-34", "5678", "5678"},
        {"00-00;1;_", "12-34", "12-34", "5678", "56-78"},
        {">LL-00", "ab-12", "AB-12", "cd34", "CD-34"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.format);
        TXLCell* cell = MaskCell(1, 1, QString::fromUtf8(row.format), QString::fromUtf8(row.stored));
        Grid->SetCurPos({1, 1});
        Key(Qt::Key_F2);
        ASSERT_NE(Editor<TXLMaskEdit>(), nullptr);
        ASSERT_NE(Line(), nullptr);
        EXPECT_EQ(Line()->text(), QString::fromUtf8(row.shown));
        // Without a mask the text is loaded unselected.
        if (!*row.format) {
            EXPECT_FALSE(Line()->hasSelectedText());
        }
        Line()->selectAll();
        Keys(QString::fromUtf8(row.typed));
        Key(Qt::Key_Return);
        EXPECT_EQ(Grid->GetEditMode(), emNone);
        EXPECT_EQ(cell->GetString(), QString::fromUtf8(row.saved));
    }
}

TEST_F(MaskEditTest, TypingOnTheCellOpensTheMaskedEditor)
{
    TXLCell* cell = MaskCell(1, 1, QStringLiteral("000;0;_"), QStringLiteral("123"));
    Keys(QStringLiteral("45x6"));
    ASSERT_EQ(Grid->GetEditMode(), emEnter);
    // The letter has no digit position to go to.
    EXPECT_EQ(Line()->text(), QStringLiteral("456"));
    Key(Qt::Key_Down);
    EXPECT_EQ(cell->GetString(), QStringLiteral("456"));
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 2}));
}

TEST_F(MaskEditTest, ArrowsAtTheEdgesOfAMaskedFieldLeaveTheCell)
{
    MaskCell(2, 2, QStringLiteral("00-00;0;_"), QStringLiteral("1234"));
    Grid->SetCurPos({2, 2});
    Key(Qt::Key_F2);
    ASSERT_EQ(Grid->GetEditMode(), emEdit);
    Line()->setCursorPosition(1);
    Key(Qt::Key_Left);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{2, 2}));
    EXPECT_EQ(Line()->cursorPosition(), 0);
    Key(Qt::Key_Left);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 2}));
    EXPECT_EQ(Grid->GetEditMode(), emNone);

    Grid->SetCurPos({2, 2});
    Key(Qt::Key_F2);
    Line()->setCursorPosition(Line()->displayText().size());
    Key(Qt::Key_Right);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{3, 2}));

    // Without a mask the caret simply stops at the edge.
    MaskCell(2, 3, QString(), QStringLiteral("ab"));
    Grid->SetCurPos({2, 3});
    Key(Qt::Key_F2);
    Line()->setCursorPosition(0);
    Key(Qt::Key_Left);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{2, 3}));
    EXPECT_EQ(Grid->GetEditMode(), emEdit);
}

TEST_F(MaskEditTest, DeleteEditsTheTextBeforeAnyWindowShortcut)
{
    int cleared = 0;
    auto* clear = new QAction(Grid.get());
    clear->setShortcut(QKeySequence::Delete);
    clear->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(clear, &QAction::triggered, [&cleared] { ++cleared; });
    Grid->addAction(clear);
    MaskCell(1, 1, QString(), QStringLiteral("abc"));
    Key(Qt::Key_F2);
    Line()->setCursorPosition(0);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Line()->text(), QStringLiteral("bc"));
    EXPECT_EQ(cleared, 0);
    // Outside the editor the shortcut works.
    Key(Qt::Key_Escape);
    Key(Qt::Key_Delete);
    EXPECT_EQ(cleared, 1);
}

TEST_F(MaskEditTest, LayoutGivesAlignmentIndentAndTheTextsHeight)
{
    Sheet->SetCellSize(1, sRows, 60);
    TXLCell* cell = MaskCell(1, 1, QString(), QStringLiteral("x"));
    cell->SetHorzAlign(haRight);
    cell->SetIndent(7);
    Key(Qt::Key_F2);
    auto* edit = Editor<TXLMaskEdit>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetAlign(), taRightJustify);
    EXPECT_TRUE(Line()->alignment().testFlag(Qt::AlignRight));
    EXPECT_EQ(Line()->textMargins(), QMargins(0, 0, 7, 0));
    // One line of text in a taller cell, at the cell's bottom.
    const int line = XLCalcTextHeight(*edit, 7, haRight, QStringLiteral("x."));
    EXPECT_EQ(edit->height(), line);
    EXPECT_LT(edit->height(), Host().height() / 2);
    EXPECT_EQ(edit->geometry().bottom(), Host().rect().bottom());
}

}  // namespace
