// The water and steam functions of the program, computed by IAPWS-IF97, in
// the program's units: p bar, t °C, h kJ/kg, s kJ/(kg·K), v m³/kg, heat
// capacity kJ/(kg·K), conductivity W/(m·K), kinematic viscosity m²/s. Names
// and arguments are those of the classic property library so either can
// stand behind a calculation. Results are doubles; any input outside IF97's
// range (0 … 2000 °C, p up to 1000 bar, up to 500 bar above 800 °C) gives
// NaN, and so does a saturation function asked beyond the critical point.
// Pure; no state.
#pragma once

namespace If97 {

// Whether (p, t) lies inside the formulation's range, and if not why (a
// short English phrase naming the limit crossed); null when inside.
const char* RangeErrorPT(double p, double t);

double SaturationTemperature(double p);
double SaturationPressure(double t);
double SaturatedWaterVolume(double t);
double SaturatedSteamVolume(double t);
double SaturatedWaterEnthalpy(double t);
double SaturatedSteamEnthalpy(double t);
double SaturatedWaterEntropy(double t);
double SaturatedSteamEntropy(double t);

double EnthalpyPT(double p, double t);
double TemperaturePH(double p, double h);
double EntropyPH(double p, double h);
double VolumePH(double p, double h);
double DrynessPH(double p, double h);
double DrynessPV(double p, double v);
double EnthalpyPS(double p, double s);
double AdiabaticHeatDrop(double P0, double h0, double Pk);

double HeatCapacityPT(double p, double t);
double ThermalConductivityPT(double p, double t);
double KinematicViscosityPT(double p, double t);
double PrandtlPT(double p, double t);

} // namespace If97
