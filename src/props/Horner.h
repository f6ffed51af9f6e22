// Polynomial evaluation shared by the property functions. Coefficients are
// stored from the constant term up (a0, a1, …) exactly as fitted, in double;
// evaluation runs in double and each fit rounds to float only where its
// formula says so. Most fits use Horner's scheme from the highest power; a
// few were fitted as explicit sums of std::pow terms and keep that order.
// Internal to calorix_props; no state.
#pragma once

#include <cmath>
#include <cstddef>
#include <utility>

// a0 + a1·x + … + a(N-1)·x^(N-1), by Horner from a(N-1) down.
template <std::size_t N>
constexpr double Horner(const double (&a)[N], double x)
{
    static_assert(N > 0);
    double r = a[N - 1];
    for (std::size_t i = N - 1; i-- > 0;)
        r = r * x + a[i];
    return r;
}

// Σᵢ yⁱ·Pᵢ(x) term by term: each Pᵢ by Horner, then multiplied by y i times,
// the terms added in the order i = 0, 1, 2, … The rows may differ in length.
template <std::size_t... N>
constexpr double HornerSeries(double y, double x, const double (&... rows)[N])
{
    double sum = 0.0;
    int i = 0;
    auto add = [&](double term) {
        for (int k = 0; k < i; ++k)
            term *= y;
        sum += term;
        ++i;
    };
    (add(Horner(rows, x)), ...);
    return sum;
}

namespace PowerSumDetail {

template <std::size_t K>
inline double Term(const double* a, double x)
{
    // A constant exponent lets the compiler take x¹ and x² as x and x·x,
    // which are exactly std::pow's values; higher powers stay calls.
    return a[K] * std::pow(x, static_cast<double>(K));
}

template <std::size_t N, std::size_t... K>
inline double Up(const double (&a)[N], double x, std::index_sequence<K...>)
{
    double sum = a[0];
    ((sum += Term<K + 1>(a, x)), ...);
    return sum;
}

template <std::size_t N, std::size_t... K>
inline double Down(const double (&a)[N], double x, std::index_sequence<K...>)
{
    double sum = 0.0;
    ((sum += Term<N - 1 - K>(a, x)), ...);
    return sum;
}

} // namespace PowerSumDetail

// a0 + a1·x + a2·x² + …, each xᵏ by std::pow, added from x⁰ up.
template <std::size_t N>
inline double PowerSumUp(const double (&a)[N], double x)
{
    return PowerSumDetail::Up(a, x, std::make_index_sequence<N - 1>{});
}

// The same sum accumulated from the highest power down to x⁰.
template <std::size_t N>
inline double PowerSumDown(const double (&a)[N], double x)
{
    return PowerSumDetail::Down(a, x, std::make_index_sequence<N>{});
}
