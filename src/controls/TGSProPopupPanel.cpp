#include "controls/TGSProPopupPanel.h"

#include <algorithm>

TGSProPopupPanel::TGSProPopupPanel(QWidget* parent, Qt::WindowFlags flags)
    : QFrame(parent, flags)
{
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    hide();
}

void TGSProPopupPanel::SetBorderStyle(TBorderStyle style)
{
    if (style == FBorderStyle)
        return;
    FBorderStyle = style;
    setFrameStyle(style == bsSingle ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
}

void TGSProPopupPanel::SetBorderWidth(int width)
{
    width = std::max(width, 0);
    if (width == FBorderWidth)
        return;
    FBorderWidth = width;
    // The margins re-align a layout at once; children placed by hand keep
    // their geometry, as they would anywhere else.
    setContentsMargins(width, width, width, width);
}
