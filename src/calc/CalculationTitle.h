// The name of calculation sheet n (1 … 8) as a reader of a printed sheet
// sees it: the group and the calculation, in the program's words. Empty for
// another number.
#pragma once

#include <QDateTime>
#include <QString>

QString CalculationTitle(int sheet);
// The heading line of a printed calculation: its name and the moment.
QString CalculationHeading(int sheet, const QDateTime& when);
