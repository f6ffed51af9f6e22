// The calculation handlers' view of a sheet: column 1 holds values (inputs
// typed by the user, results written by the handler), column 2 the unit pick
// lists. Reading an input is the handlers' guard: any failure (text that is
// not a number under the locale's decimal separator, an empty cell) makes
// the input invalid instead of raising. Results are converted to the unit
// selected in their row, formatted with the row's pattern and written as
// text; a result that is not a finite number is written as "" rather than
// "INF" or "NAN", and one that is not zero never reads as zero.
#pragma once

#include "calc/UnitTables.h"
#include "sheet/XLTypes.h"

#include <QString>

#include <initializer_list>
#include <optional>

class TXLSheet;

// value as a result row shows it: formatted with pattern, or "" when it is
// not finite; when the pattern leaves no non-zero digit of a value that is
// not zero, the value is written as "0.### E+" instead.
QString FormatResult(const QString& pattern, float value);

class TCalcSheet {
public:
    static constexpr int ValueCol = 1;
    static constexpr int UnitCol = 2;

    explicit TCalcSheet(TXLSheet& sheet) : FSheet(sheet) {}

    // The value of cell (1, row) typed in the unit selected at (2, row), in
    // internal units; none when it does not parse.
    std::optional<float> ReadInput(int row, TUnitList list) const;
    // The text of a value cell ("" for an empty one).
    QString ValueText(int row) const;
    // The selected index of the pick list at (col, row).
    int SelectedIndex(int col, int row) const;

    void WriteText(int row, const QString& text);
    // r converted to the unit selected at (2, row), formatted with pattern.
    void WriteResult(int row, TUnitList list, float r, const QString& pattern);
    void ClearRows(std::initializer_list<int> rows);
    void SetFontColor(int row, TColor color);

private:
    TXLSheet& FSheet;
};
