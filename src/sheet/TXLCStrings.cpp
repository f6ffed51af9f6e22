#include "sheet/TXLCStrings.h"

const TXLCellClass* TXLCStrings::StaticClass()
{
    static const TXLCellClass cellClass{QStringLiteral("TXLCStrings"), &XLMakeCell<TXLCStrings>,
                                        TXLCString::StaticClass()};
    return &cellClass;
}

const TXLCellClass* TXLCStrings::ClassType() const
{
    return StaticClass();
}

QString TXLCStrings::GetString()
{
    return FItems.GetText();
}

void TXLCStrings::SetString(const QString& value)
{
    if (value == FItems.GetText() && !IsWriteNotify())
        return;
    FItems.SetText(value);
    Changed();
}

int32_t TXLCStrings::GetInteger()
{
    return FItemIndex;
}

void TXLCStrings::SetInteger(int32_t value)
{
    if (value == FItemIndex && !IsWriteNotify())
        return;
    FItemIndex = value;
    Changed();
}

TXLObject* TXLCStrings::GetObject()
{
    return &FItems;
}

void TXLCStrings::SetObject(const TXLObject* value)
{
    const auto* strings = dynamic_cast<const TXLStrings*>(value);
    if (!strings)
        return;
    if (strings != &FItems)
        FItems.Items = strings->Items;
    Changed();
}

Variant TXLCStrings::GetValue()
{
    return Variant(GetString());
}

void TXLCStrings::SetValue(const Variant& value)
{
    SetString(value.ToString());
}

QString TXLCStrings::FormatText()
{
    const QString item = FItemIndex >= 0 && FItemIndex < FItems.Items.size() ? FItems.Items[FItemIndex] : QString();
    return MaskText(item);
}
