#include "base/DateTimeLenient.h"

#include "base/DateTimeParse.h"
#include "base/FormatSettings.h"

#include <QHash>
#include <QStringList>

#include <array>

namespace {

// The text cut into runs of letters and runs of digits, upper-cased; every
// other character only separates.
class TTokens {
public:
    explicit TTokens(const QString& text) : FText(text.toUpper()) {}

    // The next token, or an empty string at the end.
    QString Next()
    {
        while (FPos < FText.size() && !FText[FPos].isLetterOrNumber())
            ++FPos;
        const qsizetype start = FPos;
        if (FPos < FText.size()) {
            const bool letters = FText[FPos].isLetter();
            while (FPos < FText.size() && FText[FPos].isLetterOrNumber() && FText[FPos].isLetter() == letters)
                ++FPos;
        }
        return FText.mid(start, FPos - start);
    }

private:
    QString FText;
    qsizetype FPos = 0;
};

bool IsLetters(const QString& token)
{
    return !token.isEmpty() && token[0].isLetter();
}

// A digit token as a number; one too long for an int saturates, so that it
// is still "large" to the rules that follow.
int TokenNumber(const QString& token)
{
    bool ok = false;
    const int value = token.toInt(&ok);
    return ok ? value : 1000000000;
}

// The order in which the given letters first occur in the upper-cased
// pattern, each once.
QString FieldOrder(const QString& pattern, const QString& letters)
{
    QString order;
    for (QChar c : pattern.toUpper())
        if (letters.contains(c) && !order.contains(c))
            order += c;
    return order;
}

// Only the letters of a name: "ЯНВ." is matched as "ЯНВ".
QString Letters(const QString& name)
{
    QString out;
    for (QChar c : name)
        if (c.isLetter())
            out += c;
    return out.toUpper();
}

// The month names a run of letters is matched against, each with its month
// (1..12): long, short and "after a day" forms, in the locale and in US
// English. Made once per text, and only when the text has letters.
class TMonthNames {
public:
    explicit TMonthNames(const QLocale& locale) : FLocale(locale) {}

    // The month the upper-cased letters name, or 0.
    int MonthOf(const QString& token)
    {
        if (FNames.isEmpty())
            Build();
        return FNames.value(token, 0);
    }

private:
    void Build()
    {
        // Months are tried in their order: a name two months share is the earlier one's.
        for (int m = 1; m <= 12; ++m) {
            for (const QLocale& l : {FLocale, QLocale(QLocale::English, QLocale::UnitedStates)}) {
                for (const QString& name :
                     {l.monthName(m, QLocale::LongFormat), l.monthName(m, QLocale::ShortFormat),
                      l.standaloneMonthName(m, QLocale::LongFormat), l.standaloneMonthName(m, QLocale::ShortFormat),
                      l.toString(QDate(2000, m, 1), QStringLiteral("dd MMMM")).mid(3)}) {
                    const QString letters = Letters(name);
                    if (!letters.isEmpty() && !FNames.contains(letters))
                        FNames.insert(letters, m);
                }
            }
        }
    }

    const QLocale& FLocale;
    QHash<QString, int> FNames;
};

} // namespace

TDateTime TextToDate(const QString& text, const QLocale& locale, const QDate& today)
{
    if (text.trimmed().isEmpty())
        return 0;
    const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    QString order = FieldOrder(dateFormat, QStringLiteral("DMY"));
    int day = today.day();
    int month = today.month();
    int year = today.year();
    TTokens tokens(text);
    TMonthNames names(locale);
    for (int k = 0; k < 3; ++k) {
        QString token = tokens.Next();
        while (IsLetters(token)) {
            if (const int named = names.MonthOf(token)) {
                month = named;
                order.remove(u'M');
            }
            token = tokens.Next();
        }
        if (token.isEmpty() || order.isEmpty())
            continue;
        const int number = TokenNumber(token);
        QChar field = order[0];
        if (number >= 1000)
            field = u'Y';
        else if (number > 12 && field != u'Y')
            field = u'D';
        if (field == u'D')
            day = number;
        else if (field == u'M')
            month = number;
        else
            year = number;
        order.remove(field);
    }
    if (month > 12) {
        if (day <= 12)
            std::swap(day, month);
        else
            month = 1;
    }
    if (year >= 100)
        return TryEncodeDate(year, month, day).value_or(0);
    // A short year goes through the locale's own conversion, so it lands in
    // the same century a typed short date would.
    const FormatSettings settings = FormatSettings::FromLocale(locale);
    QStringList parts;
    for (QChar c : FieldOrder(dateFormat + QStringLiteral("DMY"), QStringLiteral("DMY")))
        parts << QString::number(c == u'D' ? day : c == u'M' ? month : year);
    return TryStrToDate(parts.join(settings.DateSeparator), settings).value_or(0);
}

TDateTime TextToDate(const QString& text, const QLocale& locale)
{
    return TextToDate(text, locale, QDate::currentDate());
}

TDateTime TextToTime(const QString& text, const QLocale& locale)
{
    QString order = FieldOrder(locale.timeFormat(QLocale::LongFormat), QStringLiteral("HMNSZ"));
    const QString am = locale.amText().toUpper();
    const QString pm = locale.pmText().toUpper();
    // -1 while no day half was seen, else 0 (morning) or 12 (afternoon).
    int dayHalf = -1;
    std::array<int, 4> values{}; // hours, minutes, seconds, milliseconds
    TTokens tokens(text);
    for (int k = 0; k < 4; ++k) {
        QString token = tokens.Next();
        while (IsLetters(token)) {
            if (dayHalf < 0) {
                if (token == am || token == u"AM" || token == u"A")
                    dayHalf = 0;
                else if (token == pm || token == u"PM" || token == u"P")
                    dayHalf = 12;
            }
            token = tokens.Next();
        }
        if (token.isEmpty() || order.isEmpty())
            continue;
        const QChar field = order[0];
        order.remove(0, 1);
        const size_t slot = field == u'H' ? 0 : (field == u'M' || field == u'N') ? 1 : field == u'S' ? 2 : 3;
        values[slot] = TokenNumber(token);
    }
    auto& [hours, minutes, seconds, msecs] = values;
    if (dayHalf == 12 && hours < 12)
        hours += 12;
    hours %= 24;
    if (minutes > 59)
        minutes = 0;
    if (seconds > 59)
        seconds = 0;
    while (msecs > 999)
        msecs /= 10;
    return TryEncodeTime(hours, minutes, seconds, msecs).value_or(0);
}
