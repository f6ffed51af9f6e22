#include "props/StateFunctions.h"

#include "props/RegionCorrelations.h"
#include "props/SaturationLine.h"
#include "props/SolveSecant.h"

namespace {

// Above this pressure (bar) there is no two-phase region.
constexpr double CriticalBoundary = 221.2;

bool AboveCritical(float p)
{
    return static_cast<double>(p) >= CriticalBoundary;
}

// Lever rule: position of a between a1 and a2, as a float.
float Fraction(float a, float a1, float a2)
{
    return static_cast<float>((static_cast<double>(a) - a1) / (static_cast<double>(a2) - a1));
}

// Value between b1 and b2 at the fraction x.
float Interpolate(float x, float b1, float b2)
{
    return static_cast<float>((static_cast<double>(b2) - b1) * x + b1);
}

constexpr float WaterSearchTolerance = static_cast<float>(5 * 5e-05);
constexpr float SupercriticalSearchTolerance = static_cast<float>(2400 * 1e-05);

// Temperature of compressed water of enthalpy h, searched from 5 °C to upper.
float CompressedWaterTemperature(float p, float h, float upper)
{
    return SolveSecant(h, p, 5.0f, upper, WaterEnthalpyPT, WaterSearchTolerance);
}

} // namespace

// Below 221.2 bar the saturated properties (′ water, ″ steam) are taken at
// t_s of the pressure; each branch evaluates only the ones it needs.

float TemperaturePH(float p, float h)
{
    if (AboveCritical(p)) {
        if (h > 1700.0f && h < 2700.0f)
            return NearCriticalTemperaturePH(p, h);
        if (h >= 2700.0f)
            return SteamTemperaturePH(p, h);
    } else {
        const float ts = SaturationTemperature(p);
        if (h > SaturatedSteamEnthalpy(ts))
            return h < 2700.0f ? NearCriticalTemperaturePH(p, h) : SteamTemperaturePH(p, h);
        if (h > SaturatedWaterEnthalpy(ts))
            return ts;
    }
    return CompressedWaterTemperature(p, h, 350.0f);
}

float VolumePH(float p, float h)
{
    float upper = 330.0f;
    if (AboveCritical(p)) {
        if (h > 1700.0f && h < 2300.0f)
            return NearCriticalVolumePH(p, h);
        if (h >= 2300.0f)
            return SteamVolumePH(p, h);
    } else {
        const float ts = SaturationTemperature(p);
        const float h2 = SaturatedSteamEnthalpy(ts);
        if (h > h2) {
            if (p > 150.0f && h < 2750.0f)
                return NearCriticalVolumePH(p, h);
            if (h >= 1700.0f)
                return SteamVolumePH(p, h);
        } else if (const float h1 = SaturatedWaterEnthalpy(ts); h > h1) {
            const float x = Fraction(h, h1, h2);
            return Interpolate(x, SaturatedWaterVolume(ts), SaturatedSteamVolume(ts));
        } else {
            upper = ts;
        }
    }
    return WaterVolumePT(p, CompressedWaterTemperature(p, h, upper));
}

float EntropyPH(float p, float h)
{
    if (AboveCritical(p))
        return h < 3200.0f ? NearCriticalEntropyPH(p, h) : SteamEntropyPH(p, h);

    const float ts = SaturationTemperature(p);
    const float h2 = SaturatedSteamEnthalpy(ts);
    if (h > h2) {
        if (p > 125.0f && h < 2900.0f)
            return NearCriticalEntropyPH(p, h);
        if (h >= 2500.0f)
            return SteamEntropyPH(p, h);
    }
    const float h1 = SaturatedWaterEnthalpy(ts);
    const float s1 = SaturatedWaterEntropy(ts);
    if (h < h1)
        return s1; // compressed water is not told apart from saturated water
    return Interpolate(Fraction(h, h1, h2), s1, SaturatedSteamEntropy(ts));
}

float EnthalpyPT(float p, float t)
{
    if (AboveCritical(p)) {
        if (t > 374.0f)
            return SolveSecant(t, p, 2400.0f, 3900.0f, TemperaturePH, SupercriticalSearchTolerance);
        return WaterEnthalpyPT(p, t);
    }
    const float ts = SaturationTemperature(p);
    if (t < ts)
        return WaterEnthalpyPT(p, t);
    // t = t_s counts as steam: the search from h″ finds the dry saturated state.
    const float h2 = SaturatedSteamEnthalpy(ts);
    const float tol = static_cast<float>(h2 * 1e-07);
    float h = SolveSecant(t, p, h2, 3900.0f, SteamTemperaturePH, tol);
    if (p > 100.0f && h < 2700.0f)
        h = SolveSecant(t, p, h2, 3900.0f, NearCriticalTemperaturePH, tol);
    return h;
}

float EnthalpyPS(float p, float s)
{
    if (AboveCritical(p))
        return SolveSecant(s, p, 2400.0f, 3900.0f, EntropyPH, SupercriticalSearchTolerance);

    const float ts = SaturationTemperature(p);
    const float h2 = SaturatedSteamEnthalpy(ts);
    const float s2 = SaturatedSteamEntropy(ts);
    if (s >= s2)
        return SolveSecant(s, p, h2, 3900.0f, EntropyPH, static_cast<float>(h2 * 1e-08));
    const float h1 = SaturatedWaterEnthalpy(ts);
    const float s1 = SaturatedWaterEntropy(ts);
    if (s >= s1)
        return Interpolate(Fraction(s, s1, s2), h1, h2);
    // Compressed water by entropy has no fit; the saturated water value is
    // the nearest defined state.
    return h1;
}

float DrynessPV(float p, float v)
{
    const float ts = SaturationTemperature(p);
    const float v1 = SaturatedWaterVolume(ts);
    const float x = Fraction(v, v1, SaturatedSteamVolume(ts));
    if (x >= 1.0f)
        return 1.0f;
    if (x > 0.0f)
        return x;
    return 0.0f; // also for NaN
}

float AdiabaticHeatDrop(float P0, float h0, float Pk)
{
    const float ts0 = SaturationTemperature(P0);
    const float h2Start = SaturatedSteamEnthalpy(ts0);
    const float tsk = SaturationTemperature(Pk);
    const float s2End = SaturatedSteamEntropy(tsk);

    float s0;
    if (h0 > h2Start) {
        s0 = EntropyPH(P0, h0);
        if (s0 > s2End)
            return static_cast<float>(static_cast<double>(h0) - EnthalpyPS(Pk, s0));
    } else {
        const float x0 = Fraction(h0, SaturatedWaterEnthalpy(ts0), h2Start);
        s0 = static_cast<float>((1.0 - x0) * SaturatedWaterEntropy(ts0)
                                + static_cast<double>(x0) * SaturatedSteamEntropy(ts0));
    }
    const float xk = Fraction(s0, SaturatedWaterEntropy(tsk), s2End);
    const float hk = static_cast<float>(static_cast<double>(SaturatedSteamEnthalpy(tsk)) * xk
                                        + (1.0 - xk) * SaturatedWaterEnthalpy(tsk));
    return static_cast<float>(static_cast<double>(h0) - hk);
}
