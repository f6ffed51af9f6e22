// The operators of the formula calculator on Variant values.
//   Operands: Empty is 0 (and "" beside a string, false beside a Boolean);
//   Boolean is -1/0 in arithmetic; text is converted with StrToFloat and
//   raises EVariantError when it is not a number; Null in any operation
//   gives Null.
//   + - *: Integer with Integer stays Integer and goes on as Double when the
//   result leaves int32; Currency with Integer or Currency stays Currency
//   (Double on overflow); anything with Double is Double; a date-time plus or
//   minus a number stays a date-time, the difference of two is a Double.
//   String + String (or + Empty) concatenates.
//   /: always Double; a zero divisor raises EZeroDivide (never infinity), and
//   a finite result too large for a double raises EOverflow.
//   DIV MOD SHL SHR: on whole numbers (doubles rounded half to even); a zero
//   divisor raises EZeroDivide; MOD takes the sign of the dividend.
//   NOT AND OR XOR: logical on Booleans (and on "True"/"False" text beside a
//   Boolean), bitwise on whole numbers otherwise (NOT 0 = -1).
//   Comparison: numbers numerically; strings by text, case-sensitive; a
//   string against a number numerically when the string is a number, else
//   by text against the number's text. Null equals only Null and is
//   unordered against everything else, as is a NaN.
#pragma once

#include "base/Variant.h"

Variant VarAdd(const Variant& left, const Variant& right);
Variant VarSub(const Variant& left, const Variant& right);
Variant VarMul(const Variant& left, const Variant& right);
Variant VarDiv(const Variant& left, const Variant& right);
Variant VarIntDiv(const Variant& left, const Variant& right);
Variant VarMod(const Variant& left, const Variant& right);
Variant VarShl(const Variant& left, const Variant& right);
Variant VarShr(const Variant& left, const Variant& right); // logical (zero fill)
Variant VarAnd(const Variant& left, const Variant& right);
Variant VarOr(const Variant& left, const Variant& right);
Variant VarXor(const Variant& left, const Variant& right);
Variant VarNeg(const Variant& value);
Variant VarNot(const Variant& value);

enum class TVarCompareResult { LessThan = -1, Equal = 0, GreaterThan = 1, Unordered = 2 };
TVarCompareResult VarCompare(const Variant& left, const Variant& right);

// The six comparison operators of the calculator; an unordered pair is only
// "not equal".
enum class TVarCompareOp { Equal, Less, Greater, LessEqual, GreaterEqual, NotEqual };
bool VarCompareOp(const Variant& left, const Variant& right, TVarCompareOp op);
