#include "if97/If97Backward.h"

#include "if97/If97TablesBackward.h"

#include <cmath>

namespace If97 {
namespace {

using namespace If97Data;

constexpr TTermSet k1TPH = MakeTermSet(kRegion1TPH);
constexpr TTermSet k1TPS = MakeTermSet(kRegion1TPS);
constexpr TTermSet k2aTPH = MakeTermSet(kRegion2aTPH);
constexpr TTermSet k2bTPH = MakeTermSet(kRegion2bTPH);
constexpr TTermSet k2cTPH = MakeTermSet(kRegion2cTPH);
constexpr TTermSet k2aTPS = MakeTermSet(kRegion2aTPS);
constexpr TTermSet k2bTPS = MakeTermSet(kRegion2bTPS);
constexpr TTermSet k2cTPS = MakeTermSet(kRegion2cTPS);
constexpr TTermSet k3aTPH = MakeTermSet(kRegion3aTPH);
constexpr TTermSet k3bTPH = MakeTermSet(kRegion3bTPH);
constexpr TTermSet k3aVPH = MakeTermSet(kRegion3aVPH);
constexpr TTermSet k3bVPH = MakeTermSet(kRegion3bVPH);
constexpr TTermSet k3aTPS = MakeTermSet(kRegion3aTPS);
constexpr TTermSet k3bTPS = MakeTermSet(kRegion3bTPS);
constexpr TTermSet k3aVPS = MakeTermSet(kRegion3aVPS);
constexpr TTermSet k3bVPS = MakeTermSet(kRegion3bVPS);

// Above 4 MPa region 2 splits into 2b and 2c; below 6.5467 MPa the 2b-2c
// boundary lies in region 1 or 4, so only 2b remains there.
constexpr double kP2bcStart = 6.546699678;

} // namespace

double Region1TemperaturePH(double p, double h)
{
    return SumTerms(k1TPH, p, h / 2500.0 + 1.0);
}

double Region1TemperaturePS(double p, double s)
{
    return SumTerms(k1TPS, p, s + 2.0);
}

double B2bcPressure(double h)
{
    return 905.84278514723 - 0.67955786399241 * h + 1.2809002730136e-4 * h * h;
}

double B2bcEnthalpy(double p)
{
    return 0.26526571908428e4 + std::sqrt((p - 0.45257578905948e1) / 1.2809002730136e-4);
}

double Region2TemperaturePH(double p, double h)
{
    const double eta = h / 2000.0;
    if (p <= 4.0)
        return SumTerms(k2aTPH, p, eta - 2.1);
    if (p <= kP2bcStart || h >= B2bcEnthalpy(p))
        return SumTerms(k2bTPH, p - 2.0, eta - 2.6);
    return SumTerms(k2cTPH, p + 25.0, eta - 1.8);
}

double Region2TemperaturePS(double p, double s)
{
    if (p <= 4.0)
        return SumTerms(k2aTPS, std::sqrt(std::sqrt(p)), s / 2.0 - 2.0);
    if (s >= 5.85)
        return SumTerms(k2bTPS, p, 10.0 - s / 0.7853);
    return SumTerms(k2cTPS, p, 2.0 - s / 2.9251);
}

double B3abEnthalpy(double p)
{
    return 0.201464004206875e4 + 3.74696550136983 * p - 0.0219921901054187 * p * p +
           0.875131686009950e-4 * p * p * p;
}

double Region3TemperaturePH(double p, double h)
{
    const double pi = p / 100.0;
    if (h <= B3abEnthalpy(p))
        return 760.0 * SumTerms(k3aTPH, pi + 0.240, h / 2300.0 - 0.615);
    return 860.0 * SumTerms(k3bTPH, pi + 0.298, h / 2800.0 - 0.720);
}

double Region3VolumePH(double p, double h)
{
    const double pi = p / 100.0;
    if (h <= B3abEnthalpy(p))
        return 0.0028 * SumTerms(k3aVPH, pi + 0.128, h / 2100.0 - 0.727);
    return 0.0088 * SumTerms(k3bVPH, pi + 0.0661, h / 2800.0 - 0.720);
}

double Region3TemperaturePS(double p, double s)
{
    const double pi = p / 100.0;
    if (s <= kSc)
        return 760.0 * SumTerms(k3aTPS, pi + 0.240, s / 4.4 - 0.703);
    return 860.0 * SumTerms(k3bTPS, pi + 0.760, s / 5.3 - 0.818);
}

double Region3VolumePS(double p, double s)
{
    const double pi = p / 100.0;
    if (s <= kSc)
        return 0.0028 * SumTerms(k3aVPS, pi + 0.187, s / 4.4 - 0.755);
    return 0.0088 * SumTerms(k3bVPS, pi + 0.298, s / 5.3 - 0.816);
}

} // namespace If97
