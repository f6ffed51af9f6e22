// TXLCDouble: the real-number cell. It holds a double (0 at creation); a
// value of any other kind is converted with the variant rules, and a value
// that does not convert raises EVariantError and leaves the cell as it was.
// A write of the stored value changes nothing unless the position's Styles
// contain csWriteNotify. The formula cell derives from it and keeps its last
// result here: PutDouble stores without any notification (loading,
// recalculation that notifies by itself), StoredDouble reads the field
// whatever GetDouble of a descendant does.
#pragma once

#include "sheet/TXLCNumber.h"

class TXLCDouble : public TXLCNumber {
public:
    static const TXLCellClass* StaticClass();
    const TXLCellClass* ClassType() const override;

    double GetDouble() override;
    void SetDouble(double value) override;
    Variant GetValue() override;
    void SetValue(const Variant& value) override;

protected:
    double StoredDouble() const { return FValue; }
    void PutDouble(double value) { FValue = value; }

private:
    double FValue = 0;
};
