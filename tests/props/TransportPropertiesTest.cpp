#include "props/TransportProperties.h"

#include "props/SaturationLine.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(TransportPropertiesTest, References)
{
    struct TRow {
        const char* name;
        float (*f)(float, float);
        float p, t;
        double expected, tolerance;
    };
    const TRow rows[] = {
        // The fits give 4.21662 and 5.91713: quoted truncated, as 4.216 and 5.91, elsewhere.
        {"HeatCapacityPT", HeatCapacityPT, 1, 20, 4.2166, 0.00005},
        {"HeatCapacityPT", HeatCapacityPT, 10, 300, 5.9171, 0.00005},
        {"HeatCapacityPT", HeatCapacityPT, 10, 400, 69.0, 0.5},
        {"ThermalConductivityPT", ThermalConductivityPT, 100, 400, 0.0656, 0.00005},
        {"PrandtlPT", PrandtlPT, 10, 100, 1.83, 0.005},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.name << "(" << row.p << ", " << row.t << ")");
        EXPECT_NEAR(row.f(row.p, row.t), row.expected, row.tolerance);
    }
}

TEST(TransportPropertiesTest, SaturationTemperatureUsesSteamFit)
{
    struct TRow {
        const char* name;
        float (*f)(float, float);
    };
    const TRow rows[] = {
        {"HeatCapacityPT", HeatCapacityPT},
        {"ThermalConductivityPT", ThermalConductivityPT},
        {"KinematicViscosityPT", KinematicViscosityPT},
        {"PrandtlPT", PrandtlPT},
    };
    for (float p : {1.0f, 10.0f, 100.0f}) {
        const float ts = SaturationTemperature(p);
        const float below = std::nextafter(ts, 0.0f);
        for (const TRow& row : rows) {
            SCOPED_TRACE(::testing::Message() << row.name << " p=" << p);
            const float atTs = row.f(p, ts);
            // The fits are smooth on each side; the branch switch is a jump.
            const double stepToSteam = std::fabs(row.f(p, ts + 0.001f) - atTs);
            const double jumpToWater = std::fabs(row.f(p, below) - atTs);
            EXPECT_GT(jumpToWater, 50 * stepToSteam);
        }
    }
    // The heat capacity depends on t alone, so another pressure's branch can be borrowed.
    const float ts10 = SaturationTemperature(10);
    EXPECT_EQ(HeatCapacityPT(10, ts10), HeatCapacityPT(1, ts10));
    EXPECT_EQ(HeatCapacityPT(10, std::nextafter(ts10, 0.0f)), HeatCapacityPT(100, std::nextafter(ts10, 0.0f)));
}

} // namespace
