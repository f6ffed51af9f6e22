// IXLSheetUser: how a sheet reaches the grids that show it. The sheet never
// draws; it calls these on every user in order of attachment (AddUser). A
// user is not owned by the sheet: it detaches itself (RemoveUser), and a
// sheet being destroyed calls Disconnect on every user before it frees
// anything. Sectors and rectangles are in sector coordinates.
#pragma once

#include "sheet/XLEnums.h"
#include "sheet/XLTypes.h"

#include <optional>

class TXLCell;
class TXLSheet;

class IXLSheetUser {
public:
    virtual ~IXLSheetUser() = default;

    // The sheet the user shows (the manager asks its active component).
    virtual TXLSheet* GetActiveSheet() = 0;
    virtual void InvalidateArea(TXLSector sector, const TRect& rect, TXLInvalidate mode) = 0;
    virtual void InvalidateSector(TXLSector sector) = 0;
    // Sent by EndUpdate when invalidations were swallowed in between.
    virtual void InvalidateAll() = 0;
    // The grid's own re-layout; the sheet does not send it.
    virtual void LayoutChanged() = 0;
    // A band's count or default size changed; countChanged is true for count
    // changes and for the body band's default size.
    virtual void SheetSizeChanged(TXLSectors sectors, bool countChanged) = 0;
    // count > 0 entries were inserted, count < 0 deleted, at band index pos.
    virtual void SheetSizeModified(TXLAxis axis, bool body, int pos, int count) = 0;
    virtual void CellSizeChanged(TXLAxis axis, bool body, int index) = 0;
    // Position formatting changed in rect; none = the whole sector.
    virtual void AreaChanged(TXLSector sector, const std::optional<TRect>& rect) = 0;
    virtual void Disconnect() = 0;
    virtual void CloseEditor(TXLCell* cell) = 0;
    virtual void ResetSelection(bool clear) = 0;
    virtual void LockUpdate() = 0;
    virtual void UnlockUpdate() = 0;
};
