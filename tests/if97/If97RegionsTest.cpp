// The basic equations against the verification tables printed in the
// IAPWS-IF97 release (regions 1, 2, 3, 5, the saturation line and B23).
#include "if97/If97Regions.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace If97;

namespace {

// Nine significant digits: the tables print 0.ddddddddd × 10^k.
void ExpectDigits(double actual, double expected, const char* what)
{
    EXPECT_NEAR(actual, expected, std::abs(expected) * 6e-9) << what;
}

struct TGibbsRow {
    int Region;
    double T, p;
    double v, h, u, s, cp, w;
};

TEST(If97Regions, GibbsRegionsMatchReleaseTables)
{
    const TGibbsRow rows[] = {
        {1, 300, 3, 0.100215168e-2, 0.115331273e3, 0.112324818e3, 0.392294792, 0.417301218e1, 0.150773921e4},
        {1, 300, 80, 0.971180894e-3, 0.184142828e3, 0.106448356e3, 0.368563852, 0.401008987e1, 0.163469054e4},
        {1, 500, 3, 0.120241800e-2, 0.975542239e3, 0.971934985e3, 0.258041912e1, 0.465580682e1, 0.124071337e4},
        {2, 300, 0.0035, 0.394913866e2, 0.254991145e4, 0.241169160e4, 0.852238967e1, 0.191300162e1, 0.427920172e3},
        {2, 700, 0.0035, 0.923015898e2, 0.333568375e4, 0.301262819e4, 0.101749996e2, 0.208141274e1, 0.644289068e3},
        {2, 700, 30, 0.542946619e-2, 0.263149474e4, 0.246861076e4, 0.517540298e1, 0.103505092e2, 0.480386523e3},
        {5, 1500, 0.5, 0.138455090e1, 0.521976855e4, 0.452749310e4, 0.965408875e1, 0.261609445e1, 0.917068690e3},
        {5, 1500, 30, 0.230761299e-1, 0.516723514e4, 0.447495124e4, 0.772970133e1, 0.272724317e1, 0.928548002e3},
        {5, 2000, 30, 0.311385219e-1, 0.657122604e4, 0.563707038e4, 0.853640523e1, 0.288569882e1, 0.106736948e4},
    };
    for (const TGibbsRow& r : rows) {
        SCOPED_TRACE(testing::Message() << "region " << r.Region << " T=" << r.T << " p=" << r.p);
        const TState st = r.Region == 1 ? Region1(r.p, r.T) : r.Region == 2 ? Region2(r.p, r.T) : Region5(r.p, r.T);
        ExpectDigits(st.V, r.v, "v");
        ExpectDigits(st.H, r.h, "h");
        ExpectDigits(st.H - r.p * 1000.0 * st.V, r.u, "u");
        ExpectDigits(st.S, r.s, "s");
        ExpectDigits(st.Cp, r.cp, "cp");
        ExpectDigits(st.W, r.w, "w");
    }
}

TEST(If97Regions, HelmholtzRegion3MatchesReleaseTable)
{
    struct TRow {
        double T, rho, p, h, u, s, cp, w;
    };
    const TRow rows[] = {
        {650, 500, 0.255837018e2, 0.186343019e4, 0.181226279e4, 0.405427273e1, 0.138935717e2, 0.502005554e3},
        {650, 200, 0.222930643e2, 0.237512401e4, 0.226365868e4, 0.485438792e1, 0.446579342e2, 0.383444594e3},
        {750, 500, 0.783095639e2, 0.225868845e4, 0.210206932e4, 0.446971906e1, 0.634165359e1, 0.760696041e3},
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(testing::Message() << "T=" << r.T << " rho=" << r.rho);
        const TState st = Region3(r.rho, r.T);
        ExpectDigits(st.P, r.p, "p");
        ExpectDigits(st.H, r.h, "h");
        ExpectDigits(st.H - st.P * 1000.0 * st.V, r.u, "u");
        ExpectDigits(st.S, r.s, "s");
        ExpectDigits(st.Cp, r.cp, "cp");
        ExpectDigits(st.W, r.w, "w");
    }
}

TEST(If97Regions, SaturationLineMatchesReleaseTables)
{
    const double byT[][2] = {{300, 0.353658941e-2}, {500, 0.263889776e1}, {600, 0.123443146e2}};
    for (const auto& r : byT) {
        SCOPED_TRACE(r[0]);
        ExpectDigits(SaturationPressureK(r[0]), r[1], "ps");
    }
    const double byP[][2] = {{0.1, 0.372755919e3}, {1, 0.453035632e3}, {10, 0.584149488e3}};
    for (const auto& r : byP) {
        SCOPED_TRACE(r[0]);
        ExpectDigits(SaturationTemperatureMPa(r[0]), r[1], "Ts");
    }
}

TEST(If97Regions, B23BoundaryIsItsOwnInverse)
{
    ExpectDigits(B23Pressure(0.62315e3), 0.165291643e2, "p");
    ExpectDigits(B23Temperature(0.165291643e2), 0.62315e3, "T");
    for (double T = 623.15; T <= 863.15; T += 20.0)
        EXPECT_NEAR(B23Temperature(B23Pressure(T)), T, 1e-9 * T);
}

TEST(If97Regions, CriticalPointIsWhereTheLineEnds)
{
    EXPECT_NEAR(SaturationPressureK(kTc), kPc, 1e-6);
    EXPECT_NEAR(SaturationTemperatureMPa(kPc), kTc, 1e-6);
}

} // namespace
