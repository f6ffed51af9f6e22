// The background picture of a sheet: the sheet owns it, and whatever changes
// it (assigning, loading, clearing) repaints the body of every user.
#include "sheet/TXLSheet.h"

void TXLSheet::BackgroundChanged()
{
    InvalidateSector(sClient);
}
