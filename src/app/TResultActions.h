// TResultActions: getting a calculation's results out of the main window.
// The grid's context menu holds "Копировать" (Ctrl+C), "Печать…" and
// "Сохранить в PDF…". Copying puts the selection — or the whole calculation
// when at most one cell is selected — on the clipboard as the sheet's own
// format, tab-separated text and an HTML table; printing and PDF print the
// calculation sheet under a heading naming the calculation and the date.
// Owned by the grid (Qt parent); the window tells it which sheet is shown.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QMimeData;
class TRAVazo;

class TResultActions : public QObject {
    Q_OBJECT

public:
    // calculation: the number (1 … 8) of the calculation shown, 0 for none.
    TResultActions(TRAVazo* grid, std::function<int()> calculation);

    // The clipboard content "Копировать" puts there (null without a sheet).
    std::unique_ptr<QMimeData> CopyData() const;
    void Copy();
    // Writes the PDF; false when there is nothing to print or the file
    // cannot be written.
    bool SavePdf(const QString& fileName);
    QString Heading() const;

    QAction* CopyAction() const { return FCopy; }
    QAction* PrintAction() const { return FPrint; }
    QAction* PdfAction() const { return FPdf; }

private:
    void PrintWithDialog();
    void SavePdfWithDialog();

    TRAVazo* FGrid;
    std::function<int()> FCalculation;
    QAction* FCopy;
    QAction* FPrint;
    QAction* FPdf;
};
