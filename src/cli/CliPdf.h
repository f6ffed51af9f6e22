// "--pdf FILE" of the sheet and calculation commands: the calculated sheet
// printed into a PDF file under a heading naming the calculation and the
// date. Starts the offscreen graphics the printing needs when the tool has
// none; raises ECliRejected when the file cannot be written.
#pragma once

#include <string>

class TXLSheet;

void WriteSheetPdf(TXLSheet& sheet, int sheetNumber, const std::string& fileName);
