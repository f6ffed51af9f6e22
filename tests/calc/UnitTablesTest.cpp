#include "calc/UnitTables.h"

#include <gtest/gtest.h>

namespace {

constexpr double K = 0.23884589662749594789;

struct TConversion {
    TUnitList List;
    int Index;
    float Value;
    float Internal; // ToInternalUnit(List, Index, Value)
};

TEST(UnitTables, InputsConvertToInternalUnits)
{
    const TConversion rows[] = {
        {TUnitList::Pressure, 0, 0.1f, 1.0f},
        {TUnitList::Pressure, 0, 4.0f, 40.0f},
        {TUnitList::Pressure, 1, 1.0f, 1.0f},
        {TUnitList::Pressure, 1, 40.0f, 40.0f},
        {TUnitList::Pressure, 2, 1.0f, 1.01325f},     // the standard atmosphere
        {TUnitList::Pressure, 2, 39.476931f, 40.0f},
        {TUnitList::Pressure, 3, 1.0f, 0.980665f},    // one kgf/cm2
        {TUnitList::Pressure, 3, 40.79f, 40.001325f},
        {TUnitList::Temperature, 0, 100.0f, 100.0f},
        {TUnitList::Temperature, 1, 373.0f, 100.0f},  // offset 273, not 273.15
        {TUnitList::Temperature, 2, 212.0f, 100.0f},
        {TUnitList::Enthalpy, 1, 100.0f, 418.68f},
        {TUnitList::Entropy, 1, 1.0f, 4.1868f},
        {TUnitList::SpecificHeat, 1, 1.0f, 4.1868f},
        {TUnitList::Pressure, 7, 5.0f, 5.0f},          // no such unit: as entered
        {TUnitList::Temperature, -1, 5.0f, 5.0f},
        {TUnitList::SpecificVolume, 0, 5.0f, 5.0f},
    };
    for (const TConversion& r : rows) {
        SCOPED_TRACE(std::to_string(static_cast<int>(r.List)) + "/" + std::to_string(r.Index));
        EXPECT_FLOAT_EQ(ToInternalUnit(r.List, r.Index, r.Value), r.Internal);
    }
}

TEST(UnitTables, ResultsConvertToTheSelectedUnit)
{
    const TConversion rows[] = {
        // Value is the internal result, Internal the shown one here.
        {TUnitList::Pressure, 0, 1.0f, 0.1f},
        {TUnitList::Pressure, 0, 40.0f, 4.0f},
        {TUnitList::Pressure, 1, 40.0f, 40.0f},
        {TUnitList::Pressure, 2, 1.01325f, 1.0f},
        {TUnitList::Pressure, 2, 40.0f, 39.476931f},
        {TUnitList::Pressure, 3, 0.980665f, 1.0f},
        {TUnitList::Pressure, 3, 40.0f, 40.788649f},
        {TUnitList::Temperature, 1, 100.0f, 373.0f},
        {TUnitList::Temperature, 2, 100.0f, 212.0f},
        {TUnitList::Enthalpy, 1, 2676.45f, static_cast<float>(2676.45f * K)},
        {TUnitList::Entropy, 1, 7.3561f, static_cast<float>(7.3561f * K)},
        {TUnitList::SpecificHeat, 1, 4.18f, static_cast<float>(4.18f * K)},
        {TUnitList::VolumetricHeatCapacity, 1, 1.3194f, static_cast<float>(1.3194f * K)},
        {TUnitList::ThermalConductivity, 1, 1.0f, 0.85984522785898535765f},
        {TUnitList::SquareMetresPerSecond, 0, 1.3e-6f, 1.3e-6f},
        {TUnitList::None, 0, 0.5f, 0.5f},
        {TUnitList::Enthalpy, 2, 3.0f, 3.0f},
    };
    for (const TConversion& r : rows) {
        SCOPED_TRACE(std::to_string(static_cast<int>(r.List)) + "/" + std::to_string(r.Index));
        EXPECT_FLOAT_EQ(FromInternalUnit(r.List, r.Index, r.Value), r.Internal);
    }
}

TEST(UnitTables, PressureUnitsConvertBackToWhatWasTyped)
{
    for (int index = 0; index < 4; ++index) {
        for (float typed : {0.01f, 1.0f, 40.0f, 221.0f}) {
            SCOPED_TRACE(std::to_string(index) + ": " + std::to_string(typed));
            const float bar = ToInternalUnit(TUnitList::Pressure, index, typed);
            EXPECT_FLOAT_EQ(FromInternalUnit(TUnitList::Pressure, index, bar), typed);
        }
    }
}

TEST(UnitTables, ItemsAreExactlyTheSheetTexts)
{
    EXPECT_EQ(UnitListItems(TUnitList::Pressure),
              (QStringList{QStringLiteral("МПа"), QStringLiteral("бар"), QStringLiteral("атм"),
                           QStringLiteral("кгс/см2")}));
    const QStringList& t = UnitListItems(TUnitList::Temperature);
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(t[0], QString::fromUtf8("\xC2\xB0\xD0\xA1")); // degree sign + Cyrillic Es
    EXPECT_EQ(t[1], QStringLiteral("°K"));
    EXPECT_EQ(UnitListItems(TUnitList::HeatDropQuantity).value(3), QStringLiteral(" Адиабатный теплоперепад"));
    EXPECT_EQ(UnitListItems(TUnitList::ThermalConductivity).value(1), QStringLiteral("ккал/(мч*град)"));
    // The heat capacity of water and steam is per kilogram, of the gases per cubic metre.
    EXPECT_EQ(UnitListItems(TUnitList::SpecificHeat),
              (QStringList{QStringLiteral("кДж/(кг*град)"), QStringLiteral("ккал/(кг*град)")}));
    EXPECT_EQ(UnitListItems(TUnitList::VolumetricHeatCapacity).value(0), QStringLiteral("кДж/(м3*град)"));
    EXPECT_EQ(UnitListItems(TUnitList::SquareMetresPerSecond), QStringList{QStringLiteral("м2/с")});
    EXPECT_TRUE(UnitListItems(TUnitList::None).isEmpty());
}

} // namespace
