#include "calc/CalcSheet.h"

#include "base/FormatFloat.h"
#include "base/StrToFloat.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"

#include <algorithm>
#include <cmath>

namespace {

// The pattern that shows any magnitude with its leading digits.
const QString ScientificPattern = QStringLiteral("0.### E+");

bool HasNonZeroDigit(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c >= u'1' && c <= u'9'; });
}

} // namespace

QString FormatResult(const QString& pattern, float value)
{
    if (!std::isfinite(value))
        return QString();
    const QString text = FormatFloat(pattern, value);
    // A result that is not zero must not read as zero ("0" for 0.00123 МПа).
    if (value != 0 && !HasNonZeroDigit(text))
        return FormatFloat(ScientificPattern, value);
    return text;
}

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
    WriteText(row, FormatResult(pattern, shown));
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
