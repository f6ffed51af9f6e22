#include "controls/TGSCalendar.h"
#include "controls/TGSMonthList.h"
#include "controls/TGSPopupPanel.h"

#include "support/QtWidgetsTestEnvironment.h"

#include <QDate>
#include <QDir>
#include <QLocale>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>
#include <utility>

namespace {

int Day(int y, int m, int d)
{
    return static_cast<int>(QDate(y, m, d).toJulianDay() - QDate(1899, 12, 30).toJulianDay());
}

int Day(const QDate& date)
{
    return Day(date.year(), date.month(), date.day());
}

int WholeDay(double value)
{
    return static_cast<int>(std::trunc(value));
}

// A shown calendar in a British English locale with weeks from Monday,
// counting its change and click events.
class CalendarTest : public testing::Test {
protected:
    void SetUp() override
    {
        FSavedLocale = QLocale();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        Calendar = std::make_unique<TGSCalendar>();
        Calendar->SetFirstDayOfWeek(0);
        Calendar->OnChange = [this](TGSCalendar*) { ++Changes; };
        Calendar->OnClick = [this](TGSCalendar*) { ++Clicks; };
        Calendar->move(200, 200);
        Calendar->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Calendar.get()));
    }
    void TearDown() override
    {
        Calendar.reset();
        QLocale::setDefault(FSavedLocale);
    }

    // The centre of the grid cell showing day.
    QPoint CellCentre(int day) const
    {
        return GSCalendarCellRect(Calendar->CalcAreas(), day - Calendar->GetFirstGridDay()).center();
    }
    QPoint AreaCentre(TGSCalendarArea area) const { return Calendar->CalcAreas().Areas[area].center(); }
    void Click(const QPoint& p) { QTest::mouseClick(Calendar.get(), Qt::LeftButton, Qt::NoModifier, p); }
    void Press(const QPoint& p) { QTest::mousePress(Calendar.get(), Qt::LeftButton, Qt::NoModifier, p); }
    void Release(const QPoint& p) { QTest::mouseRelease(Calendar.get(), Qt::LeftButton, Qt::NoModifier, p); }
    void Move(const QPoint& p) { QTest::mouseMove(Calendar.get(), p); }
    QDate ViewMonth() const
    {
        const QDate view = QDate(1899, 12, 30).addDays(WholeDay(Calendar->GetViewDate()));
        return QDate(view.year(), view.month(), 1);
    }

    std::unique_ptr<TGSCalendar> Calendar;
    int Changes = 0;
    int Clicks = 0;

private:
    QLocale FSavedLocale;
};

TEST_F(CalendarTest, StartsEmptyOnTodaysMonthAtItsOwnSize)
{
    EXPECT_TRUE(Calendar->GetEmpty());
    EXPECT_EQ(Calendar->GetDate(), 0);
    EXPECT_TRUE(Calendar->GetStyles() == GSAllCalendarStyles);
    EXPECT_EQ(WholeDay(Calendar->GetViewDate()), Day(QDate::currentDate()));
    EXPECT_EQ(Calendar->size(), Calendar->sizeHint());
    EXPECT_EQ(Calendar->focusPolicy(), Qt::StrongFocus);
    for (const TGSCalendarDay& cell : Calendar->DayCells())
        EXPECT_FALSE(cell.Selected);
    EXPECT_EQ(Changes, 0);
}

TEST_F(CalendarTest, AMonthStartingTheWeekShowsAFullWeekBefore)
{
    Calendar->SetViewDate(Day(2026, 6, 17)); // 1 June 2026 is a Monday
    EXPECT_EQ(Calendar->GetFirstGridDay(), Day(2026, 5, 25));
    const auto cells = Calendar->DayCells();
    EXPECT_FALSE(cells[6].InViewMonth);
    EXPECT_TRUE(cells[7].InViewMonth);
    EXPECT_EQ(cells[7].DayOfMonth, 1);
    Calendar->SetFirstDayOfWeek(6); // weeks from Sunday
    EXPECT_EQ(Calendar->GetFirstGridDay(), Day(2026, 5, 31));
}

TEST_F(CalendarTest, DateChangesRaiseOnChangeOnlyForAnotherDay)
{
    const double may13 = Day(2024, 5, 13);
    Calendar->SetDate(may13 + 0.5);
    EXPECT_EQ(Changes, 1);
    EXPECT_FALSE(Calendar->GetEmpty());
    EXPECT_EQ(ViewMonth(), QDate(2024, 5, 1));
    // The stored value has a time part, so the same day at another time differs from it.
    Calendar->SetDate(may13 + 0.25);
    EXPECT_EQ(Changes, 2);
    Calendar->SetDate(may13);
    EXPECT_EQ(Changes, 3);
    // From a whole day, a time on the same day is kept without an event.
    Calendar->SetDate(may13 + 0.75);
    EXPECT_EQ(Changes, 3);
    EXPECT_EQ(Calendar->GetDate(), may13 + 0.75);
    // Values that are no date are refused.
    Calendar->SetDate(std::nan(""));
    Calendar->SetDate(1e9);
    EXPECT_EQ(Calendar->GetDate(), may13 + 0.75);

    int selected = 0;
    for (const TGSCalendarDay& cell : Calendar->DayCells())
        selected += cell.Selected ? 1 : 0;
    EXPECT_EQ(selected, 1);

    Calendar->SetEmpty(true);
    EXPECT_EQ(Calendar->GetDate(), 0);
    EXPECT_EQ(ViewMonth(), QDate(QDate::currentDate().year(), QDate::currentDate().month(), 1));
    Calendar->SetEmpty(false);
    EXPECT_EQ(WholeDay(Calendar->GetDate()), Day(QDate::currentDate()));
    EXPECT_EQ(Changes, 5);
}

TEST_F(CalendarTest, KeysMoveTheDateAndKeepTheTime)
{
    const struct {
        Qt::Key Key;
        QDate From;
        QDate To;
    } rows[] = {
        {Qt::Key_Left, {2024, 5, 13}, {2024, 5, 12}},  {Qt::Key_Right, {2024, 5, 31}, {2024, 6, 1}},
        {Qt::Key_Up, {2024, 5, 13}, {2024, 5, 6}},     {Qt::Key_Down, {2024, 5, 13}, {2024, 5, 20}},
        {Qt::Key_Home, {2024, 5, 13}, {2024, 5, 1}},   {Qt::Key_End, {2024, 2, 13}, {2024, 2, 29}},
        {Qt::Key_PageUp, {2024, 5, 13}, {2024, 4, 13}}, {Qt::Key_PageDown, {2024, 1, 31}, {2024, 2, 29}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Key);
        Calendar->SetDate(Day(row.From) + 0.5);
        QTest::keyClick(Calendar.get(), row.Key);
        EXPECT_EQ(Calendar->GetDate(), Day(row.To) + 0.5);
        EXPECT_EQ(ViewMonth(), QDate(row.To.year(), row.To.month(), 1));
    }
    // Modifiers turn the keys off.
    Calendar->SetDate(Day(2024, 5, 13));
    QTest::keyClick(Calendar.get(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(Calendar.get(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Calendar->GetDate(), Day(2024, 5, 13));
    // Without days only the month keys work; without the month only the day keys.
    Calendar->SetStyles({csYear, csMonth});
    QTest::keyClick(Calendar.get(), Qt::Key_Left);
    QTest::keyClick(Calendar.get(), Qt::Key_PageDown);
    EXPECT_EQ(Calendar->GetDate(), Day(2024, 6, 13));
    Calendar->SetStyles({csDays});
    QTest::keyClick(Calendar.get(), Qt::Key_PageDown);
    QTest::keyClick(Calendar.get(), Qt::Key_Right);
    EXPECT_EQ(Calendar->GetDate(), Day(2024, 6, 14));
    EXPECT_EQ(Clicks, 0);
    QTest::keyClick(Calendar.get(), Qt::Key_Return);
    QTest::keyClick(Calendar.get(), Qt::Key_Enter);
    EXPECT_EQ(Clicks, 2);
}

TEST_F(CalendarTest, HomeOnAnEmptyCalendarSelectsTheFirstOfThisMonth)
{
    const QDate today = QDate::currentDate();
    QTest::keyClick(Calendar.get(), Qt::Key_Home);
    EXPECT_EQ(Calendar->GetDate(), Day(today.year(), today.month(), 1));
    EXPECT_EQ(Changes, 1);
}

TEST_F(CalendarTest, ClickingADaySelectsItAndClicks)
{
    Calendar->SetDate(Day(2024, 5, 13) + 0.25);
    Changes = 0;
    Click(CellCentre(Day(2024, 5, 20)));
    EXPECT_EQ(Calendar->GetDate(), Day(2024, 5, 20) + 0.25);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(Calendar->HitTest(CellCentre(Day(2024, 5, 20)).x(), CellCentre(Day(2024, 5, 20)).y()), Day(2024, 5, 20));
    EXPECT_EQ(Calendar->HitTest(AreaCentre(caTitle).x(), AreaCentre(caTitle).y()), 0);

    // Pressing and dragging selects the day under the pointer.
    Press(CellCentre(Day(2024, 5, 7)));
    Move(CellCentre(Day(2024, 5, 8)));
    EXPECT_EQ(Calendar->GetDate(), Day(2024, 5, 8) + 0.25);
    Release(CellCentre(Day(2024, 5, 8)));
    EXPECT_EQ(Clicks, 2);

    // A day of the month after moves date and view there (rest days shown).
    Click(CellCentre(Day(2024, 6, 2)));
    EXPECT_EQ(Calendar->GetDate(), Day(2024, 6, 2) + 0.25);
    EXPECT_EQ(ViewMonth(), QDate(2024, 6, 1));

    // Without rest days, days outside the view month cannot be picked.
    Calendar->SetStyles(GSAllCalendarStyles - TGSCalendarStyles{csRestDays});
    Click(CellCentre(Day(2024, 5, 31)));
    EXPECT_EQ(Calendar->GetDate(), Day(2024, 6, 2) + 0.25);

    // Released elsewhere, a press is no click.
    const int clicks = Clicks;
    Press(CellCentre(Day(2024, 6, 10)));
    Release(AreaCentre(caTitle));
    EXPECT_EQ(Clicks, clicks);
    EXPECT_EQ(Calendar->GetDate(), Day(2024, 6, 10) + 0.25);
}

TEST_F(CalendarTest, DoubleClicksCountLikeTwoClicks)
{
    // Through the window, as the window system delivers them: press,
    // release, press, double click, release.
    QWindow* window = Calendar->windowHandle();
    ASSERT_NE(window, nullptr);
    Calendar->SetDate(Day(2024, 5, 13));
    QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, AreaCentre(caRightArrow));
    EXPECT_EQ(ViewMonth(), QDate(2024, 7, 1));
    EXPECT_EQ(Clicks, 0);
    QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, CellCentre(Day(2024, 7, 4)));
    EXPECT_EQ(Calendar->GetDate(), Day(2024, 7, 4));
    EXPECT_EQ(Clicks, 2);
    EXPECT_EQ(Calendar->GetPressedArea(), caNothing);
}

TEST_F(CalendarTest, StaysWithinTheCalendarYears)
{
    const double last = Day(9999, 12, 31);
    Calendar->SetDate(last);
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End})
        QTest::keyClick(Calendar.get(), key);
    EXPECT_EQ(Calendar->GetDate(), last);
    Click(AreaCentre(caRightArrow));
    EXPECT_EQ(ViewMonth(), QDate(9999, 12, 1));
    const double first = Day(1, 1, 1);
    Calendar->SetDate(first);
    QTest::keyClick(Calendar.get(), Qt::Key_Left);
    QTest::keyClick(Calendar.get(), Qt::Key_PageUp);
    EXPECT_EQ(Calendar->GetDate(), first);
    // The grid of January of year 1 shows no days before it, and paints.
    int shown = 0;
    for (const TGSCalendarDay& cell : Calendar->DayCells())
        shown += cell.Shown ? 1 : 0;
    EXPECT_GE(shown, 31);
    EXPECT_FALSE(Calendar->grab().isNull());
    Click(AreaCentre(caLeftArrow));
    EXPECT_EQ(ViewMonth(), QDate(1, 1, 1));
}

TEST_F(CalendarTest, FontChangesResizeTheCalendar)
{
    const QSize small = Calendar->size();
    QFont font = Calendar->font();
    font.setPointSize(font.pointSize() * 2);
    Calendar->setFont(font);
    EXPECT_GT(Calendar->width(), small.width());
    EXPECT_GT(Calendar->height(), small.height());
    EXPECT_EQ(Calendar->size(), Calendar->sizeHint());
    Calendar->SetAutoSize(false);
    Calendar->resize(100, 100);
    Calendar->SetStyles({csDays});
    EXPECT_EQ(Calendar->size(), QSize(100, 100));
}

TEST_F(CalendarTest, TodayAndNoneButtons)
{
    Click(AreaCentre(caToday));
    EXPECT_EQ(WholeDay(Calendar->GetDate()), Day(QDate::currentDate()));
    EXPECT_EQ(Clicks, 1);
    Click(AreaCentre(caNone));
    EXPECT_TRUE(Calendar->GetEmpty());
    EXPECT_EQ(Clicks, 2);
    // Pressed, then released outside the button: nothing.
    Press(AreaCentre(caToday));
    EXPECT_EQ(Calendar->GetPressedArea(), caToday);
    Release(AreaCentre(caNone));
    EXPECT_TRUE(Calendar->GetEmpty());
    EXPECT_EQ(Clicks, 2);
    EXPECT_EQ(Calendar->GetPressedArea(), caNothing);

    // Captions of their own widen the calendar; "Today" and "None" are the defaults.
    const int width = Calendar->width();
    Calendar->SetToday(QStringLiteral("A very long caption for today"));
    EXPECT_EQ(Calendar->GetTextToday(), QStringLiteral("A very long caption for today"));
    EXPECT_GT(Calendar->width(), width);
    Calendar->SetToday(QString());
    EXPECT_EQ(Calendar->width(), width);
}

TEST_F(CalendarTest, HeldArrowRepeatsOnTheTickSchedule)
{
    Calendar->SetDate(Day(2024, 5, 13));
    Press(AreaCentre(caLeftArrow));
    EXPECT_EQ(ViewMonth(), QDate(2024, 4, 1)); // one step at once
    // Ticks 1..20 step at 5, 10, 15 and 20.
    for (int tick = 1; tick <= 20; ++tick)
        Calendar->TimerTick();
    EXPECT_EQ(ViewMonth(), QDate(2023, 12, 1));
    // Off the arrow the ticks go on but do not step.
    Move(AreaCentre(caTitle));
    for (int tick = 21; tick <= 30; ++tick)
        Calendar->TimerTick();
    EXPECT_EQ(ViewMonth(), QDate(2023, 12, 1));
    Move(AreaCentre(caLeftArrow));
    Calendar->TimerTick(); // 31: odd
    Calendar->TimerTick(); // 32: steps
    EXPECT_EQ(ViewMonth(), QDate(2023, 11, 1));
    Release(AreaCentre(caLeftArrow));
    // An arrow press is no click, and the date stays.
    EXPECT_EQ(Clicks, 0);
    EXPECT_EQ(Calendar->GetDate(), Day(2024, 5, 13));

    // The right arrow forward, with the real timer.
    Press(AreaCentre(caRightArrow));
    EXPECT_EQ(ViewMonth(), QDate(2023, 12, 1));
    // The fifth tick of 50 ms steps; a loaded machine may take longer.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ViewMonth() >= QDate(2024, 1, 1); }, 5000));
    Release(AreaCentre(caRightArrow));
    const QDate stopped = ViewMonth();
    QTest::qWait(300);
    EXPECT_EQ(ViewMonth(), stopped);
}

TEST_F(CalendarTest, MonthListOpensOnTheTitleAndChoosesAMonth)
{
    Calendar->SetDate(Day(2024, 5, 13) + 0.5);
    Press(AreaCentre(caTitle));
    TGSMonthList* list = Calendar->GetMonthList();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    const QRect place = GSMonthListRect(Calendar->GetMetrics(), Calendar->width());
    EXPECT_EQ(list->geometry(), QRect(Calendar->mapToGlobal(place.topLeft()), place.size()));
    EXPECT_EQ(list->GetBase(), QDate(2024, 5, 1));
    EXPECT_EQ(list->ItemMonth(0), QDate(2024, 2, 1));
    EXPECT_EQ(list->ItemMonth(6), QDate(2024, 8, 1));

    // The pointer on item 5 highlights July; releasing there shows July.
    const int itemHeight = Calendar->GetMetrics().H + 2;
    const QPoint onItem5 = place.topLeft() + QPoint(place.width() / 2, 1 + 5 * itemHeight + itemHeight / 2);
    Move(onItem5);
    EXPECT_EQ(list->GetHighlighted(), 5);
    // The highlighted item has its colours swapped.
    const QImage image = list->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(image.save(QDir::temp().filePath(QStringLiteral("calendar-months.png"))));
    EXPECT_EQ(image.pixel(3, 1 + 5 * itemHeight + 1), list->palette().color(QPalette::Text).rgb());
    EXPECT_EQ(image.pixel(3, 1 + 4 * itemHeight + 1), list->palette().color(QPalette::Base).rgb());
    Release(onItem5);
    EXPECT_EQ(Calendar->GetMonthList(), nullptr);
    EXPECT_EQ(ViewMonth(), QDate(2024, 7, 1));
    EXPECT_EQ(Calendar->GetDate(), Day(2024, 5, 13) + 0.5);
    EXPECT_EQ(Clicks, 0);

    // Released off the list: nothing chosen.
    Press(AreaCentre(caTitle));
    Move(place.topLeft() + QPoint(-20, 10));
    Release(place.topLeft() + QPoint(-20, 10));
    EXPECT_EQ(ViewMonth(), QDate(2024, 7, 1));

    // Hiding the calendar mid-press closes the list and ends the press.
    Press(AreaCentre(caTitle));
    ASSERT_NE(Calendar->GetMonthList(), nullptr);
    Calendar->hide();
    EXPECT_EQ(Calendar->GetMonthList(), nullptr);
    EXPECT_EQ(Calendar->GetPressedArea(), caNothing);
    Calendar->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Calendar.get()));
    Release(AreaCentre(caTitle));
    EXPECT_EQ(ViewMonth(), QDate(2024, 7, 1));

    // Without days a chosen month sets the date, same day and time, and clicks.
    Calendar->SetStyles({csYear, csMonth, csArrows});
    Calendar->SetDate(Day(2024, 5, 31) + 0.5);
    Press(AreaCentre(caTitle));
    const QRect small = GSMonthListRect(Calendar->GetMetrics(), Calendar->width());
    const QPoint onItem4 = small.topLeft() + QPoint(small.width() / 2, 1 + 4 * itemHeight + itemHeight / 2);
    Move(onItem4);
    Release(onItem4);
    EXPECT_EQ(Calendar->GetDate(), Day(2024, 6, 30) + 0.5);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(CalendarTest, MonthListScrollsFasterFartherFromIt)
{
    Calendar->SetDate(Day(2024, 5, 13));
    Press(AreaCentre(caTitle));
    TGSMonthList* list = Calendar->GetMonthList();
    ASSERT_NE(list, nullptr);
    const QRect place = GSMonthListRect(Calendar->GetMetrics(), Calendar->width());
    // 5 pixels above: at once, then every 5th tick.
    Move(QPoint(place.center().x(), place.top() - 5));
    Calendar->TimerTick();
    EXPECT_EQ(list->GetBase(), QDate(2024, 4, 1));
    for (int k = 0; k < 4; ++k)
        Calendar->TimerTick();
    EXPECT_EQ(list->GetBase(), QDate(2024, 4, 1));
    Calendar->TimerTick();
    EXPECT_EQ(list->GetBase(), QDate(2024, 3, 1));
    // 45 pixels below: once the wait from the slow scroll has run out,
    // every tick.
    Move(QPoint(place.center().x(), place.bottom() + 45));
    for (int k = 0; k < 5; ++k)
        Calendar->TimerTick();
    EXPECT_EQ(list->GetBase(), QDate(2024, 4, 1));
    Calendar->TimerTick();
    EXPECT_EQ(list->GetBase(), QDate(2024, 5, 1));
    Calendar->TimerTick();
    const QDate before = list->GetBase().addMonths(-1);
    EXPECT_EQ(before, QDate(2024, 5, 1));
    // Back over the list: no scrolling.
    Move(place.center());
    Calendar->TimerTick();
    Calendar->TimerTick();
    EXPECT_EQ(list->GetBase(), before.addMonths(1));
    EXPECT_EQ(list->GetHighlighted(), 3);
    Release(place.center());
    EXPECT_EQ(ViewMonth(), before.addMonths(1));
}

TEST_F(CalendarTest, BoldDaysComeFromTheMonthInfo)
{
    EXPECT_EQ(TGSCalendar::BoldDays({1, 2, 31}), 0x40000003u);
    EXPECT_EQ(TGSCalendar::BoldDays({0, -1, 32, 40}), 0u);

    std::set<std::pair<int, int>> asked;
    Calendar->OnGetMonthInfo = [&](TGSCalendar*, int year, int month, uint32_t& info) {
        asked.insert({year, month});
        if (month == 5)
            info = TGSCalendar::BoldDays({1, 15});
        else if (month == 4)
            info = TGSCalendar::BoldDays({29});
        else if (month == 6)
            info = TGSCalendar::BoldDays({1});
    };
    Calendar->SetDate(Day(2024, 5, 13));
    std::set<int> bold;
    for (const TGSCalendarDay& cell : Calendar->DayCells())
        if (cell.Bold)
            bold.insert(cell.Day);
    EXPECT_EQ(bold, (std::set<int>{Day(2024, 4, 29), Day(2024, 5, 1), Day(2024, 5, 15), Day(2024, 6, 1)}));
    EXPECT_EQ(asked, (std::set<std::pair<int, int>>{{2024, 4}, {2024, 5}, {2024, 6}}));

    // Without rest days only the view month is asked.
    asked.clear();
    Calendar->SetStyles(GSAllCalendarStyles - TGSCalendarStyles{csRestDays});
    bold.clear();
    for (const TGSCalendarDay& cell : Calendar->DayCells()) {
        if (cell.Bold)
            bold.insert(cell.Day);
        EXPECT_EQ(cell.Shown, cell.InViewMonth);
    }
    EXPECT_EQ(bold, (std::set<int>{Day(2024, 5, 1), Day(2024, 5, 15)}));
    EXPECT_EQ(asked, (std::set<std::pair<int, int>>{{2024, 5}}));
}

TEST_F(CalendarTest, PaintsTheSelectionTodayAndBoldDays)
{
    const QDate today = QDate::currentDate();
    // Another day of today's month selected, so today shows only its outline.
    const QDate selected = today.day() == 1 ? today.addDays(1) : today.addDays(-1);
    Calendar->SetDate(Day(selected) + 0.5);
    Calendar->OnGetMonthInfo = [](TGSCalendar*, int, int, uint32_t& info) { info = TGSCalendar::BoldDays({10}); };
    const QImage image = Calendar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(image.save(QDir::temp().filePath(QStringLiteral("calendar.png"))));
    const TGSCalendarLayout layout = Calendar->CalcAreas();
    const QRect todayCell = GSCalendarCellRect(layout, Day(today) - Calendar->GetFirstGridDay());
    EXPECT_EQ(image.pixel(todayCell.topLeft()), QColor(128, 0, 0).rgb());
    const QRect selectedCell = GSCalendarCellRect(layout, Day(selected) - Calendar->GetFirstGridDay());
    EXPECT_EQ(image.pixel(selectedCell.topLeft() + QPoint(1, 1)), Calendar->palette().color(QPalette::Highlight).rgb());
    // The title is face-coloured inside its edge.
    EXPECT_EQ(image.pixel(layout.Areas[caTitle].topLeft() + QPoint(layout.Areas[caTitle].width() / 3, 2)),
              Calendar->palette().color(QPalette::Button).rgb());
}

TEST_F(CalendarTest, OpensInAPopupPanel)
{
    QWidget form;
    form.setGeometry(100, 100, 300, 200);
    auto* anchor = new QWidget(&form);
    anchor->setGeometry(10, 10, 100, 20);
    auto* panel = new TGSPopupPanel(&form);
    auto* calendar = new TGSCalendar(panel);
    calendar->SetDate(Day(2024, 5, 13));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    bool accepted = false;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(panel->GetActive());
        EXPECT_TRUE(calendar->isVisible());
        EXPECT_TRUE(panel->rect().contains(calendar->geometry()));
        calendar->OnClick = [&](TGSCalendar*) { panel->Close(); };
        const QPoint day = GSCalendarCellRect(calendar->CalcAreas(), Day(2024, 5, 20) - calendar->GetFirstGridDay()).center();
        QTest::mouseClick(calendar, Qt::LeftButton, Qt::NoModifier, day);
    });
    accepted = panel->Popup(anchor);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(calendar->GetDate(), Day(2024, 5, 20));
}

} // namespace
