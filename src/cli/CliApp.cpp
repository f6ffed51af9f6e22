#include "cli/CliApp.h"

#include "cli/CliError.h"
#include "cli/FnCommand.h"

namespace {

void PrintHelp(std::ostream& out)
{
    out << "Usage: calorix-cli COMMAND [ARGS]\n"
           "Thermophysical properties of water and steam, air and flue gases.\n\n"
           "Commands:\n"
        << FnCommandHelp()
        << "calorix-cli --help\n"
           "  Shows this text.\n\n"
           "Errors (unknown names, wrong argument counts, non-numeric arguments)\n"
           "print one line on stderr and exit with status 2.\n";
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    try {
        if (args.empty())
            throw ECliUsage("no command given (see 'calorix-cli --help')");
        const std::string& command = args[0];
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        if (command == "--help" || command == "-h" || command == "help") {
            PrintHelp(out);
        } else if (command == "fn") {
            RunFnCommand(rest, out);
        } else {
            throw ECliUsage("unknown command '" + command + "' (see 'calorix-cli --help')");
        }
        return CliExitOk;
    } catch (const ECliUsage& e) {
        err << "calorix-cli: " << e.what() << '\n';
        return CliExitUsage;
    }
}
