#include "cli/CliPdf.h"

#include "calc/CalculationTitle.h"
#include "cli/CliError.h"
#include "grid/XLPrinting.h"

#include <QDateTime>
#include <QGuiApplication>

#include <memory>

namespace {

// The tool prints to files only, so it never needs a display. The
// application made here lives for one PDF only.
std::unique_ptr<QGuiApplication> EnsureGraphics()
{
    static int argc = 1;
    static char name[] = "calorix-cli";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;
    if (QCoreApplication::instance()) {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            throw ECliRejected("--pdf needs the graphics library, which is not available here");
    } else {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    static bool installed = false;
    if (!installed) {
        XLInstallPrinting();
        installed = true;
    }
    return app;
}

}  // namespace

void WriteSheetPdf(TXLSheet& sheet, int sheetNumber, const std::string& fileName)
{
    const std::unique_ptr<QGuiApplication> app = EnsureGraphics();
    const QString heading = CalculationHeading(sheetNumber, QDateTime::currentDateTime());
    if (!XLPrintSheetToPdf(sheet, QString::fromStdString(fileName), heading))
        throw ECliRejected("cannot write " + fileName);
}
