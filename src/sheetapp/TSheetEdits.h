// TSheetEdits: the "Правка" menu of the sheet window over its grid: undo of
// the last change of cells, cut, copy and paste (the sheet's own clipboard
// format plus text), clear, and inserting or deleting rows and columns at
// the current cell. The undo keeps one step: a copy of the cells an edit or
// a clear is about to change, taken when the editor opens (the grid reports
// every change of edit mode, and the value is saved into the cell before
// the report of the close) and kept only when the edit changed something.
// Changes that move or replace cells (paste, inserting and deleting lines,
// another sheet) drop the step, so an undo never lands on the wrong cells.
// The actions are Qt children of the window; the grid is not owned.
#pragma once

#include "sheet/XLEnums.h"
#include "sheet/XLTypes.h"

#include <QObject>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QWidget;
class TRAVazo;
class TXLSheet;

class TSheetEdits : public QObject {
    Q_OBJECT

public:
    // Builds the menu's actions into menu; report shows a failure's message.
    TSheetEdits(TRAVazo* grid, QMenu* menu, std::function<void(const QString&)> report);
    ~TSheetEdits() override;

    void Undo();
    void Cut();
    void Copy();
    void Paste();
    void Clear();
    void InsertRow();
    void DeleteRow();
    void InsertColumn();
    void DeleteColumn();
    // Opens the current cell's comment in a note; Esc or leaving it keeps it.
    void EditComment();
    // The sheet was replaced: nothing to undo.
    void Forget();
    bool CanUndo() const { return FUndo != nullptr; }

    QAction* UndoAction() const { return FUndoAction; }

private:
    // Cells of one sector as they were before a change.
    struct TSnapshot {
        TXLSector Sector = sClient;
        TRect Area;
        std::unique_ptr<TXLSheet> Cells;
    };

    void EditModeChanged();
    // The selection of the edit view, or the current cell's area when
    // nothing is selected (sector coordinates).
    TRect Block() const;
    // Whether the current cell is in the body (the clipboard and the line
    // operations work there).
    bool InBody() const;
    std::unique_ptr<TSnapshot> Take(TXLSector sector, const TRect& area) const;
    // Keeps before as the undo step when the cells differ from it now.
    void KeepIfChanged(std::unique_ptr<TSnapshot> before);
    void ModifyLines(TXLAxis axis, bool insert);
    void UpdateActions();

    TRAVazo* FGrid;
    std::function<void(const QString&)> FReport;
    std::unique_ptr<TSnapshot> FUndo;
    // Taken when the editor opened, until it closes.
    std::unique_ptr<TSnapshot> FEditing;
    QAction* FUndoAction;
};
