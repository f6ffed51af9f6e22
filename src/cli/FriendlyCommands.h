// The engineer's form of the calculations, one command per calculation:
//   pt, ph, ps          water and steam by p and t, h or s
//   saturation          the saturation state by --p or by --t
//   heat-drop           three of --p0 --h0 --pk --drop given, the fourth found
//   air, flue-gas       gas properties by --t
// Each input takes a number ("." or "," as separator); a quantity's unit
// option (--p-unit, --t-unit, --h-unit, --s-unit, --c-unit, --lambda-unit)
// applies to every row of that quantity, inputs and results alike. The
// output is the sheet's table (or --json); inputs outside the sheet's range
// print a one-line message and exit with status 1.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// True when `command` is one of the calculations; then runs it.
bool RunFriendlyCommand(const std::string& command, const std::vector<std::string>& args, std::ostream& out,
                        int& status);
const char* FriendlyCommandsHelp();
