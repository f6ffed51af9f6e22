// The library against an independent implementation of the same releases
// (python3-iapws) over some 8000 states in every region and along the
// saturation line. Skipped where that package is not installed.
#include "if97/If97State.h"
#include "if97/If97Transport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

using namespace If97;

namespace {

// The first interpreter that can import the package, or empty.
std::string PythonWithIapws()
{
    for (const char* py : {"/usr/bin/python3", "python3"}) {
        const std::string cmd = std::string(py) + " -c 'import iapws' >/dev/null 2>&1";
        if (std::system(cmd.c_str()) == 0)
            return py;
    }
    return {};
}

struct TWorst {
    double Rel = 0;
    std::string Where;
    void Note(double actual, double expected, double floor, const std::string& where)
    {
        const double rel = std::abs(actual - expected) / std::max(std::abs(expected), floor);
        if (!(rel <= Rel)) {
            Rel = rel;
            Where = where;
        }
    }
};

TEST(If97CrossCheck, AgreesWithAnIndependentImplementation)
{
    const std::string py = PythonWithIapws();
    if (py.empty())
        GTEST_SKIP() << "python3-iapws is not installed";
    const std::string cmd = py + " " CALORIX_IF97_REFERENCE_SCRIPT;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(cmd.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);

    TWorst h, s, v, cp, w, mu, k;
    // Saturated states above 623.15 K: the reference takes ρ′ and ρ″ straight
    // from the backward equations v(p, T), which agree with the Helmholtz
    // equation only to their own tolerance (up to a few 1e-4 near the
    // critical point); this library refines them so that p(ρ, T) = ps(T).
    TWorst hSat3, sSat3, vSat3;
    int states = 0;
    int saturated = 0;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe.get())) {
        std::istringstream in(line);
        std::string kind;
        in >> kind;
        if (kind == "pt") {
            double p, T, eh, es, ev, ecp, ew, emu, ek;
            int region;
            in >> p >> T >> region >> eh >> es >> ev >> ecp >> ew >> emu >> ek;
            const TState st = StatePT(p, T);
            std::ostringstream where;
            where << "p=" << p << " MPa T=" << T << " K region " << region;
            EXPECT_EQ(st.Region, region) << where.str();
            h.Note(st.H, eh, 1.0, where.str());
            s.Note(st.S, es, 1.0, where.str());
            v.Note(st.V, ev, 0.0, where.str());
            cp.Note(st.Cp, ecp, 0.0, where.str());
            w.Note(st.W, ew, 0.0, where.str());
            mu.Note(Viscosity(1.0 / st.V, st.T), emu, 0.0, where.str());
            k.Note(ThermalConductivity(st), ek, 0.0, where.str());
            ++states;
        } else if (kind == "sat") {
            double T, hl, sl, vl, hv, sv, vv;
            in >> T >> hl >> sl >> vl >> hv >> sv >> vv;
            const TState l = SaturatedLiquid(T);
            const TState g = SaturatedVapour(T);
            std::ostringstream where;
            where << "saturated at T=" << T << " K";
            const bool inRegion3 = T > kT13;
            TWorst& ht = inRegion3 ? hSat3 : h;
            TWorst& st = inRegion3 ? sSat3 : s;
            TWorst& vt = inRegion3 ? vSat3 : v;
            ht.Note(l.H, hl, 1.0, where.str());
            ht.Note(g.H, hv, 1.0, where.str());
            st.Note(l.S, sl, 1.0, where.str());
            st.Note(g.S, sv, 1.0, where.str());
            vt.Note(l.V, vl, 0.0, where.str());
            vt.Note(g.V, vv, 0.0, where.str());
            ++saturated;
        }
    }
    EXPECT_GE(states, 2000);
    EXPECT_GE(saturated, 50);
    // h and s near zero at the triple point are compared absolutely.
    EXPECT_LE(h.Rel, 1e-6) << h.Where;
    EXPECT_LE(s.Rel, 1e-6) << s.Where;
    EXPECT_LE(v.Rel, 1e-6) << v.Where;
    EXPECT_LE(cp.Rel, 1e-6) << cp.Where;
    EXPECT_LE(w.Rel, 1e-5) << w.Where;
    EXPECT_LE(mu.Rel, 1e-4) << mu.Where;
    EXPECT_LE(k.Rel, 1e-4) << k.Where;
    EXPECT_LE(hSat3.Rel, 2e-4) << hSat3.Where;
    EXPECT_LE(sSat3.Rel, 2e-4) << sSat3.Where;
    EXPECT_LE(vSat3.Rel, 1e-3) << vSat3.Where;
    std::printf("%d states, %d saturation points; largest relative differences: h %.1e, s %.1e, v %.1e, "
                "cp %.1e, w %.1e, viscosity %.1e, conductivity %.1e; saturated above 623.15 K: h %.1e, s %.1e, "
                "v %.1e\n",
                states, saturated, h.Rel, s.Rel, v.Rel, cp.Rel, w.Rel, mu.Rel, k.Rel, hSat3.Rel, sSat3.Rel,
                vSat3.Rel);
}

} // namespace
