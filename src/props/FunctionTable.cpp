#include "props/FunctionTable.h"

#include "props/GasProperties.h"
#include "props/RegionCorrelations.h"
#include "props/SaturationLine.h"
#include "props/StateFunctions.h"
#include "props/TransportProperties.h"

#include <array>
#include <limits>

namespace {

constexpr const char* Bar = "bar";
constexpr const char* Celsius = "C";
constexpr const char* KJPerKg = "kJ/kg";
constexpr const char* KJPerKgK = "kJ/(kg*K)";
constexpr const char* M3PerKg = "m3/kg";
constexpr const char* KJPerM3K = "kJ/(m3*K)";
constexpr const char* WPerMK = "W/(m*K)";
constexpr const char* M2PerS = "m2/s";
constexpr const char* KgPerM3 = "kg/m3";
constexpr const char* None = "-";

constexpr TPropFunction OfT(const char* name, const char* result, float (*f)(float))
{
    return {name, {"t", nullptr, nullptr}, {Celsius, nullptr, nullptr}, result, 1, f, nullptr, nullptr};
}

constexpr TPropFunction OfP(const char* name, const char* result, float (*f)(float))
{
    return {name, {"p", nullptr, nullptr}, {Bar, nullptr, nullptr}, result, 1, f, nullptr, nullptr};
}

// f(p, x) with x named and measured as given.
constexpr TPropFunction OfPX(const char* name, const char* x, const char* xUnit, const char* result,
                             float (*f)(float, float))
{
    return {name, {"p", x, nullptr}, {Bar, xUnit, nullptr}, result, 2, nullptr, f, nullptr};
}

constexpr std::array Functions{
    // Saturation line
    OfP("SaturationTemperature", Celsius, SaturationTemperature),
    OfT("SaturationPressure", Bar, SaturationPressure),
    OfT("SaturatedWaterVolume", M3PerKg, SaturatedWaterVolume),
    OfT("SaturatedSteamVolume", M3PerKg, SaturatedSteamVolume),
    OfT("SaturatedWaterEnthalpy", KJPerKg, SaturatedWaterEnthalpy),
    OfT("SaturatedSteamEnthalpy", KJPerKg, SaturatedSteamEnthalpy),
    OfT("SaturatedWaterEntropy", KJPerKgK, SaturatedWaterEntropy),
    OfT("SaturatedSteamEntropy", KJPerKgK, SaturatedSteamEntropy),
    // State functions
    OfPX("TemperaturePH", "h", KJPerKg, Celsius, TemperaturePH),
    OfPX("VolumePH", "h", KJPerKg, M3PerKg, VolumePH),
    OfPX("EntropyPH", "h", KJPerKg, KJPerKgK, EntropyPH),
    OfPX("EnthalpyPT", "t", Celsius, KJPerKg, EnthalpyPT),
    OfPX("EnthalpyPS", "s", KJPerKgK, KJPerKg, EnthalpyPS),
    OfPX("DrynessPV", "v", M3PerKg, None, DrynessPV),
    TPropFunction{"AdiabaticHeatDrop", {"P0", "h0", "Pk"}, {Bar, KJPerKg, Bar}, KJPerKg, 3,
                  nullptr, nullptr, AdiabaticHeatDrop},
    // Region correlations
    OfPX("SteamTemperaturePH", "h", KJPerKg, Celsius, SteamTemperaturePH),
    OfPX("NearCriticalTemperaturePH", "h", KJPerKg, Celsius, NearCriticalTemperaturePH),
    OfPX("SteamVolumePH", "h", KJPerKg, M3PerKg, SteamVolumePH),
    OfPX("NearCriticalVolumePH", "h", KJPerKg, M3PerKg, NearCriticalVolumePH),
    OfPX("SteamEntropyPH", "h", KJPerKg, KJPerKgK, SteamEntropyPH),
    OfPX("NearCriticalEntropyPH", "h", KJPerKg, KJPerKgK, NearCriticalEntropyPH),
    OfPX("WaterVolumePT", "t", Celsius, M3PerKg, WaterVolumePT),
    OfPX("WaterEnthalpyPT", "t", Celsius, KJPerKg, WaterEnthalpyPT),
    // Heat capacity and transport of water and steam
    OfPX("HeatCapacityPT", "t", Celsius, KJPerKgK, HeatCapacityPT),
    OfPX("ThermalConductivityPT", "t", Celsius, WPerMK, ThermalConductivityPT),
    OfPX("KinematicViscosityPT", "t", Celsius, M2PerS, KinematicViscosityPT),
    OfPX("PrandtlPT", "t", Celsius, None, PrandtlPT),
    // Air and flue gas
    OfT("AirHeatCapacity", KJPerM3K, AirHeatCapacity),
    OfT("AirThermalConductivity", WPerMK, AirThermalConductivity),
    OfT("AirDensity", KgPerM3, AirDensity),
    OfT("AirThermalDiffusivity", M2PerS, AirThermalDiffusivity),
    OfT("AirKinematicViscosity", M2PerS, AirKinematicViscosity),
    OfT("AirPrandtl", None, AirPrandtl),
    OfT("RO2HeatCapacity", KJPerM3K, RO2HeatCapacity),
    OfT("NitrogenHeatCapacity", KJPerM3K, NitrogenHeatCapacity),
    OfT("WaterVapourHeatCapacity", KJPerM3K, WaterVapourHeatCapacity),
    OfT("AshHeatCapacity", KJPerM3K, AshHeatCapacity),
    OfT("FlueGasThermalConductivity", WPerMK, FlueGasThermalConductivity),
    OfT("FlueGasDensity", KgPerM3, FlueGasDensity),
    OfT("FlueGasThermalDiffusivity", M2PerS, FlueGasThermalDiffusivity),
    OfT("FlueGasKinematicViscosity", M2PerS, FlueGasKinematicViscosity),
};

} // namespace

float TPropFunction::Call(std::span<const float> args) const
{
    // Too few values is the caller's slip, not a property: no value rather than a throw.
    if (args.size() < static_cast<std::size_t>(ArgCount))
        return std::numeric_limits<float>::quiet_NaN();
    switch (ArgCount) {
    case 1:
        return F1(args[0]);
    case 2:
        return F2(args[0], args[1]);
    case 3:
        return F3(args[0], args[1], args[2]);
    default:
        return std::numeric_limits<float>::quiet_NaN();
    }
}

std::span<const TPropFunction> PropFunctions()
{
    return Functions;
}

const TPropFunction* FindPropFunction(std::string_view name)
{
    for (const TPropFunction& function : Functions) {
        if (name == function.Name)
            return &function;
    }
    return nullptr;
}
