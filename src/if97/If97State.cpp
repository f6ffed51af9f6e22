#include "if97/If97State.h"

#include "if97/If97Backward.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace If97 {
namespace {

constexpr int kMaxNewtonSteps = 30;
constexpr double kStepTolerance = 1e-13;

const double kPs13 = SaturationPressureK(kT13);

TState Invalid()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    TState st;
    st.P = st.T = st.V = st.H = st.S = st.Cp = st.Cv = st.W = st.KappaT = st.X = nan;
    st.Region = 0;
    return st;
}

// ρ at (p, T) on the region 3 equation, started from the backward equation
// and kept on the requested side of the critical density.
double Region3Density(double p, double T, TSide side)
{
    double rho = 1.0 / Region3VolumePT(p, T, side);
    for (int i = 0; i < kMaxNewtonSteps; ++i) {
        const TRegion3Jacobian j = Region3Jacobian(rho, T);
        if (!(j.PRho > 0))
            break; // on the critical point itself: keep what we have
        const double step = std::clamp((j.P - p) / j.PRho, -0.1 * rho, 0.1 * rho);
        rho -= step;
        if (side == TSide::Liquid)
            rho = std::max(rho, kRhoc);
        else if (side == TSide::Vapour)
            rho = std::min(rho, kRhoc);
        if (std::abs(step) <= kStepTolerance * rho)
            break;
    }
    return rho;
}

TState Region3PT(double p, double T, TSide side)
{
    TState st = Region3(Region3Density(p, T, side), T);
    st.P = p;
    st.X = side == TSide::Liquid || (side == TSide::Auto && T < kTc && p > SaturationPressureK(T)) ? 0.0 : 1.0;
    return st;
}

// The single-phase Gibbs regions by Newton on T: f(p, T) − target with
// ∂h/∂T = cp and ∂s/∂T = cp/T.
enum class TBy { H, S };

template <typename TRegionFn>
TState NewtonT(TRegionFn region, double p, double T, double target, TBy by)
{
    TState st = region(p, T);
    for (int i = 0; i < kMaxNewtonSteps; ++i) {
        const double f = by == TBy::H ? st.H - target : st.S - target;
        const double slope = by == TBy::H ? st.Cp : st.Cp / st.T;
        if (!(slope > 0))
            break;
        const double step = std::clamp(f / slope, -0.2 * st.T, 0.2 * st.T);
        st = region(p, st.T - step);
        if (std::abs(step) <= kStepTolerance * st.T)
            break;
    }
    return st;
}

// Region 3 by (p, h) or (p, s): Newton on (ρ, T) from the backward values.
TState Region3By(double p, double target, TBy by)
{
    double T = by == TBy::H ? Region3TemperaturePH(p, target) : Region3TemperaturePS(p, target);
    double rho = 1.0 / (by == TBy::H ? Region3VolumePH(p, target) : Region3VolumePS(p, target));
    for (int i = 0; i < kMaxNewtonSteps; ++i) {
        const TRegion3Jacobian j = Region3Jacobian(rho, T);
        const double f1 = j.P - p;
        const double f2 = (by == TBy::H ? j.H : j.S) - target;
        const double a = j.PRho, b = j.PT;
        const double c = by == TBy::H ? j.HRho : j.SRho;
        const double d = by == TBy::H ? j.HT : j.ST;
        const double det = a * d - b * c;
        if (!(det != 0))
            break;
        const double dRho = std::clamp((f1 * d - f2 * b) / det, -0.1 * rho, 0.1 * rho);
        const double dT = std::clamp((a * f2 - c * f1) / det, -0.05 * T, 0.05 * T);
        rho -= dRho;
        T -= dT;
        if (std::abs(dRho) <= kStepTolerance * rho && std::abs(dT) <= kStepTolerance * T)
            break;
    }
    TState st = Region3(rho, T);
    st.X = T < kTc && p < kPc && rho > kRhoc ? 0.0 : 1.0;
    return st;
}

TState Mixture(double p, const TState& liquid, const TState& vapour, double x)
{
    TState st;
    st.P = p;
    st.T = liquid.T;
    st.X = x;
    st.V = liquid.V + x * (vapour.V - liquid.V);
    st.H = liquid.H + x * (vapour.H - liquid.H);
    st.S = liquid.S + x * (vapour.S - liquid.S);
    st.Region = 4;
    return st;
}

double Quantity(const TState& st, TBy by)
{
    return by == TBy::H ? st.H : st.S;
}

TState Checked(TState st)
{
    if (!(st.T >= kTMin * (1 - 1e-12) && st.T <= kTMax * (1 + 1e-12)))
        return Invalid();
    return st;
}

// Regions 2 and 5 above the saturation line or the B23 boundary.
TState GasBy(double p, double target, TBy by)
{
    const TState at25 = Region2(p, kT25);
    if (target <= Quantity(at25, by)) {
        const double T0 = by == TBy::H ? Region2TemperaturePH(p, target) : Region2TemperaturePS(p, target);
        TState st = NewtonT(Region2, p, std::min(T0, kT25), target, by);
        st.X = 1.0;
        return Checked(st);
    }
    if (p > kP5Max)
        return Invalid();
    // No backward equations for region 5: start from a constant cp.
    const double T0 = by == TBy::H ? kT25 + (target - at25.H) / at25.Cp
                                   : kT25 * std::exp((target - at25.S) / at25.Cp);
    TState st = NewtonT(Region5, p, std::min(T0, kTMax), target, by);
    st.X = 1.0;
    return Checked(st);
}

TState LiquidBy(double p, double target, TBy by)
{
    const double T0 = by == TBy::H ? Region1TemperaturePH(p, target) : Region1TemperaturePS(p, target);
    TState st = NewtonT(Region1, p, T0, target, by);
    st.X = 0.0;
    return Checked(st);
}

TState StateBy(double p, double target, TBy by)
{
    if (!(p > 0 && p <= kPMax) || !std::isfinite(target))
        return Invalid();
    if (p < kPs13) {
        const double ts = SaturationTemperatureMPa(p);
        const TState liquid = Region1(p, ts);
        const TState vapour = Region2(p, ts);
        if (target < Quantity(liquid, by))
            return LiquidBy(p, target, by);
        if (target <= Quantity(vapour, by)) {
            const double x = (target - Quantity(liquid, by)) / (Quantity(vapour, by) - Quantity(liquid, by));
            return Mixture(p, liquid, vapour, x);
        }
        return GasBy(p, target, by);
    }
    if (target <= Quantity(Region1(p, kT13), by))
        return LiquidBy(p, target, by);
    if (target >= Quantity(Region2(p, B23Temperature(p)), by))
        return GasBy(p, target, by);
    if (p < kPc) {
        const double ts = SaturationTemperatureMPa(p);
        const TState liquid = SaturatedLiquid(ts);
        const TState vapour = SaturatedVapour(ts);
        if (target >= Quantity(liquid, by) && target <= Quantity(vapour, by)) {
            const double x = (target - Quantity(liquid, by)) / (Quantity(vapour, by) - Quantity(liquid, by));
            return Mixture(p, liquid, vapour, x);
        }
    }
    return Region3By(p, target, by);
}

} // namespace

int RegionPT(double p, double T)
{
    if (!(p > 0 && p <= kPMax && T >= kTMin && T <= kTMax))
        return 0;
    if (T > kT25)
        return p <= kP5Max ? 5 : 0;
    if (T <= kT13)
        return p > SaturationPressureK(T) ? 1 : 2;
    return p > B23Pressure(T) ? 3 : 2;
}

TState StatePT(double p, double T)
{
    switch (RegionPT(p, T)) {
    case 1: {
        TState st = Region1(p, T);
        st.X = 0.0;
        return st;
    }
    case 2: {
        TState st = Region2(p, T);
        st.X = 1.0;
        return st;
    }
    case 3:
        return Region3PT(p, T, TSide::Auto);
    case 5: {
        TState st = Region5(p, T);
        st.X = 1.0;
        return st;
    }
    default:
        return Invalid();
    }
}

TState StatePH(double p, double h)
{
    return StateBy(p, h, TBy::H);
}

TState StatePS(double p, double s)
{
    return StateBy(p, s, TBy::S);
}

TState SaturatedLiquid(double T)
{
    if (!(T >= kTMin && T <= kTc))
        return Invalid();
    const double ps = SaturationPressureK(T);
    if (T <= kT13) {
        TState st = Region1(ps, T);
        st.X = 0.0;
        return st;
    }
    return Region3PT(ps, T, TSide::Liquid);
}

TState SaturatedVapour(double T)
{
    if (!(T >= kTMin && T <= kTc))
        return Invalid();
    const double ps = SaturationPressureK(T);
    if (T <= kT13) {
        TState st = Region2(ps, T);
        st.X = 1.0;
        return st;
    }
    return Region3PT(ps, T, TSide::Vapour);
}

} // namespace If97
