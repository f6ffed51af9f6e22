// The backward equations and boundary lines against the verification
// values printed in the IF97 release and its supplementary releases.
#include "if97/If97Backward.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace If97;

namespace {

struct TRow {
    double x, y, expected;
};

void ExpectTable(double (*f)(double, double), std::initializer_list<TRow> rows, double rel = 6e-9)
{
    for (const TRow& r : rows) {
        SCOPED_TRACE(testing::Message() << r.x << ", " << r.y);
        EXPECT_NEAR(f(r.x, r.y), r.expected, std::abs(r.expected) * rel);
    }
}

TEST(If97Backward, Region1TemperatureOfEnthalpyAndEntropy)
{
    ExpectTable(Region1TemperaturePH, {{3, 500, 0.391798509e3}, {80, 500, 0.378108626e3}, {80, 1500, 0.611041229e3}});
    ExpectTable(Region1TemperaturePS, {{3, 0.5, 0.307842258e3}, {80, 0.5, 0.309979785e3}, {80, 3, 0.565899909e3}});
}

TEST(If97Backward, Region2TemperatureOfEnthalpyInEachSubregion)
{
    ExpectTable(Region2TemperaturePH, {
                                          {0.001, 3000, 0.534433241e3},
                                          {3, 3000, 0.575373370e3},
                                          {3, 4000, 0.101077577e4},
                                          {5, 3500, 0.801299102e3},
                                          {5, 4000, 0.101531583e4},
                                          {25, 3500, 0.875279054e3},
                                          {40, 2700, 0.743056411e3},
                                          {60, 2700, 0.791137067e3},
                                          {60, 3200, 0.882756860e3},
                                      });
}

TEST(If97Backward, Region2TemperatureOfEntropyInEachSubregion)
{
    ExpectTable(Region2TemperaturePS, {
                                          {0.1, 7.5, 0.399517097e3},
                                          {0.1, 8, 0.514127081e3},
                                          {2.5, 8, 0.103984917e4},
                                          {8, 6, 0.600484040e3},
                                          {8, 7.5, 0.106495556e4},
                                          {90, 6, 0.103801126e4},
                                          {20, 5.75, 0.697992849e3},
                                          {80, 5.25, 0.854011484e3},
                                          {80, 5.75, 0.949017998e3},
                                      });
}

TEST(If97Backward, SubregionBoundaries)
{
    EXPECT_NEAR(B2bcPressure(0.3516004323e4), 0.1e3, 1e-7);
    EXPECT_NEAR(B2bcEnthalpy(0.1e3), 0.3516004323e4, 1e-6);
    EXPECT_NEAR(B3abEnthalpy(25), 0.2095936454e4, 1e-6);
}

TEST(If97Backward, Region3TemperatureAndVolumeOfEnthalpy)
{
    ExpectTable(Region3TemperaturePH, {{20, 1700, 0.6293083892e3}, {50, 2000, 0.6905718338e3},
                                       {100, 2100, 0.7336163014e3}, {20, 2500, 0.6418418053e3},
                                       {50, 2400, 0.7351848618e3}, {100, 2700, 0.8420460876e3}},
                1e-9);
    ExpectTable(Region3VolumePH, {{20, 1700, 0.1749903962e-2}, {50, 2000, 0.1908139035e-2},
                                  {100, 2100, 0.1676229776e-2}, {20, 2500, 0.6670547043e-2},
                                  {50, 2400, 0.2801244590e-2}, {100, 2700, 0.2404234998e-2}},
                1e-9);
}

TEST(If97Backward, Region3TemperatureAndVolumeOfEntropy)
{
    ExpectTable(Region3TemperaturePS, {{20, 3.8, 0.6282959869e3}, {50, 3.6, 0.6297158726e3},
                                       {100, 4.0, 0.7056880237e3}, {20, 5.0, 0.6401176443e3},
                                       {50, 4.5, 0.7163687517e3}, {100, 5.0, 0.8474332825e3}},
                1e-9);
    ExpectTable(Region3VolumePS, {{20, 3.8, 0.1733791463e-2}, {50, 3.6, 0.1469680170e-2},
                                  {100, 4.0, 0.1555893131e-2}, {20, 5.0, 0.6262101987e-2},
                                  {50, 4.5, 0.2332634294e-2}, {100, 5.0, 0.2449610757e-2}},
                1e-9);
}

// The v(p, T) release prints two points in each of its 26 subregions; the
// subregion is found from (p, T) alone, so this also checks the boundaries.
TEST(If97Backward, Region3VolumeOfPressureAndTemperatureInAll26Subregions)
{
    struct TVRow {
        char Sub;
        double p, T, v;
    };
    const TVRow rows[] = {
        {'a', 50, 630, 0.001470853100},    {'a', 80, 670, 0.001503831359},
        {'b', 50, 710, 0.002204728587},    {'b', 80, 750, 0.001973692940},
        {'c', 20, 630, 0.001761696406},    {'c', 30, 650, 0.001819560617},
        {'d', 26, 656, 0.002245587720},    {'d', 30, 670, 0.002506897702},
        {'e', 26, 661, 0.002970225962},    {'e', 30, 675, 0.003004627086},
        {'f', 26, 671, 0.005019029401},    {'f', 30, 690, 0.004656470142},
        {'g', 23.6, 649, 0.002163198378},  {'g', 24, 650, 0.002166044161},
        {'h', 23.6, 652, 0.002651081407},  {'h', 24, 654, 0.002967802335},
        {'i', 23.6, 653, 0.003273916816},  {'i', 24, 655, 0.003550329864},
        {'j', 23.5, 655, 0.004545001142},  {'j', 24, 660, 0.005100267704},
        {'k', 23, 660, 0.006109525997},    {'k', 24, 670, 0.006427325645},
        {'l', 22.6, 646, 0.002117860851},  {'l', 23, 646, 0.002062374674},
        {'m', 22.6, 648.6, 0.002533063780}, {'m', 22.8, 649.3, 0.002572971781},
        {'n', 22.6, 649, 0.002923432711},  {'n', 22.8, 649.7, 0.002913311494},
        {'o', 22.6, 649.1, 0.003131208996}, {'o', 22.8, 649.9, 0.003221160278},
        {'p', 22.6, 649.4, 0.003715596186}, {'p', 22.8, 650.2, 0.003664754790},
        {'q', 21.1, 640, 0.001970999272},  {'q', 21.8, 643, 0.002043919161},
        {'r', 21.1, 644, 0.005251009921},  {'r', 21.8, 648, 0.005256844741},
        {'s', 19.1, 635, 0.001932829079},  {'s', 20, 638, 0.001985387227},
        {'t', 17, 626, 0.008483262001},    {'t', 20, 640, 0.006227528101},
        {'u', 21.5, 644.6, 0.002268366647}, {'u', 22, 646.1, 0.002296350553},
        {'v', 22.5, 648.6, 0.002832373260}, {'v', 22.3, 647.9, 0.002811424405},
        {'w', 22.15, 647.5, 0.003694032281}, {'w', 22.3, 648.1, 0.003622226305},
        {'x', 22.11, 648, 0.004528072649}, {'x', 22.3, 649, 0.004556905799},
        {'y', 22, 646.84, 0.002698354719}, {'y', 22.064, 647.05, 0.002717655648},
        {'z', 22, 646.89, 0.003798732962}, {'z', 22.064, 647.15, 0.003701940009},
    };
    for (const TVRow& r : rows) {
        SCOPED_TRACE(testing::Message() << "3" << r.Sub << " p=" << r.p << " T=" << r.T);
        EXPECT_NEAR(Region3VolumePT(r.p, r.T), r.v, r.v * 1e-9);
    }
}

TEST(If97Backward, SaturatedSideIsChosenOnTheLine)
{
    // At 20 MPa and 638.898 K (its saturation temperature) the liquid side
    // must be nearly three times denser than the vapour side.
    const double vl = Region3VolumePT(20, 638.8982, TSide::Liquid);
    const double vv = Region3VolumePT(20, 638.8982, TSide::Vapour);
    EXPECT_GT(vv / vl, 2.5);
}

} // namespace
