// The one iterative solver of the property library: the secant method on
// 32-bit floats, used to invert the two-argument property functions
// f(parameter, x) (the parameter is a pressure in bar, x a temperature in °C
// or an enthalpy in kJ/kg). It never raises and never divides by zero;
// after 1000 iterations without convergence it returns 0.1f, which callers
// do not distinguish from a genuine result.
#pragma once

using TPropFunctionPX = float (*)(float param, float x);

// x with |target − f(param, x)| < tol, searched from the start points x0, x1.
float SolveSecant(float target, float param, float x0, float x1, TPropFunctionPX f, float tol);
