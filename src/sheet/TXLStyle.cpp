#include "sheet/TXLStyle.h"

#include "base/ERAVazoError.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLStyler.h"

TXLStyle::TXLStyle(TXLStyler* styler, const QString& alias) : FStyler(styler), FAlias(alias)
{
}

void TXLStyle::SetAlias(const QString& alias)
{
    if (alias == FAlias)
        return;
    if (TXLStyle* other = FStyler->FindStyle(alias); other && other != this)
        throw ERAVazoError("Style named \"" + alias.toStdString() + "\" already exists!");
    FAlias = alias;
    FStyler->Changed();
}

int TXLStyle::GetIndex() const
{
    for (int i = 0; i < FStyler->GetStyleCount(); ++i)
        if (FStyler->GetStyleByIndex(i) == this)
            return i;
    return -1;
}

QString TXLStyle::GetNamePath() const
{
    return FStyler->GetNamePath() + QStringLiteral(".Styles[") + QString::number(GetIndex()) + u']';
}

void TXLStyle::NotifyChanges(TXLProp prop, int flags)
{
    TXLProStyle::NotifyChanges(prop, flags);
    for (int i = 0; i < FStyler->GetSheetCount(); ++i) {
        TXLSheet* sheet = FStyler->GetSheet(i);
        for (int s = sCols; s <= sClient; ++s)
            sheet->GetSection(static_cast<TXLSector>(s))->ForEachCell([this, prop, flags](TXLCell* cell) {
                if (cell->GetBasedOn() == this)
                    cell->ReloadProperty(prop, flags);
            });
    }
    FStyler->Changed();
}
