#include "cli/CliOptions.h"

#include "cli/CliError.h"

#include <algorithm>

namespace {

constexpr const char* HelpFlag = "--help";

bool IsFlag(const std::string& name)
{
    return name == "--json" || name == HelpFlag;
}

} // namespace

TCliOptions::TCliOptions(const std::vector<std::string>& args)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h") {
            FOptions.push_back({HelpFlag, {}});
            continue;
        }
        if (a.rfind("--", 0) != 0 || a.size() == 2)
            throw ECliUsage("unexpected argument " + CliQuote(a));
        const size_t eq = a.find('=');
        if (eq != std::string::npos) {
            FOptions.push_back({a.substr(0, eq), a.substr(eq + 1)});
        } else if (IsFlag(a)) {
            FOptions.push_back({a, {}});
        } else {
            if (i + 1 >= args.size())
                throw ECliUsage(CliQuote(a) + " needs a value");
            FOptions.push_back({a, args[++i]});
        }
    }
}

bool TCliOptions::Has(const std::string& name) const
{
    return std::any_of(FOptions.begin(), FOptions.end(), [&](const TCliOption& o) { return o.Name == name; });
}

std::optional<std::string> TCliOptions::Value(const std::string& name) const
{
    std::optional<std::string> value;
    for (const TCliOption& o : FOptions)
        if (o.Name == name)
            value = o.Value;
    return value;
}

std::optional<FormatSettings> TCliOptions::DecimalSettings() const
{
    const std::optional<std::string> d = Value("--decimal");
    if (!d)
        return std::nullopt;
    if (*d != "." && *d != ",")
        throw ECliUsage("--decimal takes ',' or '.', not " + CliQuote(*d));
    // Only the separators change; dates and the rest stay the system's.
    FormatSettings fs = CurrentFormatSettings();
    fs.DecimalSeparator = QChar::fromLatin1((*d)[0]);
    if (fs.ThousandSeparator == fs.DecimalSeparator)
        fs.ThousandSeparator = fs.DecimalSeparator == u'.' ? u',' : u'.';
    return fs;
}

void TCliOptions::Only(const std::vector<std::string>& names) const
{
    for (const TCliOption& o : FOptions)
        if (std::find(names.begin(), names.end(), o.Name) == names.end())
            throw ECliUsage("unknown option " + CliQuote(o.Name));
}

bool WantsHelp(const std::vector<std::string>& args)
{
    return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "-h" || a == HelpFlag; });
}
