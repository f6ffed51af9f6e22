// "calorix-cli fn": evaluates one function of the property library by its
// exact name with decimal arguments ("." separator) and prints the float
// result with 9 significant digits.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs "fn" with the arguments after "fn"; raises ECliUsage on bad input.
void RunFnCommand(const std::vector<std::string>& args, std::ostream& out);

// The help text of "fn".
const char* FnCommandHelp();
