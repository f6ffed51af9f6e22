#include "grid/TXLLineSizes.h"

#include <algorithm>
#include <climits>
#include <cstdint>

int TXLLineSizes::Size(int i) const
{
    if (i < 0)
        return 0;
    if (i >= Count())
        return Default();
    return std::max(0, FSizes.GetInt(i));
}

void TXLLineSizes::SetSize(int i, int size)
{
    if (i < 0 || i >= Count())
        return;
    FSizes.SetInt(i, std::max(0, size));
    FDirty = true;
}

void TXLLineSizes::Build() const
{
    const int count = Count();
    FStarts.assign(static_cast<size_t>(count) + 1, 0);
    int64_t sum = 0;
    for (int i = 0; i < count; ++i) {
        FStarts[static_cast<size_t>(i)] = static_cast<int>(std::min<int64_t>(sum, INT_MAX));
        sum += Size(i);
    }
    FStarts[static_cast<size_t>(count)] = static_cast<int>(std::min<int64_t>(sum, INT_MAX));
    FDirty = false;
}

int TXLLineSizes::Start(int i) const
{
    if (i <= 0)
        return 0;
    if (FDirty)
        Build();
    const int count = Count();
    if (i <= count)
        return FStarts[static_cast<size_t>(i)];
    const int64_t start = FStarts[static_cast<size_t>(count)] + static_cast<int64_t>(i - count) * Default();
    return static_cast<int>(std::min<int64_t>(start, INT_MAX));
}

int TXLLineSizes::Lookup(int& pos) const
{
    if (pos < 0) {
        pos = 0;
        return 0;
    }
    if (FDirty)
        Build();
    const int count = Count();
    const int total = FStarts[static_cast<size_t>(count)];
    if (pos >= total) {
        const int def = Default();
        if (def <= 0) {
            pos = total;
            return count;
        }
        const int lines = (pos - total) / def;
        pos = total + lines * def;
        return count + lines;
    }
    // The last line starting at or before pos; zero-sized lines share their
    // start with the next line, so the one found always has a size.
    const auto end = FStarts.begin() + count + 1;
    const int i = static_cast<int>(std::upper_bound(FStarts.begin(), end, pos) - FStarts.begin()) - 1;
    pos = FStarts[static_cast<size_t>(i)];
    return i;
}

void TXLLineSizes::Assign(const TXLSizeList& source, int scale)
{
    FSizes.SetZero(std::max(0, source.Zero()) * scale / 100);
    const int count = source.Count();
    FSizes.SetCount(count);
    source.ForAll([&](int i, int32_t) {
        if (i < count)
            FSizes.SetInt(i, std::max(0, source.GetInt(i)) * scale / 100);
        return 0;
    });
    FDirty = true;
}

void TXLLineSizes::Modify(int pos, int count)
{
    if (count == 0 || pos < 0 || pos > Count())
        return;
    if (count < 0)
        count = std::max(count, pos - Count());
    const int newCount = Count() + count;
    FSizes.Modify(pos, count);
    FSizes.SetCount(newCount);
    FDirty = true;
}

void TXLLineSizes::Clear()
{
    FSizes.SetZero(0);
    FSizes.SetCount(0);
    FDirty = true;
}
