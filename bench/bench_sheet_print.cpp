// The page layout of a 10,000-row sheet (target: at most 5 ms), with
// default rows and with every tenth row sized or hidden.
#include "sheet/TXLPrintLayout.h"
#include "sheet/TXLSheet.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PrintLayout10000Rows(benchmark::State& state)
{
    TXLSheet sheet;
    sheet.SetColCount(8);
    sheet.SetRowCount(10000);
    if (state.range(0) != 0)
        for (int row = 0; row < 10000; row += 10)
            row % 20 == 0 ? sheet.SetCellSize(row, sRows, 30) : sheet.SetCellVisible(row, sRows, false);
    for (auto _ : state) {
        TXLPrintLayout layout;
        sheet.CalcPrintLayout(layout);
        benchmark::DoNotOptimize(layout.RowBreaks.data());
    }
}
BENCHMARK(BM_PrintLayout10000Rows)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
