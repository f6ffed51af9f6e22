#include "sheet/TXLSection.h"

#include "base/ERAVazoError.h"
#include "base/Variant.h"
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLStyle.h"
#include "sheet/TXLStyler.h"
#include "sheet/TXLUnion.h"

#include <algorithm>
#include <exception>

TXLSection::TXLSection(TXLSheet* sheet, TXLSector sector)
    : TListSList<TXLRow>([this] { return std::make_unique<TXLRow>(this); }), FSheet(sheet), FSector(sector)
{
    for (int i = 0; i < XLSheetInfoCount; ++i)
        FInfos[i] = std::make_unique<TXLInfoList>(this, static_cast<TXLSheetInfo>(i));
}

TXLSection::~TXLSection()
{
    // The cells look at the areas and hints while they go, so they go first.
    TListSList<TXLRow>::Clear();
}

int TXLSection::GetColCount() const
{
    return FSector == sCols || FSector == sClient ? FSheet->GetSheetSize(sCols) : FSheet->GetTitleSize(sCols);
}

int TXLSection::GetRowCount() const
{
    return FSector == sRows || FSector == sClient ? FSheet->GetSheetSize(sRows) : FSheet->GetTitleSize(sRows);
}

TPoint TXLSection::ToSheet(TPoint p) const
{
    if (FSector == sRows || FSector == sTitle)
        p.X -= FSheet->GetTitleSize(sCols);
    if (FSector == sCols || FSector == sTitle)
        p.Y -= FSheet->GetTitleSize(sRows);
    return p;
}

TRect TXLSection::ToSheet(const TRect& r) const
{
    const TPoint shift = ToSheet(TPoint{0, 0});
    return OffsetRect(r, shift.X, shift.Y);
}

void TXLSection::Prepare(TXLRow* row, int index)
{
    row->FIndex = index;
}

void TXLSection::Renumerate(int from, int to)
{
    for (int i = from; i <= to; ++i)
        if (TXLRow* row = GetAt(i))
            row->FIndex = i;
}

TPoint TXLSection::ResolvePosition(TPoint p) const
{
    const TXLUnion* area = FindUnion(p);
    return area ? area->GetBounds().TopLeft() : p;
}

TXLCell* TXLSection::GetRawCell(int col, int row) const
{
    const TXLRow* cells = GetAt(row);
    return cells ? cells->GetAt(col) : nullptr;
}

TXLCell* TXLSection::GetPeekCell(int col, int row) const
{
    const TPoint p = ResolvePosition({col, row});
    return GetRawCell(p.X, p.Y);
}

TXLCell* TXLSection::GetCell(int col, int row)
{
    const TPoint p = ResolvePosition({col, row});
    if (TXLCell* cell = GetRawCell(p.X, p.Y))
        return cell;
    return CreateCell(p.X, p.Y, FBaseStyle->GetCellClass());
}

void TXLSection::CheckCreatable(const TXLCellClass* cellClass)
{
    // An abstract class (TXLCNumber) has no factory: no cell can be of it.
    if (!cellClass || !cellClass->Create)
        throw ERAVazoError("Cannot create a cell of an abstract class!");
}

TXLCell* TXLSection::CreateCell(int col, int row, const TXLCellClass* cellClass)
{
    CheckCreatable(cellClass);
    // Positions left of or above the band are outside the store.
    TSListStore<void*>::CheckIndex(col);
    TSListStore<void*>::CheckIndex(row);
    TPoint p{col, row};
    TXLUnion* area = FindUnion(p);
    if (area)
        p = area->GetBounds().TopLeft();
    std::unique_ptr<TXLCell> made = cellClass->Create();
    TXLCell* cell = made.get();
    TXLRow* cells = Ensure(p.Y);
    cell->FRow = cells;
    cell->FCol = p.X;
    cells->PutAt(p.X, std::move(made));
    if (area) {
        area->SetAnchor(cell);
        cell->IncludeState(csUnited);
    }
    cell->Placed();
    return cell;
}

void TXLSection::DestroyCell(int col, int row)
{
    const TPoint p = ResolvePosition({col, row});
    if (TXLRow* cells = GetAt(p.Y))
        cells->DestroyCell(p.X);
}

const TXLCellClass* TXLSection::GetCellClass(int col, int row) const
{
    const TXLCell* cell = GetPeekCell(col, row);
    return cell ? cell->GetCellClass() : FBaseStyle->GetCellClass();
}

void TXLSection::SetCellClass(int col, int row, const TXLCellClass* cellClass)
{
    if (!cellClass)
        return;
    CheckCreatable(cellClass); // before the old cell is gone
    const TPoint p = ResolvePosition({col, row});
    TXLCell* old = GetRawCell(p.X, p.Y);
    const TXLCellClass* current = old ? old->GetCellClass() : FBaseStyle->GetCellClass();
    if (current == cellClass)
        return;
    if (!old) {
        CreateCell(p.X, p.Y, cellClass);
        return;
    }
    const TXLFont font = *old->GetFont();
    const TXLLayout layout = old->GetLayout();
    const Variant value = old->GetValue();
    GetAt(p.Y)->DestroyCell(p.X);
    TXLCell* cell = CreateCell(p.X, p.Y, cellClass);
    // What the new class cannot take keeps its default.
    try {
        cell->SetLayout(layout);
    } catch (const std::exception&) {
    }
    try {
        cell->SetFont(font);
    } catch (const std::exception&) {
    }
    try {
        cell->SetValue(value);
    } catch (const std::exception&) {
    }
}

void TXLSection::ForEachCell(const std::function<void(TXLCell*)>& fn) const
{
    std::vector<TXLCell*> cells;
    ForAll([&cells](int, TXLRow* row) {
        row->ForAll([&cells](int, TXLCell* cell) {
            cells.push_back(cell);
            return 0;
        });
        return 0;
    });
    for (TXLCell* cell : cells)
        fn(cell);
}

bool TXLSection::EnumCells(const TRect& rect, bool create, const TXLCellEnumProc& proc, intptr_t data, int& count)
{
    bool stop = false;
    const int top = std::max(rect.Top, 0);
    const int left = std::max(rect.Left, 0);
    for (int y = top; y < rect.Bottom; ++y) {
        if (!create && y > HighBound())
            break;
        const TXLRow* row = create ? nullptr : GetAt(y);
        if (!create && !row)
            continue;
        for (int x = left; x < rect.Right; ++x) {
            if (!create && x > row->HighBound())
                break;
            if (!create && !row->GetAt(x))
                continue;
            // A covered position is reached through the area's top-left.
            const TXLUnion* area = FindUnion({x, y});
            if (area && area->GetBounds().TopLeft() != TPoint{x, y})
                continue;
            TXLCell* cell = create ? GetCell(x, y) : row->GetAt(x);
            proc(cell, data, stop);
            ++count;
            if (stop)
                return false;
        }
    }
    return true;
}

QString TXLSection::GetCellHint(TPoint p)
{
    p = ResolvePosition(p);
    TXLCell* cell = GetRawCell(p.X, p.Y);
    if ((!cell || !cell->GetProps().Contains(prHint)) && GetPositionStyles(p).Contains(csExtHint)
        && FSheet->OnGetCellHint) {
        QString text;
        FSheet->OnGetCellHint(FSheet, p, text);
        return text;
    }
    return cell ? cell->GetHint() : QString();
}

QString TXLSection::FindHint(const TXLCell* cell) const
{
    const auto it = FHints.find(cell);
    return it == FHints.end() ? QString() : it->second;
}

void TXLSection::PutHint(const TXLCell* cell, const QString& text)
{
    FHints[cell] = text;
}

void TXLSection::RemoveHint(const TXLCell* cell)
{
    FHints.erase(cell);
}

void TXLSection::ModifyAxis(TXLAxis axis, int index, int count)
{
    if (count == 0 || index < 0)
        return;
    if (axis == sRows) {
        Modify(index, count);
        FInfos[siColLines]->ModifyInner(index, count);
        for (int i = siRowLines; i < XLSheetInfoCount; ++i)
            FInfos[i]->Modify(index, count);
    } else {
        ForAll([index, count](int, TXLRow* row) {
            row->Modify(index, count);
            return 0;
        });
        FInfos[siColLines]->Modify(index, count);
        for (int i = siRowLines; i < XLSheetInfoCount; ++i)
            FInfos[i]->ModifyInner(index, count);
    }
    ShiftUnions(axis, index, count);
}

void TXLSection::Truncate(TXLAxis axis, int count)
{
    if (axis == sRows) {
        SetCount(count);
        return;
    }
    ForAll([count](int, TXLRow* row) {
        row->SetCount(count);
        return 0;
    });
}

void TXLSection::Clear()
{
    TListSList<TXLRow>::Clear();
    for (auto& info : FInfos)
        info->Clear();
    FHints.clear();
    FUnions.clear();
    UnionsChanged();
}

void TXLSection::CheckCellChanged(TXLCell* cell)
{
    if (!FSheet->OnCellChanged || FSheet->GetInCellChanged())
        return;
    const TPoint topLeft = cell->GetBounds().TopLeft();
    if (!GetPositionStyles(topLeft).Contains(csNotify))
        return;
    FSheet->RunCellChanged(ToSheet(topLeft));
}

void TXLSection::WriteStyleRefs(QDataStream& stream)
{
    ForAll([&stream](int, TXLRow* row) {
        std::vector<TXLCell*> styled;
        row->ForAll([&styled](int, TXLCell* cell) {
            if (cell->GetBasedOn())
                styled.push_back(cell);
            return 0;
        });
        stream << static_cast<qint32>(styled.size());
        for (TXLCell* cell : styled) {
            stream << static_cast<qint32>(cell->GetCol()) << cell->GetBasedOn()->GetAlias();
            // Only the reference goes: the cell keeps its properties until
            // the new style is applied.
            cell->PutBasedOn(nullptr);
        }
        return 0;
    });
}

void TXLSection::ReadStyleRefs(QDataStream& stream, TXLStyler* styler)
{
    ForAll([&stream, styler](int, TXLRow* row) {
        qint32 count = 0;
        stream >> count;
        for (qint32 i = 0; i < count; ++i) {
            qint32 col = 0;
            QString alias;
            stream >> col >> alias;
            if (TXLCell* cell = row->GetAt(col))
                cell->SetBasedOn(styler ? styler->FindStyle(alias) : nullptr);
        }
        return 0;
    });
}

void TXLSection::ClearStyleRefs()
{
    ForEachCell([](TXLCell* cell) {
        if (cell->GetBasedOn())
            cell->SetBasedOn(nullptr);
    });
}
