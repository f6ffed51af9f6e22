// TXLCCurrency: the money cell. It holds a Currency amount, a 64-bit count
// of 1/10000 units (0 at creation); a value of any other kind is converted
// with the variant rules (rounded half to even to four decimals), and a
// value that does not convert raises EVariantError and leaves the cell as it
// was. A write of the stored amount changes nothing unless the position's
// Styles contain csWriteNotify.
#pragma once

#include "sheet/TXLCNumber.h"

class TXLCCurrency : public TXLCNumber {
public:
    static const TXLCellClass* StaticClass();
    const TXLCellClass* ClassType() const override;

    int64_t GetCurrency() override;
    void SetCurrency(int64_t value) override;
    Variant GetValue() override;
    void SetValue(const Variant& value) override;

private:
    int64_t FValue = 0;
};
