#include "base/VariantOps.h"

#include "base/StrToFloat.h"
#include "base/VariantError.h"
#include "base/Variant_p.h"

#include <cmath>
#include <cstdint>
#include <limits>

using namespace VariantPrivate;

namespace {

constexpr int64_t MinInt64 = std::numeric_limits<int64_t>::min();
constexpr int32_t MinInt32 = std::numeric_limits<int32_t>::min();

enum class TArith { Add, Sub, Mul };
enum class TLogic { And, Or, Xor };

// An arithmetic operand as one of Integer, Double, Currency or DateTime.
Variant Numeric(const Variant& v)
{
    switch (v.VarType()) {
    case TVarType::Empty:
        return Variant(0);
    case TVarType::Boolean:
        return Variant(v.ToBoolean() ? -1 : 0);
    case TVarType::String:
        return Variant(v.ToDouble()); // raises for text that is not a number
    default:
        return v;
    }
}

// A whole-number operand of DIV, MOD, the shifts and the bitwise operators.
int64_t Whole(const Variant& v)
{
    switch (v.VarType()) {
    case TVarType::Integer:
    case TVarType::Boolean:
    case TVarType::Empty:
        return v.ToInteger();
    case TVarType::Currency:
        return CurrencyToInt64(v.ToCurrency());
    default:
        return DoubleToInt64(v.ToDouble(), v.VarType());
    }
}

bool IsBooleanText(const Variant& v)
{
    if (v.VarType() != TVarType::String)
        return false;
    const QString text = v.ToString();
    return text.compare(u"True", Qt::CaseInsensitive) == 0 || text.compare(u"False", Qt::CaseInsensitive) == 0;
}

// A result of infinity from finite operands is an overflow, not a value.
double Checked(double result, double a, double b)
{
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b))
        throw EOverflow("Floating point overflow");
    return result;
}

double Apply(TArith op, double a, double b)
{
    switch (op) {
    case TArith::Add:
        return a + b;
    case TArith::Sub:
        return a - b;
    case TArith::Mul:
        return a * b;
    }
    return 0.0;
}

// True when the result overflowed int64.
bool Apply(TArith op, int64_t a, int64_t b, int64_t& result)
{
    switch (op) {
    case TArith::Add:
        return __builtin_add_overflow(a, b, &result);
    case TArith::Sub:
        return __builtin_sub_overflow(a, b, &result);
    case TArith::Mul:
        return __builtin_mul_overflow(a, b, &result);
    }
    return true;
}

Variant DoubleArith(TArith op, const Variant& x, const Variant& y)
{
    const double a = x.ToDouble();
    const double b = y.ToDouble();
    return Variant(Checked(Apply(op, a, b), a, b));
}

// Product of two fixed-point values, rescaled with ties to even.
bool CurrencyProduct(int64_t a, int64_t b, int64_t& result)
{
    const __int128 p = static_cast<__int128>(a) * b;
    __int128 q = p / 10000;
    const __int128 r = p % 10000;
    const bool odd = q % 2 != 0;
    if (r > 5000 || (r == 5000 && odd))
        ++q;
    else if (r < -5000 || (r == -5000 && odd))
        --q;
    if (q < MinInt64 || q > std::numeric_limits<int64_t>::max())
        return false;
    result = static_cast<int64_t>(q);
    return true;
}

// x and y are numeric kinds (see Numeric).
Variant Arith(TArith op, const Variant& x, const Variant& y)
{
    const TVarType tx = x.VarType();
    const TVarType ty = y.VarType();
    if (tx == TVarType::DateTime || ty == TVarType::DateTime) {
        const Variant r = DoubleArith(op, x, y);
        // A moment shifted by a number is a moment; anything else is a number.
        if (op == TArith::Mul || (tx == TVarType::DateTime && ty == TVarType::DateTime))
            return r;
        return Variant::FromDateTime(r.ToDouble());
    }
    if (tx == TVarType::Double || ty == TVarType::Double)
        return DoubleArith(op, x, y);
    if (tx == TVarType::Currency || ty == TVarType::Currency) {
        int64_t r = 0;
        if (op != TArith::Mul) {
            if (!Apply(op, x.ToCurrency(), y.ToCurrency(), r))
                return Variant::FromCurrency(r);
        } else if (tx == TVarType::Currency && ty == TVarType::Currency) {
            if (CurrencyProduct(x.ToCurrency(), y.ToCurrency(), r))
                return Variant::FromCurrency(r);
        } else {
            const int64_t units = tx == TVarType::Currency ? x.ToCurrency() : y.ToCurrency();
            const int64_t factor = tx == TVarType::Currency ? y.ToInteger() : x.ToInteger();
            if (!__builtin_mul_overflow(units, factor, &r))
                return Variant::FromCurrency(r);
        }
        return DoubleArith(op, x, y); // beyond the fixed-point range
    }
    int64_t r = 0;
    Apply(op, static_cast<int64_t>(x.ToInteger()), static_cast<int64_t>(y.ToInteger()), r); // int32 operands: no int64 overflow
    return FromInt64(r);
}

bool AnyNull(const Variant& a, const Variant& b)
{
    return a.IsNull() || b.IsNull();
}

bool IsLogicalPair(const Variant& a, const Variant& b)
{
    const auto fits = [](const Variant& v) {
        return v.VarType() == TVarType::Boolean || v.IsEmpty() || IsBooleanText(v);
    };
    return (a.VarType() == TVarType::Boolean && fits(b)) || (b.VarType() == TVarType::Boolean && fits(a));
}

Variant Logic(TLogic op, const Variant& left, const Variant& right)
{
    if (AnyNull(left, right))
        return Variant::Null();
    if (IsLogicalPair(left, right)) {
        const bool a = left.ToBoolean();
        const bool b = right.ToBoolean();
        switch (op) {
        case TLogic::And:
            return Variant(a && b);
        case TLogic::Or:
            return Variant(a || b);
        case TLogic::Xor:
            return Variant(a != b);
        }
    }
    const int64_t a = Whole(left);
    const int64_t b = Whole(right);
    switch (op) {
    case TLogic::And:
        return FromInt64(a & b);
    case TLogic::Or:
        return FromInt64(a | b);
    case TLogic::Xor:
        break;
    }
    return FromInt64(a ^ b);
}

template <class T>
TVarCompareResult Order(T a, T b)
{
    if (a < b)
        return TVarCompareResult::LessThan;
    if (b < a)
        return TVarCompareResult::GreaterThan;
    return TVarCompareResult::Equal;
}

TVarCompareResult CompareText(const QString& a, const QString& b)
{
    const int c = QString::compare(a, b, Qt::CaseSensitive);
    return Order(c, 0);
}

// x and y are numeric kinds (see Numeric).
TVarCompareResult CompareNumbers(const Variant& x, const Variant& y)
{
    const TVarType tx = x.VarType();
    const TVarType ty = y.VarType();
    if (tx == TVarType::Integer && ty == TVarType::Integer)
        return Order(x.ToInteger(), y.ToInteger());
    const auto exact = [](TVarType t) { return t == TVarType::Integer || t == TVarType::Currency; };
    if (exact(tx) && exact(ty))
        return Order(x.ToCurrency(), y.ToCurrency());
    const double a = x.ToDouble();
    const double b = y.ToDouble();
    if (std::isnan(a) || std::isnan(b))
        return TVarCompareResult::Unordered;
    return Order(a, b);
}

} // namespace

Variant VarAdd(const Variant& left, const Variant& right)
{
    if (AnyNull(left, right))
        return Variant::Null();
    const TVarType tl = left.VarType();
    const TVarType tr = right.VarType();
    if (tl == TVarType::String && (tr == TVarType::String || tr == TVarType::Empty))
        return Variant(left.ToString() + right.ToString());
    if (tl == TVarType::Empty && tr == TVarType::String)
        return right;
    return Arith(TArith::Add, Numeric(left), Numeric(right));
}

Variant VarSub(const Variant& left, const Variant& right)
{
    if (AnyNull(left, right))
        return Variant::Null();
    return Arith(TArith::Sub, Numeric(left), Numeric(right));
}

Variant VarMul(const Variant& left, const Variant& right)
{
    if (AnyNull(left, right))
        return Variant::Null();
    return Arith(TArith::Mul, Numeric(left), Numeric(right));
}

Variant VarDiv(const Variant& left, const Variant& right)
{
    if (AnyNull(left, right))
        return Variant::Null();
    const double a = left.ToDouble();
    const double b = right.ToDouble();
    // 0/0 too: a spreadsheet shows a division by zero, not an invalid result.
    if (b == 0.0)
        throw EZeroDivide("Floating point division by zero");
    return Variant(Checked(a / b, a, b));
}

Variant VarIntDiv(const Variant& left, const Variant& right)
{
    if (AnyNull(left, right))
        return Variant::Null();
    const int64_t a = Whole(left);
    const int64_t b = Whole(right);
    if (b == 0)
        throw EZeroDivide("Division by zero");
    if (a == MinInt64 && b == -1)
        return Variant(-static_cast<double>(MinInt64));
    return FromInt64(a / b);
}

Variant VarMod(const Variant& left, const Variant& right)
{
    if (AnyNull(left, right))
        return Variant::Null();
    const int64_t a = Whole(left);
    const int64_t b = Whole(right);
    if (b == 0)
        throw EZeroDivide("Division by zero");
    if (b == -1)
        return Variant(0); // also keeps MinInt64 % -1 from trapping
    return FromInt64(a % b);
}

namespace {

Variant Shift(const Variant& left, const Variant& right, bool toLeft)
{
    if (AnyNull(left, right))
        return Variant::Null();
    const int64_t a = Whole(left);
    const int64_t count = Whole(right);
    // 32-bit values shift as 32-bit words (the count taken modulo 32), so
    // -1 SHR 28 is 15; wider values shift as 64-bit words.
    if (a >= MinInt32 && a <= std::numeric_limits<int32_t>::max()) {
        const uint32_t bits = static_cast<uint32_t>(static_cast<int32_t>(a));
        const unsigned n = static_cast<unsigned>(count & 31);
        return Variant(static_cast<int32_t>(toLeft ? bits << n : bits >> n));
    }
    const uint64_t bits = static_cast<uint64_t>(a);
    const unsigned n = static_cast<unsigned>(count & 63);
    return FromInt64(static_cast<int64_t>(toLeft ? bits << n : bits >> n));
}

} // namespace

Variant VarShl(const Variant& left, const Variant& right)
{
    return Shift(left, right, true);
}

Variant VarShr(const Variant& left, const Variant& right)
{
    return Shift(left, right, false);
}

Variant VarAnd(const Variant& left, const Variant& right)
{
    return Logic(TLogic::And, left, right);
}

Variant VarOr(const Variant& left, const Variant& right)
{
    return Logic(TLogic::Or, left, right);
}

Variant VarXor(const Variant& left, const Variant& right)
{
    return Logic(TLogic::Xor, left, right);
}

Variant VarNeg(const Variant& value)
{
    switch (value.VarType()) {
    case TVarType::Null:
        return value;
    case TVarType::Empty:
        return Variant(0);
    case TVarType::Boolean:
        return Variant(value.ToBoolean() ? 1 : 0);
    case TVarType::Integer: {
        const int32_t v = value.ToInteger();
        return v == MinInt32 ? Variant(-static_cast<double>(v)) : Variant(-v);
    }
    case TVarType::Currency: {
        const int64_t units = value.ToCurrency();
        return units == MinInt64 ? Variant(-value.ToDouble()) : Variant::FromCurrency(-units);
    }
    case TVarType::DateTime:
        return Variant::FromDateTime(-value.ToDateTime());
    case TVarType::String:
    case TVarType::Double:
        break;
    }
    return Variant(-value.ToDouble());
}

Variant VarNot(const Variant& value)
{
    if (value.IsNull())
        return value;
    if (value.VarType() == TVarType::Boolean || IsBooleanText(value))
        return Variant(!value.ToBoolean());
    return FromInt64(~Whole(value));
}

TVarCompareResult VarCompare(const Variant& left, const Variant& right)
{
    const TVarType tl = left.VarType();
    const TVarType tr = right.VarType();
    if (tl == TVarType::Null || tr == TVarType::Null)
        return tl == tr ? TVarCompareResult::Equal : TVarCompareResult::Unordered;
    if (tl == TVarType::String || tr == TVarType::String) {
        if (tl == tr || tl == TVarType::Empty || tr == TVarType::Empty)
            return CompareText(left.ToString(), right.ToString());
        const bool stringLeft = tl == TVarType::String;
        const Variant& number = stringLeft ? right : left;
        if (const auto parsed = TryStrToFloat(stringLeft ? left.ToString() : right.ToString())) {
            const Variant text(*parsed);
            return stringLeft ? CompareNumbers(text, Numeric(number)) : CompareNumbers(Numeric(number), text);
        }
        return CompareText(left.ToString(), right.ToString());
    }
    return CompareNumbers(Numeric(left), Numeric(right));
}

bool VarCompareOp(const Variant& left, const Variant& right, TVarCompareOp op)
{
    const TVarCompareResult r = VarCompare(left, right);
    switch (op) {
    case TVarCompareOp::Equal:
        return r == TVarCompareResult::Equal;
    case TVarCompareOp::Less:
        return r == TVarCompareResult::LessThan;
    case TVarCompareOp::Greater:
        return r == TVarCompareResult::GreaterThan;
    case TVarCompareOp::LessEqual:
        return r == TVarCompareResult::LessThan || r == TVarCompareResult::Equal;
    case TVarCompareOp::GreaterEqual:
        return r == TVarCompareResult::GreaterThan || r == TVarCompareResult::Equal;
    case TVarCompareOp::NotEqual:
        break;
    }
    return r != TVarCompareResult::Equal;
}
