// IXLEditHost: what the grid asks of its in-place edit host, the control it
// lays over the edited cell. The grid ends editing (saving the content)
// before anything that would leave the editor on a stale cell: another
// sheet, inserted or deleted lines, a zero-sized line under the cell, a new
// current cell; it re-places the editor when the geometry moves and
// refreshes its look when the cell's formatting changes. The host belongs
// to the grid; while the grid has none, nothing is ever being edited.
#pragma once

class TXLCell;
class TXLView;

class IXLEditHost {
public:
    virtual ~IXLEditHost() = default;

    // True while an editor is open on a cell.
    virtual bool GetEditing() const = 0;
    // The cell being edited, or null.
    virtual TXLCell* GetEditCell() const = 0;
    // Opens the editor on the edit view's current cell, or closes it with
    // saving.
    virtual void SetEditing(bool on) = 0;
    // Moves the editor over its cell after the geometry changed.
    virtual void Relocate() = 0;
    // Takes the cell's colour, font and layout again.
    virtual void UpdateEditor() = 0;
    // The view changed: close the editor and move over to view.
    virtual void SetEditView(TXLView* view) = 0;
};
