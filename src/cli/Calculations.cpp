#include "cli/Calculations.h"

#include <algorithm>

namespace {

constexpr TCalculation Table[] = {
    {"pt", 1, false, "water and steam by pressure and temperature", "--p 10 --p-unit bar --t 300", ""},
    {"ph", 6, false, "water and steam by pressure and enthalpy", "--p 1 --h 1500", ""},
    {"ps", 7, false, "water and steam by pressure and entropy", "--p 40bar --s 6.5", ""},
    {"saturation", 2, false, "the saturation state by pressure", "--p 1atm", ""},
    {"saturation", 8, false, "the saturation state by temperature", "--t 100", ""},
    {"heat-drop", 3, true, "the adiabatic heat drop; give three of the four, the fourth is found",
     "--p0 100bar --h0 3400 --pk 1bar",
     "no value of the sought quantity in its search interval gives that heat drop"},
    {"air", 4, false, "air at atmospheric pressure", "--t 20", ""},
    {"flue-gas", 5, false, "flue gases at atmospheric pressure", "--t 800", ""},
};

} // namespace

std::span<const TCalculation> Calculations()
{
    return Table;
}

std::vector<const TCalculation*> CalculationsOf(const std::string& command)
{
    std::vector<const TCalculation*> rows;
    for (const TCalculation& c : Table)
        if (command == c.Command)
            rows.push_back(&c);
    return rows;
}

std::vector<std::string> CalculationCommands()
{
    std::vector<std::string> commands;
    for (const TCalculation& c : Table)
        if (std::find(commands.begin(), commands.end(), c.Command) == commands.end())
            commands.emplace_back(c.Command);
    return commands;
}

std::vector<const TSheetRow*> InputRows(const TCalculation& c)
{
    const TSheetLayout& layout = SheetLayoutOf(c.Sheet);
    std::vector<const TSheetRow*> rows;
    for (const auto part : {layout.Inputs, layout.Results})
        for (const TSheetRow& r : part)
            if (r.Value == TValueKind::Input)
                rows.push_back(&r);
    return rows;
}

std::string InputOption(const TSheetRow& row)
{
    return std::string("--") + row.Key;
}
