// Lenient reading of a date or a time of day typed into a date editor: any
// characters that are neither letters nor digits separate the numbers, a
// month may be given by name, missing parts default (today's day, month and
// year; zero hours, minutes and seconds), and out-of-range parts are folded
// rather than refused. The order of the fields is the one the locale's own
// formats use. Nothing here raises: a text that still makes no date or time
// gives 0.
#pragma once

#include "base/DateTime.h"

#include <QDate>
#include <QLocale>
#include <QString>

// A date (no time of day) from text such as "13 5 2024", "13 may 2024",
// "13.5" or "2024-5-13":
//   - the text is cut into tokens, each a run of letters or of digits;
//   - a run of letters that names a month (long, short or "after a day"
//     form, in the locale and in US English) sets the month;
//   - up to three numbers fill, in the locale's order of day, month and
//     year, the fields not set yet; a number of 1000 or more is the year, one
//     above 12 is the day unless the year is next;
//   - a month above 12 is swapped with a day of 12 or less, else it becomes 1;
//   - a year below 100 goes through the locale's two-digit-year rule.
// An empty text, or one that makes an impossible date, gives 0. today
// supplies the parts the text leaves out.
TDateTime TextToDate(const QString& text, const QLocale& locale, const QDate& today);
TDateTime TextToDate(const QString& text, const QLocale& locale = QLocale::system());

// A time of day (a fraction of a day) from text such as "7.5 pm",
// "12:30 PM" or "8 15 30": up to four numbers fill hours, minutes, seconds
// and milliseconds in the locale's order; a day-half marker (the locale's
// AM/PM text, "AM"/"PM" or "A"/"P", any case) before a number or at the end
// moves an afternoon hour below 12 by 12. Hours above 23 lose whole days,
// minutes or seconds above 59 become 0, milliseconds above 999 lose digits.
TDateTime TextToTime(const QString& text, const QLocale& locale = QLocale::system());
