#include "base/FormatDateTime.h"

#include <QLocale>

#include <algorithm>

namespace {

// The locale formats that "c", "ddddd", "t" … insert are patterns too; they
// are expanded one level deep so that a format naming itself cannot recurse.
constexpr int MaxNesting = 2;

bool StartsWithNoCase(const QString& text, qsizetype at, QLatin1StringView word)
{
    return at + word.size() <= text.size() && text.mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

bool IsAmPmAt(const QString& pattern, qsizetype at)
{
    return StartsWithNoCase(pattern, at, QLatin1StringView("am/pm")) || StartsWithNoCase(pattern, at, QLatin1StringView("a/p"))
        || StartsWithNoCase(pattern, at, QLatin1StringView("ampm"));
}

// Whether an hour specifier ending before `from` counts 1..12: an am/pm
// marker follows it before the next hour specifier, outside quotes.
bool AmPmFollows(const QString& pattern, qsizetype from)
{
    QChar quote;
    for (qsizetype i = from; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'h' || c == u'H') {
            return false;
        } else if ((c == u'a' || c == u'A') && IsAmPmAt(pattern, i)) {
            return true;
        }
    }
    return false;
}

QString Padded(int value, qsizetype width)
{
    return QStringLiteral("%1").arg(value, static_cast<int>(width), 10, QChar(u'0'));
}

// QDate numbers the days of the week Monday = 1 … Sunday = 7.
int QtDayOfWeek(const TDateTimeParts& parts)
{
    return parts.DayOfWeek == 1 ? 7 : parts.DayOfWeek - 1;
}

class TDateTimeFormatter {
public:
    TDateTimeFormatter(const TDateTimeParts& parts, const FormatSettings& settings) : FParts(parts), FSettings(settings) {}

    void Append(const QString& pattern);
    QString Result() const { return FOut; }

private:
    void AppendAmPm(const QString& pattern, qsizetype& i, bool& twelveHour);

    const TDateTimeParts& FParts;
    const FormatSettings& FSettings;
    QString FOut;
    int FLevel = 0;
};

void TDateTimeFormatter::AppendAmPm(const QString& pattern, qsizetype& i, bool& twelveHour)
{
    const bool pm = FParts.Hour >= 12;
    const QLocale names = QLocale::c();
    if (StartsWithNoCase(pattern, i, QLatin1StringView("am/pm"))) {
        FOut += pattern.mid(i + (pm ? 3 : 0), 2);
        i += 5;
        twelveHour = true;
    } else if (StartsWithNoCase(pattern, i, QLatin1StringView("a/p"))) {
        FOut += pattern[i + (pm ? 2 : 0)];
        i += 3;
        twelveHour = true;
    } else if (StartsWithNoCase(pattern, i, QLatin1StringView("ampm"))) {
        FOut += pm ? FSettings.TimePMString : FSettings.TimeAMString;
        i += 4;
        twelveHour = true;
    } else if (StartsWithNoCase(pattern, i, QLatin1StringView("aaaa"))) {
        FOut += names.dayName(QtDayOfWeek(FParts), QLocale::LongFormat);
        i += 4;
    } else if (StartsWithNoCase(pattern, i, QLatin1StringView("aaa"))) {
        FOut += names.dayName(QtDayOfWeek(FParts), QLocale::ShortFormat);
        i += 3;
    } else {
        FOut += pattern[i];
        ++i;
    }
}

void TDateTimeFormatter::Append(const QString& pattern)
{
    if (FLevel >= MaxNesting)
        return;
    ++FLevel;
    const QLocale names = QLocale::c();
    QChar lastLetter = u' ';   // upper-cased; "M" right after "H" means minutes
    bool twelveHour = false;   // an am/pm marker was written already
    const qsizetype n = pattern.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = pattern[i];
        QChar token = c.toUpper();
        const bool isLetter = token >= u'A' && token <= u'Z';
        if (isLetter) {
            if (token == u'M' && lastLetter == u'H')
                token = u'N';
            lastLetter = token;
        }
        qsizetype run = 1;
        if (isLetter)
            while (i + run < n && pattern[i + run].toUpper() == c.toUpper())
                ++run;
        switch (token.unicode()) {
        case u'Y':
            FOut += run <= 2 ? Padded(FParts.Year % 100, 2) : Padded(FParts.Year, 4);
            break;
        case u'M':
            if (run <= 2)
                FOut += Padded(FParts.Month, run);
            else
                FOut += names.monthName(FParts.Month, run == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            break;
        case u'D':
            if (run <= 2)
                FOut += Padded(FParts.Day, run);
            else if (run <= 4)
                FOut += names.dayName(QtDayOfWeek(FParts), run == 3 ? QLocale::ShortFormat : QLocale::LongFormat);
            else
                Append(run == 5 ? FSettings.ShortDateFormat : FSettings.LongDateFormat);
            break;
        case u'H': {
            int hour = FParts.Hour;
            if (twelveHour || AmPmFollows(pattern, i + run)) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            FOut += Padded(hour, std::min<qsizetype>(run, 2));
            break;
        }
        case u'N':
            FOut += Padded(FParts.Minute, std::min<qsizetype>(run, 2));
            break;
        case u'S':
            FOut += Padded(FParts.Second, std::min<qsizetype>(run, 2));
            break;
        case u'Z':
            FOut += Padded(FParts.MSec, std::min<qsizetype>(run, 3));
            break;
        case u'T':
            Append(run == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat);
            break;
        case u'C':
            Append(FSettings.ShortDateFormat);
            if (FParts.HasTime()) {
                FOut += u' ';
                Append(FSettings.LongTimeFormat);
            }
            break;
        case u'A':
            AppendAmPm(pattern, i, twelveHour);
            continue;
        case u'/':
            FOut += FSettings.DateSeparator;
            break;
        case u':':
            FOut += FSettings.TimeSeparator;
            break;
        case u'"':
        case u'\'': {
            qsizetype end = pattern.indexOf(c, i + 1);
            if (end < 0) // an unclosed quote runs to the end
                end = n;
            FOut += pattern.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        default:
            FOut += pattern.mid(i, run);
            break;
        }
        i += run;
    }
    --FLevel;
}

} // namespace

QString FormatDateTime(const QString& format, const TDateTimeParts& parts, const FormatSettings& settings)
{
    TDateTimeFormatter formatter(parts, settings);
    formatter.Append(format.isEmpty() ? QStringLiteral("c") : format);
    return formatter.Result();
}

QString FormatDateTime(const QString& format, TDateTime value, const FormatSettings& settings)
{
    return FormatDateTime(format, DecodeDateTime(value), settings);
}

QString FormatDateTime(const QString& format, TDateTime value)
{
    return FormatDateTime(format, value, CurrentFormatSettings());
}
