#include "cli/CliApp.h"

#include "cli/CliError.h"
#include "cli/FnCommand.h"
#include "cli/FriendlyCommands.h"
#include "cli/SheetCommand.h"

namespace {

void PrintHelp(std::ostream& out)
{
    out << "Usage: calorix-cli COMMAND [ARGS]\n"
           "Thermophysical properties of water and steam, air and flue gases.\n\n"
           "Commands:\n"
        << FnCommandHelp() << SheetCommandHelp() << FriendlyCommandsHelp()
        << "calorix-cli --help\n"
           "  Shows this text.\n\n"
           "Errors (unknown names, options or units, wrong argument counts,\n"
           "non-numeric arguments) print one line on stderr and exit with status 2;\n"
           "inputs that a calculation rejects exit with status 1.\n";
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
        } else if (command == "sheet") {
            RunSheetCommand(rest, out);
        } else if (int status = CliExitOk; RunFriendlyCommand(command, rest, out, status)) {
            return status;
        } else {
            throw ECliUsage("unknown command '" + command + "' (see 'calorix-cli --help')");
        }
        return CliExitOk;
    } catch (const ECliUsage& e) {
        err << "calorix-cli: " << e.what() << '\n';
        return CliExitUsage;
    } catch (const ECliRejected& e) {
        err << "calorix-cli: " << e.what() << '\n';
        return CliExitRejected;
    }
}
