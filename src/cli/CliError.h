// How the command-line tool fails: a usage error (bad command, option,
// name or argument; exit status 2) or inputs that the calculation rejects
// (exit status 1). Either prints its message on one line. Messages quote
// what the user typed only through CliQuote, so that no argument can make
// an error line long, break it in two or send control codes to a terminal.
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

// At most this many characters of an argument appear in a message.
constexpr int CliQuoteLimit = 60;

// text in single quotes for a message: UTF-8 characters up to the limit
// (then "..."), control characters and bytes that are not UTF-8 escaped as
// \n, \t, \r or \xHH, and a quote or backslash escaped with a backslash.
std::string CliQuote(const std::string& text);
