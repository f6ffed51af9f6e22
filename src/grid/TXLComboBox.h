// TXLComboBox: the cell editor of a closed list of choices (the unit cells
// of the calculation sheets): the pick list without a typing field, its
// drop-down button showing. A choice made by the user (a click in the list,
// Enter in the open list, a typed first letter) is committed at once: the
// grid closes the editor, which saves the chosen index into the cell.
#pragma once

#include "grid/TXLPickEdit.h"

class TXLComboBox : public TXLPickEdit {
    Q_OBJECT

public:
    explicit TXLComboBox(TXLEdit* host);

    TXLLoadAnswer LoadCell(TXLCell& cell) override;
    void SaveCell(TXLCell& cell) override;
};
