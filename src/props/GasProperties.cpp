#include "props/GasProperties.h"

#include "props/Horner.h"

#include <cmath>
#include <cstddef>

namespace {

constexpr double KcalToKJ = 4.186;

// The heat capacities were fitted in kcal/(m³·K); the terms run from t⁵ down.
template <std::size_t N>
float HeatCapacity(const double (&a)[N], float t)
{
    return static_cast<float>(KcalToKJ * PowerSumDown(a, t));
}

// Sum of the powers from t⁰ up, rounded to float, then scaled and rounded again.
template <std::size_t N>
float ScaledFit(const double (&a)[N], float t, double scale)
{
    const float y = static_cast<float>(PowerSumUp(a, t));
    return static_cast<float>(y * scale);
}

} // namespace

float AirHeatCapacity(float t)
{
    static constexpr double A[] = {0.31519196, 3.5619473e-06, 6.0760977e-08, -5.1300306e-11, 1.7716406e-14, -2.2616689e-18};
    return HeatCapacity(A, t);
}

float AirThermalConductivity(float t)
{
    static constexpr double A[] = {0.024367, 7.8744e-05, -1.8497e-08, -2.171e-11, 1.7641e-14};
    return ScaledFit(A, t, 1.0);
}

float AirDensity(float t)
{
    return static_cast<float>(352.55 / (t + 272.81));
}

float AirThermalDiffusivity(float t)
{
    static constexpr double A[] = {18.653, 0.12827, 0.0002147, -2.1848e-07, 1.02e-10};
    return ScaledFit(A, t, 1e-06);
}

float AirKinematicViscosity(float t)
{
    static constexpr double A[] = {1.3334426e-05, 8.6303219e-08, 1.1379092e-10, -5.6219934e-14, 2.3531342e-17};
    return ScaledFit(A, t, 1.0);
}

float AirPrandtl(float t)
{
    // Two fits that do not meet: the value drops by about 0.03 just above 200 °C.
    if (t <= 200.0f) {
        // The last term of the low-temperature fit is a constant, not a power of t.
        return static_cast<float>(0.70958 - 0.00032594 * t + 1.4526e-06 * std::pow(static_cast<double>(t), 2.0)
                                  - 8.5932e-09);
    }
    return static_cast<float>(0.66168 + 5.6643e-05 * t);
}

float RO2HeatCapacity(float t)
{
    static constexpr double A[] = {0.38231419, 0.000252071841, -1.66333841e-07, 7.6427112e-11, -2.0555466e-14, 2.3407239e-18};
    return HeatCapacity(A, t);
}

float NitrogenHeatCapacity(float t)
{
    static constexpr double A[] = {0.30929091, -5.3739164e-06, 6.2620324e-08, -4.7710105e-11, 1.543612e-14, -1.881896e-18};
    return HeatCapacity(A, t);
}

float WaterVapourHeatCapacity(float t)
{
    static constexpr double A[] = {0.3567226, 2.4795243e-05, 5.72072221e-08, -3.5393369e-11, 9.1538884e-15, -9.2691428e-19};
    return HeatCapacity(A, t);
}

float AshHeatCapacity(float t)
{
    static constexpr double A[] = {0.17661723, 0.00017788785, -2.6438212e-07, 1.7199313e-10, -2.0249676e-14, -7.1330819e-18};
    return HeatCapacity(A, t);
}

float FlueGasThermalConductivity(float t)
{
    const float y = static_cast<float>(2.2642 + 0.0086148 * t);
    return static_cast<float>(y * 0.01);
}

float FlueGasDensity(float t)
{
    return static_cast<float>(352.17 / (t + 270.85));
}

float FlueGasThermalDiffusivity(float t)
{
    static constexpr double A[] = {16.925, 0.1124, 0.00028839, -3.2707e-07, 3.2502e-10, -1.14e-13};
    return ScaledFit(A, t, 1e-06);
}

float FlueGasKinematicViscosity(float t)
{
    static constexpr double A[] = {1.222359e-05, 7.4345639e-08, 1.1242939e-10, -4.0384652e-14, 8.2038929e-18};
    return ScaledFit(A, t, 1.0);
}
