#include "base/StrToFloat.h"

#include "base/ERAVazoError.h"

#include <charconv>
#include <string>

namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Checks the grammar and rewrites the number into plain ASCII with "." so
// that std::from_chars (locale-independent) can convert it.
std::optional<std::string> Normalise(const QString& text, QChar decimal)
{
    const QString t = text.trimmed();
    std::string out;
    out.reserve(static_cast<size_t>(t.size()));
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == u'+' || t[i] == u'-')) {
        if (t[i] == u'-')
            out += '-';
        ++i;
    }
    int mantissaDigits = 0;
    while (i < n && IsAsciiDigit(t[i])) {
        out += static_cast<char>(t[i].unicode());
        ++i;
        ++mantissaDigits;
    }
    if (i < n && t[i] == decimal) {
        out += '.';
        ++i;
        while (i < n && IsAsciiDigit(t[i])) {
            out += static_cast<char>(t[i].unicode());
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        out += 'e';
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-')) {
            out += static_cast<char>(t[i].unicode());
            ++i;
        }
        int exponentDigits = 0;
        while (i < n && IsAsciiDigit(t[i])) {
            out += static_cast<char>(t[i].unicode());
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    return out;
}

// True when a number that from_chars found out of range is tiny rather
// than huge: its exponent is negative enough to make it underflow.
bool IsUnderflow(const std::string& number)
{
    const size_t e = number.find('e');
    if (e == std::string::npos)
        return false; // plain digits only overflow
    return number.size() > e + 1 && number[e + 1] == '-';
}

} // namespace

std::optional<double> TryStrToFloat(const QString& text, const FormatSettings& settings)
{
    const std::optional<std::string> number = Normalise(text, settings.DecimalSeparator);
    if (!number)
        return std::nullopt;
    double value = 0.0;
    const char* first = number->data();
    const char* last = first + number->size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // A value below the smallest double is zero; one above the largest is
        // no number we can hold.
        if (IsUnderflow(*number))
            return (*number)[0] == '-' ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (ec != std::errc() || ptr != last)
        return std::nullopt;
    return value;
}

std::optional<double> TryStrToFloat(const QString& text)
{
    return TryStrToFloat(text, CurrentFormatSettings());
}

double StrToFloat(const QString& text, const FormatSettings& settings)
{
    if (const auto value = TryStrToFloat(text, settings))
        return *value;
    throw EConvertError("'" + text.toStdString() + "' is not a valid floating point value");
}

double StrToFloat(const QString& text)
{
    return StrToFloat(text, CurrentFormatSettings());
}
