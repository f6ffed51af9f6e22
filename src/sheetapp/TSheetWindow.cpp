#include "TSheetWindow.h"

#include "TSheetEdits.h"
#include "grid/TRAVazo.h"
#include "grid/XLPrintDialogs.h"
#include "grid/XLPrinting.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLSheet.h"
#include "sheet/XLCellNames.h"
#include "stream/XLSheetFile.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include <exception>

namespace {

const QString FileFilter = QStringLiteral("Листы (*.sheet *.ini);;Все файлы (*)");

// A new sheet: a page of empty cells to type into.
std::unique_ptr<TXLSheet> NewSheet()
{
    auto sheet = std::make_unique<TXLSheet>();
    sheet->SetColCount(26);
    sheet->SetRowCount(100);
    sheet->SetModified(false);
    return sheet;
}

}  // namespace

TSheetWindow::TSheetWindow(QWidget* parent) : QMainWindow(parent)
{
    Report = [this](const QString& message) { QMessageBox::warning(this, QStringLiteral("Calorix"), message); };
    AskSave = [this] { return AskSaveBox(); };

    FGrid = new TRAVazo(this);
    FGrid->SetOptions(TXLOptions{oTitleCols, oTitleRows, oVertLines, oHorzLines, oDrawFocus, oTitle3D, oColSizing,
                                 oRowSizing, oRangeSelect});
    // Comment marks and their tooltips: the sheet editor is where comments are written.
    FGrid->SetShowHint(true);
    FGrid->SetBevelOuter(bvNone);
    FGrid->SetColor(clBtnFace);
    FGrid->OnCurChanged = [this](void*) { UpdateStatus(); };
    FGrid->OnSheetChanged = [this](void*) { UpdateStatus(); };
    setCentralWidget(FGrid);
    if (!XLManager().GetPrintEngine())
        XLInstallPrinting();

    BuildFileMenu();
    QMenu* edit = menuBar()->addMenu(QStringLiteral("Правка"));
    FEdits = new TSheetEdits(FGrid, edit, [this](const QString& message) { Report(message); });
    connect(edit, &QMenu::triggered, this, [this] { UpdateStatus(); });

    FCellName = new QLabel(this);
    FCellName->setMinimumWidth(80);
    FCellClass = new QLabel(this);
    statusBar()->addWidget(FCellName);
    statusBar()->addWidget(FCellClass, 1);

    ShowSheet(NewSheet());
    resize(800, 560);
    FGrid->setFocus();
}

TSheetWindow::~TSheetWindow()
{
    // The grid lets go of the sheet before the sheet goes.
    FGrid->SetSheet(nullptr);
}

void TSheetWindow::BuildFileMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    file->addAction(QStringLiteral("Открыть…"), QKeySequence::Open, this, [this] { Open(); });
    file->addAction(QStringLiteral("Сохранить"), QKeySequence::Save, this, [this] { Save(); });
    file->addAction(QStringLiteral("Сохранить как…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                    [this] { SaveAs(); });
    file->addSeparator();
    file->addAction(QStringLiteral("Печать…"), QKeySequence::Print, this, [this] { Print(); });
    file->addAction(QStringLiteral("Сохранить в PDF…"), this, [this] { SavePdf(); });
    file->addSeparator();
    file->addAction(QStringLiteral("Выход"), QKeySequence::Quit, this, [this] { close(); });
}

bool TSheetWindow::OpenFile(const QString& fileName)
{
    auto sheet = std::make_unique<TXLSheet>();
    try {
        LoadSheetFromFile(*sheet, fileName);
    } catch (const std::exception& e) {
        Report(QStringLiteral("Не удалось открыть файл %1:\n%2")
                   .arg(QDir::toNativeSeparators(fileName), QString::fromUtf8(e.what())));
        return false;
    }
    sheet->SetModified(false);
    FFileName = fileName;
    ShowSheet(std::move(sheet));
    return true;
}

bool TSheetWindow::SaveFile(const QString& fileName)
{
    FGrid->EndEditing();
    try {
        SaveSheetToFile(*FSheet, fileName);
    } catch (const std::exception& e) {
        Report(QString::fromUtf8(e.what()));
        return false;
    }
    FFileName = fileName;
    FSheet->SetModified(false);
    UpdateTitle();
    return true;
}

void TSheetWindow::Open()
{
    if (!MaybeDiscard())
        return;
    const QString fileName = QFileDialog::getOpenFileName(this, QStringLiteral("Открыть"),
                                                          QFileInfo(FFileName).path(), FileFilter);
    if (!fileName.isEmpty())
        OpenFile(fileName);
}

bool TSheetWindow::Save()
{
    return FFileName.isEmpty() ? SaveAs() : SaveFile(FFileName);
}

bool TSheetWindow::SaveAs()
{
    const QString fileName = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить как"), FFileName,
                                                          FileFilter);
    return !fileName.isEmpty() && SaveFile(fileName);
}

void TSheetWindow::Print()
{
    FGrid->EndEditing();
    XLPrintWithDialog(*FSheet, this, ShownName());
}

void TSheetWindow::SavePdf()
{
    FGrid->EndEditing();
    const QFileInfo info(FFileName.isEmpty() ? ShownName() : FFileName);
    XLSavePdfWithDialog(*FSheet, this, QDir(info.path()).filePath(info.completeBaseName() + QStringLiteral(".pdf")));
}

bool TSheetWindow::MaybeDiscard()
{
    // A value still in the editor is a change too.
    FGrid->EndEditing();
    if (!FSheet->GetModified())
        return true;
    switch (AskSave()) {
    case QMessageBox::Save:
        return Save();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

QMessageBox::StandardButton TSheetWindow::AskSaveBox()
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Calorix"),
                    QStringLiteral("Сохранить изменения в «%1»?").arg(ShownName()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.button(QMessageBox::Save)->setText(QStringLiteral("Сохранить"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Не сохранять"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Отмена"));
    box.setDefaultButton(QMessageBox::Save);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void TSheetWindow::closeEvent(QCloseEvent* event)
{
    if (MaybeDiscard())
        event->accept();
    else
        event->ignore();
}

void TSheetWindow::ShowSheet(std::unique_ptr<TXLSheet> sheet)
{
    FGrid->EndEditing();
    FEdits->Forget();
    sheet->OnModified = [this](void*) { UpdateTitle(); };
    FGrid->SetSheet(sheet.get());
    // The old sheet goes only after the grid let go of it.
    FSheet = std::move(sheet);
    FGrid->SetCurPos({0, 0});
    UpdateTitle();
    UpdateStatus();
}

QString TSheetWindow::ShownName() const
{
    return FFileName.isEmpty() ? QStringLiteral("Без имени") : QFileInfo(FFileName).fileName();
}

void TSheetWindow::UpdateTitle()
{
    setWindowTitle(QStringLiteral("Calorix — ") + ShownName() +
                   (FSheet && FSheet->GetModified() ? QStringLiteral("*") : QString()));
}

void TSheetWindow::UpdateStatus()
{
    FCellName->setText(CellNameText());
    FCellClass->setText(CellClassText());
}

QString TSheetWindow::CellNameText() const
{
    if (!FSheet)
        return {};
    const TPoint pos = FGrid->GetCurPos();
    // Only the body has names; a title position has none to show.
    return pos.X >= 0 && pos.Y >= 0 ? Pos2XLI(pos) : QString();
}

QString TSheetWindow::CellClassText() const
{
    if (!FSheet)
        return {};
    const TPoint pos = FGrid->GetCurPos();
    const TXLCellClass* cellClass = FSheet->GetCellClass(pos.X, pos.Y);
    return cellClass ? cellClass->Name : QString();
}
