// Specific heat capacity and transport properties of water and steam from
// (p, t): heat capacity kJ/(kg·K), thermal conductivity W/(m·K), kinematic
// viscosity m²/s, Prandtl number. Inputs p bar, t °C. Each function has a
// water fit (t < t_s of p) and a steam fit (t ≥ t_s, so t = t_s is steam);
// t_s is extrapolated above 221.2 bar. Pure, no argument checks; the steam
// heat-capacity fit is returned as computed even where it grows wildly.
#pragma once

float HeatCapacityPT(float p, float t);
float ThermalConductivityPT(float p, float t);
float KinematicViscosityPT(float p, float t);
float PrandtlPT(float p, float t);
