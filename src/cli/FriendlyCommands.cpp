#include "cli/FriendlyCommands.h"

#include "calc/SheetLayout.h"
#include "cli/CliError.h"
#include "cli/CliOptions.h"
#include "cli/SheetRun.h"
#include "cli/UnitAliases.h"

#include <algorithm>
#include <iomanip>
#include <optional>

namespace {

struct TInput {
    const char* Option; // "--p"
    int Row;
};

struct TCalculation {
    const char* Command;
    int Sheet;
    std::vector<TInput> Inputs;
    int FirstResultRow; // empty after a run when the inputs were rejected
    const char* Range;  // said when they were
};

const std::vector<TCalculation>& Calculations()
{
    static const std::vector<TCalculation> list = {
        {"pt", 1, {{"--p", 1}, {"--t", 2}}, 5, "0 < p <= 500 bar, 0 < t <= 1000 C"},
        {"ph", 6, {{"--p", 1}, {"--h", 2}}, 4, "0 < p <= 500 bar, 0 < h <= 6000 kJ/kg"},
        {"ps", 7, {{"--p", 1}, {"--s", 2}}, 4, "0 < p <= 500 bar, 3.4 <= s <= 20 kJ/(kg*K)"},
        {"saturation-p", 2, {{"--p", 1}}, 4, "0 < p <= 221 bar"},
        {"saturation-t", 8, {{"--t", 1}}, 3, "0 < t <= 374 C"},
        {"air", 4, {{"--t", 1}}, 3, "t must be a number"},
        {"flue-gas", 5, {{"--t", 1}}, 3, "t must be a number"},
    };
    return list;
}

struct TUnitOption {
    const char* Option;
    TUnitList List;
};

constexpr TUnitOption UnitOptions[] = {
    {"--p-unit", TUnitList::Pressure},
    {"--t-unit", TUnitList::Temperature},
    {"--h-unit", TUnitList::Enthalpy},
    {"--s-unit", TUnitList::Entropy},
    {"--c-unit", TUnitList::VolumetricHeatCapacity},
    {"--lambda-unit", TUnitList::ThermalConductivity},
};

constexpr const char* CommonOptions[] = {"--p-unit", "--t-unit", "--h-unit", "--s-unit", "--c-unit",
                                         "--lambda-unit", "--decimal", "--json"};

// A number typed with either separator, rewritten with the active one.
QString InputText(const std::string& text)
{
    QString t = QString::fromStdString(text).trimmed();
    const QChar decimal = CurrentFormatSettings().DecimalSeparator;
    if (!(t.contains(u'.') && t.contains(u',')))
        for (QChar& c : t)
            if (c == u'.' || c == u',')
                c = decimal;
    return t;
}

// Selects the unit of every row of the option's quantity.
void ApplyUnits(TSheetRun& run, int sheet, const TCliOptions& options)
{
    const TSheetLayout& layout = SheetLayoutOf(sheet);
    for (const TUnitOption& u : UnitOptions) {
        const std::optional<std::string> name = options.Value(u.Option);
        if (!name)
            continue;
        const int index = UnitIndexOf(u.List, *name, u.Option);
        bool used = false;
        for (const auto rows : {layout.Inputs, layout.Results})
            for (const TSheetRow& r : rows)
                if (r.Unit == TUnitKind::List && r.List == u.List) {
                    run.Apply({2, r.Row, std::nullopt, index});
                    used = true;
                }
        if (!used)
            throw ECliUsage(std::string(u.Option) + ": this calculation shows no such quantity");
    }
}

void CheckOptions(const TCliOptions& options, const std::vector<const char*>& inputs)
{
    std::vector<const char*> allowed(std::begin(CommonOptions), std::end(CommonOptions));
    allowed.insert(allowed.end(), inputs.begin(), inputs.end());
    for (const TCliOption& o : options.All())
        if (std::none_of(allowed.begin(), allowed.end(), [&](const char* a) { return o.Name == a; }))
            throw ECliUsage("unknown option " + o.Name);
}

void WriteTable(const TSheetReport& report, std::ostream& out)
{
    for (const TSheetReportRow& r : report.Rows) {
        if (r.Label.isEmpty() && r.Value.isEmpty())
            continue;
        if (r.Value.isEmpty() && r.Unit.isEmpty()) {
            out << "-- " << r.Label.toStdString() << '\n'; // a heading
            continue;
        }
        const std::string label = r.Label.toStdString();
        // Pad by characters, not bytes: the labels are Cyrillic.
        const int pad = std::max(1, 26 - static_cast<int>(r.Label.size()));
        out << label << std::string(static_cast<size_t>(pad), ' ') << r.Value.toStdString();
        if (!r.Unit.isEmpty())
            out << ' ' << r.Unit.toStdString();
        out << '\n';
    }
}

int RunCalculation(const TCalculation& c, const TCliOptions& options, std::ostream& out,
                   const std::vector<std::pair<int, std::string>>& inputs, std::optional<int> choice = std::nullopt)
{
    TSheetRun run(c.Sheet);
    ApplyUnits(run, c.Sheet, options);
    if (choice)
        run.Apply({1, 1, std::nullopt, *choice});
    for (const auto& [row, text] : inputs)
        run.Apply({1, row, InputText(text), std::nullopt});
    const TSheetReport report = run.Run();
    if (options.Has("--json"))
        WriteReportJson(report, out);
    else
        WriteTable(report, out);
    const bool rejected = report.Rows[static_cast<size_t>(c.FirstResultRow)].Value.isEmpty();
    if (rejected)
        throw ECliRejected(std::string("no result: the inputs must be numbers with ") + c.Range);
    return CliExitOk;
}

int RunSimple(const TCalculation& c, const TCliOptions& options, std::ostream& out)
{
    std::vector<const char*> names;
    std::vector<std::pair<int, std::string>> inputs;
    for (const TInput& in : c.Inputs) {
        names.push_back(in.Option);
        const std::optional<std::string> v = options.Value(in.Option);
        if (!v)
            throw ECliUsage(std::string(c.Command) + " needs " + in.Option);
        inputs.emplace_back(in.Row, *v);
    }
    CheckOptions(options, names);
    return RunCalculation(c, options, out, inputs);
}

const TCalculation& Find(const std::string& command)
{
    for (const TCalculation& c : Calculations())
        if (command == c.Command)
            return c;
    throw ECliUsage("unknown calculation " + command);
}

int RunSaturation(const TCliOptions& options, std::ostream& out)
{
    const bool byP = options.Has("--p");
    if (byP == options.Has("--t"))
        throw ECliUsage("saturation needs exactly one of --p and --t");
    return RunSimple(Find(byP ? "saturation-p" : "saturation-t"), options, out);
}

int RunHeatDrop(const TCliOptions& options, std::ostream& out)
{
    static const TCalculation c{"heat-drop", 3, {{"--p0", 3}, {"--h0", 4}, {"--pk", 5}, {"--drop", 6}}, 0,
                                "p0 > 0 and pk > 0, and a heat drop reachable from them"};
    std::vector<const char*> names;
    std::vector<std::pair<int, std::string>> inputs;
    std::optional<int> missing;
    for (size_t i = 0; i < c.Inputs.size(); ++i) {
        names.push_back(c.Inputs[i].Option);
        if (const auto v = options.Value(c.Inputs[i].Option))
            inputs.emplace_back(c.Inputs[i].Row, *v);
        else if (missing)
            throw ECliUsage("heat-drop needs three of --p0, --h0, --pk, --drop (the fourth is found)");
        else
            missing = static_cast<int>(i);
    }
    if (!missing)
        throw ECliUsage("heat-drop: leave out the one of --p0, --h0, --pk, --drop to find");
    CheckOptions(options, names);
    TCalculation found = c;
    found.FirstResultRow = c.Inputs[static_cast<size_t>(*missing)].Row;
    return RunCalculation(found, options, out, inputs, *missing);
}

} // namespace

const char* FriendlyCommandsHelp()
{
    return "calorix-cli pt --p P --t T           water and steam by pressure and temperature\n"
           "calorix-cli ph --p P --h H           ... by pressure and enthalpy\n"
           "calorix-cli ps --p P --s S           ... by pressure and entropy\n"
           "calorix-cli saturation --p P | --t T the saturation state\n"
           "calorix-cli heat-drop [--p0 P0] [--h0 H0] [--pk PK] [--drop H]\n"
           "                                     give three, the fourth is found\n"
           "calorix-cli air --t T | flue-gas --t T\n"
           "  Units (each applies to every row of its quantity; default the first):\n"
           "    --p-unit MPa|bar|atm|kgf/cm2     --t-unit C|K|F\n"
           "    --h-unit kJ/kg|kcal/kg           --s-unit kJ/(kg*K)|kcal/(kg*K)\n"
           "    --c-unit kJ/(m3*K)|kcal/(m3*K)   --lambda-unit W/(m*K)|kcal/(m*h*K)\n"
           "    (the sheets' own names work too: бар, °С, кДж/кг, ...)\n"
           "  --decimal , | .   the separator of the output (default: the system's);\n"
           "                    inputs accept either\n"
           "  --json            one JSON object instead of the table\n"
           "  Example: calorix-cli pt --p 10 --p-unit bar --t 300\n";
}

bool RunFriendlyCommand(const std::string& command, const std::vector<std::string>& args, std::ostream& out,
                        int& status)
{
    static const char* const commands[] = {"pt", "ph", "ps", "saturation", "heat-drop", "air", "flue-gas"};
    if (std::none_of(std::begin(commands), std::end(commands), [&](const char* c) { return command == c; }))
        return false;
    const TCliOptions options(args);
    const std::optional<FormatSettings> settings = options.DecimalSettings();
    std::optional<TFormatSettingsOverride> locale;
    if (settings)
        locale.emplace(*settings);
    if (command == "saturation")
        status = RunSaturation(options, out);
    else if (command == "heat-drop")
        status = RunHeatDrop(options, out);
    else
        status = RunSimple(Find(command), options, out);
    return true;
}
