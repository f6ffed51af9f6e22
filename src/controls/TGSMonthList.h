// TGSMonthList: the list of seven months, "mmmm yyyy", that the month
// calendar opens while its title is held: from three months before its base
// month to three after, the middle one over the title. It takes no focus and
// no mouse of its own; the calendar, which keeps the mouse while the button
// is down, tells it where the pointer is (highlighting the month under it)
// and scrolls it on its timer ticks while the pointer is above or below it.
// A top-level window of the tool-tip kind, a child of the calendar that
// opens it; the calendar owns it.
#pragma once

#include <QDate>
#include <QWidget>

class TGSMonthList : public QWidget {
    Q_OBJECT

public:
    // itemHeight: the height of one item (text height + 2).
    TGSMonthList(QWidget* calendar, int year, int month, int itemHeight);

    // The first day of the middle month.
    QDate GetBase() const { return FBase; }
    // Moves the base by months (negative: back).
    void Scroll(int months);
    // The item (0..6) under a point in global coordinates, or -1.
    int ItemAt(const QPoint& global) const;
    // Highlights the item under a global point (none when outside).
    void SetPointer(const QPoint& global);
    int GetHighlighted() const { return FHighlighted; }
    // The first day of the highlighted month; null when none is.
    QDate GetHighlightedMonth() const;
    // The first day of item 0..6.
    QDate ItemMonth(int item) const { return FBase.addMonths(item - 3); }
    // How far a global point lies above (negative) or below (positive) the
    // list, in pixels; 0 when it is level with it.
    int VerticalDistance(const QPoint& global) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QDate FBase;
    int FItemHeight;
    int FHighlighted = -1;
};
