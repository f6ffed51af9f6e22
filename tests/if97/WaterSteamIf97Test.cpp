// The IF97 functions in the program's units: the steam-table values an
// engineer checks first, unit conversion, and the range limits.
#include "if97/WaterSteamIf97.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace If97;

namespace {

TEST(WaterSteamIf97, SteamTableValuesInProgramUnits)
{
    EXPECT_NEAR(EnthalpyPT(40, 440), 3307.8677, 5e-5);
    EXPECT_NEAR(HeatCapacityPT(40, 440), 2.32, 0.005);
    EXPECT_NEAR(EntropyPH(1, EnthalpyPT(1, 20)), 0.2965, 5e-5);
    EXPECT_NEAR(SaturationTemperature(1.01325), 99.974, 1e-3);
    EXPECT_NEAR(SaturationPressure(100), 1.01418, 1e-5);
    EXPECT_NEAR(SaturatedSteamEnthalpy(100), 2675.57, 0.01);
    EXPECT_NEAR(SaturatedWaterEnthalpy(100), 419.10, 0.01);
    EXPECT_NEAR(TemperaturePH(40, 3307.8677), 440.0, 1e-5);
    EXPECT_NEAR(KinematicViscosityPT(1, 20), 1.0035e-6, 1e-9);
    EXPECT_NEAR(ThermalConductivityPT(1, 20), 0.598, 0.001);
    EXPECT_NEAR(PrandtlPT(1, 20), 7.0, 0.05);
}

TEST(WaterSteamIf97, WetSteamDrynessAndVolume)
{
    const double h1 = SaturatedWaterEnthalpy(SaturationTemperature(10));
    const double h2 = SaturatedSteamEnthalpy(SaturationTemperature(10));
    const double h = 0.3 * h1 + 0.7 * h2;
    EXPECT_NEAR(DrynessPH(10, h), 0.7, 1e-9);
    EXPECT_NEAR(DrynessPV(10, VolumePH(10, h)), 0.7, 1e-9);
    EXPECT_EQ(DrynessPV(10, 1e-4), 0.0);
    EXPECT_EQ(DrynessPV(10, 100), 1.0);
    EXPECT_EQ(DrynessPV(300, 1e-3), 0.0); // above the critical pressure: by density
}

TEST(WaterSteamIf97, AdiabaticHeatDropOfATurbine)
{
    // 90 bar, 535 °C expanded to 0.05 bar: a textbook condensing turbine.
    const double h0 = EnthalpyPT(90, 535);
    const double drop = AdiabaticHeatDrop(90, h0, 0.05);
    EXPECT_GT(drop, 1350);
    EXPECT_LT(drop, 1450);
    EXPECT_NEAR(EntropyPH(0.05, h0 - drop), EntropyPH(90, h0), 1e-9);
}

TEST(WaterSteamIf97, RangeLimits)
{
    struct TRow {
        double p, t;
        bool inside;
    };
    const TRow rows[] = {
        {1, 20, true},    {1000, 800, true},  {500, 2000, true}, {1000.1, 20, false}, {1, 2000.1, false},
        {501, 801, false}, {1, -0.1, false},  {0, 20, false},    {NAN, 20, false},
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(testing::Message() << "p=" << r.p << " t=" << r.t);
        EXPECT_EQ(RangeErrorPT(r.p, r.t) == nullptr, r.inside);
        EXPECT_EQ(std::isnan(EnthalpyPT(r.p, r.t)), !r.inside);
    }
    EXPECT_TRUE(std::isnan(SaturationTemperature(221)));
    EXPECT_TRUE(std::isnan(SaturationPressure(374)));
    EXPECT_TRUE(std::isnan(KinematicViscosityPT(2000, 20)));
}

} // namespace
