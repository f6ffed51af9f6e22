// TXLCalculator: the one-pass evaluator of formula texts. It scans and
// evaluates at the same time by recursive descent over five levels
// (comparison, additive, multiplicative, unary, primary), on Variant values
// with the variant operators; an empty operand counts as 0. Names are
// resolved when they are met: functions and variables through the manager
// (registered routines, then the sheet's OnFunction/OnVariable events and
// its DefFunction/DefVariable, which reads cell names such as "B2"). Numbers
// use the locale's decimal separator; the list separator is "," or, where
// the decimal separator is ",", ";". In syntax-only mode names are resolved
// but no operator is applied. Failures are EXLFormula errors carrying the
// scan position (XLFormulaErrors.h). One object serves one evaluation; it
// does not own its sheet (which may be null: only registered names resolve).
#pragma once

#include "base/Variant.h"

#include <QString>

#include <cstdint>

class TXLSheet;

// The scanner's token codes.
enum TXLToken : uint8_t {
    tkEnd = 0,           // end of the expression (or a character that ends it)
    tkInvalid = 1,       // the separator the locale does not allow, a malformed exponent
    tkOpen = 2,          // (
    tkClose = 3,         // )
    tkListSep = 4,       // , or ;
    tkNumber = 5,
    tkReference = 6,     // a name that starts with $ or contains ':' ("$A$1", "A1:B2")
    tkString = 7,        // '…', #n, ^X
    tkIdent = 8,
    tkMul = 9,           // *
    tkDivide = 10,       // /
    tkDiv = 11,          // DIV
    tkMod = 12,          // MOD
    tkShl = 13,          // SHL
    tkShr = 14,          // SHR
    tkAnd = 15,          // AND
    tkNot = 16,          // NOT
    tkPlus = 17,         // +
    tkMinus = 18,        // -
    tkOr = 19,           // OR
    tkXor = 20,          // XOR
    tkEqual = 21,        // =
    tkLess = 22,         // <
    tkGreater = 23,      // >
    tkLessEqual = 24,    // <=
    tkGreaterEqual = 25, // >=
    tkNotEqual = 26,     // <>
};

// The binding strength of the binary operators: a level reads its operands
// from the next stronger one.
enum TXLPrecedence : uint8_t { pcNone, pcComparison, pcAdditive, pcMultiplicative };
TXLPrecedence XLPrecedenceOf(TXLToken token);

class TXLCalculator {
public:
    static constexpr int MaxParams = 10;
    // Deeper nesting of parentheses and unary operators is refused as a
    // syntax error rather than exhausting the stack. With a sheet the budget
    // is the sheet's, shared with the formula cells being evaluated, each of
    // which takes CellNesting of it.
    static constexpr int MaxNesting = 512;
    static constexpr int CellNesting = 2;

    TXLCalculator(TXLSheet* sheet, bool syntaxOnly);

    // Evaluates text. An expression without any token leaves result as it
    // was. Raises EXLSyntax, EXLUnknown, and whatever resolving a name or
    // applying an operator raises (EZeroDivide, EVariantError, …).
    void Calculate(const QString& text, Variant& result);
    Variant Calculate(const QString& text);

    // The scanner on its own: SetText, then NextToken until tkEnd.
    void SetText(const QString& text);
    TXLToken NextToken();
    TXLToken GetToken() const { return FToken; }
    // The identifier, reference or string-constant text of the current token.
    const QString& GetTokenText() const { return FTokenText; }
    // The value of the current number token (a double).
    const Variant& GetNumber() const { return FNumber; }
    // Characters scanned so far: the position errors report.
    int GetPosition() const { return static_cast<int>(FPos); }

private:
    QChar Peek() const;
    void ScanNumber();
    void ScanName();
    void ScanString();
    // The list separator under the current locale, and the one it rejects.
    static QChar ListSeparator();
    static QChar OtherSeparator();

    void Comparison(Variant& result);
    void Additive(Variant& result);
    void Multiplicative(Variant& result);
    void Unary(Variant& result);
    void Primary(Variant& result);
    void CallFunction(const QString& name, Variant& result);
    void ReadVariable(const QString& name, Variant& result);

    [[noreturn]] void SyntaxError(const char* detail = nullptr) const;
    [[noreturn]] void UnknownError(const QString& name) const;

    TXLSheet* FSheet = nullptr;
    bool FSyntaxOnly = false;
    QString FText;
    qsizetype FPos = 0;
    int FOwnNesting = 0;
    // The sheet's shared budget, or FOwnNesting without a sheet.
    int& FNesting;
    TXLToken FToken = tkEnd;
    QString FTokenText;
    Variant FNumber;
};
