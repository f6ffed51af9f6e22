#include "sheet/TXLProRange.h"

#include "sheet/TXLCell.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLUnion.h"

#include <climits>
#include <vector>

namespace {

// The existing cells of area (covered positions skipped), taken first so
// that the caller may destroy or change them.
std::vector<TXLCell*> ExistingCells(TXLSection& section, const TRect& area)
{
    std::vector<TXLCell*> cells;
    int count = 0;
    section.EnumCells(area, false, [&cells](TXLCell* cell, intptr_t, bool&) { cells.push_back(cell); }, 0, count);
    return cells;
}

}  // namespace

TXLProRange::TXLProRange()
{
    IncludeState(csStyle);
}

TRect TXLProRange::GetArea() const
{
    return IntersectRect(GetBounds(), GetSection()->GetExtent());
}

void TXLProRange::RememberFont()
{
    FAppliedFont = *GetFont();
}

TXLStyle* TXLProRange::GetBasedOn() const
{
    const TPoint p = GetBounds().TopLeft();
    const TXLCell* cell = p.X >= 0 && p.Y >= 0 ? GetSection()->GetPeekCell(p.X, p.Y) : nullptr;
    return cell ? cell->GetBasedOn() : nullptr;
}

void TXLProRange::SetBasedOn(TXLStyle* style)
{
    const TPoint p = GetBounds().TopLeft();
    GetSection()->GetCell(p.X, p.Y)->SetBasedOn(style);
    NotifyChanges(prBasedOn, 0);
}

const TXLCellClass* TXLProRange::GetCellClass() const
{
    const TPoint p = GetBounds().TopLeft();
    return GetSection()->GetCellClass(p.X, p.Y);
}

void TXLProRange::SetCellClass(const TXLCellClass* cellClass)
{
    if (HasState(csAssign))
        return;
    const TPoint p = GetBounds().TopLeft();
    GetSection()->SetCellClass(p.X, p.Y, cellClass);
    NotifyChanges(prControl, XLFlags::CellClass);
}

Variant TXLProRange::GetValue()
{
    const TPoint p = GetBounds().TopLeft();
    TXLCell* cell = p.X >= 0 && p.Y >= 0 ? GetSection()->GetPeekCell(p.X, p.Y) : nullptr;
    return cell ? cell->GetValue() : Variant();
}

void TXLProRange::SetValue(const Variant& value)
{
    if (HasState(csAssign))
        return;
    const TPoint p = GetBounds().TopLeft();
    GetSection()->GetCell(p.X, p.Y)->SetValue(value);
    NotifyChanges(prValue, 0);
}

uint32_t TXLProRange::GetCellInfo(TXLCellInfo info, bool& uniform)
{
    return GetSection()->GetAreaInfo(GetArea(), info, uniform);
}

void TXLProRange::SetCellInfo(TXLCellInfo info, uint32_t value)
{
    if (HasState(csAssign))
        return;
    GetSection()->SetAreaInfo(GetArea(), info, value);
}

int TXLProRange::ChangedFontFlags()
{
    const TXLFont& font = *GetFont();
    int flags = 0;
    for (int s = fsBold; s <= fsStrikeOut; ++s) {
        const auto style = static_cast<TFontStyle>(s);
        if (font.GetStyle().Contains(style) != FAppliedFont.GetStyle().Contains(style))
            flags |= 1 << s;
    }
    if (font.GetName() != FAppliedFont.GetName())
        flags |= XLFlags::Name;
    if (font.GetHeight() != FAppliedFont.GetHeight())
        flags |= XLFlags::Size;
    if (font.GetColor() != FAppliedFont.GetColor())
        flags |= XLFlags::Color;
    if (font.GetCharset() != FAppliedFont.GetCharset())
        flags |= XLFlags::Charset;
    return flags;
}

void TXLProRange::NotifyChanges(TXLProp prop, int flags)
{
    if (HasState(csAssign))
        return;
    TXLProCell::NotifyChanges(prop, flags);
    TXLSection* section = GetSection();
    const TRect area = GetArea();
    if (!area.IsEmpty())
        section->GetSheet()->InvalidateArea(section->GetSector(), area, iFull);
    switch (prop) {
    case prControl:
        if (flags == 0 || (flags & XLFlags::CellClass))
            UpdateCellsClass();
        UpdateCells(prControl, flags);
        break;
    case prFont:
        // Flags 0 would copy the whole font: with nothing changed the cells
        // keep theirs.
        if (const int changed = ChangedFontFlags())
            UpdateCells(prFont, changed);
        FAppliedFont = *GetFont();
        break;
    case prHint:
        ResetHints();
        break;
    default:
        // The position store has its values already; style and value act on
        // the top-left cell only.
        break;
    }
}

void TXLProRange::UpdateCells(TXLProp prop, int flags)
{
    TXLSection* section = GetSection();
    int count = 0;
    section->EnumCells(
        GetArea(), true,
        [this, prop, flags](TXLCell* cell, intptr_t, bool&) {
            // The whole rectangle is being repainted: the cells need not ask.
            cell->IncludeState(csInvalidate);
            cell->AssignProperty(*this, prop, flags);
        },
        0, count);
}

void TXLProRange::UpdateCellsClass()
{
    TXLSection* section = GetSection();
    const TXLCellClass* cellClass = GetCellClass();
    const TRect area = GetArea();
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x) {
            const TXLUnion* covering = section->FindUnion({x, y});
            if (covering && covering->GetBounds().TopLeft() != TPoint{x, y})
                continue;
            section->SetCellClass(x, y, cellClass);
        }
}

void TXLProRange::ResetHints()
{
    for (TXLCell* cell : ExistingCells(*GetSection(), GetArea())) {
        cell->IncludeState(csInvalidate);
        cell->SetHint(QString());
    }
}

bool TXLProRange::Clear(TXLClearSet set)
{
    TXLSection* section = GetSection();
    if (set.Contains(csContents))
        for (TXLCell* cell : ExistingCells(*section, GetArea())) {
            const TPoint p = cell->GetBounds().TopLeft();
            section->DestroyCell(p.X, p.Y);
        }
    if (set.Contains(csFormatting)) {
        SetColor(clNone);
        for (int side = ciLeft; side <= ciVInside; ++side)
            SetCellInfo(static_cast<TXLCellInfo>(side), 0);
    }
    // Destroyed cells took their hints with them.
    if (set.Contains(csHints) && !set.Contains(csContents))
        ResetHints();
    return !set.Empty();
}

bool TXLProRange::Merge(bool byRows)
{
    TXLSection* section = GetSection();
    const TRect area = GetArea();
    if (byRows) {
        for (int y = area.Top; y < area.Bottom; ++y)
            section->MergeArea(Rect(area.Left, y, area.Right, y + 1));
        return true;
    }
    if (area.IsEmpty())
        return false;
    const TXLUnion* existing = section->FindUnion(area.TopLeft());
    const bool single = (area.Width() == 1 && area.Height() == 1) || (existing && existing->GetBounds() == area);
    if (single)
        return false;
    section->MergeArea(area);
    return true;
}

bool TXLProRange::GetEntireCols() const
{
    const TRect r = GetBounds();
    return r.Top == 0 && r.Bottom >= GetSection()->GetRowCount();
}

bool TXLProRange::GetEntireRows() const
{
    const TRect r = GetBounds();
    return r.Left == 0 && r.Right >= GetSection()->GetColCount();
}

void TXLProRange::SetEntireCols(bool value)
{
    if (!value || GetEntireCols())
        return;
    const TRect r = GetBounds();
    SetBounds(Rect(r.Left, 0, r.Right, INT_MAX));
}

void TXLProRange::SetEntireRows(bool value)
{
    if (!value || GetEntireRows())
        return;
    const TRect r = GetBounds();
    SetBounds(Rect(0, r.Top, INT_MAX, r.Bottom));
}

void TXLProRange::Print(const QString& title, TXLAxes titles)
{
    TXLSheet* sheet = GetSheet();
    if (!sheet)
        return;
    struct TRestore {
        TXLSheet& Sheet;
        TXLSheet::TPrintJobSettings Saved;
        ~TRestore() { Sheet.SetPrintJobSettings(Saved); }
    } restore{*sheet, sheet->GetPrintJobSettings()};
    sheet->SetPrintJobSettings({GetBounds(), titles, pmNormal, 100, title});
    sheet->Print();
}
