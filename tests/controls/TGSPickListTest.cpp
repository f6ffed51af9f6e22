#include "controls/TGSPickList.h"

#include "support/QtWidgetsTestEnvironment.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// The owner of a pick list (a cell editor's container, say): records the
// keys the pick list leaves to it.
class KeyRecorder : public QWidget {
public:
    std::vector<int> Keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { Keys.push_back(event->key()); }
};

class PickListTest : public testing::Test {
protected:
    void Make(TGSPickStyle style, const QStringList& items)
    {
        Events.clear();
        Owner = std::make_unique<KeyRecorder>();
        Owner->setGeometry(50, 50, 300, 200);
        List = new TGSPickList(Owner.get(), style);
        List->setGeometry(10, 10, 150, 24);
        List->SetItems(items);
        List->OnChange = [this](TGSPickList*) { Events.push_back("change " + List->GetText()); };
        List->OnDropDown = [this](TGSPickList*) { Events.push_back("dropdown"); };
        List->OnCloseUp = [this](TGSPickList*) {
            Events.push_back("closeup " + QString::number(List->GetItemIndex()));
        };
        Owner->show();
        Owner->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Owner.get()));
        List->setFocus();
        ASSERT_TRUE(List->hasFocus());
    }

    void TearDown() override { Owner.reset(); }

    // Where the keyboard goes now: the open list, or the focused widget.
    static QWidget* KeyTarget() { return QApplication::focusWidget(); }

    std::unique_ptr<KeyRecorder> Owner;
    TGSPickList* List = nullptr;
    QStringList Events;
};

// Types text key by key, as a keyboard with any layout would: QTest's own
// typing knows only ASCII.
void TypeText(QWidget* target, const QString& text)
{
    for (const QChar ch : text) {
        const auto key = static_cast<Qt::Key>(ch.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, target, key, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, target, key, QString(ch), Qt::NoModifier);
    }
}

const QStringList Units = {"Па", "кПа", "МПа", "бар", "ат", "мм рт. ст."};

struct CompletionRow {
    const char* Typed;
    const char* Text;
    const char* Selected;
};

TEST_F(PickListTest, CompletionKeepsTheTypedCaseAndSelectsTheTail)
{
    const CompletionRow rows[] = {
        {"б", "бар", "ар"},
        {"Б", "Бар", "ар"},
        {"м", "мПа", "Па"},  // the typed letters stay, the rest is the item's
        {"мп", "мпа", "а"},
        {"МП", "МПа", "а"},
        {"мм", "мм рт. ст.", " рт. ст."},
        {"к", "кПа", "Па"},
        {"бар", "бар", ""},
        {"х", "х", ""},      // begins no item: as typed
        {"бх", "бх", ""},    // the second letter leaves every item
        {"барр", "барр", ""},
    };
    Make(pkDropDown, Units);
    for (const CompletionRow& row : rows) {
        SCOPED_TRACE(row.Typed);
        List->SetText({});
        TypeText(List, QString::fromUtf8(row.Typed));
        EXPECT_EQ(List->GetText(), QString::fromUtf8(row.Text));
        EXPECT_EQ(List->GetEdit()->selectedText(), QString::fromUtf8(row.Selected));
    }
}

TEST_F(PickListTest, BackspaceRemovesTheCompletionWithoutCompletingAgain)
{
    Make(pkDropDown, Units);
    TypeText(List, "б");
    ASSERT_EQ(List->GetText(), "бар");
    QTest::keyClick(List, Qt::Key_Backspace);
    EXPECT_EQ(List->GetText(), "б");
    QTest::keyClick(List, Qt::Key_Backspace);
    EXPECT_EQ(List->GetText(), "");
}

TEST_F(PickListTest, KeysSentToTheEditCompleteAndPropagateOnce)
{
    Make(pkDropDown, Units);
    TypeText(List->GetEdit(), "к");
    EXPECT_EQ(List->GetText(), "кПа");
    EXPECT_EQ(List->GetEdit()->selectedText(), "Па");
    QTest::keyClick(List->GetEdit(), Qt::Key_Down);
    EXPECT_EQ(Owner->Keys, std::vector<int>{Qt::Key_Down});
}

TEST_F(PickListTest, NoCompletionWithoutFocus)
{
    Make(pkDropDown, Units);
    List->clearFocus();
    ASSERT_FALSE(List->hasFocus());
    TypeText(List, "б");
    EXPECT_EQ(List->GetText(), "б");
}

TEST_F(PickListTest, CompletionIsBoundedInLength)
{
    const QString longItem = "a" + QString(3000, QChar('b'));
    Make(pkDropDown, {longItem});
    TypeText(List, "A");
    EXPECT_EQ(List->GetText().size(), TGSPickList::MaxCompletionLength);
    EXPECT_TRUE(List->GetText().startsWith("Ab"));
}

TEST_F(PickListTest, TypingRaisesChangeAndLeavesTheChosenItem)
{
    Make(pkDropDown, Units);
    List->SetItemIndex(3);
    EXPECT_EQ(List->GetText(), "бар");
    EXPECT_EQ(List->GetItemIndex(), 3);
    List->SetText("МПа");
    EXPECT_EQ(List->GetItemIndex(), 2);
    EXPECT_TRUE(Events.isEmpty());  // the program's own changes raise nothing

    List->GetEdit()->selectAll();
    TypeText(List, "12");
    EXPECT_EQ(List->GetText(), "12");
    EXPECT_EQ(List->GetItemIndex(), -1);
    EXPECT_EQ(Events, QStringList({"change 1", "change 12"}));
}

TEST_F(PickListTest, ItemsTextAndIndexRoundTrip)
{
    Make(pkDropDown, {});
    List->SetText("typed");
    List->SetItems(Units);
    EXPECT_EQ(List->GetItems(), Units);
    EXPECT_EQ(List->GetText(), "typed");  // new items keep what was typed
    EXPECT_EQ(List->GetItemIndex(), -1);
    List->SetItemIndex(99);
    EXPECT_EQ(List->GetItemIndex(), -1);
    EXPECT_EQ(List->GetText(), "");
    List->SetText("бар");
    EXPECT_EQ(List->GetItemIndex(), 3);
    List->SetText("БАР");  // an item only by its exact text
    EXPECT_EQ(List->GetItemIndex(), -1);
    EXPECT_EQ(List->GetText(), "БАР");
}

TEST_F(PickListTest, SortedKeepsTheItemsInOrderAndTheChoice)
{
    Make(pkDropDownList, {"кПа", "бар", "Ат", "МПа"});
    List->SetText("МПа");
    List->SetSorted(true);
    EXPECT_EQ(List->GetItems(), QStringList({"Ат", "бар", "кПа", "МПа"}));
    EXPECT_EQ(List->GetText(), "МПа");
    EXPECT_EQ(List->GetItemIndex(), 3);
    List->SetItems({"b", "C", "a"});
    EXPECT_EQ(List->GetItems(), QStringList({"a", "b", "C"}));
    List->SetSorted(false);
    List->SetItems({"b", "C", "a"});
    EXPECT_EQ(List->GetItems(), QStringList({"b", "C", "a"}));
}

TEST_F(PickListTest, MaxLengthLimitsTypingAndCompletion)
{
    Make(pkDropDown, Units);
    List->SetMaxLength(4);
    TypeText(List, "мм");
    EXPECT_EQ(List->GetText(), "мм р");
    EXPECT_EQ(List->GetEdit()->selectedText(), " р");
    List->SetText({});
    TypeText(List, "123456");
    EXPECT_EQ(List->GetText(), "1234");
    List->SetMaxLength(-1);
    EXPECT_EQ(List->GetMaxLength(), 0);
    TypeText(List, "56");
    EXPECT_EQ(List->GetText(), "123456");
}

TEST_F(PickListTest, DropDownListStyleHasNoTypingField)
{
    Make(pkDropDownList, Units);
    EXPECT_EQ(List->GetEdit(), nullptr);
    EXPECT_EQ(List->GetItemIndex(), -1);  // new items choose nothing
    EXPECT_EQ(List->GetText(), "");
    List->SetText("ат");
    EXPECT_EQ(List->GetItemIndex(), 4);
    List->SetText("нет такого");
    EXPECT_EQ(List->GetItemIndex(), -1);
    EXPECT_EQ(List->GetText(), "");
    // A letter picks the item it begins; the text is always an item.
    TypeText(List, "б");
    EXPECT_EQ(List->GetText(), "бар");
    EXPECT_EQ(List->GetItemIndex(), 3);
    EXPECT_EQ(Events, QStringList({"change бар"}));
}

TEST_F(PickListTest, SwitchingStyleKeepsTheItemsAndTheChoice)
{
    Make(pkDropDown, Units);
    List->SetItemIndex(1);
    List->SetStyle(pkDropDownList);
    EXPECT_EQ(List->GetEdit(), nullptr);
    EXPECT_EQ(List->GetItemIndex(), 1);
    List->SetStyle(pkDropDown);
    ASSERT_NE(List->GetEdit(), nullptr);
    EXPECT_EQ(List->GetText(), "кПа");
    // The new typing field completes too.
    List->setFocus();
    List->GetEdit()->selectAll();
    TypeText(List, "м");
    EXPECT_EQ(List->GetText(), "мПа");
}

TEST_F(PickListTest, AlignmentAndIndentReachTheTypingField)
{
    Make(pkDropDown, Units);
    EXPECT_TRUE(List->GetEdit()->alignment() & Qt::AlignLeft);
    List->SetAlign(taRightJustify);
    EXPECT_TRUE(List->GetEdit()->alignment() & Qt::AlignRight);
    List->SetAlign(taCenter);
    EXPECT_TRUE(List->GetEdit()->alignment() & Qt::AlignHCenter);
    List->SetIndent(7);
    EXPECT_EQ(List->GetEdit()->textMargins(), QMargins(7, 0, 0, 0));
    List->SetIndent(-3);
    EXPECT_EQ(List->GetIndent(), 0);
    EXPECT_EQ(List->GetEdit()->textMargins(), QMargins(0, 0, 0, 0));
    // A field made later takes them too.
    List->SetIndent(4);
    List->SetStyle(pkDropDownList);
    List->SetStyle(pkDropDown);
    EXPECT_TRUE(List->GetEdit()->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(List->GetEdit()->textMargins(), QMargins(4, 0, 0, 0));
    EXPECT_GT(List->GetButtonWidth(), 0);
    EXPECT_LT(List->GetButtonWidth(), List->width());
}

TEST_F(PickListTest, ClosedListLeavesEnterAndArrowsToTheOwner)
{
    for (TGSPickStyle style : {pkDropDown, pkDropDownList}) {
        SCOPED_TRACE(style == pkDropDown ? "drop-down" : "drop-down list");
        Make(style, Units);
        List->SetItemIndex(2);
        QTest::keyClick(List, Qt::Key_Up);
        QTest::keyClick(List, Qt::Key_Down);
        QTest::keyClick(List, Qt::Key_Return);
        QTest::keyClick(List, Qt::Key_Escape);
        EXPECT_EQ(Owner->Keys, std::vector<int>({Qt::Key_Up, Qt::Key_Down, Qt::Key_Return, Qt::Key_Escape}));
        EXPECT_EQ(List->GetItemIndex(), 2);  // the arrows did not step
        EXPECT_EQ(Events, QStringList({"closeup 2"}));
        Events.clear();
        // With a modifier the arrows are the list's own again.
        QTest::keyClick(List, Qt::Key_Down, Qt::ShiftModifier);
        EXPECT_EQ(std::count(Owner->Keys.begin(), Owner->Keys.end(), Qt::Key_Down), 1);
        EXPECT_EQ(List->GetItemIndex(), 3);
    }
}

TEST_F(PickListTest, F4AndAltDownOpenTheList)
{
    for (int way = 0; way < 2; ++way) {
        SCOPED_TRACE(way == 0 ? "F4" : "Alt+Down");
        Make(pkDropDownList, Units);
        if (way == 0)
            QTest::keyClick(List, Qt::Key_F4);
        else
            QTest::keyClick(List, Qt::Key_Down, Qt::AltModifier);
        EXPECT_TRUE(List->GetDroppedDown());
        EXPECT_EQ(Events, QStringList({"dropdown"}));
        EXPECT_EQ(std::count(Owner->Keys.begin(), Owner->Keys.end(), Qt::Key_Down), 0);
        List->SetDroppedDown(false);
        EXPECT_FALSE(List->GetDroppedDown());
    }
}

TEST_F(PickListTest, EnterInTheOpenListChoosesAndCloses)
{
    Make(pkDropDown, Units);
    List->SetItemIndex(1);
    List->SetDroppedDown(true);
    ASSERT_TRUE(List->GetDroppedDown());
    QTest::keyClick(KeyTarget(), Qt::Key_Down);
    QTest::keyClick(KeyTarget(), Qt::Key_Return);
    EXPECT_FALSE(List->GetDroppedDown());
    EXPECT_EQ(List->GetItemIndex(), 2);
    EXPECT_EQ(List->GetText(), "МПа");
    // The change comes first, so the close-up sees the chosen item.
    EXPECT_EQ(Events, QStringList({"dropdown", "change МПа", "closeup 2"}));
    QCoreApplication::processEvents();
    EXPECT_EQ(Events.size(), 3);
    EXPECT_TRUE(Owner->Keys.empty());
}

TEST_F(PickListTest, EscapeInTheOpenListClosesOnlyTheList)
{
    Make(pkDropDownList, Units);
    List->SetItemIndex(4);
    List->SetDroppedDown(true);
    QTest::keyClick(KeyTarget(), Qt::Key_Down);
    QTest::keyClick(KeyTarget(), Qt::Key_Escape);
    EXPECT_FALSE(List->GetDroppedDown());
    EXPECT_EQ(List->GetItemIndex(), 4);
    QCoreApplication::processEvents();
    EXPECT_EQ(Events, QStringList({"dropdown", "closeup 4"}));
    EXPECT_TRUE(Owner->Keys.empty());
}

TEST_F(PickListTest, ClickOnAnItemChoosesIt)
{
    Make(pkDropDownList, Units);
    List->SetDroppedDown(true);
    QAbstractItemView* view = List->view();
    const QRect item = view->visualRect(view->model()->index(5, 0));
    ASSERT_TRUE(item.isValid());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_FALSE(List->GetDroppedDown());
    EXPECT_EQ(List->GetItemIndex(), 5);
    EXPECT_EQ(Events, QStringList({"dropdown", "change мм рт. ст.", "closeup 5"}));
}

TEST_F(PickListTest, EventsAreOptional)
{
    Make(pkDropDown, Units);
    List->OnChange = nullptr;
    List->OnDropDown = nullptr;
    List->OnCloseUp = nullptr;
    TypeText(List, "к");
    QTest::keyClick(List, Qt::Key_F4);
    QTest::keyClick(KeyTarget(), Qt::Key_Return);
    QTest::keyClick(List, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Events.isEmpty());
    EXPECT_EQ(List->GetText(), "кПа");
    EXPECT_EQ(List->GetItemIndex(), 1);
}

TEST_F(PickListTest, OpeningHighlightsTheItemNamedByTheText)
{
    Make(pkDropDown, Units);
    TypeText(List, "мм");
    List->GetEdit()->deselect();
    TypeText(List, "!");  // no item any more
    List->SetText("мпа");
    QTest::keyClick(List, Qt::Key_F4);
    EXPECT_EQ(List->view()->currentIndex().row(), 2);
    EXPECT_EQ(List->GetText(), "мпа");  // opening changes nothing yet
    QTest::keyClick(KeyTarget(), Qt::Key_Return);
    EXPECT_EQ(List->GetText(), "МПа");
    EXPECT_EQ(List->GetItemIndex(), 2);
}

TEST_F(PickListTest, EmptyListDoesNotOpen)
{
    Make(pkDropDownList, {});
    QTest::keyClick(List, Qt::Key_F4);
    EXPECT_FALSE(List->GetDroppedDown());
    QTest::keyClick(List, Qt::Key_Return);
    EXPECT_EQ(List->GetItemIndex(), -1);
}

}  // namespace
