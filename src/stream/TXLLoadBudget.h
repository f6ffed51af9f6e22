// TXLLoadBudget: the memory one load may make the model take. A sparse list
// allocates a directory entry for every block up to the highest one used, so
// a few stream bytes naming a far index cost half a megabyte, and a small
// picture can name a huge image; the reader charges such costs here before
// it makes them and stops with an ERAVazoError once the budget is spent.
// Objects made per few bytes read (cells, properties, strings, list items)
// are charged too, since each takes many times the bytes that describe it.
// Owned by the load that made it.
#pragma once

#include "base/ERAVazoError.h"
#include "sheet/TSListStore.h"

#include <cstdint>

class TXLStreamReader;

// The budget is spent: unlike a damaged record, this ends the whole load.
class EXLLoadLimit : public ERAVazoError {
public:
    explicit EXLLoadLimit(const std::string& message) : ERAVazoError(message) {}
};

class TXLLoadBudget {
public:
    // Far beyond any sheet this program ships or saves, and small enough
    // that a load of the largest input next to its bytes stays modest.
    static constexpr int64_t DefaultBytes = int64_t{128} << 20;
    // What one object made while reading takes besides its text: a cell with
    // its slot, a property as read, a list item.
    static constexpr int64_t CellBytes = 160;
    static constexpr int64_t EntryBytes = 64;

    explicit TXLLoadBudget(int64_t bytes = DefaultBytes) : FTotal(bytes), FLeft(bytes) {}

    int64_t Left() const { return FLeft; }
    // Takes bytes from the budget; fails at the reader's position when it
    // does not hold them.
    void Charge(int64_t bytes, const TXLStreamReader& reader);
    // A string of length cp1251 bytes, held as UTF-16.
    void ChargeString(int64_t length, const TXLStreamReader& reader) { Charge(EntryBytes + 2 * length, reader); }
    // The directory entries and the block that writing slot index of a list
    // with the given directory length and block presence would add.
    void ChargeSlot(int directoryLength, bool blockPresent, int index, const TXLStreamReader& reader);
    template <class TSlot>
    void ChargeSlot(const TSListStore<TSlot>& list, int index, const TXLStreamReader& reader)
    {
        ChargeSlot(list.DirectoryLength(), list.BlockSlots(index >> 4) != nullptr, index, reader);
    }

private:
    int64_t FTotal;
    int64_t FLeft;
};
