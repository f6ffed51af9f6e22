#include "sheet/TXLCalculator.h"

#include "base/FormatSettings.h"
#include "base/VariantError.h"
#include "base/VariantOps.h"
#include "sheet/TXLCDouble.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLSheet.h"
#include "sheet/XLFormulaErrors.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

std::string Show(const Variant& v)
{
    return std::string(Variant::VarTypeName(v.VarType())) + " " + v.ToString().toStdString();
}

testing::AssertionResult Same(const Variant& actual, const Variant& expected)
{
    if (actual == expected)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "got " << Show(actual) << ", expected " << Show(expected);
}

Variant Currency(int64_t units)
{
    return Variant::FromCurrency(units);
}

// Every test runs under a known locale; the comma cases switch explicitly.
class TXLCalculatorTest : public testing::Test {
protected:
    Variant Calc(const QString& text, bool syntaxOnly = false) { return sheet.CalcExpression(text, nullptr, syntaxOnly); }

    // The formula error raised by text: its class, message and position.
    template <class E>
    void ExpectFormulaError(const QString& text, const std::string& message, int position, bool syntaxOnly = false)
    {
        SCOPED_TRACE(text.toStdString());
        try {
            Calc(text, syntaxOnly);
            ADD_FAILURE() << "no error";
        } catch (const E& e) {
            EXPECT_EQ(e.what(), message);
            EXPECT_EQ(e.GetPosition(), position);
        }
    }

    // A registered function that records its calls.
    void RegisterRecorder(const QString& name)
    {
        XLManager().RegisterFunction(name, [this](TXLSheet* s, const Variant* params, int count, Variant& result) {
            EXPECT_EQ(s, &sheet);
            calls.emplace_back(params, params + count);
            result = Variant(count);
        });
        registered.push_back(name);
    }
    void TearDown() override
    {
        for (const QString& name : registered)
            XLManager().UnregisterFunction(name);
        for (const QString& name : variables)
            XLManager().UnregisterVariable(name);
    }

    TFormatSettingsOverride locale{FormatSettings::WithDecimalSeparator(u'.')};
    TXLSheet sheet;
    std::vector<std::vector<Variant>> calls;
    std::vector<QString> registered;
    std::vector<QString> variables;
};

TEST_F(TXLCalculatorTest, ScannerTokenCodes)
{
    struct TRow {
        const char* Text;
        std::vector<TXLToken> Tokens;
    };
    const TRow rows[] = {
        {"( ) , 1 2.5e3", {tkOpen, tkClose, tkListSep, tkNumber, tkNumber}},
        {"$A1 A1:B2 'x' #65 ^M ab", {tkReference, tkReference, tkString, tkString, tkString, tkIdent}},
        {"* / div MOD Shl shr and not", {tkMul, tkDivide, tkDiv, tkMod, tkShl, tkShr, tkAnd, tkNot}},
        {"+ - or XOR", {tkPlus, tkMinus, tkOr, tkXor}},
        {"= < > <= >= <>", {tkEqual, tkLess, tkGreater, tkLessEqual, tkGreaterEqual, tkNotEqual}},
        {"<<>>=", {tkLess, tkNotEqual, tkGreaterEqual}},
        // "_" starts a name but does not continue one.
        {"_a a_b", {tkIdent, tkIdent, tkIdent}},
        {"A$1", {tkIdent}},
        {"ORDER DIVA", {tkIdent, tkIdent}},
        {"1 ? 2", {tkNumber}},
        {"1\t2", {tkNumber}},
        {"1 2E", {tkNumber, tkInvalid}},
    };
    TXLCalculator calculator(&sheet, false);
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Text);
        calculator.SetText(QString::fromUtf8(row.Text));
        std::vector<TXLToken> tokens;
        for (TXLToken t = calculator.NextToken(); t != tkEnd && t != tkInvalid; t = calculator.NextToken())
            tokens.push_back(t);
        if (calculator.GetToken() == tkInvalid)
            tokens.push_back(tkInvalid);
        EXPECT_EQ(tokens, row.Tokens);
    }
}

TEST_F(TXLCalculatorTest, ScannerTextsAndTheRejectedSeparator)
{
    TXLCalculator calculator(&sheet, false);
    calculator.SetText(QStringLiteral("Abc  $B$2:c3 12.5"));
    EXPECT_EQ(calculator.NextToken(), tkIdent);
    EXPECT_EQ(calculator.GetTokenText(), QStringLiteral("Abc"));
    EXPECT_EQ(calculator.NextToken(), tkReference);
    EXPECT_EQ(calculator.GetTokenText(), QStringLiteral("$B$2:c3"));
    EXPECT_EQ(calculator.NextToken(), tkNumber);
    EXPECT_TRUE(Same(calculator.GetNumber(), Variant(12.5)));
    EXPECT_EQ(calculator.GetPosition(), 17);

    // The separator of the other locale is refused and left in place.
    calculator.SetText(QStringLiteral("1;2"));
    calculator.NextToken();
    EXPECT_EQ(calculator.NextToken(), tkInvalid);
    EXPECT_EQ(calculator.GetPosition(), 1);
    EXPECT_EQ(calculator.NextToken(), tkInvalid);
    {
        TFormatSettingsOverride comma(FormatSettings::WithDecimalSeparator(u','));
        calculator.SetText(QStringLiteral("1,5;,"));
        EXPECT_EQ(calculator.NextToken(), tkNumber);
        EXPECT_TRUE(Same(calculator.GetNumber(), Variant(1.5)));
        EXPECT_EQ(calculator.NextToken(), tkListSep);
        EXPECT_EQ(calculator.NextToken(), tkInvalid);
        EXPECT_EQ(calculator.GetPosition(), 4);
    }
}

TEST_F(TXLCalculatorTest, OperatorsAndPrecedence)
{
    struct TRow {
        const char* Text;
        Variant Expected;
    };
    const TRow rows[] = {
        {"1+2*3", Variant(7.0)},
        {"(1+2)*3", Variant(9.0)},
        {"-2*3", Variant(-6.0)},
        {"--3", Variant(3.0)},
        {"2-3-4", Variant(-5.0)},
        {"24/4/2", Variant(3.0)},
        {"NOT 0", Variant(-1)},
        {"not not 5", Variant(5)},
        {"7 DIV 2", Variant(3)},
        {"7 MOD 2", Variant(1)},
        {"-7 mod 2", Variant(-1)},
        {"7/2", Variant(3.5)},
        {"1 SHL 4", Variant(16)},
        {"64 SHR 2", Variant(16)},
        {"6 AND 3", Variant(2)},
        {"6 OR 3", Variant(7)},
        {"6 XOR 3", Variant(5)},
        // AND binds as *, XOR and OR as +.
        {"5 OR 2 AND 0", Variant(5)},
        {"1 XOR 3 * 2", Variant(7)},
        {"1<2", Variant(true)},
        {"2>=2", Variant(true)},
        {"3>=2", Variant(true)},
        {"2<=1", Variant(false)},
        {"1<>1", Variant(false)},
        {"2=2", Variant(true)},
        {"3>2", Variant(true)},
        {"1+1=2", Variant(true)},
        {"NOT (1<2)", Variant(false)},
        {"(1<2) AND (2<3)", Variant(true)},
        {"'ab'+'cd'", Variant(QStringLiteral("abcd"))},
        {"'b'>'a'", Variant(true)},
        {"+'x'", Variant(QStringLiteral("x"))},
        {"'2'*3", Variant(6.0)},
        {"1.5E2", Variant(150.0)},
        {"2e-1+0", Variant(0.2)},
        {"1.", Variant(1.0)},
        // A character outside the language ends the expression.
        {"1+2 ? 3", Variant(3.0)},
        {"4\t+ 1", Variant(4.0)},
        {"  1 +  2  ", Variant(3.0)},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_TRUE(Same(Calc(QString::fromUtf8(row.Text)), row.Expected));
    }
}

TEST_F(TXLCalculatorTest, NoTokenGivesTheEmptyValue)
{
    EXPECT_TRUE(Calc(QString()).IsEmpty());
    EXPECT_TRUE(Calc(QStringLiteral("   ")).IsEmpty());
    EXPECT_TRUE(Calc(QStringLiteral("?1")).IsEmpty());
    // A calculator leaves the caller's value alone then.
    TXLCalculator calculator(&sheet, false);
    Variant result(42);
    calculator.Calculate(QStringLiteral(" "), result);
    EXPECT_TRUE(Same(result, Variant(42)));
    calculator.Calculate(QStringLiteral("1"), result);
    EXPECT_TRUE(Same(result, Variant(1.0)));
}

TEST_F(TXLCalculatorTest, StringConstants)
{
    struct TRow {
        const char* Text;
        QString Expected;
    };
    const TRow rows[] = {
        {"'a'#32'b'", QStringLiteral("a b")},
        {"#65#66'C'^a", QStringLiteral("ABC\x01")},
        {"^M^j", QStringLiteral("\r\n")},
        {"''", QString()},
        {"'it''s'", QStringLiteral("it's")},
        {"''''", QStringLiteral("'")},
        {"'Жар'", QStringLiteral("Жар")},
        // Codes are cp1251 bytes; a wide code goes through its byte there.
        {"#192#255", QStringLiteral("Ая")},
        {"#1041#1105", QStringLiteral("Бё")},
        {"#8470", QStringLiteral("№")},
        {"#20013", QStringLiteral("?")},
        {"#65535", QStringLiteral("?")},
        {"#0065", QStringLiteral("A")},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_TRUE(Same(Calc(QString::fromUtf8(row.Text)), Variant(row.Expected)));
    }
    // Quotes are one token: the parts must not be separated by blanks.
    ExpectFormulaError<EXLSyntax>(QStringLiteral("'a' 'b'"), "Syntax Error: Unexpected End", 7);
}

TEST_F(TXLCalculatorTest, ReferenceTextsAreStrings)
{
    EXPECT_TRUE(Same(Calc(QStringLiteral("$A$1")), Variant(QStringLiteral("$A$1"))));
    EXPECT_TRUE(Same(Calc(QStringLiteral("a1:B2")), Variant(QStringLiteral("a1:B2"))));
    EXPECT_TRUE(Same(Calc(QStringLiteral("$x+'y'")), Variant(QStringLiteral("$xy"))));
}

TEST_F(TXLCalculatorTest, SyntaxErrorsWithTheirPositions)
{
    struct TRow {
        const char* Text;
        const char* Message;
        int Position;
    };
    const std::string syntax = "Syntax Error";
    const TRow rows[] = {
        {"1<2<3", "Syntax Error: Unexpected End", 4},
        {"1 2", "Syntax Error: Unexpected End", 3},
        {"1;2", "Syntax Error: Unexpected End", 1},
        {"(1+2", "Syntax Error: Missing ')'", 4},
        {"((1)", "Syntax Error: Missing ')'", 4},
        {"F(1", "Syntax Error: Missing ')'", 3},
        {"F(1 2)", "Syntax Error: Missing ')'", 5},
        {"F(1;2)", "Syntax Error: Missing ')'", 3},
        {"F()", "Syntax Error", 3},
        {"F(1,)", "Syntax Error", 5},
        {"()", "Syntax Error", 2},
        {"1+", "Syntax Error", 2},
        {"*2", "Syntax Error", 1},
        {"1E", "Syntax Error", 2},
        {"1e+ 5", "Syntax Error", 3},
        {"'a b'", "Syntax Error: Unterminated String", 2},
        {"'abc", "Syntax Error: Unterminated String", 4},
        {"'a\tb'", "Syntax Error: Unterminated String", 2},
        {"1+#", "Syntax Error: Invalid String Constant", 3},
        {"#x", "Syntax Error: Invalid String Constant", 1},
        {"#65536", "Syntax Error: Invalid String Constant", 6},
        {"#99999999999999999999999", "Syntax Error: Invalid String Constant", 24},
        {"^1", "Syntax Error: Invalid Character Constant", 1},
        {"'a'^", "Syntax Error: Invalid Character Constant", 4},
        {"^Ж", "Syntax Error: Invalid Character Constant", 1},
    };
    for (const TRow& row : rows)
        ExpectFormulaError<EXLSyntax>(QString::fromUtf8(row.Text), row.Message, row.Position);

    // An eleventh argument is refused right after the separator that opens it.
    const QString eleven = QStringLiteral("F(1,2,3,4,5,6,7,8,9,10,11)");
    ExpectFormulaError<EXLSyntax>(eleven, "Syntax Error: Too Many Parameters", static_cast<int>(eleven.indexOf(u"11")));
}

TEST_F(TXLCalculatorTest, NestingTooDeepIsASyntaxError)
{
    const int deep = TXLCalculator::MaxNesting;
    EXPECT_TRUE(Same(Calc(QString(deep - 1, u'(') + u'1' + QString(deep - 1, u')')), Variant(1.0)));
    const QString tooDeep = QString(deep, u'(') + u'1' + QString(deep, u')');
    // Refused on entering the level one too deep.
    ExpectFormulaError<EXLSyntax>(tooDeep, "Syntax Error", deep + 1);
    ExpectFormulaError<EXLSyntax>(QString(100000, u'-') + u'1', "Syntax Error", deep + 1);
}

TEST_F(TXLCalculatorTest, SeparatorsFollowTheLocale)
{
    RegisterRecorder(QStringLiteral("Args"));
    EXPECT_TRUE(Same(Calc(QStringLiteral("args(1,2.5)")), Variant(2)));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(Same(calls[0][0], Variant(1.0)));
    EXPECT_TRUE(Same(calls[0][1], Variant(2.5)));
    // "." ends the expression under a comma locale.
    TFormatSettingsOverride comma(FormatSettings::WithDecimalSeparator(u','));
    EXPECT_TRUE(Same(Calc(QStringLiteral("ARGS(1,5)")), Variant(1)));
    EXPECT_TRUE(Same(calls[1][0], Variant(1.5)));
    EXPECT_TRUE(Same(Calc(QStringLiteral("ARGS(1;2,5E1)")), Variant(2)));
    EXPECT_TRUE(Same(calls[2][1], Variant(25.0)));
    EXPECT_TRUE(Same(Calc(QStringLiteral("1,5*2")), Variant(3.0)));
    EXPECT_TRUE(Same(Calc(QStringLiteral("1.5")), Variant(1.0)));
    EXPECT_TRUE(Same(Calc(QStringLiteral("'2,5'+0")), Variant(2.5)));
    // "1,2" is a number, the next "," is refused.
    ExpectFormulaError<EXLSyntax>(QStringLiteral("ARGS(1,2,3)"), "Syntax Error: Missing ')'", 8);
    ExpectFormulaError<EXLSyntax>(QStringLiteral("1;2"), "Syntax Error: Unexpected End", 2);
}

TEST_F(TXLCalculatorTest, FunctionsTakeUpToTenArgumentsInOrder)
{
    RegisterRecorder(QStringLiteral("f"));
    EXPECT_TRUE(Same(Calc(QStringLiteral("F(1,'a',1<2,F(7),(2+3),6,7,8,9,10)")), Variant(10)));
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].size(), 1u);  // the inner call ran first
    const std::vector<Variant>& outer = calls[1];
    ASSERT_EQ(outer.size(), 10u);
    EXPECT_TRUE(Same(outer[0], Variant(1.0)));
    EXPECT_TRUE(Same(outer[1], Variant(QStringLiteral("a"))));
    EXPECT_TRUE(Same(outer[2], Variant(true)));
    EXPECT_TRUE(Same(outer[3], Variant(1)));
    EXPECT_TRUE(Same(outer[4], Variant(5.0)));
    EXPECT_TRUE(Same(outer[9], Variant(10.0)));
    // A function result takes part in arithmetic like any value.
    EXPECT_TRUE(Same(Calc(QStringLiteral("f(0)*3+1")), Variant(4.0)));
    // Registering a name twice is refused by the list.
    EXPECT_THROW(XLManager().RegisterFunction(QStringLiteral("F"), {}), EStringListError);
}

TEST_F(TXLCalculatorTest, UnknownNames)
{
    ExpectFormulaError<EXLUnknown>(QStringLiteral("FOO(1)"), "Unknown Identifier: FOO()", 6);
    ExpectFormulaError<EXLUnknown>(QStringLiteral("1+fOo(1)*2"), "Unknown Identifier: fOo()", 8);
    // A variable is resolved once the token after it is read.
    ExpectFormulaError<EXLUnknown>(QStringLiteral("Zz9+1"), "Unknown Identifier: Zz9", 4);
    ExpectFormulaError<EXLUnknown>(QStringLiteral("F5"), "Unknown Identifier: F5", 2);
    // A name that is not a cell name fails in the sheet's cell lookup.
    for (const char* name : {"FOO", "A0", "x1y"}) {
        SCOPED_TRACE(name);
        try {
            Calc(QString::fromLatin1(name));
            ADD_FAILURE() << "no error";
        } catch (const EXLFormula&) {
            ADD_FAILURE() << "not a formula error";
        } catch (const ERAVazoError& e) {
            EXPECT_STREQ(e.what(), "Unknown identifier!");
        }
    }
    // Without a sheet only registered names resolve.
    TXLCalculator calculator(nullptr, false);
    try {
        calculator.Calculate(QStringLiteral("A1"));
        ADD_FAILURE() << "no error";
    } catch (const EXLUnknown& e) {
        EXPECT_STREQ(e.what(), "Unknown Identifier: A1");
    }
}

TEST_F(TXLCalculatorTest, CellNamesReadTheSheet)
{
    sheet.SetCellClass(0, 0, TXLCDouble::StaticClass());
    sheet.SetFloat(0, 0, 5);
    EXPECT_TRUE(Same(Calc(QStringLiteral("A1")), Variant(5.0)));
    EXPECT_TRUE(Same(Calc(QStringLiteral("a1*2")), Variant(10.0)));
    sheet.SetString(2, 3, QStringLiteral("txt"));
    EXPECT_TRUE(Same(Calc(QStringLiteral("C4+'!'")), Variant(QStringLiteral("txt!"))));
    // An empty cell resolves to the empty value, which counts as 0.
    EXPECT_TRUE(Calc(QStringLiteral("B2")).IsEmpty());
    EXPECT_TRUE(Same(Calc(QStringLiteral("B2+1")), Variant(1.0)));
    EXPECT_TRUE(Same(Calc(QStringLiteral("B2*B3")), Variant(0)));
    EXPECT_TRUE(Same(Calc(QStringLiteral("B2<1")), Variant(true)));
    EXPECT_TRUE(Same(Calc(QStringLiteral("-B2")), Variant(0)));
    sheet.SetCell(0, 0, nullptr);
    EXPECT_TRUE(Same(Calc(QStringLiteral("A1+1")), Variant(1.0)));

    // Only positions inside the counts are cells.
    sheet.SetColCount(3);
    sheet.SetRowCount(14);
    EXPECT_TRUE(Calc(QStringLiteral("C14")).IsEmpty());
    ExpectFormulaError<EXLUnknown>(QStringLiteral("D1"), "Unknown Identifier: D1", 2);
    ExpectFormulaError<EXLUnknown>(QStringLiteral("A15"), "Unknown Identifier: A15", 3);
}

TEST_F(TXLCalculatorTest, SheetEventsResolveWhatTheManagerDoesNot)
{
    std::vector<QString> asked;
    sheet.OnVariable = [&](TXLSheet* s, const QString& name, Variant& result) {
        EXPECT_EQ(s, &sheet);
        asked.push_back(name);
        if (name == u"PI")
            result = Variant(3.0);
        else if (name == u"A1")
            result = Variant(QStringLiteral("shadow"));
        else if (name == u"NOTHING")
            result = Variant();
    };
    sheet.OnFunction = [&](TXLSheet*, const QString& name, const Variant* params, int count, Variant& result) {
        asked.push_back(name);
        if (name == u"TWICE" && count == 1)
            result = VarMul(params[0], Variant(2));
    };
    EXPECT_TRUE(Same(Calc(QStringLiteral("pi*2")), Variant(6.0)));
    EXPECT_TRUE(Same(Calc(QStringLiteral("a1")), Variant(QStringLiteral("shadow"))));
    // The empty value counts as resolved.
    EXPECT_TRUE(Same(Calc(QStringLiteral("nothing+1")), Variant(1.0)));
    EXPECT_TRUE(Same(Calc(QStringLiteral("twice(4)")), Variant(8.0)));
    // Left unresolved by the event, a cell name still reaches the sheet.
    sheet.SetString(1, 1, QStringLiteral("7"));
    EXPECT_TRUE(Same(Calc(QStringLiteral("B2")), Variant(QStringLiteral("7"))));
    ExpectFormulaError<EXLUnknown>(QStringLiteral("twice(1,2)"), "Unknown Identifier: twice()", 10);
    EXPECT_EQ(asked, (std::vector<QString>{"PI", "A1", "NOTHING", "TWICE", "B2", "TWICE"}));

    // Registered names come first; the events do not hear of them.
    asked.clear();
    XLManager().RegisterVariable(QStringLiteral("Pi"), [](TXLSheet*, Variant& r) { r = Variant(4.0); });
    variables.push_back(QStringLiteral("Pi"));
    EXPECT_TRUE(Same(Calc(QStringLiteral("PI")), Variant(4.0)));
    EXPECT_TRUE(Same(Calc(QStringLiteral("String(1)")), Variant(QStringLiteral("1"))));
    EXPECT_TRUE(asked.empty());
}

TEST_F(TXLCalculatorTest, DefaultConversionFunctions)
{
    struct TRow {
        const char* Text;
        Variant Expected;
    };
    const TRow rows[] = {
        {"String(12)", Variant(QStringLiteral("12"))},
        {"string(1/4)", Variant(QStringLiteral("0.25"))},
        {"Integer(2.5)", Variant(2)},
        {"INTEGER('7')", Variant(7)},
        {"Integer(1<2)", Variant(-1)},
        {"Boolean(0)", Variant(false)},
        {"Boolean(2)", Variant(true)},
        {"Boolean('true')", Variant(true)},
        {"Currency(1.5)", Currency(15000)},
        {"Currency(1)+Integer(1)", Currency(20000)},
        {"Currency(1)+1", Variant(2.0)},
        {"DateTime(2)", Variant::FromDateTime(2.0)},
        {"DateTime(2)+1", Variant::FromDateTime(3.0)},
        {"Double('2.5')", Variant(2.5)},
        {"Double(3 DIV 2)", Variant(1.0)},
        {"String(B2)", Variant(QString())},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Text);
        EXPECT_TRUE(Same(Calc(QString::fromUtf8(row.Text)), row.Expected));
    }
    EXPECT_THROW(Calc(QStringLiteral("Integer('abc')")), EVariantError);
    TFormatSettingsOverride comma(FormatSettings::WithDecimalSeparator(u','));
    EXPECT_TRUE(Same(Calc(QStringLiteral("Double('2,5')")), Variant(2.5)));
    EXPECT_TRUE(Same(Calc(QStringLiteral("String(1/4)")), Variant(QStringLiteral("0,25"))));
    EXPECT_THROW(Calc(QStringLiteral("Double('2.5')")), EVariantError);
}

TEST_F(TXLCalculatorTest, ArithmeticFailuresPassThrough)
{
    EXPECT_THROW(Calc(QStringLiteral("1/0")), EZeroDivide);
    EXPECT_THROW(Calc(QStringLiteral("1/B2")), EZeroDivide);
    EXPECT_THROW(Calc(QStringLiteral("7 DIV 0")), EZeroDivide);
    EXPECT_THROW(Calc(QStringLiteral("'a'*2")), EVariantError);
    EXPECT_THROW(Calc(QStringLiteral("1E999")), EConvertError);
}

TEST_F(TXLCalculatorTest, SyntaxOnlyResolvesNamesButAppliesNothing)
{
    RegisterRecorder(QStringLiteral("Rec"));
    for (const char* text : {"1/0", "'a'*2", "7 MOD 0", "Integer('abc')", "-'x'", "NOT 'y'", "1<'a'+1", "rec(1/0)"}) {
        SCOPED_TRACE(text);
        EXPECT_NO_THROW(Calc(QString::fromLatin1(text), true));
    }
    EXPECT_EQ(calls.size(), 1u);
    ExpectFormulaError<EXLUnknown>(QStringLiteral("FOO(1)"), "Unknown Identifier: FOO()", 6, true);
    ExpectFormulaError<EXLUnknown>(QStringLiteral("1+G7"), "Unknown Identifier: G7", 4, true);
    ExpectFormulaError<EXLSyntax>(QStringLiteral("1<2<3"), "Syntax Error: Unexpected End", 4, true);
    ExpectFormulaError<EXLSyntax>(QStringLiteral("(1"), "Syntax Error: Missing ')'", 2, true);
    EXPECT_THROW(Calc(QStringLiteral("A0"), true), ERAVazoError);
}

TEST_F(TXLCalculatorTest, ACellUnderEvaluationIsACircularReference)
{
    TXLCell* cell = sheet.GetCell(0, 0);
    bool nested = false;
    XLManager().RegisterFunction(QStringLiteral("Again"), [&](TXLSheet* s, const Variant* p, int, Variant& r) {
        nested = true;
        r = s->CalcExpression(p[0].ToString(), cell, false);
    });
    registered.push_back(QStringLiteral("Again"));
    // Another cell may be evaluated inside; the same one may not.
    EXPECT_TRUE(Same(sheet.CalcExpression(QStringLiteral("Again('1+1')"), sheet.GetCell(1, 1), false), Variant(2.0)));
    try {
        sheet.CalcExpression(QStringLiteral("1+Again('1')"), cell, false);
        ADD_FAILURE() << "no error";
    } catch (const EXLCircular& e) {
        EXPECT_STREQ(e.what(), "Circular Reference");
        EXPECT_EQ(e.GetPosition(), 0);
    }
    EXPECT_TRUE(nested);
    // Failed or not, the evaluation list is left empty.
    EXPECT_THROW(sheet.CalcExpression(QStringLiteral("1/0"), cell, false), EZeroDivide);
    EXPECT_TRUE(Same(sheet.CalcExpression(QStringLiteral("Again('3')"), nullptr, false), Variant(3.0)));
}

}  // namespace
