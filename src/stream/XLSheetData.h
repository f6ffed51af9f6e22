// The sheet stream XLData: a sheet's whole content (base styles, sizes of
// its columns and rows, merged areas, cells, position formatting) as one
// binary block. Layout in XLStreamFormat.h. The section conditions use the
// sheet's counts, so ColCount, RowCount, TitleCols and TitleRows must be
// right before a stream is read (a sheet file sets them first); a size list
// in the stream sets its band's count. The engine's names: Save and Load of
// a sheet.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

class TXLLoadBudget;
class TXLSheet;
class TXLStreamReader;
class TXLStreamWriter;

// Writes the sheet stream and clears the sheet's Modified flag.
void SaveSheetData(TXLSheet& sheet, TXLStreamWriter& writer);
QByteArray SaveSheetDataToBytes(TXLSheet& sheet);

// Replaces the sheet's content by the sheet stream at the reader's
// position, inside BeginUpdate/EndUpdate, and then gives the cells read with
// a style index the styler's style at that index (none without a styler or
// for an index it lacks). Nothing runs OnCellChanged or the hint events on
// the way. Damaged records are skipped by their length; anything else that
// is wrong (wrong magic, a stream that ends early, a length or count that
// does not fit, an index or value the model cannot hold, a spent budget)
// raises ERAVazoError; the sheet is then left empty (as after Zap), with its
// base styles and counts as far as they were read. Either way the users
// hear that layout and content changed and Modified ends false. Bytes after
// the last section are not read.
void LoadSheetData(TXLSheet& sheet, TXLStreamReader& reader, TXLLoadBudget& budget);
void LoadSheetDataFromBytes(TXLSheet& sheet, QByteArrayView bytes);
