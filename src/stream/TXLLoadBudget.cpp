#include "stream/TXLLoadBudget.h"

#include "stream/TXLStreamReader.h"
#include "stream/XLStreamFormat.h"

#include <string>

void TXLLoadBudget::Charge(int64_t bytes, const TXLStreamReader& reader)
{
    if (bytes <= 0)
        return;
    if (bytes > FLeft)
        throw EXLLoadLimit("Too large " + std::string(reader.Name()) + " at byte " + std::to_string(reader.Origin() + reader.Position()) +
                           ": the sheet would need more than " + std::to_string(FTotal) + " bytes of memory");
    FLeft -= bytes;
}

void TXLLoadBudget::ChargeSlot(int directoryLength, bool blockPresent, int index, const TXLStreamReader& reader)
{
    const int64_t entries = (index >> 4) + 1 - int64_t{directoryLength};
    int64_t bytes = entries > 0 ? entries * static_cast<int64_t>(sizeof(void*)) : 0;
    if (!blockPresent)
        bytes += XLStream::BlockSlots * 8;  // a block of pointers is the larger kind
    Charge(bytes, reader);
}
