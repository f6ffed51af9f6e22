// TGSPopupPanel: a hidden container whose content is shown for a while as
// a drop-down under (or beside) another control. Popup(control) lends the
// panel itself to a TGSPopup window placed by GSPopupOrigin, runs the
// popup's modal loop and returns only when the popup has closed: true when
// Close() accepted it (typically from an event of one of the panel's
// children, which fire from inside Popup), false when it was dismissed
// (Escape, a click outside, the application deactivated). Afterwards the
// panel is back with its parent, at its old place and visibility, and the
// widget that had the keyboard focus has it again. One popup at a time: a
// second Popup while one is open returns false at once. The popup window
// belongs to the panel; the panel belongs to its Qt parent. Events are
// std::function members, called only when set.
#pragma once

#include "controls/TGSProPopupPanel.h"

#include <QPointer>
#include <QRect>

#include <functional>
#include <memory>

class TGSPopup;

class TGSPopupPanel : public TGSProPopupPanel {
    Q_OBJECT

public:
    explicit TGSPopupPanel(QWidget* parent = nullptr);
    ~TGSPopupPanel() override;

    // Placement against the control dropped from; right-justified unless
    // set otherwise.
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment) { FAlignment = alignment; }
    // When on (the default), the panel grows or shrinks to its children
    // (its layout's size hint, or the children's bounding box plus the
    // margins) before it pops up; with no children it keeps its size.
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool on) { FAutoSize = on; }

    // Shows the content under control and waits until the popup closes;
    // see the class comment. Refused (false) without a control.
    bool Popup(QWidget* control);
    // Accepts and closes the open popup; nothing when none is open.
    void Close();
    bool GetActive() const { return FPopup != nullptr; }
    // The control dropped from and the popup window, while open.
    QWidget* GetPopupControl() const { return FControl; }
    TGSPopup* GetPopup() const { return FPopup.get(); }

    // Before the popup shows, and after it closed (with the panel back).
    std::function<void(TGSPopupPanel*)> OnPopup;
    std::function<void(TGSPopupPanel*)> OnClose;

private:
    void FitToChildren();
    QWidget* FindFocusChild() const;
    // Puts the panel back where it was before Popup.
    void Restore();

    TAlignment FAlignment = taRightJustify;
    bool FAutoSize = true;
    QPointer<QWidget> FControl;
    std::unique_ptr<TGSPopup> FPopup;
    // Where the panel lives while it is not popped up.
    QPointer<QWidget> FHomeParent;
    bool FHadHomeParent = false;
    QRect FHomeGeometry;
    bool FHomeHidden = true;
};
