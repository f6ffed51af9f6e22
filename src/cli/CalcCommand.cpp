#include "cli/CalcCommand.h"

#include "calc/CalcHandlers.h"
#include "calc/InputRanges.h"
#include "cli/CalcReport.h"
#include "cli/CliError.h"
#include "cli/CliFormulation.h"
#include "cli/CliPdf.h"
#include "cli/CliNumbers.h"
#include "cli/CliOptions.h"
#include "cli/RangeText.h"
#include "cli/UnitAliases.h"

#include <algorithm>
#include <optional>

namespace {

// The unit each unit option chose, per list it serves on this sheet.
struct TChosenUnit {
    const TUnitOption* Option;
    TUnitList List;
    int Index;
};

std::vector<TChosenUnit> ChosenUnits(const TSheetLayout& layout, const TCliOptions& options)
{
    std::vector<TChosenUnit> chosen;
    for (const TUnitOption& u : UnitOptions()) {
        const std::optional<std::string> name = options.Value(u.Option);
        if (!name)
            continue;
        bool used = false;
        for (TUnitList list : u.Lists) {
            if (UnitRowsOf(layout, list).empty())
                continue;
            chosen.push_back({&u, list, UnitIndexOf(list, *name, u.Option)});
            used = true;
        }
        if (!used)
            throw ECliUsage(std::string(u.Option) + ": this calculation shows no such quantity");
    }
    return chosen;
}

std::optional<int> ChosenIndex(const std::vector<TChosenUnit>& chosen, TUnitList list)
{
    for (const TChosenUnit& c : chosen)
        if (c.List == list)
            return c.Index;
    return std::nullopt;
}

// The calculation of the command that the given inputs name: all of its
// inputs (all but one where it finds one) and no input of another form.
const TCalculation& Choose(const std::string& command, const std::vector<const TCalculation*>& rows,
                           const TCliOptions& options)
{
    std::vector<std::string> given;
    for (const TCalculation* c : rows)
        for (const TSheetRow* r : InputRows(*c))
            if (options.Has(InputOption(*r)) && std::find(given.begin(), given.end(), InputOption(*r)) == given.end())
                given.push_back(InputOption(*r));
    std::string forms;
    for (const TCalculation* c : rows) {
        std::vector<std::string> own;
        for (const TSheetRow* r : InputRows(*c))
            own.push_back(InputOption(*r));
        const bool allOwn = std::all_of(given.begin(), given.end(), [&](const std::string& g) {
            return std::find(own.begin(), own.end(), g) != own.end();
        });
        if (allOwn && given.size() == own.size() - (c->FindsOne ? 1 : 0))
            return *c;
        std::string form;
        for (const std::string& o : own)
            form += (form.empty() ? "" : " ") + o;
        forms += (forms.empty() ? "" : " or ") + form;
    }
    if (rows.size() == 1 && rows.front()->FindsOne)
        throw ECliUsage(command + " needs all but one of " + forms + " (the one left out is found)");
    throw ECliUsage(command + (rows.size() > 1 ? " needs either " : " needs ") + forms);
}

std::vector<std::string> AllowedOptions(const std::vector<const TCalculation*>& rows)
{
    std::vector<std::string> allowed;
    for (const TCalculation* c : rows)
        for (const TSheetRow* r : InputRows(*c))
            allowed.push_back(InputOption(*r));
    for (const TUnitOption& u : UnitOptions())
        allowed.emplace_back(u.Option);
    for (const TCalcOption& o : CalcOptions())
        if (CalcOptionApplies(o, rows))
            allowed.emplace_back(o.Name);
    return allowed;
}

TGivenInput ReadInput(const TSheetRow& row, const std::string& text, const std::vector<TChosenUnit>& chosen)
{
    const std::string option = InputOption(row);
    TInputValue value = ParseInputValue(text, row.List, option);
    const std::optional<int> fromOption = ChosenIndex(chosen, row.List);
    if (value.Unit && fromOption && *value.Unit != *fromOption) {
        const TUnitOption* u = UnitOptionOf(row.List);
        throw ECliUsage(option + ": the unit of " + CliQuote(text) + " contradicts " + u->Option + " "
                        + AsciiUnitName(row.List, *fromOption));
    }
    const int unit = value.Unit.value_or(fromOption.value_or(0));
    return {&row, std::move(value), unit};
}

// Why the sheet gave no result: the first input outside its range, or the
// calculation's own reason with the formulation's narrower range.
std::string RejectionMessage(const TCalculation& c, const std::vector<TGivenInput>& inputs,
                             const TWaterSteamFormulation& formulation)
{
    for (const TGivenInput& in : inputs) {
        const TInputRange* range = InputRangeOf(c.Sheet, in.Row->Row);
        const float internal = ToInternalUnit(in.Row->List, in.Unit, static_cast<float>(in.Value.Value));
        if (range && !InInputRange(c.Sheet, in.Row->Row, internal)) {
            std::string said = std::string(in.Row->Key) + " = " + in.Value.Number.toStdString() + " "
                               + AsciiUnitName(in.Row->List, in.Unit);
            if (in.Unit != InternalUnitIndex(in.Row->List))
                said += " (" + FormatShortFloat(internal) + " " + AsciiUnitName(in.Row->List, InternalUnitIndex(in.Row->List)) + ")";
            return "no result: " + said + " is outside " + RangeText(*range, in.Row->Key);
        }
    }
    return std::string("no result: ") + (*c.NoResult ? c.NoResult : "the calculation gives none for these inputs")
           + FormulationRangeNote(formulation);
}

bool Rejected(const TSheetLayout& layout, const TSheetReport& report, const TSheetRow* sought)
{
    for (const TSheetRow& r : layout.Results) {
        const bool result = sought ? &r == sought : r.Value != TValueKind::Input;
        if (result && !report.Rows[static_cast<size_t>(r.Row)].Value.isEmpty())
            return false;
    }
    return true;
}

} // namespace

const std::vector<TCalcOption>& CalcOptions()
{
    static const std::vector<TCalcOption> options = {
        {"--decimal", ", | .", "the output's decimal separator (default: the system's)", false},
        {"--json", nullptr, "one JSON object instead of the table", false},
        {"--pdf", "FILE", "also print the calculated sheet into a PDF file", false},
        {"--formulation", "classic | if97", "the water-and-steam formulation (default: classic)", true},
        {"--help", nullptr, "this text (also -h)", false},
    };
    return options;
}

bool CalcOptionApplies(const TCalcOption& option, const std::vector<const TCalculation*>& rows)
{
    return !option.WaterSteamOnly
           || std::any_of(rows.begin(), rows.end(), [](const TCalculation* c) { return IsWaterSteamSheet(c->Sheet); });
}

int RunCalculationCommand(const std::string& command, const std::vector<std::string>& args, std::ostream& out)
{
    const std::vector<const TCalculation*> rows = CalculationsOf(command);
    if (rows.empty())
        throw ECliUsage("unknown calculation " + CliQuote(command));
    const TCliOptions options(args);
    options.Only(AllowedOptions(rows));
    const std::optional<FormatSettings> settings = options.DecimalSettings();
    std::optional<TFormatSettingsOverride> locale;
    if (settings)
        locale.emplace(*settings);

    const TCalculation& c = Choose(command, rows, options);
    const TSheetLayout& layout = SheetLayoutOf(c.Sheet);
    const std::vector<TChosenUnit> chosen = ChosenUnits(layout, options);
    TCalcOutcome outcome{&c, {}, nullptr, std::nullopt};
    const std::vector<const TSheetRow*> inputRows = InputRows(c);
    for (size_t i = 0; i < inputRows.size(); ++i) {
        if (const std::optional<std::string> text = options.Value(InputOption(*inputRows[i])))
            outcome.Inputs.push_back(ReadInput(*inputRows[i], *text, chosen));
        else
            outcome.Sought = inputRows[i];
    }

    TSheetRun run(c.Sheet);
    for (const TChosenUnit& u : chosen)
        for (const TSheetRow* r : UnitRowsOf(layout, u.List))
            run.Apply({2, r->Row, std::nullopt, u.Index});
    if (outcome.Sought) {
        const auto at = std::find(inputRows.begin(), inputRows.end(), outcome.Sought);
        run.Apply({1, 1, std::nullopt, static_cast<int>(at - inputRows.begin())});
    }
    const QChar decimal = CurrentFormatSettings().DecimalSeparator;
    for (const TGivenInput& in : outcome.Inputs) {
        run.Apply({2, in.Row->Row, std::nullopt, in.Unit});
        run.Apply({1, in.Row->Row, QString(in.Value.Number).replace(u'.', decimal), std::nullopt});
    }
    const TWaterSteamFormulation& formulation = FormulationOption(options);
    TSheetReport report = run.Run(formulation);
    if (const std::optional<std::string> pdf = options.Value("--pdf"))
        WriteSheetPdf(run.Sheet(), c.Sheet, *pdf);

    std::string error;
    if (Rejected(layout, report, outcome.Sought))
        error = RejectionMessage(c, outcome.Inputs, formulation);
    else
        outcome.Report = std::move(report);
    if (options.Has("--json"))
        WriteCalcJson(outcome, error, out);
    else
        WriteCalcText(outcome, out);
    if (!error.empty())
        throw ECliRejected(error);
    return CliExitOk;
}
