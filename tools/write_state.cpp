// Writes the state file of one calculation as the program would after the
// given inputs were typed: the shipped sheet with its pick lists, the edits,
// the sheet's handler run once, saved as FOLDER/configN.ini. Used to start
// the program with calculated values (the screenshots in docs/).
//   write_state FOLDER N COL,ROW=TEXT … COL,ROW#INDEX …
#include "cli/SheetRun.h"
#include "sheet/TXLSheet.h"
#include "stream/XLSheetFile.h"

#include <QDir>
#include <QGuiApplication>
#include <QRegularExpression>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: write_state FOLDER N COL,ROW=TEXT|COL,ROW#INDEX ...\n");
        return 2;
    }
    try {
        const int n = QString::fromLocal8Bit(argv[2]).toInt();
        TSheetRun run(n);
        static const QRegularExpression edit(QStringLiteral("^(\\d+),(\\d+)([=#])(.*)$"));
        for (int i = 3; i < argc; ++i) {
            const QRegularExpressionMatch m = edit.match(QString::fromLocal8Bit(argv[i]));
            if (!m.hasMatch()) {
                std::fprintf(stderr, "write_state: cannot read the edit %s\n", argv[i]);
                return 2;
            }
            TSheetEdit e{m.captured(1).toInt(), m.captured(2).toInt(), std::nullopt, std::nullopt};
            if (m.captured(3) == QStringLiteral("="))
                e.Text = m.captured(4);
            else
                e.Index = m.captured(4).toInt();
            run.Apply(e);
        }
        run.Run();
        run.Sheet().SetName(QStringLiteral("XLSheet%1").arg(n));
        SaveSheetToFile(run.Sheet(), QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("config%1.ini").arg(n)));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "write_state: %s\n", e.what());
        return 1;
    }
    return 0;
}
