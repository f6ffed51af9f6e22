// Construction, destruction, cells and values of a sheet.
#include "sheet/TXLSheet.h"

#include "sheet/IXLSheetUser.h"
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLStyler.h"
#include "sheet/XLCellNames.h"

TXLSheet::TXLSheet()
{
    FBackground.OnChange = [this] { BackgroundChanged(); };
    for (int s = sCols; s <= sClient; ++s)
        FSections[static_cast<size_t>(s)] = std::make_unique<TXLSection>(this, static_cast<TXLSector>(s));
    FBaseClientStyle = std::make_unique<TXLBaseStyle>(this, sfClient);
    FBaseTitleStyle = std::make_unique<TXLBaseStyle>(this, sfTitle);
    for (int s = sCols; s <= sClient; ++s)
        FSections[static_cast<size_t>(s)]->SetBaseStyle(s == sClient ? FBaseClientStyle.get() : FBaseTitleStyle.get());
    XLManager().RegisterSheet(this);
    SetDefCellSize(sCols, 60);
    SetDefCellSize(sRows, 15);
    SetPrintScale(100);
    SetPrintTitles({sCols, sRows});
    SetSheetSize(sCols, 5);
    SetSheetSize(sRows, 5);
    SetTitleSize(sCols, 1);
    SetTitleSize(sRows, 1);
    UpdatePrintLayout();
}

TXLSheet::~TXLSheet()
{
    FDestroying = true;
    // The users let go first, last attached first; they hear nothing more.
    const std::vector<IXLSheetUser*> users = FUsers;
    for (auto it = users.rbegin(); it != users.rend(); ++it)
        (*it)->Disconnect();
    FUsers.clear();
    for (auto& section : FSections)
        section.reset();
    SetStyler(nullptr);
    FBaseClientStyle.reset();
    FBaseTitleStyle.reset();
    if (TXLManager* manager = XLManagerIfAlive())
        manager->UnregisterSheet(this);
}

TXLSector TXLSheet::MapToSector(int ACol, int ARow, TPoint& APoint) const
{
    APoint = {ACol, ARow};
    if (ACol < 0)
        APoint.X += GetTitleSize(sCols);
    if (ARow < 0)
        APoint.Y += GetTitleSize(sRows);
    if (ACol < 0)
        return ARow < 0 ? sTitle : sRows;
    return ARow < 0 ? sCols : sClient;
}

TXLCell* TXLSheet::GetCell(int ACol, int ARow)
{
    TPoint p;
    const TXLSector sector = MapToSector(ACol, ARow, p);
    return FSections[sector]->GetCell(p.X, p.Y);
}

TXLCell* TXLSheet::GetPeekCell(int ACol, int ARow) const
{
    TPoint p;
    const TXLSector sector = MapToSector(ACol, ARow, p);
    if (p.X < 0 || p.Y < 0)
        return nullptr;
    return FSections[sector]->GetPeekCell(p.X, p.Y);
}

void TXLSheet::SetCell(int ACol, int ARow, TXLCell* ACell)
{
    TPoint p;
    const TXLSector sector = MapToSector(ACol, ARow, p);
    if (!ACell) {
        if (p.X >= 0 && p.Y >= 0)
            FSections[sector]->DestroyCell(p.X, p.Y);
        return;
    }
    FSections[sector]->SetCellClass(p.X, p.Y, ACell->GetCellClass());
    FSections[sector]->GetCell(p.X, p.Y)->Assign(*ACell);
}

const TXLCellClass* TXLSheet::GetCellClass(int ACol, int ARow) const
{
    TPoint p;
    const TXLSector sector = MapToSector(ACol, ARow, p);
    return FSections[sector]->GetCellClass(p.X, p.Y);
}

void TXLSheet::SetCellClass(int ACol, int ARow, const TXLCellClass* AClass)
{
    TPoint p;
    const TXLSector sector = MapToSector(ACol, ARow, p);
    FSections[sector]->SetCellClass(p.X, p.Y, AClass);
}

Variant TXLSheet::GetValue(int ACol, int ARow) const
{
    TXLCell* cell = GetPeekCell(ACol, ARow);
    return cell ? cell->GetValue() : Variant();
}

void TXLSheet::SetValue(int ACol, int ARow, const Variant& AValue)
{
    GetCell(ACol, ARow)->SetValue(AValue);
}

QString TXLSheet::GetString(int ACol, int ARow) const
{
    TXLCell* cell = GetPeekCell(ACol, ARow);
    return cell ? cell->GetString() : QString();
}

void TXLSheet::SetString(int ACol, int ARow, const QString& AValue)
{
    GetCell(ACol, ARow)->SetString(AValue);
}

double TXLSheet::GetFloat(int ACol, int ARow) const
{
    TXLCell* cell = GetPeekCell(ACol, ARow);
    return cell ? cell->GetDouble() : 0.0;
}

void TXLSheet::SetFloat(int ACol, int ARow, double AValue)
{
    GetCell(ACol, ARow)->SetDouble(AValue);
}

int32_t TXLSheet::GetInteger(int ACol, int ARow) const
{
    TXLCell* cell = GetPeekCell(ACol, ARow);
    return cell ? cell->GetInteger() : 0;
}

void TXLSheet::SetInteger(int ACol, int ARow, int32_t AValue)
{
    GetCell(ACol, ARow)->SetInteger(AValue);
}

bool TXLSheet::GetBoolean(int ACol, int ARow) const
{
    TXLCell* cell = GetPeekCell(ACol, ARow);
    return cell ? cell->GetBoolean() : false;
}

void TXLSheet::SetBoolean(int ACol, int ARow, bool AValue)
{
    GetCell(ACol, ARow)->SetBoolean(AValue);
}

int64_t TXLSheet::GetCurrency(int ACol, int ARow) const
{
    TXLCell* cell = GetPeekCell(ACol, ARow);
    return cell ? cell->GetCurrency() : 0;
}

void TXLSheet::SetCurrency(int ACol, int ARow, int64_t AValue)
{
    GetCell(ACol, ARow)->SetCurrency(AValue);
}

double TXLSheet::GetDateTime(int ACol, int ARow) const
{
    TXLCell* cell = GetPeekCell(ACol, ARow);
    return cell ? cell->GetDateTime() : 0.0;
}

void TXLSheet::SetDateTime(int ACol, int ARow, double AValue)
{
    GetCell(ACol, ARow)->SetDateTime(AValue);
}

TXLObject* TXLSheet::GetObject(int ACol, int ARow) const
{
    TXLCell* cell = GetPeekCell(ACol, ARow);
    return cell ? cell->GetObject() : nullptr;
}

void TXLSheet::SetObject(int ACol, int ARow, const TXLObject* AValue)
{
    GetCell(ACol, ARow)->SetObject(AValue);
}

void TXLSheet::DefVariable(const QString& AName, Variant& AValue)
{
    const TPoint p = XLI2Pos(AName);
    if (p.X < GetColCount() && p.Y < GetRowCount())
        AValue = GetValue(p.X, p.Y);
}

void TXLSheet::DefFunction(const QString& AName, const Variant* AParams, int ACount, Variant& AResult)
{
    (void)AName;
    (void)AParams;
    (void)ACount;
    (void)AResult;
}

void TXLSheet::SetAuthor(const QString& value)
{
    if (value == FAuthor)
        return;
    FAuthor = value;
    SetModified(true);
}

void TXLSheet::SetTitle(const QString& value)
{
    if (value == FTitle)
        return;
    FTitle = value;
    SetModified(true);
}
