// The nine sheets as the program ships them: sheet files generated from the
// content in src/calc (tools/generate_sheets) and embedded as resources.
// The window and the command-line tool load their sheets from here.
#pragma once

#include <QByteArray>

class TXLSheet;

// The bytes of shipped sheet n (0 … 8): a sheet file.
QByteArray ShippedSheetBytes(int n);

// Loads shipped sheet n into sheet; raises ERAVazoError when the resource
// is missing or damaged (a broken build, never the user's doing).
void LoadShippedSheet(int n, TXLSheet& sheet);

// The file name of sheet n in this folder ("XLSheet3.sheet").
QByteArray ShippedSheetFileName(int n);
