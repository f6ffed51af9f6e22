#include "grid/XLPrintDialogs.h"

#include "grid/XLPrinting.h"
#include "sheet/TXLSheet.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

bool XLPrintWithDialog(TXLSheet& sheet, QWidget* parent, const QString& docName, const QString& heading)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(docName);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return XLPrintSheet(sheet, printer, heading) > 0;
}

bool XLSavePdfWithDialog(TXLSheet& sheet, QWidget* parent, const QString& suggestedName, const QString& heading)
{
    const QString fileName = QFileDialog::getSaveFileName(parent, QStringLiteral("Сохранить в PDF"), suggestedName,
                                                          QStringLiteral("PDF (*.pdf)"));
    if (fileName.isEmpty())
        return false;
    if (XLPrintSheetToPdf(sheet, fileName, heading))
        return true;
    QMessageBox::warning(parent, QStringLiteral("Calorix"), QStringLiteral("Не удалось записать файл ") + fileName);
    return false;
}
