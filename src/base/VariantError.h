// Failures raised by Variant conversions and by the variant operators the
// formula calculator applies. EVariantError is a conversion failure (text
// that is not a number, Null where a number is needed, a value too large for
// the target kind), so the handlers that catch EConvertError as bad input
// catch it too. EZeroDivide and EOverflow are arithmetic failures; formula
// cells tell division by zero apart from other errors by the class.
#pragma once

#include "base/ERAVazoError.h"

class EVariantError : public EConvertError {
public:
    explicit EVariantError(const std::string& message) : EConvertError(message) {}
};

class EZeroDivide : public EBaseError {
public:
    explicit EZeroDivide(const std::string& message) : EBaseError(message) {}
};

class EOverflow : public EBaseError {
public:
    explicit EOverflow(const std::string& message) : EBaseError(message) {}
};
