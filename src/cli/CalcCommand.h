// The engineer's form of the calculations, one command each (the table in
// Calculations.h): inputs as options with a number and optionally a unit,
// unit options that apply to every row of their quantity, the inputs as
// understood and then the sheet's results, as text or JSON. Inputs outside
// their ranges, or without a solution, print the inputs, a one-line message
// on standard error and exit with status 1.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs a calculation command (one of CalculationCommands()); returns the
// exit status.
int RunCalculationCommand(const std::string& command, const std::vector<std::string>& args, std::ostream& out);

// The help of a calculation command: usage, inputs with their ranges, units,
// options, the JSON keys of its rows, an example and the exit statuses.
void WriteCalculationHelp(const std::string& command, std::ostream& out);

// The options every calculation command takes besides its inputs and unit
// options, with their help lines.
struct TCalcOption {
    const char* Name;  // "--decimal"
    const char* Value; // "', | .'", or null for a flag
    const char* Help;
};
const std::vector<TCalcOption>& CalcOptions();
