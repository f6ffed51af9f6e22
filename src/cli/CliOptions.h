// The options of a command: "--name VALUE" or "--name=VALUE", kept in the
// order given, and flags without a value ("--json", "--help", whose short
// form "-h" is kept as "--help"). Raises ECliUsage for a stray argument or
// an option that lacks its value.
#pragma once

#include "base/FormatSettings.h"

#include <optional>
#include <string>
#include <vector>

struct TCliOption {
    std::string Name;  // with its leading "--"
    std::string Value; // "" for flags
};

class TCliOptions {
public:
    explicit TCliOptions(const std::vector<std::string>& args);

    const std::vector<TCliOption>& All() const { return FOptions; }
    bool Has(const std::string& name) const;
    // The last value of an option, if given.
    std::optional<std::string> Value(const std::string& name) const;
    // The conventions chosen with "--decimal , | .", if given.
    std::optional<FormatSettings> DecimalSettings() const;
    // Raises ECliUsage for any option not in the list.
    void Only(const std::vector<std::string>& names) const;

private:
    std::vector<TCliOption> FOptions;
};

// True when the arguments ask for help ("--help" or "-h" anywhere): help
// wins over every other argument, right or wrong.
bool WantsHelp(const std::vector<std::string>& args);
