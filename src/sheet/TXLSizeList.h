// TXLSizeList: the sizes of one band of one axis of a sheet (column widths
// or row heights of the title or body band), or the remembered sizes of its
// hidden entries. Count is the band's number of columns or rows; Zero is the
// default size (0 for the hidden-size lists), and only sizes that differ
// from it take memory. Owned by the sheet.
#pragma once

#include "sheet/TZeroSList.h"

class TXLSizeList : public TZeroSList {
public:
    TXLSizeList() = default;
};
