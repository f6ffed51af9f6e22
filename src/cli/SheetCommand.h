// "calorix-cli sheet N": runs calculation sheet N (1 … 8) as the window
// would: shipped content, filled unit lists, the given edits, the handler
// once; prints every row (row, label, value, unit) and the colour of the
// state row where the sheet has one, as text or as one JSON object.
#pragma once

#include <ostream>
#include <string>
#include <vector>

void RunSheetCommand(const std::vector<std::string>& args, std::ostream& out);
// The command's help; with a sheet number first, also that sheet's rows
// with their unit lists.
void WriteSheetCommandHelp(const std::vector<std::string>& args, std::ostream& out);
