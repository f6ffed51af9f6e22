// The number editor through the grid: the pattern, step and integer mode a
// format gives, the characters it lets through under both decimal
// separators, the range, the round trip of every number class, formulas
// with references picked by clicks, the spinner and Shift+Up/Down.
#include "grid/TXLNumEdit.h"

#include "base/ERAVazoError.h"
#include "grid/EditTestSupport.h"
#include "grid/TXLButton.h"
#include "sheet/TXLCCurrency.h"
#include "sheet/TXLCDouble.h"
#include "sheet/TXLCFormula.h"
#include "sheet/TXLCInteger.h"

namespace {

class NumEditTest : public EditTestBase {
protected:
    TXLCell* NumCell(TPoint at, const TXLCellClass* cellClass, const QString& format, double value = 0)
    {
        Sheet->SetCellClass(at.X, at.Y, cellClass);
        TXLCell* cell = Sheet->GetCell(at.X, at.Y);
        cell->SetFormat(format);
        cell->SetDouble(value);
        return cell;
    }
    // Opens the editor on a cell in editing mode.
    TXLNumEdit* Open(TPoint at)
    {
        Grid->SetCurPos(at);
        Key(Qt::Key_F2);
        return Editor<TXLNumEdit>();
    }
    // Replaces the editor's text by typing.
    void Retype(const QString& text)
    {
        Line()->selectAll();
        Keys(text);
    }
    void ClickCell(int col, int row)
    {
        QTest::mouseClick(View(sClient)->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(col * ColWidth + 10, row * RowHeight + 5));
        ProcessEvents();
    }
};

TEST_F(NumEditTest, TheFormatGivesPatternStepIntegerModeAndButton)
{
    struct Row {
        const TXLCellClass* cellClass;
        const char* format;
        const char* pattern;
        bool integerOnly;
        double step;
        TXLEditStyle button;
        bool formulas;
    };
    const Row rows[] = {
        {TXLCDouble::StaticClass(), "0.00", "0.00", false, 0.01, esNormal, false},
        {TXLCDouble::StaticClass(), "0", "0", true, 1, esNormal, false},
        {TXLCDouble::StaticClass(), "#,##0.00|s", "#,##0.00", false, 0.01, esSpinner, false},
        {TXLCDouble::StaticClass(), "0.##%", "0.####", false, 0.0001, esNormal, false},
        {TXLCDouble::StaticClass(), "0.0;(0.0)", "0.0", false, 0.1, esNormal, false},
        {TXLCDouble::StaticClass(), "0|0.000", "0.000", false, 0.001, esNormal, false},
        {TXLCDouble::StaticClass(), "0.00|sf", "0.00", false, 0.01, esSpinner, true},
        {TXLCFormula::StaticClass(), "0.00|c", "0.00", false, 0.01, esNormal, false},
        {TXLCCurrency::StaticClass(), "$# ##0.00", "###0.00", false, 0.01, esNormal, false},
        {TXLCInteger::StaticClass(), "", "", true, 1, esNormal, false},
        {TXLCDouble::StaticClass(), "", "", false, 1, esNormal, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.format);
        NumCell({2, 2}, row.cellClass, QString::fromUtf8(row.format), 3);
        TXLNumEdit* edit = Open({2, 2});
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->GetFormat(), QString::fromUtf8(row.pattern));
        EXPECT_EQ(edit->GetIntegerOnly(), row.integerOnly);
        EXPECT_DOUBLE_EQ(edit->GetStep(), row.step);
        EXPECT_EQ(Host().GetButton()->GetStyle(), row.button);
        EXPECT_EQ(edit->GetFormulaEntry(), row.formulas);
        Key(Qt::Key_Escape);
    }
}

TEST_F(NumEditTest, TypedCharactersFollowTheFormatUnderBothSeparators)
{
    struct Row {
        const char* format;
        const char* typed;
        const char* shown; // with "," as the decimal separator ("." swaps in)
    };
    const Row rows[] = {
        {"0.00", "1.2.5", "1,25"},
        {"0.00", "1,2,5", "1,25"},
        {"0.00", "-3e2x", "-3e2"},
        {"0", "1.5E3", "153"},
        {"0", "12,5", "125"},
        {"0.00", "=1+2", "1+2"},
        {"0.00|f", "=1+2", "=1+2"},
        {"0.00|f", "2=3", "2=3"},
    };
    for (const QChar decimal : {u',', u'.'}) {
        TFormatSettingsOverride locale(FormatSettings::WithDecimalSeparator(decimal));
        for (const Row& row : rows) {
            SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(decimal).arg(row.format, row.typed).toStdString());
            NumCell({1, 1}, TXLCDouble::StaticClass(), QString::fromUtf8(row.format));
            ASSERT_NE(Open({1, 1}), nullptr);
            Retype(QString::fromUtf8(row.typed));
            QString shown = QString::fromUtf8(row.shown);
            if (!shown.startsWith(u'=') && decimal == u'.')
                shown.replace(u',', u'.');
            EXPECT_EQ(Line()->text(), shown);
            Key(Qt::Key_Escape);
        }
    }
}

TEST_F(NumEditTest, NumbersTypedWithEitherSeparatorAreSaved)
{
    for (const QChar decimal : {u',', u'.'}) {
        TFormatSettingsOverride locale(FormatSettings::WithDecimalSeparator(decimal));
        for (const char* typed : {"1,5", "1.5"}) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(decimal).arg(typed).toStdString());
            TXLCell* cell = NumCell({1, 1}, TXLCDouble::StaticClass(), QStringLiteral("0.00"), 7);
            Grid->SetCurPos({1, 1});
            Keys(QString::fromUtf8(typed));
            Key(Qt::Key_Return);
            EXPECT_DOUBLE_EQ(cell->GetDouble(), 1.5);
        }
    }
}

TEST_F(NumEditTest, PastedNumbersReadTheOtherSeparatorOnlyWhereItCannotGroup)
{
    struct Row {
        QChar decimal;
        const char* format;
        const char* pasted;
        double saved;
    };
    const Row rows[] = {
        {u',', "0.00", "1.5", 1.5},       {u'.', "0.00", "1,5", 1.5},     {u'.', "#,##0.##", "1,234", 1234},
        {u'.', "#,##0.00", "1,234.5", 1234.5}, {u',', "0.00", "1.234,5", 1234.5},
        // Integer mode rounds a pasted fraction instead of gluing its digits.
        {u'.', "0", "7.5", 8},            {u',', "0", "7.4", 7},          {u',', "#,##0", "7,6", 8},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(row.decimal).arg(row.format, row.pasted).toStdString());
        TFormatSettingsOverride locale(FormatSettings::WithDecimalSeparator(row.decimal));
        TXLCell* cell = NumCell({1, 1}, TXLCDouble::StaticClass(), QString::fromUtf8(row.format));
        ASSERT_NE(Open({1, 1}), nullptr);
        Line()->selectAll();
        Line()->insert(QString::fromUtf8(row.pasted));
        Key(Qt::Key_Return);
        EXPECT_DOUBLE_EQ(cell->GetDouble(), row.saved);
    }
}

TEST_F(NumEditTest, EachNumberClassRoundTrips)
{
    TFormatSettingsOverride locale(FormatSettings::WithDecimalSeparator(u','));
    struct Row {
        const TXLCellClass* cellClass;
        const char* format;
        double stored;
        const char* shown;
        const char* typed;
        const char* text; // the cell's display text after saving
    };
    const Row rows[] = {
        {TXLCInteger::StaticClass(), "0", 12, "12", "-42", "-42"},
        {TXLCDouble::StaticClass(), "0.00", 2.5, "2,50", "3.25", "3,25"},
        {TXLCCurrency::StaticClass(), "0.00", 1.25, "1,25", "12,3456", "12,35"},
        {TXLCFormula::StaticClass(), "0.0", 4, "4,0", "7.5", "7,5"},
        {TXLCFormula::StaticClass(), "0.0|f", 4, "4,0", "=2*3,5", "7,0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        TXLCell* cell = NumCell({3, 3}, row.cellClass, QString::fromUtf8(row.format), row.stored);
        ASSERT_NE(Open({3, 3}), nullptr);
        EXPECT_EQ(Line()->text(), QString::fromUtf8(row.shown));
        Retype(QString::fromUtf8(row.typed));
        Key(Qt::Key_Return);
        EXPECT_EQ(cell->GetText(), QString::fromUtf8(row.text));
    }
    EXPECT_EQ(Sheet->GetCell(3, 3)->GetString(), QStringLiteral("=2*3,5"));
    // A formula comes back as its text, and a number typed over it drops it.
    auto* formula = static_cast<TXLCFormula*>(Sheet->GetCell(3, 3));
    ASSERT_NE(Open({3, 3}), nullptr);
    EXPECT_EQ(Line()->text(), QStringLiteral("=2*3,5"));
    Retype(QStringLiteral("9"));
    Key(Qt::Key_Return);
    EXPECT_TRUE(formula->GetFormula().isEmpty());
    EXPECT_DOUBLE_EQ(formula->GetDouble(), 9);
}

TEST_F(NumEditTest, ARangeRefusesMinusAndKeepsTheOldValueOnSave)
{
    TXLCell* cell = NumCell({1, 1}, TXLCDouble::StaticClass(), QStringLiteral("0"), 40);
    TXLNumEdit* edit = Open({1, 1});
    ASSERT_NE(edit, nullptr);
    edit->SetMinValue(0);
    edit->SetMaxValue(100);
    Retype(QStringLiteral("-150"));
    EXPECT_EQ(Line()->text(), QStringLiteral("150"));
    try {
        edit->GetValue();
        ADD_FAILURE() << "150 was read";
    } catch (const ERAVazoError& e) {
        EXPECT_STREQ(e.what(), "Value out of range!");
    }
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid->GetEditMode(), emNone);
    EXPECT_DOUBLE_EQ(cell->GetDouble(), 40);
    // Inside the range the value is taken; set values are clamped.
    ASSERT_EQ(Open({1, 1}), edit);
    Retype(QStringLiteral("100"));
    Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(cell->GetDouble(), 100);
    edit->SetValue(-3);
    EXPECT_EQ(Line()->text(), QStringLiteral("0"));
}

TEST_F(NumEditTest, IntegerModeRoundsHalfToEven)
{
    NumCell({1, 1}, TXLCDouble::StaticClass(), QStringLiteral("0"));
    TXLNumEdit* edit = Open({1, 1});
    ASSERT_NE(edit, nullptr);
    const std::pair<double, const char*> rows[] = {{2.5, "2"}, {3.5, "4"}, {-2.5, "-2"}, {2.51, "3"}};
    for (const auto& [value, shown] : rows) {
        SCOPED_TRACE(value);
        edit->SetValue(value);
        EXPECT_EQ(Line()->text(), QString::fromUtf8(shown));
    }
}

TEST_F(NumEditTest, ShiftArrowsAndTheSpinnerStep)
{
    TFormatSettingsOverride locale(FormatSettings::WithDecimalSeparator(u'.'));
    TXLCell* cell = NumCell({1, 1}, TXLCDouble::StaticClass(), QStringLiteral("0.0|s"), 1);
    TXLNumEdit* edit = Open({1, 1});
    ASSERT_NE(edit, nullptr);
    Key(Qt::Key_Up, Qt::ShiftModifier);
    Key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(Line()->text(), QStringLiteral("1.2"));
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Line()->text(), QStringLiteral("1.1"));
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 1}));
    EXPECT_EQ(Grid->GetEditMode(), emEdit);

    TXLButton* button = Host().GetButton();
    ASSERT_TRUE(button->isVisible());
    const QPoint upper(button->width() / 2, 2);
    const QPoint lower(button->width() / 2, button->height() - 2);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, lower);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, lower);
    EXPECT_EQ(Line()->text(), QStringLiteral("0.9"));
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, upper);
    EXPECT_EQ(Line()->text(), QStringLiteral("1.0"));
    // Held down, the spinner repeats.
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, upper);
    QTest::qWait(20 * TXLButton::RepeatMs);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, upper);
    EXPECT_GE(Line()->text().toDouble(), 1.3);
    // The range clamps the steps.
    edit->SetMinValue(0);
    edit->SetMaxValue(1.5);
    for (int i = 0; i < 10; ++i)
        Key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(Line()->text(), QStringLiteral("1.5"));
    Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(cell->GetDouble(), 1.5);
}

TEST_F(NumEditTest, ClicksOnCellsInsertReferencesIntoAFormula)
{
    TFormatSettingsOverride locale(FormatSettings::WithDecimalSeparator(u'.'));
    NumCell({0, 2}, TXLCDouble::StaticClass(), QStringLiteral("0"), 2);
    NumCell({2, 3}, TXLCDouble::StaticClass(), QStringLiteral("0"), 5);
    NumCell({2, 4}, TXLCDouble::StaticClass(), QStringLiteral("0"), 7);
    auto* formula = static_cast<TXLCFormula*>(NumCell({1, 1}, TXLCFormula::StaticClass(), QStringLiteral("0|f")));
    Grid->SetCurPos({1, 1});
    Keys(QStringLiteral("="));
    ASSERT_NE(Editor<TXLNumEdit>(), nullptr);
    ClickCell(0, 2);
    EXPECT_EQ(Line()->text(), QStringLiteral("=A3"));
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{1, 1}));
    Keys(QStringLiteral("*"));
    ClickCell(2, 3);
    EXPECT_EQ(Line()->text(), QStringLiteral("=A3*C4"));
    // Another click replaces the reference just inserted.
    ClickCell(2, 4);
    EXPECT_EQ(Line()->text(), QStringLiteral("=A3*C5"));
    EXPECT_EQ(Line()->cursorPosition(), 6);
    Keys(QStringLiteral("+1"));
    EXPECT_EQ(Line()->text(), QStringLiteral("=A3*C5+1"));
    Key(Qt::Key_Return);
    EXPECT_EQ(formula->GetFormula(), QStringLiteral("A3*C5+1"));
    EXPECT_DOUBLE_EQ(formula->GetDouble(), 15);

    // A click that would spoil the formula, or on a number being typed,
    // goes to the grid: the edit is committed and the clicked cell current.
    Grid->SetCurPos({1, 1});
    Keys(QStringLiteral("=A3 1"));
    ClickCell(2, 3);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{2, 3}));
    EXPECT_EQ(Grid->GetEditMode(), emNone);
    Grid->SetCurPos({1, 1});
    Keys(QStringLiteral("8"));
    ClickCell(2, 4);
    EXPECT_EQ(Grid->GetCurPos(), (TPoint{2, 4}));
    EXPECT_DOUBLE_EQ(formula->GetDouble(), 8);
}

TEST_F(NumEditTest, AFormulaIntoANumberCellStoresItsValue)
{
    TFormatSettingsOverride locale(FormatSettings::WithDecimalSeparator(u'.'));
    NumCell({0, 0}, TXLCDouble::StaticClass(), QStringLiteral("0"), 4);
    TXLCell* cell = NumCell({1, 1}, TXLCDouble::StaticClass(), QStringLiteral("0.00|f"), 1);
    Grid->SetCurPos({1, 1});
    Keys(QStringLiteral("=A1/8"));
    Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(cell->GetDouble(), 0.5);
    // A formula the calculator refuses leaves the value.
    Grid->SetCurPos({1, 1});
    Keys(QStringLiteral("=A1+"));
    Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(cell->GetDouble(), 0.5);
}

}  // namespace
