// TSList: the plain sparse list of 32-bit values (packed border lines of a
// section, and the base of the integer lists with a default). A slot of 0 is
// empty; values are plain data, so nothing is destroyed when they go. The
// owner of a list is the structure that indexes by it (a section, a sheet).
#pragma once

#include "sheet/TSListStore.h"

class TSList : public TSListStore<int32_t> {
public:
    TSList() = default;
};
