// GSCalendarLayout: the geometry and the timing rules of the month calendar
// (TGSCalendar) and its month list (TGSMonthList) as pure functions of the
// font's measures, the client rectangle and the styles, so that they are
// tested without a window and the control only paints what they say.
// Rectangles are QRects; the arithmetic is done on exclusive right and
// bottom edges (left + width, top + height).
#pragma once

#include "sheet/XLSet.h"

#include <QDate>
#include <QLocale>
#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>

// The parts of the calendar, bit 0 first.
enum TGSCalendarStyle : uint8_t { csYear, csMonth, csArrows, csDays, csDaysOfWeek, csRestDays, csToday, csNone };
using TGSCalendarStyles = TXLSet<TGSCalendarStyle, uint8_t>;

inline constexpr TGSCalendarStyles GSAllCalendarStyles = TGSCalendarStyles::Range(csYear, csNone);

// The areas of the calendar that the mouse can hit or press, in the order
// hit testing prefers them last: a later area wins over an earlier one.
enum TGSCalendarArea : uint8_t {
    caTitle,
    caLeftArrow,
    caRightArrow,
    caDays,
    caDaysOfWeek,
    caNothing, // no rectangle: what the pointer is over when it is over no other area
    caToday,
    caNone,
};
inline constexpr int GSCalendarAreaCount = 8;

// What the layout is measured in: the width of "0", the text height and
// the larger width of the two button captions, in pixels.
struct TGSCalendarMetrics {
    int W = 0;
    int H = 0;
    int CaptionWidth = 0;
};

struct TGSCalendarLayout {
    // Indexed by TGSCalendarArea; an area not shown is empty.
    std::array<QRect, GSCalendarAreaCount> Areas{};
    // One cell of the day grid (and of the weekday row).
    int CellWidth = 0;
    int CellHeight = 0;
    // The top of the separating line above the button strip, or -1 without
    // buttons.
    int StripTop = -1;
};

// The areas inside client (the rectangle within the bevels).
TGSCalendarLayout GSCalcCalendarAreas(const QRect& client, const TGSCalendarMetrics& m, TGSCalendarStyles styles);

// The size the calendar takes when it sizes itself; border is the width of
// the bevel on one side.
QSize GSCalendarAutoSize(const TGSCalendarMetrics& m, TGSCalendarStyles styles, int border);

// The grid cell (0..41, row by row) under p, or -1 when p lies outside the
// day grid.
int GSCalendarCellAt(const TGSCalendarLayout& layout, const QPoint& p);
// The rectangle of grid cell 0..41.
QRect GSCalendarCellRect(const TGSCalendarLayout& layout, int cell);

// The area at p: the last of the areas 7 down to 0 that contains it,
// caNothing when none does.
TGSCalendarArea GSCalendarAreaAt(const TGSCalendarLayout& layout, const QPoint& p);

// The day (in the TDateTime count) in the first cell of the grid that shows
// the month of viewDay, for a week that starts on firstDayOfWeek (0 = Monday
// … 6 = Sunday): the grid starts on that weekday and always shows at least
// one day of the month before, a full week when the 1st starts a week.
int GSCalendarFirstGridDay(int viewDay, int firstDayOfWeek);

// The locale's first day of the week as 0 = Monday … 6 = Sunday.
int GSSystemFirstDayOfWeek();

// A month as the calendar's title and its month list show it: the locale's
// stand-alone name with a capital, as a heading starts ("Ноябрь", where
// the locale writes "ноябрь"), then the year when withYear.
QString GSMonthCaption(const QLocale& locale, const QDate& month, bool withYear);
// The letter over a weekday column (1 = Monday … 7 = Sunday): the first of
// its short name, a capital.
QString GSWeekdayLetter(const QLocale& locale, int weekday);

// The auto-repeat of an arrow held down, with ticks of 50 ms counted from 1
// after the step made at the press: a step at every 5th tick up to tick 19,
// at every even tick below tick 200 and at every tick from then on.
bool GSArrowStepsAtTick(int tick);

// The number of ticks until the month list scrolls again while the pointer
// is distance pixels above or below it: 5 − distance / 10, at least 1.
int GSMonthListScrollDelay(int distance);

// The month list's rectangle in the calendar's client coordinates, for a
// calendar of calendarWidth: seven items of H + 2 pixels plus the frame,
// the middle item over the title.
QRect GSMonthListRect(const TGSCalendarMetrics& m, int calendarWidth);
