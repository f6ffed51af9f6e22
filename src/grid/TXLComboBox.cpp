#include "grid/TXLComboBox.h"

#include "grid/TRAVazo.h"
#include "grid/TXLEdit.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLStrings.h"

#include <QPointer>
#include <QTimer>

TXLComboBox::TXLComboBox(TXLEdit* host) : TXLPickEdit(host, pkDropDownList)
{
    // Committed after the list has finished its own handling of the
    // choice (the editor is hidden by the commit).
    GetPickList()->OnChange = [this](TGSPickList*) {
        QPointer<TXLEdit> edit = GetHost();
        QTimer::singleShot(0, edit, [edit] {
            if (edit && edit->GetEditing())
                edit->GetGrid()->EndEditing();
        });
    };
}

TXLLoadAnswer TXLComboBox::LoadCell(TXLCell& cell)
{
    TGSPickList* list = GetPickList();
    if (cell.ClassType()->InheritsFrom(TXLCStrings::StaticClass())) {
        if (const auto* items = dynamic_cast<const TXLStrings*>(cell.GetObject()))
            list->SetItems(items->Items);
    } else {
        TXLStrings lines;
        lines.SetText(cell.GetString());
        list->SetItems(lines.Items);
    }
    list->SetItemIndex(cell.GetInteger());
    return {};
}

void TXLComboBox::SaveCell(TXLCell& cell)
{
    cell.SetInteger(GetPickList()->GetItemIndex());
}
