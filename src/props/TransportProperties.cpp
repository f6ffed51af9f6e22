#include "props/TransportProperties.h"

#include "props/Horner.h"
#include "props/SaturationLine.h"

#include <cmath>

namespace {

bool IsWater(float p, float t)
{
    return t < SaturationTemperature(p);
}

// F = a0 + a1·P + a2·P² + a3·t + a4·t² + a5·P·t with P in MPa, times 10^-scaleExponent.
struct TTransportFit {
    double a[6];
    int scaleExponent;
};

float Evaluate(const TTransportFit& fit, float p, float t)
{
    const float P = static_cast<float>(0.1 * p);
    const double Pd = P;
    const double td = t;
    const double F = fit.a[0] + fit.a[1] * Pd + fit.a[2] * std::pow(Pd, 2) + fit.a[3] * td
                     + fit.a[4] * std::pow(td, 2) + fit.a[5] * Pd * td;
    return static_cast<float>(F * std::pow(10.0, -fit.scaleExponent));
}

constexpr TTransportFit ConductivityWater{
    {27.4090995788574, 0.0591065362095833, -0.00889020692557096, 0.389339625835419,
     -0.00105610757600516, 0.00170186685863882},
    2};
constexpr TTransportFit ConductivitySteam{
    {14.4862594604492, 1.18928360939026, 0.00788884703069925, -0.0734835714101791,
     0.000116191695269663, -0.00245118141174316},
    2};
constexpr TTransportFit ViscosityWater{
    {0.296617746353149, 0.000686551502440125, -1.05494814306439e-06, -0.00103151996154338,
     1.53033238348144e-06, -2.12546660804946e-06},
    6};
constexpr TTransportFit ViscositySteam{
    {-0.255369037389755, -0.0689635723829269, 0.00231754500418901, 0.0049767829477787,
     -1.00186082363507e-06, -0.000107019171991851},
    6};
constexpr TTransportFit PrandtlWater{
    {3.73669195175171, 0.0153995724394917, 0.00017033408221323, -0.0242968574166298,
     5.18836823175661e-05, -0.000101314108178485},
    0};
// 0.23045614 was fitted into a float; the other coefficients are doubles.
constexpr TTransportFit PrandtlSteam{
    {5.56421279907227, static_cast<double>(0.23045614f), 0.00103444640990347, -0.0240116380155087,
     2.914736069215e-05, -0.000479437527246773},
    0};

} // namespace

float HeatCapacityPT(float p, float t)
{
    static constexpr double Water[] = {4.1863, 0.0037295, -0.00014078, 1.6448e-06, -7.169e-09, 1.1032e-11};
    static constexpr double Steam[] = {-10.42, 0.33959, -0.0028954, 4.0675e-06, 6.114e-08, -2.923e-10, 3.8447e-13};
    return static_cast<float>(IsWater(p, t) ? PowerSumUp(Water, t) : PowerSumUp(Steam, t));
}

float ThermalConductivityPT(float p, float t)
{
    return Evaluate(IsWater(p, t) ? ConductivityWater : ConductivitySteam, p, t);
}

float KinematicViscosityPT(float p, float t)
{
    return Evaluate(IsWater(p, t) ? ViscosityWater : ViscositySteam, p, t);
}

float PrandtlPT(float p, float t)
{
    return Evaluate(IsWater(p, t) ? PrandtlWater : PrandtlSteam, p, t);
}
