// How the command-line tool fails: a usage error (bad command, option,
// name or argument; exit status 2) or inputs that the calculation rejects
// (exit status 1). Either prints its message on one line.
#pragma once

#include <stdexcept>
#include <string>

constexpr int CliExitOk = 0;
constexpr int CliExitRejected = 1;
constexpr int CliExitUsage = 2;

class ECliUsage : public std::runtime_error {
public:
    explicit ECliUsage(const std::string& message) : std::runtime_error(message) {}
};

class ECliRejected : public std::runtime_error {
public:
    explicit ECliRejected(const std::string& message) : std::runtime_error(message) {}
};
