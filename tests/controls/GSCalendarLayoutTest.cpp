#include "controls/GSCalendarLayout.h"

#include <QDate>

#include <gtest/gtest.h>

#include <vector>

namespace {

const TGSCalendarMetrics Metrics{7, 13, 30};

int Day(const QDate& date)
{
    return static_cast<int>(date.toJulianDay() - QDate(1899, 12, 30).toJulianDay());
}

QDate DateOf(int day)
{
    return QDate(1899, 12, 30).addDays(day);
}

// The client rectangle of an auto-sized calendar with a one-pixel bevel.
QRect AutoClient(TGSCalendarStyles styles)
{
    const QSize size = GSCalendarAutoSize(Metrics, styles, 1);
    return QRect(1, 1, size.width() - 2, size.height() - 2);
}

TEST(GSCalendarLayout, AllPartsFitTheAutoSize)
{
    EXPECT_EQ(GSCalendarAutoSize(Metrics, GSAllCalendarStyles, 1), QSize(14 * 7 + 35 + 4 * 7 + 2, 18 + 107 + 30 + 2));
    const TGSCalendarLayout l = GSCalcCalendarAreas(AutoClient(GSAllCalendarStyles), Metrics, GSAllCalendarStyles);
    EXPECT_EQ(l.Areas[caTitle], QRect(1, 1, 161, 18));
    EXPECT_EQ(l.Areas[caLeftArrow], QRect(1, 1, 18, 18));
    EXPECT_EQ(l.Areas[caRightArrow], QRect(144, 1, 18, 18));
    // Body from 2W - 1 to 2W + 1 inside; the buttons centred in halves split
    // at (left + right - 5) / 2 = 78 with a 5-pixel gap.
    EXPECT_EQ(l.Areas[caToday], QRect(22, 130, 47, 20));
    EXPECT_EQ(l.Areas[caNone], QRect(91, 130, 47, 20));
    EXPECT_EQ(l.StripTop, 125);
    EXPECT_EQ(l.CellWidth, 19);
    EXPECT_EQ(l.CellHeight, Metrics.H + 2);
    EXPECT_EQ(l.Areas[caDaysOfWeek], QRect(14, 19, 133, 15));
    EXPECT_EQ(l.Areas[caDays], QRect(14, 36, 133, 6 * 15));
    EXPECT_TRUE(l.Areas[caNothing].isEmpty());
}

TEST(GSCalendarLayout, PartsLeftOut)
{
    const TGSCalendarStyles plain{csYear, csMonth, csArrows, csDays};
    EXPECT_EQ(GSCalendarAutoSize(Metrics, plain, 1).height(), 2 + 18 + 6 * 13 + 13);
    TGSCalendarLayout l = GSCalcCalendarAreas(AutoClient(plain), Metrics, plain);
    EXPECT_EQ(l.CellHeight, 15);
    EXPECT_EQ(l.Areas[caDays], QRect(14, 19, 133, 91));
    EXPECT_TRUE(l.Areas[caDaysOfWeek].isEmpty());
    EXPECT_TRUE(l.Areas[caToday].isEmpty());
    EXPECT_EQ(l.StripTop, -1);

    // No arrows; one button alone is centred across the body.
    const TGSCalendarStyles noArrows{csMonth, csDays, csNone};
    l = GSCalcCalendarAreas(AutoClient(noArrows), Metrics, noArrows);
    EXPECT_TRUE(l.Areas[caLeftArrow].isEmpty());
    EXPECT_FALSE(l.Areas[caTitle].isEmpty());
    EXPECT_TRUE(l.Areas[caToday].isEmpty());
    EXPECT_EQ(l.Areas[caNone].center().x(), (14 + 147) / 2);

    // No title: the body starts at the top.
    const TGSCalendarStyles noTitle{csDays, csDaysOfWeek};
    l = GSCalcCalendarAreas(AutoClient(noTitle), Metrics, noTitle);
    EXPECT_TRUE(l.Areas[caTitle].isEmpty());
    EXPECT_EQ(l.Areas[caDaysOfWeek].top(), 1);
}

TEST(GSCalendarLayout, LongCaptionsWidenTheCalendar)
{
    const TGSCalendarMetrics wide{7, 13, 80};
    const int both = GSCalendarAutoSize(wide, GSAllCalendarStyles, 1).width();
    EXPECT_EQ(both, 2 * (80 + 17) + 5 + 4 * 7 + 2);
    const QRect client(1, 1, both - 2, 200);
    const TGSCalendarLayout fits = GSCalcCalendarAreas(client, wide, GSAllCalendarStyles);
    EXPECT_FALSE(fits.Areas[caToday].intersects(fits.Areas[caNone]));
    EXPECT_TRUE(client.contains(fits.Areas[caToday]));
    EXPECT_TRUE(client.contains(fits.Areas[caNone]));
    const TGSCalendarStyles one{csDays, csToday};
    EXPECT_EQ(GSCalendarAutoSize(wide, one, 1).width(), 14 * 7 + 35 + 4 * 7 + 2); // one button fits already
}

TEST(GSCalendarLayout, HitTestingPrefersLaterAreas)
{
    const TGSCalendarLayout l = GSCalcCalendarAreas(AutoClient(GSAllCalendarStyles), Metrics, GSAllCalendarStyles);
    const struct {
        QPoint P;
        TGSCalendarArea Area;
    } rows[] = {
        {{5, 5}, caLeftArrow},  {{150, 5}, caRightArrow}, {{80, 5}, caTitle},   {{20, 20}, caDaysOfWeek},
        {{20, 40}, caDays},     {{30, 135}, caToday},     {{100, 135}, caNone}, {{5, 100}, caNothing},
        {{80, 128}, caNothing}, {{-1, -1}, caNothing},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.P.x() << "," << row.P.y());
        EXPECT_EQ(GSCalendarAreaAt(l, row.P), row.Area);
    }
    EXPECT_EQ(GSCalendarCellAt(l, {14, 36}), 0);
    EXPECT_EQ(GSCalendarCellAt(l, {14 + 19 * 6 + 18, 36 + 15 * 5 + 14}), 41);
    EXPECT_EQ(GSCalendarCellAt(l, {14 + 19 * 7, 40}), -1);
    EXPECT_EQ(GSCalendarCellAt(l, {20, 20}), -1);
    EXPECT_EQ(GSCalendarCellRect(l, 8), QRect(33, 51, 19, 15));
}

TEST(GSCalendarLayout, GridStartsOnTheFirstDayOfTheWeekBeforeThe1st)
{
    for (int firstDay = 0; firstDay < 7; ++firstDay) {
        for (int m = 0; m < 24; ++m) {
            const QDate first = QDate(2025, 1, 1).addMonths(m);
            SCOPED_TRACE(testing::Message() << first.toString(Qt::ISODate).toStdString() << " first day " << firstDay);
            // Any day of the month selects the same grid.
            const int start = GSCalendarFirstGridDay(Day(first.addDays(first.daysInMonth() - 1)), firstDay);
            EXPECT_EQ(GSCalendarFirstGridDay(Day(first), firstDay), start);
            EXPECT_EQ(DateOf(start).dayOfWeek(), firstDay + 1);
            const int before = Day(first) - start;
            EXPECT_GE(before, 1);
            EXPECT_LE(before, 7);
            if (first.dayOfWeek() == firstDay + 1) {
                EXPECT_EQ(before, 7); // a full week of the month before
            }
        }
    }
    // June 2026 starts on a Monday: with weeks from Monday the grid starts on 25 May.
    EXPECT_EQ(GSCalendarFirstGridDay(Day(QDate(2026, 6, 17)), 0), Day(QDate(2026, 5, 25)));
    EXPECT_EQ(GSCalendarFirstGridDay(Day(QDate(2026, 6, 17)), 6), Day(QDate(2026, 5, 31)));
}

TEST(GSCalendarLayout, ArrowAutoRepeatSchedule)
{
    std::vector<int> steps;
    for (int tick = 0; tick <= 205; ++tick)
        if (GSArrowStepsAtTick(tick))
            steps.push_back(tick);
    // 5, 10, 15; the even ticks 20..198; every tick from 200.
    ASSERT_EQ(steps.size(), 3u + 90u + 6u);
    EXPECT_EQ(std::vector<int>(steps.begin(), steps.begin() + 5), (std::vector<int>{5, 10, 15, 20, 22}));
    EXPECT_EQ(std::vector<int>(steps.end() - 8, steps.end()), (std::vector<int>{196, 198, 200, 201, 202, 203, 204, 205}));
}

TEST(GSCalendarLayout, MonthListScrollDelayAndPlace)
{
    const int rows[][2] = {{0, 5}, {9, 5}, {10, 4}, {39, 2}, {40, 1}, {45, 1}, {1000, 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row[0]);
        EXPECT_EQ(GSMonthListScrollDelay(row[0]), row[1]);
    }
    // Seven items of H + 2 and the frame; the middle item over the title.
    const QRect list = GSMonthListRect(Metrics, 163);
    EXPECT_EQ(list, QRect(18, -43, 127, 107));
    const int middleTop = list.top() + 1 + 3 * (Metrics.H + 2);
    EXPECT_GE(middleTop, 1);
    EXPECT_LE(middleTop + Metrics.H + 2, 1 + Metrics.H + 5 + 2);
}

} // namespace

TEST(GSCalendarLayout, MonthCaptionsAndWeekdayLettersStartWithACapital)
{
    struct Row {
        QLocale::Language language;
        QLocale::Territory territory;
        int month;
        bool withYear;
        const char* caption;
        const char* monday;
        const char* sunday;
    };
    const Row rows[] = {
        {QLocale::Russian, QLocale::Russia, 11, true, "Ноябрь 2026", "П", "В"},
        {QLocale::Russian, QLocale::Russia, 5, false, "Май", "П", "В"},
        {QLocale::English, QLocale::UnitedStates, 11, true, "November 2026", "M", "S"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        const QLocale locale(row.language, row.territory);
        EXPECT_EQ(GSMonthCaption(locale, QDate(2026, row.month, 17), row.withYear), QString::fromUtf8(row.caption));
        EXPECT_EQ(GSWeekdayLetter(locale, 1), QString::fromUtf8(row.monday));
        EXPECT_EQ(GSWeekdayLetter(locale, 7), QString::fromUtf8(row.sunday));
    }
}
