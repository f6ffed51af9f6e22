#include "base/FormatEx.h"

#include "base/FormatDateTime.h"
#include "base/FormatFloat.h"
#include "base/FormatSections.h"

QString FormatFloatEx(const QString& format, double value, const FormatSettings& settings)
{
    if (!format.contains(u'%'))
        return FormatFloat(format, value, settings);
    QString pattern = format;
    pattern.remove(u'%');
    return FormatFloat(pattern, value * 100, settings) + u'%';
}

QString FormatFloatEx(const QString& format, double value)
{
    return FormatFloatEx(format, value, CurrentFormatSettings());
}

QString FormatDateTimeEx(const QString& format, TDateTime value, const FormatSettings& settings)
{
    const qsizetype split = NextSectionBreak(format);
    if (value != 0)
        return FormatDateTime(split < 0 ? format : format.left(split), value, settings);
    const QString zeroPart = split < 0 ? QString() : format.mid(split + 1);
    if (zeroPart.isEmpty())
        return QString();
    return FormatDateTime(zeroPart, value, settings);
}

QString FormatDateTimeEx(const QString& format, TDateTime value)
{
    return FormatDateTimeEx(format, value, CurrentFormatSettings());
}
