// The water-and-steam handlers with the IF97 formulation: the same sheets
// show IF97's numbers, states outside its range give empty results, and the
// classic formulation stays the default.
#include "CalcTestSheet.h"

#include "base/FormatSettings.h"
#include "calc/WaterSteamFormulation.h"
#include "if97/WaterSteamIf97.h"
#include "props/FunctionTable.h"
#include "props/StateFunctions.h"

#include <gtest/gtest.h>

namespace {

class FormulationHandlers : public ::testing::Test {
protected:
    TFormatSettingsOverride Point{FormatSettings::WithDecimalSeparator(u'.')};
};

TEST_F(FormulationHandlers, PressureTemperatureSheetShowsTrueHeatCapacity)
{
    TCalcTestSheet classic(1);
    classic.Set(1, "40").Unit(1, 1).Set(2, "440").Run();
    TCalcTestSheet if97(1);
    if97.Set(1, "40").Unit(1, 1).Set(2, "440").Run(If97Formulation());
    EXPECT_NEAR(classic.Number(9), 185.86, 0.01); // the classic steam fit far off here
    EXPECT_NEAR(if97.Number(9), 2.3162, 1e-4);
    EXPECT_NEAR(if97.Number(5), 3307.87, 0.01);
    EXPECT_NEAR(if97.Number(6), 6.9061, 1e-4);
    EXPECT_EQ(if97.Text(13), QStringLiteral("перегретый пар"));
}

TEST_F(FormulationHandlers, DefaultIsClassic)
{
    TCalcTestSheet byDefault(1);
    byDefault.Set(1, "10").Unit(1, 1).Set(2, "300").Run();
    EXPECT_NEAR(byDefault.Number(5), EnthalpyPT(10, 300), 0.01);
    EXPECT_EQ(FindFormulation("classic"), &ClassicFormulation());
    EXPECT_EQ(FindFormulation("if97"), &If97Formulation());
    EXPECT_EQ(FindFormulation("IF97"), nullptr);
}

TEST_F(FormulationHandlers, EnthalpyAndEntropySheetsAgreeWithEachOther)
{
    TCalcTestSheet ph(6);
    ph.Set(1, "100").Unit(1, 1).Set(2, "3000").Run(If97Formulation());
    TCalcTestSheet ps(7);
    ps.Set(1, "100").Unit(1, 1).Set(2, ph.Text(6).toUtf8().constData()).Run(If97Formulation());
    EXPECT_NEAR(ps.Number(4), ph.Number(4), 0.05);
    EXPECT_NEAR(ps.Number(5), 3000, 0.5);
    // Compressed water at 1 bar, 20 °C: the classic entropy is that of
    // saturated water; IF97's is the true one.
    TCalcTestSheet water(1);
    water.Set(1, "1").Unit(1, 1).Set(2, "20").Run(If97Formulation());
    EXPECT_NEAR(water.Number(6), 0.2965, 1e-4);
    EXPECT_EQ(water.Text(13), QStringLiteral("вода"));
}

TEST_F(FormulationHandlers, WetSteamByEnthalpy)
{
    TCalcTestSheet ph(6);
    ph.Set(1, "10").Unit(1, 1).Set(2, "1500").Run(If97Formulation());
    EXPECT_NEAR(ph.Number(4), 179.88, 0.01);
    EXPECT_NEAR(ph.Number(8), (1500 - 762.68) / (2777.12 - 762.68), 1e-3);
    EXPECT_EQ(ph.Text(13), QStringLiteral("влажный пар"));
}

TEST_F(FormulationHandlers, BeyondTheCriticalPointTheSaturationSheetsStayEmpty)
{
    // Both sheets accept up to 221 bar and 374 °C; IF97's critical point
    // is at 220.64 bar and 373.946 °C.
    TCalcTestSheet byP(2);
    byP.Set(1, "220.9").Unit(1, 1).Run(If97Formulation());
    EXPECT_TRUE(byP.Text(4).isEmpty());
    byP.Run();
    EXPECT_FALSE(byP.Text(4).isEmpty());
    TCalcTestSheet byT(8);
    byT.Set(1, "373.99").Run(If97Formulation());
    EXPECT_TRUE(byT.Text(3).isEmpty());
    byT.Set(1, "100").Run(If97Formulation());
    EXPECT_NEAR(byT.Number(6), 2675.57, 0.01);
}

TEST_F(FormulationHandlers, HeatDropFoundEitherWay)
{
    TCalcTestSheet drop(3);
    drop.Choose(3).Set(3, "9").Set(4, "3475").Set(5, "0.005").Run(If97Formulation());
    const double h = drop.Number(6);
    EXPECT_NEAR(h, If97::AdiabaticHeatDrop(90, 3475, 0.05), 0.01);
    // The initial enthalpy back from that drop, by bisection on IF97.
    TCalcTestSheet back(3);
    back.Choose(1).Set(3, "9").Set(5, "0.005").Set(6, drop.Text(6).toUtf8().constData()).Run(If97Formulation());
    EXPECT_NEAR(back.Number(4), 3475, 0.5);
}

// Every IF97 function stands in for a library function of the same name
// and argument count, so "fn" can take that function's arguments and units.
TEST(If97FunctionTable, MatchesTheLibraryFunctions)
{
    for (const TIf97Function& g : If97Functions()) {
        SCOPED_TRACE(g.Name);
        const TPropFunction* f = FindPropFunction(g.Name);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->ArgCount, g.ArgCount);
        EXPECT_EQ(g.ArgCount == 1, g.F1 != nullptr);
        EXPECT_EQ(g.ArgCount == 2, g.F2 != nullptr);
        EXPECT_EQ(g.ArgCount == 3, g.F3 != nullptr);
    }
    EXPECT_EQ(FindIf97Function("AirDensity"), nullptr);
}

} // namespace
