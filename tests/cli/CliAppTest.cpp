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

TEST(CliHelp, OverviewListsEveryCommand)
{
    for (const char* help : {"--help", "-h", "help"}) {
        SCOPED_TRACE(help);
        const TCliRun r = RunTool({help});
        EXPECT_EQ(r.Status, CliExitOk);
        EXPECT_TRUE(r.Err.empty());
        for (const char* line : {"  pt --p P --t T", "  saturation --t T", "  heat-drop [--p0 P0]", "  air --t T",
                                 "  flue-gas --t T", "  sheet N", "  fn NAME ARG...", "  fn --list", "--version",
                                 "1 inputs that a calculation rejects", "2 usage errors"})
            EXPECT_NE(r.Out.find(line), std::string::npos) << line;
    }
}

// Every command has its own help, asked for anywhere among its arguments,
// even next to arguments that would be errors.
TEST(CliHelp, EveryCommandAnswersHelp)
{
    const struct {
        std::vector<std::string> Args;
        std::vector<std::string> Shows;
    } rows[] = {
        {{"pt", "--help"}, {"Usage: calorix-cli pt --p P --t T", "0 < p <= 500 bar", "0 < t <= 1000 C", "--p-unit",
                            "kgf/cm2 (кгс/см2)", "--c-unit", "kJ/(kg*K) (кДж/(кг*град))", "t h s v x c lambda nu pr state",
                            "calorix-cli pt --p 10", "Exit status"}},
        {{"ph", "-h"}, {"0 < h <= 6000 kJ/kg", "Example"}},
        {{"ps", "--p", "1", "-h"}, {"3.4 <= s <= 20 kJ/(kg*K)"}},
        {{"saturation", "--help"}, {"--p P", "--t T", "0 < p <= 221 bar", "0 < t <= 374 C", "h_steam", "v_water"}},
        {{"heat-drop", "--bogus", "-h"}, {"p0 > 0 bar", "pk > 0 bar", "\"find\"", "p0 h0 pk drop"}},
        {{"air", "--help"}, {"t > -273.15 C", "kJ/(m3*K) (кДж/(м3*град))", "c lambda rho a nu pr"}},
        {{"flue-gas", "--help"}, {"t > -273.15 C", "c_ro2 c_n2 c_ash c_h2o lambda a rho nu"}},
        {{"sheet", "--help"}, {"Usage: calorix-cli sheet N", "--unit R=I", "Exit status"}},
        {{"sheet", "4", "-h"}, {"Rows of sheet 4", "6\tТемпературопроводность\tresult\t0 м2/с"}},
        {{"fn", "--help"}, {"Usage: calorix-cli fn NAME ARG...", "fn --list", "Exit status"}},
        {{"help", "saturation"}, {"Usage: calorix-cli saturation"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.Args[0] + " " + r.Args[1]);
        const TCliRun run = RunTool(r.Args);
        EXPECT_EQ(run.Status, CliExitOk);
        EXPECT_TRUE(run.Err.empty()) << run.Err;
        for (const std::string& text : r.Shows)
            EXPECT_NE(run.Out.find(text), std::string::npos) << text << "\n" << run.Out;
    }
}

TEST(CliHelp, Version)
{
    const TCliRun r = RunTool({"--version"});
    EXPECT_EQ(r.Status, CliExitOk);
    EXPECT_EQ(r.Out.rfind("calorix-cli (Calorix) ", 0), 0u);
    EXPECT_EQ(LineCount(r.Out), 1);
    ExpectUsageErrors({{"--version", "now"}, {"help", "nonsense"}});
}

// No argument can make an error line long, split it or reach the terminal
// as a control code.
TEST(CliErrors, HostileArgumentsAreCutAndEscaped)
{
    const std::string longText(100000, 'x');
    const std::vector<std::vector<std::string>> cases = {
        {longText},
        {"pt", "--p", longText, "--t", "1"},
        {"pt", "--p", "1" + longText, "--t", "1"},
        {"pt", "--p", "1", "--t", "1", "--" + longText, "1"},
        {"nonsense\n\x1b[31mred\r"},
        {"pt", "--p", "1\x07", "--t", "1"},
        {"pt", "--p", "\xff\xfe", "--t", "1"},
        {"fn", "\xe2\x80\xae" "evil"},                     // a right-to-left override
        {"sheet", "2", "--set", std::string("1\0x", 3)},   // no '=': the text is quoted
        {"fn", "SaturationTemperature", "\x1b]0;title\x07"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.size());
        const TCliRun r = RunTool(args);
        EXPECT_EQ(r.Status, CliExitUsage);
        EXPECT_EQ(LineCount(r.Err), 1);
        EXPECT_LT(r.Err.size(), 300u) << r.Err;
        for (size_t i = 0; i + 1 < r.Err.size(); ++i) {
            const auto c = static_cast<unsigned char>(r.Err[i]);
            EXPECT_TRUE(c >= 0x20 && c != 0x7F) << "byte " << i << " of " << r.Err;
        }
        EXPECT_EQ(r.Err.find("\xe2\x80\xae"), std::string::npos);
        EXPECT_EQ(r.Err.find("\xff"), std::string::npos);
    }
}

} // namespace
