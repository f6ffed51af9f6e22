// Properties of air and of flue gases at atmospheric pressure as functions of
// the temperature t in °C alone: volumetric heat capacities of air, of the
// flue-gas components RO2, nitrogen and water vapour, and of ash
// (kJ/(m³·K)); thermal conductivity W/(m·K); density kg/m³; thermal
// diffusivity and kinematic viscosity m²/s; the Prandtl number of air. Pure
// fits on floats; no argument checks (the densities divide by zero at
// t = −272.81 °C for air and −270.85 °C for flue gas).
#pragma once

float AirHeatCapacity(float t);
float AirThermalConductivity(float t);
float AirDensity(float t);
float AirThermalDiffusivity(float t);
float AirKinematicViscosity(float t);
float AirPrandtl(float t);

float RO2HeatCapacity(float t);
float NitrogenHeatCapacity(float t);
float WaterVapourHeatCapacity(float t);
float AshHeatCapacity(float t);

float FlueGasThermalConductivity(float t);
float FlueGasDensity(float t);
float FlueGasThermalDiffusivity(float t);
float FlueGasKinematicViscosity(float t);
