#include "CalcTestSheet.h"

#include "base/FormatSettings.h"
#include "props/SaturationLine.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Blue = 0xFF0000;
constexpr TColor Red = 0x0000FF;
constexpr TColor Black = 0x000000;

class WaterSteamHandlers : public ::testing::Test {
protected:
    TFormatSettingsOverride Comma{FormatSettings::WithDecimalSeparator(u',')};
};

void ExpectResultsEmpty(TCalcTestSheet& s)
{
    for (int row = 4; row <= 13; ++row)
        EXPECT_TRUE(s.Text(row).isEmpty()) << row;
}

TEST_F(WaterSteamHandlers, SuperheatedSteamByPressureAndTemperature)
{
    TCalcTestSheet s(1);
    s.Set(1, "10").Unit(1, 1).Set(2, "300").Run();
    EXPECT_EQ(s.Text(4), "300");
    EXPECT_NEAR(s.Number(5), 3050.5, 0.1);
    EXPECT_NEAR(s.Number(6), 7.122, 0.001);
    EXPECT_NEAR(s.Number(7), 0.25779, 0.00001);
    EXPECT_EQ(s.Text(8), "1");
    EXPECT_EQ(s.Text(13), QStringLiteral("перегретый пар"));
    EXPECT_EQ(s.FontColor(13), Red);
    EXPECT_NEAR(s.Number(9), 5.9171, 0.0001);
    EXPECT_NE(s.Text(11).indexOf(QStringLiteral(" E-")), -1) << s.Text(11).toStdString();
    EXPECT_FALSE(s.Text(12).isEmpty());
}

TEST_F(WaterSteamHandlers, CompressedWater)
{
    TCalcTestSheet s(1);
    s.Set(1, "1").Unit(1, 1).Set(2, "20").Run();
    EXPECT_EQ(s.Text(5), "83,93");
    EXPECT_EQ(s.Text(8), "0");
    EXPECT_EQ(s.Text(13), QStringLiteral("вода"));
    EXPECT_EQ(s.FontColor(13), Blue);
    EXPECT_NEAR(s.Number(6), 1.303, 0.001);
}

TEST_F(WaterSteamHandlers, WetSteamByPressureAndEnthalpy)
{
    TCalcTestSheet s(6);
    s.Set(1, "10").Unit(1, 1).Set(2, "1500").Run();
    EXPECT_EQ(s.Text(4), "179,88");
    const double x = s.Number(8);
    EXPECT_GT(x, 0.0);
    EXPECT_LT(x, 1.0);
    EXPECT_EQ(s.Text(13), QStringLiteral("влажный пар"));
    EXPECT_EQ(s.FontColor(13), Black);
    EXPECT_EQ(s.Text(5), "1500");
}

TEST_F(WaterSteamHandlers, RangesOfPressureAndTemperature)
{
    TCalcTestSheet s(1);
    s.Unit(1, 1);
    s.Set(1, "500").Set(2, "1000").Run();
    EXPECT_FALSE(s.Text(5).isEmpty());
    s.Set(2, "1000,5").Run();
    ExpectResultsEmpty(s);
    s.Set(2, "300").Set(1, "500,1").Run();
    ExpectResultsEmpty(s);
    s.Set(1, "0").Run();
    ExpectResultsEmpty(s);
    s.Set(1, "10").Set(2, "0").Run();
    ExpectResultsEmpty(s);
    s.Set(2, "").Run();
    ExpectResultsEmpty(s);
}

TEST_F(WaterSteamHandlers, InvalidInputKeepsTheStateColour)
{
    TCalcTestSheet s(1);
    s.Set(1, "10").Unit(1, 1).Set(2, "300").Run();
    ASSERT_EQ(s.FontColor(13), Red);
    s.Set(2, "x").Run();
    ExpectResultsEmpty(s);
    EXPECT_EQ(s.FontColor(13), Red);
    EXPECT_EQ(s.Sheet.GetCell(2, 1)->GetInteger(), 1);
}

TEST_F(WaterSteamHandlers, EntropyRangeIsCheckedAfterConversion)
{
    TCalcTestSheet s(7);
    s.Set(1, "10").Unit(1, 1);
    s.Set(2, "3,4").Run();
    EXPECT_FALSE(s.Text(5).isEmpty());
    s.Set(2, "3,39").Run();
    ExpectResultsEmpty(s);
    s.Unit(2, 1).Set(2, "1").Run(); // 4.1868 kJ/(kg*K)
    EXPECT_FALSE(s.Text(5).isEmpty());
    s.Set(2, "0,8").Run();          // 3.349 kJ/(kg*K)
    ExpectResultsEmpty(s);
}

TEST_F(WaterSteamHandlers, SteamByPressureAndEntropyRoundTrip)
{
    TCalcTestSheet pt(1);
    pt.Set(1, "10").Unit(1, 1).Set(2, "300").Run();
    TCalcTestSheet ps(7);
    ps.Set(1, "10").Unit(1, 1).Set(2, pt.Text(6).toUtf8().constData()).Run();
    EXPECT_NEAR(ps.Number(4), 300.0, 0.5);
    EXPECT_NEAR(ps.Number(5), pt.Number(5), 1.0);
}

TEST_F(WaterSteamHandlers, PressureUnitsAreThePhysicalOnes)
{
    // 40 bar typed in each of the four units gives the same state.
    TCalcTestSheet bar(1);
    bar.Set(1, "40").Unit(1, 1).Set(2, "300").Run();
    const struct {
        const char* Typed;
        int Unit;
    } same[] = {{"4", 0}, {"39,47693", 2}, {"40,78865", 3}};
    for (const auto& r : same) {
        SCOPED_TRACE(r.Typed);
        TCalcTestSheet s(1);
        s.Set(1, r.Typed).Unit(1, r.Unit).Set(2, "300").Run();
        for (int row : {5, 6, 7})
            EXPECT_NEAR(s.Number(row), bar.Number(row), bar.Number(row) * 1e-4) << row;
    }
}

TEST_F(WaterSteamHandlers, HeatCapacityIsPerKilogram)
{
    TCalcTestSheet s(1);
    s.Set(1, "10").Unit(1, 1).Set(2, "300").Run();
    EXPECT_EQ(s.Sheet.GetCell(2, 9)->GetText(), QStringLiteral("кДж/(кг*град)"));
    const double kj = s.Number(9);
    s.Unit(9, 1).Run();
    EXPECT_EQ(s.Sheet.GetCell(2, 9)->GetText(), QStringLiteral("ккал/(кг*град)"));
    EXPECT_NEAR(s.Number(9), kj * 0.23884589662749594789, 0.0001);
}

TEST_F(WaterSteamHandlers, OutputUnits)
{
    TCalcTestSheet base(1);
    base.Set(1, "10").Unit(1, 1).Set(2, "300").Run();
    TCalcTestSheet s(1);
    s.Set(1, "10").Unit(1, 1).Set(2, "300").Unit(4, 1).Unit(10, 1).Run();
    EXPECT_EQ(s.Text(4), "573");
    EXPECT_NEAR(s.Number(10), base.Number(10) * 0.85984522785898535765, 0.0002);
}

} // namespace
