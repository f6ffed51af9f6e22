#include "base/VariantDateTime.h"

#include "base/DateTime.h"
#include "base/FormatDateTime.h"
#include "base/VariantError.h"

QString VarDateTimeToStr(double days, const FormatSettings& settings)
{
    const auto parts = TryDecodeDateTime(days);
    if (!parts)
        throw EVariantError("Could not convert variant of type (Date) into type (String): "
                            + QString::number(days, 'g', 17).toStdString() + " is not a valid date");
    if (parts->DayNumber == 0)
        return FormatDateTime(settings.LongTimeFormat, *parts, settings);
    return FormatDateTime(QStringLiteral("c"), *parts, settings);
}
