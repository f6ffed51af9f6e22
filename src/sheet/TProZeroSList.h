// TProZeroSList: a TSList with a default value, Zero, that empty slots stand
// for. How a value relates to its slot is the subclasses' business (stored
// difference in TZeroSList, stored non-default in TDefSList); here SetZero
// only stores the new default. Clear keeps Zero.
#pragma once

#include "sheet/TSList.h"

class TProZeroSList : public TSList {
public:
    int32_t Zero() const { return FZero; }
    virtual void SetZero(int32_t value) { FZero = value; }

private:
    int32_t FZero = 0;
};
