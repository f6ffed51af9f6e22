// The cell classes, formats and editor classes of the engine, registered in
// their fixed order when the manager is first used. The editors are known by
// descriptor only, so that editor indices resolve without any widget.
#include "sheet/TXLCString.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLCellClass.h"
#include "sheet/TXLManager.h"

void XLRegisterCellClasses(TXLManager& manager)
{
    // The order is the class numbering: never reorder.
    manager.RegisterCellClasses({TXLCString::StaticClass(), TXLCStrings::StaticClass()});
    // Only a class's first registration brings its formats.
    if (manager.GetFormats(TXLCString::StaticClass())->isEmpty())
        manager.SetFormats(TXLCString::StaticClass(), {QString()});

    using namespace XLEditClasses;
    manager.RegisterClasses({TXLCString::StaticClass()}, {PickEdit(), Memo(), MaskEdit()});
    manager.RegisterClasses({TXLCStrings::StaticClass()}, {Memo(), PickEdit(), ComboBox()});
}
