#include "cli/CliFormulation.h"

#include "base/StrToFloat.h"
#include "cli/CliError.h"
#include "if97/WaterSteamIf97.h"
#include "props/FunctionTable.h"

#include <charconv>
#include <cmath>

namespace {

const TWaterSteamFormulation& Named(const std::string& name)
{
    if (const TWaterSteamFormulation* f = FindFormulation(name))
        return *f;
    throw ECliUsage("--formulation: '" + name + "' is not a formulation (classic or if97)");
}

double ParseDouble(const std::string& text, const std::string& what)
{
    static const FormatSettings pointSeparator = FormatSettings::WithDecimalSeparator(u'.');
    const auto value = TryStrToFloat(QString::fromStdString(text), pointSeparator);
    if (!value || !std::isfinite(*value))
        throw ECliUsage(what + ": '" + text + "' is not a number");
    return *value;
}

std::string Format10(double value)
{
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 10);
    return std::string(buf, res.ptr);
}

// The limit an argument list crosses, judged by the arguments' names: p and
// t against the whole range, t of a saturation function against the
// critical point. Empty when none is crossed.
std::string RangeError(const TPropFunction& f, const double* x)
{
    double t = 20.0;
    for (int i = 0; i < f.ArgCount; ++i)
        if (f.Args[i] == std::string("t"))
            t = x[i];
    bool anyPressure = false;
    for (int i = 0; i < f.ArgCount; ++i) {
        const std::string arg = f.Args[i];
        if (arg != "p" && arg != "P0" && arg != "Pk")
            continue;
        anyPressure = true;
        if (const char* why = If97::RangeErrorPT(x[i], t))
            return why;
    }
    if (!anyPressure)
        if (const char* why = If97::RangeErrorPT(1.0, t))
            return why;
    if (std::string(f.Name).starts_with("Saturat")) {
        if (f.Args[0] == std::string("t") && t > 373.946)
            return "temperature above the critical point (373.946 °C)";
        if (f.Args[0] == std::string("p") && x[0] > 220.64)
            return "pressure above the critical point (220.64 bar)";
    }
    return {};
}

} // namespace

const TWaterSteamFormulation& FormulationOption(const TCliOptions& options)
{
    const std::optional<std::string> name = options.Value("--formulation");
    return name ? Named(*name) : ClassicFormulation();
}

std::string FormulationRangeNote(const TWaterSteamFormulation& formulation)
{
    if (&formulation != &If97Formulation())
        return {};
    return "; IF97 also needs 0 <= t <= 2000 C, p <= 1000 bar (500 bar above 800 C)";
}

const TWaterSteamFormulation& TakeFnFormulation(std::vector<std::string>& args)
{
    if (args.empty())
        return ClassicFormulation();
    const std::string& first = args[0];
    const std::string prefix = "--formulation=";
    if (first.starts_with(prefix)) {
        const TWaterSteamFormulation& f = Named(first.substr(prefix.size()));
        args.erase(args.begin());
        return f;
    }
    if (first != "--formulation")
        return ClassicFormulation();
    if (args.size() < 2)
        throw ECliUsage("--formulation needs a value (classic or if97)");
    const TWaterSteamFormulation& f = Named(args[1]);
    args.erase(args.begin(), args.begin() + 2);
    return f;
}

void RunIf97Function(const std::vector<std::string>& args, std::ostream& out)
{
    if (args.empty())
        throw ECliUsage("fn needs a function name (see 'calorix-cli fn --list')");
    const std::string& name = args[0];
    const TIf97Function* g = FindIf97Function(name);
    const TPropFunction* f = FindPropFunction(name);
    if (!g || !f)
        throw ECliUsage("'" + name + "' has no IF97 counterpart (water and steam functions only)");
    const int given = static_cast<int>(args.size()) - 1;
    if (given != g->ArgCount)
        throw ECliUsage(name + " takes " + std::to_string(g->ArgCount) + " argument"
                        + (g->ArgCount == 1 ? "" : "s") + ", got " + std::to_string(given));
    double x[3] = {};
    for (int i = 0; i < g->ArgCount; ++i)
        x[i] = ParseDouble(args[static_cast<size_t>(i) + 1], name + " argument " + f->Args[i]);
    if (const std::string why = RangeError(*f, x); !why.empty())
        throw ECliRejected(name + ": outside the range of IF97: " + why);
    const double r = g->ArgCount == 1 ? g->F1(x[0]) : g->ArgCount == 2 ? g->F2(x[0], x[1]) : g->F3(x[0], x[1], x[2]);
    if (std::isnan(r))
        throw ECliRejected(name + ": no IF97 state for these arguments (outside 0 … 2000 °C, "
                                  "p up to 1000 bar, up to 500 bar above 800 °C)");
    out << Format10(r) << '\n';
}
