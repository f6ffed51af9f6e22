#include "props/GasProperties.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(GasPropertiesTest, References)
{
    struct TRow {
        const char* name;
        float (*f)(float);
        float t;
        double expected, tolerance;
    };
    const TRow rows[] = {
        {"AirDensity", AirDensity, 0, 1.2923, 0.00005},
        {"FlueGasDensity", FlueGasDensity, 0, 1.3002, 0.00005},
        {"AirHeatCapacity", AirHeatCapacity, 0, 0.31519196 * 4.186, 1e-6},
        {"RO2HeatCapacity", RO2HeatCapacity, 0, 1.6004, 0.00005},
        {"NitrogenHeatCapacity", NitrogenHeatCapacity, 0, 1.2947, 0.00005},
        {"WaterVapourHeatCapacity", WaterVapourHeatCapacity, 0, 1.4932, 0.00005},
        {"AshHeatCapacity", AshHeatCapacity, 0, 0.7393, 0.00005},
        {"AirPrandtl", AirPrandtl, 200, 0.7025, 0.00005},
        {"AirPrandtl", AirPrandtl, 200.01f, 0.6730, 0.00005},
        {"AirThermalDiffusivity", AirThermalDiffusivity, 0, 1.8653e-05, 1e-11},
        {"FlueGasThermalConductivity", FlueGasThermalConductivity, 0, 0.022642, 1e-8},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.name << "(" << row.t << ")");
        EXPECT_NEAR(row.f(row.t), row.expected, row.tolerance);
    }
}

TEST(GasPropertiesTest, PrandtlJumpsJustAbove200)
{
    const float at200 = AirPrandtl(200.0f);
    const float above = AirPrandtl(std::nextafter(200.0f, 300.0f));
    EXPECT_GT(at200 - above, 0.025f);
    EXPECT_NEAR(AirPrandtl(199.0f), at200, 0.001);
}

} // namespace
