// TXLButton: the cell button at the right edge of the edit host, for a
// drop-down, an ellipsis dialog or a spinner. It never takes the focus, so
// the editor keeps the keys. A spinner clicks when pressed and then repeats
// on a 50 ms timer, slowly at first and faster the longer it is held
// (XLSpinnerClicks gives the pattern); the other styles click on release
// over the button. Width 0 for esNormal (no button), else the width of "M"
// in its font plus 6. A Qt child of the host.
#pragma once

#include "grid/TXLEditor.h"

#include <QBasicTimer>
#include <QWidget>

#include <functional>

// Whether the spinner clicks at a tick of its repeat timer (counted from 0
// after the press): every 5th tick up to 19, then every even tick below 50,
// then every tick.
bool XLSpinnerClicks(int tick);

class TXLButton : public QWidget {
    Q_OBJECT

public:
    static constexpr int InitialHeight = 17;
    static constexpr int RepeatMs = 50;

    explicit TXLButton(QWidget* parent);

    TXLEditStyle GetStyle() const { return FStyle; }
    // Releases the button and resizes it; the host realigns after.
    void SetStyle(TXLEditStyle style);
    bool GetFlat() const { return FFlat; }
    void SetFlat(bool flat);
    // The width for the style in the present font.
    int ButtonWidth() const;
    bool IsDown() const { return FDown; }
    // Whether the last press was in the lower half (the spinner's down part).
    bool GetLowerHalf() const { return FLowerHalf; }

    std::function<void()> OnClick;
    // The style or the font changed the button's width.
    std::function<void()> OnResize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Release();
    void Click();

    TXLEditStyle FStyle = esNormal;
    bool FFlat = false;
    bool FDown = false;
    // The pointer is over the button while it is held.
    bool FOver = false;
    bool FLowerHalf = false;
    int FTick = 0;
    QBasicTimer FRepeat;
};
