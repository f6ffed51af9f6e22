#include "sheet/TXLUnion.h"

#include "sheet/TXLCell.h"
#include "sheet/TXLRow.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"

#include <algorithm>

void TXLUnion::SetBounds(const TRect& rect)
{
    if (rect == FBounds)
        return;
    TXLSheet* sheet = FSection->GetSheet();
    const TXLSector sector = FSection->GetSector();
    if (!FBounds.IsEmpty())
        sheet->InvalidateArea(sector, FBounds, iFull);
    FBounds = rect;
    FSection->UnionsChanged();

    // (1) Areas never overlap: the newer shape wins.
    for (int i = FSection->GetUnionCount() - 1; i >= 0; --i) {
        TXLUnion* other = FSection->GetUnion(i);
        if (other != this && other->FBounds.Intersects(FBounds))
            FSection->RemoveUnion(other);
    }
    // (2) One look for the whole area.
    if (FSection->NormaliseArea(FBounds))
        sheet->InvalidateArea(sector, FBounds, iFrame);
    // (3) Only the top-left position keeps a cell object.
    const TPoint topLeft = FBounds.TopLeft();
    if (TXLCell* first = FSection->GetRawCell(topLeft.X, topLeft.Y); first && first != FAnchor && !FAnchor) {
        FAnchor = first;
        first->IncludeState(csUnited);
    }
    const int lastRow = std::min(FBounds.Bottom, FSection->HighBound() + 1);
    for (int y = std::max(FBounds.Top, 0); y < lastRow; ++y) {
        TXLRow* row = FSection->GetAt(y);
        if (!row)
            continue;
        const int lastCol = std::min(FBounds.Right, row->HighBound() + 1);
        for (int x = std::max(FBounds.Left, 0); x < lastCol; ++x) {
            TXLCell* cell = row->GetAt(x);
            if (cell && cell != FAnchor)
                row->DestroyCell(x);
        }
    }
    // (4)
    sheet->InvalidateArea(sector, FBounds, iFull);
}

void TXLUnion::PutBounds(const TRect& rect)
{
    FBounds = rect;
    FSection->UnionsChanged();
}
