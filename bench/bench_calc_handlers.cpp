// One run of each calculation handler on its sheet as shipped (pick lists
// filled, the shipped inputs), as the window runs it on every edit.
#include "BenchSummary.h"

#include "calc/CalcHandlers.h"
#include "calc/SheetContent.h"
#include "sheet/TXLSheet.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_CalcHandler(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    TXLSheet sheet;
    BuildSheetContent(n, sheet);
    FillPickLists(n, sheet);
    const TCalcHandler handler = CalcHandlerOfSheet(n);
    for (auto _ : state)
        handler(sheet);
}
BENCHMARK(BM_CalcHandler)->DenseRange(1, SheetCount - 1)->Unit(benchmark::kMicrosecond);

const bool lines = [] {
    for (int n = 1; n < SheetCount; ++n)
        XLBenchLine({"calc_handler_sheet" + std::to_string(n) + "_us", "BM_CalcHandler/" + std::to_string(n), "",
                     TBenchValue::Microseconds});
    return true;
}();

}  // namespace
