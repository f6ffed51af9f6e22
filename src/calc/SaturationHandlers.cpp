// Saturation state by pressure and by temperature: the input fixes a point
// of the saturation line; the results are its pressure and temperature and
// the properties of dry saturated steam and of saturated water there.
#include "calc/CalcHandlers.h"

#include "calc/CalcSheet.h"
#include "calc/InputRanges.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int InputRow = 1;

// Rows 6 … 8 (steam) and 10 … 12 (water) at the saturation temperature t.
void WriteSaturatedProperties(TCalcSheet& s, TFormulation f, float t)
{
    s.WriteResult(6, TUnitList::Enthalpy, f.SaturatedSteamEnthalpy(t), u"0.##"_s);
    s.WriteResult(7, TUnitList::Entropy, f.SaturatedSteamEntropy(t), u"0.###"_s);
    s.WriteResult(8, TUnitList::SpecificVolume, f.SaturatedSteamVolume(t), u"0.######"_s);
    s.WriteResult(10, TUnitList::Enthalpy, f.SaturatedWaterEnthalpy(t), u"0.##"_s);
    s.WriteResult(11, TUnitList::Entropy, f.SaturatedWaterEntropy(t), u"0.###"_s);
    s.WriteResult(12, TUnitList::SpecificVolume, f.SaturatedWaterVolume(t), u"0.######"_s);
}

void ClearSaturationResults(TCalcSheet& s)
{
    s.ClearRows({3, 4, 6, 7, 8, 10, 11, 12});
}

} // namespace

void XLSheet2StylerChanged(TXLSheet& sheet, TFormulation f)
{
    TCalcSheet s(sheet);
    const std::optional<float> p = s.ReadInput(InputRow, TUnitList::Pressure);
    if (!p || !InInputRange(2, InputRow, *p)) {
        ClearSaturationResults(s);
        return;
    }
    const float ts = f.SaturationTemperature(*p);
    if (std::isnan(ts)) { // beyond the critical point of this formulation
        ClearSaturationResults(s);
        return;
    }
    s.WriteResult(3, TUnitList::Pressure, *p, u"0.##"_s);
    s.WriteResult(4, TUnitList::Temperature, ts, u"0.##"_s);
    WriteSaturatedProperties(s, f, ts);
}

void XLSheet8StylerChanged(TXLSheet& sheet, TFormulation f)
{
    TCalcSheet s(sheet);
    const std::optional<float> t = s.ReadInput(InputRow, TUnitList::Temperature);
    if (!t || !InInputRange(8, InputRow, *t)) {
        ClearSaturationResults(s);
        return;
    }
    const float ps = f.SaturationPressure(*t);
    if (std::isnan(ps)) {
        ClearSaturationResults(s);
        return;
    }
    s.WriteResult(3, TUnitList::Pressure, ps, u"0.##"_s);
    s.WriteResult(4, TUnitList::Temperature, *t, u"0.##"_s);
    WriteSaturatedProperties(s, f, *t);
}
