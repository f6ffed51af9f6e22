// Variant: the tagged value that cells, formulas and the application pass
// around (unassigned, Null, string, 32-bit integer, double, Boolean, Currency,
// date-time), with the desktop variant conversion rules a spreadsheet user
// expects: text converts to numbers strictly under the locale's decimal
// separator, unassigned converts to 0 / "" / false, Null converts to no
// number, Boolean true is -1 as a number, doubles round half to even.
// A failed conversion raises EVariantError (base/VariantError.h) and never
// yields a made-up 0. Numbers are held inline (no heap); a string shares
// QString's implicitly shared buffer. The operators live in VariantOps.h.
#pragma once

#include <QString>

#include <cstdint>
#include <variant>

// Value kinds, in this order (VarType() is the index of the held alternative).
enum class TVarType { Empty, Null, String, Integer, Double, Boolean, Currency, DateTime };

class Variant {
public:
    Variant() = default; // Empty (unassigned)
    Variant(const QString& value) : FValue(std::in_place_index<2>, value) {}
    Variant(QString&& value) : FValue(std::in_place_index<2>, std::move(value)) {}
    Variant(const char16_t* value) : FValue(std::in_place_index<2>, QString::fromUtf16(value)) {}
    Variant(const char* utf8) : FValue(std::in_place_index<2>, QString::fromUtf8(utf8)) {}
    Variant(int32_t value) : FValue(std::in_place_index<3>, value) {}
    Variant(double value) : FValue(std::in_place_index<4>, value) {}
    Variant(bool value) : FValue(std::in_place_index<5>, value) {}

    static Variant Null();
    static Variant FromCurrency(int64_t units10000); // fixed point, 4 decimals
    static Variant FromDateTime(double days);        // days since 1899-12-30

    TVarType VarType() const { return static_cast<TVarType>(FValue.index()); }
    bool IsEmpty() const { return VarType() == TVarType::Empty; }
    bool IsNull() const { return VarType() == TVarType::Null; }
    bool IsEmptyOrNull() const { return IsEmpty() || IsNull(); }

    // Conversions. Empty gives "", 0, false. Null gives "" as text and raises
    // for every other kind. Text converts with StrToFloat under
    // CurrentFormatSettings(); ToBoolean also takes "True"/"False" in any case.
    QString ToString() const;   // doubles with up to 15 significant digits
    int32_t ToInteger() const;  // rounds half to even; raises beyond int32
    double ToDouble() const;
    bool ToBoolean() const;     // non-zero is true
    int64_t ToCurrency() const; // units of 1/10000; rounds half to even
    double ToDateTime() const;

    // Same kind and same value, exactly (no conversion; 1 != 1.0).
    bool operator==(const Variant& other) const;

    // The kind's name as the error messages write it ("Integer", "Date", …).
    static const char* VarTypeName(TVarType type);

private:
    struct TNullTag {
        bool operator==(const TNullTag&) const = default;
    };
    struct TCurrencyUnits {
        int64_t Units;
        bool operator==(const TCurrencyUnits&) const = default;
    };
    struct TDateTimeDays {
        double Days;
        bool operator==(const TDateTimeDays&) const = default;
    };
    using TStorage =
        std::variant<std::monostate, TNullTag, QString, int32_t, double, bool, TCurrencyUnits, TDateTimeDays>;

    double ToReal(TVarType as) const;

    TStorage FValue;
};
