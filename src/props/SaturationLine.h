// The saturation line of water: saturation temperature from pressure,
// saturation pressure from temperature, and the volume, enthalpy and entropy
// of saturated water (′) and dry saturated steam (″) as functions of the
// temperature. Units: p bar, t °C, h kJ/kg, s kJ/(kg·K), v m³/kg. Pure
// closed-form fits on floats; no argument checks (SaturationTemperature of a
// non-positive pressure takes the logarithm of it). Near 374 °C the water and
// steam branches approach each other but do not meet.
#pragma once

float SaturationTemperature(float p);
float SaturationPressure(float t);

float SaturatedWaterVolume(float t);
float SaturatedSteamVolume(float t);
float SaturatedWaterEnthalpy(float t);
float SaturatedSteamEnthalpy(float t);
float SaturatedWaterEntropy(float t);
float SaturatedSteamEntropy(float t);
