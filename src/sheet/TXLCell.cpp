#include "sheet/TXLCell.h"

#include "base/ERAVazoError.h"
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLRow.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLStyle.h"
#include "sheet/TXLUnion.h"

#include <QFontMetrics>
#include <QPainter>

TXLCell::TXLCell() = default;

TXLCell::~TXLCell() = default;

const TXLCellClass* TXLCell::StaticClass()
{
    static const TXLCellClass cellClass{QStringLiteral("TXLCell"), &XLMakeCell<TXLCell>, nullptr};
    return &cellClass;
}

const TXLCellClass* TXLCell::ClassType() const
{
    return StaticClass();
}

void TXLCell::SetBasedOn(TXLStyle* style)
{
    if (style && style->GetStyler() != GetSheet()->GetStyler())
        throw ERAVazoError("Cannot use Style from disconnected Styler!");
    // Setting none always notifies: it returns all formatting to the base style.
    if (style && style == GetBasedOn())
        return;
    StoreBasedOn(style);
    NotifyChanges(prBasedOn, 0);
}

TXLPersistent* TXLCell::FindProperty(TXLProp prop)
{
    if (TXLPersistent* holder = TXLProCell::FindProperty(prop))
        return holder;
    return GetSection()->GetBaseStyle();
}

void TXLCell::NotifyChanges(TXLProp prop, int flags)
{
    TXLProCell::NotifyChanges(prop, flags);
    switch (prop) {
    case prBasedOn:
        if (!GetBasedOn())
            PutProps(GetProps() * TXLProps{prValue, prHint});
        for (const TXLProp p : {prControl, prLayout, prColor, prFont, prBorder, prFrame, prStyles})
            if (!GetProps().Contains(p))
                ReloadProperty(p, 0);
        break;
    case prColor:
    case prBorder:
    case prFrame:
        // The position store repaints by itself.
        break;
    default:
        Invalidate();
        if ((prop == prControl || prop == prLayout || prop == prFont) && !HasState(csAssign))
            CancelEdit();
        if (prop == prValue)
            GetSection()->CheckCellChanged(this);
        break;
    }
    GetSheet()->SetModified(true);
}

void TXLCell::AssignProperty(TXLPersistent& source, TXLProp prop, int flags)
{
    if (prop == prHint) {
        if (auto* cell = dynamic_cast<TXLCell*>(&source))
            SetHint(cell->GetHint());
        return;
    }
    TXLProCell::AssignProperty(source, prop, flags);
}

TXLSection* TXLCell::GetSection() const
{
    return FRow->GetSection();
}

TRect TXLCell::GetBounds() const
{
    if (HasState(csUnited))
        if (const TXLUnion* area = GetSection()->FindUnionOf(this))
            return area->GetBounds();
    return Rect(FCol, FRow->GetIndex(), FCol + 1, FRow->GetIndex() + 1);
}

void TXLCell::SetBounds(const TRect& rect)
{
    TXLSection* section = GetSection();
    const int row = FRow->GetIndex();
    const TRect area = IntersectRect(Rect(FCol, row, FCol + rect.Width(), row + rect.Height()), section->GetExtent());
    TXLUnion* own = HasState(csUnited) ? section->FindUnionOf(this) : nullptr;
    if (area.Width() * static_cast<int64_t>(area.Height()) > 1) {
        if (own)
            own->SetBounds(area);
        else
            section->AddUnion(area, this);
        IncludeState(csUnited);
    } else {
        if (own)
            section->RemoveUnion(own);
        ExcludeState(csUnited);
    }
}

QString TXLCell::GetHint() const
{
    if (!GetProps().Contains(prHint))
        return {};
    return GetSection()->FindHint(this);
}

void TXLCell::SetHint(const QString& hint)
{
    TXLSection* section = GetSection();
    TXLSheet* sheet = section->GetSheet();
    const TPoint position = GetBounds().TopLeft();
    QString text = hint;
    if (sheet->OnSetCellHint)
        sheet->OnSetCellHint(sheet, position, text);
    // An external hint belongs to the application's handlers, not the cell.
    if (section->GetPositionStyles(position).Contains(csExtHint))
        return;
    if (!text.isEmpty()) {
        section->PutHint(this, text);
        NotifyChanges(prHint, 0);
    } else {
        section->RemoveHint(this);
        TXLProps props = GetProps();
        props.Exclude(prHint);
        PutProps(props);
    }
}

void TXLCell::CancelEdit()
{
    if (GetEditing())
        GetSheet()->CloseEditor(this);
}

void TXLCell::Invalidate()
{
    if (HasState(csInvalidate))
        return;
    IncludeState(csInvalidate);
    GetSheet()->InvalidateArea(GetSector(), GetBounds(), iFull);
}

void TXLCell::Init()
{
}

void TXLCell::Done()
{
}

void TXLCell::Click()
{
}

void TXLCell::DblClick()
{
}

void TXLCell::KeyPress(QChar& key)
{
    (void)key;
}

QSize TXLCell::RecommendedSize(QPainter& canvas)
{
    const QString text = GetText();
    if (text.isEmpty())
        return {0, 0};
    if (HasFont())
        canvas.setFont(GetFont()->ToQFont());
    const QFontMetrics metrics = canvas.fontMetrics();
    return {metrics.horizontalAdvance(text) + 2 * GetIndent() + 2, metrics.height() + 2};
}

bool TXLCell::IsWriteNotify()
{
    return GetStyles().Contains(csWriteNotify);
}

void TXLCell::Placed()
{
    Init();
    IncludeState(csReformat);
    const TXLBaseStyle* base = GetSection()->GetBaseStyle();
    // The format is taken over, not set: a new cell holds nothing locally.
    if (ClassType() == base->GetCellClass())
        PutFormat(base->GetFormat());
    Invalidate();
}

void TXLCell::Removing()
{
    CancelEdit();
    Done();
    StoreBasedOn(nullptr);
    TXLSection* section = GetSection();
    TXLUnion* area = HasState(csUnited) ? section->FindUnionOf(this) : nullptr;
    // A row being cleared (index -1) goes as a whole: no per-cell repaint.
    if (FRow->GetIndex() != -1)
        section->GetSheet()->InvalidateArea(section->GetSector(), GetBounds(), iFull);
    if (area)
        area->ClearAnchor();
    section->RemoveHint(this);
}
