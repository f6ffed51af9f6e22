#include "if97/If97State.h"

#include "if97/If97Backward.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace If97 {
namespace {

constexpr int kMaxNewtonSteps = 30;
constexpr double kStepTolerance = 1e-13;
constexpr double kLastStep = 1e-9;

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
// ∂h/∂T = cp and ∂s/∂T = cp/T, on h, s and cp alone.
enum class TBy { H, S };

double Quantity(const TCaloric& c, TBy by)
{
    return by == TBy::H ? c.H : c.S;
}

double Quantity(const TState& st, TBy by)
{
    return by == TBy::H ? st.H : st.S;
}

struct TGibbsRegion {
    TState (*Full)(double p, double T);
    TCaloric (*Caloric)(double p, double T);
    int Region;
};
constexpr TGibbsRegion kGibbs1{Region1, Region1Caloric, 1};
constexpr TGibbsRegion kGibbs2{Region2, Region2Caloric, 2};
constexpr TGibbsRegion kGibbs5{Region5, Region5Caloric, 5};

struct TNewtonResult {
    TState State;
    bool Converged;
};

// Gives up as soon as T leaves [lo, hi].
TNewtonResult NewtonT(const TGibbsRegion& region, double p, double T, double target, TBy by, bool full,
                      double lo = 0.0, double hi = std::numeric_limits<double>::infinity())
{
    // Started from a backward equation (some 1e-5 off), one step leaves an
    // error of order 1e-10 and the next of order 1e-20: a step below 1e-9·T
    // is taken as the last, and h, s follow it to first order (exact to
    // that error) instead of evaluating the equation once more.
    TCaloric c = region.Caloric(p, T);
    bool converged = false;
    for (int i = 0; i < kMaxNewtonSteps; ++i) {
        const double f = Quantity(c, by) - target;
        const double slope = by == TBy::H ? c.Cp : c.Cp / T;
        if (!(slope > 0))
            break;
        const double step = std::clamp(f / slope, -0.2 * T, 0.2 * T);
        if (std::abs(step) <= kLastStep * T) {
            c.H -= step * c.Cp;
            c.S -= step * c.Cp / T;
            T -= step;
            converged = true;
            break;
        }
        T -= step;
        if (!(T >= lo && T <= hi))
            break;
        c = region.Caloric(p, T);
    }
    if (full)
        return {region.Full(p, T), converged};
    TState st;
    st.P = p;
    st.T = T;
    st.H = c.H;
    st.S = c.S;
    st.Cp = c.Cp;
    st.Region = region.Region;
    return {st, converged};
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

TState Checked(TState st)
{
    if (!(st.T >= kTMin * (1 - 1e-12) && st.T <= kTMax * (1 + 1e-12)))
        return Invalid();
    return st;
}

// Regions 2 and 5 above the saturation line or the B23 boundary.
TState GasBy(double p, double target, TBy by, bool full)
{
    // Along the 1073.15 K isotherm h falls as p rises, so below its value
    // at 100 MPa an enthalpy needs no look at the boundary.
    static const double kH25Min = Region2Caloric(kPMax, kT25).H;
    const bool surelyRegion2 = by == TBy::H && target < kH25Min;
    const TCaloric at25 = surelyRegion2 ? TCaloric{} : Region2Caloric(p, kT25);
    if (surelyRegion2 || target <= Quantity(at25, by)) {
        const double T0 = by == TBy::H ? Region2TemperaturePH(p, target) : Region2TemperaturePS(p, target);
        TState st = NewtonT(kGibbs2, p, std::min(T0, kT25), target, by, full).State;
        st.X = 1.0;
        return Checked(st);
    }
    if (p > kP5Max)
        return Invalid();
    // No backward equations for region 5: start from a constant cp.
    const double T5 = by == TBy::H ? kT25 + (target - at25.H) / at25.Cp
                                   : kT25 * std::exp((target - at25.S) / at25.Cp);
    TState st = NewtonT(kGibbs5, p, std::min(T5, kTMax), target, by, full).State;
    st.X = 1.0;
    return Checked(st);
}

TState LiquidBy(double p, double target, TBy by, bool full)
{
    const double T0 = by == TBy::H ? Region1TemperaturePH(p, target) : Region1TemperaturePS(p, target);
    TState st = NewtonT(kGibbs1, p, T0, target, by, full).State;
    st.X = 0.0;
    return Checked(st);
}

// Most states asked for are plainly superheated steam or compressed water.
// The backward equation alone then puts them well to one side of the
// saturation line, and Newton's result proves it: h and s rise with T in
// each region, so a converged T on that side of Ts is the state the general
// search would find, without evaluating the saturated states first.
std::optional<TState> ClearlyGas(double p, double ts, double target, TBy by, bool full)
{
    const double T2 = by == TBy::H ? Region2TemperaturePH(p, target) : Region2TemperaturePS(p, target);
    if (!(T2 > ts + 1.0 && T2 < kT25 - 20.0))
        return std::nullopt;
    TNewtonResult r = NewtonT(kGibbs2, p, T2, target, by, full, ts - 10.0, kT25 + 10.0);
    if (!(r.Converged && r.State.T >= ts && r.State.T <= kT25))
        return std::nullopt;
    r.State.X = 1.0;
    return r.State;
}

std::optional<TState> ClearlyLiquid(double p, double ts, double target, TBy by, bool full)
{
    const double T1 = by == TBy::H ? Region1TemperaturePH(p, target) : Region1TemperaturePS(p, target);
    if (!(T1 < ts - 1.0 && T1 > kTMin))
        return std::nullopt;
    TNewtonResult r = NewtonT(kGibbs1, p, T1, target, by, full, kTMin - 10.0, ts + 10.0);
    if (!(r.Converged && r.State.T <= ts && r.State.T >= kTMin))
        return std::nullopt;
    r.State.X = 0.0;
    return r.State;
}

std::optional<TState> ClearlySinglePhase(double p, double ts, double target, TBy by, bool full)
{
    // Below 16.5 MPa saturated water has h < 1700 kJ/kg and s < 3.8 kJ/(kg·K)
    // and saturated steam h > 2400 and s > 5.2: the midway value picks the
    // likelier side to try first.
    const bool waterFirst = by == TBy::H ? target < 2000.0 : target < 4.5;
    if (waterFirst) {
        if (std::optional<TState> st = ClearlyLiquid(p, ts, target, by, full))
            return st;
        return ClearlyGas(p, ts, target, by, full);
    }
    if (std::optional<TState> st = ClearlyGas(p, ts, target, by, full))
        return st;
    return ClearlyLiquid(p, ts, target, by, full);
}

TState StateBy(double p, double target, TBy by, bool full)
{
    if (!(p > 0 && p <= kPMax) || !std::isfinite(target))
        return Invalid();
    if (p < kPs13) {
        const double ts = SaturationTemperatureMPa(p);
        if (const std::optional<TState> st = ClearlySinglePhase(p, ts, target, by, full))
            return *st;
        const double vapour = Quantity(Region2Caloric(p, ts), by);
        if (target > vapour)
            return GasBy(p, target, by, full);
        const double liquid = Quantity(Region1Caloric(p, ts), by);
        if (target < liquid)
            return LiquidBy(p, target, by, full);
        return Mixture(p, Region1(p, ts), Region2(p, ts), (target - liquid) / (vapour - liquid));
    }
    if (target <= Quantity(Region1Caloric(p, kT13), by))
        return LiquidBy(p, target, by, full);
    if (target >= Quantity(Region2Caloric(p, B23Temperature(p)), by))
        return GasBy(p, target, by, full);
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
    return StateBy(p, h, TBy::H, true);
}

TState StatePS(double p, double s)
{
    return StateBy(p, s, TBy::S, true);
}

TState CaloricStatePT(double p, double T)
{
    const int region = RegionPT(p, T);
    if (region == 0 || region == 3)
        return StatePT(p, T);
    const TGibbsRegion& r = region == 1 ? kGibbs1 : region == 2 ? kGibbs2 : kGibbs5;
    const TCaloric c = r.Caloric(p, T);
    TState st;
    st.P = p;
    st.T = T;
    st.H = c.H;
    st.S = c.S;
    st.Cp = c.Cp;
    st.X = region == 1 ? 0.0 : 1.0;
    st.Region = region;
    return st;
}

TState CaloricStatePH(double p, double h)
{
    return StateBy(p, h, TBy::H, false);
}

TState CaloricStatePS(double p, double s)
{
    return StateBy(p, s, TBy::S, false);
}

// One side of the saturation line at T: regions 1 or 2 below 623.15 K,
// region 3 on the side asked for above.
static TState SaturatedSide(double T, TSide side)
{
    if (!(T >= kTMin && T <= kTc))
        return Invalid();
    const double ps = SaturationPressureK(T);
    if (T <= kT13) {
        const bool liquid = side == TSide::Liquid;
        TState st = liquid ? Region1(ps, T) : Region2(ps, T);
        st.X = liquid ? 0.0 : 1.0;
        return st;
    }
    return Region3PT(ps, T, side);
}

TState SaturatedLiquid(double T)
{
    return SaturatedSide(T, TSide::Liquid);
}

TState SaturatedVapour(double T)
{
    return SaturatedSide(T, TSide::Vapour);
}

} // namespace If97
