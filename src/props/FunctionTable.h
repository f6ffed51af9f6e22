// A table of the property library's functions by name, for front ends that
// call them from text (the command-line tool). Each entry names its arguments
// and their units in ASCII ("p" "bar", "t" "C", "h" "kJ/kg", …) and holds the
// function pointer matching ArgCount (1, 2 or 3; the other two are null).
// SolveSecant is not listed: it takes a function, not numbers. The table is
// constant, in the library's order: saturation line, state functions, region
// correlations, transport properties, air and flue gas.
#pragma once

#include <span>
#include <string_view>

struct TPropFunction {
    const char* Name;
    const char* Args[3];
    const char* Units[3];
    const char* ResultUnit; // "-" when dimensionless
    int ArgCount;
    float (*F1)(float);
    float (*F2)(float, float);
    float (*F3)(float, float, float);

    // Calls the function with the first ArgCount values of args.
    float Call(std::span<const float> args) const;
};

std::span<const TPropFunction> PropFunctions();

// The entry of that exact (case-sensitive) name, or nullptr.
const TPropFunction* FindPropFunction(std::string_view name);
