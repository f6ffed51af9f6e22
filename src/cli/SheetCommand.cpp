#include "cli/SheetCommand.h"

#include "base/FormatSettings.h"
#include "calc/CalcHandlers.h"
#include "cli/CliError.h"
#include "cli/CliFormulation.h"
#include "cli/CliNumbers.h"
#include "cli/CliOptions.h"
#include "cli/CliPdf.h"
#include "cli/SheetRun.h"
#include "calc/SheetLayout.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLStrings.h"

#include <charconv>
#include <optional>

namespace {

// "R=VALUE" or "C,R=VALUE".
struct TAssignment {
    int Col;
    int Row;
    std::string Value;
};

TAssignment ParseAssignment(const std::string& option, const std::string& text, bool withColumn)
{
    const size_t eq = text.find('=');
    if (eq == std::string::npos)
        throw ECliUsage(option + " expects " + (withColumn ? "C,R=VALUE" : "R=VALUE") + ", got " + CliQuote(text));
    const std::string address = text.substr(0, eq);
    TAssignment a{1, 0, text.substr(eq + 1)};
    if (withColumn) {
        const size_t comma = address.find(',');
        if (comma == std::string::npos)
            throw ECliUsage(option + " expects a cell address C,R, got " + CliQuote(address));
        a.Col = ParseCliInt(address.substr(0, comma), option + " column");
        a.Row = ParseCliInt(address.substr(comma + 1), option + " row");
    } else {
        a.Row = ParseCliInt(address, option + " row");
    }
    return a;
}

// A unit index must name an item of the row's unit list.
void CheckUnitIndex(TSheetRun& run, int row, int index)
{
    TXLCell* cell = run.Sheet().GetPeekCell(2, row);
    const auto* items = cell && cell->ClassType() == TXLCStrings::StaticClass()
                            ? dynamic_cast<const TXLStrings*>(cell->GetObject())
                            : nullptr;
    if (!items || items->Items.isEmpty())
        throw ECliUsage("--unit: row " + std::to_string(row) + " has no unit list");
    if (index < 0 || index >= items->Items.size())
        throw ECliUsage("--unit: row " + std::to_string(row) + " has units 0 … "
                        + std::to_string(items->Items.size() - 1) + ", not " + std::to_string(index));
}

} // namespace

void WriteSheetCommandHelp(const std::vector<std::string>& args, std::ostream& out)
{
    out << "Usage: calorix-cli sheet N [OPTIONS]\n"
           "Runs calculation sheet N (1 ... 8) as the window does: the shipped sheet\n"
           "with its unit lists filled, the edits in the order given, the sheet's\n"
           "calculation once. Prints every row as row<TAB>label<TAB>value<TAB>unit,\n"
           "and the state row's font colour (#rrggbb) on sheets 1, 6 and 7.\n\n"
           "Options:\n"
           "  --set R=TEXT      text into the value cell (1, R)\n"
           "  --unit R=I        select unit I (from 0) of the pick list at (2, R)\n"
           "  --cell C,R=TEXT   text into any cell\n"
           "  --index C,R=I     the selected index of any pick list\n"
           "  --decimal , | .   the decimal separator (default: the system's)\n"
           "  --json            one JSON object: {\"sheet\", \"rows\": [{\"row\", \"label\",\n"
           "                    \"value\", \"text\", \"unit\"}], \"stateColour\"}; \"value\" is the\n"
           "                    text as a number, or null\n"
           "  --pdf FILE        also print the calculated sheet into a PDF file\n"
           "  --formulation classic | if97\n"
           "                    water and steam (sheets 1, 2, 3, 6, 7, 8) by the\n"
           "                    classic correlations (default) or by IAPWS-IF97\n"
           "  --help, -h        this text; with N, also the rows of sheet N\n\n"
           "Sheets: 1 p,t  2 saturation by p  3 heat drop  4 air  5 flue gas\n"
           "        6 p,h  7 p,s  8 saturation by t\n"
           "Example: calorix-cli sheet 2 --set 1=1 --unit 1=1\n"
           "Exit status: 0 the sheet ran (an input it cannot use leaves its results\n"
           "empty); 2 usage error.\n";
    int n = 0;
    if (args.empty() || !std::from_chars(args[0].data(), args[0].data() + args[0].size(), n).ptr
        || n < 1 || n > 8)
        return;
    out << "\nRows of sheet " << n << ":\n";
    for (const auto part : {SheetLayoutOf(n).Inputs, SheetLayoutOf(n).Results}) {
        for (const TSheetRow& r : part) {
            out << "  " << r.Row << '\t' << QString::fromUtf16(r.Label).trimmed().toStdString() << '\t'
                << (r.Value == TValueKind::Input ? "input" : r.Value == TValueKind::Choice ? "choice" : "result");
            const QStringList& items = UnitListItems(r.List);
            for (int i = 0; i < items.size(); ++i)
                out << (i ? ", " : "\t") << i << ' ' << items[i].trimmed().toStdString();
            out << '\n';
        }
    }
}

void RunSheetCommand(const std::vector<std::string>& args, std::ostream& out)
{
    if (args.empty())
        throw ECliUsage("sheet needs a sheet number (1 … 8)");
    const int n = ParseCliInt(args[0], "sheet number");
    TCliOptions options(std::vector<std::string>(args.begin() + 1, args.end()));
    const std::optional<FormatSettings> settings = options.DecimalSettings();
    std::optional<TFormatSettingsOverride> locale;
    if (settings)
        locale.emplace(*settings);

    TSheetRun run(n);
    for (const TCliOption& o : options.All()) {
        if (o.Name == "--set") {
            const TAssignment a = ParseAssignment(o.Name, o.Value, false);
            run.Apply({1, a.Row, QString::fromStdString(a.Value), std::nullopt});
        } else if (o.Name == "--cell") {
            const TAssignment a = ParseAssignment(o.Name, o.Value, true);
            run.Apply({a.Col, a.Row, QString::fromStdString(a.Value), std::nullopt});
        } else if (o.Name == "--unit") {
            const TAssignment a = ParseAssignment(o.Name, o.Value, false);
            const int index = ParseCliInt(a.Value, "--unit index");
            run.Apply({2, a.Row, std::nullopt, index}); // checks the address first
            CheckUnitIndex(run, a.Row, index);
        } else if (o.Name == "--index") {
            const TAssignment a = ParseAssignment(o.Name, o.Value, true);
            run.Apply({a.Col, a.Row, std::nullopt, ParseCliInt(a.Value, "--index value")});
        } else if (o.Name == "--formulation") {
            if (!IsWaterSteamSheet(n))
                throw ECliUsage("sheet " + std::to_string(n) + " has one formulation only");
        } else if (o.Name != "--decimal" && o.Name != "--json" && o.Name != "--pdf") {
            throw ECliUsage("sheet: unknown option " + CliQuote(o.Name));
        }
    }
    const TSheetReport report = run.Run(FormulationOption(options));
    if (const std::optional<std::string> pdf = options.Value("--pdf"))
        WriteSheetPdf(run.Sheet(), n, *pdf);
    if (options.Has("--json"))
        WriteReportJson(report, out);
    else
        WriteReportText(report, out);
}
