// The comparison lines of the benchmark programs: each line names a measure
// and two benchmark runs of the same program and run, ours and the
// reference a developer would otherwise pick, and is written to the summary
// file as "name ours reference ratio" (ratio = ours / reference). A line
// without a reference writes "-" for reference and ratio. The values are the
// median over the repetitions of CPU time per iteration (in the unit the
// line asks for) or of a user counter. Lines are registered at static
// initialisation and written by XLBenchMain after all benchmarks ran.
#pragma once

#include <string>
#include <utility>

namespace benchmark {
class State;
}

enum class TBenchValue {
    Milliseconds,  // CPU time per iteration
    Microseconds,
    Nanoseconds,
    Counter,  // the user counter named by TBenchLine::Counter
};

struct TBenchLine {
    TBenchLine(std::string name, std::string ours, std::string reference, TBenchValue value = TBenchValue::Milliseconds,
               std::string counter = {}, double referenceScale = 1.0, double per = 1.0)
        : Name(std::move(name)), Ours(std::move(ours)), Reference(std::move(reference)), Value(value),
          Counter(std::move(counter)), ReferenceScale(referenceScale), Per(per)
    {
    }

    std::string Name;
    std::string Ours;       // full benchmark name, e.g. "BM_Fill/1000"
    std::string Reference;  // "" when there is none
    TBenchValue Value;
    std::string Counter;    // the user counter for TBenchValue::Counter
    // Multiplies the reference value (an extrapolation, said so in Name).
    double ReferenceScale;
    // Divides both values (per cell instead of per iteration).
    double Per;
};

// Registers a line; returns true so it can initialise a static.
bool XLBenchLine(TBenchLine line);

// Heap bytes in use now (malloc's own count, so allocations of every kind
// are seen: operator new and Qt's malloc alike).
long long XLHeapInUse();

// Runs the benchmarks of the program (a QApplication on the offscreen
// platform exists meanwhile) and appends the lines to the file named by
// CALORIX_BENCH_SUMMARY, when set.
int XLBenchMain(int argc, char** argv);
