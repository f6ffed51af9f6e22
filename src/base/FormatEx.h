// The display formatting of number and date-time cells: the cell's display
// format applied to its value, with the two extensions cells add to the
// plain pattern languages.
//   FormatFloatEx: a format holding "%" shows the value as a percentage:
//     every "%" is taken out, the value times 100 is formatted with the rest
//     (FormatFloat) and one "%" is appended at the end.
//   FormatDateTimeEx: "first;second" — a value other than 0 is formatted with
//     the first part (the whole format when there is no ";"), the value 0
//     with the second part, and 0 with no or an empty second part gives "",
//     so an unset date shows nothing. The split is at the first ";" outside
//     quotes.
#pragma once

#include "base/DateTime.h"
#include "base/FormatSettings.h"

#include <QString>

QString FormatFloatEx(const QString& format, double value, const FormatSettings& settings);
QString FormatFloatEx(const QString& format, double value); // with CurrentFormatSettings()

QString FormatDateTimeEx(const QString& format, TDateTime value, const FormatSettings& settings);
QString FormatDateTimeEx(const QString& format, TDateTime value); // with CurrentFormatSettings()
