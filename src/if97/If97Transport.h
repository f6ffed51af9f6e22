// Viscosity (IAPWS 2008) and thermal conductivity (IAPWS 2011) of water and
// steam in their industrial forms: densities and derivatives from IF97, the
// viscosity's critical enhancement taken as 1 (as the 2008 release
// recommends for industrial use), the conductivity's critical enhancement
// with the reference derivative ζ(T_R) of the 2011 release's industrial
// equation. Units ρ kg/m³, T K; results Pa·s and W/(m·K). Pure.
#pragma once

#include "if97/If97Regions.h"

namespace If97 {

double Viscosity(double rho, double T);

// λ0·λ1, without the critical enhancement.
double ThermalConductivityBackground(double rho, double T);

// The full conductivity of a single-phase state from StatePT.
double ThermalConductivity(const TState& st);

} // namespace If97
