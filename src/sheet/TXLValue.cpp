#include "sheet/TXLValue.h"

double TXLValue::GetDouble()
{
    return GetValue().ToDouble();
}

double TXLValue::GetDateTime()
{
    return GetValue().ToDateTime();
}

int32_t TXLValue::GetInteger()
{
    return GetValue().ToInteger();
}

QString TXLValue::GetString()
{
    return GetValue().ToString();
}

bool TXLValue::GetBoolean()
{
    return GetValue().ToBoolean();
}

TXLObject* TXLValue::GetObject()
{
    return nullptr;
}

int64_t TXLValue::GetCurrency()
{
    return GetValue().ToCurrency();
}

Variant TXLValue::GetValue()
{
    return {};
}

void TXLValue::SetDouble(double value)
{
    SetValue(Variant(value));
}

void TXLValue::SetDateTime(double value)
{
    SetValue(Variant::FromDateTime(value));
}

void TXLValue::SetInteger(int32_t value)
{
    SetValue(Variant(value));
}

void TXLValue::SetString(const QString& value)
{
    SetValue(Variant(value));
}

void TXLValue::SetBoolean(bool value)
{
    SetValue(Variant(value));
}

void TXLValue::SetObject(const TXLObject* value)
{
    (void)value;
}

void TXLValue::SetCurrency(int64_t value)
{
    SetValue(Variant::FromCurrency(value));
}

void TXLValue::SetValue(const Variant& value)
{
    (void)value;
    Changed();
}

void TXLValue::Changed()
{
    IncludeState(csReformat);
    NotifyChanges(prValue, 0);
}

QString TXLValue::GetText()
{
    if (HasState(csReformat)) {
        QString text = FormatText();
        ExcludeState(csReformat);
        std::unique_ptr<QString>& stored = DisplayText();
        const QString* plain = ValueText();
        if (plain ? text == *plain : text.isEmpty())
            stored.reset();
        else if (stored)
            *stored = std::move(text);
        else
            stored = std::make_unique<QString>(std::move(text));
    }
    if (const std::unique_ptr<QString>& stored = DisplayText())
        return *stored;
    const QString* plain = ValueText();
    return plain ? *plain : QString();
}

void TXLValue::AssignProperty(TXLPersistent& source, TXLProp prop, int flags)
{
    auto* value = dynamic_cast<TXLValue*>(&source);
    if (prop != prValue || !value) {
        TXLPersistent::AssignProperty(source, prop, flags);
        return;
    }
    SetValue(value->GetValue());
    if (GetCellClass() == value->GetCellClass())
        SetObject(value->GetObject());
}
