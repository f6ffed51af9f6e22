#include "CliTestRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// The value column of row r in the tab-separated output.
QString Field(const std::string& out, int row, int field)
{
    const QStringList lines = QString::fromStdString(out).split(u'\n');
    for (const QString& line : lines) {
        const QStringList f = line.split(u'\t');
        if (f.size() == 4 && f[0] == QString::number(row))
            return f[field];
    }
    return QStringLiteral("<no row>");
}

TEST(CliSheet, RunsTheHandlerOnTheShippedSheet)
{
    const TCliRun r = RunTool({"sheet", "2", "--set", "1=1", "--unit", "1=1", "--unit", "3=1", "--decimal", ","});
    ASSERT_EQ(r.Status, CliExitOk) << r.Err;
    EXPECT_EQ(LineCount(r.Out), 14);
    EXPECT_EQ(Field(r.Out, 4, 2), "99,64");
    EXPECT_EQ(Field(r.Out, 4, 1), QStringLiteral("Температура"));
    EXPECT_EQ(Field(r.Out, 4, 3), QStringLiteral("°С"));
    EXPECT_EQ(Field(r.Out, 3, 2), "1");
    EXPECT_EQ(Field(r.Out, 3, 3), QStringLiteral("бар"));
}

TEST(CliSheet, PrintsTheStateColour)
{
    const TCliRun r =
        RunTool({"sheet", "1", "--set", "1=10", "--unit", "1=1", "--set", "2=300", "--decimal", "."});
    ASSERT_EQ(r.Status, CliExitOk) << r.Err;
    EXPECT_NE(r.Out.find("state-colour\t#ff0000"), std::string::npos) << r.Out;
    EXPECT_EQ(Field(r.Out, 13, 2), QStringLiteral("перегретый пар"));
}

TEST(CliSheet, CellAndIndexOptionsReachAnyCell)
{
    const TCliRun r = RunTool({"sheet", "3", "--index", "1,1=0", "--cell", "1,4=3400", "--cell", "1,5=1",
                               "--cell", "1,6=994.774", "--index", "2,5=1", "--decimal", "."});
    ASSERT_EQ(r.Status, CliExitOk) << r.Err;
    EXPECT_NEAR(Field(r.Out, 3, 2).toDouble(), 10.0, 0.1); // found P0 in МПа
    EXPECT_EQ(Field(r.Out, 1, 2), QStringLiteral(" Начальное давление"));
}

TEST(CliSheet, JsonHasTheSameContent)
{
    const TCliRun r = RunTool({"sheet", "8", "--set", "1=100", "--decimal", ".", "--json"});
    ASSERT_EQ(r.Status, CliExitOk) << r.Err;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(r.Out)).object();
    EXPECT_EQ(o["sheet"].toInt(), 8);
    const QJsonArray rows = o["rows"].toArray();
    ASSERT_EQ(rows.size(), 14);
    EXPECT_EQ(rows[6].toObject()["value"].toDouble(), 2676.45);
    EXPECT_EQ(rows[6].toObject()["text"].toString(), "2676.45");
    EXPECT_TRUE(rows[0].toObject()["value"].isNull()); // a heading is no number
    EXPECT_FALSE(o.contains("stateColour"));
}

TEST(CliSheet, BadOptionsAndAddresses)
{
    ExpectUsageErrors({
        {"sheet"},
        {"sheet", "0"},
        {"sheet", "9"},
        {"sheet", "x"},
        {"sheet", "2", "--set"},
        {"sheet", "2", "--set", "1"},
        {"sheet", "2", "--set", "99=1"},
        {"sheet", "2", "--set", "-1=1"},
        {"sheet", "2", "--cell", "3,1=1"},
        {"sheet", "2", "--cell", "1=1"},
        {"sheet", "2", "--unit", "1=9"},
        {"sheet", "2", "--unit", "1=x"},
        {"sheet", "2", "--unit", "0=0"},
        {"sheet", "2", "--index", "1,1"},
        {"sheet", "2", "--decimal", ";"},
        {"sheet", "2", "--bogus", "1"},
        {"sheet", "2", "stray"},
    });
}

} // namespace
