#include "sheet/TXLBaseStyle.h"

#include "sheet/TXLCString.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLInfoList.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"

TXLBaseStyle::TXLBaseStyle(TXLSheet* sheet, TXLStyleFlavour flavour) : FSheet(sheet), FFlavour(flavour)
{
    IncludeState(csAssign);
    PutProps(XLAllProps);
    PutCellClass(TXLCString::StaticClass());
    const bool client = flavour == sfClient;
    PutCellInfo(ciLayout, PackLayout({client ? haLeft : haCenter, client ? vaBottom : vaCenter, 0,
                                      client ? wmWrapWords : wmClip}));
    PutCellInfo(ciColor, client ? clWindow : clBtnFace);
    PutCellInfo(ciFrame, client ? frNone : frFlatUp);
    FLinesColor = client ? clBtnFace : clBlack;
}

TXLSectors TXLBaseStyle::GetSectors() const
{
    return FFlavour == sfClient ? TXLSectors{sClient} : TXLSectors{sCols, sRows, sTitle};
}

void TXLBaseStyle::InvalidateSectors()
{
    for (int s = sCols; s <= sClient; ++s)
        if (GetSectors().Contains(static_cast<TXLSector>(s)))
            FSheet->InvalidateSector(static_cast<TXLSector>(s));
}

void TXLBaseStyle::SetErrorColor(TColor color)
{
    if (color == FErrorColor)
        return;
    FErrorColor = color;
    InvalidateSectors();
}

void TXLBaseStyle::SetLinesColor(TColor color)
{
    if (color == FLinesColor)
        return;
    FLinesColor = color;
    InvalidateSectors();
}

void TXLBaseStyle::Assign(TXLPersistent& source)
{
    if (&source == this)
        return;
    TXLProStyle::Assign(source);
    PutProps(XLAllProps);
    if (auto* base = dynamic_cast<TXLBaseStyle*>(&source)) {
        SetErrorColor(base->FErrorColor);
        SetLinesColor(base->FLinesColor);
    }
}

void TXLBaseStyle::SetCellInfo(TXLCellInfo info, uint32_t value)
{
    TXLProStyle::SetCellInfo(info, value);
    for (int s = sCols; s <= sClient; ++s) {
        const auto sector = static_cast<TXLSector>(s);
        if (!GetSectors().Contains(sector))
            continue;
        // Lines have no default: an unwritten line position is no line.
        if (!IsLineInfo(info)) {
            FSheet->GetSection(sector)->GetInfoList(SheetInfoOf(info))->SetDefault(static_cast<int32_t>(value));
            FSheet->AreaChanged(sector, std::nullopt);
        }
    }
    InvalidateSectors();
}

void TXLBaseStyle::NotifyChanges(TXLProp prop, int flags)
{
    TXLProStyle::NotifyChanges(prop, flags);
    FSheet->SetModified(true);
    // Colour, borders and frame reach the positions as list defaults.
    if (prop == prColor || prop == prBorder || prop == prFrame)
        return;
    for (int s = sCols; s <= sClient; ++s) {
        const auto sector = static_cast<TXLSector>(s);
        if (GetSectors().Contains(sector))
            FSheet->GetSection(sector)->ForEachCell([prop, flags](TXLCell* cell) { cell->ReloadProperty(prop, flags); });
    }
}

QString TXLBaseStyle::GetNamePath() const
{
    return FSheet->GetNamePath() + (FFlavour == sfClient ? QStringLiteral(".BaseClientStyle")
                                                         : QStringLiteral(".BaseTitleStyle"));
}
