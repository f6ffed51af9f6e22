// The help of the calculation commands, written from the same tables that
// run them: the calculations, the sheet layouts, the input ranges and the
// unit options.
#include "cli/CalcCommand.h"

#include "calc/InputRanges.h"
#include "cli/Calculations.h"
#include "cli/RangeText.h"
#include "cli/UnitAliases.h"

#include <QString>

#include <algorithm>
#include <iomanip>

namespace {

constexpr int OptionWidth = 18;

std::string Placeholder(const TSheetRow& row)
{
    return QString::fromLatin1(row.Key).toUpper().toStdString();
}

std::string Label(const TSheetRow& row)
{
    return QString::fromUtf16(row.Label).trimmed().toStdString();
}

void WriteUsage(const std::string& command, const std::vector<const TCalculation*>& rows, std::ostream& out)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        out << (i ? "       " : "Usage: ") << "calorix-cli " << command;
        for (const TSheetRow* r : InputRows(*rows[i])) {
            const std::string input = InputOption(*r) + " " + Placeholder(*r);
            out << ' ' << (rows[i]->FindsOne ? "[" + input + "]" : input);
        }
        out << " [OPTIONS]\n         " << rows[i]->Summary << '\n';
    }
    out << '\n';
}

void WriteInputs(const std::vector<const TCalculation*>& rows, std::ostream& out)
{
    out << "Inputs: a number with \".\" or \",\" as the separator, optionally followed by\n"
           "its unit (--p 40bar, --p \"40 бар\", --t 573K, --h \"800 kcal/kg\"); without one\n"
           "it is in the unit of the quantity's unit option, else in the first unit.\n";
    for (const TCalculation* c : rows) {
        for (const TSheetRow* r : InputRows(*c)) {
            const TInputRange* range = InputRangeOf(c->Sheet, r->Row);
            const QString label = QString::fromStdString(Label(*r));
            out << "  " << std::left << std::setw(OptionWidth) << InputOption(*r) + " " + Placeholder(*r) << Label(*r)
                << std::string(static_cast<size_t>(std::max(1, 24 - static_cast<int>(label.size()))), ' ')
                << (range ? RangeText(*range, r->Key) : std::string("any number")) << '\n';
        }
    }
    out << "  Ranges are in bar, C, kJ/kg and kJ/(kg*K); other units convert first.\n";
    if (std::any_of(rows.begin(), rows.end(), [](const TCalculation* c) { return c->FindsOne; }))
        out << "  Give all inputs but one: the one left out is found.\n";
    out << '\n';
}

void WriteUnits(const std::vector<const TCalculation*>& rows, std::ostream& out)
{
    out << "Units (each applies to every row of its quantity, inputs and results;\n"
           "the first is the default; the sheet's own names work too):\n";
    for (const TUnitOption& u : UnitOptions()) {
        for (TUnitList list : u.Lists) {
            const bool shown = std::any_of(rows.begin(), rows.end(), [&](const TCalculation* c) {
                return !UnitRowsOf(SheetLayoutOf(c->Sheet), list).empty();
            });
            if (shown)
                out << "  " << std::left << std::setw(OptionWidth) << u.Option << UnitChoices(list) << '\n';
        }
    }
    out << '\n';
}

void WriteOptions(const std::vector<const TCalculation*>& rows, std::ostream& out)
{
    out << "Options:\n";
    for (const TCalcOption& o : CalcOptions()) {
        if (!CalcOptionApplies(o, rows))
            continue;
        const std::string name = std::string(o.Name) + (o.Value ? std::string(" ") + o.Value : std::string());
        // A name too long for its column puts the help on the next line.
        if (name.size() >= OptionWidth)
            out << "  " << name << '\n' << std::string(OptionWidth + 2, ' ') << o.Help << '\n';
        else
            out << "  " << std::left << std::setw(OptionWidth) << name << o.Help << '\n';
    }
    out << '\n';
}

void WriteKeys(const std::vector<const TCalculation*>& rows, std::ostream& out)
{
    std::vector<std::string> keys;
    for (const TCalculation* c : rows)
        for (const TSheetRow& r : SheetLayoutOf(c->Sheet).Results)
            if (std::find(keys.begin(), keys.end(), r.Key) == keys.end())
                keys.emplace_back(r.Key);
    out << "Rows, by their JSON key:";
    for (const std::string& k : keys)
        out << ' ' << k;
    out << "\nJSON: {\"calculation\", \"inputs\": {KEY: {\"value\", \"text\", \"unit\"}},\n"
           "       \"rows\": [{\"row\", \"key\", \"label\", \"value\", \"text\", \"unit\"}, ...]}\n"
           "  \"value\" is a number, or null for an empty result or a text.\n";
    if (std::find(keys.begin(), keys.end(), "state") != keys.end())
        out << "  The state row also has \"colour\" (#rrggbb).\n";
    if (std::any_of(rows.begin(), rows.end(), [](const TCalculation* c) { return c->FindsOne; }))
        out << "  \"find\" is the key of the quantity found.\n";
    out << "  Rejected inputs give no rows and an \"error\".\n\n";
}

} // namespace

void WriteCalculationHelp(const std::string& command, std::ostream& out)
{
    const std::vector<const TCalculation*> rows = CalculationsOf(command);
    WriteUsage(command, rows, out);
    WriteInputs(rows, out);
    WriteUnits(rows, out);
    WriteOptions(rows, out);
    WriteKeys(rows, out);
    out << "Example" << (rows.size() > 1 ? "s" : "") << ":\n";
    for (const TCalculation* c : rows)
        out << "  calorix-cli " << command << ' ' << c->Example << '\n';
    out << "\nExit status: 0 results shown; 1 inputs rejected (out of range, or no\n"
           "solution): the inputs are shown and the reason goes to standard error;\n"
           "2 usage error (unknown option or unit, missing input, not a number).\n";
}
