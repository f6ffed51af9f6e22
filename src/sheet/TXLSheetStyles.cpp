// The styler and the base styles of a sheet.
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLStyler.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

void TXLSheet::SetStyler(TXLStyler* styler)
{
    if (styler == FStyler)
        return;
    TXLStyler* old = FStyler;
    // Cells move to the styles of the same alias in the new styler; the
    // references travel through a buffer while no styler is attached.
    const bool carry = old && styler && !FLoading && !FDestroying;
    QByteArray buffer;
    if (carry) {
        QDataStream out(&buffer, QIODevice::WriteOnly);
        for (auto& section : FSections)
            section->WriteStyleRefs(out);
    } else if (old && !FDestroying) {
        for (auto& section : FSections)
            section->ClearStyleRefs();
    }
    if (old)
        old->DetachSheet(this);
    FStyler = styler;
    if (styler)
        styler->AttachSheet(this);
    if (carry) {
        QDataStream in(buffer);
        for (auto& section : FSections)
            section->ReadStyleRefs(in, styler);
    }
    StylerChanged();
}

void TXLSheet::StylerChanged()
{
    if (OnStylerChanged)
        OnStylerChanged(this);
}

TXLBaseStyle* TXLSheet::GetBaseStyle(int i) const
{
    return i == 0 ? FBaseClientStyle.get() : i == 1 ? FBaseTitleStyle.get() : nullptr;
}

void TXLSheet::SetBaseStyle(int i, TXLBaseStyle* style)
{
    TXLBaseStyle* target = GetBaseStyle(i);
    if (target && style)
        target->Assign(*style);
}
