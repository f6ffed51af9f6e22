#include "sheet/TXLCCurrency.h"

const TXLCellClass* TXLCCurrency::StaticClass()
{
    static const TXLCellClass cellClass{QStringLiteral("TXLCCurrency"), &XLMakeCell<TXLCCurrency>,
                                        TXLCNumber::StaticClass()};
    return &cellClass;
}

const TXLCellClass* TXLCCurrency::ClassType() const
{
    return StaticClass();
}

int64_t TXLCCurrency::GetCurrency()
{
    return FValue;
}

void TXLCCurrency::SetCurrency(int64_t value)
{
    if (value == FValue && !IsWriteNotify())
        return;
    FValue = value;
    Changed();
}

Variant TXLCCurrency::GetValue()
{
    return Variant::FromCurrency(FValue);
}

void TXLCCurrency::SetValue(const Variant& value)
{
    SetCurrency(value.ToCurrency());
}
