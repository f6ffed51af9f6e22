#include "sheet/TXLCNumber.h"

#include "base/FormatEx.h"

const TXLCellClass* TXLCNumber::StaticClass()
{
    static const TXLCellClass cellClass{QStringLiteral("TXLCNumber"), nullptr, TXLCell::StaticClass()};
    return &cellClass;
}

const TXLCellClass* TXLCNumber::ClassType() const
{
    return StaticClass();
}

QString TXLCNumber::FormatText()
{
    return FormatNumber(GetDouble());
}

QString TXLCNumber::FormatNumber(double value) const
{
    return FormatFloatEx(GetDisplayFormat(), value);
}
