#include "cli/UnitAliases.h"

#include "cli/CliError.h"

#include <QString>
#include <QStringList>

namespace {

struct TAlias {
    TUnitList List;
    int Index;
    const char* Names; // ASCII aliases separated by "|"
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

QStringList AliasesOf(TUnitList list, int index)
{
    for (const TAlias& a : Aliases)
        if (a.List == list && a.Index == index)
            return QString::fromUtf8(a.Names).split(u'|');
    return {};
}

} // namespace

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
    throw ECliUsage(option + ": unknown unit '" + name + "' (choose " + choices.join(QStringLiteral(", ")).toStdString()
                    + ")");
}
