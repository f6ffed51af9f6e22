// TDefSList: integers of which only those differing from the default Zero are
// stored, as value + 1, so that an empty slot (0) reads as Zero. A stored -1
// would need the slot value 0 and therefore reads back as Zero. Changing Zero
// keeps the stored values. Used for the position formatting of a section,
// whose default is the section's base style value.
#pragma once

#include "sheet/TProZeroSList.h"

class TDefSList : public TProZeroSList {
public:
    int32_t GetInt(int i) const
    {
        const int32_t stored = GetAt(i);
        return stored == 0 ? Zero() : static_cast<int32_t>(static_cast<uint32_t>(stored) - 1u);
    }
    void SetInt(int i, int32_t value)
    {
        PutAt(i, value == Zero() ? 0 : static_cast<int32_t>(static_cast<uint32_t>(value) + 1u));
    }
};
