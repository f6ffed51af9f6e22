#include "sheet/TXLCInteger.h"

const TXLCellClass* TXLCInteger::StaticClass()
{
    static const TXLCellClass cellClass{QStringLiteral("TXLCInteger"), &XLMakeCell<TXLCInteger>,
                                        TXLCNumber::StaticClass()};
    return &cellClass;
}

const TXLCellClass* TXLCInteger::ClassType() const
{
    return StaticClass();
}

int32_t TXLCInteger::GetInteger()
{
    return FValue;
}

void TXLCInteger::SetInteger(int32_t value)
{
    if (value == FValue && !IsWriteNotify())
        return;
    FValue = value;
    Changed();
}

Variant TXLCInteger::GetValue()
{
    return Variant(FValue);
}

void TXLCInteger::SetValue(const Variant& value)
{
    SetInteger(value.ToInteger());
}
