#include "calc/WaterSteamFormulation.h"

#include "if97/WaterSteamIf97.h"
#include "props/SaturationLine.h"
#include "props/StateFunctions.h"
#include "props/TransportProperties.h"

namespace {

// The IF97 functions rounded to the float the handlers compute with.
template <double (*F)(double)>
float AsFloat(float a)
{
    return static_cast<float>(F(a));
}

template <double (*F)(double, double)>
float AsFloat(float a, float b)
{
    return static_cast<float>(F(a, b));
}

template <double (*F)(double, double, double)>
float AsFloat(float a, float b, float c)
{
    return static_cast<float>(F(a, b, c));
}

constexpr TWaterSteamFormulation ClassicSet{
    "classic",
    SaturationTemperature, SaturationPressure,
    SaturatedWaterVolume, SaturatedSteamVolume,
    SaturatedWaterEnthalpy, SaturatedSteamEnthalpy,
    SaturatedWaterEntropy, SaturatedSteamEntropy,
    EnthalpyPT, TemperaturePH, EntropyPH, VolumePH, DrynessPV, EnthalpyPS, AdiabaticHeatDrop,
    HeatCapacityPT, ThermalConductivityPT, KinematicViscosityPT, PrandtlPT,
};

constexpr TWaterSteamFormulation If97Set{
    "if97",
    AsFloat<If97::SaturationTemperature>, AsFloat<If97::SaturationPressure>,
    AsFloat<If97::SaturatedWaterVolume>, AsFloat<If97::SaturatedSteamVolume>,
    AsFloat<If97::SaturatedWaterEnthalpy>, AsFloat<If97::SaturatedSteamEnthalpy>,
    AsFloat<If97::SaturatedWaterEntropy>, AsFloat<If97::SaturatedSteamEntropy>,
    AsFloat<If97::EnthalpyPT>, AsFloat<If97::TemperaturePH>, AsFloat<If97::EntropyPH>, AsFloat<If97::VolumePH>,
    AsFloat<If97::DrynessPV>, AsFloat<If97::EnthalpyPS>, AsFloat<If97::AdiabaticHeatDrop>,
    AsFloat<If97::HeatCapacityPT>, AsFloat<If97::ThermalConductivityPT>, AsFloat<If97::KinematicViscosityPT>,
    AsFloat<If97::PrandtlPT>,
};

constexpr TIf97Function If97Table[] = {
    {"SaturationTemperature", 1, If97::SaturationTemperature, nullptr, nullptr},
    {"SaturationPressure", 1, If97::SaturationPressure, nullptr, nullptr},
    {"SaturatedWaterVolume", 1, If97::SaturatedWaterVolume, nullptr, nullptr},
    {"SaturatedSteamVolume", 1, If97::SaturatedSteamVolume, nullptr, nullptr},
    {"SaturatedWaterEnthalpy", 1, If97::SaturatedWaterEnthalpy, nullptr, nullptr},
    {"SaturatedSteamEnthalpy", 1, If97::SaturatedSteamEnthalpy, nullptr, nullptr},
    {"SaturatedWaterEntropy", 1, If97::SaturatedWaterEntropy, nullptr, nullptr},
    {"SaturatedSteamEntropy", 1, If97::SaturatedSteamEntropy, nullptr, nullptr},
    {"TemperaturePH", 2, nullptr, If97::TemperaturePH, nullptr},
    {"VolumePH", 2, nullptr, If97::VolumePH, nullptr},
    {"EntropyPH", 2, nullptr, If97::EntropyPH, nullptr},
    {"EnthalpyPT", 2, nullptr, If97::EnthalpyPT, nullptr},
    {"EnthalpyPS", 2, nullptr, If97::EnthalpyPS, nullptr},
    {"DrynessPV", 2, nullptr, If97::DrynessPV, nullptr},
    {"AdiabaticHeatDrop", 3, nullptr, nullptr, If97::AdiabaticHeatDrop},
    {"HeatCapacityPT", 2, nullptr, If97::HeatCapacityPT, nullptr},
    {"ThermalConductivityPT", 2, nullptr, If97::ThermalConductivityPT, nullptr},
    {"KinematicViscosityPT", 2, nullptr, If97::KinematicViscosityPT, nullptr},
    {"PrandtlPT", 2, nullptr, If97::PrandtlPT, nullptr},
};

} // namespace

const TWaterSteamFormulation& ClassicFormulation()
{
    return ClassicSet;
}

const TWaterSteamFormulation& If97Formulation()
{
    return If97Set;
}

const TWaterSteamFormulation* FindFormulation(std::string_view name)
{
    for (const TWaterSteamFormulation* f : {&ClassicSet, &If97Set})
        if (name == f->Name)
            return f;
    return nullptr;
}

std::span<const TIf97Function> If97Functions()
{
    return If97Table;
}

const TIf97Function* FindIf97Function(std::string_view name)
{
    for (const TIf97Function& f : If97Table)
        if (name == f.Name)
            return &f;
    return nullptr;
}
