// The choice of water-and-steam formulation on the command line:
// "--formulation classic|if97" (classic when not given), and "fn" with IF97:
// the IF97 counterpart of a library function, evaluated in double precision
// with the library function's arguments and units and printed with 10
// significant digits. Arguments outside IF97's range are rejected
// (ECliRejected) with the limit they cross.
#pragma once

#include "calc/WaterSteamFormulation.h"
#include "cli/CliOptions.h"

#include <ostream>
#include <string>
#include <vector>

// The formulation named by "--formulation"; raises ECliUsage for another name.
const TWaterSteamFormulation& FormulationOption(const TCliOptions& options);

// The words the rejection of a water-and-steam calculation adds for IF97.
std::string FormulationRangeNote(const TWaterSteamFormulation& formulation);

// "fn --formulation NAME FUNCTION ARG...": when args start with the option,
// removes it and returns the formulation named; otherwise returns classic.
const TWaterSteamFormulation& TakeFnFormulation(std::vector<std::string>& args);

// Evaluates args[0] (a library function name) by IF97 with args[1…].
void RunIf97Function(const std::vector<std::string>& args, std::ostream& out);
