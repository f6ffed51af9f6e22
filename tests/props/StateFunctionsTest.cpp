#include "props/StateFunctions.h"

#include "props/RegionCorrelations.h"
#include "props/SaturationLine.h"
#include "props/SolveSecant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr float Infinity = std::numeric_limits<float>::infinity();

float Above(float x)
{
    return std::nextafter(x, Infinity);
}

float Below(float x)
{
    return std::nextafter(x, -Infinity);
}

// The compressed-water search as the state functions run it.
float WaterTemperature(float p, float h, float upper)
{
    return SolveSecant(h, p, 5.0f, upper, WaterEnthalpyPT, 0.00025f);
}

TEST(StateFunctionsTest, ReferenceStates)
{
    struct TRow {
        float p, t;
        double h, hTol, v, vTol, s, sTol;
    };
    const TRow rows[] = {
        {1, 500, 3488.0, 0.05, 3.5654, 0.00005, 8.835, 0.0005},
        {10, 300, 3050.5, 0.05, 0.25779, 0.000005, 7.122, 0.0005},
        {100, 400, 3098.2, 0.05, 0.026408, 0.0000005, 6.225, 0.0005},
        {250, 500, 3165.4, 0.05, 0.011128, 0.0000005, 5.956, 0.0005},
        {1, 20, 83.93, 0.005, 0.001002, 0.0000005, 1.303, 0.0005},
        {100, 200, 855.7, 0.05, 0.001148, 0.0000005, 3.362, 0.0005},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(::testing::Message() << "p=" << row.p << " t=" << row.t);
        const float h = EnthalpyPT(row.p, row.t);
        EXPECT_NEAR(h, row.h, row.hTol);
        EXPECT_NEAR(TemperaturePH(row.p, h), row.t, 0.05);
        EXPECT_NEAR(VolumePH(row.p, h), row.v, row.vTol);
        EXPECT_NEAR(EntropyPH(row.p, h), row.s, row.sTol);
    }
}

TEST(StateFunctionsTest, CompressedWaterEntropyIsSaturatedWaterEntropy)
{
    for (float p : {1.0f, 100.0f}) {
        SCOPED_TRACE(p);
        const float s1 = SaturatedWaterEntropy(SaturationTemperature(p));
        for (float h : {10.0f, 80.0f, 300.0f})
            EXPECT_EQ(EntropyPH(p, h), s1) << "h=" << h;
    }
}

TEST(StateFunctionsTest, TwoPhaseTemperatureIsExactlySaturationTemperature)
{
    for (float p : {0.05f, 1.0f, 10.0f, 100.0f, 221.0f, 221.2f}) {
        SCOPED_TRACE(p);
        const float ts = SaturationTemperature(p);
        const float h1 = SaturatedWaterEnthalpy(ts);
        const float h2 = SaturatedSteamEnthalpy(ts);
        EXPECT_EQ(TemperaturePH(p, (h1 + h2) / 2), ts);
        EXPECT_EQ(TemperaturePH(p, h2), ts);       // h″ itself is still wet
        EXPECT_EQ(TemperaturePH(p, Above(h1)), ts);
    }
}

TEST(StateFunctionsTest, CriticalBoundaryComparesFloatWithDouble)
{
    // 221.2f lies just below the double 221.2, so it still has a saturation line.
    const float h = 2200.0f;
    EXPECT_EQ(TemperaturePH(221.2f, h), SaturationTemperature(221.2f));
    EXPECT_EQ(TemperaturePH(Above(221.2f), h), NearCriticalTemperaturePH(Above(221.2f), h));
    const float ts = SaturationTemperature(221.2f);
    const float wet = EnthalpyPS(221.2f, 4.5f); // s′ ≈ 4.117 < 4.5 < s″ ≈ 4.920
    EXPECT_GT(wet, SaturatedWaterEnthalpy(ts));
    EXPECT_LT(wet, SaturatedSteamEnthalpy(ts));
    EXPECT_EQ(EnthalpyPS(Above(221.2f), 4.5f),
              SolveSecant(4.5f, Above(221.2f), 2400.0f, 3900.0f, EntropyPH, 0.024f));
}

TEST(StateFunctionsTest, TemperatureRegionBoundaries)
{
    struct TCase {
        float p, h;
        float expected;
    };
    const TCase cases[] = {
        {250, 1700, WaterTemperature(250, 1700, 350)},
        {250, Above(1700), NearCriticalTemperaturePH(250, Above(1700))},
        {250, Below(2700), NearCriticalTemperaturePH(250, Below(2700))},
        {250, 2700, SteamTemperaturePH(250, 2700)},
        {150, Below(2700), NearCriticalTemperaturePH(150, Below(2700))}, // above h″ ≈ 2614.8
        {150, 2700, SteamTemperaturePH(150, 2700)},
        {10, 500, WaterTemperature(10, 500, 350)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "p=" << c.p << " h=" << c.h);
        EXPECT_EQ(TemperaturePH(c.p, c.h), c.expected);
    }
}

TEST(StateFunctionsTest, VolumeRegionBoundaries)
{
    const float ts10 = SaturationTemperature(10);
    struct TCase {
        float p, h;
        float expected;
    };
    const TCase cases[] = {
        {250, 1700, WaterVolumePT(250, WaterTemperature(250, 1700, 330))},
        {250, Above(1700), NearCriticalVolumePH(250, Above(1700))},
        {250, Below(2300), NearCriticalVolumePH(250, Below(2300))},
        {250, 2300, SteamVolumePH(250, 2300)},
        {160, Below(2750), NearCriticalVolumePH(160, Below(2750))}, // above h″ ≈ 2588.3
        {160, 2750, SteamVolumePH(160, 2750)},
        {150, 2700, SteamVolumePH(150, 2700)}, // the near-critical fit needs p > 150
        {10, 500, WaterVolumePT(10, WaterTemperature(10, 500, ts10))},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "p=" << c.p << " h=" << c.h);
        EXPECT_EQ(VolumePH(c.p, c.h), c.expected);
    }
}

TEST(StateFunctionsTest, EntropyRegionBoundaries)
{
    struct TCase {
        float p, h;
        float expected;
    };
    const TCase cases[] = {
        {250, Below(3200), NearCriticalEntropyPH(250, Below(3200))},
        {250, 3200, SteamEntropyPH(250, 3200)},
        {130, Below(2900), NearCriticalEntropyPH(130, Below(2900))}, // above h″ ≈ 2663.4
        {130, 2900, SteamEntropyPH(130, 2900)},
        {125, 2800, SteamEntropyPH(125, 2800)}, // the near-critical fit needs p > 125
        {10, 2900, SteamEntropyPH(10, 2900)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "p=" << c.p << " h=" << c.h);
        EXPECT_EQ(EntropyPH(c.p, c.h), c.expected);
    }
}

TEST(StateFunctionsTest, WetSteamIsLinearInEnthalpy)
{
    const float p = 10;
    const float ts = SaturationTemperature(p);
    const float h1 = SaturatedWaterEnthalpy(ts);
    const float h2 = SaturatedSteamEnthalpy(ts);
    const float hMid = (h1 + h2) / 2;
    const float v1 = SaturatedWaterVolume(ts);
    const float v2 = SaturatedSteamVolume(ts);
    EXPECT_NEAR(VolumePH(p, hMid), (v1 + v2) / 2, 1e-6);
    EXPECT_NEAR(EntropyPH(p, hMid), (SaturatedWaterEntropy(ts) + SaturatedSteamEntropy(ts)) / 2, 1e-5);
    EXPECT_EQ(EntropyPH(p, h2), SaturatedSteamEntropy(ts));
    EXPECT_NEAR(DrynessPV(p, VolumePH(p, hMid)), 0.5, 1e-5);
}

TEST(StateFunctionsTest, EnthalpyByTemperatureBranches)
{
    const float ts10 = SaturationTemperature(10);
    const float h2at10 = SaturatedSteamEnthalpy(ts10);
    const float ts200 = SaturationTemperature(200);
    const float h2at200 = SaturatedSteamEnthalpy(ts200);
    struct TCase {
        const char* name;
        float p, t;
        float expected;
    };
    const TCase cases[] = {
        {"t = t_s is steam", 10, ts10, SolveSecant(ts10, 10, h2at10, 3900, SteamTemperaturePH, h2at10 * 1e-07f)},
        {"just below t_s is water", 10, Below(ts10), WaterEnthalpyPT(10, Below(ts10))},
        {"p > 100 below 2700 searches the near-critical fit", 200, 380,
         SolveSecant(380, 200, h2at200, 3900, NearCriticalTemperaturePH, h2at200 * 1e-07f)},
        {"above 221.2 bar up to 374 is water", 250, 374, WaterEnthalpyPT(250, 374)},
        {"above 221.2 bar and 374 searches TemperaturePH", 250, Above(374),
         SolveSecant(Above(374), 250, 2400, 3900, TemperaturePH, 0.024f)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EnthalpyPT(c.p, c.t), c.expected);
    }
    EXPECT_GT(EnthalpyPT(10, ts10), 2700.0f); // the steam value, not h′ ≈ 762.5
}

TEST(StateFunctionsTest, EnthalpyByEntropyBranches)
{
    const float p = 10;
    const float ts = SaturationTemperature(p);
    const float h1 = SaturatedWaterEnthalpy(ts);
    const float h2 = SaturatedSteamEnthalpy(ts);
    const float s1 = SaturatedWaterEntropy(ts);
    const float s2 = SaturatedSteamEntropy(ts);
    EXPECT_NEAR(EnthalpyPS(p, 7.1224f), 3050.46, 0.5); // inverse of EntropyPH
    EXPECT_NEAR(EnthalpyPS(p, s1), h1, 1e-3);
    EXPECT_NEAR(EnthalpyPS(p, (s1 + s2) / 2), (h1 + h2) / 2, 1e-2);
    EXPECT_EQ(EnthalpyPS(p, s1 - 0.5f), h1); // compressed water by entropy
    EXPECT_NEAR(EntropyPH(250, EnthalpyPS(250, 5.5f)), 5.5, 1e-3);
}

TEST(StateFunctionsTest, DrynessIsClamped)
{
    const float p = 10;
    const float ts = SaturationTemperature(p);
    const float v1 = SaturatedWaterVolume(ts);
    const float v2 = SaturatedSteamVolume(ts);
    struct TCase {
        float v;
        float expected;
    };
    const TCase cases[] = {{0.0f, 0.0f}, {Below(v1), 0.0f}, {v1, 0.0f}, {v2, 1.0f}, {1.0f, 1.0f}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.v);
        EXPECT_EQ(DrynessPV(p, c.v), c.expected);
    }
    const float x = DrynessPV(p, v1 + (v2 - v1) * 0.25f);
    EXPECT_NEAR(x, 0.25, 1e-5);
    EXPECT_NEAR(DrynessPV(250, 0.003f), 0.45, 0.05); // extrapolated line above 221.2 bar
}

TEST(StateFunctionsTest, AdiabaticHeatDropBranches)
{
    // Superheated start and end: the drop is h0 − h(Pk, s0).
    EXPECT_EQ(AdiabaticHeatDrop(100, 3400, 50), 3400.0f - EnthalpyPS(50, EntropyPH(100, 3400)));
    // Superheated start, wet end: steam tables give about 1385 kJ/kg from
    // 100 bar, 3400 kJ/kg down to 0.05 bar.
    EXPECT_NEAR(AdiabaticHeatDrop(100, 3400, 0.05f), 1385.0, 15.0);
    // A wet start expanded to its own pressure drops nothing.
    EXPECT_NEAR(AdiabaticHeatDrop(10, 1500, 10), 0.0, 0.01);
    // Wet start to a lower pressure drops something, less than from dry steam.
    const float h2at10 = SaturatedSteamEnthalpy(SaturationTemperature(10));
    const float wet = AdiabaticHeatDrop(10, 1500, 1);
    EXPECT_GT(wet, 0.0f);
    EXPECT_LT(wet, AdiabaticHeatDrop(10, h2at10, 1));
}

} // namespace
