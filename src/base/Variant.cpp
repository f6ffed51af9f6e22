#include "base/Variant.h"

#include "base/FormatSettings.h"
#include "base/StrToFloat.h"
#include "base/VariantDateTime.h"
#include "base/VariantError.h"
#include "base/Variant_p.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace VariantPrivate {

void RaiseCast(TVarType from, TVarType to)
{
    throw EVariantError(std::string("Could not convert variant of type (") + Variant::VarTypeName(from)
                        + ") into type (" + Variant::VarTypeName(to) + ")");
}

void RaiseTextCast(const QString& text, TVarType to)
{
    const char* what = to == TVarType::Boolean ? "is neither True, False nor a number" : "is not a number";
    throw EVariantError(std::string("Could not convert variant of type (String) into type (")
                        + Variant::VarTypeName(to) + "): '" + text.toStdString() + "' " + what);
}

void RaiseOverflow(TVarType from, const char* toName)
{
    throw EVariantError(std::string("Overflow while converting variant of type (") + Variant::VarTypeName(from)
                        + ") into type (" + toName + ")");
}

int64_t DoubleToInt64(double value, TVarType from)
{
    if (std::isnan(value))
        RaiseCast(from, TVarType::Integer);
    // nearbyint rounds in the current mode, which is to nearest, ties to even.
    const double r = std::nearbyint(value);
    if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0))
        RaiseOverflow(from, "Int64");
    return static_cast<int64_t>(r);
}

int64_t CurrencyToInt64(int64_t units)
{
    int64_t q = units / 10000;
    const int64_t r = units % 10000; // carries the sign of units
    const bool odd = q % 2 != 0;
    if (r > 5000 || (r == 5000 && odd))
        ++q;
    else if (r < -5000 || (r == -5000 && odd))
        --q;
    return q;
}

int64_t DoubleToCurrency(double value, TVarType from)
{
    if (std::isnan(value))
        RaiseCast(from, TVarType::Currency);
    // The largest currency is 922337203685477.5807; the exact check is below.
    if (!(std::fabs(value) < 922337203685478.0))
        RaiseOverflow(from, "Currency");
    if (value == 0.0)
        return 0;
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    const std::string text(buf, res.ptr);
    const size_t e = text.find('e');
    std::string digits;
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            digits += text[i];
    const int exponent = std::stoi(text.substr(e + 1));
    const int len = static_cast<int>(digits.size());
    // value = digits × 10^(exponent - len + 1); units = value × 10^4.
    const int shift = exponent - len + 1 + 4;
    unsigned __int128 units = 0;
    if (shift >= 0) {
        for (char d : digits)
            units = units * 10 + static_cast<unsigned>(d - '0');
        for (int i = 0; i < shift; ++i)
            units *= 10;
    } else {
        const int keep = len + shift; // digits before the rounding position
        for (int i = 0; i < keep; ++i)
            units = units * 10 + static_cast<unsigned>(digits[static_cast<size_t>(i)] - '0');
        if (keep >= 0) {
            const char first = digits[static_cast<size_t>(keep)];
            const bool moreAfter = digits.find_first_not_of('0', static_cast<size_t>(keep) + 1) != std::string::npos;
            if (first > '5' || (first == '5' && (moreAfter || units % 2 != 0)))
                ++units;
        }
    }
    const bool negative = value < 0;
    const unsigned __int128 limit = negative ? (unsigned __int128)1 << 63 : ((unsigned __int128)1 << 63) - 1;
    if (units > limit)
        RaiseOverflow(from, "Currency");
    return negative ? static_cast<int64_t>(-static_cast<__int128>(units)) : static_cast<int64_t>(units);
}

Variant FromInt64(int64_t value)
{
    if (value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max())
        return Variant(static_cast<int32_t>(value));
    return Variant(static_cast<double>(value));
}

} // namespace VariantPrivate

using namespace VariantPrivate;

namespace {

// General format with 15 significant digits: plain notation while the
// integer part has at most 15 digits and the value is at least 1E-4,
// scientific ("1.5E20", "1E-5") otherwise; trailing zeros dropped.
QString DoubleToText(double value, QChar decimal)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0.0)
        return QStringLiteral("0");
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    const std::string text(buf, res.ptr);
    const size_t e = text.find('e');
    std::string digits;
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            digits += text[i];
    digits.erase(digits.find_last_not_of('0') + 1);
    const int exponent = std::stoi(text.substr(e + 1));
    const int point = exponent + 1; // digits before the decimal separator

    QString out;
    if (value < 0)
        out += u'-';
    if (point > 15 || point < -3) {
        out += QLatin1Char(digits[0]);
        if (digits.size() > 1) {
            out += decimal;
            out += QLatin1StringView(digits.data() + 1, static_cast<qsizetype>(digits.size() - 1));
        }
        out += u'E';
        out += QString::number(exponent);
        return out;
    }
    if (point <= 0) {
        out += u'0';
        out += decimal;
        out += QString(-point, u'0');
        out += QLatin1StringView(digits.data(), static_cast<qsizetype>(digits.size()));
        return out;
    }
    const size_t whole = static_cast<size_t>(point);
    if (digits.size() <= whole) {
        out += QLatin1StringView(digits.data(), static_cast<qsizetype>(digits.size()));
        out += QString(static_cast<qsizetype>(whole - digits.size()), u'0');
    } else {
        out += QLatin1StringView(digits.data(), static_cast<qsizetype>(whole));
        out += decimal;
        out += QLatin1StringView(digits.data() + whole, static_cast<qsizetype>(digits.size() - whole));
    }
    return out;
}

// The exact decimal text of a currency, trailing zeros of the fraction dropped.
QString CurrencyToText(int64_t units, QChar decimal)
{
    const bool negative = units < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(units) : static_cast<uint64_t>(units);
    QString out;
    if (negative)
        out += u'-';
    out += QString::number(magnitude / 10000);
    uint64_t fraction = magnitude % 10000;
    if (fraction != 0) {
        int width = 4;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --width;
        }
        out += decimal;
        out += QStringLiteral("%1").arg(fraction, width, 10, QChar(u'0'));
    }
    return out;
}

double ParseNumber(const QString& text, TVarType to)
{
    if (const auto value = TryStrToFloat(text))
        return *value;
    RaiseTextCast(text, to);
}

int32_t DoubleToInt32(double value, TVarType from)
{
    if (std::isnan(value))
        RaiseCast(from, TVarType::Integer);
    const double r = std::nearbyint(value); // ties to even
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        RaiseOverflow(from, "Integer");
    return static_cast<int32_t>(r);
}

} // namespace

Variant Variant::Null()
{
    Variant v;
    v.FValue.emplace<1>();
    return v;
}

Variant Variant::FromCurrency(int64_t units10000)
{
    Variant v;
    v.FValue.emplace<6>(TCurrencyUnits{units10000});
    return v;
}

Variant Variant::FromDateTime(double days)
{
    Variant v;
    v.FValue.emplace<7>(TDateTimeDays{days});
    return v;
}

const char* Variant::VarTypeName(TVarType type)
{
    switch (type) {
    case TVarType::Empty:
        return "Empty";
    case TVarType::Null:
        return "Null";
    case TVarType::String:
        return "String";
    case TVarType::Integer:
        return "Integer";
    case TVarType::Double:
        return "Double";
    case TVarType::Boolean:
        return "Boolean";
    case TVarType::Currency:
        return "Currency";
    case TVarType::DateTime:
        return "Date";
    }
    return "Unknown";
}

QString Variant::ToString() const
{
    switch (VarType()) {
    case TVarType::Empty:
    case TVarType::Null:
        return QString();
    case TVarType::String:
        return std::get<2>(FValue);
    case TVarType::Integer:
        return QString::number(std::get<3>(FValue));
    case TVarType::Double:
        return DoubleToText(std::get<4>(FValue), CurrentFormatSettings().DecimalSeparator);
    case TVarType::Boolean:
        return std::get<5>(FValue) ? QStringLiteral("True") : QStringLiteral("False");
    case TVarType::Currency:
        return CurrencyToText(std::get<6>(FValue).Units, CurrentFormatSettings().DecimalSeparator);
    case TVarType::DateTime:
        return VarDateTimeToStr(std::get<7>(FValue).Days, CurrentFormatSettings());
    }
    return QString();
}

int32_t Variant::ToInteger() const
{
    switch (VarType()) {
    case TVarType::Empty:
        return 0;
    case TVarType::Null:
        break;
    case TVarType::String:
        return DoubleToInt32(ParseNumber(std::get<2>(FValue), TVarType::Integer), TVarType::String);
    case TVarType::Integer:
        return std::get<3>(FValue);
    case TVarType::Double:
        return DoubleToInt32(std::get<4>(FValue), TVarType::Double);
    case TVarType::Boolean:
        return std::get<5>(FValue) ? -1 : 0;
    case TVarType::Currency: {
        const int64_t whole = CurrencyToInt64(std::get<6>(FValue).Units);
        if (whole < std::numeric_limits<int32_t>::min() || whole > std::numeric_limits<int32_t>::max())
            RaiseOverflow(TVarType::Currency, "Integer");
        return static_cast<int32_t>(whole);
    }
    case TVarType::DateTime:
        return DoubleToInt32(std::get<7>(FValue).Days, TVarType::DateTime);
    }
    RaiseCast(VarType(), TVarType::Integer);
}

// A real number, the same for doubles and date-times; `as` names the kind
// in the conversion error.
double Variant::ToReal(TVarType as) const
{
    switch (VarType()) {
    case TVarType::Empty:
        return 0.0;
    case TVarType::Null:
        break;
    case TVarType::String:
        return ParseNumber(std::get<2>(FValue), as);
    case TVarType::Integer:
        return std::get<3>(FValue);
    case TVarType::Double:
        return std::get<4>(FValue);
    case TVarType::Boolean:
        return std::get<5>(FValue) ? -1.0 : 0.0;
    case TVarType::Currency:
        return static_cast<double>(std::get<6>(FValue).Units) / 10000.0;
    case TVarType::DateTime:
        return std::get<7>(FValue).Days;
    }
    RaiseCast(VarType(), as);
}

double Variant::ToDouble() const
{
    return ToReal(TVarType::Double);
}

bool Variant::ToBoolean() const
{
    switch (VarType()) {
    case TVarType::Empty:
        return false;
    case TVarType::Null:
        break;
    case TVarType::String: {
        const QString& text = std::get<2>(FValue);
        if (text.compare(u"True", Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(u"False", Qt::CaseInsensitive) == 0)
            return false;
        return ParseNumber(text, TVarType::Boolean) != 0.0;
    }
    case TVarType::Integer:
        return std::get<3>(FValue) != 0;
    case TVarType::Double:
        return std::get<4>(FValue) != 0.0;
    case TVarType::Boolean:
        return std::get<5>(FValue);
    case TVarType::Currency:
        return std::get<6>(FValue).Units != 0;
    case TVarType::DateTime:
        return std::get<7>(FValue).Days != 0.0;
    }
    RaiseCast(VarType(), TVarType::Boolean);
}

int64_t Variant::ToCurrency() const
{
    switch (VarType()) {
    case TVarType::Empty:
        return 0;
    case TVarType::Null:
        break;
    case TVarType::String:
        return DoubleToCurrency(ParseNumber(std::get<2>(FValue), TVarType::Currency), TVarType::String);
    case TVarType::Integer:
        return static_cast<int64_t>(std::get<3>(FValue)) * 10000;
    case TVarType::Double:
        return DoubleToCurrency(std::get<4>(FValue), TVarType::Double);
    case TVarType::Boolean:
        return std::get<5>(FValue) ? -10000 : 0;
    case TVarType::Currency:
        return std::get<6>(FValue).Units;
    case TVarType::DateTime:
        return DoubleToCurrency(std::get<7>(FValue).Days, TVarType::DateTime);
    }
    RaiseCast(VarType(), TVarType::Currency);
}

double Variant::ToDateTime() const
{
    return ToReal(TVarType::DateTime);
}

bool Variant::operator==(const Variant& other) const
{
    return FValue == other.FValue;
}
