// Typing into the calculator: from a committing Enter on the water and
// steam sheet to its repainted result cells, opening a unit drop-down, and
// one keyboard navigation step (the pure functions, no window).
#include "BenchSummary.h"

#include "TCalcTree.h"
#include "TForm1.h"
#include "grid/TRAVazo.h"
#include "grid/TXLView.h"
#include "grid/XLNavigation.h"
#include "grid/TXLGeometry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// A key on the grid; while its editor is open the grid passes it on there.
void SendKey(QWidget* grid, int key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(grid, &press);
}

// The main window on the water and steam sheet with both inputs set.
struct TWindow {
    QTemporaryDir Dir;
    std::unique_ptr<TForm1> Form;

    TWindow()
    {
        Form = std::make_unique<TForm1>(TUserStateStore(Dir.filePath(QStringLiteral("Config"))));
        Form->show();
        QApplication::setActiveWindow(Form.get());
        QTreeWidgetItemIterator it(Form->Tree());
        for (int i = 0; *it && SheetOfNode(i) != 1; ++i)
            ++it;
        Form->Tree()->setCurrentItem(*it);
        Form->Grid()->setFocus();
        Settle();
    }
    TRAVazo* Grid() const { return Form->Grid(); }
};

void BM_CommitEnterToRepaintedResults(benchmark::State& state)
{
    TWindow w;
    w.Grid()->SetCurPos({1, 1});
    QWidget* body = w.Grid()->GetView(sClient)->viewport();
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.Grid()->SetCurPos({1, 1});
        SendKey(w.Grid(), Qt::Key_1 + n % 9, QString::number(1 + n % 9));
        ++n;
        state.ResumeTiming();
        SendKey(w.Grid(), Qt::Key_Return, QStringLiteral("\r"));
        body->repaint();
    }
}
BENCHMARK(BM_CommitEnterToRepaintedResults)->Unit(benchmark::kMillisecond)->Iterations(300);

void BM_OpenUnitDropDown(benchmark::State& state)
{
    TWindow w;
    for (auto _ : state) {
        state.PauseTiming();
        w.Grid()->SetCurPos({2, 1});
        state.ResumeTiming();
        SendKey(w.Grid(), Qt::Key_F4);
        auto* combo = w.Grid()->findChild<QComboBox*>();
        if (!combo || !combo->view()->isVisible()) {
            state.SkipWithError("the unit list did not open");
            break;
        }
        combo->view()->repaint();
        state.PauseTiming();
        combo->hidePopup();
        w.Grid()->EndEditing();
        Settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenUnitDropDown)->Unit(benchmark::kMillisecond)->Iterations(100);

void BM_NavigationStep(benchmark::State& state)
{
    // The calculation sheet's shape: 3 columns, 14 rows, labels locked.
    TXLNavCells cells;
    cells.ColCount = 3;
    cells.RowCount = 14;
    cells.CanSelect = [](TPoint p) { return p.X > 0; };
    cells.AreaOf = [](TPoint p) { return PointRect(p); };
    const TRect whole = Rect(0, 0, 3, 14);
    TPoint p{1, 0};
    for (auto _ : state) {
        TPoint next = p;
        benchmark::DoNotOptimize(XLFindNext(cells, next, dDown, whole, true));
        p = next;
    }
}
BENCHMARK(BM_NavigationStep);

const bool Lines = XLBenchLine({"commit Enter to repainted results (ms)", "BM_CommitEnterToRepaintedResults/iterations:300", ""})
    && XLBenchLine({"open a unit drop-down (ms)", "BM_OpenUnitDropDown/iterations:100", ""})
    && XLBenchLine({"keyboard navigation step (ns)", "BM_NavigationStep", "", TBenchValue::Nanoseconds});

}  // namespace
