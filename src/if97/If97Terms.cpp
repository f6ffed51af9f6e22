#include "if97/If97Terms.h"

#include <cassert>

void PowerRange(double x, int lo, int hi, double* out)
{
    assert(hi - lo < kMaxPowerRange);
    // Build from x^0 outwards in both directions so each power is a short
    // chain of products and no negative power is formed from a large one.
    double p = 1.0;
    for (int k = 0; k <= hi; ++k) {
        if (k >= lo)
            out[k - lo] = p;
        p *= x;
    }
    if (lo < 0) {
        const double inv = 1.0 / x;
        p = inv;
        for (int k = -1; k >= lo; --k) {
            if (k <= hi)
                out[k - lo] = p;
            p *= inv;
        }
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
