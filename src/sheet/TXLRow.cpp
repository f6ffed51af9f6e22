#include "sheet/TXLRow.h"

#include "sheet/TXLCell.h"

TXLRow::~TXLRow()
{
    // DestroyItem must still be ours while the cells go.
    Clear();
}

void TXLRow::DestroyCell(int col)
{
    if (GetAt(col))
        PutAt(col, nullptr);
}

void TXLRow::Clear()
{
    FIndex = -1;
    TObjectSList<TXLCell>::Clear();
}

void TXLRow::DestroyItem(void* item)
{
    // The item is already out of its slot; it must be freed whatever its
    // destruction steps do, and nothing may escape into a destructor.
    try {
        static_cast<TXLCell*>(item)->Removing();
    } catch (...) {
    }
    TObjectSList<TXLCell>::DestroyItem(item);
}

void TXLRow::Renumerate(int from, int to)
{
    for (int i = from; i <= to; ++i)
        if (TXLCell* cell = GetAt(i))
            cell->FCol = i;
}
