#include "CliTestRun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CliFn, EvaluatesByExactNameWithNineSignificantDigits)
{
    const TCliRun r = RunTool({"fn", "SaturationTemperature", "10"});
    ASSERT_EQ(r.Status, CliExitOk) << r.Err;
    EXPECT_TRUE(r.Err.empty());
    ASSERT_EQ(LineCount(r.Out), 1);
    const double t = std::stod(r.Out);
    EXPECT_NEAR(t, 179.88, 0.005);
    // 9 significant digits: "179.88xxxx" has 3 before and 6 after the point.
    EXPECT_EQ(r.Out.find('.'), 3u);
    EXPECT_EQ(r.Out.size(), 3u + 1u + 6u + 1u);
}

TEST(CliFn, TwoAndThreeArgumentFunctions)
{
    const TCliRun h = RunTool({"fn", "EnthalpyPT", "10", "300"});
    ASSERT_EQ(h.Status, CliExitOk) << h.Err;
    EXPECT_NEAR(std::stod(h.Out), 3050.5, 0.1);
    const TCliRun drop = RunTool({"fn", "AdiabaticHeatDrop", "100", "3400", "1"});
    ASSERT_EQ(drop.Status, CliExitOk) << drop.Err;
    EXPECT_NEAR(std::stod(drop.Out), 994.8, 0.1);
}

TEST(CliFn, SolveSecantTakesAFunctionName)
{
    const TCliRun r = RunTool({"fn", "SolveSecant", "200", "100", "5", "350", "WaterEnthalpyPT", "0.00025"});
    ASSERT_EQ(r.Status, CliExitOk) << r.Err;
    const TCliRun back = RunTool({"fn", "WaterEnthalpyPT", "100", r.Out.substr(0, r.Out.size() - 1)});
    EXPECT_NEAR(std::stod(back.Out), 200.0, 0.01);
}

TEST(CliFn, ListShowsEveryFunctionWithUnits)
{
    const TCliRun r = RunTool({"fn", "--list"});
    ASSERT_EQ(r.Status, CliExitOk);
    for (const char* name : {"SaturationTemperature", "EnthalpyPS", "WaterEnthalpyPT", "PrandtlPT",
                             "FlueGasKinematicViscosity", "SolveSecant"})
        EXPECT_NE(r.Out.find(name), std::string::npos) << name;
    EXPECT_NE(r.Out.find("[bar]"), std::string::npos);
}

TEST(CliFn, UsageErrorsGiveOneLineAndStatusTwo)
{
    ExpectUsageErrors({
        {},
        {"nonsense"},
        {"fn"},
        {"fn", "NoSuchFunction", "1"},
        {"fn", "saturationtemperature", "10"},        // names are exact
        {"fn", "SaturationTemperature"},              // too few
        {"fn", "SaturationTemperature", "1", "2"},    // too many
        {"fn", "SaturationTemperature", "ten"},
        {"fn", "SaturationTemperature", "1,5"},       // "." is the separator
        {"fn", "SaturationTemperature", "nan"},
        {"fn", "SaturationTemperature", "1e39"},      // beyond a float
        {"fn", "SolveSecant", "200", "100", "5", "350", "SaturationTemperature", "0.1"},
        {"fn", "SolveSecant", "200", "100", "5", "350", "WaterEnthalpyPT"},
        {"fn", "--list", "extra"},
    });
}

TEST(CliHelp, DocumentsTheFnCommand)
{
    const TCliRun r = RunTool({"--help"});
    EXPECT_EQ(r.Status, CliExitOk);
    EXPECT_NE(r.Out.find("calorix-cli fn NAME ARG..."), std::string::npos);
    EXPECT_NE(r.Out.find("fn --list"), std::string::npos);
}

} // namespace
