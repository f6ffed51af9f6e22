// The grid library's printing: the printer metrics and the print engine it
// installs into the cell-class manager (Qt's default printer, or the
// no-printer page when there is none), the painting of one printed page
// with the section painter, and printing a sheet onto any paged device (a
// printer chosen in a dialog, a PDF file) with an optional heading line.
#pragma once

#include "sheet/IXLPrintEngine.h"

#include <QString>

#include <memory>

class QPagedPaintDevice;
class QPrinter;
class TXLSheet;

class TXLPrintEngine : public IXLPrintEngine {
public:
    TXLPrintEngine();
    ~TXLPrintEngine() override;

    QPainter* BeginDoc(const QString& title) override;
    void NewPage() override;
    void EndDoc() override;
    void PaintPage(TXLSheet& sheet, const TXLPrintLayout& layout, int colPage, int rowPage,
                   QPainter& canvas) override;

private:
    std::unique_ptr<QPrinter> FPrinter;
    std::unique_ptr<QPainter> FPainter;
};

// Installs the default printer's metrics (none when no printer exists) and
// a TXLPrintEngine into the manager. Needs a QGuiApplication.
void XLInstallPrinting();

// Prints every page of sheet onto device, the page layout being the
// manager's page scaled to the device's resolution. A non-empty heading is
// printed as one line above the sheet on every page (the top margin grows
// for it for the duration). Returns the number of pages printed.
int XLPrintSheet(TXLSheet& sheet, QPagedPaintDevice& device, const QString& heading = {});

// Writes the sheet as a PDF file laid out on the manager's page; false when
// the file cannot be written.
bool XLPrintSheetToPdf(TXLSheet& sheet, const QString& fileName, const QString& heading = {});
