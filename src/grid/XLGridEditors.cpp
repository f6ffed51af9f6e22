// The grid's own editors attached to the editor classes of the sheet
// library.
#include "grid/TXLComboBox.h"
#include "grid/TXLEditor.h"
#include "grid/TXLMaskEdit.h"
#include "grid/TXLPickEdit.h"

void XLRegisterGridEditors()
{
    static const bool registered = [] {
        XLRegisterEditor(XLEditClasses::PickEdit(), [](TXLEdit* host) { return new TXLPickEdit(host); });
        XLRegisterEditor(XLEditClasses::ComboBox(), [](TXLEdit* host) { return new TXLComboBox(host); });
        XLRegisterEditor(XLEditClasses::MaskEdit(), [](TXLEdit* host) { return new TXLMaskEdit(host); });
        return true;
    }();
    (void)registered;
}
