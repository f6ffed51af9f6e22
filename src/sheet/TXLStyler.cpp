#include "sheet/TXLStyler.h"

#include "base/ERAVazoError.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLStyle.h"

#include <algorithm>

TXLStyler::TXLStyler() = default;

TXLStyler::~TXLStyler()
{
    FDestroying = true;
    while (!FSheets.empty())
        FSheets.back()->SetStyler(nullptr);
    while (!FStyles.empty())
        Delete(GetStyleCount() - 1);
}

TXLStyle* TXLStyler::Add(const QString& alias)
{
    if (TXLStyle* style = FindStyle(alias))
        return style;
    FStyles.push_back(std::make_unique<TXLStyle>(this, alias));
    Changed();
    return FStyles.back().get();
}

void TXLStyler::Delete(int i)
{
    if (i < 0 || i >= GetStyleCount())
        return;
    std::unique_ptr<TXLStyle> style = std::move(FStyles[static_cast<size_t>(i)]);
    FStyles.erase(FStyles.begin() + i);
    for (TXLSheet* sheet : FSheets)
        for (int s = sCols; s <= sClient; ++s)
            sheet->GetSection(static_cast<TXLSector>(s))->ForEachCell([&style](TXLCell* cell) {
                if (cell->GetBasedOn() == style.get())
                    cell->SetBasedOn(nullptr);
            });
    if (!FDestroying)
        Changed();
}

TXLStyle* TXLStyler::FindStyle(const QString& alias) const
{
    for (const auto& style : FStyles)
        if (style->GetAlias() == alias)
            return style.get();
    return nullptr;
}

TXLStyle* TXLStyler::GetStyleByAlias(const QString& alias) const
{
    TXLStyle* style = FindStyle(alias);
    if (!style)
        throw ERAVazoError("Unknown style named \"" + alias.toStdString() + "\"!");
    return style;
}

TXLStyle* TXLStyler::GetStyleByIndex(int i) const
{
    return i >= 0 && i < GetStyleCount() ? FStyles[static_cast<size_t>(i)].get() : nullptr;
}

TXLSheet* TXLStyler::GetSheet(int i) const
{
    return i >= 0 && i < GetSheetCount() ? FSheets[static_cast<size_t>(i)] : nullptr;
}

void TXLStyler::Changed()
{
    if (OnChange)
        OnChange(this);
    SetModified(true);
}

void TXLStyler::SetModified(bool value)
{
    if (value == FModified)
        return;
    FModified = value;
    if (OnModified)
        OnModified(this);
}

void TXLStyler::AttachSheet(TXLSheet* sheet)
{
    if (std::find(FSheets.begin(), FSheets.end(), sheet) == FSheets.end())
        FSheets.push_back(sheet);
}

void TXLStyler::DetachSheet(TXLSheet* sheet)
{
    std::erase(FSheets, sheet);
}
