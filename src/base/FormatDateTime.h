// Pattern-based formatting of a TDateTime, the text of date-time cells and
// variants. Specifiers are case-insensitive; a run of the same letter is one
// specifier:
//   c        short date, then " " and the long time when the time is not 0:00
//   d dd     day (dd: two digits);  ddd dddd  short / long day name
//   ddddd    short date format;     dddddd   long date format
//   m mm     month; minutes when the last letter before was an h
//   mmm mmmm short / long month name
//   yy yyyy  two- / four-digit year (y and yyy count as yy and yyyy)
//   h hh     hour; 1..12 when an am/pm marker follows (before the next h)
//            or came earlier
//   n nn  s ss  minutes, seconds;  z zzz  milliseconds (zz: two digits)
//   t tt     short / long time format
//   am/pm a/p   the pattern's own letters for morning / afternoon
//   ampm     the locale's TimeAMString / TimePMString
//   aaa aaaa short / long day name
//   /  :     the locale's DateSeparator / TimeSeparator
//   '…' "…"  quoted literal text; any other character is copied as it is
// An empty pattern means "c". Formats of the locale expand one level deep
// (a "c" inside the short date format is copied literally). Day and month
// names are English (QLocale::c()), so a text does not depend on the machine
// it is made on. A value outside years 1 to 9999 raises EConvertError.
#pragma once

#include "base/DateTime.h"
#include "base/FormatSettings.h"

#include <QString>

QString FormatDateTime(const QString& format, TDateTime value, const FormatSettings& settings);
QString FormatDateTime(const QString& format, TDateTime value); // with CurrentFormatSettings()

// The same for parts decoded already.
QString FormatDateTime(const QString& format, const TDateTimeParts& parts, const FormatSettings& settings);
