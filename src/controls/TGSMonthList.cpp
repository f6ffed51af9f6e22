#include "controls/TGSMonthList.h"

#include "controls/GSCalendarLayout.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>

TGSMonthList::TGSMonthList(QWidget* calendar, int year, int month, int itemHeight)
    : QWidget(calendar, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      FBase(year, month, 1), FItemHeight(std::max(1, itemHeight))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    if (!FBase.isValid())
        FBase = QDate::currentDate().addDays(1 - QDate::currentDate().day());
}

void TGSMonthList::Scroll(int months)
{
    const QDate moved = FBase.addMonths(months);
    // The calendar of the engine ends with year 9999 and starts with year 1.
    if (moved.year() < 1 || moved.year() > 9999)
        return;
    FBase = moved;
    update();
}

int TGSMonthList::ItemAt(const QPoint& global) const
{
    const QPoint p = mapFromGlobal(global);
    if (p.x() < 1 || p.x() >= width() - 1 || p.y() < 1)
        return -1;
    const int item = (p.y() - 1) / FItemHeight;
    return item < 7 ? item : -1;
}

void TGSMonthList::SetPointer(const QPoint& global)
{
    const int item = ItemAt(global);
    if (item != FHighlighted) {
        FHighlighted = item;
        update();
    }
}

QDate TGSMonthList::GetHighlightedMonth() const
{
    return FHighlighted >= 0 ? ItemMonth(FHighlighted) : QDate();
}

int TGSMonthList::VerticalDistance(const QPoint& global) const
{
    const int y = mapFromGlobal(global).y();
    if (y < 0)
        return y;
    if (y >= height())
        return y - height() + 1;
    return 0;
}

void TGSMonthList::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(rect(), pal.color(QPalette::Base));
    painter.setPen(pal.color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QLocale locale;
    for (int item = 0; item < 7; ++item) {
        const QRect r(1, 1 + item * FItemHeight, width() - 2, FItemHeight);
        QColor text = pal.color(QPalette::Text);
        if (item == FHighlighted) {
            // Colours swapped: the text colour as the background.
            painter.fillRect(r, text);
            text = pal.color(QPalette::Base);
        }
        painter.setPen(text);
        const QDate month = ItemMonth(item);
        painter.drawText(r, Qt::AlignCenter, GSMonthCaption(locale, month, true));
    }
}
