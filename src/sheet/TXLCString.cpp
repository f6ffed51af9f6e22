#include "sheet/TXLCString.h"

#include "base/MaskText.h"

const TXLCellClass* TXLCString::StaticClass()
{
    static const TXLCellClass cellClass{QStringLiteral("TXLCString"), &XLMakeCell<TXLCString>, TXLCell::StaticClass()};
    return &cellClass;
}

const TXLCellClass* TXLCString::ClassType() const
{
    return StaticClass();
}

QString TXLCString::GetString()
{
    return FValue;
}

void TXLCString::SetString(const QString& value)
{
    if (value == FValue && !IsWriteNotify())
        return;
    // A text built by appending carries spare room; the cell, one of many
    // thousands, keeps an exact copy instead.
    FValue = value.capacity() > value.size() && !value.isEmpty() ? QString(value.constData(), value.size()) : value;
    Changed();
}

Variant TXLCString::GetValue()
{
    return Variant(FValue);
}

void TXLCString::SetValue(const Variant& value)
{
    SetString(value.ToString());
}

QString TXLCString::MaskText(const QString& text) const
{
    const QString mask = GetDisplayFormat();
    return mask.isEmpty() ? text : FormatMaskText(mask, text);
}

QString TXLCString::FormatText()
{
    return MaskText(FValue);
}
