// Writes the shipped sheet files XLSheet0.sheet … XLSheet8.sheet into the
// folder named on the command line, each built from the content in
// src/calc and saved as a sheet file. Run it after changing the content and
// commit the result; a test checks that the committed files match.
#include "calc/SheetContent.h"
#include "sheet/TXLSheet.h"
#include "stream/XLSheetFile.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: generate_sheets FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    try {
        for (int n = 0; n < SheetCount; ++n) {
            TXLSheet sheet;
            sheet.SetName(QStringLiteral("XLSheet%1").arg(n));
            BuildSheetContent(n, sheet);
            SaveSheetToFile(sheet, folder.filePath(QStringLiteral("XLSheet%1.sheet").arg(n)));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "generate_sheets: %s\n", e.what());
        return 1;
    }
    return 0;
}
