// TSheetWindow: the main window of calorix-sheet, a plain sheet editor over
// the engine: one grid showing one sheet, the "Файл" menu (open, save, save
// as, print, PDF, exit), the "Правка" menu (TSheetEdits) and a status line
// with the current cell's name and its cell class. Any sheet file opens,
// the program's state files and the shipped sheets included. A file is read
// into a sheet of its own and shown only when it loaded completely, so a
// refused file leaves the sheet shown as it was. Saving replaces the file
// atomically. The title names the file and ends in "*" while the sheet has
// unsaved changes, which are asked about before they would be lost. The
// window owns the sheet; the grid is its Qt child.
#pragma once

#include <QMainWindow>
#include <QMessageBox>

#include <functional>
#include <memory>

class QLabel;
class TRAVazo;
class TSheetEdits;
class TXLSheet;

class TSheetWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit TSheetWindow(QWidget* parent = nullptr);
    ~TSheetWindow() override;

    // Shows the sheet of fileName; false (and a message) when it is refused.
    bool OpenFile(const QString& fileName);
    // Writes the sheet to fileName, which it is then named after; false
    // (and a message) when the file cannot be written.
    bool SaveFile(const QString& fileName);

    // The menu commands, with their dialogs.
    void Open();
    bool Save();
    bool SaveAs();
    void Print();
    void SavePdf();
    // True when the sheet's changes may go: none, or saved, or discarded.
    bool MaybeDiscard();

    TRAVazo* Grid() const { return FGrid; }
    TXLSheet* Sheet() const { return FSheet.get(); }
    TSheetEdits* Edits() const { return FEdits; }
    const QString& FileName() const { return FFileName; }
    QString CellNameText() const;
    QString CellClassText() const;

    // Where failures are said: a warning box unless replaced.
    std::function<void(const QString&)> Report;
    // Asked before unsaved changes would go: Save, Discard or Cancel.
    std::function<QMessageBox::StandardButton()> AskSave;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildFileMenu();
    // Shows sheet in place of the one shown, which goes.
    void ShowSheet(std::unique_ptr<TXLSheet> sheet);
    void UpdateTitle();
    void UpdateStatus();
    QString ShownName() const;
    QMessageBox::StandardButton AskSaveBox();

    std::unique_ptr<TXLSheet> FSheet;
    TRAVazo* FGrid;
    TSheetEdits* FEdits;
    QLabel* FCellName;
    QLabel* FCellClass;
    QString FFileName;
};
