#include "if97/If97Transport.h"

#include <cmath>
#include <numbers>

namespace If97 {
namespace {

// The transport releases reduce T and ρ by the same critical constants as
// IF97 but use their own gas constant for the heat capacity.
constexpr double kRTransport = 0.46151805;

struct TTransportTerm {
    int I, J;
    double n;
};

constexpr double kMu0[] = {1.67752, 2.20462, 0.6366564, -0.241605};
constexpr TTransportTerm kMu1[] = {
    {0, 0, 0.520094},     {1, 0, 0.850895e-1}, {2, 0, -0.108374e1}, {3, 0, -0.289555},
    {0, 1, 0.222531},     {1, 1, 0.999115},    {2, 1, 0.188797e1},  {3, 1, 0.126613e1},
    {5, 1, 0.120573},     {0, 2, -0.281378},   {1, 2, -0.906851},   {2, 2, -0.772479},
    {3, 2, -0.489837},    {4, 2, -0.257040},   {0, 3, 0.161913},    {1, 3, 0.257399},
    {0, 4, -0.325372e-1}, {3, 4, 0.698452e-1}, {4, 5, 0.872102e-2}, {3, 6, -0.435673e-2},
    {5, 6, -0.593264e-3},
};

constexpr double kLambda0[] = {2.443221e-3, 1.323095e-2, 6.770357e-3, -3.454586e-3, 4.096266e-4};
constexpr double kLambda1[5][6] = {
    {1.60397357, -0.646013523, 0.111443906, 0.102997357, -0.0504123634, 0.00609859258},
    {2.33771842, -2.78843778, 1.53616167, -0.463045512, 0.0832827019, -0.00719201245},
    {2.19650529, -4.54580785, 3.55777244, -1.40944978, 0.275418278, -0.0205938816},
    {-1.21051378, 1.60812989, -0.621178141, 0.0716373224, 0.0, 0.0},
    {-2.7203370, 4.57586331, -3.18369245, 1.1168348, -0.19268305, 0.012913842},
};

// 1/ζ(T_R) as a polynomial of δ, one row per density range (upper δ limit first).
struct TZetaRow {
    double DeltaMax;
    double A[6];
};
constexpr TZetaRow kZeta[] = {
    {0.310559006, {6.53786807199516, -5.61149954923348, 3.39624167361325, -2.27492629730878, 10.2631854662709, 1.97815050331519}},
    {0.776397516, {6.52717759281799, -6.30816983387575, 8.08379285492595, -9.82240510197603, 12.1358413791395, -5.54349664571295}},
    {1.242236025, {5.35500529896124, -3.96415689925446, 8.91990208918795, -12.0338729505790, 9.19494865194302, -2.16866274479712}},
    {1.863354037, {1.55225959906681, 0.464621290821181, 8.93237374861479, -11.0321960061126, 6.16780999933360, -0.965458722086812}},
    {1e300, {1.11999926419994, 0.595748562571649, 9.88952565078920, -10.3255051147040, 4.66861294457414, -0.503243546373828}},
};

double ZetaReference(double delta)
{
    for (const TZetaRow& row : kZeta) {
        if (delta <= row.DeltaMax) {
            double sum = 0.0;
            for (int i = 5; i >= 0; --i)
                sum = sum * delta + row.A[i];
            return 1.0 / sum;
        }
    }
    return 0.0;
}

} // namespace

double Viscosity(double rho, double T)
{
    const double tr = T / kTc;
    const double d = rho / kRhoc;
    double den = 0.0;
    double inv = 1.0;
    for (double h : kMu0) {
        den += h * inv;
        inv /= tr;
    }
    const double mu0 = 100.0 * std::sqrt(tr) / den;
    const double x = 1.0 / tr - 1.0;
    const double y = d - 1.0;
    double px[6] = {1.0};
    double py[7] = {1.0};
    for (int i = 1; i < 6; ++i)
        px[i] = px[i - 1] * x;
    for (int j = 1; j < 7; ++j)
        py[j] = py[j - 1] * y;
    double sum = 0.0;
    for (const TTransportTerm& t : kMu1)
        sum += t.n * px[t.I] * py[t.J];
    return mu0 * std::exp(d * sum) * 1e-6;
}

double ThermalConductivityBackground(double rho, double T)
{
    const double tr = T / kTc;
    const double d = rho / kRhoc;
    double den = 0.0;
    double inv = 1.0;
    for (double l : kLambda0) {
        den += l * inv;
        inv /= tr;
    }
    const double l0 = std::sqrt(tr) / den;
    const double x = 1.0 / tr - 1.0;
    const double y = d - 1.0;
    double sum = 0.0;
    double xi = 1.0;
    for (const auto& row : kLambda1) {
        double inner = 0.0;
        for (int j = 5; j >= 0; --j)
            inner = inner * y + row[j];
        sum += xi * inner;
        xi *= x;
    }
    return l0 * std::exp(d * sum) * 1e-3;
}

double ThermalConductivity(const TState& st)
{
    const double rho = 1.0 / st.V;
    const double T = st.T;
    const double background = ThermalConductivityBackground(rho, T);
    const double d = rho / kRhoc;
    const double tr = T / kTc;
    const double drhodp = rho * st.KappaT; // (∂ρ/∂p)_T, kg/(m³·MPa)
    double deltaChi = d * (kPc / kRhoc * drhodp - ZetaReference(d) * 1.5 / tr);
    if (deltaChi < 0)
        deltaChi = 0;
    const double chi = 0.13 * std::pow(deltaChi / 0.06, 0.63 / 1.239);
    const double y = chi / 0.4;
    double z = 0.0;
    if (y >= 1.2e-7) {
        const double kappa = st.Cp / st.Cv;
        z = 2.0 / (std::numbers::pi * y) *
            (((1.0 - 1.0 / kappa) * std::atan(y) + y / kappa) - (1.0 - std::exp(-1.0 / (1.0 / y + y * y / (3.0 * d * d)))));
    }
    const double muBar = Viscosity(rho, T) * 1e6;
    const double lambda2 = 177.8514 * d * st.Cp / kRTransport * tr / muBar * z;
    return background + lambda2 * 1e-3;
}

} // namespace If97
