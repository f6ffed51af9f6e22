// Clipboard exchange of ranges. A copied range travels as a sheet of its
// own (no title band, the range's width and height as counts, the range's
// styler) written as a sheet file under the MIME type
// "application/x-calorix-sheet"; a picture on the clipboard pastes into a
// picture cell. The engine's names: Copy, Cut, Paste, CanPaste and
// ClipboardObject of a range; they live here because the sheet library
// knows no streams. Position by position the cell copy carries formatting
// (colour, styles, uniform lines, frame, layout), merging and the cell
// itself, or only the value with piFormatting; a destination whose Styles
// hold csReadOnly keeps its cell unless piReadOnly is given. Neither copy
// nor paste carries the visibility of columns and rows (the copied sheet
// has none to give, so pasting it would only ever show hidden ones).
// Positions that would land outside the destination section are not
// pasted. Clipboard failures of Copy and CanPaste are swallowed.
#pragma once

#include "sheet/XLSet.h"
#include "sheet/XLTypes.h"

#include <QByteArray>

#include <cstdint>
#include <memory>

class QMimeData;
class TXLProRange;
class TXLSection;
class TXLSheet;

inline constexpr char XLSheetMimeType[] = "application/x-calorix-sheet";

// What Paste leaves alone.
enum TXLPasteItem : uint8_t { piFormatting, piInvisible, piReadOnly, piGraphics };
using TXLPasteIgnore = TXLSet<TXLPasteItem, uint8_t>;

// The cell copy from one position of source to one of dest (sector
// coordinates), as Copy and Paste run it for every position.
void XLCopyCell(TXLSection& source, TPoint from, TXLSection& dest, TPoint to, TXLPasteIgnore ignore);

// The sheet a copy of range puts on the clipboard (ClipboardObject).
std::unique_ptr<TXLSheet> MakeRangeSheet(TXLProRange& range);
// The clipboard content of a copy of range.
std::unique_ptr<QMimeData> MakeRangeMimeData(TXLProRange& range);
// Pastes a sheet: the range becomes the sheet's extent at its top-left,
// merged areas overlapping it go, and every body position of source is
// copied in. Nothing happens when the extent lies outside the section.
void PasteSheet(TXLProRange& range, TXLSheet& source, TXLPasteIgnore ignore);
// Pastes what mime holds (a picture unless piGraphics, else a sheet).
// Raises ERAVazoError "Cannot paste "%s" component class!" for a component
// that is no sheet, and the reader's errors for a damaged one.
void PasteMimeData(TXLProRange& range, const QMimeData& mime, TXLPasteIgnore ignore);
bool CanPasteMimeData(const QMimeData* mime, TXLPasteIgnore ignore);

// The same against the application's clipboard.
void CopyRange(TXLProRange& range);
void CutRange(TXLProRange& range);
void PasteRange(TXLProRange& range, TXLPasteIgnore ignore);
bool CanPasteRange(TXLPasteIgnore ignore);
