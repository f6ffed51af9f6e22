// The calculations of the command line, one row each: the command that runs
// it, the sheet that computes it and the words the help uses. The inputs,
// result rows, keys and unit lists come from the sheet's layout and the
// ranges from the calculations' range table, so the command line says what
// the program does. An input's option is "--" and its row's key ("--p",
// "--p0"). Several rows may share a command: "saturation" is the sheet by
// pressure or the sheet by temperature, chosen by the input given.
#pragma once

#include "calc/SheetLayout.h"

#include <span>
#include <string>
#include <vector>

struct TCalculation {
    const char* Command;
    int Sheet;
    // All but one input are given and the missing one is found (the heat
    // drop); its choice list selects it.
    bool FindsOne;
    const char* Summary;  // one line, for the help
    const char* Example;  // arguments after the command
    const char* NoResult; // why inputs inside their ranges may still give no result
};

std::span<const TCalculation> Calculations();

// The rows of a command, in table order; empty for no calculation command.
std::vector<const TCalculation*> CalculationsOf(const std::string& command);

// The commands, each once, in table order.
std::vector<std::string> CalculationCommands();

// The input rows of the calculation's sheet, in row order.
std::vector<const TSheetRow*> InputRows(const TCalculation& c);

// The option of an input row: "--" and its key.
std::string InputOption(const TSheetRow& row);
