#include "calc/CalcSheet.h"

#include "base/FormatFloat.h"
#include "base/StrToFloat.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"

#include <cmath>

std::optional<float> TCalcSheet::ReadInput(int row, TUnitList list) const
{
    try {
        const auto value = TryStrToFloat(ValueText(row));
        if (!value)
            return std::nullopt;
        const float u = static_cast<float>(*value);
        const float internal = ToInternalUnit(list, SelectedIndex(UnitCol, row), u);
        // A number beyond the float range is no input we can compute with.
        if (!std::isfinite(internal))
            return std::nullopt;
        return internal;
    } catch (...) {
        // The guard: whatever goes wrong while reading counts as bad input.
        return std::nullopt;
    }
}

QString TCalcSheet::ValueText(int row) const
{
    return FSheet.GetCell(ValueCol, row)->GetValue().ToString();
}

int TCalcSheet::SelectedIndex(int col, int row) const
{
    return FSheet.GetCell(col, row)->GetInteger();
}

void TCalcSheet::WriteText(int row, const QString& text)
{
    FSheet.GetCell(ValueCol, row)->SetValue(Variant(text));
}

void TCalcSheet::WriteResult(int row, TUnitList list, float r, const QString& pattern)
{
    const int index = list == TUnitList::None ? 0 : SelectedIndex(UnitCol, row);
    const float shown = FromInternalUnit(list, index, r);
    WriteText(row, std::isfinite(shown) ? FormatFloat(pattern, shown) : QString());
}

void TCalcSheet::ClearRows(std::initializer_list<int> rows)
{
    for (int row : rows)
        WriteText(row, QString());
}

void TCalcSheet::SetFontColor(int row, TColor color)
{
    FSheet.GetCell(ValueCol, row)->GetFont()->SetColor(color);
}
