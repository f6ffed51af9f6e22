// Cost per call of the IF97 library at representative points. Targets:
// h(p, T) in region 1 or 2 ≤ 150 ns; T(p, h) and T(p, s) with their Newton
// refinement ≤ 400 ns; region 3 by (p, T) ≤ 2 µs. bench/if97_python.py times
// the same evaluations through python3-iapws for comparison.
#include "if97/If97State.h"
#include "if97/If97Transport.h"
#include "if97/WaterSteamIf97.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

template <typename F, typename... A>
void Add(const std::string& name, F f, A... args)
{
    benchmark::RegisterBenchmark(name.c_str(), [=](benchmark::State& state) {
        for (auto _ : state) {
            auto in = std::make_tuple(args...);
            benchmark::DoNotOptimize(in); // opaque inputs: nothing folds
            benchmark::DoNotOptimize(std::apply(f, in));
        }
    });
}

const bool registered = [] {
    using namespace If97;
    // Units MPa, K, kJ/kg, kJ/(kg·K).
    Add("StatePT/region1", [](double p, double T) { return StatePT(p, T).H; }, 3.0, 300.0);
    Add("StatePT/region2", [](double p, double T) { return StatePT(p, T).H; }, 4.0, 713.15);
    Add("StatePT/region3", [](double p, double T) { return StatePT(p, T).H; }, 25.0, 650.0);
    Add("StatePT/region3-near-critical", [](double p, double T) { return StatePT(p, T).H; }, 22.1, 647.2);
    Add("StatePT/region5", [](double p, double T) { return StatePT(p, T).H; }, 30.0, 1500.0);
    // T alone from (p, h) and (p, s), Newton-refined: the inverse functions.
    Add("TemperatureOfPH/region1", [](double p, double h) { return CaloricStatePH(p, h).T; }, 3.0, 500.0);
    Add("TemperatureOfPH/region2", [](double p, double h) { return CaloricStatePH(p, h).T; }, 3.0, 3000.0);
    Add("TemperatureOfPS/region1", [](double p, double s) { return CaloricStatePS(p, s).T; }, 3.0, 0.5);
    Add("TemperatureOfPS/region2", [](double p, double s) { return CaloricStatePS(p, s).T; }, 0.1, 7.5);
    // Every property of the state.
    Add("StatePH/region1", [](double p, double h) { return StatePH(p, h).T; }, 3.0, 500.0);
    Add("StatePH/region2", [](double p, double h) { return StatePH(p, h).T; }, 3.0, 3000.0);
    Add("StatePH/region3", [](double p, double h) { return StatePH(p, h).T; }, 50.0, 2000.0);
    Add("StatePH/wet", [](double p, double h) { return StatePH(p, h).T; }, 1.0, 1500.0);
    Add("StatePS/region1", [](double p, double s) { return StatePS(p, s).T; }, 3.0, 0.5);
    Add("StatePS/region2", [](double p, double s) { return StatePS(p, s).T; }, 0.1, 7.5);
    Add("StatePS/region3", [](double p, double s) { return StatePS(p, s).T; }, 50.0, 4.5);
    Add("SaturatedVapour/region3", [](double T) { return SaturatedVapour(T).V; }, 640.0);
    Add("Viscosity", [](double rho, double T) { return Viscosity(rho, T); }, 998.0, 298.15);
    Add("ThermalConductivity", [](double p, double T) { return ThermalConductivity(StatePT(p, T)); }, 4.0, 713.15);

    // Program units: bar, °C.
    Add("EnthalpyPT/40bar-440C", [](double p, double t) { return EnthalpyPT(p, t); }, 40.0, 440.0);
    Add("TemperaturePH/40bar", [](double p, double h) { return TemperaturePH(p, h); }, 40.0, 3307.8677);
    Add("EnthalpyPS/0.05bar-wet", [](double p, double s) { return EnthalpyPS(p, s); }, 0.05, 6.75);
    Add("AdiabaticHeatDrop/90bar-535C", [](double P0, double h0, double Pk) { return AdiabaticHeatDrop(P0, h0, Pk); },
        90.0, 3475.0, 0.05);
    return true;
}();

} // namespace
