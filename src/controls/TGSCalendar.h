// TGSCalendar: a month calendar that edits one date-time value (Date, in
// days since 1899-12-30, the fraction the time of day; 0 is "no date").
// It shows a title with the month and year between two arrow buttons, a row
// of weekday letters, a six-week grid of days and the buttons "Today" and
// "None"; Styles chooses the parts. The view month (the one shown) moves
// with the arrows (auto-repeating while held), with the month list that
// opens while the title is held, with Page Up/Down and with the date.
// Selecting a day keeps the time of day of Date. The geometry comes from
// GSCalendarLayout and is re-measured by Adjust whenever the font, the
// captions or the styles change; with AutoSize the control takes the size
// it needs. The month list, while open, is a child window owned by the
// calendar; the calendar belongs to its Qt parent. Events are std::function
// members, called only when set.
#pragma once

#include "base/DateTime.h"
#include "controls/GSCalendarLayout.h"

#include <QBasicTimer>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class TGSCalendar;
class TGSMonthList;

// Asks which days of AMonth (1..12) of AYear to show in bold: bit d − 1 of
// AMonthInfo set means day d. AMonthInfo comes in as 0.
using TGSCalendarMonthEvent = std::function<void(TGSCalendar* Sender, int AYear, int AMonth, uint32_t& AMonthInfo)>;

// One cell of the day grid as the painter draws it.
struct TGSCalendarDay {
    int Day = 0;              // in the TDateTime count
    int DayOfMonth = 0;       // 1..31
    bool InViewMonth = false; // else a day of the month before or after
    bool Shown = false;       // the view month's days, the others only with csRestDays
    bool Bold = false;
    bool Selected = false;    // the whole day of Date
    bool Today = false;
};

class TGSCalendar : public QWidget {
    Q_OBJECT

public:
    explicit TGSCalendar(QWidget* parent = nullptr);
    ~TGSCalendar() override;

    TDateTime GetDate() const { return FDate; }
    // A value on another day than the stored one moves the view to it (to
    // today for 0), raises OnChange and repaints; the value is stored in
    // any case, so a new time of day on the same day is kept silently.
    void SetDate(TDateTime value);
    // True when Date has no whole-day part; setting true makes Date 0,
    // setting false makes it today at the present time of day.
    bool GetEmpty() const;
    void SetEmpty(bool empty);

    TGSCalendarStyles GetStyles() const { return FStyles; }
    void SetStyles(TGSCalendarStyles styles);
    // The button captions; empty shows "Today" and "None".
    QString GetTextToday() const { return FTextToday; }
    QString GetTextNone() const { return FTextNone; }
    void SetToday(const QString& text);
    void SetNone(const QString& text);
    // On by default: Adjust resizes the control to GSCalendarAutoSize.
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool on);
    // 0 = Monday … 6 = Sunday; the locale's setting unless set otherwise.
    int GetFirstDayOfWeek() const { return FFirstDayOfWeek; }
    void SetFirstDayOfWeek(int day);

    // The month shown, as the day it was set to (a whole day), and the day
    // in the first grid cell.
    TDateTime GetViewDate() const { return FViewDate; }
    void SetViewDate(TDateTime value);
    int GetFirstGridDay() const { return FFirstGridDay; }

    // The areas and the grid cells in the present size and font.
    TGSCalendarLayout CalcAreas() const;
    TGSCalendarMetrics GetMetrics() const { return FMetrics; }
    // The day under (x, y) in client coordinates, 0 when there is none.
    TDateTime HitTest(int x, int y) const;
    // The month info with the bits of the given days (1..31) set; other
    // numbers are ignored.
    static uint32_t BoldDays(const std::vector<int>& days);
    // Raises OnGetMonthInfo; info is left as it is when that is not set.
    void GetMonthInfo(int year, int month, uint32_t& info);
    // Measures the font again when remeasure, then takes the auto size and
    // repaints.
    void Adjust(bool remeasure);

    // The 42 cells of the day grid as they are painted now.
    std::array<TGSCalendarDay, 42> DayCells();
    // The area under the mouse and the one pressed (caNothing when none).
    TGSCalendarArea GetOverArea() const { return FOver; }
    TGSCalendarArea GetPressedArea() const { return FPressed; }
    // The month list while the title is held, else null.
    TGSMonthList* GetMonthList() const { return FMonthList.get(); }
    // One 50 ms step of the auto-repeat of a held arrow or of the month
    // list; the timer calls it while a press lasts.
    void TimerTick();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    std::function<void(TGSCalendar*)> OnChange;
    std::function<void(TGSCalendar*)> OnClick;
    TGSCalendarMonthEvent OnGetMonthInfo;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The client rectangle inside the bevel.
    QRect ClientRect() const;
    QString TodayCaption() const;
    QString NoneCaption() const;
    // The date of the given day with Date's time of day.
    TDateTime WithTimeOfDay(int day) const;
    // Moves the view by months (with csMonth shown or not).
    void MoveView(int months);
    // Makes the day under p the date (only a shown day).
    void SelectDayAt(const QPoint& p);
    void Press(const QPoint& p);
    void EndPress();
    void Click();
    void UpdateOver(const QPoint& p);
    void OpenMonthList();

    void PaintTitle(QPainter& painter, const TGSCalendarLayout& layout);
    void PaintButton(QPainter& painter, const QRect& r, TGSCalendarArea area, const QString& caption);
    void PaintWeekDays(QPainter& painter, const TGSCalendarLayout& layout);
    void PaintDays(QPainter& painter, const TGSCalendarLayout& layout);

    TDateTime FDate = 0;
    TGSCalendarStyles FStyles = GSAllCalendarStyles;
    QString FTextToday;
    QString FTextNone;
    bool FAutoSize = true;
    int FFirstDayOfWeek = 0;
    TDateTime FViewDate = 0;
    int FFirstGridDay = 0;
    TGSCalendarMetrics FMetrics;
    TGSCalendarArea FOver = caNothing;
    TGSCalendarArea FPressed = caNothing;
    QRect FPressedRect;
    QPoint FMousePos;
    int FTicks = 0;
    // Ticks left until the month list scrolls again.
    int FScrollWait = 0;
    QBasicTimer FTimer;
    std::unique_ptr<TGSMonthList> FMonthList;
};
