// The command-line front end: parses the arguments, runs one command and
// writes its output. Kept free of process-wide state so that tests can run
// it in-process with string streams.
#pragma once

#include "cli/CliError.h"

#include <ostream>
#include <string>
#include <vector>

// Runs the tool with the arguments after the program name.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
