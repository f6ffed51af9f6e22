// An edit host that records what the grid asks of it, for grid tests that
// check when the editor is opened, closed, re-placed and restyled without a
// real editor in the way.
#pragma once

#include "grid/IXLEditHost.h"

class FakeEditHost : public IXLEditHost {
public:
    bool Editing = false;
    bool Entering = false;
    TXLCell* Cell = nullptr;
    int Closed = 0;
    int Opened = 0;
    int Cancelled = 0;
    int Typed = 0;
    int Relocated = 0;
    int Updated = 0;
    TXLView* View = nullptr;

    bool GetEditing() const override { return Editing; }
    TXLCell* GetEditCell() const override { return Editing ? Cell : nullptr; }
    void SetEditing(bool on) override
    {
        if (on == Editing)
            return;
        Editing = on;
        ++(on ? Opened : Closed);
    }
    bool GetEntering() const override { return Entering; }
    void SetEntering(bool on) override { Entering = on; }
    void Cancel() override
    {
        if (Editing)
            ++Cancelled;
        Editing = false;
    }
    void ShowWithMessage(QKeyEvent*) override { ++Typed; }
    void SendKey(QKeyEvent*) override { ++Typed; }
    bool ClickCheck(TPoint, Qt::KeyboardModifiers) override { return false; }
    void Relocate() override { ++Relocated; }
    void UpdateEditor() override { ++Updated; }
    void SetEditView(TXLView* view) override
    {
        SetEditing(false);
        View = view;
    }
};
