// Printing the flue-gas sheet, calculated, into a PDF file (target: at most
// 100 ms), the way "calorix-cli flue-gas --pdf FILE" does.
#include "cli/CliPdf.h"
#include "cli/SheetRun.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_FlueGasSheetToPdf(benchmark::State& state)
{
    int argc = 1;
    char name[] = "bench";
    char* argv[] = {name, nullptr};
    // The shared main may run an application already.
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    TSheetRun run(5);
    run.Apply({1, 1, QStringLiteral("500"), std::nullopt});
    run.Run();
    QTemporaryDir dir;
    const std::string file = dir.filePath(QStringLiteral("flue-gas.pdf")).toStdString();
    WriteSheetPdf(run.Sheet(), 5, file); // fonts and printer metrics are set up once
    for (auto _ : state)
        WriteSheetPdf(run.Sheet(), 5, file);
}
BENCHMARK(BM_FlueGasSheetToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
