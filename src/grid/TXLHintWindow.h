// TXLHintWindow: the tooltip that shows a cell's comment while the mouse
// rests on the cell. It is a frameless tool-tip window in the grid's font
// and the tooltip colours. Shown for the body view it tells the grid its
// rectangle in that view, so that the view draws the callout line from the
// tooltip to the cell's anchor and the tooltip's shadow; hiding takes the
// callout away again. It stays while the mouse rests (the grid hides it
// when the hint under the mouse changes, the mouse leaves or is pressed),
// at most ReshowTimeout. The grid owns it as a Qt child and makes it on
// first use.
#pragma once

#include <QLabel>
#include <QRect>
#include <QTimer>

class TRAVazo;
class TXLView;

class TXLHintWindow : public QLabel {
    Q_OBJECT

public:
    // How long the tooltip stays without the mouse moving to another hint.
    static constexpr int ReshowTimeout = 144000;

    explicit TXLHintWindow(TRAVazo* grid);
    ~TXLHintWindow() override;

    // Shows text with the top-left corner at screenPos (moved back onto the
    // screen when it would leave it). With a view, the window's rectangle
    // in that view becomes the grid's callout, pointing at the grid's hint
    // anchor.
    void ActivateHintData(const QPoint& screenPos, const QString& text, TXLView* view);
    // The view that carries the callout (none without one).
    TXLView* GetView() const { return FView; }
    // The callout rectangle in the view's client coordinates.
    const QRect& GetInvalidRect() const { return FRect; }

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void ReleaseCallout();

    TRAVazo* FGrid;
    TXLView* FView = nullptr;
    QRect FRect;
    QTimer FTimer;
};
