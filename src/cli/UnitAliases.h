// Unit names on the command line: the pick lists' own texts ("бар", "°С",
// "кДж/кг", …) and plain ASCII aliases (bar, MPa, atm, kgf/cm2, C, K, F,
// kJ/kg, kcal/kg, kJ/(kg*K), W/(m*K), …), matched without regard to case,
// and the unit options that choose them (--p-unit, --t-unit, …). One
// option may serve several lists of one kind of quantity: --c-unit sets the
// heat capacity per kilogram of water and steam and per cubic metre of the
// gases, each from its own list.
#pragma once

#include "calc/UnitTables.h"

#include <span>
#include <string>
#include <vector>

struct TUnitOption {
    const char* Option; // "--p-unit"
    std::vector<TUnitList> Lists;
};

// Every unit option, in the order the help lists them.
std::span<const TUnitOption> UnitOptions();

// The unit option that serves a list, or null.
const TUnitOption* UnitOptionOf(TUnitList list);

// The index of the unit in the list; raises ECliUsage naming the choices.
int UnitIndexOf(TUnitList list, const std::string& name, const std::string& option);

// The first ASCII name of a unit ("bar", "kJ/(kg*K)"); the sheet's own
// text when it has none.
std::string AsciiUnitName(TUnitList list, int index);

// "MPa (МПа) | bar (бар) | …": every unit of the list for the help.
std::string UnitChoices(TUnitList list);
