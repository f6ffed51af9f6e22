#include "CalcTestSheet.h"

#include "base/FormatSettings.h"

#include <gtest/gtest.h>

namespace {

class GasHandlers : public ::testing::Test {
protected:
    TFormatSettingsOverride Point{FormatSettings::WithDecimalSeparator(u'.')};
};

TEST_F(GasHandlers, AirAtZeroDegrees)
{
    TCalcTestSheet c(4);
    c.Set(1, "0").Run();
    EXPECT_NEAR(c.Number(3), 1.3194, 0.0001);
    EXPECT_EQ(c.Text(4), "2.437 E-2");
    EXPECT_NEAR(c.Number(5), 1.2923, 0.0001);
    EXPECT_EQ(c.Text(6), "1.865 E-5");
    EXPECT_EQ(c.Text(8), "0.70958");
    TCalcTestSheet k(4);
    k.Set(1, "273").Unit(1, 1).Run();
    for (int row = 3; row <= 8; ++row)
        EXPECT_EQ(k.Text(row), c.Text(row)) << row;
}

TEST_F(GasHandlers, FlueGasAtZeroDegrees)
{
    TCalcTestSheet s(5);
    s.Set(1, "0").Run();
    EXPECT_NEAR(s.Number(3), 1.6004, 0.0001);
    EXPECT_NEAR(s.Number(4), 1.2947, 0.0001);
    EXPECT_NEAR(s.Number(5), 0.7393, 0.0001);
    EXPECT_NEAR(s.Number(6), 1.4932, 0.0001);
    EXPECT_EQ(s.Text(7), "2.264 E-2");
    EXPECT_NEAR(s.Number(9), 1.3002, 0.0001);
    s.Unit(3, 1).Run();
    EXPECT_NEAR(s.Number(3), 1.6004 * 0.23884589662749594789, 0.0001);
}

TEST_F(GasHandlers, UnparsableTemperatureEmptiesEveryResult)
{
    TCalcTestSheet air(4);
    air.Set(1, "0").Run();
    air.Set(1, "warm").Run();
    for (int row = 3; row <= 8; ++row)
        EXPECT_TRUE(air.Text(row).isEmpty()) << row;
    TCalcTestSheet flue(5);
    flue.Set(1, "0").Run();
    flue.Set(1, "").Run();
    for (int row = 3; row <= 10; ++row)
        EXPECT_TRUE(flue.Text(row).isEmpty()) << row;
}

TEST_F(GasHandlers, AtOrBelowAbsoluteZeroEveryResultIsEmpty)
{
    const struct {
        const char* Typed;
        int Unit;
        bool Valid;
    } temperatures[] = {
        {"-273.15", 0, false}, {"-300", 0, false}, {"-1e30", 0, false}, {"-273.14", 0, true},
        {"-459.67", 2, false}, {"-0.15", 1, false},  {"0", 1, true}, // "°K" is offset by 273
    };
    for (const int n : {4, 5}) {
        const int lastRow = n == 4 ? 8 : 10;
        for (const auto& t : temperatures) {
            SCOPED_TRACE(std::to_string(n) + ": " + t.Typed);
            TCalcTestSheet s(n);
            s.Set(1, "20").Run();
            s.Set(1, t.Typed).Unit(1, t.Unit).Run();
            for (int row = 3; row <= lastRow; ++row)
                EXPECT_EQ(s.Text(row).isEmpty(), !t.Valid) << row;
        }
    }
}

TEST_F(GasHandlers, DensityNearItsPoleIsShownAsComputed)
{
    // -272.81 is no float, so the denominator is tiny but never zero.
    TCalcTestSheet air(4);
    air.Set(1, "-272.81").Run();
    EXPECT_GT(air.Number(5), 1e7);
    TCalcTestSheet flue(5);
    flue.Set(1, "-270.85").Run();
    EXPECT_LT(flue.Number(9), -1e7);
}

TEST_F(GasHandlers, HugeTemperaturesNeverShowNanOrInf)
{
    TCalcTestSheet air(4);
    air.Set(1, "1e30").Run();
    EXPECT_TRUE(air.Text(3).isEmpty()); // the heat capacity overflows a float
    for (int row = 3; row <= 8; ++row) {
        const QString t = air.Text(row);
        EXPECT_FALSE(t.contains(QStringLiteral("INF")) || t.contains(QStringLiteral("NAN"))) << row;
    }
}

} // namespace
