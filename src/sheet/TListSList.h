// TListSList<T>: an owning sparse list whose items are themselves lists (the
// rows of a section, the two-level position formatting of a section). An item
// is made on first use by Ensure with the list's factory, stored, and then
// handed to Prepare, where a subclass gives it its index, its owner or its
// default value. The factory may make any class derived from T; by default it
// makes a plain T.
#pragma once

#include "base/ERAVazoError.h"
#include "sheet/TObjectSList.h"

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

template <class T>
class TListSList : public TObjectSList<T> {
    static_assert(std::is_base_of_v<TSListStore<int32_t>, T> || std::is_base_of_v<TSListStore<void*>, T>,
                  "the items of a TListSList are sparse lists");

public:
    using TFactory = std::function<std::unique_ptr<T>()>;

    TListSList()
        requires std::is_default_constructible_v<T>
        : FFactory([] { return std::make_unique<T>(); })
    {
    }
    explicit TListSList(TFactory factory) : FFactory(std::move(factory)) {}

    // The item at i, made, stored and prepared when there is none yet.
    T* Ensure(int i)
    {
        if (T* item = this->GetAt(i))
            return item;
        TSListStore<void*>::CheckIndex(i);
        std::unique_ptr<T> made = FFactory ? FFactory() : nullptr;
        if (!made)
            throw ERAVazoError("List item class cannot make an item");
        T* item = made.get();
        this->PutAt(i, std::move(made));
        Prepare(item, i);
        return item;
    }

protected:
    virtual void Prepare(T* list, int index)
    {
        (void)list;
        (void)index;
    }

private:
    TFactory FFactory;
};
