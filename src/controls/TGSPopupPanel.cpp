#include "controls/TGSPopupPanel.h"

#include "controls/GSPopupPlacement.h"
#include "controls/TGSPopup.h"

#include <QApplication>
#include <QLayout>
#include <QScreen>

TGSPopupPanel::TGSPopupPanel(QWidget* parent)
    : TGSProPopupPanel(parent)
{
    resize(10, 10);
    setAutoFillBackground(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
}

TGSPopupPanel::~TGSPopupPanel()
{
    // Destroyed from inside its own modal loop (by a child's event): end
    // the loop; the popup window goes once the loop has unwound.
    if (FPopup) {
        FPopup->Dismiss();
        FPopup.release()->deleteLater();
    }
}

void TGSPopupPanel::FitToChildren()
{
    if (QLayout* box = layout()) {
        resize(box->totalSizeHint());
        return;
    }
    const QRect children = childrenRect();
    if (children.isEmpty())
        return;
    const QMargins margins = contentsMargins();
    resize(children.x() + children.width() + margins.right(),
           children.y() + children.height() + margins.bottom());
}

QWidget* TGSPopupPanel::FindFocusChild() const
{
    for (QObject* obj : children()) {
        if (!obj->isWidgetType())
            continue;
        auto* child = static_cast<QWidget*>(obj);
        if (!child->isWindow() && child->isEnabled() && !child->isHidden() &&
            child->focusPolicy() != Qt::NoFocus)
            return child;
    }
    return nullptr;
}

bool TGSPopupPanel::Popup(QWidget* control)
{
    if (FPopup || !control)
        return false;
    QPointer<TGSPopupPanel> self(this);
    FControl = control;
    QPointer<QWidget> previousFocus = QApplication::focusWidget();

    if (OnPopup) {
        OnPopup(this);
        if (!self)
            return false;
        if (!FControl) {  // the handler took the control away
            return false;
        }
    }
    FPopup = std::make_unique<TGSPopup>(control);
    FPopup->setFont(font());
    FPopup->setPalette(palette());
    FPopup->setToolTip(toolTip());

    const QRect target(control->mapToGlobal(QPoint(0, 0)), control->size());
    if (FAutoSize)
        FitToChildren();
    const QSize popupSize = size();

    FHomeParent = parentWidget();
    FHadHomeParent = FHomeParent != nullptr;
    FHomeGeometry = geometry();
    FHomeHidden = isHidden();
    setParent(FPopup.get());
    move(0, 0);
    show();
    FPopup->SetFocusChild(FindFocusChild());

    QScreen* screen = QGuiApplication::screenAt(target.center());
    if (!screen)
        screen = control->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), popupSize);
    FPopup->setGeometry(QRect(GSPopupOrigin(target, popupSize, area, FAlignment), popupSize));
    FPopup->show();

    const bool accepted = FPopup->Exec();
    if (!self)
        return false;

    Restore();
    if (OnClose) {
        OnClose(this);
        if (!self)
            return false;
    }
    if (QGuiApplication::applicationState() == Qt::ApplicationActive && previousFocus)
        previousFocus->setFocus(Qt::PopupFocusReason);
    FControl = nullptr;
    FPopup.reset();
    if (FHadHomeParent && !FHomeParent)
        deleteLater();  // its parent went away while it was lent out
    return accepted;
}

void TGSPopupPanel::Restore()
{
    FPopup->hide();
    setParent(FHomeParent);
    setGeometry(FHomeGeometry);
    setVisible(!FHomeHidden);
}

void TGSPopupPanel::Close()
{
    if (FPopup)
        FPopup->Accept();
}
