#include "grid/TXLButton.h"

#include "grid/XLEdges.h"
#include "grid/XLEventGuard.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QTimerEvent>

bool XLSpinnerClicks(int tick)
{
    if (tick <= 19)
        return tick % 5 == 0;
    if (tick < 50)
        return tick % 2 == 0;
    return true;
}

TXLButton::TXLButton(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(0, InitialHeight);
}

int TXLButton::ButtonWidth() const
{
    return FStyle == esNormal ? 0 : QFontMetrics(font()).horizontalAdvance(u'M') + 6;
}

void TXLButton::SetStyle(TXLEditStyle style)
{
    if (style == FStyle)
        return;
    FStyle = style;
    Release();
    resize(ButtonWidth(), height());
    setVisible(style != esNormal);
    if (OnResize)
        OnResize();
}

void TXLButton::SetFlat(bool flat)
{
    if (flat == FFlat)
        return;
    FFlat = flat;
    update();
}

void TXLButton::Release()
{
    FRepeat.stop();
    if (FDown) {
        FDown = false;
        update();
    }
}

void TXLButton::Click()
{
    if (OnClick)
        OnClick();
}

void TXLButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || FStyle == esNormal)
        return;
    XLGuardEvent([&] {
        FDown = FOver = true;
        FLowerHalf = event->position().y() > height() / 2.0;
        update();
        if (FStyle == esSpinner) {
            FTick = 0;
            Click();
            FRepeat.start(RepeatMs, this);
        }
    });
}

void TXLButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!FDown)
        return;
    const bool over = rect().contains(event->position().toPoint());
    if (over != FOver) {
        FOver = over;
        update();
    }
}

void TXLButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !FDown)
        return;
    XLGuardEvent([&] {
        const bool click = FStyle != esSpinner && rect().contains(event->position().toPoint());
        Release();
        if (click)
            Click();
    });
}

void TXLButton::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != FRepeat.timerId())
        return;
    XLGuardEvent([&] {
        ++FTick;
        if (FOver && XLSpinnerClicks(FTick))
            Click();
    });
}

void TXLButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        resize(ButtonWidth(), height());
        if (OnResize)
            OnResize();
    } else if (event->type() == QEvent::EnabledChange || event->type() == QEvent::Hide) {
        Release();
    }
    QWidget::changeEvent(event);
}

void TXLButton::paintEvent(QPaintEvent* event)
{
    (void)event;
    if (FStyle == esNormal)
        return;
    QPainter painter(this);
    const QPalette& pal = palette();
    painter.fillRect(rect(), pal.color(QPalette::Button));
    const bool pressed = FDown && FOver;
    const TRect r = Rect(0, 0, width(), height());
    if (FFlat)
        XLDrawEdge(painter, r, pressed ? bdSunkenOuter : bdRaisedInner, false, pal);
    else
        XLDrawEdge(painter, r, pressed ? edSunken : edRaised, false, pal);
    // The glyphs as shapes: the symbol font they come from is not on every
    // system, and shapes scale with the button.
    const int shift = pressed ? 1 : 0;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const int cx = width() / 2 + shift;
    const auto triangle = [&](int cy, int half, bool up) {
        const int h = std::max(1, half / 2 + 1);
        if (up)
            painter.drawPolygon(QPolygon({QPoint(cx - half, cy + h / 2), QPoint(cx + half, cy + h / 2),
                                          QPoint(cx, cy - h / 2 - (half > 2 ? 1 : 0))}));
        else
            painter.drawPolygon(QPolygon({QPoint(cx - half, cy - h / 2), QPoint(cx + half, cy - h / 2),
                                          QPoint(cx, cy + h / 2 + (half > 2 ? 1 : 0))}));
    };
    const int half = std::max(2, std::min(width(), height()) / 4);
    switch (FStyle) {
    case esSpinner: {
        const int quarter = height() / 4;
        const int small = std::max(1, std::min(half, height() / 2 - 3));
        triangle(quarter + shift, small, true);
        triangle(height() - quarter + shift, small, false);
        break;
    }
    case esButton: {
        const int y = height() / 2 + shift + 2;
        for (int i = -1; i <= 1; ++i)
            painter.drawRect(cx + i * 3 - 1, y - 1, 2, 2);
        break;
    }
    case esDropDown:
        triangle(height() / 2 + shift, half, false);
        break;
    case esNormal:
        break;
    }
}
