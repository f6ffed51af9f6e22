// The cell classes, formats and editor classes of the engine, registered in
// their fixed order when the manager is first used. The editors are known by
// descriptor only, so that editor indices resolve without any widget.
#include "sheet/TXLCBoolean.h"
#include "sheet/TXLCCurrency.h"
#include "sheet/TXLCDateTime.h"
#include "sheet/TXLCDouble.h"
#include "sheet/TXLCFormula.h"
#include "sheet/TXLCGroup.h"
#include "sheet/TXLCInteger.h"
#include "sheet/TXLCPicture.h"
#include "sheet/TXLCString.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLCUrl.h"
#include "sheet/TXLCellClass.h"
#include "sheet/TXLManager.h"

void XLRegisterCellClasses(TXLManager& manager)
{
    // The order is the class numbering: never reorder.
    manager.RegisterCellClasses({TXLCString::StaticClass(), TXLCStrings::StaticClass()});
    manager.RegisterCellClasses({TXLCInteger::StaticClass(), TXLCDouble::StaticClass(), TXLCCurrency::StaticClass(),
                                 TXLCDateTime::StaticClass(), TXLCBoolean::StaticClass(), TXLCPicture::StaticClass(),
                                 TXLCUrl::StaticClass(), TXLCGroup::StaticClass()});
    manager.RegisterCellClasses({TXLCFormula::StaticClass()});
    // Only a class's first registration brings its formats.
    if (manager.GetFormats(TXLCString::StaticClass())->isEmpty())
        manager.SetFormats(TXLCString::StaticClass(), {QString()});
    const auto formatsOnce = [&manager](const TXLCellClass* cellClass, const QStringList& formats) {
        if (manager.GetFormats(cellClass)->isEmpty())
            manager.SetFormats(cellClass, formats);
    };
    formatsOnce(TXLCInteger::StaticClass(), {"0", "0|s"});
    formatsOnce(TXLCDouble::StaticClass(), {"0", "0|s", "0.00", "0.00|s", "#,##0", "#,##0|s", "#,##0.00", "#,##0.00|s",
                                            "0.##%", "0.##%|s", "0.00%", "0.00%|s"});
    formatsOnce(TXLCCurrency::StaticClass(), {"$# ##0", "$# ##0|s", "$# ##0.00", "$# ##0.00|s"});
    formatsOnce(TXLCDateTime::StaticClass(), {"DD/MM/YYYY|c", "DD/MM/YY|c", "DD/MM|c", "MM/YYYY|c", "HH:MM:SS",
                                              "h:nn am/pm", "h:nn:ss am/pm", "h:nn", "h:nn:ss", "DD/MM/YYYY h:nn"});
    formatsOnce(TXLCBoolean::StaticClass(), {"True;False", "Yes;No"});
    formatsOnce(TXLCUrl::StaticClass(), {QString()});
    formatsOnce(TXLCFormula::StaticClass(), {"0", "0|c", "0.00", "0.00|c", "#,##0", "#,##0|c", "#,##0.00", "#,##0.00|c",
                                             "0.##%", "0.##%|c", "0.00%", "0.00%|c"});

    using namespace XLEditClasses;
    manager.RegisterClasses({TXLCString::StaticClass()}, {PickEdit(), Memo(), MaskEdit()});
    manager.RegisterClasses({TXLCStrings::StaticClass()}, {Memo(), PickEdit(), ComboBox()});
    manager.RegisterClasses({TXLCInteger::StaticClass(), TXLCDouble::StaticClass(), TXLCCurrency::StaticClass()},
                            {NumEdit()});
    manager.RegisterClasses({TXLCDateTime::StaticClass()}, {DateTimeEdit()});
    manager.RegisterClasses({TXLCFormula::StaticClass()}, {NumEdit()});
}
