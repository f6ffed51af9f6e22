#include "cli/UnitAliases.h"

#include "cli/CliError.h"

#include <QString>
#include <QStringList>

namespace {

struct TAlias {
    TUnitList List;
    int Index;
    const char* Names; // ASCII aliases separated by "|", the first one shown in help
};

constexpr TAlias Aliases[] = {
    {TUnitList::Pressure, 0, "MPa"},
    {TUnitList::Pressure, 1, "bar"},
    {TUnitList::Pressure, 2, "atm"},
    {TUnitList::Pressure, 3, "kgf/cm2|at"},
    {TUnitList::Temperature, 0, "C|degC|°C"},
    {TUnitList::Temperature, 1, "K"},
    {TUnitList::Temperature, 2, "F|degF"},
    {TUnitList::Enthalpy, 0, "kJ/kg"},
    {TUnitList::Enthalpy, 1, "kcal/kg"},
    {TUnitList::Entropy, 0, "kJ/(kg*K)|kJ/kgK|kJ/(kg*C)"},
    {TUnitList::Entropy, 1, "kcal/(kg*K)|kcal/kgK|kcal/(kg*C)"},
    {TUnitList::VolumetricHeatCapacity, 0, "kJ/(m3*K)|kJ/m3K"},
    {TUnitList::VolumetricHeatCapacity, 1, "kcal/(m3*K)|kcal/m3K"},
    {TUnitList::ThermalConductivity, 0, "W/(m*K)|W/mK"},
    {TUnitList::ThermalConductivity, 1, "kcal/(m*h*K)|kcal/mhK"},
};

const std::vector<TUnitOption>& Options()
{
    static const std::vector<TUnitOption> options = {
        {"--p-unit", {TUnitList::Pressure}},
        {"--t-unit", {TUnitList::Temperature}},
        {"--h-unit", {TUnitList::Enthalpy}},
        {"--s-unit", {TUnitList::Entropy}},
        {"--c-unit", {TUnitList::SpecificHeat, TUnitList::VolumetricHeatCapacity}},
        {"--lambda-unit", {TUnitList::ThermalConductivity}},
    };
    return options;
}

QStringList AliasesOf(TUnitList list, int index)
{
    // A specific heat has the units of an entropy.
    if (list == TUnitList::SpecificHeat)
        list = TUnitList::Entropy;
    for (const TAlias& a : Aliases)
        if (a.List == list && a.Index == index)
            return QString::fromUtf8(a.Names).split(u'|');
    return {};
}

} // namespace

std::span<const TUnitOption> UnitOptions()
{
    return Options();
}

const TUnitOption* UnitOptionOf(TUnitList list)
{
    for (const TUnitOption& o : Options())
        for (TUnitList l : o.Lists)
            if (l == list)
                return &o;
    return nullptr;
}

int UnitIndexOf(TUnitList list, const std::string& name, const std::string& option)
{
    const QString wanted = QString::fromStdString(name).trimmed();
    const QStringList& items = UnitListItems(list);
    QStringList choices;
    for (int i = 0; i < items.size(); ++i) {
        QStringList names = AliasesOf(list, i);
        names.prepend(items[i].trimmed());
        for (const QString& n : names)
            if (n.compare(wanted, Qt::CaseInsensitive) == 0)
                return i;
        choices << names.join(u'/');
    }
    throw ECliUsage(option + ": unknown unit " + CliQuote(name) + " (choose "
                    + choices.join(QStringLiteral(", ")).toStdString() + ")");
}

std::string AsciiUnitName(TUnitList list, int index)
{
    const QStringList aliases = AliasesOf(list, index);
    return (aliases.isEmpty() ? UnitListItems(list).value(index) : aliases.first()).toStdString();
}

std::string UnitChoices(TUnitList list)
{
    std::string text;
    const QStringList& items = UnitListItems(list);
    for (int i = 0; i < items.size(); ++i)
        text += (i ? " | " : "") + AsciiUnitName(list, i) + " (" + items[i].toStdString() + ")";
    return text;
}
