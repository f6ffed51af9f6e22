// The sheet model against QStandardItemModel, the model a developer would
// otherwise pick: filling a dense block of text cells (time and heap bytes
// per cell), a few cells scattered over the largest sheet, reading cells
// (filled, empty, a whole row), and reading with many merged areas.
#include "BenchSummary.h"

#include "sheet/TXLCell.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"

#include <QStandardItemModel>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int FillSide = 1000;
constexpr int MaxRows = 1048576;
constexpr int MaxCols = 256;
constexpr int ScatterCells = 10000;
// QStandardItemModel keeps a pointer per position, so the largest sheet
// does not fit this machine: it is measured at 1/16 of the rows and the
// figures multiplied by 16.
constexpr int ReferenceScatterRows = 65536;

QString CellText(int i)
{
    return QStringLiteral("Text ") + QString::number(i);
}

std::vector<QPoint> Scattered(int count, int cols, int rows)
{
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> col(0, cols - 1);
    std::uniform_int_distribution<int> row(0, rows - 1);
    std::vector<QPoint> points(static_cast<size_t>(count));
    for (QPoint& p : points)
        p = QPoint(col(random), row(random));
    return points;
}

// Heap and time of building a model; the model is destroyed outside the
// timed part.
template <class Build>
void MeasureBuild(benchmark::State& state, int cells, Build build)
{
    long long heap = 0;
    for (auto _ : state) {
        const long long before = XLHeapInUse();
        auto model = build();
        state.PauseTiming();
        heap = XLHeapInUse() - before;
        model.reset();
        state.ResumeTiming();
    }
    state.counters["heap_per_cell"] = static_cast<double>(heap) / cells;
    state.counters["heap_mib"] = static_cast<double>(heap) / (1024.0 * 1024.0);
}

void BM_FillOurs(benchmark::State& state)
{
    MeasureBuild(state, FillSide * FillSide, [] {
        auto sheet = std::make_unique<TXLSheet>();
        sheet->SetColCount(FillSide);
        sheet->SetRowCount(FillSide);
        for (int r = 0; r < FillSide; ++r)
            for (int c = 0; c < FillSide; ++c)
                sheet->GetCell(c, r)->SetString(CellText(r * FillSide + c));
        return sheet;
    });
}
BENCHMARK(BM_FillOurs)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_FillReference(benchmark::State& state)
{
    MeasureBuild(state, FillSide * FillSide, [] {
        auto model = std::make_unique<QStandardItemModel>(FillSide, FillSide);
        for (int r = 0; r < FillSide; ++r)
            for (int c = 0; c < FillSide; ++c)
                model->setItem(r, c, new QStandardItem(CellText(r * FillSide + c)));
        return model;
    });
}
BENCHMARK(BM_FillReference)->Unit(benchmark::kMillisecond)->Iterations(2);

const bool fillLines = XLBenchLine({"fill_1000x1000_ns_per_cell", "BM_FillOurs/iterations:2",
                                    "BM_FillReference/iterations:2", TBenchValue::Nanoseconds, "", 1.0,
                                    double(FillSide) * FillSide})
    && XLBenchLine({"fill_1000x1000_heap_bytes_per_cell", "BM_FillOurs/iterations:2", "BM_FillReference/iterations:2",
                    TBenchValue::Counter, "heap_per_cell"});

void BM_ScatterOurs(benchmark::State& state)
{
    const std::vector<QPoint> points = Scattered(ScatterCells, MaxCols, MaxRows);
    MeasureBuild(state, ScatterCells, [&points] {
        auto sheet = std::make_unique<TXLSheet>();
        sheet->SetColCount(MaxCols);
        sheet->SetRowCount(MaxRows);
        int i = 0;
        for (const QPoint& p : points)
            sheet->GetCell(p.x(), p.y())->SetString(CellText(i++));
        return sheet;
    });
}
BENCHMARK(BM_ScatterOurs)->Unit(benchmark::kMillisecond);

void BM_ScatterReference(benchmark::State& state)
{
    const std::vector<QPoint> points = Scattered(ScatterCells, MaxCols, ReferenceScatterRows);
    MeasureBuild(state, ScatterCells, [&points] {
        auto model = std::make_unique<QStandardItemModel>(ReferenceScatterRows, MaxCols);
        int i = 0;
        for (const QPoint& p : points)
            model->setItem(p.y(), p.x(), new QStandardItem(CellText(i++)));
        return model;
    });
}
BENCHMARK(BM_ScatterReference)->Unit(benchmark::kMillisecond)->Iterations(3);

constexpr double RowScale = static_cast<double>(MaxRows) / ReferenceScatterRows;
const bool scatterLines =
    XLBenchLine({"scatter_10000_in_1048576x256_ms(reference_x16_from_65536_rows)", "BM_ScatterOurs",
                 "BM_ScatterReference/iterations:3", TBenchValue::Milliseconds, "", RowScale})
    && XLBenchLine({"scatter_10000_in_1048576x256_heap_mib(reference_x16_from_65536_rows)", "BM_ScatterOurs",
                    "BM_ScatterReference/iterations:3", TBenchValue::Counter, "heap_mib", RowScale});

// A 1000 x 1000 block with every other row filled, for the reads.
constexpr int PeekSide = 1000;

TXLSheet& PeekSheet()
{
    static std::unique_ptr<TXLSheet> sheet = [] {
        auto s = std::make_unique<TXLSheet>();
        s->SetColCount(PeekSide);
        s->SetRowCount(PeekSide);
        for (int r = 0; r < PeekSide; r += 2)
            for (int c = 0; c < PeekSide; ++c)
                s->GetCell(c, r)->SetString(CellText(c));
        return s;
    }();
    return *sheet;
}

QStandardItemModel& PeekModel()
{
    static std::unique_ptr<QStandardItemModel> model = [] {
        auto m = std::make_unique<QStandardItemModel>(PeekSide, PeekSide);
        for (int r = 0; r < PeekSide; r += 2)
            for (int c = 0; c < PeekSide; ++c)
                m->setItem(r, c, new QStandardItem(CellText(c)));
        return m;
    }();
    return *model;
}

// Positions in the filled (even) or empty (odd) rows.
std::vector<QPoint> PeekPoints(bool filled)
{
    std::vector<QPoint> points = Scattered(4096, PeekSide, PeekSide / 2);
    for (QPoint& p : points)
        p.setY(p.y() * 2 + (filled ? 0 : 1));
    return points;
}

void BM_PeekOurs(benchmark::State& state)
{
    TXLSheet& sheet = PeekSheet();
    const std::vector<QPoint> points = PeekPoints(state.range(0) != 0);
    for (auto _ : state)
        for (const QPoint& p : points)
            benchmark::DoNotOptimize(sheet.GetPeekCell(p.x(), p.y()));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(points.size()));
}
BENCHMARK(BM_PeekOurs)->Arg(1)->Arg(0);

void BM_PeekReference(benchmark::State& state)
{
    QStandardItemModel& model = PeekModel();
    const std::vector<QPoint> points = PeekPoints(state.range(0) != 0);
    for (auto _ : state)
        for (const QPoint& p : points)
            benchmark::DoNotOptimize(model.item(p.y(), p.x()));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(points.size()));
}
BENCHMARK(BM_PeekReference)->Arg(1)->Arg(0);

void BM_RowScanOurs(benchmark::State& state)
{
    TXLSheet& sheet = PeekSheet();
    for (auto _ : state)
        for (int c = 0; c < PeekSide; ++c)
            benchmark::DoNotOptimize(sheet.GetPeekCell(c, 500));
    state.SetItemsProcessed(state.iterations() * PeekSide);
}
BENCHMARK(BM_RowScanOurs);

void BM_RowScanReference(benchmark::State& state)
{
    QStandardItemModel& model = PeekModel();
    for (auto _ : state)
        for (int c = 0; c < PeekSide; ++c)
            benchmark::DoNotOptimize(model.item(500, c));
    state.SetItemsProcessed(state.iterations() * PeekSide);
}
BENCHMARK(BM_RowScanReference);

const bool peekLines = XLBenchLine({"peek_4096_filled_us", "BM_PeekOurs/1", "BM_PeekReference/1", TBenchValue::Microseconds})
    && XLBenchLine({"peek_4096_empty_us", "BM_PeekOurs/0", "BM_PeekReference/0", TBenchValue::Microseconds})
    && XLBenchLine({"row_scan_1000_us", "BM_RowScanOurs", "BM_RowScanReference", TBenchValue::Microseconds});

// Merged areas of 2 x 2 spread evenly over a 1000 x 1000 sheet whose every
// position holds a text; reads at random positions of the same block.
void BM_PeekWithAreas(benchmark::State& state)
{
    const int areas = static_cast<int>(state.range(0));
    TXLSheet sheet;
    sheet.SetColCount(PeekSide);
    sheet.SetRowCount(PeekSide);
    for (int r = 0; r < PeekSide; ++r)
        for (int c = 0; c < 100; ++c)
            sheet.GetCell(c, r)->SetString(CellText(c));
    TPoint at;
    TXLSection* section = sheet.GetSection(sheet.MapToSector(0, 0, at));
    // 64 areas per band of rows, bands spread down the sheet.
    for (int i = 0; i < areas; ++i) {
        const int col = (i % 64) * 3;
        const int row = (i / 64) * 15;
        section->MergeArea(Rect(col, row, col + 2, row + 2));
    }
    const std::vector<QPoint> points = Scattered(4096, 192, PeekSide);
    for (auto _ : state)
        for (const QPoint& p : points)
            benchmark::DoNotOptimize(sheet.GetPeekCell(p.x(), p.y()));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(points.size()));
}
BENCHMARK(BM_PeekWithAreas)->Arg(0)->Arg(1000)->Arg(4096);

const bool areaLines =
    XLBenchLine({"peek_4096_with_1000_areas_vs_none_us", "BM_PeekWithAreas/1000", "BM_PeekWithAreas/0",
                 TBenchValue::Microseconds})
    && XLBenchLine({"peek_4096_with_4096_areas_vs_none_us", "BM_PeekWithAreas/4096", "BM_PeekWithAreas/0",
                    TBenchValue::Microseconds});

}  // namespace
