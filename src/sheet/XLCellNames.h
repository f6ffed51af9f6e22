// Cell names as formulas write them: column letters (A = 0 … Z = 25, AA = 26)
// followed by the 1-based row number ("B12" is column 1, row 11).
#pragma once

#include "sheet/XLTypes.h"

#include <QString>

// The body position a cell name stands for. Raises ERAVazoError "Unknown
// identifier!" when the name has no leading letters or no row number of at
// least 1.
TPoint XLI2Pos(const QString& name);
