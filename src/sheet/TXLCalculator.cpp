#include "sheet/TXLCalculator.h"

#include "base/Cp1251.h"
#include "base/FormatSettings.h"
#include "base/StrToFloat.h"
#include "base/VariantError.h"
#include "base/VariantOps.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLSheet.h"
#include "sheet/XLFormulaErrors.h"

#include <QByteArray>

#include <array>

namespace {

constexpr char16_t Blank = u' ';
// A #n constant names a 16-bit character.
constexpr unsigned MaxCharCode = 0xFFFF;

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool IsAsciiLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsNameChar(QChar c)
{
    return IsAsciiLetter(c) || IsDigit(c) || c == u'$';
}

// Strings are 8-bit text in the code page cp1251: the code of a #n constant
// is that byte, and a wide character (above 255) first becomes its byte in
// the code page ("?" when it has none, as the system's conversion does).
QChar Cp1251CodeChar(unsigned code)
{
    if (code <= 0xFF)
        return Cp1251Char(static_cast<unsigned char>(code));
    bool lossless = false;
    const QByteArray bytes = Encode1251(QString(QChar(static_cast<char16_t>(code))), &lossless);
    return Cp1251Char(lossless && bytes.size() == 1 ? static_cast<unsigned char>(bytes[0]) : '?');
}

struct TKeyword {
    const char16_t* Name;
    TXLToken Token;
};

constexpr std::array<TKeyword, 8> Keywords{{
    {u"OR", tkOr},
    {u"DIV", tkDiv},
    {u"MOD", tkMod},
    {u"NOT", tkNot},
    {u"SHL", tkShl},
    {u"SHR", tkShr},
    {u"AND", tkAnd},
    {u"XOR", tkXor},
}};

void EmptyToZero(Variant& value)
{
    if (value.IsEmpty())
        value = Variant(0);
}

TVarCompareOp CompareOpOf(TXLToken token)
{
    switch (token) {
    case tkLess:
        return TVarCompareOp::Less;
    case tkGreater:
        return TVarCompareOp::Greater;
    case tkLessEqual:
        return TVarCompareOp::LessEqual;
    case tkGreaterEqual:
        return TVarCompareOp::GreaterEqual;
    case tkNotEqual:
        return TVarCompareOp::NotEqual;
    default:
        return TVarCompareOp::Equal;
    }
}

Variant Apply(TXLToken op, const Variant& left, const Variant& right)
{
    switch (op) {
    case tkPlus:
        return VarAdd(left, right);
    case tkMinus:
        return VarSub(left, right);
    case tkOr:
        return VarOr(left, right);
    case tkXor:
        return VarXor(left, right);
    case tkMul:
        return VarMul(left, right);
    case tkDivide:
        return VarDiv(left, right);
    case tkDiv:
        return VarIntDiv(left, right);
    case tkMod:
        return VarMod(left, right);
    case tkShl:
        return VarShl(left, right);
    case tkShr:
        return VarShr(left, right);
    case tkAnd:
        return VarAnd(left, right);
    default:
        return Variant(VarCompareOp(left, right, CompareOpOf(op)));
    }
}

}  // namespace

TXLPrecedence XLPrecedenceOf(TXLToken token)
{
    switch (token) {
    case tkEqual:
    case tkLess:
    case tkGreater:
    case tkLessEqual:
    case tkGreaterEqual:
    case tkNotEqual:
        return pcComparison;
    case tkPlus:
    case tkMinus:
    case tkOr:
    case tkXor:
        return pcAdditive;
    case tkMul:
    case tkDivide:
    case tkDiv:
    case tkMod:
    case tkShl:
    case tkShr:
    case tkAnd:
        return pcMultiplicative;
    default:
        return pcNone;
    }
}

TXLCalculator::TXLCalculator(TXLSheet* sheet, bool syntaxOnly)
    : FSheet(sheet), FSyntaxOnly(syntaxOnly), FNesting(sheet ? sheet->FormulaNesting() : FOwnNesting)
{
}

// Scanner -------------------------------------------------------------------

void TXLCalculator::SetText(const QString& text)
{
    FText = text;
    FPos = 0;
    FToken = tkEnd;
    FTokenText.clear();
    FNumber = Variant();
}

QChar TXLCalculator::Peek() const
{
    // A NUL ends the text as the end does.
    return FPos < FText.size() ? FText[FPos] : QChar(0);
}

QChar TXLCalculator::ListSeparator()
{
    return CurrentFormatSettings().DecimalSeparator == u',' ? QChar(u';') : QChar(u',');
}

QChar TXLCalculator::OtherSeparator()
{
    return ListSeparator() == u',' ? QChar(u';') : QChar(u',');
}

TXLToken TXLCalculator::NextToken()
{
    FTokenText.clear();
    while (Peek() == Blank)
        ++FPos;
    const QChar c = Peek();
    if (c.isNull()) {
        FToken = tkEnd;
        return FToken;
    }
    if (IsDigit(c)) {
        ScanNumber();
        return FToken;
    }
    if (c == u'#' || c == u'\'' || c == u'^') {
        ScanString();
        return FToken;
    }
    if (IsAsciiLetter(c) || c == u'_' || c == u'$') {
        ScanName();
        return FToken;
    }
    if (c == ListSeparator()) {
        ++FPos;
        FToken = tkListSep;
        return FToken;
    }
    if (c == OtherSeparator()) {
        // Left in place: the error points at it.
        FToken = tkInvalid;
        return FToken;
    }
    ++FPos;
    switch (c.unicode()) {
    case u'(':
        FToken = tkOpen;
        break;
    case u')':
        FToken = tkClose;
        break;
    case u'*':
        FToken = tkMul;
        break;
    case u'+':
        FToken = tkPlus;
        break;
    case u'-':
        FToken = tkMinus;
        break;
    case u'/':
        FToken = tkDivide;
        break;
    case u'=':
        FToken = tkEqual;
        break;
    case u'<':
        FToken = tkLess;
        if (Peek() == u'=') {
            ++FPos;
            FToken = tkLessEqual;
        } else if (Peek() == u'>') {
            ++FPos;
            FToken = tkNotEqual;
        }
        break;
    case u'>':
        FToken = tkGreater;
        if (Peek() == u'=') {
            ++FPos;
            FToken = tkGreaterEqual;
        }
        break;
    default:
        // Anything else ends the expression; the rest is ignored.
        FToken = tkEnd;
        break;
    }
    return FToken;
}

void TXLCalculator::ScanNumber()
{
    const qsizetype start = FPos;
    while (IsDigit(Peek()))
        ++FPos;
    if (Peek() == CurrentFormatSettings().DecimalSeparator) {
        ++FPos;
        while (IsDigit(Peek()))
            ++FPos;
    }
    if (Peek() == u'E' || Peek() == u'e') {
        ++FPos;
        if (Peek() == u'+' || Peek() == u'-')
            ++FPos;
        if (!IsDigit(Peek())) {
            FToken = tkInvalid;
            return;
        }
        while (IsDigit(Peek()))
            ++FPos;
    }
    FNumber = Variant(StrToFloat(FText.mid(start, FPos - start)));
    FToken = tkNumber;
}

void TXLCalculator::ScanName()
{
    const qsizetype start = FPos;
    bool reference = Peek() == u'$';
    ++FPos;
    while (IsNameChar(Peek()))
        ++FPos;
    if (Peek() == u':') {
        reference = true;
        ++FPos;
        while (IsNameChar(Peek()))
            ++FPos;
    }
    FTokenText = FText.mid(start, FPos - start);
    if (reference) {
        FToken = tkReference;
        return;
    }
    FToken = tkIdent;
    for (const TKeyword& keyword : Keywords)
        if (FTokenText.compare(QStringView(keyword.Name), Qt::CaseInsensitive) == 0) {
            FToken = keyword.Token;
            break;
        }
}

void TXLCalculator::ScanString()
{
    using namespace XLFormulaMessages;
    for (;;) {
        const QChar c = Peek();
        if (c == u'#') {
            ++FPos;
            if (!IsDigit(Peek()))
                SyntaxError(InvalidString);
            unsigned code = 0;
            while (IsDigit(Peek())) {
                // Saturate: a long run of digits is simply too large.
                if (code <= MaxCharCode)
                    code = code * 10 + (Peek().unicode() - u'0');
                ++FPos;
            }
            if (code > MaxCharCode)
                SyntaxError(InvalidString);
            FTokenText += Cp1251CodeChar(code);
        } else if (c == u'\'') {
            ++FPos;
            for (;;) {
                const QChar q = Peek();
                // Blanks end a formula's words, so they cannot sit inside
                // quotes; #32 writes one.
                if (q.unicode() <= Blank)
                    SyntaxError(UnterminatedString);
                ++FPos;
                if (q == u'\'') {
                    if (Peek() != u'\'')
                        break;
                    // A doubled quote stands for one quote.
                    ++FPos;
                }
                FTokenText += q;
            }
        } else if (c == u'^') {
            ++FPos;
            const QChar letter = Peek();
            if (!IsAsciiLetter(letter))
                SyntaxError(InvalidChar);
            ++FPos;
            FTokenText += QChar(static_cast<char16_t>(letter.toUpper().unicode() - 64));
        } else {
            break;
        }
    }
    FToken = tkString;
}

// Parser and evaluator ----------------------------------------------------

void TXLCalculator::Calculate(const QString& text, Variant& result)
{
    SetText(text);
    if (NextToken() == tkEnd)
        return;
    Comparison(result);
    if (FToken != tkEnd)
        SyntaxError(XLFormulaMessages::UnexpectedEnd);
}

Variant TXLCalculator::Calculate(const QString& text)
{
    Variant result;
    Calculate(text, result);
    return result;
}

void TXLCalculator::Comparison(Variant& result)
{
    Additive(result);
    // One comparison only: a second operator is left for the caller.
    if (XLPrecedenceOf(FToken) != pcComparison)
        return;
    const TXLToken op = FToken;
    NextToken();
    Variant right;
    Additive(right);
    if (FSyntaxOnly)
        return;
    EmptyToZero(result);
    EmptyToZero(right);
    result = Apply(op, result, right);
}

void TXLCalculator::Additive(Variant& result)
{
    Multiplicative(result);
    while (XLPrecedenceOf(FToken) == pcAdditive) {
        const TXLToken op = FToken;
        NextToken();
        Variant right;
        Multiplicative(right);
        if (FSyntaxOnly)
            continue;
        EmptyToZero(result);
        EmptyToZero(right);
        result = Apply(op, result, right);
    }
}

void TXLCalculator::Multiplicative(Variant& result)
{
    Unary(result);
    while (XLPrecedenceOf(FToken) == pcMultiplicative) {
        const TXLToken op = FToken;
        NextToken();
        Variant right;
        Unary(right);
        if (FSyntaxOnly)
            continue;
        EmptyToZero(result);
        EmptyToZero(right);
        result = Apply(op, result, right);
    }
}

void TXLCalculator::Unary(Variant& result)
{
    // Every nesting (parentheses, arguments, unary operators) passes here.
    if (FNesting >= MaxNesting)
        SyntaxError();
    ++FNesting;
    struct TLeave {
        int& Nesting;
        ~TLeave() { --Nesting; }
    } leave{FNesting};

    const TXLToken op = FToken;
    if (op != tkNot && op != tkPlus && op != tkMinus) {
        Primary(result);
        return;
    }
    NextToken();
    Unary(result);
    if (FSyntaxOnly)
        return;
    if (op == tkNot)
        result = VarNot(result);
    else if (op == tkMinus)
        result = VarNeg(result);
}

void TXLCalculator::Primary(Variant& result)
{
    switch (FToken) {
    case tkOpen:
        NextToken();
        Comparison(result);
        if (FToken != tkClose)
            SyntaxError(XLFormulaMessages::MissingParen);
        NextToken();
        return;
    case tkNumber:
        result = FNumber;
        NextToken();
        return;
    case tkReference:
    case tkString:
        result = Variant(FTokenText);
        NextToken();
        return;
    case tkIdent: {
        const QString name = FTokenText;
        if (NextToken() == tkOpen)
            CallFunction(name, result);
        else
            ReadVariable(name, result);
        return;
    }
    default:
        SyntaxError();
    }
}

void TXLCalculator::CallFunction(const QString& name, Variant& result)
{
    std::array<Variant, MaxParams> params;
    int count = 0;
    NextToken();
    for (;;) {
        Comparison(params[static_cast<size_t>(count)]);
        ++count;
        if (FToken != tkListSep)
            break;
        if (count == MaxParams)
            SyntaxError(XLFormulaMessages::TooManyParams);
        NextToken();
    }
    if (FToken != tkClose)
        SyntaxError(XLFormulaMessages::MissingParen);
    Variant value;
    bool resolved = false;
    try {
        resolved = XLManager().CalcFunction(FSheet, name.toUpper(), params.data(), count, value);
    } catch (const EConvertError&) {
        // Checking the syntax, the arguments are of no meaning, so a
        // routine may fail on them; the name was found all the same.
        if (!FSyntaxOnly)
            throw;
        resolved = true;
    } catch (const EZeroDivide&) {
        if (!FSyntaxOnly)
            throw;
        resolved = true;
    } catch (const EOverflow&) {
        if (!FSyntaxOnly)
            throw;
        resolved = true;
    }
    if (!resolved)
        UnknownError(name + QStringLiteral("()"));
    result = std::move(value);
    NextToken();
}

void TXLCalculator::ReadVariable(const QString& name, Variant& result)
{
    Variant value;
    if (!XLManager().CalcVariable(FSheet, name.toUpper(), value))
        UnknownError(name);
    result = std::move(value);
}

void TXLCalculator::SyntaxError(const char* detail) const
{
    QString message = QString::fromLatin1(XLFormulaMessages::SyntaxError);
    if (detail)
        message += QStringLiteral(": ") + QString::fromLatin1(detail);
    throw EXLSyntax(message, GetPosition());
}

void TXLCalculator::UnknownError(const QString& name) const
{
    throw EXLUnknown(QString::fromLatin1(XLFormulaMessages::UnknownIdentifier) + QStringLiteral(": ") + name,
                     GetPosition());
}
