// calorix-sheet start-up with a large file: making the window, loading a
// sheet file of 100,000 cells (numbers, texts and formulas), showing it and
// painting its body once, against a QTableWidget given the same 100,000
// texts from memory and shown the same way. The file is written once,
// outside the timed part; the window is destroyed outside it too.
#include "BenchFirstPaint.h"
#include "BenchSummary.h"

#include "TSheetWindow.h"
#include "grid/TRAVazo.h"
#include "grid/TXLView.h"
#include "sheet/TXLCDouble.h"
#include "sheet/TXLCFormula.h"
#include "sheet/TXLCString.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"
#include "stream/XLSheetFile.h"

#include <QTableWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Cols = 50;
constexpr int Rows = 2000;  // 100,000 cells

// Every tenth cell a text, every tenth a formula, the rest numbers.
QString WriteBigSheet(const QTemporaryDir& dir)
{
    TXLSheet sheet;
    sheet.SetColCount(Cols);
    sheet.SetRowCount(Rows);
    for (int row = 0; row < Rows; ++row)
        for (int col = 0; col < Cols; ++col) {
            const int kind = (row * Cols + col) % 10;
            if (kind == 0) {
                sheet.SetCellClass(col, row, TXLCString::StaticClass());
                sheet.GetCell(col, row)->SetString(QStringLiteral("текст %1").arg(row));
            } else if (kind == 5 && col > 0) {
                sheet.SetCellClass(col, row, TXLCFormula::StaticClass());
                sheet.GetCell(col, row)->SetString(QStringLiteral("A%1*2").arg(row + 1));
            } else {
                sheet.SetCellClass(col, row, TXLCDouble::StaticClass());
                sheet.GetCell(col, row)->SetDouble(row * 0.5 + col);
            }
        }
    const QString name = dir.filePath(QStringLiteral("big.sheet"));
    SaveSheetToFile(sheet, name);
    return name;
}

void BM_SheetStartUp100k(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = WriteBigSheet(dir);
    MeasureStartUp(state, [&file] {
        auto window = std::make_unique<TSheetWindow>();
        if (!window->OpenFile(file))
            std::abort();
        QWidget* body = window->Grid()->GetView(sClient)->viewport();
        return TShownWindow{std::move(window), body};
    });
    state.counters["cells"] = Cols * Rows;
}
BENCHMARK(BM_SheetStartUp100k)->Unit(benchmark::kMillisecond);

void BM_TableWidgetStartUp100k(benchmark::State& state)
{
    MeasureStartUp(state, [] {
        auto table = std::make_unique<QTableWidget>(Rows, Cols);
        for (int row = 0; row < Rows; ++row)
            for (int col = 0; col < Cols; ++col)
                table->setItem(row, col, new QTableWidgetItem(QString::number(row * 0.5 + col)));
        table->resize(800, 560);
        QWidget* body = table->viewport();
        return TShownWindow{std::move(table), body};
    });
}
BENCHMARK(BM_TableWidgetStartUp100k)->Unit(benchmark::kMillisecond);

const bool lines =
    XLBenchLine({"sheetapp_startup_100k_cells_ms", "BM_SheetStartUp100k", "BM_TableWidgetStartUp100k"});

}  // namespace
