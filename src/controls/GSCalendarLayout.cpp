#include "controls/GSCalendarLayout.h"

#include "base/DateTime.h"

#include <QLocale>

#include <algorithm>

namespace {

// A rectangle from exclusive edges; an inverted one is empty.
QRect Edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

int RightOf(const QRect& r)
{
    return r.x() + r.width();
}

int BottomOf(const QRect& r)
{
    return r.y() + r.height();
}

// A button of the given size centred in the part [left, right) of the strip.
QRect CentredButton(int left, int right, int top, int bottom, int width, int height)
{
    const int x = (left + right - width) / 2;
    const int y = (top + bottom - height) / 2;
    return QRect(x, y, width, height);
}

} // namespace

TGSCalendarLayout GSCalcCalendarAreas(const QRect& client, const TGSCalendarMetrics& m, TGSCalendarStyles styles)
{
    TGSCalendarLayout layout;
    auto& areas = layout.Areas;
    int left = client.x();
    int top = client.y();
    int right = RightOf(client);
    int bottom = BottomOf(client);
    if (styles.Contains(csYear) || styles.Contains(csMonth)) {
        const int side = m.H + 5;
        areas[caTitle] = Edges(left, top, right, top + side);
        if (styles.Contains(csArrows)) {
            areas[caLeftArrow] = Edges(left, top, left + side, top + side);
            areas[caRightArrow] = Edges(right - side, top, right, top + side);
        }
        top += side;
    }
    left += 2 * m.W - 1;
    right -= 2 * m.W + 1;
    const bool today = styles.Contains(csToday);
    const bool none = styles.Contains(csNone);
    if (today || none) {
        const int stripTop = bottom - (m.H + 18);
        const int width = m.CaptionWidth + 17;
        const int height = m.H + 7;
        if (today && none) {
            const int split = (left + right - 5) / 2;
            areas[caToday] = CentredButton(left, split, stripTop, bottom, width, height);
            areas[caNone] = CentredButton(split + 5, right, stripTop, bottom, width, height);
        } else {
            areas[today ? caToday : caNone] = CentredButton(left, right, stripTop, bottom, width, height);
        }
        layout.StripTop = stripTop;
        bottom = stripTop + 1;
    }
    if (styles.Contains(csDays)) {
        const int rows = styles.Contains(csDaysOfWeek) ? 7 : 6;
        layout.CellWidth = std::max(0, (right - left) / 7);
        layout.CellHeight = std::max(0, (bottom - top - (rows - 5)) / rows);
        if (styles.Contains(csDaysOfWeek)) {
            areas[caDaysOfWeek] = Edges(left, top, right, top + layout.CellHeight);
            top += layout.CellHeight + 2;
        }
        areas[caDays] = Edges(left, top, right, bottom);
    }
    return layout;
}

QSize GSCalendarAutoSize(const TGSCalendarMetrics& m, TGSCalendarStyles styles, int border)
{
    const bool today = styles.Contains(csToday);
    const bool none = styles.Contains(csNone);
    int width = 14 * m.W + 35;
    // The buttons must fit whole, frame included, side by side with their gap.
    const int button = m.CaptionWidth + 17;
    if (today && none)
        width = std::max(width, 2 * button + 5);
    else if (today || none)
        width = std::max(width, button);
    width += 4 * m.W + 2 * border;
    int height = 2 * border;
    if (styles.Contains(csYear) || styles.Contains(csMonth))
        height += m.H + 5;
    if (styles.Contains(csDays))
        height += styles.Contains(csDaysOfWeek) ? 7 * m.H + 16 : 6 * m.H + 13;
    if (today || none)
        height += m.H + 17;
    return QSize(width, height);
}

int GSCalendarCellAt(const TGSCalendarLayout& layout, const QPoint& p)
{
    const QRect& grid = layout.Areas[caDays];
    if (layout.CellWidth <= 0 || layout.CellHeight <= 0 || !grid.contains(p))
        return -1;
    const int col = (p.x() - grid.x()) / layout.CellWidth;
    const int row = (p.y() - grid.y()) / layout.CellHeight;
    if (col > 6 || row > 5)
        return -1;
    return row * 7 + col;
}

QRect GSCalendarCellRect(const TGSCalendarLayout& layout, int cell)
{
    const QRect& grid = layout.Areas[caDays];
    return QRect(grid.x() + cell % 7 * layout.CellWidth, grid.y() + cell / 7 * layout.CellHeight, layout.CellWidth,
                 layout.CellHeight);
}

TGSCalendarArea GSCalendarAreaAt(const TGSCalendarLayout& layout, const QPoint& p)
{
    for (int a = GSCalendarAreaCount - 1; a >= 0; --a)
        if (layout.Areas[static_cast<size_t>(a)].contains(p))
            return static_cast<TGSCalendarArea>(a);
    return caNothing;
}

int GSCalendarFirstGridDay(int viewDay, int firstDayOfWeek)
{
    const auto parts = TryDecodeDateTime(viewDay);
    if (!parts)
        return viewDay;
    // The last day of the month before, moved back to the week's start.
    const int lastOfPrevious = viewDay - parts->Day;
    const int weekday = TryDecodeDateTime(lastOfPrevious).value_or(*parts).DayOfWeek; // Sunday = 1
    return lastOfPrevious - ((weekday - firstDayOfWeek + 5) % 7 + 7) % 7;
}

int GSSystemFirstDayOfWeek()
{
    const int qt = static_cast<int>(QLocale::system().firstDayOfWeek()); // Monday = 1 … Sunday = 7
    return qt >= 1 && qt <= 7 ? qt - 1 : 0;
}

bool GSArrowStepsAtTick(int tick)
{
    if (tick < 1)
        return false;
    if (tick <= 19)
        return tick % 5 == 0;
    if (tick < 200)
        return tick % 2 == 0;
    return true;
}

int GSMonthListScrollDelay(int distance)
{
    return std::max(1, 5 - distance / 10);
}

QRect GSMonthListRect(const TGSCalendarMetrics& m, int calendarWidth)
{
    return QRect(2 * m.W + 4, -(3 * m.H + 4), std::max(0, calendarWidth - (4 * m.W + 8)), 7 * (m.H + 2) + 2);
}

QString GSMonthCaption(const QLocale& locale, const QDate& month, bool withYear)
{
    QString caption = locale.standaloneMonthName(month.month(), QLocale::LongFormat);
    if (!caption.isEmpty())
        caption[0] = caption.at(0).toUpper();
    if (withYear)
        caption += u' ' + QString::number(month.year());
    return caption;
}

QString GSWeekdayLetter(const QLocale& locale, int weekday)
{
    return locale.dayName(weekday, QLocale::ShortFormat).left(1).toUpper();
}
