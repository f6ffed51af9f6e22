// Saving and loading a sheet of 100,000 text cells to and from memory,
// against QStandardItem::write and read through QDataStream over a
// QStandardItemModel holding the same texts (each item preceded by its row
// and column), with the bytes each side writes.
#include "BenchSummary.h"

#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"
#include "stream/XLSheetFile.h"

#include <QBuffer>
#include <QDataStream>
#include <QStandardItemModel>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Cols = 100;
constexpr int Rows = 1000;

QString CellText(int c, int r)
{
    return QStringLiteral("Text ") + QString::number(r * Cols + c);
}

std::unique_ptr<TXLSheet> MakeSheet()
{
    auto sheet = std::make_unique<TXLSheet>();
    sheet->SetColCount(Cols);
    sheet->SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            sheet->GetCell(c, r)->SetString(CellText(c, r));
    return sheet;
}

std::unique_ptr<QStandardItemModel> MakeModel()
{
    auto model = std::make_unique<QStandardItemModel>(Rows, Cols);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            model->setItem(r, c, new QStandardItem(CellText(c, r)));
    return model;
}

QByteArray SaveModel(const QStandardItemModel& model)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(model.rowCount()) << qint32(model.columnCount());
    for (int r = 0; r < model.rowCount(); ++r)
        for (int c = 0; c < model.columnCount(); ++c)
            if (const QStandardItem* item = model.item(r, c)) {
                out << qint32(r) << qint32(c);
                item->write(out);
            }
    return bytes;
}

std::unique_ptr<QStandardItemModel> LoadModel(const QByteArray& bytes)
{
    QDataStream in(bytes);
    qint32 rows = 0;
    qint32 cols = 0;
    in >> rows >> cols;
    auto model = std::make_unique<QStandardItemModel>(rows, cols);
    while (!in.atEnd()) {
        qint32 r = 0;
        qint32 c = 0;
        in >> r >> c;
        auto item = std::make_unique<QStandardItem>();
        item->read(in);
        model->setItem(r, c, item.release());
    }
    return model;
}

void BM_SaveOurs(benchmark::State& state)
{
    const auto sheet = MakeSheet();
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = SaveSheetToBytes(*sheet);
        size = bytes.size();
    }
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_SaveOurs)->Unit(benchmark::kMillisecond);

void BM_SaveReference(benchmark::State& state)
{
    const auto model = MakeModel();
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = SaveModel(*model);
        size = bytes.size();
    }
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_SaveReference)->Unit(benchmark::kMillisecond);

void BM_LoadOurs(benchmark::State& state)
{
    const QByteArray bytes = SaveSheetToBytes(*MakeSheet());
    for (auto _ : state) {
        auto sheet = std::make_unique<TXLSheet>();
        LoadSheetFromBytes(*sheet, bytes);
        state.PauseTiming();
        if (sheet->GetPeekCell(Cols - 1, Rows - 1) == nullptr)
            state.SkipWithError("the sheet did not load");
        sheet.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadOurs)->Unit(benchmark::kMillisecond);

void BM_LoadReference(benchmark::State& state)
{
    const QByteArray bytes = SaveModel(*MakeModel());
    for (auto _ : state) {
        auto model = LoadModel(bytes);
        state.PauseTiming();
        if (model->item(Rows - 1, Cols - 1) == nullptr)
            state.SkipWithError("the model did not load");
        model.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadReference)->Unit(benchmark::kMillisecond);

const bool lines = XLBenchLine({"save_100000_text_cells_ms", "BM_SaveOurs", "BM_SaveReference"})
    && XLBenchLine({"save_100000_text_cells_bytes", "BM_SaveOurs", "BM_SaveReference", TBenchValue::Counter, "bytes"})
    && XLBenchLine({"load_100000_text_cells_ms", "BM_LoadOurs", "BM_LoadReference"});

}  // namespace
