#include "sheet/TXLCellClass.h"

namespace XLEditClasses {

const TXLEditClass* PickEdit()
{
    static const TXLEditClass editClass{QStringLiteral("TXLPickEdit")};
    return &editClass;
}

const TXLEditClass* Memo()
{
    static const TXLEditClass editClass{QStringLiteral("TXLMemo")};
    return &editClass;
}

const TXLEditClass* MaskEdit()
{
    static const TXLEditClass editClass{QStringLiteral("TXLMaskEdit")};
    return &editClass;
}

const TXLEditClass* ComboBox()
{
    static const TXLEditClass editClass{QStringLiteral("TXLComboBox")};
    return &editClass;
}

const TXLEditClass* NumEdit()
{
    static const TXLEditClass editClass{QStringLiteral("TXLNumEdit")};
    return &editClass;
}

const TXLEditClass* DateTimeEdit()
{
    static const TXLEditClass editClass{QStringLiteral("TXLDateTimeEdit")};
    return &editClass;
}

}  // namespace XLEditClasses
