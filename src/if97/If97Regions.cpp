#include "if97/If97Regions.h"

#include "if97/If97TablesBasic.h"

#include <cmath>

namespace If97 {
namespace {

constexpr TTermSet kSet1 = MakeTermSet(If97Data::kRegion1);
constexpr TTermSet kSet2o = MakeTermSet(If97Data::kRegion2Ideal);
constexpr TTermSet kSet2r = MakeTermSet(If97Data::kRegion2Residual);
constexpr TTermSet kSet3 = MakeTermSet(If97Data::kRegion3);
constexpr TTermSet kSet5o = MakeTermSet(If97Data::kRegion5Ideal);
constexpr TTermSet kSet5r = MakeTermSet(If97Data::kRegion5Residual);
constexpr double kN1Region3 = 1.0658070028513;

// Regions 2 and 5 share their form: γ = ln π + Σ n°·τ^J + Σ n·π^I·(τ − τ0)^J.
TState GasRegion(const TTermSet& ideal, const TTermSet& residual, double tauShift, double p, double T,
                 double tStar, int region)
{
    const double pi = p;
    const double tau = tStar / T;
    const double y = tau - tauShift;
    const TTermSums o = SumTermsWithDerivatives(ideal, 1.0, tau);
    const TTermSums r = SumTermsWithDerivatives(residual, pi, y);

    const double go = std::log(pi) + o.G;
    const double got = o.Gy / tau;
    const double gott = o.Gyy / (tau * tau);
    const double gr = r.G;
    const double grp = r.Gx / pi;
    const double grpp = r.Gxx / (pi * pi);
    const double grt = r.Gy / y;
    const double grtt = r.Gyy / (y * y);
    const double grpt = r.Gxy / (pi * y);

    TState st;
    st.P = p;
    st.T = T;
    st.Region = region;
    st.V = kR * T / p * pi * (1.0 / pi + grp) / 1000.0;
    st.H = kR * T * tau * (got + grt);
    st.S = kR * (tau * (got + grt) - (go + gr));
    st.Cp = -kR * tau * tau * (gott + grtt);
    const double a = 1.0 + pi * grp - tau * pi * grpt;
    const double b = 1.0 - pi * pi * grpp;
    st.Cv = st.Cp - kR * a * a / b;
    const double c = 1.0 + 2.0 * pi * grp + pi * pi * grp * grp;
    st.W = std::sqrt(kR * T * 1000.0 * c / (b + a * a / (tau * tau * (gott + grtt))));
    st.KappaT = b / (1.0 + pi * grp) / p;
    return st;
}

TCaloric GasCaloric(const TTermSet& ideal, const TTermSet& residual, double tauShift, double p, double T,
                    double tStar)
{
    const double tau = tStar / T;
    const double y = tau - tauShift;
    const TTermSums o = SumTermsCaloric(ideal, 1.0, tau);
    const TTermSums r = SumTermsCaloric(residual, p, y);
    const double gt = o.Gy / tau + r.Gy / y;
    const double gtt = o.Gyy / (tau * tau) + r.Gyy / (y * y);
    return {kR * T * tau * gt, kR * (tau * gt - (std::log(p) + o.G + r.G)), -kR * tau * tau * gtt};
}

// φ and its derivatives for region 3 at δ = ρ/ρc, τ = Tc/T.
struct TPhi {
    double delta, tau, f, fd, fdd, ft, ftt, fdt;
};

TPhi Phi3(double rho, double T)
{
    TPhi ph{};
    ph.delta = rho / kRhoc;
    ph.tau = kTc / T;
    const TTermSums s = SumTermsWithDerivatives(kSet3, ph.delta, ph.tau);
    const double d = ph.delta;
    const double t = ph.tau;
    ph.f = kN1Region3 * std::log(d) + s.G;
    ph.fd = (kN1Region3 + s.Gx) / d;
    ph.fdd = (-kN1Region3 + s.Gxx) / (d * d);
    ph.ft = s.Gy / t;
    ph.ftt = s.Gyy / (t * t);
    ph.fdt = s.Gxy / (d * t);
    return ph;
}

} // namespace

TState Region1(double p, double T)
{
    const double pi = p / 16.53;
    const double tau = 1386.0 / T;
    const double x = 7.1 - pi;
    const double y = tau - 1.222;
    const TTermSums s = SumTermsWithDerivatives(kSet1, x, y);
    // d/dπ = −d/dx.
    const double g = s.G;
    const double gp = -s.Gx / x;
    const double gpp = s.Gxx / (x * x);
    const double gt = s.Gy / y;
    const double gtt = s.Gyy / (y * y);
    const double gpt = -s.Gxy / (x * y);

    TState st;
    st.P = p;
    st.T = T;
    st.Region = 1;
    st.V = kR * T * pi * gp / p / 1000.0;
    st.H = kR * T * tau * gt;
    st.S = kR * (tau * gt - g);
    st.Cp = -kR * tau * tau * gtt;
    const double a = gp - tau * gpt;
    st.Cv = kR * (-tau * tau * gtt + a * a / gpp);
    st.W = std::sqrt(kR * T * 1000.0 * gp * gp / (a * a / (tau * tau * gtt) - gpp));
    st.KappaT = -pi * gpp / gp / p;
    return st;
}

TCaloric Region1Caloric(double p, double T)
{
    const double tau = 1386.0 / T;
    const double y = tau - 1.222;
    const TTermSums s = SumTermsCaloric(kSet1, 7.1 - p / 16.53, y);
    const double gt = s.Gy / y;
    return {kR * T * tau * gt, kR * (tau * gt - s.G), -kR * tau * tau * s.Gyy / (y * y)};
}

TCaloric Region2Caloric(double p, double T)
{
    return GasCaloric(kSet2o, kSet2r, 0.5, p, T, 540.0);
}

TCaloric Region5Caloric(double p, double T)
{
    return GasCaloric(kSet5o, kSet5r, 0.0, p, T, 1000.0);
}

TState Region2(double p, double T)
{
    return GasRegion(kSet2o, kSet2r, 0.5, p, T, 540.0, 2);
}

TState Region5(double p, double T)
{
    return GasRegion(kSet5o, kSet5r, 0.0, p, T, 1000.0, 5);
}

TState Region3(double rho, double T)
{
    const TPhi ph = Phi3(rho, T);
    const double d = ph.delta;
    const double t = ph.tau;
    const double dfd = d * ph.fd;
    const double a = dfd - d * t * ph.fdt;
    const double b = 2.0 * dfd + d * d * ph.fdd;

    TState st;
    st.T = T;
    st.Region = 3;
    st.V = 1.0 / rho;
    st.P = rho * kR * T * dfd / 1000.0;
    st.H = kR * T * (t * ph.ft + dfd);
    st.S = kR * (t * ph.ft - ph.f);
    st.Cv = -kR * t * t * ph.ftt;
    st.Cp = kR * (-t * t * ph.ftt + a * a / b);
    st.W = std::sqrt(kR * T * 1000.0 * (b - a * a / (t * t * ph.ftt)));
    st.KappaT = 1000.0 / (rho * kR * T * b);
    return st;
}

TRegion3Jacobian Region3Jacobian(double rho, double T)
{
    const TPhi ph = Phi3(rho, T);
    const double d = ph.delta;
    const double t = ph.tau;
    const double dfd = d * ph.fd;
    TRegion3Jacobian j{};
    j.P = rho * kR * T * dfd / 1000.0;
    j.H = kR * T * (t * ph.ft + dfd);
    j.S = kR * (t * ph.ft - ph.f);
    j.PRho = kR * T * (2.0 * dfd + d * d * ph.fdd) / 1000.0;
    j.PT = rho * kR * (dfd - d * t * ph.fdt) / 1000.0;
    j.HRho = kR * T * (t * ph.fdt + ph.fd + d * ph.fdd) / kRhoc;
    j.HT = kR * (dfd - t * t * ph.ftt - d * t * ph.fdt);
    j.SRho = kR * (t * ph.fdt - ph.fd) / kRhoc;
    j.ST = -kR * t * t * ph.ftt / T;
    return j;
}

double SaturationPressureK(double T)
{
    const double* n = If97Data::kSaturation;
    const double th = T + n[9] / (T - n[10]);
    const double A = th * th + n[1] * th + n[2];
    const double B = n[3] * th * th + n[4] * th + n[5];
    const double C = n[6] * th * th + n[7] * th + n[8];
    const double x = 2.0 * C / (-B + std::sqrt(B * B - 4.0 * A * C));
    return x * x * x * x;
}

double SaturationTemperatureMPa(double p)
{
    const double* n = If97Data::kSaturation;
    const double beta = std::sqrt(std::sqrt(p));
    const double E = beta * beta + n[3] * beta + n[6];
    const double F = n[1] * beta * beta + n[4] * beta + n[7];
    const double G = n[2] * beta * beta + n[5] * beta + n[8];
    const double D = 2.0 * G / (-F - std::sqrt(F * F - 4.0 * E * G));
    return (n[10] + D - std::sqrt((n[10] + D) * (n[10] + D) - 4.0 * (n[9] + n[10] * D))) / 2.0;
}

double B23Pressure(double T)
{
    const double* n = If97Data::kB23;
    return n[0] + n[1] * T + n[2] * T * T;
}

double B23Temperature(double p)
{
    const double* n = If97Data::kB23;
    return n[3] + std::sqrt((p - n[4]) / n[2]);
}

} // namespace If97
