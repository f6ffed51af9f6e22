// A formulation of water and steam: the property functions the calculation
// handlers use, behind one table of function pointers so that each handler
// runs with either without a second copy of its logic. The classic
// formulation is the program's own correlations (the property library); the
// IF97 one computes by IAPWS-IF97 and returns NaN outside its range, which
// the handlers show as empty results. Both tables are constant and live for
// the whole program; the classic one is the default everywhere.
#pragma once

#include <span>
#include <string_view>

struct TWaterSteamFormulation {
    const char* Name; // "classic" or "if97", as typed on the command line

    float (*SaturationTemperature)(float p);
    float (*SaturationPressure)(float t);
    float (*SaturatedWaterVolume)(float t);
    float (*SaturatedSteamVolume)(float t);
    float (*SaturatedWaterEnthalpy)(float t);
    float (*SaturatedSteamEnthalpy)(float t);
    float (*SaturatedWaterEntropy)(float t);
    float (*SaturatedSteamEntropy)(float t);

    float (*EnthalpyPT)(float p, float t);
    float (*TemperaturePH)(float p, float h);
    float (*EntropyPH)(float p, float h);
    float (*VolumePH)(float p, float h);
    float (*DrynessPV)(float p, float v);
    float (*EnthalpyPS)(float p, float s);
    float (*AdiabaticHeatDrop)(float P0, float h0, float Pk);

    float (*HeatCapacityPT)(float p, float t);
    float (*ThermalConductivityPT)(float p, float t);
    float (*KinematicViscosityPT)(float p, float t);
    float (*PrandtlPT)(float p, float t);
};

const TWaterSteamFormulation& ClassicFormulation();
const TWaterSteamFormulation& If97Formulation();

// The formulation of that name, or null.
const TWaterSteamFormulation* FindFormulation(std::string_view name);

// The IF97 counterparts of the property library's water-and-steam functions
// in double precision, under the library's names and with its arguments
// and units (see props/FunctionTable.h for those).
struct TIf97Function {
    const char* Name;
    int ArgCount;
    double (*F1)(double);
    double (*F2)(double, double);
    double (*F3)(double, double, double);
};
std::span<const TIf97Function> If97Functions();
const TIf97Function* FindIf97Function(std::string_view name);
