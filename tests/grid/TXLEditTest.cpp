// In-place editing through the real edit host and the grid's own editors:
// keys typed on the grid, the entering and editing modes, committing and
// cancelling, the pick lists, and what the grid reports.
#include "grid/TXLEdit.h"

#include "base/ERAVazoError.h"

#include "grid/EditTestSupport.h"
#include "grid/TXLButton.h"
#include "grid/TXLComboBox.h"
#include "grid/TXLPickEdit.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLStrings.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <stdexcept>
#include <vector>

namespace {

class EditTest : public EditTestBase {
protected:
    // A unit cell: a pick-list cell with the closed-list editor.
    TXLCell* MakeUnitCell(int col, int row)
    {
        Sheet->SetCellClass(col, row, TXLCStrings::StaticClass());
        TXLCell* cell = Sheet->GetCell(col, row);
        cell->SetEditor(2);
        const TXLStrings units({QStringLiteral("МПа"), QStringLiteral("бар"), QStringLiteral("атм")});
        cell->SetObject(&units);
        cell->SetInteger(0);
        return cell;
    }
};

TEST_F(EditTest, TypingReplacesTheContentAndEnterCommitsBeforeTheEvent)
{
    Sheet->GetCell(1, 1)->SetValue(Variant(QStringLiteral("old")));
    Keys(QStringLiteral("5"));
    ASSERT_EQ(Grid->GetEditMode(), emEnter);
    ASSERT_NE(Line(), nullptr);
    EXPECT_EQ(Line()->text(), QStringLiteral("5"));
    EXPECT_EQ(Line()->cursorPosition(), 1);
    Keys(QStringLiteral(",25"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid->GetEditMode(), emNone);
    EXPECT_EQ(Sheet->GetCell(1, 1)->GetText(), QStringLiteral("5,25"));
    // Opening and closing were both reported; at the close the value was
    // already in the cell.
    ASSERT_EQ(Modes.size(), 2u);
    EXPECT_EQ(Modes[0], emEnter);
    EXPECT_EQ(Modes[1], emNone);
    EXPECT_EQ(Seen[1], QStringLiteral("5,25"));
    // Enter moved on in the automatic direction (down at first).
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 2}));
    EXPECT_FALSE(Host().isVisible());
    EXPECT_TRUE(Grid->hasFocus());
}

TEST_F(EditTest, EscDropsTheTypedText)
{
    Sheet->GetCell(1, 1)->SetValue(Variant(QStringLiteral("kept")));
    Keys(QStringLiteral("xyz"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(Grid->GetEditMode(), emNone);
    EXPECT_EQ(Sheet->GetCell(1, 1)->GetText(), QStringLiteral("kept"));
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 1}));
}

TEST_F(EditTest, ArrowsCommitWhileEnteringAndMoveTheCaretWhileEditing)
{
    Keys(QStringLiteral("12"));
    Key(Qt::Key_Right);
    EXPECT_EQ(Grid->GetEditMode(), emNone);
    EXPECT_EQ(Sheet->GetCell(1, 1)->GetText(), QStringLiteral("12"));
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{2, 1}));
    // After Right the automatic direction is right: Enter follows it.
    Key(Qt::Key_Left);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 1}));

    // F2 edits in place: Left moves the caret, the cell stays.
    Key(Qt::Key_F2);
    ASSERT_EQ(Grid->GetEditMode(), emEdit);
    ASSERT_NE(Line(), nullptr);
    EXPECT_EQ(Line()->text(), QStringLiteral("12"));
    Line()->setCursorPosition(2);
    Key(Qt::Key_Left);
    EXPECT_EQ(Grid->GetEditMode(), emEdit);
    EXPECT_EQ(Line()->cursorPosition(), 1);
    Keys(QStringLiteral("0"));
    // F2 again switches to entering, which the grid reports.
    const size_t before = Modes.size();
    Key(Qt::Key_F2);
    EXPECT_EQ(Grid->GetEditMode(), emEnter);
    EXPECT_EQ(Modes.size(), before + 1);
    Key(Qt::Key_Down);
    EXPECT_EQ(Sheet->GetCell(1, 1)->GetText(), QStringLiteral("102"));
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 2}));
}

TEST_F(EditTest, ProtectedReadOnlyAndEditorlessCellsRefuseTyping)
{
    Sheet->GetCell(2, 1)->SetStyles({csReadOnly});
    Sheet->GetCell(3, 1)->SetStyles({csProtect});
    Grid->SetCurPos({2, 1});
    ASSERT_EQ(Grid->GetCurPos(), (TPoint{2, 1}));
    Keys(QStringLiteral("7"));
    EXPECT_EQ(Grid->GetEditMode(), emNone);
    EXPECT_TRUE(Sheet->GetCell(2, 1)->GetText().isEmpty());
    // A protected cell cannot even become current: Right skips it.
    Key(Qt::Key_Right);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{4, 1}));
    // A read-only grid edits nothing.
    Grid->SetOptions(Grid->GetOptions() + TXLOptions{oReadOnly});
    Keys(QStringLiteral("7"));
    EXPECT_EQ(Grid->GetEditMode(), emNone);
    EXPECT_TRUE(Modes.empty());
}

TEST_F(EditTest, ChangingTheScaleReopensTheEditorWithTheTypedText)
{
    Keys(QStringLiteral("42"));
    const int oldSize = QFontInfo(Host().font()).pixelSize();
    const int oldHeight = Host().height();
    Grid->SetScale(200);
    ProcessEvents();
    ASSERT_EQ(Grid->GetEditMode(), emEnter);
    EXPECT_EQ(Sheet->GetCell(1, 1)->GetText(), QStringLiteral("42"));
    EXPECT_EQ(Line()->text(), QStringLiteral("42"));
    EXPECT_GT(QFontInfo(Host().font()).pixelSize(), oldSize);
    EXPECT_GT(Host().height(), oldHeight);
}

TEST_F(EditTest, ClickMakesACellCurrentAndDoubleClickEditsIt)
{
    QWidget* body = View(sClient)->viewport();
    // Body cell (c, r) starts at (60c, 20r) in the body view.
    QTest::mouseClick(body, Qt::LeftButton, Qt::NoModifier, QPoint(3 * 60 + 10, 4 * 20 + 5));
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{3, 4}));
    Sheet->GetCell(3, 4)->SetValue(Variant(QStringLiteral("abc")));
    QTest::mouseDClick(body, Qt::LeftButton, Qt::NoModifier, QPoint(3 * 60 + 10, 4 * 20 + 5));
    ProcessEvents();
    EXPECT_EQ(Grid->GetEditMode(), emEdit);
    ASSERT_NE(Line(), nullptr);
    EXPECT_EQ(Line()->text(), QStringLiteral("abc"));
    // A click elsewhere commits and moves.
    Line()->setText(QStringLiteral("abcd"));
    QTest::mouseClick(body, Qt::LeftButton, Qt::NoModifier, QPoint(1 * 60 + 10, 1 * 20 + 5));
    EXPECT_EQ(Grid->GetEditMode(), emNone);
    EXPECT_EQ(Sheet->GetCell(3, 4)->GetText(), QStringLiteral("abcd"));
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 1}));
}

TEST_F(EditTest, PickEditOffersTheColumnsEarlierEntries)
{
    Sheet->GetCell(1, 0)->SetValue(Variant(QStringLiteral("b")));
    Sheet->GetCell(1, 1)->SetValue(Variant(QStringLiteral("a")));
    Sheet->GetCell(1, 2)->SetValue(Variant(QStringLiteral("B\nsecond line")));
    Sheet->GetCell(1, 5)->SetValue(Variant(QStringLiteral("below")));
    Grid->SetCurPos({1, 2});
    Key(Qt::Key_F2);
    auto* pick = qobject_cast<TXLPickEdit*>(Host().GetEditor());
    ASSERT_NE(pick, nullptr);
    EXPECT_EQ(pick->GetPickList()->GetItems(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    Key(Qt::Key_Escape);
    // Typed letters keep their case and the rest completes from the items.
    Sheet->GetCell(1, 3)->SetValue(Variant(QStringLiteral("banana")));
    Grid->SetCurPos({1, 4});
    Keys(QStringLiteral("BA"));
    EXPECT_EQ(Line()->text(), QStringLiteral("BAnana"));
    EXPECT_EQ(Line()->selectedText(), QStringLiteral("nana"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Sheet->GetCell(1, 4)->GetText(), QStringLiteral("BAnana"));
}

TEST_F(EditTest, ColumnHistoryStopsAtFiftyEntries)
{
    Sheet->SetRowCount(80);
    for (int r = 0; r < 70; ++r)
        Sheet->GetCell(0, r)->SetValue(Variant(QStringLiteral("e%1").arg(r, 2, 10, QChar(u'0'))));
    const QStringList items = XLColumnHistory(*Sheet->GetCell(0, 75));
    ASSERT_EQ(items.size(), TXLPickEdit::MaxHistory);
    EXPECT_EQ(items.front(), QStringLiteral("e00"));
    EXPECT_EQ(items.back(), QStringLiteral("e49"));
}

TEST_F(EditTest, UnitListOpensWithTheKeyboardAndAChoiceIsCommittedAtOnce)
{
    TXLCell* unit = MakeUnitCell(2, 1);
    Grid->SetCurPos({2, 1});
    Key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_EQ(Grid->GetEditMode(), emEdit);
    auto* combo = qobject_cast<TXLComboBox*>(Host().GetEditor());
    ASSERT_NE(combo, nullptr);
    ASSERT_TRUE(combo->GetPickList()->GetDroppedDown());
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(combo->GetPickList()->view(), Qt::Key_Down);
    QTest::keyClick(combo->GetPickList()->view(), Qt::Key_Return);
    ProcessEvents();
    EXPECT_EQ(unit->GetInteger(), 1);
    EXPECT_EQ(unit->GetText(), QStringLiteral("бар"));
    EXPECT_EQ(Grid->GetEditMode(), emNone);
    EXPECT_EQ(Modes.back(), emNone);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{2, 1}));

    // F4 opens it too; Esc closes only the list, a second Esc the editor.
    Key(Qt::Key_F4);
    ASSERT_TRUE(combo->GetPickList()->GetDroppedDown());
    QTest::keyClick(combo->GetPickList()->view(), Qt::Key_Escape);
    ProcessEvents();
    EXPECT_FALSE(combo->GetPickList()->GetDroppedDown());
    EXPECT_EQ(Grid->GetEditMode(), emEdit);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Grid->GetEditMode(), emNone);
    EXPECT_EQ(unit->GetInteger(), 1);
}

TEST_F(EditTest, UnitListChoiceWithTheMouse)
{
    TXLCell* unit = MakeUnitCell(2, 1);
    Grid->SetCurPos({2, 1});
    Key(Qt::Key_F4);
    auto* combo = qobject_cast<TXLComboBox*>(Host().GetEditor());
    ASSERT_NE(combo, nullptr);
    ASSERT_TRUE(combo->GetPickList()->GetDroppedDown());
    QAbstractItemView* list = combo->GetPickList()->view();
    // A release right after the list opened belongs to the opening click.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const QRect item = list->visualRect(list->model()->index(2, 0));
    ASSERT_TRUE(item.isValid());
    const QPoint at(item.left() + 5, item.center().y());
    QTest::mouseMove(list->viewport(), at);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    ProcessEvents();
    EXPECT_EQ(unit->GetInteger(), 2);
    EXPECT_EQ(Grid->GetEditMode(), emNone);
}

TEST_F(EditTest, TypedFirstLetterChoosesAUnit)
{
    TXLCell* unit = MakeUnitCell(2, 1);
    Grid->SetCurPos({2, 1});
    Keys(QStringLiteral("а"));
    ProcessEvents();
    EXPECT_EQ(unit->GetText(), QStringLiteral("атм"));
    EXPECT_EQ(Grid->GetEditMode(), emNone);
}

// An editor whose save fails: the cell keeps its value, nothing escapes.
class FailingEditor : public TXLPickEdit {
public:
    using TXLPickEdit::TXLPickEdit;
    void SaveCell(TXLCell&) override { throw std::runtime_error("Value out of range!"); }
};

TEST_F(EditTest, AFailingSaveKeepsTheCellsValue)
{
    const TXLEditClass* pick = XLEditClasses::PickEdit();
    XLRegisterEditor(pick, [](TXLEdit* host) { return new FailingEditor(host); });
    Sheet->GetCell(1, 1)->SetValue(Variant(QStringLiteral("7")));
    Keys(QStringLiteral("8"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Sheet->GetCell(1, 1)->GetText(), QStringLiteral("7"));
    EXPECT_EQ(Grid->GetEditMode(), emNone);
    XLRegisterEditor(pick, [](TXLEdit* host) { return new TXLPickEdit(host); });
}

TEST_F(EditTest, EnterAndTabStayInsideASelectedRange)
{
    Grid->SetOptions(Grid->GetOptions() + TXLOptions{oTabKeys});
    View(sClient)->Select(Rect(1, 1, 4, 3), Grid->GetCurPos());
    std::vector<TPoint> visited;
    for (int i = 0; i < 6; ++i) {
        Key(Qt::Key_Return);
        visited.push_back(Grid->GetCurPos());
    }
    const std::vector<TPoint> down{{1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}, {1, 1}};
    EXPECT_EQ(visited, down);
    EXPECT_EQ(View(sClient)->GetSelArea(), Rect(1, 1, 4, 3));
    Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{3, 2}));
    // Tab follows the automatic direction too, and Shift+Tab goes back.
    Key(Qt::Key_Tab);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 1}));
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{3, 2}));
}

TEST_F(EditTest, PagingAndHomeEndSetTheAutomaticDirection)
{
    const std::pair<Qt::Key, TXLDirection> keys[] = {
        {Qt::Key_PageDown, dUp}, {Qt::Key_PageUp, dDown}, {Qt::Key_Home, dRight}, {Qt::Key_End, dLeft}};
    for (const auto& [key, dir] : keys) {
        Key(key);
        EXPECT_EQ(Grid->GetAutoDir(), dir) << key;
    }
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{5, 19}));
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{0, 0}));
}

TEST_F(EditTest, ShiftArrowsExtendTheSelectionWithRangeSelect)
{
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(View(sClient)->GetSelArea(), Rect(1, 1, 3, 3));
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 1}));
    Grid->SelectAll(true);
    EXPECT_EQ(View(sClient)->GetSelArea(), Rect(0, 0, 6, 20));
    Grid->SelectAll(false);
    EXPECT_TRUE(View(sClient)->GetSelArea().IsEmpty());
}

TEST(XLButton, SpinnerRepeatsSlowlyThenFaster)
{
    std::vector<int> clicks;
    for (int tick = 1; tick < 60; ++tick)
        if (XLSpinnerClicks(tick))
            clicks.push_back(tick);
    const std::vector<int> expected{5,  10, 15, 20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40, 42, 44,
                                    46, 48, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59};
    EXPECT_EQ(clicks, expected);
}

TEST(XLEdit, AHostNeedsAGrid)
{
    EXPECT_THROW(TXLEdit(nullptr), ERAVazoError);
}

}  // namespace
