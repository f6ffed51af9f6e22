// Runs the command-line tool in-process and captures what it prints.
#pragma once

#include "cli/CliApp.h"

#include <sstream>
#include <string>
#include <vector>

struct TCliRun {
    int Status;
    std::string Out;
    std::string Err;
};

inline TCliRun RunTool(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

inline int LineCount(const std::string& text)
{
    int n = 0;
    for (char c : text)
        n += c == '\n';
    return n;
}
