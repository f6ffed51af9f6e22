// Painting a 1280 x 800 view of a sheet of 100,000 text cells into an
// image, against QTableView over a QStandardItemModel of the same texts and
// sizes (headers hidden, as the sheet has no title bands), and the floor: a
// bare QPainter drawing the same grid lines and texts.
#include "BenchSummary.h"

#include "grid/TRAVazo.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int Cols = 100;
constexpr int Rows = 1000;
constexpr int ColWidth = 64;
constexpr int RowHeight = 20;
constexpr int ViewWidth = 1280;
constexpr int ViewHeight = 800;

QString CellText(int c, int r)
{
    return QStringLiteral("Text ") + QString::number(r * Cols + c);
}

void Settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

void RenderLoop(benchmark::State& state, QWidget& widget)
{
    widget.resize(ViewWidth, ViewHeight);
    widget.show();
    Settle();
    QImage image(ViewWidth, ViewHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        widget.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_RenderOurs(benchmark::State& state)
{
    TXLSheet sheet;
    sheet.SetColCount(Cols);
    sheet.SetRowCount(Rows);
    sheet.SetColDefWidth(ColWidth);
    sheet.SetRowDefHeight(RowHeight);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            sheet.GetCell(c, r)->SetString(CellText(c, r));
    TRAVazo grid;
    grid.SetSheet(&sheet);
    RenderLoop(state, grid);
}
BENCHMARK(BM_RenderOurs)->Unit(benchmark::kMillisecond);

void BM_RenderReference(benchmark::State& state)
{
    QStandardItemModel model(Rows, Cols);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            model.setItem(r, c, new QStandardItem(CellText(c, r)));
    QTableView view;
    view.horizontalHeader()->hide();
    view.verticalHeader()->hide();
    view.horizontalHeader()->setDefaultSectionSize(ColWidth);
    view.verticalHeader()->setMinimumSectionSize(1);
    view.verticalHeader()->setDefaultSectionSize(RowHeight);
    view.setModel(&model);
    RenderLoop(state, view);
}
BENCHMARK(BM_RenderReference)->Unit(benchmark::kMillisecond);

// The least any grid must do: background, the lines, one text per cell.
void BM_RenderFloor(benchmark::State& state)
{
    QImage image(ViewWidth, ViewHeight, QImage::Format_ARGB32_Premultiplied);
    const int cols = ViewWidth / ColWidth + 1;
    const int rows = ViewHeight / RowHeight + 1;
    std::vector<QString> texts;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            texts.push_back(CellText(c, r));
    const QFont font = QApplication::font();
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        painter.setPen(Qt::lightGray);
        for (int c = 1; c <= cols; ++c)
            painter.drawLine(c * ColWidth - 1, 0, c * ColWidth - 1, ViewHeight);
        for (int r = 1; r <= rows; ++r)
            painter.drawLine(0, r * RowHeight - 1, ViewWidth, r * RowHeight - 1);
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                painter.drawText(QRect(c * ColWidth + 2, r * RowHeight, ColWidth - 3, RowHeight - 1),
                                 Qt::AlignLeft | Qt::AlignVCenter, texts[static_cast<size_t>(r * cols + c)]);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderFloor)->Unit(benchmark::kMillisecond);

const bool lines = XLBenchLine({"render_1280x800_of_100000_cells_ms", "BM_RenderOurs", "BM_RenderReference"})
    && XLBenchLine({"render_1280x800_vs_bare_painter_ms", "BM_RenderOurs", "BM_RenderFloor"});

}  // namespace
