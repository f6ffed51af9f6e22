// Air and flue gases: properties at atmospheric pressure as functions of the
// temperature alone. Any temperature above absolute zero is accepted.
#include "calc/CalcHandlers.h"

#include "calc/CalcSheet.h"
#include "calc/InputRanges.h"
#include "props/GasProperties.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int InputRow = 1;

struct TGasRow {
    int Row;
    float (*Function)(float t);
    TUnitList List;
    const char16_t* Pattern;
};

template <size_t N>
void RunGasSheet(int n, TXLSheet& sheet, const TGasRow (&rows)[N])
{
    TCalcSheet s(sheet);
    std::optional<float> t = s.ReadInput(InputRow, TUnitList::Temperature);
    if (t && !InInputRange(n, InputRow, *t))
        t.reset();
    for (const TGasRow& r : rows) {
        if (t)
            s.WriteResult(r.Row, r.List, r.Function(*t), QString::fromUtf16(r.Pattern));
        else
            s.WriteText(r.Row, QString());
    }
}

constexpr TGasRow AirRows[] = {
    {3, AirHeatCapacity, TUnitList::VolumetricHeatCapacity, u"0.######"},
    {4, AirThermalConductivity, TUnitList::ThermalConductivity, u"0.### E+"},
    {5, AirDensity, TUnitList::Density, u"0.######"},
    {6, AirThermalDiffusivity, TUnitList::SquareMetresPerSecond, u"0.### E+"},
    {7, AirKinematicViscosity, TUnitList::SquareMetresPerSecond, u"0.### E+"},
    {8, AirPrandtl, TUnitList::None, u"0.#####"},
};

constexpr TGasRow FlueGasRows[] = {
    {3, RO2HeatCapacity, TUnitList::VolumetricHeatCapacity, u"0.######"},
    {4, NitrogenHeatCapacity, TUnitList::VolumetricHeatCapacity, u"0.######"},
    {5, AshHeatCapacity, TUnitList::VolumetricHeatCapacity, u"0.######"},
    {6, WaterVapourHeatCapacity, TUnitList::VolumetricHeatCapacity, u"0.######"},
    {7, FlueGasThermalConductivity, TUnitList::ThermalConductivity, u"0.### E+"},
    {8, FlueGasThermalDiffusivity, TUnitList::SquareMetresPerSecond, u"0.### E+"},
    {9, FlueGasDensity, TUnitList::Density, u"0.#####"},
    {10, FlueGasKinematicViscosity, TUnitList::SquareMetresPerSecond, u"0.### E+"},
};

} // namespace

void XLSheet4StylerChanged(TXLSheet& sheet, TFormulation)
{
    RunGasSheet(4, sheet, AirRows);
}

void XLSheet5StylerChanged(TXLSheet& sheet, TFormulation)
{
    RunGasSheet(5, sheet, FlueGasRows);
}
