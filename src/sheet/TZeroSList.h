// TZeroSList: integers stored as their difference from the default Zero, so
// any 32-bit value fits and a value equal to Zero leaves its slot empty. Used
// for the column widths and row heights of a sheet: SummTo gives the offset of
// an index, ScanIndex the index at an offset. Changing Zero discards every
// individual value. Arithmetic wraps like 32-bit integers.
#pragma once

#include "sheet/TProZeroSList.h"

class TZeroSList : public TProZeroSList {
public:
    int32_t GetInt(int i) const { return Wrap(static_cast<uint32_t>(GetAt(i)) + static_cast<uint32_t>(Zero())); }
    void SetInt(int i, int32_t value)
    {
        PutAt(i, Wrap(static_cast<uint32_t>(value) - static_cast<uint32_t>(Zero())));
    }
    // Stores the default and clears the list.
    void SetZero(int32_t value) override;

    // The sum of the values at 0..n-1; 0 for n < 1.
    int32_t SummTo(int n) const;
    // Reads the values as consecutive extents from offset 0 and returns the
    // index whose extent holds pos, skipping extents of 0; pos becomes the
    // start of that extent. Past the stored values every extent is Zero, so
    // the result may lie beyond Count. With pos <= 0 or Zero <= 0: 0, pos 0.
    int ScanIndex(int& pos) const;

private:
    static int32_t Wrap(uint32_t value) { return static_cast<int32_t>(value); }
};
