// TXLCNumber: the common base of the number cells (integer, double and
// currency, and through the double cell the formula cell). It holds no value
// of its own; its display text is the value read as a real (GetDouble, so a
// descendant's own reading counts) and formatted with the display format by
// FormatFloatEx, where a "%" shows the value as a percentage. Cells are never
// made of this class: its descriptor has no factory.
#pragma once

#include "sheet/TXLCell.h"

class TXLCNumber : public TXLCell {
public:
    static const TXLCellClass* StaticClass();
    const TXLCellClass* ClassType() const override;

    QString FormatText() override;

protected:
    TXLCNumber() = default;

    // A value as the display format shows it.
    QString FormatNumber(double value) const;
};
