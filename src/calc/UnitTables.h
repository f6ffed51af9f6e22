// The unit lists of the calculation sheets and their conversion factors.
// Each list is an ordered set of unit names (the items of a unit pick list);
// a value typed in the unit with index i converts to the property library's
// internal unit (bar, °C, kJ/kg, kJ/(kg·K)), and an internal result converts
// to the unit selected in its row. "атм" and "кгс/см2" are the physical
// 1.01325 and 0.980665 bar; the temperature offset of "°K" is 273, the
// program's own. Every conversion result is rounded to a 32-bit float.
#pragma once

#include <QStringList>

enum class TUnitList {
    None, // a dimensionless row: no unit cell is read, nothing converts
    Pressure,
    Temperature,
    Enthalpy,
    Entropy,
    SpecificHeat, // per kg: the water-and-steam sheets' heat capacity
    SpecificVolume,
    VolumetricHeatCapacity,
    ThermalConductivity,
    SquareMetresPerSecond,
    Density,
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

// The index of the internal unit in a list (bar in the pressure list; the
// first unit of every other list).
int InternalUnitIndex(TUnitList list);
