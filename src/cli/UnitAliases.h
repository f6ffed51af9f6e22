// Unit names on the command line: the pick lists' own texts ("бар", "°С",
// "кДж/кг", …) and plain ASCII aliases (bar, MPa, atm, kgf/cm2, C, K, F,
// kJ/kg, kcal/kg, kJ/(kg*K), W/(m*K), …), matched without regard to case.
#pragma once

#include "calc/UnitTables.h"

#include <string>

// The index of the unit in the list; raises ECliUsage naming the choices.
int UnitIndexOf(TUnitList list, const std::string& name, const std::string& option);
