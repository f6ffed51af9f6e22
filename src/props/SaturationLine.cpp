#include "props/SaturationLine.h"

#include "props/Horner.h"

#include <cmath>

namespace {

constexpr double BarToKgfPerCm2 = 1.0197162129779282333;
constexpr double KgfPerCm2ToBar = 0.980665;

// t_s as a polynomial of ln(p) with p in kgf/cm².
constexpr double SatTemperatureFit[] = {
    99.09271199,      27.85424215,     2.375357647,     0.2107780463,
    0.02129682011,    0.00132837729,   -0.0003739348425, -1.74177519e-05,
    2.207171179e-05,  1.534373134e-06, -4.26956851e-07, -4.292460291e-08,
};

// ln(p_s) in kgf/cm² + 5.078709984, as a polynomial of τ = t/100 (no constant term).
constexpr double SatPressureFit[] = {
    0.0,              7.270489907,     -3.033726807,    1.256759065,
    -0.560865937,     0.247756338,     -0.08659024966,  0.02015339284,
    -0.002693452728,  0.0001553179872,
};
constexpr double SatPressureOffset = 5.078709984;

// Fits of the saturated properties in τ = t/100; see each function for the
// final step from the polynomial to the property.
constexpr double WaterVolumeFit[] = {
    0.0010001789,     1.390533e-07,    2.0639347e-05,   0.00014001053,
    -0.00027979589,   0.00027254276,   -0.000150442234, 4.8021276e-05,
    -8.267041e-06,    5.968357e-07,
};
constexpr double SteamVolumeFit[] = {
    0.0126,           0.0045945234,    -3.1913345e-05,  -0.0003168401,
    0.00033979946,    -0.00034194103,  0.00014519652,   -2.8638253e-05,
    2.0409848e-06,
};
constexpr double WaterEnthalpyFit[] = {
    0.0,              0.42290733,      -0.025507948,    0.06222956,
    -0.08382342,      0.06921469,      -0.03453679,     0.010322371,
    -0.001699491,     0.00011936422,
};
constexpr double SteamEnthalpyFit[] = {
    2.50096,          0.1843054,       0.000195911,     -0.012737746,
    0.00938497,       -0.0080477568,   0.0027325329,    -0.00034714286,
};
constexpr double WaterEntropyFit[] = {
    0.0,              1.5446705,       -0.34417244,     0.20307179,
    -0.17724907,      0.12375197,      -0.05623206,     0.015734212,
    -0.002467064,     0.0001672019,
};
constexpr double SteamEntropyFit[] = {
    9.1563856,        -2.6836757,      1.3274657,       -0.7315862,
    0.48081603,       -0.27846878,     0.1064901,       -0.02405001,
    0.0028728,        -0.00014,
};

float Tau(float t)
{
    return static_cast<float>(t * 0.01);
}

} // namespace

float SaturationTemperature(float p)
{
    const float x = static_cast<float>(p * BarToKgfPerCm2);
    const float L = static_cast<float>(std::log(static_cast<double>(x)));
    return static_cast<float>(Horner(SatTemperatureFit, L));
}

float SaturationPressure(float t)
{
    const double P = Horner(SatPressureFit, Tau(t));
    return static_cast<float>(std::exp(P - SatPressureOffset) * KgfPerCm2ToBar);
}

float SaturatedWaterVolume(float t)
{
    return static_cast<float>(Horner(WaterVolumeFit, Tau(t)));
}

float SaturatedSteamVolume(float t)
{
    // The fit is of p_s·v″, so it goes through the float saturation pressure.
    const float ps = SaturationPressure(t);
    return static_cast<float>(Horner(SteamVolumeFit, Tau(t)) * 100.0 / ps);
}

float SaturatedWaterEnthalpy(float t)
{
    return static_cast<float>((Horner(WaterEnthalpyFit, Tau(t)) - 4.16e-05) * 1000.0);
}

float SaturatedSteamEnthalpy(float t)
{
    return static_cast<float>(Horner(SteamEnthalpyFit, Tau(t)) * 1000.0);
}

float SaturatedWaterEntropy(float t)
{
    return static_cast<float>(Horner(WaterEntropyFit, Tau(t)) - 0.00011);
}

float SaturatedSteamEntropy(float t)
{
    return static_cast<float>(Horner(SteamEntropyFit, Tau(t)));
}
