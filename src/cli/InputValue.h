// A calculation's input as typed on the command line: a decimal number with
// "." or "," as the separator, optionally followed by a unit of the input's
// list, with or without a blank ("40bar", "40 бар", "573K", "100C",
// "800 kcal/kg"). Anything else is a usage error.
#pragma once

#include "calc/UnitTables.h"

#include <QString>

#include <optional>
#include <string>

struct TInputValue {
    QString Number;          // the number's text with "." as the separator
    double Value;            // the number, within the float range
    std::optional<int> Unit; // the unit written with it: its index in the list
};

// `option` names the input in messages ("--p").
TInputValue ParseInputValue(const std::string& text, TUnitList list, const std::string& option);
