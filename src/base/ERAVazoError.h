// The grid engine's failure: an operation on the sheet model, a stream or a
// file could not be done. The message is the engine's exact English text.
// EConvertError is the base library's failure to convert text to a number
// or a value from one kind to another (the handlers catch it as bad input).
#pragma once

#include <stdexcept>
#include <string>

class EBaseError : public std::runtime_error {
public:
    explicit EBaseError(const std::string& message) : std::runtime_error(message) {}
};

class ERAVazoError : public EBaseError {
public:
    explicit ERAVazoError(const std::string& message) : EBaseError(message) {}
};

class EConvertError : public EBaseError {
public:
    explicit EConvertError(const std::string& message) : EBaseError(message) {}
};
