// The valid ranges of the calculations' inputs, in internal units (bar, °C,
// kJ/kg, kJ/(kg·K)), as one table: the handlers check their inputs against
// it, and the command-line tool prints it in its help and its messages. An
// input without an entry takes any number. Bounds are floats and compared
// with the float input, so a bound such as 3.4 accepts exactly the inputs
// typed as 3.4; an infinite bound leaves that side open.
#pragma once

#include "calc/UnitTables.h"

#include <span>

struct TInputRange {
    int Sheet; // 1 … 8
    int Row;   // the input's row on that sheet
    TUnitList List;
    float Low;
    bool LowInclusive;
    float High;
    bool HighInclusive;
};

std::span<const TInputRange> InputRanges();

// The entry of an input, or null when it takes any number.
const TInputRange* InputRangeOf(int sheet, int row);

// True when v lies in the input's range; always for an input without an
// entry, never for NaN with one.
bool InInputRange(int sheet, int row, float v);
