#include "sheet/TXLSectionRange.h"

TXLSectionRange::TXLSectionRange(TXLSection* section, const TRect& rect) : FSection(section), FRect(rect)
{
    RememberFont();
}
