// States of water and steam by IAPWS-IF97 from the pairs the program asks
// for: (p, T), (p, h), (p, s), and the two saturated states at a
// temperature. Each picks its region by the release's boundaries; backward
// equations give a first value that Newton steps on the basic equations
// refine until h, s or p agree to 1e-9 relative or better. Units p MPa, T K,
// h kJ/kg, s kJ/(kg·K). Outside the formulation's range (273.15 … 2273.15 K,
// p up to 100 MPa, up to 50 MPa above 1073.15 K, p above the saturation line
// below 273.15 K excluded) the result has Region 0 and NaN properties. Pure.
#pragma once

#include "if97/If97Regions.h"

namespace If97 {

// The region of a single-phase state at (p, T); 0 outside the range. On the
// saturation line itself (T = Ts(p)) the state counts as vapour.
int RegionPT(double p, double T);

TState StatePT(double p, double T);
TState StatePH(double p, double h);
TState StatePS(double p, double s);

// The same, quicker where only T, h, s, cp and the dryness are wanted: in
// regions 1, 2 and 5 V, Cv, W and KappaT are left at zero.
TState CaloricStatePT(double p, double T);
TState CaloricStatePH(double p, double h);
TState CaloricStatePS(double p, double s);

// Saturated liquid and vapour at T (273.15 … 647.096 K).
TState SaturatedLiquid(double T);
TState SaturatedVapour(double T);

} // namespace If97
