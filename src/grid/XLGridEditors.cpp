// The grid's own editors attached to the editor classes of the sheet
// library, in the order the library lists them.
#include "grid/TXLComboBox.h"
#include "grid/TXLDateTimeEdit.h"
#include "grid/TXLEditor.h"
#include "grid/TXLMaskEdit.h"
#include "grid/TXLMemo.h"
#include "grid/TXLNumEdit.h"
#include "grid/TXLPickEdit.h"

void XLRegisterGridEditors()
{
    static const bool registered = [] {
        XLRegisterEditor(XLEditClasses::PickEdit(), [](TXLEdit* host) { return new TXLPickEdit(host); });
        XLRegisterEditor(XLEditClasses::Memo(), [](TXLEdit* host) { return new TXLMemo(host); });
        XLRegisterEditor(XLEditClasses::MaskEdit(), [](TXLEdit* host) { return new TXLMaskEdit(host); });
        XLRegisterEditor(XLEditClasses::ComboBox(), [](TXLEdit* host) { return new TXLComboBox(host); });
        XLRegisterEditor(XLEditClasses::NumEdit(), [](TXLEdit* host) { return new TXLNumEdit(host); });
        XLRegisterEditor(XLEditClasses::DateTimeEdit(), [](TXLEdit* host) { return new TXLDateTimeEdit(host); });
        return true;
    }();
    (void)registered;
}
