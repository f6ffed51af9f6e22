// Runs the command-line tool in-process and captures what it prints.
#pragma once

#include "cli/CliApp.h"

#include <gtest/gtest.h>

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

// Each argument list is a usage error: status 2, nothing on standard
// output, one line on standard error.
inline void ExpectUsageErrors(const std::vector<std::vector<std::string>>& cases)
{
    for (const auto& args : cases) {
        std::string joined;
        for (const auto& a : args)
            joined += a + ' ';
        SCOPED_TRACE(joined);
        const TCliRun r = RunTool(args);
        EXPECT_EQ(r.Status, CliExitUsage);
        EXPECT_TRUE(r.Out.empty());
        EXPECT_EQ(LineCount(r.Err), 1);
        EXPECT_EQ(r.Err.rfind("calorix-cli: ", 0), 0u);
    }
}
