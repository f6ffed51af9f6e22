#include "sheet/TXLCDouble.h"

const TXLCellClass* TXLCDouble::StaticClass()
{
    static const TXLCellClass cellClass{QStringLiteral("TXLCDouble"), &XLMakeCell<TXLCDouble>,
                                        TXLCNumber::StaticClass()};
    return &cellClass;
}

const TXLCellClass* TXLCDouble::ClassType() const
{
    return StaticClass();
}

double TXLCDouble::GetDouble()
{
    return FValue;
}

void TXLCDouble::SetDouble(double value)
{
    if (value == FValue && !IsWriteNotify())
        return;
    FValue = value;
    Changed();
}

Variant TXLCDouble::GetValue()
{
    return Variant(GetDouble());
}

void TXLCDouble::SetValue(const Variant& value)
{
    SetDouble(value.ToDouble());
}
