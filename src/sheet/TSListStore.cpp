#include "sheet/TSListStore.h"

#include "base/ERAVazoError.h"

#include <algorithm>
#include <string>

template <class TSlot>
TSListStore<TSlot>::~TSListStore() = default;

template <class TSlot>
void TSListStore<TSlot>::CheckIndex(int i)
{
    // The directory holds at most 65,536 blocks; a larger index would also
    // overflow the 32-bit arithmetic of the callers' positions.
    if (i < 0 || i > SListMaxIndex)
        throw ERAVazoError("List index out of bounds (" + std::to_string(i) + ")");
}

template <class TSlot>
void TSListStore<TSlot>::CheckCount(int n)
{
    if (n < 0 || n > SListMaxCount)
        throw ERAVazoError("List count out of bounds (" + std::to_string(n) + ")");
}

template <class TSlot>
typename TSListStore<TSlot>::TBlock& TSListStore<TSlot>::AllocBlock(int k)
{
    if (k >= static_cast<int>(FDirectory.size()))
        FDirectory.resize(k + 1);
    if (!FDirectory[k])
        FDirectory[k] = std::make_unique<TBlock>();  // value-initialised: all slots empty
    return *FDirectory[k];
}

template <class TSlot>
TSlot TSListStore<TSlot>::SlotAt(int i) const
{
    const TBlock* block = BlockAt(i >> 4);
    return block ? block->Slots[i & 15] : TSlot{};
}

template <class TSlot>
int TSListStore<TSlot>::HighestUsedFrom(int i) const
{
    // Nothing lies beyond the directory, so start at its end at the latest.
    i = std::min(i, static_cast<int>(FDirectory.size()) * SListBlockSize - 1);
    while (i >= 0) {
        const int k = i >> 4;
        if (const TBlock* block = FDirectory[k].get()) {
            for (int s = i & 15; s >= 0; --s)
                if (block->Slots[s] != TSlot{})
                    return k * SListBlockSize + s;
        }
        i = k * SListBlockSize - 1;
    }
    return -1;
}

template <class TSlot>
TSlot& TSListStore<TSlot>::MakeAt(int i)
{
    CheckIndex(i);
    TBlock& block = AllocBlock(i >> 4);
    if (i > FHighBound)
        FHighBound = i;
    FCacheIndex = -1;
    return block.Slots[i & 15];
}

template <class TSlot>
void TSListStore<TSlot>::WriteSlot(int i, TSlot item)
{
    if (item == TSlot{}) {
        TBlock* block = i <= FHighBound ? BlockAt(i >> 4) : nullptr;
        if (!block || block->Slots[i & 15] == TSlot{})
            return;  // already empty: allocate nothing
        block->Slots[i & 15] = TSlot{};
        FCacheIndex = -1;
        ResetHighBound();
        return;
    }
    MakeAt(i) = item;
}

template <class TSlot>
void TSListStore<TSlot>::PutAt(int i, TSlot item)
{
    CheckIndex(i);
    WriteSlot(i, item);
}

template <class TSlot>
void TSListStore<TSlot>::ShiftUp(int i, int top)
{
    // Slots i..top move to i+1..top+1, block by block from the top down, so
    // that the slot carried into a block's first place is read before its own
    // block is shifted. A block is allocated only when a non-empty slot lands
    // in it, as writing the slots one by one would do.
    for (int k = (top + 1) >> 4; k >= (i >> 4); --k) {
        const int base = k * SListBlockSize;
        const int first = std::max(base, i + 1) - base;
        const int last = std::min(base + SListBlockSize - 1, top + 1) - base;
        if (first > last)
            continue;
        const TSlot carry = first == 0 ? SlotAt(base - 1) : TSlot{};
        TBlock* block = BlockAt(k);
        if (!block) {
            if (carry == TSlot{})
                continue;  // every slot moving in is empty
            block = &AllocBlock(k);
        }
        const int from = std::max(first, 1);
        if (last >= from)
            std::copy_backward(block->Slots + from - 1, block->Slots + last, block->Slots + last + 1);
        if (first == 0)
            block->Slots[0] = carry;
    }
}

template <class TSlot>
void TSListStore<TSlot>::ShiftDown(int i, int top)
{
    // Slots i+1..top move to i..top-1 and slot top empties, block by block
    // from the bottom up, reading the next block's first slot before it moves.
    for (int k = i >> 4; k <= top >> 4; ++k) {
        const int base = k * SListBlockSize;
        const int first = std::max(base, i) - base;
        const int last = std::min(base + SListBlockSize - 1, top) - base;
        const TSlot carry = base + last < top ? SlotAt(base + last + 1) : TSlot{};
        TBlock* block = BlockAt(k);
        if (!block) {
            if (carry == TSlot{})
                continue;
            block = &AllocBlock(k);
        }
        std::copy(block->Slots + first + 1, block->Slots + last + 1, block->Slots + first);
        block->Slots[last] = carry;
    }
}

template <class TSlot>
void TSListStore<TSlot>::InsertSlot(int i, TSlot item)
{
    CheckIndex(i);
    if (i <= FHighBound && FHighBound == SListMaxIndex) {
        // The last slot would move past the end; that is harmless only when
        // it is empty.
        ResetHighBound();
        if (i <= FHighBound && FHighBound == SListMaxIndex)
            throw ERAVazoError("List index out of bounds (" + std::to_string(SListMaxCount) + ")");
    }
    if (i <= FHighBound) {
        const int top = FHighBound;
        ShiftUp(i, top);
        FCacheIndex = -1;
        FHighBound = HighestUsedFrom(top + 1);
    }
    WriteSlot(i, item);
}

template <class TSlot>
void TSListStore<TSlot>::NotifyInserted(int i)
{
    Renumerate(i + 1, FHighBound);
    Renumerate(i, i);
}

template <class TSlot>
void TSListStore<TSlot>::Insert(int i, TSlot item)
{
    InsertSlot(i, item);
    NotifyInserted(i);
}

template <class TSlot>
TSlot TSListStore<TSlot>::DeleteSlot(int i, int& top)
{
    CheckIndex(i);
    top = -1;
    if (i > FHighBound)
        return TSlot{};
    top = FHighBound;
    const TSlot item = SlotAt(i);
    ShiftDown(i, top);
    FCacheIndex = -1;
    FHighBound = HighestUsedFrom(top);
    return item;
}

template <class TSlot>
TSlot TSListStore<TSlot>::Delete(int i)
{
    int top;
    const TSlot item = DeleteSlot(i, top);
    if (top >= 0)
        Renumerate(i, top);
    return item;
}

template <class TSlot>
void TSListStore<TSlot>::Exchange(int i, int j)
{
    CheckIndex(i);
    CheckIndex(j);
    const TSlot a = SlotAt(i);
    const TSlot b = SlotAt(j);
    WriteSlot(i, b);
    WriteSlot(j, a);
    Renumerate(i, i);
    Renumerate(j, j);
}

template <class TSlot>
void TSListStore<TSlot>::Move(int i, int j)
{
    CheckIndex(i);
    CheckIndex(j);
    if (i == j)
        return;
    // Both halves run before any hook, so an owned item is never out of the
    // list while a subclass runs. The insertion cannot fail once the deletion
    // has freed a place, and fails before changing anything when it has not.
    const TSlot item = GetAt(i);
    int top;
    DeleteSlot(i, top);
    InsertSlot(j, item);
    if (top >= 0)
        Renumerate(i, top);
    NotifyInserted(j);
}

template <class TSlot>
void TSListStore<TSlot>::Modify(int i, int n)
{
    CheckIndex(i);
    if (n < -SListMaxCount || n > SListMaxCount)
        throw ERAVazoError("List count out of bounds (" + std::to_string(n) + ")");
    if (n > 0) {
        // Check the whole insertion up front so that a failure leaves the
        // list as it was.
        const int used = HighestUsedFrom(FHighBound);
        if (i <= used && used > SListMaxIndex - n)
            throw ERAVazoError("List index out of bounds (" + std::to_string(used + n) + ")");
        for (int k = 0; k < n; ++k) {
            InsertSlot(i, TSlot{});
            NotifyInserted(i);
        }
        return;
    }
    // Once i is above the high bound every further step would delete nothing.
    for (int k = 0; k < -n && i <= FHighBound; ++k) {
        int top;
        const TSlot item = DeleteSlot(i, top);
        if (item != TSlot{})
            DestroyItem(item);
        Renumerate(i, top);
    }
}

template <class TSlot>
void TSListStore<TSlot>::SetCount(int n)
{
    CheckCount(n);
    FCount = n;
    while (FHighBound >= n) {
        const int top = FHighBound;
        TSlot item{};
        if (TBlock* block = BlockAt(top >> 4)) {
            item = block->Slots[top & 15];
            block->Slots[top & 15] = TSlot{};
        }
        FCacheIndex = -1;
        // Lowering the bound on every step, even past an empty slot, is what
        // makes the loop end.
        FHighBound = HighestUsedFrom(top - 1);
        if (item != TSlot{})
            DestroyItem(item);
    }
}

template <class TSlot>
void TSListStore<TSlot>::ResetHighBound()
{
    FHighBound = HighestUsedFrom(FHighBound);
}

template <class TSlot>
void TSListStore<TSlot>::DestroyItems()
{
    for (int k = 0; k < static_cast<int>(FDirectory.size()); ++k) {
        for (int s = 0; s < SListBlockSize; ++s) {
            TBlock* block = BlockAt(k);  // re-read: DestroyItem may write
            if (!block)
                break;
            const TSlot item = block->Slots[s];
            if (item == TSlot{})
                continue;
            block->Slots[s] = TSlot{};
            FCacheIndex = -1;
            DestroyItem(item);
        }
    }
    ResetHighBound();
}

template <class TSlot>
void TSListStore<TSlot>::Clear()
{
    std::vector<std::unique_ptr<TBlock>>().swap(FDirectory);
    FHighBound = -1;
    FCacheIndex = -1;
}

template <class TSlot>
int TSListStore<TSlot>::BlockCount() const
{
    return static_cast<int>(std::count_if(FDirectory.begin(), FDirectory.end(),
                                          [](const std::unique_ptr<TBlock>& block) { return block != nullptr; }));
}

template <class TSlot>
void TSListStore<TSlot>::PutBlock(int k, const TSlot* slots)
{
    if (k < 0 || k > (SListMaxIndex >> 4))
        throw ERAVazoError("List index out of bounds (" + std::to_string(int64_t{k} * SListBlockSize) + ")");
    TBlock& block = AllocBlock(k);
    std::copy(slots, slots + SListBlockSize, block.Slots);
    FHighBound = std::max(FHighBound, k * SListBlockSize + SListBlockSize - 1);
    FCacheIndex = -1;
}

template <class TSlot>
void TSListStore<TSlot>::DestroyItem(TSlot)
{
}

template <class TSlot>
void TSListStore<TSlot>::Renumerate(int, int)
{
}

template class TSListStore<int32_t>;
template class TSListStore<void*>;
