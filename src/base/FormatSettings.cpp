#include "base/FormatSettings.h"

#include <QLocale>

#include <optional>

namespace {

// Qt's date patterns use "M" for months and "m" for minutes; the engine's
// pattern language uses "m"/"mm" for months and "nn" for minutes.
QString DatePatternFromQt(const QString& qt)
{
    QString out;
    for (QChar c : qt) {
        if (c == u'M')
            out += u'm';
        else
            out += c;
    }
    return out;
}

// Qt writes minutes as "m", a 12-hour day half as "AP"/"ap"/"A"/"a" and a
// zone as "t"; here minutes are "n", the day half (the locale's AM/PM
// strings) is "ampm" and zones are not shown.
QString TimePatternFromQt(const QString& qt)
{
    QString out;
    bool dayHalfWritten = false;
    for (qsizetype i = 0; i < qt.size(); ++i) {
        const QChar c = qt[i];
        if (c == u'm') {
            out += u'n';
        } else if (c == u'A' || c == u'a') {
            if (!dayHalfWritten)
                out += QStringLiteral("ampm");
            dayHalfWritten = true;
            if (i + 1 < qt.size() && (qt[i + 1] == u'P' || qt[i + 1] == u'p'))
                ++i;
        } else if (c == u't') {
            continue;
        } else {
            out += c;
        }
    }
    return out.trimmed();
}

QChar FirstNonLetter(const QString& pattern, QChar fallback)
{
    for (QChar c : pattern)
        if (!c.isLetter() && c != u' ' && c != u'\'')
            return c;
    return fallback;
}

std::optional<FormatSettings>& CurrentStorage()
{
    static std::optional<FormatSettings> current;
    return current;
}

} // namespace

FormatSettings FormatSettings::FromSystemLocale()
{
    return FromLocale(QLocale::system());
}

FormatSettings FormatSettings::FromLocale(const QLocale& locale)
{
    FormatSettings fs;
    const QString decimal = locale.decimalPoint();
    if (decimal.size() == 1)
        fs.DecimalSeparator = decimal.at(0);
    const QString group = locale.groupSeparator();
    fs.ThousandSeparator = group.size() == 1 ? group.at(0) : QChar(u' ');
    if (fs.ThousandSeparator == fs.DecimalSeparator)
        fs.ThousandSeparator = fs.DecimalSeparator == u'.' ? u',' : u'.';
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    fs.ShortDateFormat = DatePatternFromQt(shortDate);
    fs.LongDateFormat = DatePatternFromQt(locale.dateFormat(QLocale::LongFormat));
    fs.DateSeparator = FirstNonLetter(shortDate, u'/');
    const QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    fs.ShortTimeFormat = TimePatternFromQt(shortTime);
    fs.LongTimeFormat = TimePatternFromQt(locale.timeFormat(QLocale::LongFormat));
    fs.TimeSeparator = FirstNonLetter(shortTime, u':');
    fs.TimeAMString = locale.amText();
    fs.TimePMString = locale.pmText();
    fs.CurrencyString = locale.currencySymbol();
    return fs;
}

FormatSettings FormatSettings::WithDecimalSeparator(QChar decimal)
{
    FormatSettings fs;
    fs.DecimalSeparator = decimal;
    fs.ThousandSeparator = decimal == u',' ? u'.' : u',';
    return fs;
}

const FormatSettings& CurrentFormatSettings()
{
    auto& current = CurrentStorage();
    if (!current)
        current = FormatSettings::FromSystemLocale();
    return *current;
}

void SetCurrentFormatSettings(const FormatSettings& settings)
{
    CurrentStorage() = settings;
}

TFormatSettingsOverride::TFormatSettingsOverride(const FormatSettings& settings)
    : FSaved(CurrentFormatSettings())
{
    SetCurrentFormatSettings(settings);
}

TFormatSettingsOverride::~TFormatSettingsOverride()
{
    SetCurrentFormatSettings(FSaved);
}
