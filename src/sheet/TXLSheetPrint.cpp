// The print settings of a sheet. The layout they feed is computed by the
// printing code; changes only ask for it again.
#include "sheet/TXLSheet.h"

#include <algorithm>

void TXLSheet::UpdatePrintLayout()
{
}

void TXLSheet::SetPrintMargin(int i, int value)
{
    value = std::max(value, 0);
    int& margin = FPrintMargins[static_cast<size_t>(i & 3)];
    if (value == margin)
        return;
    margin = value;
    UpdatePrintLayout();
}

void TXLSheet::SetPrintScale(TXLScale scale)
{
    // Below a quarter nothing would be readable.
    scale = std::max<TXLScale>(scale, 25);
    if (scale == FPrintScale)
        return;
    FPrintScale = scale;
    FPrintMode = scale == 100 ? pmNormal : pmCustom;
    UpdatePrintLayout();
}

void TXLSheet::SetPrintMode(TXLPrintMode mode)
{
    if (mode == pmNormal)
        SetPrintScale(100);
    FPrintMode = mode;
}

void TXLSheet::SetPrintHidden(bool value)
{
    if (value == FPrintHidden)
        return;
    FPrintHidden = value;
    UpdatePrintLayout();
}

void TXLSheet::SetPrintTitles(TXLAxes value)
{
    if (value == FPrintTitles)
        return;
    FPrintTitles = value;
    UpdatePrintLayout();
}

void TXLSheet::SetPrintGridLines(bool value)
{
    if (value == FPrintGridLines)
        return;
    FPrintGridLines = value;
    UpdatePrintLayout();
}
