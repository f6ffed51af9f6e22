// Viscosity and thermal conductivity against the check values of the IAPWS
// 2008 and 2011 releases, and the conductivity's critical enhancement.
#include "if97/If97State.h"
#include "if97/If97Transport.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace If97;

namespace {

TEST(If97Transport, ViscosityMatchesReleaseTable)
{
    // T K, ρ kg/m³, μ µPa·s (the table without critical enhancement).
    const double rows[][3] = {
        {298.15, 998, 889.735100},  {298.15, 1200, 1437.649467}, {373.15, 1000, 307.883622},
        {433.15, 1, 14.538324},     {433.15, 1000, 217.685358},  {873.15, 1, 32.619287},
        {873.15, 100, 35.802262},   {873.15, 600, 77.430195},    {1173.15, 1, 44.217245},
        {1173.15, 100, 47.640433},  {1173.15, 400, 64.154608},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "T=" << r[0] << " rho=" << r[1]);
        EXPECT_NEAR(Viscosity(r[1], r[0]) * 1e6, r[2], 1e-6);
    }
}

TEST(If97Transport, ConductivityBackgroundMatchesReleaseTable)
{
    // T K, ρ kg/m³, λ mW/(m·K) with the critical enhancement left out.
    const double rows[][3] = {
        {298.15, 0, 18.4341883}, {298.15, 998, 607.712868}, {298.15, 1200, 799.038144}, {873.15, 0, 79.1034659},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << "T=" << r[0] << " rho=" << r[1]);
        EXPECT_NEAR(ThermalConductivityBackground(r[1], r[0]) * 1e3, r[2], 1e-6);
    }
}

TEST(If97Transport, CriticalEnhancementMattersOnlyNearTheCriticalPoint)
{
    struct TRow {
        double p, T, minRatio, maxRatio;
    };
    const TRow rows[] = {
        {0.1, 300, 1.0, 1.0001},  // compressed liquid: negligible
        {1, 800, 1.0, 1.001},     // dilute steam: negligible
        {22.5, 650, 1.5, 100},    // close to the critical point: large
        {25, 660, 1.05, 10},      // supercritical near it: noticeable
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(testing::Message() << "p=" << r.p << " T=" << r.T);
        const TState st = StatePT(r.p, r.T);
        const double ratio = ThermalConductivity(st) / ThermalConductivityBackground(1.0 / st.V, st.T);
        EXPECT_GE(ratio, r.minRatio);
        EXPECT_LE(ratio, r.maxRatio);
    }
}

} // namespace
