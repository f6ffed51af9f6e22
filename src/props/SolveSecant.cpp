#include "props/SolveSecant.h"

#include <cmath>

namespace {

constexpr int MaxIterations = 1000;
constexpr float TinyDifference = 1e-6f;
constexpr float TinyStep = 0.0001f;

// A difference below 1e-6 would make the secant step blow up (or be 0/0):
// it is replaced by ±0.0001 with its own sign. An exact zero has no sign,
// so it takes +0.0001 — the step then stays finite and no NaN enters.
float WidenTinyDifference(float d)
{
    if (!(std::fabs(d) < TinyDifference))
        return d; // large enough, or NaN (which must not be hidden)
    return d < 0.0f ? -TinyStep : TinyStep;
}

} // namespace

float SolveSecant(float target, float param, float x0, float x1, TPropFunctionPX f, float tol)
{
    float F0 = target - f(param, x0);
    float F1 = target - f(param, x1);
    // The 1001st step's result would be thrown away in favour of 0.1 without
    // looking at it, so it is not evaluated: the same answers with at most
    // 1002 evaluations of f.
    for (int n = 1; n <= MaxIterations; ++n) {
        const float dx = WidenTinyDifference(x1 - x0);
        const float dF = WidenTinyDifference(F1 - F0);
        const float x2 = static_cast<float>(x1 - static_cast<double>(F1) * dx / dF);
        const float F2 = target - f(param, x2);
        x0 = x1;
        F0 = F1;
        x1 = x2;
        F1 = F2;
        if (std::fabs(F2) < tol)
            return x2;
    }
    return 0.1f; // iteration cap: the library's only failure value
}
