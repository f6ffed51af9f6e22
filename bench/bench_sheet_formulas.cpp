// Formulas: a short expression, a long one of 200 characters reading 32
// cells, and recalculating a sheet of 10,000 formula cells that each read
// their left neighbour.
#include "BenchSummary.h"

#include "sheet/TXLCFormula.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"
#include "sheet/XLCellNames.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FormulaShort(benchmark::State& state)
{
    TXLSheet sheet;
    const QString text = QStringLiteral("1+2*3");
    for (auto _ : state)
        benchmark::DoNotOptimize(sheet.CalcExpression(text));
}
BENCHMARK(BM_FormulaShort);

// "A1*2+B1*2+…" over 32 cells of row 1 holding numbers, padded with
// "+1" terms to 200 characters (integers: the decimal separator is the
// locale's).
QString LongFormula()
{
    QString text;
    for (int c = 0; c < 32; ++c) {
        if (c)
            text += u'+';
        text += Pos2XLI({c, 0}) + QStringLiteral("*2");
    }
    while (text.size() + 2 <= 200)
        text += QStringLiteral("+1");
    if (text.size() < 200)
        text += u'0';
    return text;
}

void BM_FormulaLong(benchmark::State& state)
{
    TXLSheet sheet;
    sheet.SetColCount(40);
    sheet.SetRowCount(10);
    for (int c = 0; c < 32; ++c)
        sheet.SetValue(c, 0, Variant(static_cast<double>(c)));
    const QString text = LongFormula();
    state.counters["chars"] = static_cast<double>(text.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(sheet.CalcExpression(text));
}
BENCHMARK(BM_FormulaLong);

void BM_Recalculate(benchmark::State& state)
{
    constexpr int Cols = 100;
    constexpr int Rows = 100;
    TXLSheet sheet;
    sheet.SetColCount(Cols + 1);
    sheet.SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r) {
        sheet.SetValue(0, r, Variant(static_cast<double>(r)));
        for (int c = 1; c <= Cols; ++c) {
            sheet.SetCellClass(c, r, TXLCFormula::StaticClass());
            sheet.GetCell(c, r)->SetString(QStringLiteral("=") + Pos2XLI({c - 1, r}) + QStringLiteral("+1"));
        }
    }
    for (auto _ : state)
        sheet.Recalculate();
}
BENCHMARK(BM_Recalculate)->Unit(benchmark::kMillisecond);

const bool lines = XLBenchLine({"formula_1+2*3_ns", "BM_FormulaShort", "", TBenchValue::Nanoseconds})
    && XLBenchLine({"formula_200_chars_32_refs_us", "BM_FormulaLong", "", TBenchValue::Microseconds})
    && XLBenchLine({"recalculate_10000_formula_cells_ms", "BM_Recalculate", ""});

}  // namespace
