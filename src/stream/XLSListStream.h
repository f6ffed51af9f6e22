// Sparse lists and two-level lists in the sheet stream (layout in
// XLStreamFormat.h). The writer emits every allocated block, also an empty
// one; the two-level writer only inner lists that hold a non-zero slot. The
// reader clears the list, takes the count, fills each block through the raw
// block interface and then lowers the high bound to the last non-empty slot;
// every count, index and slot is checked before it is used, and the memory
// the blocks take is charged to the load's budget.
#pragma once

#include "sheet/TListSList.h"
#include "sheet/TSList.h"

#include <cstdint>
#include <functional>

class TXLLoadBudget;
class TXLStreamReader;
class TXLStreamWriter;

// Which slot values a list may hold; What names the list in messages.
struct TXLSlotRule {
    const char* What = "list";
    std::function<bool(int32_t slot)> Valid;
};

// True when some slot of the list is not 0.
bool XLHasValues(const TSListStore<int32_t>& list);

void WriteSList(TXLStreamWriter& writer, const TSListStore<int32_t>& list);
void WriteListSList(TXLStreamWriter& writer, const TListSList<TSList>& lists);

// The lead byte and the count (0..SListMaxCount) of a sparse list.
int ReadSListCount(TXLStreamReader& reader);
// The blocks of a sparse list whose head was read; the list is cleared first.
void ReadSListBlocks(TXLStreamReader& reader, TSListStore<int32_t>& list, TXLLoadBudget& budget,
                     const TXLSlotRule& rule);
// A whole sparse list: head (the count goes to the list), then the blocks.
void ReadSList(TXLStreamReader& reader, TSListStore<int32_t>& list, TXLLoadBudget& budget, const TXLSlotRule& rule);
// A two-level list: each inner list is made with Ensure and then read.
void ReadListSList(TXLStreamReader& reader, TListSList<TSList>& lists, TXLLoadBudget& budget,
                   const TXLSlotRule& rule);
