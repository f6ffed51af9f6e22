// TXLPopupEdit: a masked text editor with a panel that drops down under
// the cell when the cell button is clicked (or on Alt+Down or F4 when the
// button is a drop-down). Descendants put their content on the panel, fill
// it from the text in BeforePopup and close it with ClosePopup when a
// choice is made. The popup runs modally: ButtonClick returns when it has
// closed. A new layout of the cell closes an open popup. The panel is a Qt
// child of the editor (lent to the popup window while open).
#pragma once

#include "grid/TXLMaskEdit.h"

class TGSPopupPanel;

class TXLPopupEdit : public TXLMaskEdit {
    Q_OBJECT

public:
    explicit TXLPopupEdit(TXLEdit* host);

    TGSPopupPanel* GetPanel() const { return FPanel; }
    // Accepts and closes the open popup; nothing when none is open.
    void ClosePopup();

    void Layout(const TXLLayout& layout) override;
    void ButtonClick(TXLEditStyle style, bool lowerHalf) override;
    bool PreviewKey(QKeyEvent* event) override;

protected:
    // The panel is about to drop down.
    virtual void BeforePopup() {}

private:
    TGSPopupPanel* FPanel;
};
