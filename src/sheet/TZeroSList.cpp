#include "sheet/TZeroSList.h"

#include <algorithm>

void TZeroSList::SetZero(int32_t value)
{
    TProZeroSList::SetZero(value);
    Clear();
}

int32_t TZeroSList::SummTo(int n) const
{
    if (n < 1)
        return 0;
    uint32_t sum = static_cast<uint32_t>(n) * static_cast<uint32_t>(Zero());
    const int lastBlock = (n - 1) >> 4;
    const int endBlock = std::min(lastBlock, DirectoryLength() - 1);
    for (int k = 0; k <= endBlock; ++k) {
        const int32_t* slots = BlockSlots(k);
        if (!slots)
            continue;
        const int used = k == lastBlock ? ((n - 1) & 15) + 1 : SListBlockSize;
        for (int s = 0; s < used; ++s)
            sum += static_cast<uint32_t>(slots[s]);
    }
    return Wrap(sum);
}

int TZeroSList::ScanIndex(int& pos) const
{
    const int64_t zero = Zero();
    if (pos <= 0 || zero <= 0) {
        pos = 0;
        return 0;
    }
    // 64-bit offsets: extents may be negative or large without overflowing.
    int64_t rest = pos;
    int64_t base = 0;
    const int64_t blockExtent = zero * SListBlockSize;
    for (int k = 0; k < DirectoryLength(); ++k, base += SListBlockSize) {
        if (const int32_t* slots = BlockSlots(k)) {
            for (int s = 0; s < SListBlockSize; ++s) {
                const int64_t extent = Wrap(static_cast<uint32_t>(Zero()) + static_cast<uint32_t>(slots[s]));
                if (rest - extent < 0) {
                    pos = static_cast<int>(pos - rest);
                    return static_cast<int>(base + s);
                }
                rest -= extent;
            }
        } else if (rest >= blockExtent) {
            rest -= blockExtent;
        } else {
            break;
        }
    }
    // Every block from here on is absent: the extents are all Zero.
    pos = static_cast<int>(pos - rest % zero);
    return static_cast<int>(base + rest / zero);
}
