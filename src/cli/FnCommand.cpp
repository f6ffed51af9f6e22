#include "cli/FnCommand.h"

#include "cli/CliError.h"
#include "cli/CliFormulation.h"
#include "cli/CliNumbers.h"
#include "props/FunctionTable.h"
#include "props/SolveSecant.h"

#include <iomanip>

namespace {

constexpr const char* SolveSecantName = "SolveSecant";

void ListFunctions(std::ostream& out)
{
    for (const TPropFunction& f : PropFunctions()) {
        out << std::left << std::setw(28) << f.Name << ' ';
        for (int i = 0; i < f.ArgCount; ++i)
            out << (i ? ", " : "") << f.Args[i] << " [" << f.Units[i] << ']';
        out << "  ->  " << f.ResultUnit << '\n';
    }
    out << std::left << std::setw(28) << SolveSecantName << ' '
        << "target, param, x0, x1, FUNCTION, tolerance  ->  x with FUNCTION(param, x) = target\n";
}

std::string ArgumentName(const TPropFunction& f, int i)
{
    return std::string(f.Name) + " argument " + f.Args[i];
}

float EvaluateSolveSecant(const std::vector<std::string>& args)
{
    // args: SolveSecant target param x0 x1 FUNCTION tol
    if (args.size() != 7)
        throw ECliUsage("SolveSecant takes 6 arguments (target param x0 x1 FUNCTION tolerance), got "
                        + std::to_string(args.size() - 1));
    const TPropFunction* f = FindPropFunction(args[5]);
    if (!f || f->ArgCount != 2)
        throw ECliUsage("SolveSecant: " + CliQuote(args[5]) + " is not a two-argument library function");
    const float target = ParseCliFloat(args[1], "SolveSecant argument target");
    const float param = ParseCliFloat(args[2], "SolveSecant argument param");
    const float x0 = ParseCliFloat(args[3], "SolveSecant argument x0");
    const float x1 = ParseCliFloat(args[4], "SolveSecant argument x1");
    const float tol = ParseCliFloat(args[6], "SolveSecant argument tolerance");
    return SolveSecant(target, param, x0, x1, f->F2, tol);
}

float Evaluate(const std::vector<std::string>& args)
{
    const std::string& name = args[0];
    if (name == SolveSecantName)
        return EvaluateSolveSecant(args);
    const TPropFunction* f = FindPropFunction(name);
    if (!f)
        throw ECliUsage("unknown function " + CliQuote(name) + " (see 'calorix-cli fn --list')");
    const int given = static_cast<int>(args.size()) - 1;
    if (given != f->ArgCount)
        throw ECliUsage(CliQuote(name) + " takes " + std::to_string(f->ArgCount) + " argument"
                        + (f->ArgCount == 1 ? "" : "s") + ", got " + std::to_string(given));
    float x[3] = {};
    for (int i = 0; i < f->ArgCount; ++i)
        x[i] = ParseCliFloat(args[static_cast<size_t>(i) + 1], ArgumentName(*f, i));
    switch (f->ArgCount) {
    case 1:
        return f->F1(x[0]);
    case 2:
        return f->F2(x[0], x[1]);
    default:
        return f->F3(x[0], x[1], x[2]);
    }
}

} // namespace

const char* FnCommandHelp()
{
    return "Usage: calorix-cli fn NAME ARG...\n"
           "       calorix-cli fn --formulation if97 NAME ARG...\n"
           "       calorix-cli fn --list\n"
           "Evaluates the property-library function NAME (its exact name) with decimal\n"
           "arguments (\".\" as the separator) in the library's internal units: p bar,\n"
           "t C, h kJ/kg, s kJ/(kg*K), v m3/kg. Prints the result with 9 significant\n"
           "digits, which read back as the exact 32-bit value. --list shows every\n"
           "function with its arguments and units.\n"
           "SolveSecant takes the name of a two-argument function in place of its\n"
           "function argument (target, parameter, x0, x1, FUNCTION, tolerance).\n"
           "--formulation if97 evaluates the IAPWS-IF97 counterpart of a water-and-steam\n"
           "function with the same arguments and units, printed with 10 significant\n"
           "digits; arguments outside IF97's range are rejected.\n\n"
           "Examples:\n"
           "  calorix-cli fn SaturationTemperature 10\n"
           "  calorix-cli fn SolveSecant 200 100 5 350 WaterEnthalpyPT 0.00025\n"
           "  calorix-cli fn --formulation if97 EnthalpyPT 40 440\n"
           "Exit status: 0 the result is printed; 1 arguments outside IF97's range;\n"
           "2 usage error (unknown name, wrong number of arguments, an argument that\n"
           "is not a number).\n";
}

void RunFnCommand(const std::vector<std::string>& given, std::ostream& out)
{
    std::vector<std::string> args = given;
    if (&TakeFnFormulation(args) == &If97Formulation()) {
        RunIf97Function(args, out);
        return;
    }
    if (args.empty())
        throw ECliUsage("fn needs a function name (see 'calorix-cli fn --list')");
    if (args[0] == "--list") {
        if (args.size() != 1)
            throw ECliUsage("fn --list takes no arguments");
        ListFunctions(out);
        return;
    }
    out << FormatCliFloat(Evaluate(args)) << '\n';
}
