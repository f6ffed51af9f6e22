#include "CalcTestSheet.h"

#include "base/FormatSettings.h"

#include <gtest/gtest.h>

namespace {

enum { P0Row = 3, H0Row = 4, PkRow = 5, DropRow = 6 };

class HeatDropHandler : public ::testing::Test {
protected:
    TFormatSettingsOverride Point{FormatSettings::WithDecimalSeparator(u'.')};

    // P0 = 100 bar, h0 = 3400 kJ/kg, Pk = 1 bar, all pressures in bar.
    static void Typical(TCalcTestSheet& s)
    {
        s.Unit(P0Row, 1).Unit(PkRow, 1);
        s.Set(P0Row, "100").Set(H0Row, "3400").Set(PkRow, "1");
    }
};

TEST_F(HeatDropHandler, ComputesTheHeatDrop)
{
    TCalcTestSheet s(3);
    EXPECT_EQ(s.Sheet.GetCell(1, 1)->GetInteger(), 3); // the heat drop is chosen at start
    Typical(s);
    s.Run();
    EXPECT_NEAR(s.Number(DropRow), 994.8, 0.05);
    EXPECT_EQ(s.Text(P0Row), "100");
    EXPECT_EQ(s.Text(H0Row), "3400");
    EXPECT_EQ(s.Text(PkRow), "1");
}

TEST_F(HeatDropHandler, SolvesBackwardsForEachQuantity)
{
    TCalcTestSheet s(3);
    Typical(s);
    s.Run();
    const QByteArray drop = s.Text(DropRow).toUtf8();

    s.Choose(2).Set(PkRow, "").Set(DropRow, drop.constData()).Run();
    EXPECT_NEAR(s.Number(PkRow), 1.0, 0.01);

    s.Set(PkRow, "1").Choose(0).Set(P0Row, "").Run();
    EXPECT_NEAR(s.Number(P0Row), 100.0, 0.5);

    s.Set(P0Row, "100").Choose(1).Set(H0Row, "").Run();
    EXPECT_NEAR(s.Number(H0Row), 3400.0, 0.5);
}

TEST_F(HeatDropHandler, BadInputEmptiesOnlyTheResultRow)
{
    TCalcTestSheet s(3);
    Typical(s);
    s.Run();
    ASSERT_FALSE(s.Text(DropRow).isEmpty());
    s.Set(H0Row, "").Run();
    EXPECT_TRUE(s.Text(DropRow).isEmpty());
    EXPECT_EQ(s.Text(P0Row), "100");
    EXPECT_EQ(s.Text(PkRow), "1");
}

TEST_F(HeatDropHandler, NonPositivePressuresAreInvalid)
{
    for (const char* bad : {"0", "-1"}) {
        SCOPED_TRACE(bad);
        TCalcTestSheet s(3);
        Typical(s);
        s.Set(PkRow, bad).Run();
        EXPECT_TRUE(s.Text(DropRow).isEmpty());
        Typical(s);
        s.Set(P0Row, bad).Choose(2).Set(DropRow, "500").Run();
        EXPECT_TRUE(s.Text(PkRow).isEmpty());
    }
}

TEST_F(HeatDropHandler, UnreachableHeatDropEmptiesTheSoughtRow)
{
    TCalcTestSheet s(3);
    Typical(s);
    s.Choose(0).Set(DropRow, "100000").Run();
    EXPECT_TRUE(s.Text(P0Row).isEmpty());
    s.Choose(2).Set(P0Row, "100").Set(DropRow, "0").Run();
    EXPECT_TRUE(s.Text(PkRow).isEmpty());
}

TEST_F(HeatDropHandler, UnitsConvertBothWays)
{
    TCalcTestSheet kj(3);
    Typical(kj);
    kj.Run();
    TCalcTestSheet kcal(3);
    Typical(kcal);
    kcal.Unit(DropRow, 1).Unit(P0Row, 0).Set(P0Row, "10").Run(); // 10 МПа
    EXPECT_NEAR(kcal.Number(DropRow), kj.Number(DropRow) * 0.23884589662749594789, 0.01);
    EXPECT_EQ(kcal.Text(P0Row), "10");
}

} // namespace
