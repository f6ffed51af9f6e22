#include "sheet/TXLCFormula.h"

#include "base/FormatSettings.h"
#include "base/VariantError.h"
#include "sheet/TXLCDouble.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLSheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TXLCFormulaTest : public testing::Test {
protected:
    void SetUp() override
    {
        sheet.OnCellChanged = [this](void*, TPoint) { ++changes; };
    }
    void TearDown() override
    {
        for (const QString& name : registered)
            XLManager().UnregisterFunction(name);
    }

    TXLCFormula* Formula(int col, int row)
    {
        sheet.SetCellClass(col, row, TXLCFormula::StaticClass());
        auto* cell = dynamic_cast<TXLCFormula*>(sheet.GetCell(col, row));
        EXPECT_NE(cell, nullptr);
        return cell;
    }
    TXLCFormula* Watched(int col, int row, TXLCellStyles extra = {})
    {
        TXLCFormula* cell = Formula(col, row);
        cell->SetStyles(TXLCellStyles{csNotify} + extra);
        return cell;
    }
    // Log(tag, value) notes the tag and gives the value.
    void RegisterLog()
    {
        XLManager().RegisterFunction(QStringLiteral("Log"), [this](TXLSheet*, const Variant* p, int, Variant& r) {
            log += p[0].ToString().toStdString();
            r = p[1];
        });
        registered.push_back(QStringLiteral("Log"));
    }

    TFormatSettingsOverride locale{FormatSettings::WithDecimalSeparator(u'.')};
    TXLSheet sheet;
    int changes = 0;
    std::string log;
    std::vector<QString> registered;
};

TEST_F(TXLCFormulaTest, RegisteredLastWithItsFormatsAndEditor)
{
    TXLManager& m = XLManager();
    EXPECT_EQ(m.GetCellClass(10), TXLCFormula::StaticClass());
    EXPECT_EQ(m.IndexOfCellClass(TXLCFormula::StaticClass()), m.GetCellClassCount() - 1);
    EXPECT_EQ(TXLManager::HashCodeOf(TXLCFormula::StaticClass()), 1041);
    EXPECT_TRUE(TXLCFormula::StaticClass()->InheritsFrom(TXLCDouble::StaticClass()));
    const QStringList expected{"0",        "0|c",        "0.00",  "0.00|c",  "#,##0", "#,##0|c",
                               "#,##0.00", "#,##0.00|c", "0.##%", "0.##%|c", "0.00%", "0.00%|c"};
    ASSERT_NE(m.GetFormats(TXLCFormula::StaticClass()), nullptr);
    EXPECT_EQ(*m.GetFormats(TXLCFormula::StaticClass()), expected);
    EXPECT_EQ(m.GetEditClassCount(TXLCFormula::StaticClass()), 1);
    EXPECT_EQ(m.FindEditClass(TXLCFormula::StaticClass(), XLEditClasses::NumEdit()), 0);
}

TEST_F(TXLCFormulaTest, TextBecomesTheFormulaAndIsCalculated)
{
    TXLCFormula* cell = Formula(0, 0);
    cell->SetString(QStringLiteral("=1+2"));
    EXPECT_EQ(cell->GetFormula(), QStringLiteral("1+2"));
    EXPECT_EQ(cell->GetString(), QStringLiteral("=1+2"));
    EXPECT_EQ(cell->GetDouble(), 3.0);
    EXPECT_TRUE(cell->GetValue() == Variant(3.0));
    EXPECT_EQ(cell->GetText(), QStringLiteral("3"));
    // Every leading "=" goes; the text need not have one.
    cell->SetString(QStringLiteral("==1/0"));
    EXPECT_EQ(cell->GetFormula(), QStringLiteral("1/0"));
    EXPECT_EQ(cell->GetText(), QStringLiteral("#DIV/0!"));
    cell->SetString(QStringLiteral("4*2"));
    EXPECT_EQ(cell->GetString(), QStringLiteral("=4*2"));
    EXPECT_EQ(cell->GetInteger(), 8);
    cell->SetValue(Variant(QStringLiteral("=FOO(1)")));
    EXPECT_EQ(cell->GetText(), QStringLiteral("#NAME!"));
    EXPECT_EQ(cell->GetFormula(), QStringLiteral("FOO(1)"));
}

TEST_F(TXLCFormulaTest, ResultsAndErrorCodes)
{
    struct TRow {
        const char* Formula;
        TXLFormulaError Error;
        const char* Text;
        double Value;
    };
    const TRow rows[] = {
        {"=1/4", feNone, "0.25", 0.25},
        {"='12'", feNone, "12.00", 12},
        {"=1<2", feNone, "-1.00", -1},
        {"= ", feNone, "0.00", 0},
        {"=String(3)+'1'", feNone, "31.00", 31},
        {"=1/0", feDivZero, "#DIV/0!", 31},
        {"=7 MOD 0", feDivZero, "#DIV/0!", 31},
        {"=FOO(1)", feName, "#NAME!", 31},
        {"=Z1", feName, "#NAME!", 31},
        {"=FOO", feValue, "#VALUE!", 31},
        {"=A0", feValue, "#VALUE!", 31},
        {"='abc'", feValue, "#VALUE!", 31},
        {"=1<2<3", feValue, "#VALUE!", 31},
        {"=(1", feValue, "#VALUE!", 31},
        {"=1E999", feValue, "#VALUE!", 31},
        {"=B2", feNone, "0.00", 0},
    };
    TXLCFormula* cell = Formula(0, 0);
    cell->SetFormat(QStringLiteral("0.00"));
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Formula);
        cell->SetString(QString::fromLatin1(row.Formula));
        EXPECT_EQ(cell->GetError(), row.Error);
        EXPECT_EQ(cell->GetText(), QString::fromLatin1(row.Text));
        // A failed calculation keeps the last result.
        EXPECT_EQ(cell->GetDouble(), row.Value);
    }
}

TEST_F(TXLCFormulaTest, ANumberDropsTheFormula)
{
    TXLCFormula* cell = Formula(1, 1);
    cell->SetString(QStringLiteral("=1/0"));
    cell->SetDouble(4);
    EXPECT_TRUE(cell->GetFormula().isEmpty());
    EXPECT_EQ(cell->GetError(), feNone);
    EXPECT_EQ(cell->GetString(), QStringLiteral("4"));
    EXPECT_EQ(cell->GetText(), QStringLiteral("4"));
    cell->SetString(QStringLiteral("=2"));
    cell->SetValue(Variant(7));
    EXPECT_TRUE(cell->GetFormula().isEmpty());
    EXPECT_EQ(cell->GetDouble(), 7.0);
    cell->SetString(QStringLiteral("=2"));
    EXPECT_THROW(cell->SetValue(Variant::Null()), EVariantError);
    EXPECT_EQ(cell->GetFormula(), QStringLiteral("2"));
    cell->SetValue(Variant());
    EXPECT_TRUE(cell->GetFormula().isEmpty());
    EXPECT_EQ(cell->GetDouble(), 0.0);
}

TEST_F(TXLCFormulaTest, ChangesAreAnnouncedOnce)
{
    TXLCFormula* cell = Watched(0, 0);
    cell->SetString(QStringLiteral("=1+1"));
    EXPECT_EQ(changes, 1);
    // The same formula, with or without "=", and the same result: nothing.
    cell->SetString(QStringLiteral("1+1"));
    cell->SetString(QStringLiteral("=1+1"));
    EXPECT_EQ(changes, 1);
    // Another formula is a change even with the same result.
    cell->SetString(QStringLiteral("=2"));
    EXPECT_EQ(changes, 2);
    // An error is announced on every calculation that sets it.
    cell->SetString(QStringLiteral("=1/0"));
    cell->SetString(QStringLiteral("=1/0"));
    EXPECT_EQ(changes, 4);
    // Back to the same value: the display changes, so it is announced.
    cell->SetString(QStringLiteral("=2"));
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(cell->GetText(), QStringLiteral("2"));
    cell->SetDouble(2);
    EXPECT_EQ(changes, 6);
    cell->SetDouble(2);
    EXPECT_EQ(changes, 6);

    TXLCFormula* loud = Watched(1, 0, {csWriteNotify});
    changes = 0;
    loud->SetString(QStringLiteral("1+1"));
    loud->SetString(QStringLiteral("1+1"));
    EXPECT_EQ(changes, 2);
}

TEST_F(TXLCFormulaTest, DisplayFollowsTheFormatOnlyWithoutError)
{
    TXLCFormula* cell = Formula(0, 0);
    cell->SetFormat(QStringLiteral("0.##%|c"));
    cell->SetString(QStringLiteral("=1/2"));
    EXPECT_EQ(cell->GetText(), QStringLiteral("50%"));
    cell->SetString(QStringLiteral("=1/0"));
    EXPECT_EQ(cell->GetText(), QStringLiteral("#DIV/0!"));
    {
        TFormatSettingsOverride comma(FormatSettings::WithDecimalSeparator(u','));
        cell->SetFormat(QStringLiteral("0.00"));
        cell->SetString(QStringLiteral("=1,5*3"));
        EXPECT_EQ(cell->GetText(), QStringLiteral("4,50"));
        EXPECT_EQ(cell->GetString(), QStringLiteral("=1,5*3"));
    }
}

TEST_F(TXLCFormulaTest, ReadingOneselfIsCircular)
{
    TXLCFormula* cell = Formula(2, 0);
    cell->SetString(QStringLiteral("=4"));
    cell->SetString(QStringLiteral("=C1+1"));
    EXPECT_EQ(cell->GetError(), feCircular);
    EXPECT_EQ(cell->GetText(), QStringLiteral("#CIRCULAR!"));
    EXPECT_EQ(cell->GetDouble(), 4.0);
    EXPECT_FALSE(cell->HasState(csRecalc));
}

TEST_F(TXLCFormulaTest, CircleOfTwoFormulaCells)
{
    TXLCFormula* a1 = Formula(0, 0);
    TXLCFormula* b1 = Formula(1, 0);
    b1->SetString(QStringLiteral("=A1+1"));
    a1->SetString(QStringLiteral("=B1+1"));
    // Written one after the other, each read the other's last result.
    EXPECT_EQ(b1->GetDouble(), 1.0);
    EXPECT_EQ(a1->GetDouble(), 2.0);
    sheet.Recalculate();
    EXPECT_EQ(a1->GetError(), feCircular);
    EXPECT_EQ(b1->GetError(), feCircular);
    EXPECT_EQ(a1->GetText(), QStringLiteral("#CIRCULAR!"));
    EXPECT_EQ(b1->GetText(), QStringLiteral("#CIRCULAR!"));
    EXPECT_EQ(a1->GetDouble(), 2.0);
    EXPECT_EQ(b1->GetDouble(), 1.0);
    // Breaking the circle heals both.
    b1->SetString(QStringLiteral("=5"));
    sheet.Recalculate();
    EXPECT_EQ(a1->GetError(), feNone);
    EXPECT_EQ(a1->GetDouble(), 6.0);
    EXPECT_EQ(b1->GetText(), QStringLiteral("5"));
}

TEST_F(TXLCFormulaTest, RecalculateComputesEachFormulaOnceAfterWhatItReads)
{
    RegisterLog();
    sheet.SetCellClass(2, 0, TXLCDouble::StaticClass());
    sheet.SetFloat(2, 0, 1);
    TXLCFormula* b1 = Formula(1, 0);
    TXLCFormula* a1 = Formula(0, 0);
    TXLCFormula* title = Formula(-1, 0);
    b1->SetString(QStringLiteral("=Log('B', C1+1)"));
    a1->SetString(QStringLiteral("=Log('A', B1*2)"));
    title->SetString(QStringLiteral("=Log('T', A1+B1)"));
    EXPECT_EQ(log, "BAT");
    EXPECT_EQ(title->GetDouble(), 6.0);

    sheet.SetFloat(2, 0, 5);
    // Unchanged until recalculated.
    EXPECT_EQ(a1->GetDouble(), 4.0);
    log.clear();
    sheet.Recalculate();
    // The title column comes first; what it reads is calculated before it.
    EXPECT_EQ(log, "BAT");
    EXPECT_EQ(b1->GetDouble(), 6.0);
    EXPECT_EQ(a1->GetDouble(), 12.0);
    EXPECT_EQ(title->GetDouble(), 18.0);
    for (TXLCFormula* cell : {a1, b1, title})
        EXPECT_FALSE(cell->HasState(csRecalc));
    // Nothing due: another pass computes each exactly once again.
    log.clear();
    sheet.Recalculate();
    EXPECT_EQ(log, "BAT");
}

TEST_F(TXLCFormulaTest, ClassChangeAndCopyKeepTheFormula)
{
    sheet.SetString(0, 0, QStringLiteral("=2*3"));
    sheet.SetCellClass(0, 0, TXLCFormula::StaticClass());
    auto* cell = dynamic_cast<TXLCFormula*>(sheet.GetCell(0, 0));
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->GetFormula(), QStringLiteral("2*3"));
    EXPECT_EQ(cell->GetDouble(), 6.0);

    cell->SetString(QStringLiteral("=1/0"));
    sheet.SetCell(3, 3, cell);
    auto* copy = dynamic_cast<TXLCFormula*>(sheet.GetCell(3, 3));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetFormula(), QStringLiteral("1/0"));
    EXPECT_EQ(copy->GetError(), feDivZero);
    EXPECT_EQ(copy->GetDouble(), 6.0);
    EXPECT_EQ(copy->GetText(), QStringLiteral("#DIV/0!"));

    // Back to text: the value as a number.
    sheet.SetCellClass(0, 0, TXLCDouble::StaticClass());
    EXPECT_EQ(sheet.GetFloat(0, 0), 6.0);
}

}  // namespace

namespace {

// Column A holds a chain: A1 = 1, A(n+1) = An + 1, written bottom up so
// that every cell is still due when Recalculate reaches the last one.
void BuildChain(TXLSheet& sheet, int length)
{
    sheet.SetRowCount(length);
    for (int row = length - 1; row >= 0; --row) {
        sheet.SetCellClass(0, row, TXLCFormula::StaticClass());
        const QString formula = row == 0 ? QStringLiteral("=1") : QStringLiteral("=A%1+1").arg(row);
        sheet.GetCell(0, row)->SetString(formula);
    }
}

TEST(TXLCFormulaChain, ModerateChainsRecalculate)
{
    TFormatSettingsOverride locale(FormatSettings::WithDecimalSeparator(u'.'));
    TXLSheet sheet;
    BuildChain(sheet, 100);
    sheet.SetFloat(0, 0, 10); // drops A1's formula
    sheet.Recalculate();
    EXPECT_EQ(sheet.GetFloat(0, 99), 109.0);
}

TEST(TXLCFormulaChain, DeepChainsFailInsteadOfOverflowingTheStack)
{
    TFormatSettingsOverride locale(FormatSettings::WithDecimalSeparator(u'.'));
    TXLSheet sheet;
    BuildChain(sheet, 5000);
    sheet.GetCell(0, 0)->SetString(QStringLiteral("=2"));
    for (int row = 1; row < 5000; ++row)
        sheet.GetCell(0, row)->IncludeState(csRecalc);
    bool stop = false;
    sheet.RecalculateCell(sheet.GetCell(0, 4999), 0, stop);
    // Somewhere down the chain a cell gave up; the evaluation came back.
    int failed = 0;
    for (int row = 0; row < 5000; ++row)
        failed += sheet.GetCell(0, row)->GetText() == QStringLiteral("#VALUE!");
    EXPECT_GE(failed, 1);
}

} // namespace

namespace {

TEST(TXLCFormulaChain, DeeplyBracketedCellsReadingEachOtherShareOneDepthBudget)
{
    // Each cell alone is well within the bracket limit, but together the
    // chain would nest 80 × 250 levels deep.
    TFormatSettingsOverride locale(FormatSettings::WithDecimalSeparator(u'.'));
    constexpr int length = 80;
    constexpr int brackets = 250;
    TXLSheet sheet;
    sheet.SetRowCount(length);
    for (int row = length - 1; row >= 0; --row) {
        sheet.SetCellClass(0, row, TXLCFormula::StaticClass());
        const QString inner = row == 0 ? QStringLiteral("1") : QStringLiteral("A%1+1").arg(row);
        sheet.GetCell(0, row)->SetString(u'=' + QString(brackets, u'(') + inner + QString(brackets, u')'));
    }
    for (int row = 0; row < length; ++row)
        sheet.GetCell(0, row)->IncludeState(csRecalc);
    bool stop = false;
    sheet.RecalculateCell(sheet.GetCell(0, length - 1), 0, stop);

    // The last cell takes 2 + 250 levels, the one it reads as many again;
    // the third runs out inside its brackets and shows the error.
    EXPECT_EQ(sheet.GetCell(0, length - 3)->GetText(), QStringLiteral("#VALUE!"));
    EXPECT_EQ(sheet.FormulaNesting(), 0);
    // The budget came back: the first cell, evaluated on its own, computes.
    sheet.GetCell(0, 0)->IncludeState(csRecalc);
    sheet.RecalculateCell(sheet.GetCell(0, 0), 0, stop);
    EXPECT_EQ(sheet.GetFloat(0, 0), 1.0);
}

} // namespace
