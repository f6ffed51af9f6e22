#include "cli/CliApp.h"

#include "cli/CalcCommand.h"
#include "cli/Calculations.h"
#include "cli/CliError.h"
#include "cli/CliOptions.h"
#include "cli/FnCommand.h"
#include "cli/SheetCommand.h"

#include <QString>

#include <functional>
#include <iomanip>

namespace {

constexpr int SynopsisWidth = 30;

// One command of the tool: how the overview lists it, its own help and how
// it runs. A new command is one more row.
struct TCliCommand {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Lines; // synopsis, summary
    std::function<void(const std::vector<std::string>&, std::ostream&)> Help;
    std::function<int(const std::vector<std::string>&, std::ostream&)> Run;
};

std::string CalculationSynopsis(const TCalculation& c)
{
    std::string text = c.Command;
    for (const TSheetRow* r : InputRows(c)) {
        const std::string input = InputOption(*r) + " " + QString::fromLatin1(r->Key).toUpper().toStdString();
        text += " " + (c.FindsOne ? "[" + input + "]" : input);
    }
    return text;
}

const std::vector<TCliCommand>& Commands()
{
    static const std::vector<TCliCommand> commands = [] {
        std::vector<TCliCommand> list;
        for (const std::string& name : CalculationCommands()) {
            TCliCommand c{name, {}, [name](const auto&, std::ostream& out) { WriteCalculationHelp(name, out); },
                          [name](const auto& args, std::ostream& out) { return RunCalculationCommand(name, args, out); }};
            for (const TCalculation* row : CalculationsOf(name))
                c.Lines.emplace_back(CalculationSynopsis(*row), row->Summary);
            list.push_back(std::move(c));
        }
        list.push_back({"sheet",
                        {{"sheet N [OPTIONS]", "runs calculation sheet N (1 ... 8) cell by cell, as the window does"}},
                        WriteSheetCommandHelp,
                        [](const auto& args, std::ostream& out) {
                            RunSheetCommand(args, out);
                            return CliExitOk;
                        }});
        list.push_back({"fn",
                        {{"fn NAME ARG...", "one function of the property library"},
                         {"fn --list", "lists the functions with their arguments and units"}},
                        [](const auto&, std::ostream& out) { out << FnCommandHelp(); },
                        [](const auto& args, std::ostream& out) {
                            RunFnCommand(args, out);
                            return CliExitOk;
                        }});
        return list;
    }();
    return commands;
}

const TCliCommand* FindCommand(const std::string& name)
{
    for (const TCliCommand& c : Commands())
        if (c.Name == name)
            return &c;
    return nullptr;
}

void WriteLine(std::ostream& out, const std::string& synopsis, const std::string& summary)
{
    out << "  " << std::left << std::setw(SynopsisWidth) << synopsis;
    if (synopsis.size() >= SynopsisWidth)
        out << '\n' << std::string(SynopsisWidth + 2, ' ');
    out << summary << '\n';
}

void PrintHelp(std::ostream& out)
{
    out << "Usage: calorix-cli COMMAND [ARGS]\n"
           "Thermophysical properties of water and steam, air and flue gases.\n\n"
           "Commands:\n";
    for (const TCliCommand& c : Commands())
        for (const auto& [synopsis, summary] : c.Lines)
            WriteLine(out, synopsis, summary);
    out << "\nEvery command answers --help (or -h) with its own usage, units, ranges\n"
           "and an example, for instance: calorix-cli pt --help\n";
    WriteLine(out, "calorix-cli --version", "the program's name and version");
    WriteLine(out, "calorix-cli --help", "this text");
    out << "\nExit status: 0 success; 1 inputs that a calculation rejects (out of range,\n"
           "or without a solution); 2 usage errors (an unknown command, option, name or\n"
           "unit, a missing or extra argument, a value that is not a number). Errors\n"
           "print one line on standard error.\n";
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    try {
        if (args.empty())
            throw ECliUsage("no command given (see 'calorix-cli --help')");
        const std::string& name = args[0];
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (name == "--help" || name == "-h" || name == "help") {
            if (const TCliCommand* c = rest.empty() ? nullptr : FindCommand(rest[0]))
                c->Help({rest.begin() + 1, rest.end()}, out);
            else if (!rest.empty())
                throw ECliUsage("no command " + CliQuote(rest[0]) + " (see 'calorix-cli --help')");
            else
                PrintHelp(out);
            return CliExitOk;
        }
        if (name == "--version") {
            if (!rest.empty())
                throw ECliUsage("--version takes no arguments");
            out << "calorix-cli (Calorix) " CALORIX_VERSION "\n";
            return CliExitOk;
        }
        const TCliCommand* command = FindCommand(name);
        if (!command)
            throw ECliUsage("unknown command " + CliQuote(name) + " (see 'calorix-cli --help')");
        if (WantsHelp(rest)) {
            command->Help(rest, out);
            return CliExitOk;
        }
        return command->Run(rest, out);
    } catch (const ECliUsage& e) {
        err << "calorix-cli: " << e.what() << '\n';
        return CliExitUsage;
    } catch (const ECliRejected& e) {
        err << "calorix-cli: " << e.what() << '\n';
        return CliExitRejected;
    }
}
