// "--formulation" on the command line and "fn" with IF97.
#include "CliTestRun.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

TEST(CliFormulation, FnEvaluatesTheIf97CounterpartWithTenDigits)
{
    struct TRow {
        std::vector<std::string> Args;
        const char* Out;
    };
    const TRow rows[] = {
        {{"fn", "--formulation", "if97", "EnthalpyPT", "40", "440"}, "3307.867695\n"},
        {{"fn", "--formulation=if97", "SaturationTemperature", "1"}, "99.60591861\n"},
        {{"fn", "--formulation", "classic", "EnthalpyPT", "40", "440"}, "3307.89917\n"},
        {{"fn", "--formulation", "if97", "TemperaturePH", "40", "3307.867695167881"}, "440\n"},
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(r.Args[3]);
        const TCliRun run = RunTool(r.Args);
        EXPECT_EQ(run.Status, CliExitOk) << run.Err;
        EXPECT_EQ(run.Out, r.Out);
    }
}

TEST(CliFormulation, FnRejectsArgumentsOutsideIf97)
{
    struct TRow {
        std::vector<std::string> Args;
        const char* Why;
    };
    const TRow rows[] = {
        {{"fn", "--formulation", "if97", "EnthalpyPT", "1001", "20"}, "above 1000 bar"},
        {{"fn", "--formulation", "if97", "EnthalpyPT", "10", "2001"}, "above 2000"},
        {{"fn", "--formulation", "if97", "HeatCapacityPT", "501", "801"}, "500 bar"},
        {{"fn", "--formulation", "if97", "PrandtlPT", "10", "-1"}, "below 0"},
        {{"fn", "--formulation", "if97", "SaturationPressure", "374"}, "critical point"},
        {{"fn", "--formulation", "if97", "TemperaturePH", "1", "-500"}, "no IF97 state"},
    };
    for (const TRow& r : rows) {
        SCOPED_TRACE(r.Args[3]);
        const TCliRun run = RunTool(r.Args);
        EXPECT_EQ(run.Status, CliExitRejected);
        EXPECT_TRUE(run.Out.empty());
        EXPECT_NE(run.Err.find(r.Why), std::string::npos) << run.Err;
        EXPECT_EQ(LineCount(run.Err), 1);
    }
}

TEST(CliFormulation, UsageErrors)
{
    ExpectUsageErrors({
        {"fn", "--formulation", "iapws", "EnthalpyPT", "40", "440"},
        {"fn", "--formulation"},
        {"fn", "--formulation", "if97", "AirDensity", "20"},
        {"fn", "--formulation", "if97", "EnthalpyPT", "40"},
        {"fn", "--formulation", "if97", "EnthalpyPT", "40", "x"},
        {"pt", "--p", "40", "--t", "440", "--formulation", "new"},
        {"air", "--t", "20", "--formulation", "if97"},
        {"sheet", "4", "--formulation", "if97"},
    });
}

TEST(CliFormulation, HelpOffersTheChoiceWhereWaterAndSteamAreComputed)
{
    struct TRow {
        const char* Command;
        bool Offered;
    };
    const TRow rows[] = {{"pt", true}, {"saturation", true}, {"heat-drop", true}, {"air", false}, {"flue-gas", false}};
    for (const TRow& r : rows) {
        SCOPED_TRACE(r.Command);
        const TCliRun run = RunTool({r.Command, "--help"});
        ASSERT_EQ(run.Status, CliExitOk) << run.Err;
        EXPECT_EQ(run.Out.find("  --formulation classic | if97\n") != std::string::npos, r.Offered) << run.Out;
    }
}

TEST(CliFormulation, CalculationsRunWithIf97)
{
    const TCliRun pt = RunTool({"pt", "--formulation", "if97", "--p", "40", "--p-unit", "bar", "--t", "440",
                                "--decimal", ","});
    ASSERT_EQ(pt.Status, CliExitOk) << pt.Err;
    EXPECT_TRUE(QString::fromStdString(pt.Out).contains(QStringLiteral("2,3162"))) << pt.Out;
    const TCliRun sheet = RunTool({"sheet", "1", "--formulation", "if97", "--set", "1=40", "--unit", "1=1",
                                   "--set", "2=440", "--decimal", "."});
    ASSERT_EQ(sheet.Status, CliExitOk) << sheet.Err;
    EXPECT_NE(sheet.Out.find("3307.87"), std::string::npos) << sheet.Out;
    const TCliRun sat = RunTool({"saturation", "--formulation", "if97", "--p", "220.9", "--p-unit", "bar"});
    EXPECT_EQ(sat.Status, CliExitRejected);
    EXPECT_NE(sat.Err.find("IF97"), std::string::npos) << sat.Err;
    const TCliRun drop = RunTool({"heat-drop", "--formulation", "if97", "--p0", "9", "--h0", "3475", "--pk",
                                  "0.005", "--decimal", "."});
    EXPECT_EQ(drop.Status, CliExitOk) << drop.Err;
}

} // namespace
