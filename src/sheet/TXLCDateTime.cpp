#include "sheet/TXLCDateTime.h"

#include "base/DateTimeParse.h"
#include "base/ERAVazoError.h"
#include "base/FormatEx.h"

const TXLCellClass* TXLCDateTime::StaticClass()
{
    static const TXLCellClass cellClass{QStringLiteral("TXLCDateTime"), &XLMakeCell<TXLCDateTime>,
                                        TXLCell::StaticClass()};
    return &cellClass;
}

const TXLCellClass* TXLCDateTime::ClassType() const
{
    return StaticClass();
}

double TXLCDateTime::GetDateTime()
{
    return FValue;
}

void TXLCDateTime::SetDateTime(double value)
{
    if (value == FValue && !IsWriteNotify())
        return;
    FValue = value;
    Changed();
}

Variant TXLCDateTime::GetValue()
{
    return Variant::FromDateTime(FValue);
}

void TXLCDateTime::SetValue(const Variant& value)
{
    if (value.VarType() == TVarType::String) {
        using TParse = std::optional<TDateTime> (*)(const QString&);
        const QString text = value.ToString();
        for (const TParse parse : {TParse(&TryStrToDateTime), TParse(&TryStrToDate), TParse(&TryStrToTime)})
            if (const std::optional<TDateTime> parsed = parse(text)) {
                SetDateTime(*parsed);
                return;
            }
    }
    SetDateTime(value.ToDouble());
}

QString TXLCDateTime::FormatText()
{
    try {
        return FormatDateTimeEx(GetDisplayFormat(), FValue);
    } catch (const EConvertError&) {
        return {};
    }
}
