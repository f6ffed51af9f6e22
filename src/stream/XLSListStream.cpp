#include "stream/XLSListStream.h"

#include "sheet/TDefSList.h"
#include "stream/TXLLoadBudget.h"
#include "stream/TXLStreamReader.h"
#include "stream/TXLStreamWriter.h"
#include "stream/XLStreamFormat.h"

#include <array>
#include <string>

bool XLHasValues(const TSListStore<int32_t>& list)
{
    return list.ForAll([](int, int32_t) { return 1; }) != 0;
}

void WriteSList(TXLStreamWriter& writer, const TSListStore<int32_t>& list)
{
    writer.WriteByte(0);
    writer.WriteInteger(list.Count());
    writer.WriteInteger(list.BlockCount());
    list.ForAllBlocks([&writer](int k, const int32_t* values) {
        writer.WriteInteger(k);
        for (int s = 0; s < XLStream::BlockSlots; ++s)
            writer.WriteInteger(values[s]);
    });
}

void WriteListSList(TXLStreamWriter& writer, const TListSList<TSList>& lists)
{
    int count = 0;
    lists.ForAll([&count](int, TSList* list) {
        count += XLHasValues(*list) ? 1 : 0;
        return 0;
    });
    writer.WriteInteger(count);
    lists.ForAll([&writer](int index, TSList* list) {
        if (XLHasValues(*list)) {
            writer.WriteInteger(index);
            WriteSList(writer, *list);
        }
        return 0;
    });
}

int ReadSListCount(TXLStreamReader& reader)
{
    reader.ReadByte();  // the lead byte carries nothing
    const int64_t at = reader.Position();
    const int32_t count = reader.ReadInteger();
    if (count < 0 || count > SListMaxCount)
        reader.FailAt(at, "list count " + std::to_string(count) + " is outside 0.." + std::to_string(SListMaxCount));
    return count;
}

void ReadSListBlocks(TXLStreamReader& reader, TSListStore<int32_t>& list, TXLLoadBudget& budget,
                     const TXLSlotRule& rule)
{
    const int blocks = reader.ReadCount(XLStream::SListBlockBytes, XLStream::MaxBlocks, "block");
    list.Clear();  // the count stays
    std::array<int32_t, XLStream::BlockSlots> values{};
    for (int b = 0; b < blocks; ++b) {
        const int k = reader.ReadIndex(SListMaxIndex / XLStream::BlockSlots, "block number");
        for (int s = 0; s < XLStream::BlockSlots; ++s) {
            const int64_t at = reader.Position();
            values[s] = reader.ReadInteger();
            if (values[s] != 0 && rule.Valid && !rule.Valid(values[s]))
                reader.FailAt(at, std::string(rule.What) + " holds the impossible value " + std::to_string(values[s]));
        }
        budget.ChargeSlot(list, k * XLStream::BlockSlots, reader);
        list.PutBlock(k, values.data());
    }
    list.ResetHighBound();
}

void ReadSList(TXLStreamReader& reader, TSListStore<int32_t>& list, TXLLoadBudget& budget, const TXLSlotRule& rule)
{
    const int count = ReadSListCount(reader);
    list.Clear();
    list.SetCount(count);
    ReadSListBlocks(reader, list, budget, rule);
}

void ReadListSList(TXLStreamReader& reader, TListSList<TSList>& lists, TXLLoadBudget& budget,
                   const TXLSlotRule& rule)
{
    const int count = reader.ReadCount(4 + XLStream::SListHeadBytes, SListMaxCount, "inner list");
    for (int i = 0; i < count; ++i) {
        const int index = reader.ReadIndex(SListMaxIndex, "inner list index");
        if (!lists.GetAt(index)) {
            // The directory entries of the outer list and the inner list itself.
            budget.ChargeSlot(lists.DirectoryLength(), false, index, reader);
            budget.Charge(static_cast<int64_t>(sizeof(TDefSList)), reader);
        }
        ReadSList(reader, *lists.Ensure(index), budget, rule);
    }
}
