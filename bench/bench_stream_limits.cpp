// Time to load or refuse a 100 MB sheet file of each hostile kind (masses of
// tiny properties, a huge string, masses of tiny cells or of empty pick-list
// items): the target is 2 s each. The files are made once, outside the
// timing.
#include "../tests/stream/HostileSheetFiles.h"

#include "base/ERAVazoError.h"
#include "stream/XLSheetFile.h"


#include <benchmark/benchmark.h>

namespace {

void BM_LoadHostileSheetFile(benchmark::State& state)
{
    const auto kind = static_cast<HostileSheetFiles::TKind>(state.range(0));
    const QByteArray file = HostileSheetFiles::Make(kind, qsizetype{100} << 20);
    bool refused = false;
    for (auto _ : state) {
        TXLSheet sheet;
        try {
            LoadSheetFromBytes(sheet, file);
        } catch (const ERAVazoError&) {
            refused = true;
        }
    }
    state.SetLabel(refused ? "refused" : "loaded");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * file.size());
}
BENCHMARK(BM_LoadHostileSheetFile)
    ->ArgName("kind")
    ->DenseRange(HostileSheetFiles::hTinyProperties, HostileSheetFiles::hEmptyItems)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace
