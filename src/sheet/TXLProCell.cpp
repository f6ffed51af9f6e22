#include "sheet/TXLProCell.h"

#include "sheet/TXLProRange.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLUnion.h"

void TXLProCell::Assign(TXLPersistent& source)
{
    if (auto* range = dynamic_cast<TXLProRange*>(&source); range && range != this)
        SetBounds(range->GetBounds());
    TXLValue::Assign(source);
}

void TXLProCell::SetWidth(uint16_t width)
{
    const TRect r = GetBounds();
    SetBounds(Rect(r.Left, r.Top, r.Left + width, r.Bottom));
}

void TXLProCell::SetHeight(uint16_t height)
{
    const TRect r = GetBounds();
    SetBounds(Rect(r.Left, r.Top, r.Right, r.Top + height));
}

bool TXLProCell::GetSingle() const
{
    const TRect r = GetBounds();
    if (r.Width() == 1 && r.Height() == 1)
        return true;
    const TXLUnion* area = GetSection()->FindUnion(r.TopLeft());
    return area && area->GetBounds() == r;
}

bool TXLProCell::GetMerged() const
{
    const TRect r = GetBounds();
    const TXLSection* section = GetSection();
    for (int i = 0; i < section->GetUnionCount(); ++i)
        if (section->GetUnion(i)->GetBounds().Intersects(r))
            return true;
    return false;
}

void TXLProCell::Split()
{
    GetSection()->SplitArea(GetBounds());
}

TXLSheet* TXLProCell::GetSheet() const
{
    return GetSection()->GetSheet();
}

TXLSector TXLProCell::GetSector() const
{
    return GetSection()->GetSector();
}

TRect TXLProCell::GetMapBounds() const
{
    return GetSection()->ToSheet(GetBounds());
}

QString TXLProCell::GetNamePath() const
{
    const TRect r = GetMapBounds();
    if (r.Width() == 1 && r.Height() == 1)
        return QStringLiteral("Cell [%1, %2]").arg(r.Left).arg(r.Top);
    return QStringLiteral("Cells [%1, %2 : %3, %4]").arg(r.Left).arg(r.Top).arg(r.Right - 1).arg(r.Bottom - 1);
}

uint32_t TXLProCell::GetCellInfo(TXLCellInfo info, bool& uniform)
{
    return GetSection()->GetAreaInfo(GetBounds(), info, uniform);
}

void TXLProCell::SetCellInfo(TXLCellInfo info, uint32_t value)
{
    GetSection()->SetAreaInfo(GetBounds(), info, value);
}
