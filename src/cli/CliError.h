// A usage error of the command-line tool: bad command, option, name or
// argument. The tool prints its message on one line and exits with status 2.
#pragma once

#include <stdexcept>
#include <string>

class ECliUsage : public std::runtime_error {
public:
    explicit ECliUsage(const std::string& message) : std::runtime_error(message) {}
};
