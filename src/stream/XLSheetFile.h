// The sheet file: a sheet written as a component stream ("TPF0", class
// "TXLSheet", its name, its published properties that have a value to
// store, then the sheet stream as the binary property "XLData"), the form
// the program's state files and clipboard use. The engine's names:
// SaveToStream, LoadFromStream, SaveToFile, LoadFromFile of a sheet; they
// live here because the sheet library knows no streams.
//
// Written: Author and Title when not empty, the print settings, the counts,
// default and maximum sizes, "Background.Data" when a picture is set,
// ReadOnly and XLData. Not written: the styler reference and the events
// (the sheet cannot name them); read back, they and any property this
// program does not know are skipped. A property that is absent keeps its
// value; the sheet's own name is kept.
//
// Loading a sheet file is all or nothing: the whole component is read and
// checked first (names, tags, lengths, value ranges, the background
// picture, at most 1024 properties, every object charged to a load
// budget), then the properties and the sheet stream are applied to a
// scratch sheet, and only when all of that succeeded are they applied to
// the sheet, inside BeginUpdate/EndUpdate, in file order (where a setter
// would change a property the file set earlier, a maximum size lowering the
// default size or a print scale switching the print mode, the file's value
// is kept). A refused file leaves the sheet exactly as it was. (The sheet
// stream on its own, LoadSheetData, is not all or nothing: a damaged stream
// leaves its sheet empty.) Failures raise ERAVazoError naming what was
// wrong and the byte offset.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <string>

class QFileDevice;
class QIODevice;
class TXLSheet;

QByteArray SaveSheetToBytes(TXLSheet& sheet);
// Writes at the device's position; raises ERAVazoError when the device
// takes less than all of it.
void SaveSheetToStream(TXLSheet& sheet, QIODevice& device);
// Replaces the file atomically: the previous file stays as it was unless
// the whole new one was written (QSaveFile). Raises ERAVazoError with the
// file error.
void SaveSheetToFile(TXLSheet& sheet, const QString& fileName);

// Reads a sheet file from bytes; returns how many bytes the component took
// (anything after it is not read).
int64_t LoadSheetFromBytes(TXLSheet& sheet, QByteArrayView bytes);
// Reads from the device's position; a random-access device is left just
// after the component.
void LoadSheetFromStream(TXLSheet& sheet, QIODevice& device);
void LoadSheetFromFile(TXLSheet& sheet, const QString& fileName);

// Why a file operation on file failed, in a few words ("no space left on
// the disk", "no permission", "the disk is read-only", "the folder does not
// exist", …), from the errno the failing call left and the device's error.
std::string FileFailureCause(int errnum, const QFileDevice& file);

// The class name a component stream announces; raises ERAVazoError when the
// bytes are no component stream.
QByteArray ComponentClassName(QByteArrayView bytes);
