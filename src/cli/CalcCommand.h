// The engineer's form of the calculations, one command each (the table in
// Calculations.h): inputs as options with a number and optionally a unit,
// unit options that apply to every row of their quantity, the inputs as
// understood and then the sheet's results, as text or JSON. Inputs outside
// their ranges, or without a solution, print the inputs, a one-line message
// on standard error and exit with status 1.
#pragma once

#include "cli/Calculations.h"

#include <ostream>
#include <string>
#include <vector>

// Runs a calculation command (one of CalculationCommands()); returns the
// exit status.
int RunCalculationCommand(const std::string& command, const std::vector<std::string>& args, std::ostream& out);

// The help of a calculation command: usage, inputs with their ranges, units,
// options, the JSON keys of its rows, an example and the exit statuses.
void WriteCalculationHelp(const std::string& command, std::ostream& out);

// The options the calculation commands take besides their inputs and unit
// options, with their help lines; some only where water and steam are
// computed.
struct TCalcOption {
    const char* Name;  // "--decimal"
    const char* Value; // "', | .'", or null for a flag
    const char* Help;
    bool WaterSteamOnly;
};
const std::vector<TCalcOption>& CalcOptions();

// Whether the option applies to a calculation of the given rows.
bool CalcOptionApplies(const TCalcOption& option, const std::vector<const TCalculation*>& rows);
