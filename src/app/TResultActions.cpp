#include "TResultActions.h"

#include "calc/CalculationTitle.h"
#include "grid/TRAVazo.h"
#include "grid/TXLSelection.h"
#include "grid/TXLView.h"
#include "grid/XLCopyData.h"
#include "grid/XLPrintDialogs.h"
#include "grid/XLPrinting.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLSheet.h"

#include <QAction>
#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QMimeData>

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
    return XLCopyMimeData(*sheet, bounds);
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
    if (sheet && FCalculation() != 0)
        XLPrintWithDialog(*sheet, FGrid->window(), CalculationTitle(FCalculation()), Heading());
}

void TResultActions::SavePdfWithDialog()
{
    TXLSheet* sheet = FGrid->GetSheet();
    if (sheet && FCalculation() != 0)
        XLSavePdfWithDialog(*sheet, FGrid->window(), CalculationTitle(FCalculation()) + QStringLiteral(".pdf"),
                            Heading());
}
