// The state of water and steam from a pair of known quantities: t, v and s
// from (p, h); h from (p, t) and from (p, s); the dryness fraction from
// (p, v); and the isentropic heat drop between two pressures. Units: p bar,
// t °C, h kJ/kg, s kJ/(kg·K), v m³/kg. Each function picks, by fixed
// boundaries, the saturation line (two-phase region), a region correlation
// or a secant search; from p ≥ 221.2 bar (float p against the double 221.2)
// no saturation line is used. Pure; searches that do not converge give 0.1.
#pragma once

float TemperaturePH(float p, float h);
float VolumePH(float p, float h);
float EntropyPH(float p, float h);
float EnthalpyPT(float p, float t);
float EnthalpyPS(float p, float s);
float DrynessPV(float p, float v);
float AdiabaticHeatDrop(float P0, float h0, float Pk);
