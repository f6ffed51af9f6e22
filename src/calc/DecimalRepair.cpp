#include "calc/DecimalRepair.h"

#include "base/StrToFloat.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"

namespace {

constexpr int ValueCol = 1;
constexpr int FirstRow = 1;
constexpr int LastRow = 12;

QString SwapSeparators(QString text)
{
    for (QChar& c : text) {
        if (c == u'.')
            c = u',';
        else if (c == u',')
            c = u'.';
    }
    return text;
}

} // namespace

bool RepairDecimalSeparators(TXLSheet& sheet)
{
    bool repaired = false;
    for (int row = FirstRow; row <= LastRow; ++row) {
        // Only cells that exist in column 1 itself: peeking creates nothing
        // (a created cell would end up in the user's state file), and a
        // position covered by a merged heading belongs to column 0's text.
        TXLCell* cell = sheet.GetPeekCell(ValueCol, row);
        if (!cell || cell->GetMapBounds().Left != ValueCol)
            continue;
        const QString text = cell->GetValue().ToString();
        if (text.isEmpty() || TryStrToFloat(text))
            continue;
        const QString swapped = SwapSeparators(text);
        if (TryStrToFloat(swapped)) {
            cell->SetValue(Variant(swapped));
            repaired = true;
        }
    }
    return repaired;
}
