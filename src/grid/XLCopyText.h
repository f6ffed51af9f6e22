// The text of a sheet's cells as they show, and a rectangle of them as a
// table for other programs: tab-separated lines and an HTML table. Rows of
// the rectangle that show nothing are left out; each text is trimmed (the
// sheets indent their labels with a blank). Pure functions over the sheet.
#pragma once

#include "sheet/XLTypes.h"

#include <QString>
#include <QStringList>

#include <vector>

class TXLSheet;

// The text shown at a body position; a position covered by a merged area
// shows nothing of its own.
QString XLDisplayText(TXLSheet& sheet, int col, int row);
// The non-empty rows of rect (sheet body coordinates, exclusive right and
// bottom, clipped to the sheet), one trimmed text per column.
std::vector<QStringList> XLTableText(TXLSheet& sheet, const TRect& rect);
QString XLTableToTsv(const std::vector<QStringList>& rows);
QString XLTableToHtml(const std::vector<QStringList>& rows);
