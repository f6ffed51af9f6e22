#include "sheet/TXLRange.h"

#include "sheet/TXLSheet.h"

TXLRange::TXLRange(TXLSheet* sheet, const TRect& rect) : TXLSectionRange(sheet->GetSection(sClient), rect)
{
}
