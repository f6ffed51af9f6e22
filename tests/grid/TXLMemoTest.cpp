// The memo editor through the grid: lines from text and pick-list cells,
// Ctrl+Enter for a new line, the cell's line breaks kept, and wrapping and
// indent by the cell's layout.
#include "grid/TXLMemo.h"

#include "grid/EditTestSupport.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLStrings.h"

#include <QPlainTextEdit>

namespace {

class MemoTest : public EditTestBase {
protected:
    QPlainTextEdit* Memo() const
    {
        auto* memo = Editor<TXLMemo>();
        return memo ? memo->GetMemo() : nullptr;
    }
};

TEST_F(MemoTest, TextCellLinesRoundTripWithCtrlEnterForANewLine)
{
    TXLCell* cell = Sheet->GetCell(1, 1);
    cell->SetEditor(1);
    cell->SetValue(Variant(QStringLiteral("first\r\nsecond")));
    Key(Qt::Key_F2);
    ASSERT_NE(Memo(), nullptr);
    EXPECT_EQ(Memo()->toPlainText(), QStringLiteral("first\nsecond"));
    Key(Qt::Key_Return, Qt::ControlModifier);
    Keys(QStringLiteral("third"));
    EXPECT_EQ(Grid->GetEditMode(), emEdit);
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid->GetEditMode(), emNone);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 2}));
    EXPECT_EQ(cell->GetString(), QStringLiteral("first\r\nsecond\r\nthird"));

    // Typing on the cell replaces the content; a plain line break of the
    // cell is kept as it was.
    cell->SetValue(Variant(QStringLiteral("a\nb")));
    Grid->SetCurPos({1, 1});
    Keys(QStringLiteral("z"));
    ASSERT_EQ(Grid->GetEditMode(), emEnter);
    EXPECT_EQ(Memo()->toPlainText(), QStringLiteral("z"));
    Key(Qt::Key_Return, Qt::ControlModifier);
    Keys(QStringLiteral("y"));
    Key(Qt::Key_Return);
    EXPECT_EQ(cell->GetString(), QStringLiteral("z\ny"));
}

TEST_F(MemoTest, PickListCellsEditTheirItemsOnePerLine)
{
    Sheet->SetCellClass(2, 2, TXLCStrings::StaticClass());
    TXLCell* cell = Sheet->GetCell(2, 2);
    const TXLStrings items({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    cell->SetObject(&items);
    cell->SetInteger(1);
    Sheet->SetModified(false);
    Grid->SetCurPos({2, 2});
    Key(Qt::Key_F2);
    ASSERT_NE(Memo(), nullptr);
    EXPECT_EQ(Memo()->toPlainText(), QStringLiteral("a\nb\nc"));
    // Leaving without a change changes nothing.
    Key(Qt::Key_Return);
    EXPECT_FALSE(Sheet->GetModified());
    EXPECT_EQ(cell->GetText(), QStringLiteral("b"));

    Grid->SetCurPos({2, 2});
    Key(Qt::Key_F2);
    Memo()->selectAll();
    Keys(QStringLiteral("x"));
    Key(Qt::Key_Return, Qt::ControlModifier);
    Keys(QStringLiteral("y"));
    Key(Qt::Key_Return);
    const auto* saved = dynamic_cast<const TXLStrings*>(cell->GetObject());
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->Items, (QStringList{QStringLiteral("x"), QStringLiteral("y")}));
    EXPECT_EQ(cell->GetText(), QStringLiteral("y"));
}

TEST_F(MemoTest, TheCellsLayoutGivesWrappingIndentAndTheWholeHost)
{
    struct Row {
        TXLWrapMode wrap;
        TXLHorzAlign align;
        int indent;
        QPlainTextEdit::LineWrapMode expectedWrap;
        int left;
        int right;
    };
    const Row rows[] = {
        {wmWrapWords, haLeft, 5, QPlainTextEdit::WidgetWidth, 5, 0},
        {wmClip, haRight, 4, QPlainTextEdit::NoWrap, 0, 4},
        {wmEllipsis, haCenter, 3, QPlainTextEdit::NoWrap, 3, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.indent);
        TXLCell* cell = Sheet->GetCell(1, 1);
        cell->SetEditor(1);
        cell->SetWrapMode(row.wrap);
        cell->SetHorzAlign(row.align);
        cell->SetIndent(row.indent);
        Grid->SetCurPos({1, 1});
        Key(Qt::Key_F2);
        ASSERT_NE(Memo(), nullptr);
        EXPECT_EQ(Memo()->lineWrapMode(), row.expectedWrap);
        const QRect inside = Memo()->viewport()->geometry();
        EXPECT_EQ(inside.left(), row.left);
        EXPECT_EQ(Memo()->width() - 1 - inside.right(), row.right);
        EXPECT_EQ(Editor<TXLMemo>()->geometry(), Host().rect());
        Key(Qt::Key_Escape);
    }
}

}  // namespace
