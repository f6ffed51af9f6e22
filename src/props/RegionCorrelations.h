// Single-phase fits of water and steam for the regions the state functions
// select: temperature, volume and entropy of superheated steam and of the
// near-critical region from (p, h), and volume and enthalpy of compressed
// water from (p, t). Units: p bar, t °C, h kJ/kg, s kJ/(kg·K), v m³/kg.
// Closed formulas on floats with no argument checks: each is meant for its
// own region only (SteamVolumePH divides by h/1000 − 1.68 and by p,
// NearCriticalVolumePH by p, SteamEntropyPH takes log10(h/100 − 20)).
#pragma once

float SteamTemperaturePH(float p, float h);
float NearCriticalTemperaturePH(float p, float h);
float SteamVolumePH(float p, float h);
float NearCriticalVolumePH(float p, float h);
float SteamEntropyPH(float p, float h);
float NearCriticalEntropyPH(float p, float h);
float WaterVolumePT(float p, float t);
float WaterEnthalpyPT(float p, float t);
