#include "props/SaturationLine.h"

#include <gtest/gtest.h>

namespace {

struct TReference {
    const char* name;
    float (*f)(float);
    float x;
    double expected;
    double tolerance; // half a unit of the last digit shown
};

void ExpectReferences(std::initializer_list<TReference> rows)
{
    for (const TReference& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.name << "(" << row.x << ")");
        EXPECT_NEAR(row.f(row.x), row.expected, row.tolerance);
    }
}

TEST(SaturationLineTest, SaturationTemperatureReferences)
{
    ExpectReferences({
        {"SaturationTemperature", SaturationTemperature, 1.01325f, 100.006, 0.0005},
        {"SaturationTemperature", SaturationTemperature, 1.0f, 99.64, 0.005},
        {"SaturationTemperature", SaturationTemperature, 10.0f, 179.88, 0.005},
        {"SaturationTemperature", SaturationTemperature, 221.0f, 374.13, 0.005},
    });
}

TEST(SaturationLineTest, PropertiesAtHundredDegrees)
{
    ExpectReferences({
        {"SaturationPressure", SaturationPressure, 100.0f, 1.0133, 0.00005},
        {"SaturatedWaterVolume", SaturatedWaterVolume, 100.0f, 0.0010436, 0.00000005},
        {"SaturatedSteamVolume", SaturatedSteamVolume, 100.0f, 1.674, 0.0005},
        {"SaturatedWaterEnthalpy", SaturatedWaterEnthalpy, 100.0f, 419.18, 0.005},
        {"SaturatedSteamEnthalpy", SaturatedSteamEnthalpy, 100.0f, 2676.45, 0.005},
        {"SaturatedWaterEntropy", SaturatedWaterEntropy, 100.0f, 1.3072, 0.00005},
        {"SaturatedSteamEntropy", SaturatedSteamEntropy, 100.0f, 7.3561, 0.00005},
    });
}

TEST(SaturationLineTest, TriplePointAndNearCritical)
{
    ExpectReferences({
        {"SaturatedWaterEnthalpy", SaturatedWaterEnthalpy, 0.01f, 0.001, 0.0005},
        {"SaturatedWaterEntropy", SaturatedWaterEntropy, 0.01f, 0.00004, 0.000005},
        {"SaturatedSteamEnthalpy", SaturatedSteamEnthalpy, 0.01f, 2500.98, 0.005},
        {"SaturationPressure", SaturationPressure, 374.0f, 220.85, 0.005},
        {"SaturatedWaterEnthalpy", SaturatedWaterEnthalpy, 374.0f, 1895.1, 0.05},
        {"SaturatedSteamEnthalpy", SaturatedSteamEnthalpy, 374.0f, 2399.0, 0.05},
    });
}

TEST(SaturationLineTest, InverseFitsAgreeAlongTheLine)
{
    for (float t : {20.0f, 100.0f, 180.0f, 250.0f, 300.0f, 350.0f}) {
        SCOPED_TRACE(t);
        EXPECT_NEAR(SaturationTemperature(SaturationPressure(t)), t, 0.05);
    }
}

} // namespace
