// Saturation state by pressure and by temperature: the input fixes a point
// of the saturation line; the results are its pressure and temperature and
// the properties of dry saturated steam and of saturated water there.
#include "calc/CalcHandlers.h"

#include "calc/CalcSheet.h"
#include "calc/InputRanges.h"
#include "props/SaturationLine.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int InputRow = 1;

// Rows 6 … 8 (steam) and 10 … 12 (water) at the saturation temperature t.
void WriteSaturatedProperties(TCalcSheet& s, float t)
{
    s.WriteResult(6, TUnitList::Enthalpy, SaturatedSteamEnthalpy(t), u"0.##"_s);
    s.WriteResult(7, TUnitList::Entropy, SaturatedSteamEntropy(t), u"0.###"_s);
    s.WriteResult(8, TUnitList::SpecificVolume, SaturatedSteamVolume(t), u"0.######"_s);
    s.WriteResult(10, TUnitList::Enthalpy, SaturatedWaterEnthalpy(t), u"0.##"_s);
    s.WriteResult(11, TUnitList::Entropy, SaturatedWaterEntropy(t), u"0.###"_s);
    s.WriteResult(12, TUnitList::SpecificVolume, SaturatedWaterVolume(t), u"0.######"_s);
}

void ClearSaturationResults(TCalcSheet& s)
{
    s.ClearRows({3, 4, 6, 7, 8, 10, 11, 12});
}

} // namespace

void XLSheet2StylerChanged(TXLSheet& sheet)
{
    TCalcSheet s(sheet);
    const std::optional<float> p = s.ReadInput(InputRow, TUnitList::Pressure);
    if (!p || !InInputRange(2, InputRow, *p)) {
        ClearSaturationResults(s);
        return;
    }
    const float ts = SaturationTemperature(*p);
    s.WriteResult(3, TUnitList::Pressure, *p, u"0.##"_s);
    s.WriteResult(4, TUnitList::Temperature, ts, u"0.##"_s);
    WriteSaturatedProperties(s, ts);
}

void XLSheet8StylerChanged(TXLSheet& sheet)
{
    TCalcSheet s(sheet);
    const std::optional<float> t = s.ReadInput(InputRow, TUnitList::Temperature);
    if (!t || !InInputRange(8, InputRow, *t)) {
        ClearSaturationResults(s);
        return;
    }
    s.WriteResult(3, TUnitList::Pressure, SaturationPressure(*t), u"0.##"_s);
    s.WriteResult(4, TUnitList::Temperature, *t, u"0.##"_s);
    WriteSaturatedProperties(s, *t);
}
