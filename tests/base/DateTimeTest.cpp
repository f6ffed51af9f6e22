#include "base/DateTime.h"
#include "base/ERAVazoError.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(DateTime, DecodesTheDayCount)
{
    const struct {
        double Days;
        int Year, Month, Day, DayOfWeek;
    } rows[] = {
        {0, 1899, 12, 30, 7},    {-1, 1899, 12, 29, 6},      {2, 1900, 1, 1, 2},
        {60, 1900, 2, 28, 4},    {61, 1900, 3, 1, 5},        {36526, 2000, 1, 1, 7},
        {45000, 2023, 3, 15, 4}, {45351, 2024, 2, 29, 5},    {-693593, 1, 1, 1, 2},
        {2958465, 9999, 12, 31, 6},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Days);
        const auto p = TryDecodeDateTime(row.Days);
        ASSERT_TRUE(p);
        EXPECT_EQ(p->Year, row.Year);
        EXPECT_EQ(p->Month, row.Month);
        EXPECT_EQ(p->Day, row.Day);
        EXPECT_EQ(p->DayOfWeek, row.DayOfWeek);
        EXPECT_FALSE(p->HasTime());
    }
    EXPECT_FALSE(TryDecodeDateTime(-693594));
    EXPECT_FALSE(TryDecodeDateTime(2958466));
    EXPECT_FALSE(TryDecodeDateTime(2958465.9999999999)); // would carry past 9999-12-31
    EXPECT_FALSE(TryDecodeDateTime(std::nan("")));
    EXPECT_FALSE(TryDecodeDateTime(INFINITY));
    EXPECT_THROW(DecodeDateTime(1e10), EConvertError);
}

TEST(DateTime, DecodesTheTimeOfDay)
{
    const struct {
        double Days;
        int DayNumber, Hour, Minute, Second, MSec;
    } rows[] = {
        {45000.5, 45000, 12, 0, 0, 0},
        {45000 + (13 * 3600 + 5 * 60 + 9.25) / 86400, 45000, 13, 5, 9, 250},
        {-0.25, 0, 6, 0, 0, 0},           // the fraction counts forward from the day
        {-1.25, -1, 6, 0, 0, 0},
        {1.9999999999, 2, 0, 0, 0, 0},    // rounds up into the next day
        {-1.9999999999, 0, 0, 0, 0, 0},   // …also before day 0: the next calendar day
        {2.0000000001, 2, 0, 0, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Days);
        const TDateTimeParts p = DecodeDateTime(row.Days);
        EXPECT_EQ(p.DayNumber, row.DayNumber);
        EXPECT_EQ(p.Hour, row.Hour);
        EXPECT_EQ(p.Minute, row.Minute);
        EXPECT_EQ(p.Second, row.Second);
        EXPECT_EQ(p.MSec, row.MSec);
    }
}

TEST(DateTime, EncodesOnlyExistingDates)
{
    EXPECT_EQ(TryEncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(TryEncodeDate(2023, 3, 15), 45000.0);
    EXPECT_EQ(TryEncodeDate(2024, 2, 29), 45351.0);
    EXPECT_EQ(TryEncodeDate(2000, 2, 29), 36585.0);
    EXPECT_EQ(TryEncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(TryEncodeDate(9999, 12, 31), 2958465.0);
    const int invalid[][3] = {{2023, 2, 29}, {1900, 2, 29}, {2023, 4, 31}, {2023, 2, 0}, {2023, 1, 32},
                              {2023, 0, 1},  {2023, 13, 1}, {0, 1, 1},     {-1, 1, 1},  {10000, 1, 1}};
    for (const auto& d : invalid) {
        SCOPED_TRACE(testing::Message() << d[0] << "-" << d[1] << "-" << d[2]);
        EXPECT_FALSE(TryEncodeDate(d[0], d[1], d[2]));
        EXPECT_THROW(EncodeDate(d[0], d[1], d[2]), EConvertError);
    }
}

TEST(DateTime, EncodesTimesOfDay)
{
    EXPECT_EQ(TryEncodeTime(0, 0, 0, 0), 0.0);
    EXPECT_EQ(TryEncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_EQ(TryEncodeTime(18, 0, 0, 0), 0.75);
    const TDateTimeParts last = DecodeDateTime(EncodeTime(23, 59, 59, 999));
    EXPECT_EQ(last.DayNumber, 0);
    EXPECT_EQ(last.MSec, 999);
    const int invalid[][4] = {{24, 0, 0, 0}, {-1, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}};
    for (const auto& t : invalid) {
        EXPECT_FALSE(TryEncodeTime(t[0], t[1], t[2], t[3]));
        EXPECT_THROW(EncodeTime(t[0], t[1], t[2], t[3]), EConvertError);
    }
}

TEST(DateTime, EncodeAndDecodeAgreeOverTheCalendar)
{
    for (int day = -693593; day <= 2958465; day += 997) {
        const TDateTimeParts p = DecodeDateTime(day);
        ASSERT_EQ(TryEncodeDate(p.Year, p.Month, p.Day), static_cast<double>(day)) << day;
    }
}

TEST(DateTime, ComposesDayAndTime)
{
    EXPECT_EQ(ComposeDateTime(45000, 0.25), 45000.25);
    EXPECT_EQ(ComposeDateTime(-1, 0.25), -1.25); // 1899-12-29 06:00
    EXPECT_EQ(ComposeDateTime(0, 0.25), 0.25);
}

} // namespace
