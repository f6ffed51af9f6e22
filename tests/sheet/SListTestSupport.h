// Helpers shared by the sparse-list tests: a snapshot of everything a list
// shows from outside (to prove a rejected operation changed nothing), a list
// that records its Renumerate calls, and an item that counts its lifetimes.
#pragma once

#include "sheet/TSList.h"

#include <ostream>
#include <type_traits>
#include <utility>
#include <vector>

struct TSListSnapshot {
    std::vector<std::pair<int, long long>> Items;
    int HighBound = -1;
    int Count = 0;
    int Blocks = 0;
    bool operator==(const TSListSnapshot&) const = default;
};

inline void PrintTo(const TSListSnapshot& snapshot, std::ostream* out)
{
    *out << "{high bound " << snapshot.HighBound << ", count " << snapshot.Count << ", blocks "
         << snapshot.Blocks << ", items";
    for (const auto& [index, value] : snapshot.Items)
        *out << " " << index << ":" << value;
    *out << "}";
}

template <class TList>
TSListSnapshot Snapshot(const TList& list)
{
    TSListSnapshot snapshot;
    list.ForAll([&](int index, auto item) {
        if constexpr (std::is_pointer_v<decltype(item)>)
            snapshot.Items.emplace_back(index, item->Id);
        else
            snapshot.Items.emplace_back(index, item);
        return 0;
    });
    snapshot.HighBound = list.HighBound();
    snapshot.Count = list.Count();
    snapshot.Blocks = list.BlockCount();
    return snapshot;
}

class TRecordingList : public TSList {
public:
    std::vector<std::pair<int, int>> Calls;

protected:
    void Renumerate(int from, int to) override { Calls.emplace_back(from, to); }
};

// An item that knows how many of its kind are alive and how many were freed.
struct TCountedItem {
    static inline int Alive = 0;
    static inline int Freed = 0;
    static void Reset() { Alive = Freed = 0; }

    explicit TCountedItem(int id) : Id(id) { ++Alive; }
    TCountedItem(const TCountedItem&) = delete;
    TCountedItem& operator=(const TCountedItem&) = delete;
    ~TCountedItem()
    {
        --Alive;
        ++Freed;
    }
    int Id;
};
