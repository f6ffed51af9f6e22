#include "cli/CliNumbers.h"

#include "base/StrToFloat.h"
#include "cli/CliError.h"

#include <charconv>
#include <cmath>
#include <limits>

double ParseCliNumber(const std::string& text, const std::string& what)
{
    static const FormatSettings pointSeparator = FormatSettings::WithDecimalSeparator(u'.');
    const auto value = TryStrToFloat(QString::fromStdString(text), pointSeparator);
    if (!value)
        throw ECliUsage(what + ": " + CliQuote(text) + " is not a number");
    if (std::fabs(*value) > std::numeric_limits<float>::max())
        throw ECliUsage(what + ": " + CliQuote(text) + " is out of the range of a 32-bit float");
    return *value;
}

float ParseCliFloat(const std::string& text, const std::string& what)
{
    return static_cast<float>(ParseCliNumber(text, what));
}

std::string FormatCliFloat(float value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value), std::chars_format::general, 9);
    return std::string(buf, res.ptr);
}

std::string FormatShortFloat(float value)
{
    if (!std::isfinite(value))
        return FormatCliFloat(value);
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

int ParseCliInt(const std::string& text, const std::string& what)
{
    int value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (text.empty() || ec != std::errc() || ptr != last)
        throw ECliUsage(what + ": " + CliQuote(text) + " is not a whole number");
    return value;
}
