// Evaluation of the sums Σ n·x^I·y^J that every IF97 equation is made of.
// A table of terms is wrapped once, at compile time, in a TTermSet that knows
// its exponent ranges; the powers of x and y are then built by repeated
// multiplication into small stack arrays instead of calling std::pow per
// term. The derivative sums (weights I, J, I·(I−1), …) come from the same pass.
// Internal to calorix_if97; no state.
#pragma once

#include <algorithm>
#include <cstddef>
#include <span>

struct TTerm {
    int I;
    int J;
    double n;
};

struct TTermSet {
    std::span<const TTerm> Terms;
    int IMin, IMax, JMin, JMax;
};

constexpr TTermSet MakeTermSet(std::span<const TTerm> terms)
{
    TTermSet set{terms, terms[0].I, terms[0].I, terms[0].J, terms[0].J};
    for (const TTerm& t : terms) {
        set.IMin = std::min(set.IMin, t.I);
        set.IMax = std::max(set.IMax, t.I);
        set.JMin = std::min(set.JMin, t.J);
        set.JMax = std::max(set.JMax, t.J);
    }
    return set;
}

template <std::size_t N>
constexpr TTermSet MakeTermSet(const TTerm (&terms)[N])
{
    return MakeTermSet(std::span<const TTerm>(terms));
}

// Powers are built from x^0 out to each table's largest |exponent|, which
// is 58 at most (region 2).
inline constexpr int kMaxPowerRange = 64;

// out[k − lo] = x^k for lo ≤ k ≤ hi (lo ≤ 0 ≤ hi is not required).
void PowerRange(double x, int lo, int hi, double* out);

// Σ n·x^I·y^J.
double SumTerms(const TTermSet& set, double x, double y);

// The sum and its derivative weights, all multiplied out but not yet divided
// by the powers of x and y: G = Σt, Gx = Σ I·t, Gxx = Σ I(I−1)·t,
// Gy = Σ J·t, Gyy = Σ J(J−1)·t, Gxy = Σ I·J·t with t = n·x^I·y^J. The caller
// divides by x, x², y, y², x·y, which keeps a zero base harmless where its
// exponent is zero.
struct TTermSums {
    double G = 0, Gx = 0, Gxx = 0, Gy = 0, Gyy = 0, Gxy = 0;
};
TTermSums SumTermsWithDerivatives(const TTermSet& set, double x, double y);

// Only G, Gy and Gyy, for the caloric properties h, s and cp alone.
TTermSums SumTermsCaloric(const TTermSet& set, double x, double y);

// One subregion of the region 3 backward equations v(p, T):
// v = v*·(Σ n·((π − a)^c)^I·((θ − b)^d)^J)^e, or v*·exp(Σ …) when Exp is set.
struct TSubregion3 {
    double VStar, PStar, TStar, A, B, C, D, E;
    bool Exp;
    std::span<const TTerm> Terms;
};
