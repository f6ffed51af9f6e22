// The users of a sheet and what the sheet tells them.
#include "sheet/IXLSheetUser.h"
#include "sheet/TXLSheet.h"

#include <algorithm>

namespace {
// A user may detach itself while it is being told something, so every
// broadcast runs over a copy of the list.
template <class F>
void ForUsers(const std::vector<IXLSheetUser*>& users, F&& fn)
{
    const std::vector<IXLSheetUser*> copy = users;
    for (IXLSheetUser* user : copy)
        fn(user);
}
}  // namespace

void TXLSheet::AddUser(IXLSheetUser* user)
{
    if (!user || std::find(FUsers.begin(), FUsers.end(), user) != FUsers.end())
        return;
    FUsers.push_back(user);
    if (FUpdateCount > 0)
        user->LockUpdate();
}

void TXLSheet::RemoveUser(IXLSheetUser* user)
{
    const auto it = std::find(FUsers.begin(), FUsers.end(), user);
    if (it == FUsers.end())
        return;
    FUsers.erase(it);
    if (FUpdateCount > 0)
        user->UnlockUpdate();
}

IXLSheetUser* TXLSheet::GetUser(int i) const
{
    return i >= 0 && i < GetUserCount() ? FUsers[static_cast<size_t>(i)] : nullptr;
}

void TXLSheet::BeginUpdate()
{
    if (++FUpdateCount == 1) {
        FInvalidatePending = false;
        ForUsers(FUsers, [](IXLSheetUser* u) { u->LockUpdate(); });
    }
}

void TXLSheet::EndUpdate()
{
    if (FUpdateCount <= 0)
        return;
    if (--FUpdateCount > 0) {
        FInvalidatePending = true;
        return;
    }
    ForUsers(FUsers, [](IXLSheetUser* u) { u->UnlockUpdate(); });
    if (FInvalidatePending)
        ForUsers(FUsers, [](IXLSheetUser* u) { u->InvalidateAll(); });
}

void TXLSheet::InvalidateArea(TXLSector sector, const TRect& rect, TXLInvalidate mode)
{
    if (FUpdateCount > 0) {
        FInvalidatePending = true;
        return;
    }
    ForUsers(FUsers, [&](IXLSheetUser* u) { u->InvalidateArea(sector, rect, mode); });
}

void TXLSheet::InvalidateSector(TXLSector sector)
{
    if (FUpdateCount > 0) {
        FInvalidatePending = true;
        return;
    }
    ForUsers(FUsers, [sector](IXLSheetUser* u) { u->InvalidateSector(sector); });
}

void TXLSheet::AreaChanged(TXLSector sector, const std::optional<TRect>& rect)
{
    ForUsers(FUsers, [&](IXLSheetUser* u) { u->AreaChanged(sector, rect); });
}

void TXLSheet::CellChanged(IXLSheetUser* sender, TXLAxis axis, bool body, int index)
{
    ForUsers(FUsers, [=](IXLSheetUser* u) {
        if (u != sender)
            u->CellSizeChanged(axis, body, index);
    });
}

void TXLSheet::SizeChanged(TXLSectors sectors, bool countChanged)
{
    ForUsers(FUsers, [=](IXLSheetUser* u) { u->SheetSizeChanged(sectors, countChanged); });
}

void TXLSheet::CloseEditor(TXLCell* cell)
{
    ForUsers(FUsers, [cell](IXLSheetUser* u) { u->CloseEditor(cell); });
}

void TXLSheet::ReloadSelection(TXLSector sector)
{
    (void)sector;
    ForUsers(FUsers, [](IXLSheetUser* u) { u->ResetSelection(false); });
}

void TXLSheet::SetModified(bool value)
{
    if (value == FModified)
        return;
    FModified = value;
    if (OnModified)
        OnModified(this);
}

void TXLSheet::RunCellChanged(TPoint coord)
{
    if (!OnCellChanged || FInCellChanged)
        return;
    // Changes the handler makes raise no nested OnCellChanged.
    struct TGuard {
        bool& Flag;
        explicit TGuard(bool& flag) : Flag(flag) { Flag = true; }
        ~TGuard() { Flag = false; }
    } guard(FInCellChanged);
    OnCellChanged(this, coord);
}
