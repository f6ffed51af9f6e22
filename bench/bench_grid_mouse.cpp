// One step of a mouse drag over a grid of 100 x 1000 cells in a 1280 x 800
// window, repainted: a column border dragged in the column strip (the line
// resized live), and a selection extended by one cell in the body. The
// reference is QTableView resizing a header section by the same step.
#include "BenchSummary.h"

#include "grid/TRAVazo.h"
#include "grid/TXLView.h"
#include "sheet/TXLSheet.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QTableView>

#include <benchmark/benchmark.h>

namespace {

constexpr int Cols = 100;
constexpr int Rows = 1000;
constexpr int ColWidth = 64;
constexpr int RowHeight = 20;

void Settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void Send(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), QPointF(to->mapToGlobal(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

struct TGridFixture {
    TXLSheet Sheet;
    TRAVazo Grid;

    TGridFixture()
    {
        Sheet.SetColCount(Cols);
        Sheet.SetRowCount(Rows);
        Sheet.SetColDefWidth(ColWidth);
        Sheet.SetRowDefHeight(RowHeight);
        Grid.SetOptions(Grid.GetOptions() + TXLOptions{oColSizing});
        Grid.SetSheet(&Sheet);
        Grid.resize(1280, 800);
        Grid.show();
        Settle();
    }
};

void BM_StripResizeStep(benchmark::State& state)
{
    TGridFixture f;
    QWidget* strip = f.Grid.GetView(sCols)->viewport();
    // The border of body column 2, with the strip one title row high.
    const QPoint border(3 * ColWidth - 1, 5);
    Send(strip, QEvent::MouseButtonPress, border, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        Send(strip, QEvent::MouseMove, border + QPoint(step++ % 2 == 0 ? 8 : 0, 0), Qt::LeftButton);
        Settle();
    }
    Send(strip, QEvent::MouseButtonRelease, border, Qt::NoButton);
}
BENCHMARK(BM_StripResizeStep)->Unit(benchmark::kMicrosecond);

void BM_SelectDragStep(benchmark::State& state)
{
    TGridFixture f;
    QWidget* body = f.Grid.GetView(sClient)->viewport();
    const QPoint from(ColWidth + 10, RowHeight + 5);
    Send(body, QEvent::MouseButtonPress, from, Qt::LeftButton);
    int step = 0;
    for (auto _ : state) {
        Send(body, QEvent::MouseMove, from + QPoint(step++ % 2 == 0 ? ColWidth : 0, RowHeight * 10), Qt::LeftButton);
        Settle();
    }
    Send(body, QEvent::MouseButtonRelease, from, Qt::NoButton);
}
BENCHMARK(BM_SelectDragStep)->Unit(benchmark::kMicrosecond);

void BM_HeaderResizeStepReference(benchmark::State& state)
{
    QStandardItemModel model(Rows, Cols);
    QTableView view;
    view.setModel(&model);
    view.horizontalHeader()->setDefaultSectionSize(ColWidth);
    view.verticalHeader()->setDefaultSectionSize(RowHeight);
    view.resize(1280, 800);
    view.show();
    Settle();
    int step = 0;
    for (auto _ : state) {
        view.horizontalHeader()->resizeSection(2, ColWidth + (step++ % 2 == 0 ? 8 : 0));
        Settle();
    }
}
BENCHMARK(BM_HeaderResizeStepReference)->Unit(benchmark::kMicrosecond);

const TBenchLine ResizeLine("live column resize step, repainted (us)", "BM_StripResizeStep",
                            "BM_HeaderResizeStepReference", TBenchValue::Microseconds);

}  // namespace
