#include "sheet/TXLProStyle.h"

#include "sheet/TXLManager.h"

TXLProStyle::TXLProStyle()
{
    IncludeState(csStyle);
    TXLManager& manager = XLManager();
    FCellClass = manager.GetCellClass(0);
    if (const QStringList* formats = manager.GetFormats(FCellClass); formats && !formats->isEmpty())
        PutFormat(formats->first());
}

void TXLProStyle::SetCellClass(const TXLCellClass* cellClass)
{
    if (cellClass == FCellClass && !IsStyle())
        return;
    FCellClass = cellClass;
    PutEditor(0);
    NotifyChanges(prControl, 0);
}

uint32_t TXLProStyle::GetCellInfo(TXLCellInfo info, bool& uniform)
{
    uniform = true;
    return FInfo[info];
}

void TXLProStyle::SetCellInfo(TXLCellInfo info, uint32_t value)
{
    if (FInfo[info] == value && !IsStyle())
        return;
    FInfo[info] = value;
    switch (info) {
    case ciColor:
        NotifyChanges(prColor, 0);
        break;
    case ciFrame:
        NotifyChanges(prFrame, 0);
        break;
    case ciStyles:
    case ciLayout:
        NotifyChanges(prStyles, 0);
        break;
    default:
        NotifyChanges(prBorder, 0);
        break;
    }
}
