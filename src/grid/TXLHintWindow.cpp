#include "grid/TXLHintWindow.h"

#include "grid/TRAVazo.h"
#include "grid/TXLView.h"
#include "grid/XLEventGuard.h"

#include <QGuiApplication>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

TXLHintWindow::TXLHintWindow(TRAVazo* grid)
    : QLabel(grid, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), FGrid(grid)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setMargin(1);
    // Room on both sides: an indent alone pads only the left one.
    setContentsMargins(2, 0, 2, 0);
    setPalette(QToolTip::palette());
    setAutoFillBackground(true);
    FTimer.setSingleShot(true);
    FTimer.setInterval(ReshowTimeout);
    connect(&FTimer, &QTimer::timeout, this, &QWidget::hide);
}

TXLHintWindow::~TXLHintWindow()
{
    ReleaseCallout();
}

void TXLHintWindow::ActivateHintData(const QPoint& screenPos, const QString& text, TXLView* view)
{
    ReleaseCallout();
    setFont(FGrid->font());
    setText(text);
    adjustSize();
    QPoint pos = screenPos;
    if (const QScreen* screen = QGuiApplication::screenAt(screenPos) ? QGuiApplication::screenAt(screenPos)
                                                                      : FGrid->screen()) {
        const QRect area = screen->geometry();
        pos.setX(std::max(area.left(), std::min(pos.x(), area.right() + 1 - width())));
        pos.setY(std::max(area.top(), std::min(pos.y(), area.bottom() + 1 - height())));
    }
    move(pos);
    show();
    FTimer.start();
    if (!view)
        return;
    FView = view;
    FRect = QRect(view->viewport()->mapFromGlobal(pos), size());
    FGrid->SetCallout(view, FRect, FGrid->GetHintAnchor());
}

void TXLHintWindow::hideEvent(QHideEvent* event)
{
    FTimer.stop();
    XLGuardEvent([&] { ReleaseCallout(); });
    QLabel::hideEvent(event);
}

void TXLHintWindow::ReleaseCallout()
{
    // Only the callout this window made: an open note owns the callout.
    if (FView && FGrid->GetCallout().View == FView && !FGrid->GetEditHint())
        FGrid->SetCallout(nullptr, {}, {});
    FView = nullptr;
}
