#include "if97/WaterSteamIf97.h"

#include "if97/If97State.h"
#include "if97/If97Transport.h"

#include <cmath>
#include <limits>

namespace If97 {
namespace {

constexpr double kKelvin = 273.15;
constexpr double kBarPerMPa = 10.0;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double MPa(double bar)
{
    return bar / kBarPerMPa;
}

TState AtPT(double p, double t)
{
    return StatePT(MPa(p), t + kKelvin);
}

TState AtPH(double p, double h)
{
    return StatePH(MPa(p), h);
}

} // namespace

const char* RangeErrorPT(double p, double t)
{
    if (!std::isfinite(p) || !std::isfinite(t))
        return "not a number";
    if (!(p > 0))
        return "pressure not above 0 bar";
    if (p > kPMax * kBarPerMPa)
        return "pressure above 1000 bar";
    if (t < 0)
        return "temperature below 0 °C";
    if (t > kTMax - kKelvin)
        return "temperature above 2000 °C";
    if (t > kT25 - kKelvin && p > kP5Max * kBarPerMPa)
        return "above 800 °C the pressure is limited to 500 bar";
    return nullptr;
}

double SaturationTemperature(double p)
{
    const double pm = MPa(p);
    if (!(pm >= SaturationPressureK(kTMin) && pm <= kPc))
        return kNaN;
    return SaturationTemperatureMPa(pm) - kKelvin;
}

double SaturationPressure(double t)
{
    const double T = t + kKelvin;
    if (!(T >= kTMin && T <= kTc))
        return kNaN;
    return SaturationPressureK(T) * kBarPerMPa;
}

double SaturatedWaterVolume(double t)
{
    return SaturatedLiquid(t + kKelvin).V;
}

double SaturatedSteamVolume(double t)
{
    return SaturatedVapour(t + kKelvin).V;
}

double SaturatedWaterEnthalpy(double t)
{
    return SaturatedLiquid(t + kKelvin).H;
}

double SaturatedSteamEnthalpy(double t)
{
    return SaturatedVapour(t + kKelvin).H;
}

double SaturatedWaterEntropy(double t)
{
    return SaturatedLiquid(t + kKelvin).S;
}

double SaturatedSteamEntropy(double t)
{
    return SaturatedVapour(t + kKelvin).S;
}

double EnthalpyPT(double p, double t)
{
    return CaloricStatePT(MPa(p), t + kKelvin).H;
}

double TemperaturePH(double p, double h)
{
    return CaloricStatePH(MPa(p), h).T - kKelvin;
}

double EntropyPH(double p, double h)
{
    return CaloricStatePH(MPa(p), h).S;
}

double VolumePH(double p, double h)
{
    return AtPH(p, h).V;
}

double DrynessPH(double p, double h)
{
    return CaloricStatePH(MPa(p), h).X;
}

double DrynessPV(double p, double v)
{
    const double pm = MPa(p);
    if (!(pm > 0 && pm <= kPMax) || std::isnan(v))
        return kNaN;
    if (pm >= kPc)
        return v <= 1.0 / kRhoc ? 0.0 : 1.0;
    const double T = SaturationTemperatureMPa(pm);
    const double v1 = SaturatedLiquid(T).V;
    const double v2 = SaturatedVapour(T).V;
    const double x = (v - v1) / (v2 - v1);
    return x <= 0 ? 0.0 : x >= 1 ? 1.0 : x;
}

double EnthalpyPS(double p, double s)
{
    return CaloricStatePS(MPa(p), s).H;
}

double AdiabaticHeatDrop(double P0, double h0, double Pk)
{
    return h0 - EnthalpyPS(Pk, EntropyPH(P0, h0));
}

double HeatCapacityPT(double p, double t)
{
    return CaloricStatePT(MPa(p), t + kKelvin).Cp;
}

double ThermalConductivityPT(double p, double t)
{
    const TState st = AtPT(p, t);
    return st.Region == 0 ? kNaN : ThermalConductivity(st);
}

double KinematicViscosityPT(double p, double t)
{
    const TState st = AtPT(p, t);
    return st.Region == 0 ? kNaN : Viscosity(1.0 / st.V, st.T) * st.V;
}

double PrandtlPT(double p, double t)
{
    const TState st = AtPT(p, t);
    if (st.Region == 0)
        return kNaN;
    return Viscosity(1.0 / st.V, st.T) * st.Cp * 1000.0 / ThermalConductivity(st);
}

} // namespace If97
