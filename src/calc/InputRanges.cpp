#include "calc/InputRanges.h"

#include <algorithm>
#include <limits>

namespace {

constexpr float Inf = std::numeric_limits<float>::infinity();
constexpr bool Open = false;
constexpr bool Closed = true;
// At and below absolute zero a gas has no properties: the fits would give
// negative densities.
constexpr float AbsoluteZero = -273.15f;

using L = TUnitList;

constexpr TInputRange Ranges[] = {
    {1, 1, L::Pressure, 0, Open, 500, Closed},
    {1, 2, L::Temperature, 0, Open, 1000, Closed},
    {2, 1, L::Pressure, 0, Open, 221, Closed},
    // The heat drop takes the logarithm of both pressures.
    {3, 3, L::Pressure, 0, Open, Inf, Open},
    {3, 5, L::Pressure, 0, Open, Inf, Open},
    {4, 1, L::Temperature, AbsoluteZero, Open, Inf, Open},
    {5, 1, L::Temperature, AbsoluteZero, Open, Inf, Open},
    {6, 1, L::Pressure, 0, Open, 500, Closed},
    {6, 2, L::Enthalpy, 0, Open, 6000, Closed},
    {7, 1, L::Pressure, 0, Open, 500, Closed},
    {7, 2, L::Entropy, 3.4f, Closed, 20, Closed},
    {8, 1, L::Temperature, 0, Open, 374, Closed},
};

} // namespace

std::span<const TInputRange> InputRanges()
{
    return Ranges;
}

const TInputRange* InputRangeOf(int sheet, int row)
{
    const auto* it = std::find_if(std::begin(Ranges), std::end(Ranges),
                                  [&](const TInputRange& r) { return r.Sheet == sheet && r.Row == row; });
    return it == std::end(Ranges) ? nullptr : it;
}

bool InInputRange(int sheet, int row, float v)
{
    const TInputRange* r = InputRangeOf(sheet, row);
    if (!r)
        return true;
    const bool aboveLow = r->LowInclusive ? v >= r->Low : v > r->Low;
    const bool belowHigh = r->HighInclusive ? v <= r->High : v < r->High;
    return aboveLow && belowHigh;
}
