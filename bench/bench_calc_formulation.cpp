// A full run of the water-and-steam-by-p-and-t sheet's handler, reading its
// inputs, computing every result and formatting it, with each formulation.
// Target with IF97: ≤ 20 µs.
#include "calc/CalcHandlers.h"
#include "calc/SheetContent.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"

#include <benchmark/benchmark.h>

namespace {

void Sheet1(benchmark::State& state, const TWaterSteamFormulation& f, const char* p, const char* t)
{
    TXLSheet sheet;
    BuildSheetContent(1, sheet);
    FillPickLists(1, sheet);
    sheet.GetCell(1, 1)->SetValue(Variant(QString::fromLatin1(p)));
    sheet.GetCell(2, 1)->SetInteger(1); // bar
    sheet.GetCell(1, 2)->SetValue(Variant(QString::fromLatin1(t)));
    for (auto _ : state)
        XLSheet1StylerChanged(sheet, f);
}

BENCHMARK_CAPTURE(Sheet1, classic_steam, ClassicFormulation(), "40", "440");
BENCHMARK_CAPTURE(Sheet1, if97_steam, If97Formulation(), "40", "440");
BENCHMARK_CAPTURE(Sheet1, if97_water, If97Formulation(), "40", "100");
BENCHMARK_CAPTURE(Sheet1, if97_region3, If97Formulation(), "250", "380");

} // namespace
