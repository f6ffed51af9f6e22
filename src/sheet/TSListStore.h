// The storage engine of every sparse list of the sheet model: slots addressed
// by an index 0..SListMaxIndex, kept in zero-filled blocks of 16 that exist
// only once a slot of theirs was written, and a directory whose entry k refers
// to the block of slots 16k..16k+15 (or is null). An empty slot holds TSlot{}
// (0 or null). Invariants: every non-empty slot lies at or below the high
// bound, and the high bound is -1 or inside the directory; it is exact (its
// slot is non-empty) after every operation except the raw writes MakeAt and
// PutBlock, which raise it blindly until ResetHighBound. Blocks are freed only
// by Clear. A one-entry cache remembers the last slot read. Count is the
// owner's logical length and is independent of what is stored. The engine is
// instantiated for 32-bit values (TSList family) and for untyped item
// pointers (TObjectSList); the list owns its blocks, and what an item slot
// refers to is owned as the subclass decides (DestroyItem).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

constexpr int SListBlockSize = 16;
constexpr int SListMaxIndex = 1048575;  // 65,536 blocks of 16
constexpr int SListMaxCount = SListMaxIndex + 1;

template <class TSlot>
class TSListStore {
public:
    TSListStore() = default;
    TSListStore(const TSListStore&) = delete;
    TSListStore& operator=(const TSListStore&) = delete;
    virtual ~TSListStore();

    // The slot at i; empty for i < 0 or above the high bound (neither touches
    // the cache). Otherwise the slot read becomes the cached entry.
    TSlot GetAt(int i) const
    {
        if (i < 0 || i > FHighBound)
            return TSlot{};
        if (i == FCacheIndex)
            return FCacheValue;
        const int k = i >> 4;
        const TSlot value = k < static_cast<int>(FDirectory.size()) && FDirectory[k]
            ? FDirectory[k]->Slots[i & 15] : TSlot{};
        FCacheIndex = i;
        FCacheValue = value;
        return value;
    }
    // Writes item at i. Writing an empty item into an empty slot allocates
    // nothing; emptying a slot recomputes the high bound.
    void PutAt(int i, TSlot item);
    // Moves the slots i..high bound one place up, writes item at i, then
    // Renumerate(i + 1, high bound) and Renumerate(i, i).
    void Insert(int i, TSlot item);
    // Moves every slot above i one place down and calls Renumerate(i, old high
    // bound); nothing when i is above the high bound. Returns the slot
    // removed: it is overwritten, not destroyed.
    TSlot Delete(int i);
    // Swaps two slots, then Renumerate(i, i) and Renumerate(j, j).
    void Exchange(int i, int j);
    // Takes the slot at i out (Delete) and inserts it at j.
    void Move(int i, int j);
    // n > 0: Insert(i, empty) n times; n < 0: -n times destroys the item at i
    // (DestroyItem) and deletes its slot.
    void Modify(int i, int n);

    int Count() const { return FCount; }
    // Sets Count, then destroys and empties every slot at or above n, from
    // the top down.
    void SetCount(int n);

    // Calls fn(index, item) for each non-empty slot in ascending order until
    // fn returns non-zero; returns that value, or 0. fn must not clear the
    // list or shift its slots.
    template <class F>
    int ForAll(F&& fn) const
    {
        for (int k = 0; k < static_cast<int>(FDirectory.size()); ++k) {
            for (int s = 0; s < SListBlockSize; ++s) {
                const int index = k * SListBlockSize + s;
                if (index > FHighBound)
                    return 0;
                // Re-read the block each time: fn may write into the list.
                const TBlock* block = k < static_cast<int>(FDirectory.size()) ? FDirectory[k].get() : nullptr;
                if (!block)
                    break;
                if (const TSlot item = block->Slots[s]; item != TSlot{}) {
                    if (const int result = fn(index, item))
                        return result;
                }
            }
        }
        return 0;
    }

    // Lowers the high bound to the highest non-empty slot not above it.
    void ResetHighBound();
    // Frees every block and the directory; Count stays.
    virtual void Clear();
    bool Empty() const { return FHighBound < 0; }
    int HighBound() const { return FHighBound; }
    // The index of the cached slot, -1 when none.
    int CachedIndex() const { return FCacheIndex; }

    // Raw block access for the stream and for whole-list scans. A block's
    // slots above the high bound are all empty.
    int DirectoryLength() const { return static_cast<int>(FDirectory.size()); }
    int BlockCount() const;
    // The 16 slots of block k, or null when the block is absent.
    const TSlot* BlockSlots(int k) const
    {
        return k >= 0 && k < static_cast<int>(FDirectory.size()) && FDirectory[k] ? FDirectory[k]->Slots : nullptr;
    }
    // Calls fn(k, slots) for every allocated block (even an all-empty one) in
    // increasing k.
    template <class F>
    void ForAllBlocks(F&& fn) const
    {
        for (int k = 0; k < static_cast<int>(FDirectory.size()); ++k)
            if (const TBlock* block = FDirectory[k].get())
                fn(k, static_cast<const TSlot*>(block->Slots));
    }
    // Allocates block k (if absent) and copies 16 slots into it; the high bound
    // rises to the block's last index. Call ResetHighBound after the last one.
    void PutBlock(int k, const TSlot* slots);
    // Ensures the slot at i exists (directory and block), raises the high
    // bound to i, empties the cache and returns the slot for writing.
    TSlot& MakeAt(int i);

    // Throws ERAVazoError unless 0 <= i <= SListMaxIndex.
    static void CheckIndex(int i);
    // Throws ERAVazoError unless 0 <= n <= SListMaxCount.
    static void CheckCount(int n);

protected:
    // Frees what an item slot refers to; plain values need nothing.
    virtual void DestroyItem(TSlot item);
    // Tells a subclass whose items record their own index that the slots
    // from..to (inclusive; the range may be empty, from > to) changed places.
    virtual void Renumerate(int from, int to);

    // The mutating halves of Insert and Delete, without the Renumerate calls,
    // so that a typed subclass can take or hand over ownership in between.
    // DeleteSlot sets top to the old high bound, or -1 when i was above it.
    void InsertSlot(int i, TSlot item);
    void NotifyInserted(int i);
    TSlot DeleteSlot(int i, int& top);
    // Empties every non-empty slot and then destroys its item (DestroyItem);
    // the item is out of the list while it is destroyed.
    void DestroyItems();

private:
    struct TBlock {
        TSlot Slots[SListBlockSize];
    };

    TBlock* BlockAt(int k) const
    {
        return k < static_cast<int>(FDirectory.size()) ? FDirectory[k].get() : nullptr;
    }
    TBlock& AllocBlock(int k);
    TSlot SlotAt(int i) const;
    void WriteSlot(int i, TSlot item);
    int HighestUsedFrom(int i) const;
    void ShiftUp(int i, int top);
    void ShiftDown(int i, int top);

    std::vector<std::unique_ptr<TBlock>> FDirectory;
    int FHighBound = -1;
    mutable int FCacheIndex = -1;
    mutable TSlot FCacheValue{};
    int FCount = 0;
};

extern template class TSListStore<int32_t>;
extern template class TSListStore<void*>;
