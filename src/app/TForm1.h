// TForm1: the program's main window. A tree of calculations on the left, the
// grid RAVazo1 on the right showing one of the nine sheets XLSheet0 …
// XLSheet8 (owned here), and the buttons "О программе" and "Выход".
// Choosing a calculation shows its sheet and recalculates it; every change
// of the grid's edit mode recalculates the sheet shown; leaving the grid
// repairs decimal separators; closing stores sheets 1 … 8 in the user's
// state files, from which the next start continues.
#pragma once

#include "TForm2.h"
#include "TUserStateStore.h"
#include "calc/SheetContent.h"
#include "sheet/XLTypes.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QCloseEvent;
class QShowEvent;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TRAVazo;
class TResultActions;
class TXLSheet;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    static constexpr int ClientWidth = 535;
    static constexpr int ClientHeight = 251;

    explicit TForm1(TUserStateStore store, QWidget* parent = nullptr);
    ~TForm1() override;

    // Window events.
    void FormCreate();
    void TreeView1Change(QTreeWidgetItem* node);
    void RAVazo1EditModeChanged();
    void RAVazo1Exit();
    // A double click on a column border fits the column to its content.
    void RAVazo1ColDblClick(TPoint coord);
    // Saves sheets 1 … 8; returns the failures, one line each.
    QStringList FormClose();
    void SpeedButton1Click();
    void SpeedButton2Click();

    TXLSheet& XLSheet(int n) const { return *FSheets[static_cast<size_t>(n)]; }
    TRAVazo* Grid() const { return RAVazo1; }
    QTreeWidget* Tree() const { return TreeView1; }
    int GetCurrentNodeIndex() const { return FCurrentNodeIndex; }
    TForm2* AboutWindow() const { return FAbout; }
    TResultActions* Results() const { return FResults; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildTree();
    void ShowSheet(int n);
    // The tree node of an absolute index.
    QTreeWidgetItem* NodeAt(int index) const;
    // Highlights the node whose sheet is shown (none for the picture).
    void HighlightShownNode();
    // Runs the handler of the calculation chosen last (none before the first).
    void Recalculate();

    QTreeWidget* TreeView1;
    TRAVazo* RAVazo1;
    QPushButton* SpeedButton1;
    QPushButton* SpeedButton2;
    std::array<std::unique_ptr<TXLSheet>, SheetCount> FSheets;
    TUserStateStore FStore;
    int FCurrentNodeIndex = 0;
    QPointer<TForm2> FAbout;
    bool FCentred = false;
    TResultActions* FResults;
};
