// TGSPopup: the transient top-level window a popup panel shows its content
// in, and the modal loop that runs while it is open. The window never
// takes activation: the window that had it keeps it, and the loop's
// application-wide event filter sends every keyboard event to the popup's
// focus child instead. The loop ends when
//   - Accept() is called (the result is true), or
//   - the popup is dismissed (the result is false): Escape, a mouse press
//     outside the popup (the press is swallowed, it reaches nothing), the
//     application losing activation, a widget losing the keyboard focus
//     other than to a click or to a child's own drop-down, a request to
//     close the window, or the application quitting.
// Created per drop-down and owned by its TGSPopupPanel; the content widget
// is lent to it while open. It has no Qt parent, so only its owner deletes
// it.
#pragma once

#include "controls/TGSProPopupPanel.h"

#include <QPointer>

class QEventLoop;
class QKeyEvent;

class TGSPopup : public TGSProPopupPanel {
    Q_OBJECT

public:
    // transientFor: the window the popup belongs to (may be null).
    explicit TGSPopup(QWidget* transientFor = nullptr);
    ~TGSPopup() override;

    // The window that receives the keyboard while the popup is open; null
    // sends the keys to the popup itself.
    QWidget* GetFocusChild() const { return FFocusChild; }
    void SetFocusChild(QWidget* child);

    // Runs the modal loop until the popup closes; true when it was closed
    // by Accept. Returns at once when a close was already requested.
    bool Exec();
    // Closes the popup as accepted.
    void Accept();
    // Closes the popup without accepting.
    void Dismiss();
    bool GetAccepted() const { return FAccepted; }
    // True while Exec runs and no close was requested.
    bool GetRunning() const { return FLoop != nullptr && !FClosing; }

    // True when obj (a widget or a window) is the popup or lies inside it,
    // windows opened by its children (their own drop-downs) included.
    bool Contains(const QObject* obj) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool ContainsWidget(const QWidget* widget) const;
    // Sends a keyboard event that was aimed elsewhere to the focus child.
    void DeliverKey(QKeyEvent* event);

    QPointer<QWidget> FFocusChild;
    QEventLoop* FLoop = nullptr;
    bool FClosing = false;
    bool FAccepted = false;
};
