// Repairs the decimal separator of the values typed into a calculation
// sheet: a value in column 1 (rows 1 … 12) that is no number under the
// locale's separator but becomes one when "." and "," swap places (in one
// pass, so "1.234,5" becomes "1,234.5") is stored swapped; anything else is
// left as typed. Run when the grid loses the focus; it does not recalculate.
#pragma once

class TXLSheet;

// True when it rewrote at least one input.
bool RepairDecimalSeparators(TXLSheet& sheet);
