// TXLPickEdit: the cell editor of text cells: a typing field that offers
// the column's earlier entries in a drop-down list (Alt+Down or F4), and
// completes typed text from them. On a pick-list cell it offers the cell's
// own items instead. The pick list fills the editor, pushed a few pixels
// beyond each edge and, with a typing field, widened by its own drop-down
// button, so that only the text area shows; the editor is one line of text
// high. TXLComboBox builds on it with a closed list of choices. The pick
// list is a Qt child of the editor.
#pragma once

#include "grid/TXLEditor.h"

#include "controls/TGSPickList.h"

class TXLPickEdit : public TXLEditor {
    Q_OBJECT

public:
    // How far the pick list reaches beyond each edge of the editor.
    static constexpr int Overhang = 3;
    // The most entries the column's history offers.
    static constexpr int MaxHistory = 50;

    explicit TXLPickEdit(TXLEdit* host, TGSPickStyle style = pkDropDown);

    TGSPickList* GetPickList() const { return FPickList; }

    QWidget* WorkingControl() override { return FPickList; }
    TXLLoadAnswer LoadCell(TXLCell& cell) override;
    void SaveCell(TXLCell& cell) override;
    void Layout(const TXLLayout& layout) override;
    void SelectAllText() override;
    QPair<int, int> GetTextSelection() const override;
    void SetTextSelection(QPair<int, int> selection) override;
    int PreferredHeight(int hostHeight) const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TGSPickList* FPickList;
};

// The distinct first lines of the display texts of the cells above and at
// the cell in its column (from the first row down to the cell's last row),
// sorted without regard to case, at most TXLPickEdit::MaxHistory.
QStringList XLColumnHistory(TXLCell& cell);
