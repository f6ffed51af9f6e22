// The unit lists of the calculation sheets and their conversion factors.
// Each list is an ordered set of unit names (the items of a unit pick list);
// a value typed in the unit with index i converts to the property library's
// internal unit (bar, °C, kJ/kg, kJ/(kg·K)), and an internal result converts
// to the unit selected in its row. The pressure factors for "атм" and
// "кгс/см2" (0.987 and 1.019, with their reciprocals on output) and the
// temperature offset 273 are the program's own, not the physical ones.
// Every conversion result is rounded to a 32-bit float.
#pragma once

#include <QStringList>

enum class TUnitList {
    None, // a dimensionless row: no unit cell is read, nothing converts
    Pressure,
    Temperature,
    Enthalpy,
    Entropy,
    SpecificVolume,
    VolumetricHeatCapacity,
    ThermalConductivity,
    SquareMetresPerSecond,
    Density,
    KilogramsPerSquareSecond,
    HeatDropQuantity,
};

// The items of a list, exactly as the pick lists show them.
const QStringList& UnitListItems(TUnitList list);

// u, typed in the unit with that index, in internal units; an index that
// matches no unit of a converting list leaves the value as entered.
float ToInternalUnit(TUnitList list, int index, float u);

// An internal result r in the unit with that index; single-unit lists and
// indices that match no unit give r unchanged.
float FromInternalUnit(TUnitList list, int index, float r);
