// Region 3 volume from (p, T) by the supplementary backward equations: the
// subregion is found from the boundary lines T(p) between them, then its
// equation gives v. Near the critical point (subregions u to z) the release
// adds auxiliary equations of lower accuracy; the caller refines on the
// Helmholtz equation either way.
#include "if97/If97Backward.h"
#include "if97/If97Regions.h"
#include "if97/If97TablesRegion3PT.h"

#include <array>
#include <cmath>

namespace If97 {
namespace {

using namespace If97Data;

constexpr TTermSet kSetAB = MakeTermSet(kT3ab);
constexpr TTermSet kSetOP = MakeTermSet(kT3op);
constexpr TTermSet kSetWX = MakeTermSet(kT3wx);

constexpr auto kSubregionSets = [] {
    std::array<TTermSet, 26> sets{};
    for (std::size_t i = 0; i < sets.size(); ++i)
        sets[i] = MakeTermSet(kSubregions3[i].Terms);
    return sets;
}();

template <std::size_t N>
double Polynomial(const double (&n)[N], double x)
{
    double r = 0.0;
    for (std::size_t i = N; i-- > 0;)
        r = r * x + n[i];
    return r;
}

double LogBoundary(const TTermSet& set, double p)
{
    return SumTerms(set, std::log(p), 1.0);
}

double Tef(double p)
{
    return 3.727888004 * (p - 22.064) + 647.096;
}

double Fractional(double x, double c)
{
    if (c == 1.0)
        return x;
    if (c == 0.5)
        return std::sqrt(x);
    if (c == 0.25)
        return std::sqrt(std::sqrt(x));
    return std::pow(x, c);
}

double Subregion(char name, double p, double T)
{
    const TSubregion3& r = kSubregions3[name - 'a'];
    const double x = Fractional(p / r.PStar - r.A, r.C);
    const double y = Fractional(T / r.TStar - r.B, r.D);
    const double w = SumTerms(kSubregionSets[name - 'a'], x, y);
    if (r.Exp)
        return r.VStar * std::exp(w);
    if (r.E == 4.0)
        return r.VStar * (w * w) * (w * w);
    return r.VStar * std::pow(w, r.E);
}

// Between 21.93 and 22.5 MPa near the critical temperature (release table 10).
char NearCritical(double p, double T)
{
    const double tuv = Polynomial(kT3uv, p);
    const double tef = Tef(p);
    const double twx = LogBoundary(kSetWX, p);
    if (p > 22.11) {
        if (T <= tuv)
            return 'u';
        if (T <= tef)
            return 'v';
        return T <= twx ? 'w' : 'x';
    }
    if (p > kPc) {
        if (T <= tuv)
            return 'u';
        if (T <= tef)
            return 'y';
        return T <= twx ? 'z' : 'x';
    }
    if (T > SaturationTemperatureMPa(p)) {
        if (p <= 21.90096265)
            return 'x';
        return T <= twx ? 'z' : 'x';
    }
    if (p <= 21.93161551)
        return 'u';
    return T <= tuv ? 'u' : 'y';
}

char SubregionOf(double p, double T)
{
    static const double kPsat643 = SaturationPressureK(643.15);
    if (p > 40.0)
        return T <= LogBoundary(kSetAB, p) ? 'a' : 'b';
    const double ts = p <= kPsat643 ? SaturationTemperatureMPa(p) : 0.0;
    if (p <= 19.00881189173929)
        return T <= ts ? 'c' : 't';
    if (T <= Polynomial(kT3cd, p))
        return 'c';
    if (p > 25.0) {
        if (T <= LogBoundary(kSetAB, p))
            return 'd';
        return T <= Tef(p) ? 'e' : 'f';
    }
    if (p > 22.5) {
        const double tgh = Polynomial(kT3gh, p);
        const double tef = Tef(p);
        const double tij = Polynomial(kT3ij, p);
        const double tjk = Polynomial(kT3jk, p);
        if (p > 23.0) {
            if (T <= tgh)
                return p > 23.5 ? 'g' : 'l';
            if (T <= tef)
                return 'h';
            if (T <= tij)
                return 'i';
            return T <= tjk ? 'j' : 'k';
        }
        if (T <= tgh)
            return 'l';
        if (T <= Polynomial(kT3mn, p))
            return 'm';
        if (T <= tef)
            return 'n';
        if (T <= LogBoundary(kSetOP, p))
            return 'o';
        if (T <= tij)
            return 'p';
        return T <= tjk ? 'j' : 'k';
    }
    if (p > kPsat643) {
        if (T <= Polynomial(kT3qu, p))
            return 'q';
        if (T <= Polynomial(kT3rx, p))
            return NearCritical(p, T);
        return T <= Polynomial(kT3jk, p) ? 'r' : 'k';
    }
    if (p > 20.5) {
        if (T <= ts)
            return 's';
        return T <= Polynomial(kT3jk, p) ? 'r' : 'k';
    }
    return T <= ts ? 's' : 't';
}

char SaturatedSubregion(double p, TSide side)
{
    if (side == TSide::Liquid) {
        if (p < 19.00881189)
            return 'c';
        if (p < 21.0434)
            return 's';
        return p < 21.9316 ? 'u' : 'y';
    }
    if (p < 20.5)
        return 't';
    if (p < 21.0434)
        return 'r';
    return p < 21.9009 ? 'x' : 'z';
}

} // namespace

double Region3VolumePT(double p, double T, TSide side)
{
    const char name = side == TSide::Auto ? SubregionOf(p, T) : SaturatedSubregion(p, side);
    return Subregion(name, p, T);
}

} // namespace If97
