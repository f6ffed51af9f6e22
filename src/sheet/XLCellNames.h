// Cell names as formulas write them: column letters (A = 0 … Z = 25, AA = 26)
// followed by the 1-based row number ("B12" is column 1, row 11). The letter
// run is taken by the system's classification, so other alphabets count as
// letters too (their columns lie far beyond A..Z).
#pragma once

#include "sheet/XLTypes.h"

#include <QString>

// The body position a cell name stands for. Raises ERAVazoError "Unknown
// identifier!" when the name has no leading letters, when the rest is not a
// row number of at least 1, or when either part is too large for an int.
TPoint XLI2Pos(const QString& name);
// The name of a body position: Col2XLI(X) and the row number Y + 1.
QString Pos2XLI(TPoint pos);
// The letters of a column ("" for a negative column).
QString Col2XLI(int col);
