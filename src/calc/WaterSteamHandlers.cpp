// Water and steam from pressure and a second quantity (temperature,
// enthalpy or entropy). The three sheets share their rows; they differ in
// the second input and in how the state point (t, h, s) is found.
#include "calc/CalcHandlers.h"

#include "calc/CalcSheet.h"
#include "calc/InputRanges.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int PressureRow = 1;
constexpr int SecondRow = 2;
constexpr int StateRow = 13;

constexpr TColor StateWaterColor = 0x00FF0000; // blue
constexpr TColor StateWetColor = 0x00000000;   // black
constexpr TColor StateSteamColor = 0x000000FF; // red

struct TStatePoint {
    float p, t, h, s;
};

void WriteState(TCalcSheet& out, float x)
{
    // The colour goes on the font before the text is written.
    if (x <= 0) {
        out.SetFontColor(StateRow, StateWaterColor);
        out.WriteText(StateRow, u"вода"_s);
    } else if (x < 1) {
        out.SetFontColor(StateRow, StateWetColor);
        out.WriteText(StateRow, u"влажный пар"_s);
    } else {
        out.SetFontColor(StateRow, StateSteamColor);
        out.WriteText(StateRow, u"перегретый пар"_s);
    }
}

void ClearResults(TCalcSheet& out)
{
    out.ClearRows({4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
}

void WriteResults(TCalcSheet& out, TFormulation f, const TStatePoint& sp)
{
    // A formulation with a bounded range gives no numbers outside it.
    if (!std::isfinite(sp.t) || !std::isfinite(sp.h) || !std::isfinite(sp.s)) {
        ClearResults(out);
        return;
    }
    out.WriteResult(4, TUnitList::Temperature, sp.t, u".##"_s);
    out.WriteResult(5, TUnitList::Enthalpy, sp.h, u"0.##"_s);
    out.WriteResult(6, TUnitList::Entropy, sp.s, u"0.####"_s);
    out.WriteResult(7, TUnitList::SpecificVolume, f.VolumePH(sp.p, sp.h), u"0.######"_s);
    const float x = f.DrynessPV(sp.p, f.VolumePH(sp.p, sp.h));
    out.WriteResult(8, TUnitList::None, x, u"0.####"_s);
    WriteState(out, x);
    out.WriteResult(9, TUnitList::SpecificHeat, f.HeatCapacityPT(sp.p, sp.t), u"0.####"_s);
    out.WriteResult(10, TUnitList::ThermalConductivity, f.ThermalConductivityPT(sp.p, sp.t), u"0.####"_s);
    out.WriteResult(11, TUnitList::SquareMetresPerSecond, f.KinematicViscosityPT(sp.p, sp.t), u"0.### E+"_s);
    out.WriteResult(12, TUnitList::None, f.PrandtlPT(sp.p, sp.t), u"0.###"_s);
}

// Reads p and the second input of sheet n (each in its own guard) and
// checks both against their ranges; on failure the results are emptied.
bool ReadInputs(int n, TCalcSheet& s, TUnitList secondList, float& p, float& second)
{
    const std::optional<float> pIn = s.ReadInput(PressureRow, TUnitList::Pressure);
    const std::optional<float> secondIn = s.ReadInput(SecondRow, secondList);
    if (!pIn || !secondIn || !InInputRange(n, PressureRow, *pIn) || !InInputRange(n, SecondRow, *secondIn)) {
        ClearResults(s);
        return false;
    }
    p = *pIn;
    second = *secondIn;
    return true;
}

} // namespace

void XLSheet1StylerChanged(TXLSheet& sheet, TFormulation f)
{
    TCalcSheet s(sheet);
    float p = 0, t = 0;
    if (!ReadInputs(1, s, TUnitList::Temperature, p, t))
        return;
    const float h = f.EnthalpyPT(p, t);
    WriteResults(s, f, {p, t, h, f.EntropyPH(p, h)});
}

void XLSheet6StylerChanged(TXLSheet& sheet, TFormulation f)
{
    TCalcSheet s(sheet);
    float p = 0, h = 0;
    if (!ReadInputs(6, s, TUnitList::Enthalpy, p, h))
        return;
    WriteResults(s, f, {p, f.TemperaturePH(p, h), h, f.EntropyPH(p, h)});
}

void XLSheet7StylerChanged(TXLSheet& sheet, TFormulation f)
{
    TCalcSheet s(sheet);
    float p = 0, entropy = 0;
    if (!ReadInputs(7, s, TUnitList::Entropy, p, entropy))
        return;
    const float h = f.EnthalpyPS(p, entropy);
    WriteResults(s, f, {p, f.TemperaturePH(p, h), h, entropy});
}
