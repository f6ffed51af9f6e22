// TGSProPopupPanel: the base of the popup panel and of its popup window: a
// widget that takes no keyboard focus of its own, with a border (none or a
// single line) and an inner margin, BorderWidth, that the children's client
// rectangle (AlignRect) and any layout keep clear of. Constructed hidden;
// owned by its Qt parent, or by whoever created it when it has none.
#pragma once

#include "controls/GSTypes.h"

#include <QWidget>

class TGSProPopupPanel : public QWidget {
    Q_OBJECT

public:
    explicit TGSProPopupPanel(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    TBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle style);
    int GetBorderWidth() const { return FBorderWidth; }
    // A negative width is stored as 0.
    void SetBorderWidth(int width);
    // The client rectangle the children are aligned in: inside the frame,
    // shrunk by BorderWidth on every side.
    QRect AlignRect() const { return contentsRect(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The frame line and the inner margin together keep the children clear.
    void UpdateMargins();

    TBorderStyle FBorderStyle = bsSingle;
    int FBorderWidth = 0;
};
