// The failures of formula evaluation. EXLFormula carries, besides the
// engine's exact English message, the error position: the number of
// characters from the start of the expression to the scan position when the
// error was raised (0 for a circular reference). EXLSyntax is malformed text,
// EXLUnknown a name or function that nothing resolved, EXLCircular a formula
// cell reached again while it is being evaluated. Formula cells tell these
// apart by class; the number editor reports them as editing errors.
#pragma once

#include "base/ERAVazoError.h"

#include <QString>

#include <string>

class EXLFormula : public ERAVazoError {
public:
    EXLFormula(const std::string& message, int position) : ERAVazoError(message), FPosition(position) {}
    EXLFormula(const QString& message, int position) : EXLFormula(message.toStdString(), position) {}
    EXLFormula(const char* message, int position) : EXLFormula(std::string(message), position) {}

    int GetPosition() const { return FPosition; }

private:
    int FPosition = 0;
};

class EXLSyntax : public EXLFormula {
public:
    using EXLFormula::EXLFormula;
};

class EXLUnknown : public EXLFormula {
public:
    using EXLFormula::EXLFormula;
};

class EXLCircular : public EXLFormula {
public:
    using EXLFormula::EXLFormula;
};

// The message texts (the details follow "Syntax Error: ").
namespace XLFormulaMessages {
inline constexpr const char* SyntaxError = "Syntax Error";
inline constexpr const char* MissingParen = "Missing ')'";
inline constexpr const char* TooManyParams = "Too Many Parameters";
inline constexpr const char* UnexpectedEnd = "Unexpected End";
inline constexpr const char* InvalidString = "Invalid String Constant";
inline constexpr const char* UnterminatedString = "Unterminated String";
inline constexpr const char* InvalidChar = "Invalid Character Constant";
inline constexpr const char* UnknownIdentifier = "Unknown Identifier";
inline constexpr const char* Circular = "Circular Reference";
}  // namespace XLFormulaMessages
