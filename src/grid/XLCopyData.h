// What a copy of a block of cells puts on the clipboard: the sheet's own
// format (the block as a sheet file, which a paste reads back with its
// classes and formatting) plus the shown texts as tab-separated lines and as
// an HTML table for other programs. Shared by every window that copies.
#pragma once

#include "sheet/XLTypes.h"

#include <memory>

class QMimeData;
class TXLSheet;

// The block bounds (sheet coordinates, exclusive right and bottom).
std::unique_ptr<QMimeData> XLCopyMimeData(TXLSheet& sheet, const TRect& bounds);
