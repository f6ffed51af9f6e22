// The adiabatic heat drop between two pressures, solvable for any one of its
// four quantities: the pick list at (1, 1) chooses which of rows 3 … 6 is
// the result, the other three are inputs. The heat drop itself is computed
// directly; the other three are found by bisection on the heat drop.
#include "calc/CalcHandlers.h"

#include "calc/CalcSheet.h"
#include "calc/InputRanges.h"

#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int HeatDropSheet = 3;
constexpr int ChoiceCol = 1;
constexpr int ChoiceRow = 1;
constexpr int FirstRow = 3;

enum TQuantity { qP0 = 0, qH0 = 1, qPk = 2, qDrop = 3, QuantityCount = 4 };

struct TRowInfo {
    TUnitList List;
    const char16_t* Pattern;
};

constexpr std::array<TRowInfo, QuantityCount> Rows = {{
    {TUnitList::Pressure, u"0.###"},
    {TUnitList::Enthalpy, u"0.###"},
    {TUnitList::Pressure, u"0.#####"},
    {TUnitList::Enthalpy, u"0.###"},
}};

constexpr int MaxBisectionSteps = 1000;
constexpr float Tolerance = 0.001f; // percent of the given heat drop

float HeatDrop(TFormulation f, const std::array<float, QuantityCount>& v)
{
    return f.AdiabaticHeatDrop(v[qP0], v[qH0], v[qPk]);
}

// Finds the sought quantity u (P0, h0 or Pk) whose heat drop matches the
// given one within the tolerance; none when 1000 steps do not reach it.
std::optional<float> Bisect(TFormulation f, std::array<float, QuantityCount> v, int u)
{
    float lo = 0, hi = 0;
    switch (u) {
    case qP0: lo = 1e-6f; hi = 500; break;
    case qH0: lo = 1; hi = 5000; break;
    default: lo = 1e-6f; hi = v[qP0]; break;
    }
    const float target = v[qDrop];
    for (int step = 1; step <= MaxBisectionSteps; ++step) {
        const float mid = static_cast<float>((static_cast<double>(lo) + hi) * 0.5);
        v[u] = mid;
        const float h = HeatDrop(f, v);
        const float err = static_cast<float>(std::fabs((static_cast<double>(h) - target) / target * 100));
        if (err < Tolerance)
            return mid;
        // The heat drop grows with P0 and h0 and falls as Pk grows.
        const bool grows = u != qPk;
        if ((h < target) == grows)
            lo = mid;
        if ((h > target) == grows)
            hi = mid;
        // A deviation that is no number (a zero heat drop given) can never
        // meet the tolerance; stop at once rather than step on.
        if (!(err > Tolerance))
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

void XLSheet3StylerChanged(TXLSheet& sheet, TFormulation f)
{
    TCalcSheet s(sheet);
    const int u = s.SelectedIndex(ChoiceCol, ChoiceRow);
    if (u < 0 || u >= QuantityCount)
        return; // no quantity chosen: nothing to compute
    const int resultRow = FirstRow + u;

    std::array<float, QuantityCount> v{};
    bool invalid = false;
    for (int q = 0; q < QuantityCount; ++q) {
        if (q == u)
            continue;
        const std::optional<float> in = s.ReadInput(FirstRow + q, Rows[q].List);
        if (in && InInputRange(HeatDropSheet, FirstRow + q, *in))
            v[q] = *in;
        else
            invalid = true;
    }

    if (!invalid) {
        if (u == qDrop) {
            v[qDrop] = HeatDrop(f, v);
        } else if (const std::optional<float> found = Bisect(f, v, u)) {
            v[u] = *found;
        } else {
            invalid = true;
        }
    }
    if (invalid) {
        s.WriteText(resultRow, QString());
        return;
    }
    for (int q = 0; q < QuantityCount; ++q)
        s.WriteResult(FirstRow + q, Rows[q].List, v[q], QString::fromUtf16(Rows[q].Pattern));
}
