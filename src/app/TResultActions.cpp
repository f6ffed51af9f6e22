#include "TResultActions.h"

#include "calc/CalculationTitle.h"
#include "grid/TRAVazo.h"
#include "grid/TXLSelection.h"
#include "grid/TXLView.h"
#include "grid/XLCopyText.h"
#include "grid/XLPrinting.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLRange.h"
#include "sheet/TXLSheet.h"
#include "stream/XLClipboard.h"

#include <QAction>
#include <QClipboard>
#include <QDateTime>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>

TResultActions::TResultActions(TRAVazo* grid, std::function<int()> calculation)
    : QObject(grid), FGrid(grid), FCalculation(std::move(calculation))
{
    FCopy = new QAction(QStringLiteral("Копировать"), grid);
    FCopy->setShortcut(QKeySequence::Copy);
    FCopy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    FPrint = new QAction(QStringLiteral("Печать…"), grid);
    FPdf = new QAction(QStringLiteral("Сохранить в PDF…"), grid);
    connect(FCopy, &QAction::triggered, this, [this] { Copy(); });
    connect(FPrint, &QAction::triggered, this, [this] { PrintWithDialog(); });
    connect(FPdf, &QAction::triggered, this, [this] { SavePdfWithDialog(); });
    grid->addAction(FCopy);
    grid->addAction(FPrint);
    grid->addAction(FPdf);
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    if (!XLManager().GetPrintEngine())
        XLInstallPrinting();
}

std::unique_ptr<QMimeData> TResultActions::CopyData() const
{
    TXLSheet* sheet = FGrid->GetSheet();
    if (!sheet)
        return nullptr;
    // A selection of the body with more than one cell is what is meant;
    // otherwise the whole calculation.
    TRect bounds = Rect(0, 0, sheet->GetColCount(), sheet->GetRowCount());
    const TXLView* view = FGrid->GetEditView();
    if (TXLSelection* selection = FGrid->GetSelection(); selection && view && view->GetSector() == sClient) {
        const TRect selected = selection->GetBounds();
        if (selected.Width() * selected.Height() > 1)
            bounds = selected;
    }
    TXLRange range(sheet, bounds);
    std::unique_ptr<QMimeData> mime = MakeRangeMimeData(range);
    if (!mime)
        mime = std::make_unique<QMimeData>();
    const std::vector<QStringList> table = XLTableText(*sheet, bounds);
    mime->setText(XLTableToTsv(table));
    mime->setHtml(XLTableToHtml(table));
    return mime;
}

void TResultActions::Copy()
{
    if (std::unique_ptr<QMimeData> mime = CopyData())
        QGuiApplication::clipboard()->setMimeData(mime.release());
}

QString TResultActions::Heading() const
{
    return CalculationHeading(FCalculation(), QDateTime::currentDateTime());
}

bool TResultActions::SavePdf(const QString& fileName)
{
    TXLSheet* sheet = FGrid->GetSheet();
    return sheet && FCalculation() != 0 && XLPrintSheetToPdf(*sheet, fileName, Heading());
}

void TResultActions::PrintWithDialog()
{
    TXLSheet* sheet = FGrid->GetSheet();
    if (!sheet || FCalculation() == 0)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(CalculationTitle(FCalculation()));
    QPrintDialog dialog(&printer, FGrid->window());
    if (dialog.exec() == QDialog::Accepted)
        XLPrintSheet(*sheet, printer, Heading());
}

void TResultActions::SavePdfWithDialog()
{
    if (!FGrid->GetSheet() || FCalculation() == 0)
        return;
    const QString fileName = QFileDialog::getSaveFileName(FGrid->window(), QStringLiteral("Сохранить в PDF"),
                                                          CalculationTitle(FCalculation()) + QStringLiteral(".pdf"),
                                                          QStringLiteral("PDF (*.pdf)"));
    if (!fileName.isEmpty() && !SavePdf(fileName))
        QMessageBox::warning(FGrid->window(), QStringLiteral("Calorix"),
                             QStringLiteral("Не удалось записать файл ") + fileName);
}
