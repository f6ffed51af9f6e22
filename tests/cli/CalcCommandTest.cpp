#include "CliTestRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QString>

#include <gtest/gtest.h>

namespace {

bool Shows(const TCliRun& r, const char* text)
{
    return QString::fromStdString(r.Out).contains(QString::fromUtf8(text));
}

QJsonObject Json(const TCliRun& r)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(r.Out)).object();
}

// The row of a JSON result with that key.
QJsonObject Row(const QJsonObject& o, const char* key)
{
    for (const QJsonValue& row : o["rows"].toArray())
        if (row.toObject()["key"].toString() == QLatin1String(key))
            return row.toObject();
    return {};
}

TEST(CliCalc, PressureAndTemperatureWithUnitNamesAndAliases)
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

TEST(CliCalc, InputsAcceptEitherSeparator)
{
    const TCliRun a = RunTool({"saturation", "--p", "1.0", "--p-unit", "bar", "--decimal", ","});
    const TCliRun b = RunTool({"saturation", "--p", "1,0", "--p-unit", "bar", "--decimal", ","});
    ASSERT_EQ(a.Status, CliExitOk) << a.Err;
    EXPECT_EQ(a.Out, b.Out);
    EXPECT_TRUE(Shows(a, "99,64 °С"));
}

TEST(CliCalc, OneAtmosphereBoilsAtAHundredDegrees)
{
    const TCliRun r = RunTool({"saturation", "--p", "1atm", "--decimal", ","});
    ASSERT_EQ(r.Status, CliExitOk) << r.Err;
    EXPECT_TRUE(Shows(r, "100,01 °С")) << r.Out;
}

TEST(CliCalc, EveryCalculationRuns)
{
    EXPECT_TRUE(Shows(RunTool({"saturation", "--t", "100", "--decimal", "."}), "2676.45"));
    EXPECT_TRUE(Shows(RunTool({"ph", "--p", "1", "--h", "1500", "--decimal", "."}), "влажный пар"));
    EXPECT_TRUE(Shows(RunTool({"ps", "--p", "1", "--s", "7.1224", "--decimal", "."}), "перегретый пар"));
    EXPECT_TRUE(Shows(RunTool({"air", "--t", "0", "--decimal", "."}), "0.70958"));
    EXPECT_TRUE(Shows(RunTool({"flue-gas", "--t", "0", "--decimal", "."}), "1.600367"));
}

// A unit written with the value is the same as the unit option.
TEST(CliCalc, ValuesMayCarryTheirUnit)
{
    const struct {
        std::vector<std::string> WithSuffix;
        std::vector<std::string> WithOption;
        const char* Key;
    } rows[] = {
        {{"pt", "--p", "40bar", "--t", "300"}, {"pt", "--p", "40", "--p-unit", "bar", "--t", "300"}, "h"},
        {{"pt", "--p", "40 бар", "--t", "300"}, {"pt", "--p", "4", "--t", "300"}, "h"},
        {{"pt", "--p", "1atm", "--t", "300"}, {"pt", "--p", "1", "--p-unit", "atm", "--t", "300"}, "h"},
        {{"pt", "--p", "40,79 кгс/см2", "--t", "300"}, {"pt", "--p", "40.79", "--p-unit", "kgf/cm2", "--t", "300"}, "v"},
        {{"pt", "--p", "10bar", "--t", "573K"}, {"pt", "--p", "1", "--t", "300"}, "h"},
        {{"pt", "--p", "1", "--t", "100C"}, {"pt", "--p", "1", "--t", "100"}, "h"},
        {{"pt", "--p", "1", "--t", "572F"}, {"pt", "--p", "1", "--t", "300"}, "h"},
        {{"ph", "--p", "1", "--h", "800 kcal/kg"}, {"ph", "--p", "1", "--h", "800", "--h-unit", "kcal/kg"}, "t"},
        {{"ps", "--p", "1", "--s", "1.7kcal/(kg*K)"}, {"ps", "--p", "1", "--s", "1.7", "--s-unit", "kcal/(kg*K)"}, "h"},
        // A unit that agrees with the option is no contradiction.
        {{"pt", "--p", "40bar", "--p-unit", "bar", "--t", "300"}, {"pt", "--p", "40", "--p-unit", "bar", "--t", "300"}, "h"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.WithSuffix[2] + " " + r.WithSuffix[4]);
        std::vector<std::string> a = r.WithSuffix, b = r.WithOption;
        a.push_back("--json");
        b.push_back("--json");
        const TCliRun suffix = RunTool(a);
        const TCliRun option = RunTool(b);
        ASSERT_EQ(suffix.Status, CliExitOk) << suffix.Err;
        ASSERT_EQ(option.Status, CliExitOk) << option.Err;
        const QJsonValue value = Row(Json(suffix), r.Key)["value"];
        EXPECT_TRUE(value.isDouble());
        EXPECT_EQ(value, Row(Json(option), r.Key)["value"]);
    }
}

TEST(CliCalc, OutputStartsWithTheInputsAsUnderstood)
{
    const TCliRun r = RunTool({"pt", "--p", "40", "--t", "300", "--decimal", "."});
    ASSERT_EQ(r.Status, CliExitOk) << r.Err;
    EXPECT_EQ(r.Out.rfind("Исходные данные\n  Давление", 0), 0u) << r.Out;
    EXPECT_TRUE(Shows(r, "40 МПа\n")); // the default unit, said
    const TCliRun drop = RunTool({"heat-drop", "--p0", "100bar", "--h0", "3400", "--pk", "1bar", "--decimal", "."});
    ASSERT_EQ(drop.Status, CliExitOk) << drop.Err;
    EXPECT_TRUE(Shows(drop, "Неизвестная величина      Адиабатный теплоперепад\n")) << drop.Out;
    EXPECT_TRUE(Shows(drop, "100 бар\n"));
    EXPECT_TRUE(Shows(drop, "994.774 кДж/кг"));
}

TEST(CliCalc, RejectedInputsShowTheInputsAndNoTable)
{
    const TCliRun r = RunTool({"pt", "--p", "600", "--p-unit", "bar", "--t", "300"});
    EXPECT_EQ(r.Status, CliExitRejected);
    EXPECT_EQ(LineCount(r.Err), 1);
    EXPECT_NE(r.Err.find("p = 600 bar is outside 0 < p <= 500 bar"), std::string::npos) << r.Err;
    EXPECT_TRUE(Shows(r, "600 бар"));
    EXPECT_FALSE(Shows(r, "Расчетные величины"));
    EXPECT_FALSE(Shows(r, "Степень сухости")); // rows without a value are no headings

    const TCliRun mpa = RunTool({"pt", "--p", "60", "--t", "300"});
    EXPECT_NE(mpa.Err.find("p = 60 MPa (600 bar) is outside"), std::string::npos) << mpa.Err;
    const TCliRun cold = RunTool({"air", "--t", "-300"});
    EXPECT_EQ(cold.Status, CliExitRejected);
    EXPECT_NE(cold.Err.find("t > -273.15 C"), std::string::npos) << cold.Err;
    const TCliRun unreachable = RunTool({"heat-drop", "--p0", "100", "--h0", "3400", "--drop", "1e6"});
    EXPECT_EQ(unreachable.Status, CliExitRejected);
    EXPECT_EQ(LineCount(unreachable.Err), 1);
}

TEST(CliCalc, RowsWithoutAValueAreLeftOut)
{
    // The heat capacity overflows a float at 1e30 degrees; the rest shows.
    const TCliRun r = RunTool({"air", "--t", "1e30", "--decimal", "."});
    ASSERT_EQ(r.Status, CliExitOk) << r.Err;
    EXPECT_FALSE(Shows(r, "Теплоемкость"));
    EXPECT_TRUE(Shows(r, "Плотность"));
}

TEST(CliCalc, MendedLabelsShow)
{
    EXPECT_TRUE(Shows(RunTool({"air", "--t", "20"}), "E-5 м2/с")); // thermal diffusivity
    const TCliRun flue = RunTool({"flue-gas", "--t", "800", "--json"});
    EXPECT_EQ(Row(Json(flue), "nu")["unit"].toString(), QStringLiteral("м2/с"));
    EXPECT_EQ(Row(Json(flue), "a")["unit"].toString(), QStringLiteral("м2/с"));
    const TCliRun pt = RunTool({"pt", "--p", "1", "--t", "300", "--c-unit", "kcal/(kg*K)", "--json"});
    ASSERT_EQ(pt.Status, CliExitOk) << pt.Err;
    EXPECT_EQ(Row(Json(pt), "c")["unit"].toString(), QStringLiteral("ккал/(кг*град)"));
    const TCliRun air = RunTool({"air", "--t", "20", "--c-unit", "kcal/(m3*K)", "--json"});
    ASSERT_EQ(air.Status, CliExitOk) << air.Err;
    EXPECT_EQ(Row(Json(air), "c")["unit"].toString(), QStringLiteral("ккал/(м3*град)"));
}

TEST(CliCalc, JsonCarriesNumbers)
{
    const TCliRun r = RunTool({"pt", "--p", "10", "--p-unit", "bar", "--t", "300", "--json"});
    ASSERT_EQ(r.Status, CliExitOk) << r.Err;
    QJsonParseError error{};
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(r.Out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.Out;
    EXPECT_EQ(o["calculation"].toString(), "pt");
    const QJsonObject p = o["inputs"].toObject()["p"].toObject();
    EXPECT_EQ(p["value"].toDouble(), 10.0);
    EXPECT_EQ(p["unit"].toString(), QStringLiteral("бар"));
    const QJsonObject h = Row(o, "h");
    EXPECT_EQ(h["row"].toInt(), 5);
    EXPECT_EQ(h["label"].toString(), QStringLiteral("Энтальпия"));
    EXPECT_TRUE(h["value"].isDouble());
    EXPECT_EQ(h["value"].toDouble(), 3050.46);
    EXPECT_EQ(h["unit"].toString(), QStringLiteral("кДж/кг"));
    EXPECT_DOUBLE_EQ(Row(o, "nu")["value"].toDouble(), 1.049e-6); // "1,049 E-6" as a number
    const QJsonObject state = Row(o, "state");
    EXPECT_TRUE(state["value"].isNull());
    EXPECT_EQ(state["text"].toString(), QStringLiteral("перегретый пар"));
    EXPECT_EQ(state["colour"].toString(), "#ff0000");
    QSet<QString> keys;
    for (const QJsonValue& row : o["rows"].toArray()) {
        const QJsonObject ro = row.toObject();
        for (const char* field : {"row", "key", "label", "value", "text", "unit"})
            EXPECT_TRUE(ro.contains(QLatin1String(field))) << field;
        keys.insert(ro["key"].toString());
    }
    EXPECT_EQ(keys.size(), 10); // rows 4 … 13, each with its own key
}

TEST(CliCalc, JsonOfRejectedInputsAndOfTheHeatDrop)
{
    const TCliRun bad = RunTool({"saturation", "--t", "400", "--json"});
    EXPECT_EQ(bad.Status, CliExitRejected);
    const QJsonObject o = Json(bad);
    EXPECT_TRUE(o["rows"].toArray().isEmpty());
    EXPECT_TRUE(o["error"].toString().contains(QStringLiteral("0 < t <= 374 C")));
    EXPECT_EQ(o["inputs"].toObject()["t"].toObject()["value"].toDouble(), 400.0);

    const TCliRun drop = RunTool({"heat-drop", "--p0", "100", "--h0", "3400", "--pk", "1", "--p-unit", "bar", "--json"});
    ASSERT_EQ(drop.Status, CliExitOk) << drop.Err;
    const QJsonObject d = Json(drop);
    EXPECT_EQ(d["find"].toString(), "drop");
    EXPECT_NEAR(Row(d, "drop")["value"].toDouble(), 994.8, 0.05);
    const TCliRun pk = RunTool({"heat-drop", "--p0", "100", "--h0", "3400", "--drop", "994.774", "--p-unit", "bar",
                                "--json"});
    ASSERT_EQ(pk.Status, CliExitOk) << pk.Err;
    EXPECT_NEAR(Row(Json(pk), "pk")["value"].toDouble(), 1.0, 0.01);
}

TEST(CliCalc, UsageErrors)
{
    ExpectUsageErrors({
        {"pt", "--p", "10"},
        {"pt", "--p", "10", "--t", "300", "--p-unit", "psi"},
        {"pt", "--p", "10", "--t", "300", "--x", "1"},
        {"pt", "--p", "ten", "--t", "300"},              // not a number
        {"pt", "--p", "10", "--t", ""},
        {"pt", "--p", "nan", "--t", "300"},
        {"pt", "--p", "1e39", "--t", "300"},             // beyond a float
        {"pt", "--p", "40psi", "--t", "300"},            // unknown unit in the value
        {"pt", "--p", "40bar", "--p-unit", "MPa", "--t", "300"}, // contradicting units
        {"pt", "--p", "10", "--t", "300K", "--t-unit", "C"},
        {"pt", "--p", "10", "--t", "300", "--c-unit", "kcal/(m3*K)"}, // water's heat capacity is per kg
        {"air", "--t", "0", "--s-unit", "kJ/(kg*K)"},    // air shows no entropy
        {"saturation", "--p", "1", "--t", "100"},
        {"saturation"},
        {"heat-drop", "--p0", "1"},
        {"heat-drop", "--p0", "1", "--h0", "1", "--pk", "1", "--drop", "1"},
    });
}

} // namespace
