// TObjectSList<T>: a sparse list that owns its items (the cells of a row, the
// rows of a section). Items come in and go out as std::unique_ptr; in between
// the list is their only owner and frees each exactly once through
// DestroyItem: when it is replaced (PutAt), deleted by Modify, cut off by
// SetCount, cleared, or when the list is destroyed. Delete and Extract hand
// the item back instead. An item is taken out of its slot before it is
// destroyed, so an item whose destructor writes into the list finds itself
// gone. The slots are the untyped engine's pointers; only this class writes
// them, so each holds a T or null.
// A subclass that overrides DestroyItem or Clear must call Clear in its own
// destructor: by the time this destructor runs, the override is gone.
#pragma once

#include "sheet/TSListStore.h"

#include <memory>

template <class T>
class TObjectSList : protected TSListStore<void*> {
    using TStore = TSListStore<void*>;

public:
    TObjectSList() = default;
    ~TObjectSList() override { TObjectSList::Clear(); }

    T* GetAt(int i) const { return static_cast<T*>(TStore::GetAt(i)); }
    // Stores item at i; the item it replaces, if any, is destroyed.
    void PutAt(int i, std::unique_ptr<T> item)
    {
        TStore::CheckIndex(i);
        T* old = GetAt(i);
        if (old && old == item.get()) {
            item.release();  // already ours: keep the one owner
            return;
        }
        TStore::PutAt(i, item.get());
        item.release();
        if (old)
            DestroyItem(old);
    }
    // Takes the item at i out of the list; the slot becomes empty, nothing moves.
    std::unique_ptr<T> Extract(int i)
    {
        TStore::CheckIndex(i);
        std::unique_ptr<T> item(GetAt(i));
        if (item)
            TStore::PutAt(i, nullptr);
        return item;
    }
    void Insert(int i, std::unique_ptr<T> item)
    {
        TStore::InsertSlot(i, item.get());
        item.release();
        TStore::NotifyInserted(i);
    }
    // Removes slot i (the slots above move down) and returns its item.
    std::unique_ptr<T> Delete(int i)
    {
        int top;
        std::unique_ptr<T> item(static_cast<T*>(TStore::DeleteSlot(i, top)));
        if (top >= 0)
            Renumerate(i, top);
        return item;
    }
    template <class F>
    int ForAll(F&& fn) const
    {
        return TStore::ForAll([&fn](int index, void* item) { return fn(index, static_cast<T*>(item)); });
    }
    // Destroys every item, then frees the store.
    void Clear() override
    {
        TStore::DestroyItems();
        TStore::Clear();
    }

    using TStore::BlockCount;
    using TStore::CachedIndex;
    using TStore::Count;
    using TStore::DirectoryLength;
    using TStore::Empty;
    using TStore::Exchange;
    using TStore::HighBound;
    using TStore::Modify;
    using TStore::Move;
    using TStore::ResetHighBound;
    using TStore::SetCount;

protected:
    void DestroyItem(void* item) override { std::unique_ptr<T> owned(static_cast<T*>(item)); }
};
