#include "controls/TGSPopup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWindow>

namespace {

bool IsMousePress(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

bool IsKey(QEvent::Type type)
{
    return type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride;
}

}  // namespace

// A window of the tool-tip kind is the one kind that no platform
// activates when it shows: the form it drops from stays the active window,
// so closing the popup needs no focus juggling.
TGSPopup::TGSPopup(QWidget* transientFor)
    : TGSProPopupPanel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    SetBorderStyle(bsNone);
    if (transientFor) {
        // Parent only the native window: the popup keeps a single owner.
        winId();
        if (QWindow* owner = transientFor->window()->windowHandle())
            windowHandle()->setTransientParent(owner);
    }
}

TGSPopup::~TGSPopup()
{
    if (FLoop)
        FLoop->quit();
}

void TGSPopup::SetFocusChild(QWidget* child)
{
    FFocusChild = child;
    // Recorded as this window's focus widget; it takes effect only if the
    // window is ever activated, the keys are routed to it anyway.
    if (child)
        child->setFocus(Qt::PopupFocusReason);
}

bool TGSPopup::Exec()
{
    if (FClosing || FLoop || QCoreApplication::closingDown())
        return FAccepted;
    QPointer<TGSPopup> self(this);
    QEventLoop loop;
    FLoop = &loop;
    qApp->installEventFilter(this);
    loop.exec();
    // The owner may have gone away from inside the loop.
    if (!self)
        return false;
    qApp->removeEventFilter(this);
    FLoop = nullptr;
    FClosing = true;  // an application quit ends the loop as a dismissal
    return FAccepted;
}

void TGSPopup::Accept()
{
    FAccepted = true;
    Dismiss();
}

void TGSPopup::Dismiss()
{
    FClosing = true;
    if (FLoop)
        FLoop->quit();
}

bool TGSPopup::ContainsWidget(const QWidget* widget) const
{
    // Through window boundaries too: a combo box on the panel opens its
    // list in a window of its own, and clicks there belong to the popup.
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (w == this)
            return true;
    return false;
}

bool TGSPopup::Contains(const QObject* obj) const
{
    if (!obj)
        return false;
    if (obj->isWidgetType())
        return ContainsWidget(static_cast<const QWidget*>(obj));
    if (obj->isWindowType()) {
        for (const QWidget* top : QApplication::topLevelWidgets())
            if (top->windowHandle() == obj)
                return ContainsWidget(top);
    }
    return false;
}

void TGSPopup::DeliverKey(QKeyEvent* event)
{
    QWidget* target = focusWidget();
    if (!target || !ContainsWidget(target))
        target = FFocusChild ? FFocusChild.data() : this;
    QCoreApplication::sendEvent(target, event);
}

bool TGSPopup::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (!GetRunning())
        return false;
    if (IsKey(type)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (type == QEvent::KeyPress && key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier)
            Dismiss();  // the key still reaches the focus child
        if (Contains(watched))
            return false;
        if (type == QEvent::ShortcutOverride) {
            // No shortcut of the form runs while the popup has the keys.
            event->accept();
            return true;
        }
        DeliverKey(key);
        return true;
    }
    if (IsMousePress(type)) {
        if (Contains(watched) || !(watched->isWidgetType() || watched->isWindowType()))
            return false;
        Dismiss();
        return true;  // swallowed: the click only closes the popup
    }
    switch (type) {
    case QEvent::ApplicationDeactivate:
        Dismiss();
        break;
    case QEvent::ApplicationStateChange:
        if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() != Qt::ApplicationActive)
            Dismiss();
        break;
    case QEvent::FocusOut: {
        // A child opening its own drop-down moves the focus inside the
        // popup, and a click moves it before the press itself comes by
        // (which closes the popup when it lands outside): neither is a
        // reason to close.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::MouseFocusReason)
            Dismiss();
        break;
    }
    default:
        break;
    }
    return false;
}

void TGSPopup::closeEvent(QCloseEvent* event)
{
    Dismiss();
    event->accept();
}
