#include "props/RegionCorrelations.h"

#include <gtest/gtest.h>

namespace {

struct TReference {
    const char* name;
    float (*f)(float, float);
    float p, x;
    double expected;
    double tolerance; // half a unit of the last digit shown
};

TEST(RegionCorrelationsTest, References)
{
    const TReference rows[] = {
        {"SteamTemperaturePH", SteamTemperaturePH, 10.0f, 3050.46f, 300.0, 0.05},
        {"SteamVolumePH", SteamVolumePH, 10.0f, 3050.46f, 0.25779, 0.000005},
        {"SteamEntropyPH", SteamEntropyPH, 10.0f, 3050.46f, 7.1224, 0.00005},
        {"SteamEntropyPH", SteamEntropyPH, 1.0f, 3488.0f, 8.835, 0.0005},
        {"WaterEnthalpyPT", WaterEnthalpyPT, 1.0f, 20.0f, 83.93, 0.005},
        {"WaterVolumePT", WaterVolumePT, 1.0f, 20.0f, 0.001002, 0.0000005},
        {"WaterEnthalpyPT", WaterEnthalpyPT, 100.0f, 200.0f, 855.7, 0.05},
        {"NearCriticalEntropyPH", NearCriticalEntropyPH, 250.0f, 1331.68f, 3.19, 0.005},
        {"WaterVolumePT", WaterVolumePT, 250.0f, 300.0f, 0.001345, 0.0000005},
    };
    for (const TReference& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.name << "(" << row.p << ", " << row.x << ")");
        EXPECT_NEAR(row.f(row.p, row.x), row.expected, row.tolerance);
    }
}

TEST(RegionCorrelationsTest, NearCriticalAndSteamFitsMeetAtTheirBoundary)
{
    // Where the state functions switch fits, temperature and entropy roughly
    // agree (the volume fits do not: they differ by half at 250 bar, 2300 kJ/kg).
    EXPECT_NEAR(NearCriticalTemperaturePH(250.0f, 2700.0f), SteamTemperaturePH(250.0f, 2700.0f), 5.0);
    EXPECT_NEAR(NearCriticalEntropyPH(250.0f, 3200.0f), SteamEntropyPH(250.0f, 3200.0f), 0.05);
}

} // namespace
