#include "CalcTestSheet.h"

#include "base/FormatSettings.h"

#include <gtest/gtest.h>

namespace {

constexpr double K = 0.23884589662749594789;
const int SaturationResultRows[] = {3, 4, 6, 7, 8, 10, 11, 12};

class SaturationHandlers : public ::testing::Test {
protected:
    TFormatSettingsOverride Comma{FormatSettings::WithDecimalSeparator(u',')};
};

TEST_F(SaturationHandlers, ByPressureOneBar)
{
    TCalcTestSheet s(2);
    s.Set(1, "1").Unit(1, 1).Unit(3, 1).Run();
    EXPECT_EQ(s.Text(3), "1");
    EXPECT_EQ(s.Text(4), "99,64");
    EXPECT_NEAR(s.Number(6), 2675.0, 2.0);
    EXPECT_NEAR(s.Number(8), 1.69, 0.01);
    EXPECT_NEAR(s.Number(10), 417.5, 1.0);
    EXPECT_NEAR(s.Number(11), 1.303, 0.002);
    EXPECT_NEAR(s.Number(12), 0.001043, 0.000002);
}

TEST_F(SaturationHandlers, PressureUnitsGiveTheSameState)
{
    TCalcTestSheet mpa(2);
    mpa.Set(1, "0,1").Run(); // units at their first item: МПа
    TCalcTestSheet bar(2);
    bar.Set(1, "1").Unit(1, 1).Run();
    EXPECT_EQ(mpa.Text(3), "0,1");
    for (int row : {4, 6, 7, 8, 10, 11, 12}) {
        SCOPED_TRACE(row);
        EXPECT_EQ(mpa.Text(row), bar.Text(row));
    }
}

TEST_F(SaturationHandlers, OneAtmosphereBoilsAtAHundredDegrees)
{
    TCalcTestSheet s(2);
    s.Set(1, "1").Unit(1, 2).Unit(3, 2).Run();
    EXPECT_EQ(s.Text(4), "100,01");
    EXPECT_EQ(s.Text(3), "1");
    TCalcTestSheet kgf(2);
    kgf.Set(1, "1").Unit(1, 3).Run();
    EXPECT_EQ(kgf.Text(4), "99,09"); // 0.980665 bar
}

// A small saturation pressure in МПа reads as a number, not as "0".
TEST_F(SaturationHandlers, SmallResultsNeverShowAsZero)
{
    const struct {
        const char* T;
        double P; // МПа
    } rows[] = {{"0,01", 0.000611}, {"10", 0.001228}, {"30", 0.004246}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.T);
        TCalcTestSheet s(8);
        s.Set(1, r.T).Run();
        EXPECT_TRUE(s.Text(3).contains(QStringLiteral(" E-"))) << s.Text(3).toStdString();
        EXPECT_NEAR(s.Number(3), r.P, r.P * 0.002);
    }
    TCalcTestSheet bar(8);
    bar.Set(1, "30").Unit(3, 1).Run();
    EXPECT_EQ(bar.Text(3), "0,04"); // the pattern's own digits where they are not all zero
}

TEST_F(SaturationHandlers, ByPressureRange)
{
    TCalcTestSheet s(2);
    s.Unit(1, 1);
    s.Set(1, "221").Run();
    EXPECT_FALSE(s.Text(4).isEmpty());
    for (const char* bad : {"221,01", "0", "-5", "", "abc", "1.5", "1e400"}) {
        SCOPED_TRACE(bad);
        s.Set(1, "100").Run();
        ASSERT_FALSE(s.Text(4).isEmpty());
        s.Set(1, bad).Run();
        for (int row : SaturationResultRows)
            EXPECT_TRUE(s.Text(row).isEmpty()) << row;
        // The headings between the results stay.
        EXPECT_EQ(s.Sheet.GetCell(0, 5)->GetString(), QStringLiteral("Пар"));
        EXPECT_EQ(s.Sheet.GetCell(0, 9)->GetString(), QStringLiteral("Вода"));
        EXPECT_EQ(s.Text(1), QString::fromUtf8(bad));
    }
}

TEST_F(SaturationHandlers, ByTemperatureHundredDegrees)
{
    TCalcTestSheet c(8);
    c.Set(1, "100").Unit(3, 1).Run();
    EXPECT_EQ(c.Text(3), "1,01");
    EXPECT_EQ(c.Text(4), "100");
    EXPECT_EQ(c.Text(6), "2676,45");
    EXPECT_EQ(c.Text(10), "419,18");
    TCalcTestSheet k(8);
    k.Set(1, "373").Unit(1, 1).Unit(3, 1).Run();
    for (int row : {3, 6, 7, 8, 10, 11, 12}) {
        SCOPED_TRACE(row);
        EXPECT_EQ(k.Text(row), c.Text(row));
    }
    EXPECT_EQ(k.Text(4), "100"); // row 4 keeps its own unit, °С
}

TEST_F(SaturationHandlers, ByTemperatureRange)
{
    TCalcTestSheet s(8);
    s.Set(1, "374").Run();
    EXPECT_FALSE(s.Text(3).isEmpty());
    for (const char* bad : {"374,5", "0", "-1"}) {
        SCOPED_TRACE(bad);
        s.Set(1, "50").Run();
        s.Set(1, bad).Run();
        for (int row : SaturationResultRows)
            EXPECT_TRUE(s.Text(row).isEmpty()) << row;
    }
}

TEST_F(SaturationHandlers, OutputUnitOfEnthalpy)
{
    TCalcTestSheet kj(8);
    kj.Set(1, "100").Run();
    TCalcTestSheet kcal(8);
    kcal.Set(1, "100").Unit(6, 1).Run();
    EXPECT_NEAR(kcal.Number(6), kj.Number(6) * K, 0.006);
}

TEST(SaturationHandlersPoint, FormatsWithThePointToo)
{
    TFormatSettingsOverride point(FormatSettings::WithDecimalSeparator(u'.'));
    TCalcTestSheet s(2);
    s.Set(1, "1").Unit(1, 1).Run();
    EXPECT_EQ(s.Text(4), "99.64");
    s.Set(1, "1,0").Run(); // the other separator is no number here
    EXPECT_TRUE(s.Text(4).isEmpty());
}

} // namespace
