#include "if97/If97Terms.h"

#include <algorithm>
#include <cassert>

namespace {

// x^0 … x^n into out. Four interleaved product chains instead of one: the
// multiplications of a single chain wait on each other and dominated the
// cost of every equation.
void Powers(double x, int n, double* out)
{
    out[0] = 1.0;
    if (n >= 1)
        out[1] = x;
    const double x2 = x * x;
    if (n >= 2)
        out[2] = x2;
    if (n >= 3)
        out[3] = x2 * x;
    const double x4 = x2 * x2;
    for (int k = 4; k <= n; ++k)
        out[k] = out[k - 4] * x4;
}

} // namespace

void PowerRange(double x, int lo, int hi, double* out)
{
    assert(hi - lo < kMaxPowerRange && hi < kMaxPowerRange && -lo < kMaxPowerRange);
    double buf[kMaxPowerRange];
    if (hi >= 0) {
        Powers(x, hi, buf);
        for (int k = std::max(lo, 0); k <= hi; ++k)
            out[k - lo] = buf[k];
    }
    if (lo < 0) {
        Powers(1.0 / x, -lo, buf);
        for (int k = std::min(hi, -1); k >= lo; --k)
            out[k - lo] = buf[-k];
    }
}

double SumTerms(const TTermSet& set, double x, double y)
{
    double px[kMaxPowerRange];
    double py[kMaxPowerRange];
    PowerRange(x, set.IMin, set.IMax, px);
    PowerRange(y, set.JMin, set.JMax, py);
    double sum = 0.0;
    for (const TTerm& t : set.Terms)
        sum += t.n * px[t.I - set.IMin] * py[t.J - set.JMin];
    return sum;
}

TTermSums SumTermsWithDerivatives(const TTermSet& set, double x, double y)
{
    double px[kMaxPowerRange];
    double py[kMaxPowerRange];
    PowerRange(x, set.IMin, set.IMax, px);
    PowerRange(y, set.JMin, set.JMax, py);
    TTermSums s;
    for (const TTerm& t : set.Terms) {
        const double term = t.n * px[t.I - set.IMin] * py[t.J - set.JMin];
        const double i = t.I;
        const double j = t.J;
        s.G += term;
        s.Gx += i * term;
        s.Gxx += i * (i - 1.0) * term;
        s.Gy += j * term;
        s.Gyy += j * (j - 1.0) * term;
        s.Gxy += i * j * term;
    }
    return s;
}

TTermSums SumTermsCaloric(const TTermSet& set, double x, double y)
{
    double px[kMaxPowerRange];
    double py[kMaxPowerRange];
    PowerRange(x, set.IMin, set.IMax, px);
    PowerRange(y, set.JMin, set.JMax, py);
    TTermSums s;
    for (const TTerm& t : set.Terms) {
        const double term = t.n * px[t.I - set.IMin] * py[t.J - set.JMin];
        const double j = t.J;
        s.G += term;
        s.Gy += j * term;
        s.Gyy += j * (j - 1.0) * term;
    }
    return s;
}
