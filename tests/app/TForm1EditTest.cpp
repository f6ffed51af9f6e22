// The main window used as a person uses it: inputs typed with the keyboard
// into the grid, units chosen from the drop-down lists with the keyboard
// and with the mouse, and the results read back. Every calculation sheet,
// in both decimal separators; each typed sheet must equal the same inputs
// set directly and calculated.
#include "support/QtWidgetsTestEnvironment.h"

#include "ShippedSheets.h"
#include "TCalcTree.h"
#include "TForm1.h"
#include "base/FormatSettings.h"
#include "calc/CalcHandlers.h"
#include "calc/SheetContent.h"
#include "calc/SheetLayout.h"
#include "grid/TRAVazo.h"
#include "grid/TXLView.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "support/WindowInput.h"

namespace {

// The combo box whose list is open (the focus is in the list then).
QComboBox* OpenComboBox()
{
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (auto* combo = qobject_cast<QComboBox*>(w))
            return combo->view()->isVisible() ? combo : nullptr;
    return nullptr;
}

int NodeOfSheet(int sheet)
{
    for (int i = 0; i < CalcNodeCount; ++i)
        if (SheetOfNode(i) == sheet)
            return i;
    return -1;
}

QTreeWidgetItem* Node(QTreeWidget* tree, int index)
{
    QTreeWidgetItemIterator it(tree);
    for (int i = 0; i < index && *it; ++i)
        ++it;
    return *it;
}

// One input typed into (1, Row) and the unit chosen at (2, Row) (-1: the
// shipped one).
struct Input {
    int Row;
    const char* Text;  // with "." where the separator goes
    int Unit = -1;
};

struct SheetCase {
    int Sheet;
    std::vector<Input> Inputs;
    // A result row whose unit is chosen with the mouse (0: none).
    int MouseUnitRow = 0;
};

const SheetCase Cases[] = {
    {1, {{1, "10", 1}, {2, "300"}}, 5},
    {2, {{1, "0.5", 0}}, 4},
    {3, {{3, "10", 0}, {4, "3400", 0}, {5, "0.1", 0}}, 0},
    {4, {{1, "100", 0}}, 0},
    {5, {{1, "500", 0}}, 0},
    {6, {{1, "1", 0}, {2, "3000"}}, 5},
    {7, {{1, "1", 0}, {2, "7.2"}}, 5},
    {8, {{1, "120", 0}}, 6},
};

class TForm1EditTest : public testing::TestWithParam<QChar> {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm1>(TUserStateStore(Dir.filePath(QStringLiteral("Config"))));
        Form->show();
        Form->activateWindow();
        QApplication::setActiveWindow(Form.get());
        Settle();
    }
    void TearDown() override { Form.reset(); }

    TRAVazo* Grid() const { return Form->Grid(); }
    QString Typed(const char* text) const { return QString::fromLatin1(text).replace(u'.', GetParam()); }
    void Choose(int sheet)
    {
        Form->Tree()->setCurrentItem(Node(Form->Tree(), NodeOfSheet(sheet)));
        Settle();
    }
    // A click on a body cell of the grid.
    void Click(int col, int row)
    {
        TRect r;
        ASSERT_TRUE(Grid()->CellToClient({col, row}, r));
        QWidget* body = Grid()->GetView(sClient)->viewport();
        const QPoint at = body->mapFrom(Grid(), QPoint(r.Left + 5, (r.Top + r.Bottom) / 2));
        QTest::mouseClick(body, Qt::LeftButton, Qt::NoModifier, at);
        Settle();
    }
    void Keys(const QString& text)
    {
        TypeIntoFocus(text);
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        PressOnFocus(key, mods);
    }
    QComboBox* OpenList() { return OpenComboBox(); }
    // Chooses unit index of the list at (2, row) with the keyboard.
    void ChooseUnitByKeys(int row, int index)
    {
        Click(2, row);
        Key(Qt::Key_F4);
        QComboBox* combo = OpenList();
        ASSERT_NE(combo, nullptr) << "row " << row;
        QAbstractItemView* list = combo->view();
        for (int i = combo->currentIndex(); i < index; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        for (int i = combo->currentIndex(); i > index; --i)
            QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
        Settle();
    }
    void ChooseUnitByMouse(int row, int index)
    {
        Click(2, row);
        Key(Qt::Key_Down, Qt::AltModifier);
        QComboBox* combo = OpenList();
        ASSERT_NE(combo, nullptr) << "row " << row;
        QAbstractItemView* list = combo->view();
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        const QRect item = list->visualRect(list->model()->index(index, 0));
        const QPoint at(item.left() + 4, item.center().y());
        QTest::mouseMove(list->viewport(), at);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        Settle();
    }

    QTemporaryDir Dir;
    std::unique_ptr<TForm1> Form;
    std::unique_ptr<TFormatSettingsOverride> Separator =
        std::make_unique<TFormatSettingsOverride>(FormatSettings::WithDecimalSeparator(GetParam()));
};

TEST_P(TForm1EditTest, EverySheetTypedEqualsTheSameInputsCalculated)
{
    for (const SheetCase& c : Cases) {
        SCOPED_TRACE(c.Sheet);
        Choose(c.Sheet);
        ASSERT_EQ(Grid()->GetSheet(), &Form->XLSheet(c.Sheet));
        TXLSheet reference;
        LoadShippedSheet(c.Sheet, reference);
        FillPickLists(c.Sheet, reference);
        for (const Input& in : c.Inputs) {
            if (in.Unit >= 0) {
                ChooseUnitByKeys(in.Row, in.Unit);
                reference.GetCell(2, in.Row)->SetInteger(in.Unit);
            }
            Click(1, in.Row);
            Keys(Typed(in.Text));
            Key(Qt::Key_Return);
            reference.GetCell(1, in.Row)->SetValue(Variant(Typed(in.Text)));
        }
        if (c.MouseUnitRow) {
            ChooseUnitByMouse(c.MouseUnitRow, 1);
            reference.GetCell(2, c.MouseUnitRow)->SetInteger(1);
        }
        CalcHandlerOfSheet(c.Sheet)(reference);
        TXLSheet& shown = Form->XLSheet(c.Sheet);
        int filled = 0;
        for (int row = 0; row < reference.GetRowCount(); ++row)
            for (int col = 1; col <= 2; ++col) {
                SCOPED_TRACE(row);
                const QString want = reference.GetCell(col, row)->GetText();
                EXPECT_EQ(shown.GetCell(col, row)->GetText(), want);
                filled += col == 1 && !want.isEmpty() ? 1 : 0;
            }
        // Inputs and results both: a rejected input would leave only the
        // inputs filled.
        EXPECT_GT(filled, static_cast<int>(c.Inputs.size()) + 1);
        EXPECT_EQ(Grid()->GetEditMode(), emNone);
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, TForm1EditTest, testing::Values(QChar(u','), QChar(u'.')));

class TForm1KeyboardTest : public testing::Test {
protected:
    QTemporaryDir Dir;
    TFormatSettingsOverride Comma{FormatSettings::WithDecimalSeparator(u',')};
};

void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    PressOnFocus(key, mods);
}

void TypeText(const QString& text)
{
    TypeIntoFocus(text);
}

TEST_F(TForm1KeyboardTest, KeyboardOnlyCalculationSurvivesARestart)
{
    const QString folder = Dir.filePath(QStringLiteral("Config"));
    {
        TForm1 form{TUserStateStore(folder)};
        form.show();
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        form.Tree()->setFocus();
        Settle();
        // "по давлению и температуре" from the tree, then into the grid.
        form.Tree()->setCurrentItem(Node(form.Tree(), NodeOfSheet(1)));
        Settle();
        Press(Qt::Key_Tab);
        ASSERT_TRUE(form.Grid()->hasFocus());
        // The first cell that takes the cursor is shown current.
        EXPECT_EQ(form.Grid()->GetCurPos(), (TPoint{1, 1}));
        EXPECT_FALSE(form.Grid()->GetView(sClient)->GetSelArea().IsEmpty());
        TypeText(QStringLiteral("10"));
        Press(Qt::Key_Return);
        // Right to the unit, open it, one down to "бар", Enter chooses.
        Press(Qt::Key_Up);
        Press(Qt::Key_Right);
        ASSERT_EQ(form.Grid()->GetCurPos(), (TPoint{2, 1}));
        Press(Qt::Key_Down, Qt::AltModifier);
        QComboBox* combo = OpenComboBox();
        ASSERT_NE(combo, nullptr);
        QTest::keyClick(combo->view(), Qt::Key_Down);
        QTest::keyClick(combo->view(), Qt::Key_Return);
        Settle();
        EXPECT_EQ(form.XLSheet(1).GetCell(2, 1)->GetText(), QStringLiteral("бар"));
        Press(Qt::Key_Down);
        Press(Qt::Key_Left);
        ASSERT_EQ(form.Grid()->GetCurPos(), (TPoint{1, 2}));
        // F2 edits the cell in place; the typed digits follow the caret.
        Press(Qt::Key_F2);
        EXPECT_EQ(form.Grid()->GetEditMode(), emEdit);
        TypeText(QStringLiteral("300"));
        Press(Qt::Key_Return);
        EXPECT_EQ(form.XLSheet(1).GetCell(1, 5)->GetText(), QStringLiteral("3050,46"));
        EXPECT_TRUE(form.FormClose().isEmpty());
    }
    TForm1 again{TUserStateStore(folder)};
    EXPECT_EQ(again.XLSheet(1).GetCell(1, 1)->GetText(), QStringLiteral("10"));
    EXPECT_EQ(again.XLSheet(1).GetCell(2, 1)->GetText(), QStringLiteral("бар"));
    EXPECT_EQ(again.XLSheet(1).GetCell(1, 2)->GetText(), QStringLiteral("300"));
    EXPECT_EQ(again.XLSheet(1).GetCell(1, 5)->GetText(), QStringLiteral("3050,46"));
}

TEST_F(TForm1KeyboardTest, TypingIntoLabelsAndResultsIsRefused)
{
    TForm1 form{TUserStateStore(Dir.filePath(QStringLiteral("Config")))};
    form.show();
    QApplication::setActiveWindow(&form);
    form.Tree()->setCurrentItem(Node(form.Tree(), NodeOfSheet(1)));
    form.Grid()->setFocus();
    Settle();
    // Labels and results cannot become current.
    form.Grid()->SetCurPos({1, 1});
    for (const TPoint p : {TPoint{0, 1}, TPoint{1, 5}, TPoint{0, 0}}) {
        form.Grid()->SetCurPos(p);
        EXPECT_EQ(form.Grid()->GetCurPos(), (TPoint{1, 1}));
    }
    // An empty unit cell without a list can, but takes no typing.
    const TSheetLayout& layout = SheetLayoutOf(1);
    const auto plain = std::find_if(layout.Results.begin(), layout.Results.end(),
                                    [](const TSheetRow& r) { return r.Unit == TUnitKind::None; });
    ASSERT_NE(plain, layout.Results.end());
    form.Grid()->SetCurPos({2, plain->Row});
    ASSERT_EQ(form.Grid()->GetCurPos(), (TPoint{2, plain->Row}));
    TypeText(QStringLiteral("9"));
    EXPECT_EQ(form.Grid()->GetEditMode(), emNone);
    EXPECT_TRUE(form.XLSheet(1).GetCell(2, plain->Row)->GetText().isEmpty());
}

}  // namespace
