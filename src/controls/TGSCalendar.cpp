#include "controls/TGSCalendar.h"

#include "controls/TGSMonthList.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimerEvent>
#include <qdrawutil.h>

#include <cmath>
#include <cstdlib>

namespace {

constexpr int BevelWidth = 1;
constexpr int TickMSecs = 50;
// The outline of today's cell.
const QColor TodayColor(128, 0, 0);

int WholeDay(TDateTime value)
{
    return static_cast<int>(std::trunc(value));
}

QDate ToQDate(int day)
{
    if (const auto parts = TryDecodeDateTime(day))
        return QDate(parts->Year, parts->Month, parts->Day);
    return QDate();
}

// The day of a QDate, or fallback when it lies outside the engine's years.
int FromQDate(const QDate& date, int fallback)
{
    if (!date.isValid())
        return fallback;
    const auto day = TryEncodeDate(date.year(), date.month(), date.day());
    return day ? static_cast<int>(*day) : fallback;
}

int TodayDay()
{
    return FromQDate(QDate::currentDate(), 0);
}

TDateTime Now()
{
    const QTime time = QTime::currentTime();
    return ComposeDateTime(TodayDay(),
                           TryEncodeTime(time.hour(), time.minute(), time.second(), time.msec()).value_or(0));
}

// Read once: the week's first day does not change while the program runs.
int SystemFirstDayOfWeek()
{
    static const int day = GSSystemFirstDayOfWeek();
    return day;
}

bool IsButton(TGSCalendarArea area)
{
    return area == caDays || area == caToday || area == caNone;
}

// A filled triangle pointing left or right, centred in r.
void PaintArrow(QPainter& painter, const QRect& r, bool left, const QColor& color)
{
    const int half = std::max(2, r.height() / 4);
    const QPointF c = QRectF(r).center();
    const double dx = left ? -half / 2.0 : half / 2.0;
    QPainterPath path;
    path.moveTo(c.x() + dx, c.y());
    path.lineTo(c.x() - dx, c.y() - half);
    path.lineTo(c.x() - dx, c.y() + half);
    path.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, color);
    painter.restore();
}

} // namespace

TGSCalendar::TGSCalendar(QWidget* parent) : QWidget(parent), FFirstDayOfWeek(SystemFirstDayOfWeek())
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    FFirstGridDay = GSCalendarFirstGridDay(0, FFirstDayOfWeek);
    SetViewDate(TodayDay());
    Adjust(true);
}

TGSCalendar::~TGSCalendar() = default;

void TGSCalendar::SetDate(TDateTime value)
{
    // A value that is no date of years 1 to 9999 (or not a number) is refused.
    if (!TryDecodeDateTime(value))
        return;
    if (WholeDay(value) != FDate) {
        FDate = value;
        SetViewDate(WholeDay(value) != 0 ? value : TodayDay());
        if (OnChange)
            OnChange(this);
        update();
    }
    FDate = value;
}

bool TGSCalendar::GetEmpty() const
{
    return WholeDay(FDate) == 0;
}

void TGSCalendar::SetEmpty(bool empty)
{
    SetDate(empty ? 0 : Now());
}

void TGSCalendar::SetStyles(TGSCalendarStyles styles)
{
    if (styles == FStyles)
        return;
    FStyles = styles;
    Adjust(false);
}

void TGSCalendar::SetToday(const QString& text)
{
    if (text == FTextToday)
        return;
    FTextToday = text;
    Adjust(true);
}

void TGSCalendar::SetNone(const QString& text)
{
    if (text == FTextNone)
        return;
    FTextNone = text;
    Adjust(true);
}

void TGSCalendar::SetAutoSize(bool on)
{
    if (on == FAutoSize)
        return;
    FAutoSize = on;
    Adjust(false);
}

void TGSCalendar::SetFirstDayOfWeek(int day)
{
    if (day < 0 || day > 6 || day == FFirstDayOfWeek)
        return;
    FFirstDayOfWeek = day;
    FFirstGridDay = GSCalendarFirstGridDay(WholeDay(FViewDate), FFirstDayOfWeek);
    update();
}

void TGSCalendar::SetViewDate(TDateTime value)
{
    if (!TryDecodeDateTime(value))
        return;
    const int day = WholeDay(value);
    if (day == FViewDate)
        return;
    FViewDate = day;
    FFirstGridDay = GSCalendarFirstGridDay(day, FFirstDayOfWeek);
    update();
}

QRect TGSCalendar::ClientRect() const
{
    return rect().adjusted(BevelWidth, BevelWidth, -BevelWidth, -BevelWidth);
}

TGSCalendarLayout TGSCalendar::CalcAreas() const
{
    return GSCalcCalendarAreas(ClientRect(), FMetrics, FStyles);
}

TDateTime TGSCalendar::HitTest(int x, int y) const
{
    if (!FStyles.Contains(csDays))
        return 0;
    const int cell = GSCalendarCellAt(CalcAreas(), QPoint(x, y));
    return cell < 0 ? 0 : FFirstGridDay + cell;
}

uint32_t TGSCalendar::BoldDays(const std::vector<int>& days)
{
    uint32_t info = 0;
    for (int d : days)
        if (d >= 1 && d <= 31)
            info |= uint32_t{1} << (d - 1);
    return info;
}

void TGSCalendar::GetMonthInfo(int year, int month, uint32_t& info)
{
    if (OnGetMonthInfo)
        OnGetMonthInfo(this, year, month, info);
}

QString TGSCalendar::TodayCaption() const
{
    return FTextToday.isEmpty() ? QStringLiteral("Today") : FTextToday;
}

QString TGSCalendar::NoneCaption() const
{
    return FTextNone.isEmpty() ? QStringLiteral("None") : FTextNone;
}

void TGSCalendar::Adjust(bool remeasure)
{
    if (remeasure) {
        const QFontMetrics fm = fontMetrics();
        FMetrics.W = fm.horizontalAdvance(u'0');
        FMetrics.H = fm.height();
        FMetrics.CaptionWidth = std::max(fm.horizontalAdvance(TodayCaption()), fm.horizontalAdvance(NoneCaption()));
    }
    updateGeometry();
    if (FAutoSize)
        resize(sizeHint());
    update();
}

QSize TGSCalendar::sizeHint() const
{
    return GSCalendarAutoSize(FMetrics, FStyles, BevelWidth);
}

std::array<TGSCalendarDay, 42> TGSCalendar::DayCells()
{
    std::array<TGSCalendarDay, 42> cells{};
    const QDate view = ToQDate(WholeDay(FViewDate));
    if (!view.isValid())
        return cells;
    const bool rest = FStyles.Contains(csRestDays);
    // Month info of the month before, the view month and the month after.
    uint32_t info[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        if (k != 1 && !rest)
            continue;
        const QDate month = view.addMonths(k - 1);
        GetMonthInfo(month.year(), month.month(), info[k]);
    }
    const int today = TodayDay();
    const int selected = GetEmpty() ? 0 : WholeDay(FDate);
    const int viewIndex = view.year() * 12 + view.month();
    for (int i = 0; i < 42; ++i) {
        TGSCalendarDay& c = cells[static_cast<size_t>(i)];
        c.Day = FFirstGridDay + i;
        const QDate date = ToQDate(c.Day);
        if (!date.isValid())
            continue;
        const int offset = date.year() * 12 + date.month() - viewIndex; // -1, 0 or 1
        c.DayOfMonth = date.day();
        c.InViewMonth = offset == 0;
        c.Shown = c.InViewMonth || rest;
        c.Bold = offset >= -1 && offset <= 1 && (info[offset + 1] >> (c.DayOfMonth - 1) & 1u) != 0;
        c.Selected = selected != 0 && c.Day == selected;
        c.Today = c.Day == today;
    }
    return cells;
}

TDateTime TGSCalendar::WithTimeOfDay(int day) const
{
    return ComposeDateTime(day, std::fabs(FDate - std::trunc(FDate)));
}

void TGSCalendar::MoveView(int months)
{
    const QDate view = ToQDate(WholeDay(FViewDate));
    if (view.isValid())
        SetViewDate(FromQDate(view.addMonths(months), WholeDay(FViewDate)));
}

void TGSCalendar::SelectDayAt(const QPoint& p)
{
    const int day = static_cast<int>(HitTest(p.x(), p.y()));
    if (day == 0)
        return;
    const QDate date = ToQDate(day);
    const QDate view = ToQDate(WholeDay(FViewDate));
    const bool inView = date.year() == view.year() && date.month() == view.month();
    if (inView || FStyles.Contains(csRestDays))
        SetDate(WithTimeOfDay(day));
}

void TGSCalendar::UpdateOver(const QPoint& p)
{
    const TGSCalendarArea over = GSCalendarAreaAt(CalcAreas(), p);
    if (over != FOver) {
        FOver = over;
        if (FPressed != caNothing)
            update();
    }
}

void TGSCalendar::OpenMonthList()
{
    const QDate view = ToQDate(WholeDay(FViewDate));
    FMonthList = std::make_unique<TGSMonthList>(this, view.year(), view.month(), FMetrics.H + 2);
    const QRect r = GSMonthListRect(FMetrics, width());
    FMonthList->setFont(font());
    FMonthList->setGeometry(QRect(mapToGlobal(r.topLeft()), r.size()));
    FMonthList->show();
    FScrollWait = 0;
}

void TGSCalendar::Press(const QPoint& p)
{
    FMousePos = p;
    UpdateOver(p);
    const TGSCalendarLayout layout = CalcAreas();
    FPressed = rect().contains(p) ? FOver : caNothing;
    FPressedRect = IsButton(FPressed) ? layout.Areas[FPressed] : QRect();
    FTicks = 0;
    switch (FPressed) {
    case caDays:
        SelectDayAt(p);
        break;
    case caLeftArrow:
    case caRightArrow:
        MoveView(FPressed == caLeftArrow ? -1 : 1);
        FTimer.start(TickMSecs, this);
        break;
    case caTitle:
        OpenMonthList();
        FTimer.start(TickMSecs, this);
        break;
    default:
        break;
    }
    update();
}

void TGSCalendar::EndPress()
{
    FPressed = caNothing;
    FPressedRect = QRect();
    FTimer.stop();
    FMonthList.reset();
    update();
}

void TGSCalendar::Click()
{
    if (OnClick)
        OnClick(this);
}

void TGSCalendar::TimerTick()
{
    ++FTicks;
    if ((FPressed == caLeftArrow || FPressed == caRightArrow) && FOver == FPressed && GSArrowStepsAtTick(FTicks))
        MoveView(FPressed == caLeftArrow ? -1 : 1);
    if (FMonthList) {
        const QPoint global = mapToGlobal(FMousePos);
        const int distance = FMonthList->VerticalDistance(global);
        if (distance == 0) {
            FScrollWait = 0;
        } else if (--FScrollWait <= 0) {
            FMonthList->Scroll(distance < 0 ? -1 : 1);
            FScrollWait = GSMonthListScrollDelay(std::abs(distance));
        }
        FMonthList->SetPointer(global);
    }
}

void TGSCalendar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    Press(event->position().toPoint());
}

void TGSCalendar::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click: pressed like a single one, unless
    // it was delivered as a press already; its release clicks on the same
    // areas.
    if (event->button() != Qt::LeftButton)
        QWidget::mouseDoubleClickEvent(event);
    else if (FPressed == caNothing)
        Press(event->position().toPoint());
}

void TGSCalendar::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    FMousePos = p;
    UpdateOver(p);
    if (FPressed == caDays && FOver == caDays)
        SelectDayAt(p);
    if (FMonthList)
        FMonthList->SetPointer(mapToGlobal(p));
}

void TGSCalendar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || FPressed == caNothing) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    FMousePos = p;
    UpdateOver(p);
    const TGSCalendarArea pressed = FPressed;
    const QRect pressedRect = FPressedRect;
    const QDate chosen = FMonthList ? FMonthList->GetHighlightedMonth() : QDate();
    bool click = false;
    if (chosen.isValid()) {
        if (FStyles.Contains(csDays)) {
            SetViewDate(FromQDate(chosen, WholeDay(FViewDate)));
        } else {
            // The same day of the chosen month, or its last when it is shorter.
            const QDate base = ToQDate(GetEmpty() ? TodayDay() : WholeDay(FDate));
            const QDate day(chosen.year(), chosen.month(), std::min(base.day(), chosen.daysInMonth()));
            SetDate(WithTimeOfDay(FromQDate(day, WholeDay(FDate))));
            click = true;
        }
    }
    EndPress();
    if (!click && pressedRect.contains(p)) {
        click = true;
        if (pressed == caDays) {
            if (!GetEmpty())
                SetViewDate(FDate);
        } else if (pressed == caToday) {
            SetEmpty(false);
        } else if (pressed == caNone) {
            SetEmpty(true);
        } else {
            click = false;
        }
    }
    if (click)
        Click();
}

void TGSCalendar::hideEvent(QHideEvent* event)
{
    // The month list is a window of its own and would stay on screen; and a
    // hidden calendar gets no release to end the press.
    if (FPressed != caNothing)
        EndPress();
    QWidget::hideEvent(event);
}

void TGSCalendar::leaveEvent(QEvent* event)
{
    if (FPressed == caNothing)
        FOver = caNothing;
    QWidget::leaveEvent(event);
}

void TGSCalendar::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int base = GetEmpty() ? TodayDay() : WholeDay(FDate);
    const QDate baseDate = ToQDate(base);
    const bool days = FStyles.Contains(csDays);
    const bool months = FStyles.Contains(csMonth);
    // The new day; 0 (the empty date, never a key's target) leaves the key to the parent.
    int target = 0;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (days)
            target = base + (event->key() == Qt::Key_Left ? -1 : 1);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (days)
            target = base + (event->key() == Qt::Key_Up ? -7 : 7);
        break;
    case Qt::Key_Home:
        if (days)
            target = base - baseDate.day() + 1;
        break;
    case Qt::Key_End:
        if (days)
            target = base - baseDate.day() + baseDate.daysInMonth();
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (months)
            target = FromQDate(baseDate.addMonths(event->key() == Qt::Key_PageUp ? -1 : 1), base);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Click();
        event->accept();
        return;
    default:
        break;
    }
    if (target == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A day past the calendar's years is refused by SetDate.
    SetDate(WithTimeOfDay(target));
    event->accept();
}

void TGSCalendar::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == FTimer.timerId())
        TimerTick();
    else
        QWidget::timerEvent(event);
}

void TGSCalendar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        Adjust(true);
    QWidget::changeEvent(event);
}

void TGSCalendar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(rect(), pal.color(QPalette::Base));
    // The lowered bevel.
    qDrawShadeRect(&painter, rect(), pal, true, BevelWidth);
    const TGSCalendarLayout layout = CalcAreas();
    PaintTitle(painter, layout);
    if (FStyles.Contains(csToday))
        PaintButton(painter, layout.Areas[caToday], caToday, TodayCaption());
    if (FStyles.Contains(csNone))
        PaintButton(painter, layout.Areas[caNone], caNone, NoneCaption());
    if (layout.StripTop >= 0) {
        const QRect& days = layout.Areas[caDays];
        const QRect client = ClientRect();
        const int left = days.isEmpty() ? client.left() + 2 * FMetrics.W - 1 : days.left();
        const int right = days.isEmpty() ? client.right() - 2 * FMetrics.W - 1 : days.right();
        painter.setPen(pal.color(QPalette::Dark));
        painter.drawLine(left, layout.StripTop, right, layout.StripTop);
    }
    if (FStyles.Contains(csDays)) {
        PaintWeekDays(painter, layout);
        PaintDays(painter, layout);
    }
}

void TGSCalendar::PaintTitle(QPainter& painter, const TGSCalendarLayout& layout)
{
    const QRect& title = layout.Areas[caTitle];
    if (title.isEmpty())
        return;
    const QPalette& pal = palette();
    const QBrush face = pal.brush(QPalette::Button);
    qDrawShadePanel(&painter, title, pal, false, 1, &face);
    const QColor text = pal.color(QPalette::ButtonText);
    for (TGSCalendarArea arrow : {caLeftArrow, caRightArrow}) {
        QRect r = layout.Areas[arrow];
        if (r.isEmpty())
            continue;
        if (FPressed == arrow && FOver == arrow)
            r.translate(1, 1);
        PaintArrow(painter, r, arrow == caLeftArrow, text);
    }
    const QDate view = ToQDate(WholeDay(FViewDate));
    painter.setPen(text);
    painter.drawText(title, Qt::AlignCenter, GSMonthCaption(QLocale(), view, FStyles.Contains(csYear)));
}

void TGSCalendar::PaintButton(QPainter& painter, const QRect& r, TGSCalendarArea area, const QString& caption)
{
    const QPalette& pal = palette();
    const bool down = FPressed == area && FOver == area;
    const QBrush face = pal.brush(QPalette::Button);
    qDrawShadePanel(&painter, r, pal, down, 1, &face);
    painter.setPen(pal.color(QPalette::ButtonText));
    painter.drawText(down ? r.translated(1, 1) : r, Qt::AlignCenter, caption);
}

void TGSCalendar::PaintWeekDays(QPainter& painter, const TGSCalendarLayout& layout)
{
    const QRect& row = layout.Areas[caDaysOfWeek];
    if (row.isEmpty())
        return;
    const QPalette& pal = palette();
    const QLocale locale;
    painter.setPen(pal.color(QPalette::Text));
    for (int i = 0; i < 7; ++i) {
        const int weekday = (FFirstDayOfWeek + i) % 7 + 1; // Monday = 1 … Sunday = 7
        const QString letter = GSWeekdayLetter(locale, weekday);
        const QRect cell(row.x() + i * layout.CellWidth, row.y(), layout.CellWidth - FMetrics.W / 2, row.height());
        painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, letter);
    }
    painter.setPen(pal.color(QPalette::Dark));
    const int y = row.y() + row.height();
    painter.drawLine(row.x(), y, row.x() + 7 * layout.CellWidth - 1, y);
}

void TGSCalendar::PaintDays(QPainter& painter, const TGSCalendarLayout& layout)
{
    const QPalette& pal = palette();
    const QFont normal = font();
    QFont bold = normal;
    bold.setBold(true);
    const std::array<TGSCalendarDay, 42> cells = DayCells();
    for (int i = 0; i < 42; ++i) {
        const TGSCalendarDay& c = cells[static_cast<size_t>(i)];
        if (!c.Shown)
            continue;
        const QRect r = GSCalendarCellRect(layout, i);
        QColor text = pal.color(c.InViewMonth ? QPalette::Text : QPalette::Dark);
        if (c.Selected) {
            painter.fillRect(r.adjusted(-1, 0, 1, 0), pal.color(QPalette::Highlight));
            text = pal.color(QPalette::HighlightedText);
        }
        if (c.Today) {
            painter.setPen(TodayColor);
            painter.drawRect(r.adjusted(0, 0, -1, -1));
        }
        painter.setFont(c.Bold ? bold : normal);
        painter.setPen(text);
        painter.drawText(r.adjusted(0, 0, -FMetrics.W / 2, 0), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(c.DayOfMonth));
    }
    painter.setFont(normal);
}
