// The backward equations of IAPWS-IF97 and its supplementary releases:
// T(p, h) and T(p, s) of regions 1 and 2 (2a, 2b, 2c), T and v of (p, h) and
// of (p, s) in region 3 (3a, 3b), v(p, T) in region 3 (26 subregions) and the
// boundaries that choose among them. Units p MPa, T K, h kJ/kg, s kJ/(kg·K),
// v m³/kg. They agree with the basic equations only to the releases'
// tolerances (about 1e-6 relative, less near the critical point), so
// If97State refines each result on the basic equations. Pure; no state.
#pragma once

namespace If97 {

double Region1TemperaturePH(double p, double h);
double Region1TemperaturePS(double p, double s);
double Region2TemperaturePH(double p, double h);
double Region2TemperaturePS(double p, double s);

// The 2b-2c boundary: p of h and h of p.
double B2bcPressure(double h);
double B2bcEnthalpy(double p);

// The 3a-3b boundary h(p) and the critical entropy that splits 3a from 3b.
double B3abEnthalpy(double p);
inline constexpr double kSc = 4.41202148223476;

double Region3TemperaturePH(double p, double h);
double Region3VolumePH(double p, double h);
double Region3TemperaturePS(double p, double s);
double Region3VolumePS(double p, double s);

// Which side of the saturation line a region 3 state at T = Ts(p) is taken
// from; elsewhere the side follows from p and T.
enum class TSide { Auto, Liquid, Vapour };
double Region3VolumePT(double p, double T, TSide side = TSide::Auto);

} // namespace If97
