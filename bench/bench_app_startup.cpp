// Start-up: from making the main window to its first paint, against a
// minimal window of the same kind (a tree with 11 items, a 15 x 3 table and
// two buttons) measured the same way. The application object exists
// already on both sides; the window is destroyed outside the timed part.
#include "BenchSummary.h"

#include "TForm1.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Notes the first paint of the widget it watches.
class TFirstPaint : public QObject {
public:
    explicit TFirstPaint(QWidget* widget) { widget->installEventFilter(this); }
    bool Painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            Painted = true;
        return QObject::eventFilter(watched, event);
    }
};

template <class Make>
void MeasureStartUp(benchmark::State& state, Make make)
{
    for (auto _ : state) {
        std::unique_ptr<QWidget> window = make();
        TFirstPaint watch(window.get());
        window->show();
        for (int i = 0; i < 100 && !watch.Painted; ++i)
            QCoreApplication::processEvents();
        state.PauseTiming();
        if (!watch.Painted)
            state.SkipWithError("the window was never painted");
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_StartUpOurs(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("Config"));
    MeasureStartUp(state, [&folder] { return std::make_unique<TForm1>(TUserStateStore(folder)); });
}
BENCHMARK(BM_StartUpOurs)->Unit(benchmark::kMillisecond);

std::unique_ptr<QWidget> MakeMinimalWindow()
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
    return window;
}

void BM_StartUpReference(benchmark::State& state)
{
    MeasureStartUp(state, MakeMinimalWindow);
}
BENCHMARK(BM_StartUpReference)->Unit(benchmark::kMillisecond);

const bool lines = XLBenchLine({"startup_to_first_paint_ms", "BM_StartUpOurs", "BM_StartUpReference"});

}  // namespace
