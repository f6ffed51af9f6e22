// Start-up: from making the main window to its first paint, against a
// minimal window of the same kind (a tree with 11 items, a 15 x 3 table and
// two buttons) measured the same way. The application object exists
// already on both sides; the window is destroyed outside the timed part.
#include "BenchFirstPaint.h"
#include "BenchSummary.h"

#include "TForm1.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void BM_StartUpOurs(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Config"));
    MeasureStartUp(state, [&folder] {
        auto window = std::make_unique<TForm1>(TUserStateStore(folder));
        QWidget* watched = window.get();
        return TShownWindow{std::move(window), watched};
    });
}
BENCHMARK(BM_StartUpOurs)->Unit(benchmark::kMillisecond);

TShownWindow MakeMinimalWindow()
{
    auto window = std::make_unique<QWidget>();
    auto* tree = new QTreeWidget(window.get());
    auto* root = new QTreeWidgetItem(tree, {QStringLiteral("Root")});
    for (int i = 1; i < 11; ++i)
        new QTreeWidgetItem(root, {QStringLiteral("Item %1").arg(i)});
    tree->expandAll();
    auto* table = new QTableWidget(15, 3, window.get());
    for (int r = 0; r < 15; ++r)
        for (int c = 0; c < 3; ++c)
            table->setItem(r, c, new QTableWidgetItem(QString::number(r * 3 + c)));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(new QPushButton(QStringLiteral("About"), window.get()));
    buttons->addWidget(new QPushButton(QStringLiteral("Exit"), window.get()));
    auto* layout = new QHBoxLayout(window.get());
    layout->addWidget(tree);
    layout->addWidget(table);
    layout->addLayout(buttons);
    window->resize(535, 251);
    QWidget* watched = window.get();
    return TShownWindow{std::move(window), watched};
}

void BM_StartUpReference(benchmark::State& state)
{
    MeasureStartUp(state, MakeMinimalWindow);
}
BENCHMARK(BM_StartUpReference)->Unit(benchmark::kMillisecond);

const bool lines = XLBenchLine({"startup_to_first_paint_ms", "BM_StartUpOurs", "BM_StartUpReference"});

}  // namespace
