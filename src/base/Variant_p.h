// Helpers shared by the Variant conversions and the variant operators:
// the error raisers with their messages and the exact integer roundings.
// Private to src/base/Variant*.cpp.
#pragma once

#include "base/Variant.h"

#include <cstdint>

namespace VariantPrivate {

[[noreturn]] void RaiseCast(TVarType from, TVarType to);
[[noreturn]] void RaiseTextCast(const QString& text, TVarType to);
[[noreturn]] void RaiseOverflow(TVarType from, const char* toName);

// Rounds half to even; raises an overflow when the result leaves int64.
int64_t DoubleToInt64(double value, TVarType from);
// The currency's whole part, rounded half to even.
int64_t CurrencyToInt64(int64_t units);
// Units of 1/10000 of the double's shortest decimal text, rounded half to
// even, so 0.00015 gives 2 although the double is slightly below it.
int64_t DoubleToCurrency(double value, TVarType from);

// An Integer when it fits, else a Double (integer arithmetic that overflows
// int32 carries on in floating point).
Variant FromInt64(int64_t value);

} // namespace VariantPrivate
