// A sheet user for model tests: records every notification a sheet sends
// (in order, with its arguments) so tests can count and inspect them. It can
// share a log with other users to check the order across users, and detaches
// itself from its sheet on Disconnect like a grid does.
#pragma once

#include "sheet/IXLSheetUser.h"
#include "sheet/TXLSheet.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

enum class TUserCall {
    InvalidateArea,
    InvalidateSector,
    InvalidateAll,
    LayoutChanged,
    SheetSizeChanged,
    SheetSizeModified,
    CellSizeChanged,
    AreaChanged,
    Disconnect,
    CloseEditor,
    ResetSelection,
    LockUpdate,
    UnlockUpdate,
};

struct TUserEvent {
    TUserCall Call = TUserCall::InvalidateAll;
    TXLSector Sector = sCols;
    std::optional<TRect> Rect;
    TXLInvalidate Mode = iFull;
    TXLSectors Sectors;
    bool Flag = false;
    int Pos = 0;
    int Count = 0;
    TXLCell* Cell = nullptr;
};

class FakeSheetUser : public IXLSheetUser {
public:
    explicit FakeSheetUser(TXLSheet* sheet = nullptr, std::string name = {}) : Sheet(sheet), Name(std::move(name))
    {
        if (Sheet)
            Sheet->AddUser(this);
    }
    ~FakeSheetUser() override
    {
        if (Sheet)
            Sheet->RemoveUser(this);
    }

    int CountOf(TUserCall call) const
    {
        return static_cast<int>(std::count_if(Events.begin(), Events.end(), [call](const TUserEvent& e) {
            return e.Call == call;
        }));
    }
    std::vector<TUserEvent> Of(TUserCall call) const
    {
        std::vector<TUserEvent> found;
        for (const TUserEvent& e : Events)
            if (e.Call == call)
                found.push_back(e);
        return found;
    }
    void Clear() { Events.clear(); }

    TXLSheet* GetActiveSheet() override { return Sheet; }
    void InvalidateArea(TXLSector sector, const TRect& rect, TXLInvalidate mode) override
    {
        TUserEvent e = Event(TUserCall::InvalidateArea);
        e.Sector = sector;
        e.Rect = rect;
        e.Mode = mode;
        Record(e);
    }
    void InvalidateSector(TXLSector sector) override
    {
        TUserEvent e = Event(TUserCall::InvalidateSector);
        e.Sector = sector;
        Record(e);
    }
    void InvalidateAll() override { Record(Event(TUserCall::InvalidateAll)); }
    void LayoutChanged() override { Record(Event(TUserCall::LayoutChanged)); }
    void SheetSizeChanged(TXLSectors sectors, bool countChanged) override
    {
        TUserEvent e = Event(TUserCall::SheetSizeChanged);
        e.Sectors = sectors;
        e.Flag = countChanged;
        Record(e);
    }
    void SheetSizeModified(TXLAxis axis, bool body, int pos, int count) override
    {
        TUserEvent e = Event(TUserCall::SheetSizeModified);
        e.Sector = axis;
        e.Flag = body;
        e.Pos = pos;
        e.Count = count;
        Record(e);
    }
    void CellSizeChanged(TXLAxis axis, bool body, int index) override
    {
        TUserEvent e = Event(TUserCall::CellSizeChanged);
        e.Sector = axis;
        e.Flag = body;
        e.Pos = index;
        Record(e);
    }
    void AreaChanged(TXLSector sector, const std::optional<TRect>& rect) override
    {
        TUserEvent e = Event(TUserCall::AreaChanged);
        e.Sector = sector;
        e.Rect = rect;
        Record(e);
    }
    void Disconnect() override
    {
        Record(Event(TUserCall::Disconnect));
        // Like a grid: let go of the sheet that is going away.
        if (Sheet)
            Sheet->RemoveUser(this);
        Sheet = nullptr;
    }
    void CloseEditor(TXLCell* cell) override
    {
        TUserEvent e = Event(TUserCall::CloseEditor);
        e.Cell = cell;
        Record(e);
    }
    void ResetSelection(bool clear) override
    {
        TUserEvent e = Event(TUserCall::ResetSelection);
        e.Flag = clear;
        Record(e);
    }
    void LockUpdate() override { Record(Event(TUserCall::LockUpdate)); }
    void UnlockUpdate() override { Record(Event(TUserCall::UnlockUpdate)); }

    TXLSheet* Sheet;
    std::string Name;
    std::vector<TUserEvent> Events;
    // When set, "<Name>:<call number>" is appended for every call.
    std::vector<std::string>* SharedLog = nullptr;

private:
    static TUserEvent Event(TUserCall call)
    {
        TUserEvent e;
        e.Call = call;
        return e;
    }
    void Record(const TUserEvent& e)
    {
        Events.push_back(e);
        if (SharedLog)
            SharedLog->push_back(Name + ":" + std::to_string(static_cast<int>(e.Call)));
    }
};
