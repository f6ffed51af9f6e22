// IXLEditHost: the owner of the in-place editor's life cycle, as the grid
// sees it. The grid asks it to open the editor on the edit view's current
// cell, to close it with saving (before anything that would leave the
// editor on a stale cell: another sheet, inserted or deleted lines, a
// zero-sized line under the cell, a new current cell) or without saving
// (Esc), to start from a typed key, to re-place the editor when the
// geometry moves and to refresh its look when the cell's formatting
// changes. The host reports every change of edit mode back through the
// grid's EditModeChanged, after the saved value is in the cell. The grid
// owns its host; the real one is TXLEdit.
#pragma once

#include "sheet/XLTypes.h"

#include <Qt>

class QKeyEvent;
class TXLCell;
class TXLView;

class IXLEditHost {
public:
    virtual ~IXLEditHost() = default;

    // True while an editor is open on a cell.
    virtual bool GetEditing() const = 0;
    // The cell being edited, or null.
    virtual TXLCell* GetEditCell() const = 0;
    // Opens the editor on the edit view's current cell when it can be
    // edited, or closes it with saving.
    virtual void SetEditing(bool on) = 0;
    // Entering (typing replaces the content, arrows leave the cell) or
    // editing (the caret moves inside the text).
    virtual bool GetEntering() const = 0;
    virtual void SetEntering(bool on) = 0;
    // Closes the editor without saving.
    virtual void Cancel() = 0;
    // A key typed on a cell that is not being edited: the editor opens in
    // entering mode and the key replaces its content.
    virtual void ShowWithMessage(QKeyEvent* key) = 0;
    // A key that reached the grid while the editor is open goes on to it.
    virtual void SendKey(QKeyEvent* key) = 0;
    // A click on a cell (in sheet coordinates) while editing: true when the
    // editor consumed it.
    virtual bool ClickCheck(TPoint cell, Qt::KeyboardModifiers modifiers) = 0;
    // Moves the editor over its cell after the geometry changed.
    virtual void Relocate() = 0;
    // Takes the cell's colour, font and layout again.
    virtual void UpdateEditor() = 0;
    // The view changed: close the editor and move over to view.
    virtual void SetEditView(TXLView* view) = 0;
};
