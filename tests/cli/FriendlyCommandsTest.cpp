#include "CliTestRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <gtest/gtest.h>

namespace {

bool Shows(const TCliRun& r, const char* text)
{
    return QString::fromStdString(r.Out).contains(QString::fromUtf8(text));
}

TEST(CliFriendly, PressureAndTemperatureWithUnitNamesAndAliases)
{
    const TCliRun cyr = RunTool({"pt", "--p", "10", "--p-unit", "бар", "--t", "300", "--decimal", "."});
    ASSERT_EQ(cyr.Status, CliExitOk) << cyr.Err;
    EXPECT_TRUE(Shows(cyr, "3050.46 кДж/кг")) << cyr.Out;
    EXPECT_TRUE(Shows(cyr, "перегретый пар"));
    const TCliRun ascii = RunTool({"pt", "--p", "1", "--p-unit", "MPa", "--t", "573", "--t-unit", "k",
                                   "--decimal", "."});
    ASSERT_EQ(ascii.Status, CliExitOk) << ascii.Err;
    EXPECT_TRUE(Shows(ascii, "3050.46 кДж/кг")) << ascii.Out;
    EXPECT_TRUE(Shows(ascii, "573 °K")); // the temperature unit applies to the result row too
}

TEST(CliFriendly, InputsAcceptEitherSeparator)
{
    const TCliRun a = RunTool({"saturation", "--p", "1.0", "--p-unit", "bar", "--decimal", ","});
    const TCliRun b = RunTool({"saturation", "--p", "1,0", "--p-unit", "bar", "--decimal", ","});
    ASSERT_EQ(a.Status, CliExitOk) << a.Err;
    EXPECT_EQ(a.Out, b.Out);
    EXPECT_TRUE(Shows(a, "99,64 °С"));
}

TEST(CliFriendly, SaturationByTemperatureAndOtherCalculations)
{
    EXPECT_TRUE(Shows(RunTool({"saturation", "--t", "100", "--decimal", "."}), "2676.45"));
    EXPECT_TRUE(Shows(RunTool({"ph", "--p", "1", "--h", "1500", "--decimal", "."}), "влажный пар"));
    EXPECT_TRUE(Shows(RunTool({"ps", "--p", "1", "--s", "7.1224", "--decimal", "."}), "перегретый пар"));
    EXPECT_TRUE(Shows(RunTool({"air", "--t", "0", "--decimal", "."}), "0.70958"));
    EXPECT_TRUE(Shows(RunTool({"flue-gas", "--t", "0", "--decimal", "."}), "1.600367"));
}

TEST(CliFriendly, HeatDropFindsTheMissingQuantity)
{
    const TCliRun drop =
        RunTool({"heat-drop", "--p0", "100", "--h0", "3400", "--pk", "1", "--p-unit", "bar", "--decimal", ".", "--json"});
    ASSERT_EQ(drop.Status, CliExitOk) << drop.Err;
    const QJsonArray rows = QJsonDocument::fromJson(QByteArray::fromStdString(drop.Out)).object()["rows"].toArray();
    const double h = rows[6].toObject()["value"].toString().toDouble();
    EXPECT_NEAR(h, 994.8, 0.05);
    const TCliRun pk = RunTool({"heat-drop", "--p0", "100", "--h0", "3400", "--drop", "994.774", "--p-unit", "bar",
                                "--decimal", "."});
    ASSERT_EQ(pk.Status, CliExitOk) << pk.Err;
    EXPECT_TRUE(Shows(pk, "Конечное давление Pк")) << pk.Out;
}

TEST(CliFriendly, RejectedInputsExitWithOne)
{
    const TCliRun r = RunTool({"pt", "--p", "600", "--p-unit", "bar", "--t", "300"});
    EXPECT_EQ(r.Status, CliExitRejected);
    EXPECT_EQ(LineCount(r.Err), 1);
    EXPECT_NE(r.Err.find("0 < p <= 500 bar"), std::string::npos);
    EXPECT_EQ(RunTool({"heat-drop", "--p0", "100", "--h0", "3400", "--drop", "1e6"}).Status, CliExitRejected);
}

TEST(CliFriendly, UsageErrors)
{
    ExpectUsageErrors({
        {"pt", "--p", "10"},
        {"pt", "--p", "10", "--t", "300", "--p-unit", "psi"},
        {"pt", "--p", "10", "--t", "300", "--x", "1"},
        {"air", "--t", "0", "--s-unit", "kJ/(kg*K)"},   // air shows no entropy
        {"saturation", "--p", "1", "--t", "100"},
        {"saturation"},
        {"heat-drop", "--p0", "1"},
        {"heat-drop", "--p0", "1", "--h0", "1", "--pk", "1", "--drop", "1"},
    });
}

} // namespace
