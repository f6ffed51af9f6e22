#include "props/FunctionTable.h"

#include "props/GasProperties.h"
#include "props/SaturationLine.h"
#include "props/StateFunctions.h"
#include "props/TransportProperties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace {

TEST(FunctionTableTest, EveryEntryIsConsistent)
{
    const auto functions = PropFunctions();
    EXPECT_EQ(functions.size(), 41u);
    std::set<std::string> names;
    for (const TPropFunction& f : functions) {
        SCOPED_TRACE(f.Name);
        EXPECT_TRUE(names.insert(f.Name).second) << "duplicate";
        ASSERT_GE(f.ArgCount, 1);
        ASSERT_LE(f.ArgCount, 3);
        EXPECT_EQ(f.F1 != nullptr, f.ArgCount == 1);
        EXPECT_EQ(f.F2 != nullptr, f.ArgCount == 2);
        EXPECT_EQ(f.F3 != nullptr, f.ArgCount == 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(f.Args[i] != nullptr, i < f.ArgCount) << i;
            EXPECT_EQ(f.Units[i] != nullptr, i < f.ArgCount) << i;
        }
        ASSERT_NE(f.ResultUnit, nullptr);
        EXPECT_EQ(FindPropFunction(f.Name), &f);
    }
    EXPECT_EQ(names.count("SolveSecant"), 0u);
}

TEST(FunctionTableTest, OrderFollowsTheLibrary)
{
    const auto functions = PropFunctions();
    EXPECT_STREQ(functions.front().Name, "SaturationTemperature");
    EXPECT_STREQ(functions[8].Name, "TemperaturePH");
    EXPECT_STREQ(functions[15].Name, "SteamTemperaturePH");
    EXPECT_STREQ(functions[23].Name, "HeatCapacityPT");
    EXPECT_STREQ(functions.back().Name, "FlueGasKinematicViscosity");
}

TEST(FunctionTableTest, FindsByExactName)
{
    const TPropFunction* f = FindPropFunction("EnthalpyPT");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->F2, &EnthalpyPT);
    EXPECT_STREQ(f->Args[1], "t");
    EXPECT_STREQ(f->Units[1], "C");
    EXPECT_STREQ(f->ResultUnit, "kJ/kg");

    const TPropFunction* drop = FindPropFunction("AdiabaticHeatDrop");
    ASSERT_NE(drop, nullptr);
    EXPECT_EQ(drop->ArgCount, 3);
    EXPECT_STREQ(drop->Units[2], "bar");

    EXPECT_STREQ(FindPropFunction("DrynessPV")->ResultUnit, "-");
    EXPECT_STREQ(FindPropFunction("KinematicViscosityPT")->ResultUnit, "m2/s");
    EXPECT_EQ(FindPropFunction("enthalpypt"), nullptr);
    EXPECT_EQ(FindPropFunction("SolveSecant"), nullptr);
    EXPECT_EQ(FindPropFunction(""), nullptr);
    EXPECT_EQ(FindPropFunction("EnthalpyPTx"), nullptr);
}

TEST(FunctionTableTest, CallPassesArgumentsInOrder)
{
    const float pt[] = {10.0f, 300.0f};
    EXPECT_EQ(FindPropFunction("EnthalpyPT")->Call(pt), EnthalpyPT(10.0f, 300.0f));
    const float t[] = {100.0f};
    EXPECT_EQ(FindPropFunction("SaturationPressure")->Call(t), SaturationPressure(100.0f));
    const float drop[] = {100.0f, 3400.0f, 1.0f};
    EXPECT_EQ(FindPropFunction("AdiabaticHeatDrop")->Call(drop), AdiabaticHeatDrop(100.0f, 3400.0f, 1.0f));
    EXPECT_TRUE(std::isnan(FindPropFunction("EnthalpyPT")->Call(t))); // too few values
}

} // namespace
