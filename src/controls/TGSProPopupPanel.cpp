#include "controls/TGSProPopupPanel.h"

#include <QPainter>

#include <algorithm>

TGSProPopupPanel::TGSProPopupPanel(QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    setFocusPolicy(Qt::NoFocus);
    UpdateMargins();
    hide();
}

void TGSProPopupPanel::SetBorderStyle(TBorderStyle style)
{
    if (style == FBorderStyle)
        return;
    FBorderStyle = style;
    UpdateMargins();
    update();
}

void TGSProPopupPanel::SetBorderWidth(int width)
{
    width = std::max(width, 0);
    if (width == FBorderWidth)
        return;
    FBorderWidth = width;
    UpdateMargins();
}

void TGSProPopupPanel::UpdateMargins()
{
    // A layout re-aligns at once; children placed by hand keep their
    // geometry, as they would anywhere else.
    const int margin = (FBorderStyle == bsSingle ? 1 : 0) + FBorderWidth;
    setContentsMargins(margin, margin, margin, margin);
}

void TGSProPopupPanel::paintEvent(QPaintEvent*)
{
    if (FBorderStyle != bsSingle)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
