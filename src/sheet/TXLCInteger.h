// TXLCInteger: the integer cell. It holds a 32-bit signed integer (0 at
// creation); a value of any other kind is converted with the variant rules
// (text strictly under the locale, reals rounded half to even), and a value
// that does not convert raises EVariantError and leaves the cell as it was.
// A write of the stored value changes nothing unless the position's Styles
// contain csWriteNotify.
#pragma once

#include "sheet/TXLCNumber.h"

class TXLCInteger : public TXLCNumber {
public:
    static const TXLCellClass* StaticClass();
    const TXLCellClass* ClassType() const override;

    int32_t GetInteger() override;
    void SetInteger(int32_t value) override;
    Variant GetValue() override;
    void SetValue(const Variant& value) override;

private:
    int32_t FValue = 0;
};
