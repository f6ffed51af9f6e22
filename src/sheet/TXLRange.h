// TXLRange: a range over a rectangle of body positions of a sheet, given in
// sheet coordinates (which are those of the body sector). The sheet is a
// reference: the range must not outlive it.
#pragma once

#include "sheet/TXLSectionRange.h"

class TXLSheet;

class TXLRange : public TXLSectionRange {
public:
    TXLRange(TXLSheet* sheet, const TRect& rect);
};
