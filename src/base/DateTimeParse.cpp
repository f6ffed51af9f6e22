#include "base/DateTimeParse.h"

#include "base/ERAVazoError.h"

#include <QDate>

#include <array>

namespace {

// The order in which d, m and y first appear in the short date format;
// letters the format lacks follow in the order d, m, y.
std::array<char, 3> DateFieldOrder(const QString& shortDateFormat)
{
    std::array<char, 3> order{};
    int count = 0;
    auto add = [&](char letter) {
        for (int k = 0; k < count; ++k)
            if (order[static_cast<size_t>(k)] == letter)
                return;
        order[static_cast<size_t>(count++)] = letter;
    };
    QChar quote;
    for (QChar c : shortDateFormat) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'"' || c == u'\'') {
            quote = c;
            continue;
        }
        const QChar lower = c.toLower();
        if (lower == u'd' || lower == u'm' || lower == u'y')
            add(static_cast<char>(lower.unicode()));
    }
    for (char letter : {'d', 'm', 'y'})
        add(letter);
    return order;
}

struct TNumber {
    int Value = 0;
    int Digits = 0;
};

// A cursor over the text; every Scan… skips blanks first and moves only on
// success.
class TDateTimeScanner {
public:
    TDateTimeScanner(const QString& text, const FormatSettings& settings) : FText(text), FSettings(settings) {}

    bool AtEnd()
    {
        SkipBlanks();
        return FPos == FText.size();
    }
    // Skips blanks and says whether there were any.
    bool SkipBlanks()
    {
        const qsizetype start = FPos;
        while (FPos < FText.size() && FText[FPos].isSpace())
            ++FPos;
        return FPos > start;
    }
    std::optional<TDateTime> ScanDate();
    std::optional<TDateTime> ScanTime();

private:
    std::optional<TNumber> ScanNumber(int maxDigits);
    bool ScanChar(QChar c);
    bool ScanWord(const QString& word);
    // 0 for a morning marker, 12 for an afternoon one, -1 for none.
    int ScanDayHalf();

    const QString& FText;
    const FormatSettings& FSettings;
    qsizetype FPos = 0;
};

std::optional<TNumber> TDateTimeScanner::ScanNumber(int maxDigits)
{
    SkipBlanks();
    TNumber number;
    qsizetype p = FPos;
    while (p < FText.size() && FText[p] >= u'0' && FText[p] <= u'9') {
        if (++number.Digits > maxDigits)
            return std::nullopt;
        number.Value = number.Value * 10 + (FText[p].unicode() - u'0');
        ++p;
    }
    if (number.Digits == 0)
        return std::nullopt;
    FPos = p;
    return number;
}

bool TDateTimeScanner::ScanChar(QChar c)
{
    SkipBlanks();
    if (FPos < FText.size() && FText[FPos] == c) {
        ++FPos;
        return true;
    }
    return false;
}

bool TDateTimeScanner::ScanWord(const QString& word)
{
    SkipBlanks();
    if (word.isEmpty() || FText.mid(FPos, word.size()).compare(word, Qt::CaseInsensitive) != 0)
        return false;
    FPos += word.size();
    return true;
}

int TDateTimeScanner::ScanDayHalf()
{
    if (ScanWord(FSettings.TimeAMString) || ScanWord(QStringLiteral("AM")))
        return 0;
    if (ScanWord(FSettings.TimePMString) || ScanWord(QStringLiteral("PM")))
        return 12;
    return -1;
}

std::optional<TDateTime> TDateTimeScanner::ScanDate()
{
    const qsizetype start = FPos;
    TNumber numbers[3];
    int count = 0;
    // Four digits at most: a year; day and month are checked below.
    if (const auto first = ScanNumber(4))
        numbers[count++] = *first;
    bool dangling = false; // a separator with no number after it
    while (count > 0 && count < 3 && ScanChar(FSettings.DateSeparator)) {
        const auto next = ScanNumber(4);
        if (!next) {
            dangling = true;
            break;
        }
        numbers[count++] = *next;
    }
    if (count < 2 || dangling) {
        FPos = start;
        return std::nullopt;
    }
    const std::array<char, 3> order = DateFieldOrder(FSettings.ShortDateFormat);
    TNumber day, month, year;
    bool haveYear = false;
    int next = 0;
    for (char field : order) {
        if (field == 'y' && count == 2)
            continue; // two numbers: day and month of this year
        const TNumber& number = numbers[next++];
        if (field == 'd')
            day = number;
        else if (field == 'm')
            month = number;
        else {
            year = number;
            haveYear = true;
        }
    }
    const int currentYear = QDate::currentDate().year();
    int fullYear = currentYear;
    if (haveYear)
        fullYear = year.Digits <= 2 ? ExpandTwoDigitYear(year.Value, currentYear) : year.Value;
    std::optional<TDateTime> date;
    if (day.Digits <= 2 && month.Digits <= 2)
        date = TryEncodeDate(fullYear, month.Value, day.Value);
    if (!date)
        FPos = start;
    return date;
}

std::optional<TDateTime> TDateTimeScanner::ScanTime()
{
    const qsizetype start = FPos;
    auto fail = [&]() -> std::optional<TDateTime> {
        FPos = start;
        return std::nullopt;
    };
    int baseHour = ScanDayHalf();
    const auto hour = ScanNumber(2);
    if (!hour)
        return fail();
    int minute = 0;
    int second = 0;
    int msec = 0;
    bool haveMinutes = false;
    if (ScanChar(FSettings.TimeSeparator)) {
        const auto m = ScanNumber(2);
        if (!m)
            return fail();
        minute = m->Value;
        haveMinutes = true;
        if (ScanChar(FSettings.TimeSeparator)) {
            const auto s = ScanNumber(2);
            if (!s)
                return fail();
            second = s->Value;
            if (ScanChar(FSettings.DecimalSeparator)) {
                const auto z = ScanNumber(3);
                if (!z)
                    return fail();
                msec = z->Value * (z->Digits == 1 ? 100 : z->Digits == 2 ? 10 : 1);
            }
        }
    }
    if (baseHour < 0)
        baseHour = ScanDayHalf();
    int h = hour->Value;
    if (baseHour >= 0) {
        if (h == 0 || h > 12)
            return fail();
        h = h % 12 + baseHour; // 12 AM is midnight, 12 PM noon
    } else if (!haveMinutes) {
        return fail();
    }
    const auto time = TryEncodeTime(h, minute, second, msec);
    if (!time)
        return fail();
    return time;
}

[[noreturn]] void RaiseNotValid(const QString& text, const char* what)
{
    throw EConvertError("'" + text.toStdString() + "' is not a valid " + what);
}

} // namespace

int ExpandTwoDigitYear(int twoDigitYear, int currentYear)
{
    const int windowStart = currentYear - 50;
    int year = windowStart / 100 * 100 + twoDigitYear;
    if (year < windowStart)
        year += 100;
    return year;
}

std::optional<TDateTime> TryStrToDate(const QString& text, const FormatSettings& settings)
{
    TDateTimeScanner scanner(text, settings);
    const auto date = scanner.ScanDate();
    if (!date || !scanner.AtEnd())
        return std::nullopt;
    return date;
}

std::optional<TDateTime> TryStrToTime(const QString& text, const FormatSettings& settings)
{
    TDateTimeScanner scanner(text, settings);
    const auto time = scanner.ScanTime();
    if (!time || !scanner.AtEnd())
        return std::nullopt;
    return time;
}

std::optional<TDateTime> TryStrToDateTime(const QString& text, const FormatSettings& settings)
{
    TDateTimeScanner scanner(text, settings);
    if (const auto date = scanner.ScanDate()) {
        // The time must stand apart from the year ("1/2/2023 5:00", not "1/2/20235:00").
        const bool blank = scanner.SkipBlanks();
        if (scanner.AtEnd())
            return date;
        if (!blank)
            return std::nullopt;
        const auto time = scanner.ScanTime();
        if (!time || !scanner.AtEnd())
            return std::nullopt;
        return ComposeDateTime(*date, *time);
    }
    return TryStrToTime(text, settings);
}

std::optional<TDateTime> TryStrToDate(const QString& text)
{
    return TryStrToDate(text, CurrentFormatSettings());
}

std::optional<TDateTime> TryStrToTime(const QString& text)
{
    return TryStrToTime(text, CurrentFormatSettings());
}

std::optional<TDateTime> TryStrToDateTime(const QString& text)
{
    return TryStrToDateTime(text, CurrentFormatSettings());
}

TDateTime StrToDate(const QString& text, const FormatSettings& settings)
{
    if (const auto value = TryStrToDate(text, settings))
        return *value;
    RaiseNotValid(text, "date");
}

TDateTime StrToTime(const QString& text, const FormatSettings& settings)
{
    if (const auto value = TryStrToTime(text, settings))
        return *value;
    RaiseNotValid(text, "time");
}

TDateTime StrToDateTime(const QString& text, const FormatSettings& settings)
{
    if (const auto value = TryStrToDateTime(text, settings))
        return *value;
    RaiseNotValid(text, "date and time");
}

TDateTime StrToDate(const QString& text)
{
    return StrToDate(text, CurrentFormatSettings());
}

TDateTime StrToTime(const QString& text)
{
    return StrToTime(text, CurrentFormatSettings());
}

TDateTime StrToDateTime(const QString& text)
{
    return StrToDateTime(text, CurrentFormatSettings());
}
