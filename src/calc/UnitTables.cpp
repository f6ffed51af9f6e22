#include "calc/UnitTables.h"

using namespace Qt::StringLiterals;

namespace {

// kJ → kcal.
constexpr double KJToKcal = 0.23884589662749594789;
constexpr double KcalToKJ = 4.1868;
// W/(m·K) → kcal/(m·h·K).
constexpr double WattToKcalPerHour = 0.85984522785898535765;
// One standard atmosphere and one kilogram-force per square centimetre in bar.
constexpr double BarPerAtm = 1.01325;
constexpr double BarPerKgfCm2 = 0.980665;
constexpr double AtmPerBar = 1 / BarPerAtm;
constexpr double KgfCm2PerBar = 1 / BarPerKgfCm2;

float Round(double x)
{
    return static_cast<float>(x);
}

} // namespace

const QStringList& UnitListItems(TUnitList list)
{
    static const QStringList pressure = {u"МПа"_s, u"бар"_s, u"атм"_s, u"кгс/см2"_s};
    // "°С" carries the Cyrillic letter С; "°K" and "°F" are Latin.
    static const QStringList temperature = {u"°С"_s, u"°K"_s, u"°F"_s};
    static const QStringList enthalpy = {u"кДж/кг"_s, u"ккал/кг"_s};
    static const QStringList entropy = {u"кДж/(кг*град)"_s, u"ккал/(кг*град)"_s};
    static const QStringList volume = {u"м3/кг"_s};
    static const QStringList heatCapacity = {u"кДж/(м3*град)"_s, u"ккал/(м3*град)"_s};
    static const QStringList conductivity = {u"Вт/(м*град)"_s, u"ккал/(мч*град)"_s};
    static const QStringList m2s = {u"м2/с"_s};
    static const QStringList density = {u"кг/м3"_s};
    static const QStringList heatDrop = {u" Начальное давление"_s, u" Энтальпия"_s, u" Конечное давление"_s,
                                         u" Адиабатный теплоперепад"_s};
    static const QStringList none;
    switch (list) {
    case TUnitList::None: return none;
    case TUnitList::Pressure: return pressure;
    case TUnitList::Temperature: return temperature;
    case TUnitList::Enthalpy: return enthalpy;
    case TUnitList::Entropy:
    case TUnitList::SpecificHeat: return entropy;
    case TUnitList::SpecificVolume: return volume;
    case TUnitList::VolumetricHeatCapacity: return heatCapacity;
    case TUnitList::ThermalConductivity: return conductivity;
    case TUnitList::SquareMetresPerSecond: return m2s;
    case TUnitList::Density: return density;
    case TUnitList::HeatDropQuantity: return heatDrop;
    }
    return none;
}

float ToInternalUnit(TUnitList list, int index, float u)
{
    const double x = u;
    switch (list) {
    case TUnitList::Pressure:
        switch (index) {
        case 0: return Round(x * 10);
        case 1: return Round(x * 1);
        case 2: return Round(x * BarPerAtm);
        case 3: return Round(x * BarPerKgfCm2);
        }
        break;
    case TUnitList::Temperature:
        switch (index) {
        case 0: return Round(x);
        case 1: return Round(x - 273);
        case 2: return Round((x - 32) * 5 * (1.0 / 9));
        }
        break;
    case TUnitList::Enthalpy:
    case TUnitList::Entropy:
    case TUnitList::SpecificHeat:
        if (index == 1)
            return Round(x * KcalToKJ);
        break;
    default:
        break;
    }
    return u;
}

float FromInternalUnit(TUnitList list, int index, float r)
{
    const double x = r;
    switch (list) {
    case TUnitList::Pressure:
        switch (index) {
        case 0: return Round(x * 0.1);
        case 1: return Round(x);
        case 2: return Round(x * AtmPerBar);
        case 3: return Round(x * KgfCm2PerBar);
        }
        break;
    case TUnitList::Temperature:
        switch (index) {
        case 0: return Round(x);
        case 1: return Round(x + 273);
        case 2: return Round(x * 9 * 0.2 + 32);
        }
        break;
    case TUnitList::Enthalpy:
    case TUnitList::Entropy:
    case TUnitList::SpecificHeat:
    case TUnitList::VolumetricHeatCapacity:
        if (index == 1)
            return Round(x * KJToKcal);
        break;
    case TUnitList::ThermalConductivity:
        if (index == 1)
            return Round(x * WattToKcalPerHour);
        break;
    default:
        break;
    }
    return r;
}

int InternalUnitIndex(TUnitList list)
{
    return list == TUnitList::Pressure ? 1 : 0;
}
