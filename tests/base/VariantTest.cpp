#include "base/FormatSettings.h"
#include "base/Variant.h"
#include "base/VariantError.h"
#include "base/VariantOps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

namespace {

const FormatSettings Point = FormatSettings::WithDecimalSeparator(u'.');
const FormatSettings Comma = FormatSettings::WithDecimalSeparator(u',');

// '#' in an expected or input text stands for the locale's decimal separator.
QString Localised(const char* text, const FormatSettings& fs)
{
    QString s = QString::fromUtf8(text);
    s.replace(u'#', fs.DecimalSeparator);
    return s;
}

std::string Describe(const Variant& v)
{
    return std::string(Variant::VarTypeName(v.VarType())) + " " + (v.IsNull() ? "" : v.ToString().toStdString());
}

void ExpectSame(const Variant& actual, const Variant& expected)
{
    EXPECT_EQ(actual.VarType(), expected.VarType()) << Describe(actual) << " vs " << Describe(expected);
    EXPECT_TRUE(actual == expected) << Describe(actual) << " vs " << Describe(expected);
}

Variant Cur(double value)
{
    return Variant::FromCurrency(static_cast<int64_t>(std::llround(value * 10000)));
}

// --- conversions --------------------------------------------------------

struct TTextRow {
    Variant Value;
    const char* Expected;
};

TEST(Variant, ToStringInBothSeparators)
{
    const TTextRow rows[] = {
        {Variant(), ""},
        {Variant::Null(), ""},
        {Variant("abc"), "abc"},
        {Variant(u"Ткр, °C"), "Ткр, °C"},
        {Variant(0), "0"},
        {Variant(-17), "-17"},
        {Variant(std::numeric_limits<int32_t>::min()), "-2147483648"},
        {Variant(1.5), "1#5"},
        {Variant(-0.25), "-0#25"},
        {Variant(0.1 + 0.2), "0#3"}, // 15 significant digits hide the binary error
        {Variant(2.0 / 3.0), "0#666666666666667"},
        {Variant(100.0), "100"},
        {Variant(-0.0), "0"},
        {Variant(999999999999999.0), "999999999999999"},
        {Variant(1e15), "1E15"},
        {Variant(123456789012345678.0), "1#23456789012346E17"},
        {Variant(0.0001), "0#0001"},
        {Variant(0.00001), "1E-5"},
        {Variant(-1.5e-7), "-1#5E-7"},
        {Variant(1e300), "1E300"},
        {Variant(true), "True"},
        {Variant(false), "False"},
        {Variant::FromCurrency(0), "0"},
        {Variant::FromCurrency(10000), "1"},
        {Variant::FromCurrency(125000), "12#5"},
        {Variant::FromCurrency(-1), "-0#0001"},
        {Variant::FromCurrency(std::numeric_limits<int64_t>::min()), "-922337203685477#5808"},
    };
    for (const FormatSettings* fs : {&Point, &Comma}) {
        TFormatSettingsOverride locale(*fs);
        for (const TTextRow& row : rows) {
            const QString expected = Localised(row.Expected, *fs);
            SCOPED_TRACE(expected.toStdString());
            EXPECT_EQ(row.Value.ToString(), expected);
        }
    }
}

struct TParseRow {
    const char* Text;
    double Double;
    int32_t Integer;
    int64_t Currency;
};

TEST(Variant, TextConvertsToNumbersWithTheLocaleSeparator)
{
    const TParseRow rows[] = {
        {"12", 12.0, 12, 120000},
        {" -3#25 ", -3.25, -3, -32500},
        {"2#5", 2.5, 2, 25000},
        {"3#5", 3.5, 4, 35000},
        {"1e3", 1000.0, 1000, 10000000},
        {"0#00015", 0.00015, 0, 2},
        {"1#23455", 1.23455, 1, 12346},
    };
    for (const FormatSettings* fs : {&Point, &Comma}) {
        TFormatSettingsOverride locale(*fs);
        for (const TParseRow& row : rows) {
            const Variant v(Localised(row.Text, *fs));
            SCOPED_TRACE(v.ToString().toStdString());
            EXPECT_DOUBLE_EQ(v.ToDouble(), row.Double);
            EXPECT_DOUBLE_EQ(v.ToDateTime(), row.Double);
            EXPECT_EQ(v.ToInteger(), row.Integer);
            EXPECT_EQ(v.ToCurrency(), row.Currency);
            EXPECT_EQ(v.ToBoolean(), row.Double != 0.0);
        }
    }
}

TEST(Variant, BadTextRaisesInsteadOfGivingZero)
{
    // '~' stands for the separator the locale does not use.
    const char* rows[] = {"", " ", "abc", "12abc", "1~5", "1 000", "True", "nan", "inf", "1e"};
    for (const FormatSettings* fs : {&Point, &Comma}) {
        TFormatSettingsOverride locale(*fs);
        for (const char* text : rows) {
            QString s = QString::fromUtf8(text);
            s.replace(u'~', fs->DecimalSeparator == u'.' ? u',' : u'.');
            SCOPED_TRACE(s.toStdString());
            const Variant v(s);
            EXPECT_THROW(v.ToDouble(), EVariantError);
            EXPECT_THROW(v.ToInteger(), EVariantError);
            EXPECT_THROW(v.ToCurrency(), EVariantError);
            EXPECT_THROW(v.ToDateTime(), EVariantError);
            EXPECT_THROW(v.ToDouble(), EConvertError); // caught as bad input by the handlers
        }
    }
    try {
        Variant("abc").ToDouble();
        FAIL();
    } catch (const EVariantError& e) {
        EXPECT_STREQ(e.what(), "Could not convert variant of type (String) into type (Double): 'abc' is not a number");
    }
}

TEST(Variant, BooleanRules)
{
    EXPECT_TRUE(Variant("True").ToBoolean());
    EXPECT_TRUE(Variant("tRUE").ToBoolean());
    EXPECT_FALSE(Variant("FALSE").ToBoolean());
    EXPECT_FALSE(Variant("0").ToBoolean());
    EXPECT_TRUE(Variant("-0.5").ToBoolean());
    EXPECT_THROW(Variant("yes").ToBoolean(), EVariantError);
    EXPECT_THROW(Variant(" True").ToBoolean(), EVariantError);
    EXPECT_EQ(Variant(true).ToInteger(), -1);
    EXPECT_EQ(Variant(false).ToInteger(), 0);
    EXPECT_EQ(Variant(true).ToDouble(), -1.0);
    EXPECT_EQ(Variant(true).ToCurrency(), -10000);
    EXPECT_TRUE(Variant(0.1).ToBoolean());
    EXPECT_TRUE(Variant::FromCurrency(1).ToBoolean());
    EXPECT_FALSE(Variant::FromDateTime(0).ToBoolean());
}

TEST(Variant, EmptyIsZeroAndNullIsNoNumber)
{
    const Variant empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_TRUE(empty.IsEmptyOrNull());
    EXPECT_FALSE(empty.IsNull());
    EXPECT_EQ(empty.ToString(), QString());
    EXPECT_EQ(empty.ToInteger(), 0);
    EXPECT_EQ(empty.ToDouble(), 0.0);
    EXPECT_FALSE(empty.ToBoolean());
    EXPECT_EQ(empty.ToCurrency(), 0);
    EXPECT_EQ(empty.ToDateTime(), 0.0);

    const Variant null = Variant::Null();
    EXPECT_TRUE(null.IsNull());
    EXPECT_TRUE(null.IsEmptyOrNull());
    EXPECT_EQ(null.ToString(), QString());
    EXPECT_THROW(null.ToInteger(), EVariantError);
    EXPECT_THROW(null.ToBoolean(), EVariantError);
    EXPECT_THROW(null.ToCurrency(), EVariantError);
    EXPECT_THROW(null.ToDateTime(), EVariantError);
    try {
        null.ToDouble();
        FAIL();
    } catch (const EVariantError& e) {
        EXPECT_STREQ(e.what(), "Could not convert variant of type (Null) into type (Double)");
    }
}

TEST(Variant, RoundsHalfToEven)
{
    const struct {
        double Value;
        int32_t Integer;
    } rows[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {-3.5, -4}, {2.5000001, 3}, {-0.4, 0}, {1e-300, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Value);
        EXPECT_EQ(Variant(row.Value).ToInteger(), row.Integer);
        EXPECT_EQ(Variant::FromDateTime(row.Value).ToInteger(), row.Integer);
    }
    // Currency to integer and double to currency, exact in decimal.
    EXPECT_EQ(Variant::FromCurrency(25000).ToInteger(), 2);
    EXPECT_EQ(Variant::FromCurrency(35000).ToInteger(), 4);
    EXPECT_EQ(Variant::FromCurrency(-25000).ToInteger(), -2);
    EXPECT_EQ(Variant::FromCurrency(25001).ToInteger(), 3);
    EXPECT_EQ(Variant(0.00015).ToCurrency(), 2);
    EXPECT_EQ(Variant(0.00025).ToCurrency(), 2);
    EXPECT_EQ(Variant(-0.00015).ToCurrency(), -2);
    EXPECT_EQ(Variant(1.23445).ToCurrency(), 12344);
    EXPECT_EQ(Variant(0.000049).ToCurrency(), 0);
    EXPECT_EQ(Variant(1234.5).ToCurrency(), 12345000);
}

TEST(Variant, OverflowRaises)
{
    EXPECT_EQ(Variant(2147483647.4).ToInteger(), 2147483647);
    EXPECT_THROW(Variant(2147483647.5).ToInteger(), EVariantError);
    EXPECT_EQ(Variant(-2147483648.5).ToInteger(), std::numeric_limits<int32_t>::min());
    EXPECT_THROW(Variant(-2147483649.0).ToInteger(), EVariantError);
    EXPECT_THROW(Variant("3e9").ToInteger(), EVariantError);
    EXPECT_THROW(Variant(std::nan("")).ToInteger(), EVariantError);
    EXPECT_THROW(Variant::FromCurrency(std::numeric_limits<int64_t>::max()).ToInteger(), EVariantError);
    EXPECT_EQ(Variant(922337203685477.5).ToCurrency(), 9223372036854775000);
    EXPECT_THROW(Variant(1e15).ToCurrency(), EVariantError);
    EXPECT_THROW(Variant(-std::numeric_limits<double>::infinity()).ToCurrency(), EVariantError);
}

TEST(Variant, EqualityIsSameKindAndValue)
{
    EXPECT_TRUE(Variant("a") == Variant(u"a"));
    EXPECT_FALSE(Variant("a") == Variant("A"));
    EXPECT_FALSE(Variant(1) == Variant(1.0));
    EXPECT_FALSE(Variant(1) == Variant::FromCurrency(10000));
    EXPECT_FALSE(Variant(1.0) == Variant::FromDateTime(1.0));
    EXPECT_TRUE(Variant::FromDateTime(1.0) == Variant::FromDateTime(1.0));
    EXPECT_TRUE(Variant() == Variant());
    EXPECT_TRUE(Variant::Null() == Variant::Null());
    EXPECT_FALSE(Variant() == Variant::Null());
    EXPECT_FALSE(Variant("") == Variant());
    EXPECT_TRUE(Variant(true) != Variant(-1));
}

// --- date-time text -----------------------------------------------------

TEST(VariantDateTime, ToStringUsesShortDateAndLongTime)
{
    FormatSettings fs = Comma;
    fs.DateSeparator = u'.';
    fs.ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    fs.LongTimeFormat = QStringLiteral("h:nn:ss");
    TFormatSettingsOverride locale(fs);
    const TTextRow rows[] = {
        {Variant::FromDateTime(45000.75), "15.03.2023 18:00:00"},
        {Variant::FromDateTime(45000), "15.03.2023"},         // midnight: the date only
        {Variant::FromDateTime(0.5), "12:00:00"},             // day 0: the time only
        {Variant::FromDateTime(0), "0:00:00"},
        {Variant::FromDateTime(-0.25), "6:00:00"},            // the fraction counts forward
        {Variant::FromDateTime(-1.25), "29.12.1899 6:00:00"},
        {Variant::FromDateTime(1.9999999999), "01.01.1900"},  // rounds into the next day
        {Variant::FromDateTime(2 + 1.0 / 86400 * 3661), "01.01.1900 1:01:01"},
    };
    for (const TTextRow& row : rows) {
        SCOPED_TRACE(row.Expected);
        EXPECT_EQ(row.Value.ToString(), QString::fromUtf8(row.Expected));
    }
    EXPECT_THROW(Variant::FromDateTime(1e10).ToString(), EVariantError);
}

// --- operators ----------------------------------------------------------

TEST(VariantOps, CalculatorArithmetic)
{
    ExpectSame(VarAdd(1, VarMul(2, 3)), Variant(7));            // 1+2*3
    ExpectSame(VarMul(VarAdd(1, 2), 3), Variant(9));            // (1+2)*3
    ExpectSame(VarMul(VarNeg(2), 3), Variant(-6));              // -2*3
    ExpectSame(VarNot(0), Variant(-1));
    ExpectSame(VarNot(5), Variant(-6));
    ExpectSame(VarIntDiv(7, 2), Variant(3));
    ExpectSame(VarMod(7, 2), Variant(1));
    ExpectSame(VarMod(-7, 2), Variant(-1));                     // sign of the dividend
    ExpectSame(VarDiv(7, 2), Variant(3.5));
    ExpectSame(VarDiv(4, 2), Variant(2.0));                     // always a double
    ExpectSame(VarShl(1, 4), Variant(16));
    ExpectSame(VarShr(-1, 28), Variant(15));
    ExpectSame(VarIntDiv(7.5, 2), Variant(4));                  // 7.5 rounds to 8
    ExpectSame(VarSub(0.5, 1), Variant(-0.5));
}

TEST(VariantOps, IntegerOverflowGoesOnInDouble)
{
    const int32_t max = std::numeric_limits<int32_t>::max();
    const int32_t min = std::numeric_limits<int32_t>::min();
    ExpectSame(VarAdd(max, 1), Variant(2147483648.0));
    ExpectSame(VarSub(min, 1), Variant(-2147483649.0));
    ExpectSame(VarMul(65536, 65536), Variant(4294967296.0));
    ExpectSame(VarNeg(min), Variant(2147483648.0));
    ExpectSame(VarIntDiv(min, -1), Variant(2147483648.0));
    ExpectSame(VarAdd(max, -1), Variant(max - 1));
}

TEST(VariantOps, DivisionByZeroRaises)
{
    EXPECT_THROW(VarDiv(1, 0), EZeroDivide);
    EXPECT_THROW(VarDiv(0, 0), EZeroDivide);
    EXPECT_THROW(VarDiv(1.5, -0.0), EZeroDivide);
    EXPECT_THROW(VarDiv(1, Variant()), EZeroDivide);
    EXPECT_THROW(VarDiv(1, Variant::FromCurrency(0)), EZeroDivide);
    EXPECT_THROW(VarIntDiv(7, 0), EZeroDivide);
    EXPECT_THROW(VarMod(7, 0), EZeroDivide);
    EXPECT_THROW(VarIntDiv(7, 0.4), EZeroDivide); // 0.4 rounds to 0
    EXPECT_THROW(VarMul(1e308, 10), EOverflow);
    EXPECT_THROW(VarDiv(1e308, 1e-10), EOverflow);
}

TEST(VariantOps, StringsConcatenateOrConvert)
{
    ExpectSame(VarAdd("ab", "cd"), Variant("abcd"));
    ExpectSame(VarAdd("ab", Variant()), Variant("ab"));
    ExpectSame(VarAdd(Variant(), "ab"), Variant("ab"));
    for (const FormatSettings* fs : {&Point, &Comma}) {
        TFormatSettingsOverride locale(*fs);
        SCOPED_TRACE(QString(fs->DecimalSeparator).toStdString());
        ExpectSame(VarAdd(Localised("1#5", *fs), 1), Variant(2.5));
        ExpectSame(VarAdd(1, Localised("1#5", *fs)), Variant(2.5));
        ExpectSame(VarSub("5", "2"), Variant(3.0));
        ExpectSame(VarMul("2", Variant::FromCurrency(15000)), Variant(3.0));
        EXPECT_THROW(VarAdd(Localised("1#5x", *fs), 1), EVariantError);
    }
    EXPECT_THROW(VarAdd("abc", 1), EVariantError);
    EXPECT_THROW(VarSub("ab", "cd"), EVariantError);
    EXPECT_THROW(VarNeg("x"), EVariantError);
}

TEST(VariantOps, BooleansAreLogicalOrMinusOne)
{
    ExpectSame(VarNot(true), Variant(false));
    ExpectSame(VarNot("False"), Variant(true));
    ExpectSame(VarAnd(true, false), Variant(false));
    ExpectSame(VarOr(true, "False"), Variant(true));
    ExpectSame(VarXor(true, true), Variant(false));
    ExpectSame(VarAnd(true, Variant()), Variant(false));
    ExpectSame(VarAdd(true, 1), Variant(0));
    ExpectSame(VarNeg(true), Variant(1));
    ExpectSame(VarAnd(true, 5), Variant(5));   // -1 AND 5
    ExpectSame(VarAnd(6, 3), Variant(2));
    ExpectSame(VarOr(6, 3), Variant(7));
    ExpectSame(VarXor(6, 3), Variant(5));
    ExpectSame(VarNot(Variant()), Variant(-1));
    ExpectSame(VarNot(2.6), Variant(-4));
}

TEST(VariantOps, CurrencyAndDateTimeKinds)
{
    ExpectSame(VarAdd(Cur(1.5), 2), Cur(3.5));
    ExpectSame(VarMul(Cur(1.5), 3), Cur(4.5));
    ExpectSame(VarMul(Cur(1.5), Cur(1.5)), Cur(2.25));
    ExpectSame(VarMul(Cur(0.0001), Cur(0.5)), Cur(0));         // 0.00005 ties to even
    ExpectSame(VarMul(Cur(0.0003), Cur(0.5)), Cur(0.0002));
    ExpectSame(VarAdd(Cur(1.5), 0.25), Variant(1.75));
    ExpectSame(VarDiv(Cur(1.5), 2), Variant(0.75));
    ExpectSame(VarNeg(Cur(1.5)), Cur(-1.5));
    const Variant maxCur = Variant::FromCurrency(std::numeric_limits<int64_t>::max());
    EXPECT_EQ(VarAdd(maxCur, 1).VarType(), TVarType::Double);
    EXPECT_EQ(VarMul(maxCur, maxCur).VarType(), TVarType::Double);

    const Variant day = Variant::FromDateTime(45000.5);
    ExpectSame(VarAdd(day, 1), Variant::FromDateTime(45001.5));
    ExpectSame(VarSub(day, 0.5), Variant::FromDateTime(45000.0));
    ExpectSame(VarSub(day, Variant::FromDateTime(45000.0)), Variant(0.5));
    ExpectSame(VarMul(day, 2), Variant(90001.0));
}

TEST(VariantOps, NullPropagatesAndEmptyIsZero)
{
    const Variant null = Variant::Null();
    const std::vector<std::function<Variant(const Variant&, const Variant&)>> binary = {
        VarAdd, VarSub, VarMul, VarDiv, VarIntDiv, VarMod, VarShl, VarShr, VarAnd, VarOr, VarXor};
    for (const auto& op : binary) {
        EXPECT_TRUE(op(null, 1).IsNull());
        EXPECT_TRUE(op("x", null).IsNull());
    }
    EXPECT_TRUE(VarNot(null).IsNull());
    EXPECT_TRUE(VarNeg(null).IsNull());
    ExpectSame(VarAdd(Variant(), 1), Variant(1));
    ExpectSame(VarMul(Variant(), 5), Variant(0));
    ExpectSame(VarSub(Variant(), "5"), Variant(-5.0));
    ExpectSame(VarNeg(Variant()), Variant(0));
}

TEST(VariantOps, Compare)
{
    using R = TVarCompareResult;
    const struct {
        Variant Left, Right;
        R Expected;
    } rows[] = {
        {1, 2, R::LessThan},
        {2, 2, R::Equal},
        {2.5, 2, R::GreaterThan},
        {1, 1.0, R::Equal},
        {"abc", "abd", R::LessThan},
        {"a", "B", R::GreaterThan},       // case-sensitive
        {"a", "a", R::Equal},
        {"10", 9, R::GreaterThan},        // a number in text compares numerically
        {9, "10", R::LessThan},
        {"10", "9", R::LessThan},         // two texts compare as text
        {"abc", 5, R::GreaterThan},       // else by text: "abc" against "5"
        {"True", true, R::Equal},
        {Cur(1.5), 1.5, R::Equal},
        {Cur(2), 2, R::Equal},
        {Variant::FromCurrency(20001), 2, R::GreaterThan},
        {true, false, R::LessThan},       // true is -1
        {true, -1, R::Equal},
        {Variant::FromDateTime(3), 2.5, R::GreaterThan},
        {Variant(), 0, R::Equal},
        {Variant(), "", R::Equal},
        {Variant(), Variant(), R::Equal},
        {Variant::Null(), Variant::Null(), R::Equal},
        {Variant::Null(), 0, R::Unordered},
        {Variant(), Variant::Null(), R::Unordered},
        {std::nan(""), 1, R::Unordered},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Describe(row.Left) + " ? " + Describe(row.Right));
        EXPECT_EQ(VarCompare(row.Left, row.Right), row.Expected);
    }
    TFormatSettingsOverride locale(Comma);
    EXPECT_EQ(VarCompare("1,5", 1.5), R::Equal);
    EXPECT_EQ(VarCompare("1.5", 1.5), R::GreaterThan); // not a number here: "1.5" > "1,5"
}

TEST(VariantOps, CompareOperators)
{
    using O = TVarCompareOp;
    const O ops[] = {O::Equal, O::Less, O::Greater, O::LessEqual, O::GreaterEqual, O::NotEqual};
    const struct {
        Variant Left, Right;
        bool Expected[6]; // in the order of ops
    } rows[] = {
        {1, 2, {false, true, false, true, false, true}},
        {2, 2, {true, false, false, true, true, false}},
        {3, 2, {false, false, true, false, true, true}},
        {Variant::Null(), 1, {false, false, false, false, false, true}},
    };
    for (const auto& row : rows) {
        for (size_t i = 0; i < 6; ++i) {
            SCOPED_TRACE(Describe(row.Left) + " op" + std::to_string(i) + " " + Describe(row.Right));
            EXPECT_EQ(VarCompareOp(row.Left, row.Right, ops[i]), row.Expected[i]);
        }
    }
}

} // namespace
