// The basic equations of IAPWS-IF97 region by region, in the release's own
// units: p MPa, T K, v m³/kg, h kJ/kg, s kJ/(kg·K), w m/s. Regions 1, 2 and 5
// are Gibbs free energies of (p, T); region 3 is a Helmholtz free energy of
// (ρ, T); region 4 is the saturation line with the B23 boundary beside it.
// Each function evaluates its equation wherever asked: choosing the region
// and keeping inside the validity range is the caller's task (If97State).
// Pure; no state.
#pragma once

namespace If97 {

inline constexpr double kR = 0.461526;    // kJ/(kg·K)
inline constexpr double kTc = 647.096;    // K
inline constexpr double kPc = 22.064;     // MPa
inline constexpr double kRhoc = 322.0;    // kg/m³
inline constexpr double kT13 = 623.15;    // K, the region 1-3 boundary
inline constexpr double kT25 = 1073.15;   // K, the region 2-5 boundary
inline constexpr double kTMax = 2273.15;  // K
inline constexpr double kPMax = 100.0;    // MPa
inline constexpr double kP5Max = 50.0;    // MPa
inline constexpr double kTMin = 273.15;   // K

// A state and the properties the program uses. KappaT is the isothermal
// compressibility −(1/v)(∂v/∂p)_T in 1/MPa. In the two-phase region
// (Region 4) X is the dryness fraction and V, H, S are the mixture's, while
// Cp, Cv, W and KappaT are left at zero; single-phase states have X 0 below
// the critical temperature on the liquid side and 1 elsewhere.
struct TState {
    double P = 0, T = 0, V = 0, H = 0, S = 0, Cp = 0, Cv = 0, W = 0, KappaT = 0;
    double X = 0;
    int Region = 0;
};

TState Region1(double p, double T);
TState Region2(double p, double T);
TState Region5(double p, double T);
TState Region3(double rho, double T); // P is the pressure the equation gives

// h, s and cp alone of the Gibbs regions, for the solvers' inner steps.
struct TCaloric {
    double H, S, Cp;
};
TCaloric Region1Caloric(double p, double T);
TCaloric Region2Caloric(double p, double T);
TCaloric Region5Caloric(double p, double T);

// The derivatives of region 3 that the (p, h) and (p, s) solvers need, with
// the pressure, h and s themselves: ∂/∂ρ at constant T, ∂/∂T at constant ρ.
struct TRegion3Jacobian {
    double P, H, S;
    double PRho, PT, HRho, HT, SRho, ST;
};
TRegion3Jacobian Region3Jacobian(double rho, double T);

// Saturation pressure of T (273.15 … 647.096 K) and its inverse.
double SaturationPressureK(double T);
double SaturationTemperatureMPa(double p);

// The B23 boundary between regions 2 and 3 (623.15 … 863.15 K).
double B23Pressure(double T);
double B23Temperature(double p);

} // namespace If97
