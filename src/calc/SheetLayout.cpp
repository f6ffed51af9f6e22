#include "calc/SheetLayout.h"

#include <stdexcept>

namespace {

using V = TValueKind;
using U = TUnitKind;
using L = TUnitList;

constexpr TSheetRow WaterSteamResults[] = {
    {4, "t", u" Температура", V::Result, U::List, L::Temperature},
    {5, "h", u" Энтальпия", V::Result, U::List, L::Enthalpy},
    {6, "s", u" Энтропия", V::Result, U::List, L::Entropy},
    {7, "v", u" Удельный объем", V::Result, U::List, L::SpecificVolume},
    {8, "x", u" Степень сухости", V::Result, U::None},
    {9, "c", u" Теплоемкость", V::Result, U::List, L::SpecificHeat},
    {10, "lambda", u" Теплопроводность", V::Result, U::List, L::ThermalConductivity},
    {11, "nu", u" Кинематическая вязкость", V::Result, U::List, L::SquareMetresPerSecond},
    {12, "pr", u" Число Прандтля", V::Result, U::None},
    {13, "state", u" Агрегатное состояние", V::MergedResult, U::Merged},
};

constexpr TSheetHeader WaterSteamHeaders[] = {
    {0, u"Исходные данные", 0xFF9792},
    {3, u"Расчетные величины", 0x0092FF},
};

constexpr TSheetRow Sheet1Rows[] = {
    {1, "p", u" Давление", V::Input, U::List, L::Pressure},
    {2, "t", u" Температура", V::Input, U::List, L::Temperature},
};

constexpr TSheetRow Sheet6Rows[] = {
    {1, "p", u" Давление", V::Input, U::List, L::Pressure},
    {2, "h", u" Энтальпия", V::Input, U::List, L::Enthalpy},
};

constexpr TSheetRow Sheet7Rows[] = {
    {1, "p", u" Давление", V::Input, U::List, L::Pressure},
    {2, "s", u" Энтропия", V::Input, U::List, L::Entropy},
};

constexpr TColor White = 0xFFFFFF;

constexpr TSheetHeader SaturationHeaders[] = {
    {0, u"Исходные данные", 0xFF9792},
    {2, u"Состояние насыщения", 0xFFC8C8},
    {5, u"Пар", 0x0000FF, true},
    {9, u"Вода", 0xFF6030, true},
    {13, nullptr, White},
};

constexpr TSheetRow SaturationResults[] = {
    {3, "p", u" Давление", V::Result, U::List, L::Pressure, -1},
    {4, "t", u" Температура", V::Result, U::List, L::Temperature, -1},
    {6, "h_steam", u" Энтальпия", V::Result, U::List, L::Enthalpy},
    {7, "s_steam", u" Энтропия", V::Result, U::List, L::Entropy},
    {8, "v_steam", u" Удельный объем", V::Result, U::List, L::SpecificVolume},
    {10, "h_water", u" Энтальпия", V::Result, U::List, L::Enthalpy},
    {11, "s_water", u" Энтропия", V::Result, U::List, L::Entropy},
    {12, "v_water", u" Удельный объем", V::Result, U::List, L::SpecificVolume},
};

constexpr TSheetRow Sheet2Rows[] = {
    {1, "p", u" Давление", V::Input, U::List, L::Pressure},
};

constexpr TSheetRow Sheet8Rows[] = {
    {1, "t", u" Температура", V::Input, U::List, L::Temperature},
};

constexpr TSheetHeader HeatDropHeaders[] = {
    {0, u"Исходные данные", 0xC897FF},
    {2, u"Расчетные величины", 0x7F7FFF},
};

constexpr TSheetRow Sheet3Rows[] = {
    {1, "find", u" Неизвестная величина", V::Choice, U::Merged, L::HeatDropQuantity},
};

// Rows 3 … 6 are all editable: the choice at (1, 1) makes one of them the result.
constexpr TSheetRow HeatDropQuantities[] = {
    {3, "p0", u" Начальное давление P0", V::Input, U::List, L::Pressure, -1},
    {4, "h0", u" Энтальпия h0", V::Input, U::List, L::Enthalpy, -1},
    {5, "pk", u" Конечное давление Pк", V::Input, U::List, L::Pressure, -1},
    {6, "drop", u" Адиабатный теплоперепад", V::Input, U::List, L::Enthalpy, -1},
};

constexpr TSheetHeader AirHeaders[] = {
    {0, u"Исходные данные", 0xFFFF00},
    {2, u"Расчетные величины", 0xFFC892},
};

constexpr TSheetRow TemperatureInput[] = {
    {1, "t", u" Температура", V::Input, U::List, L::Temperature},
};

constexpr TSheetRow AirResults[] = {
    {3, "c", u" Теплоемкость", V::Result, U::List, L::VolumetricHeatCapacity},
    {4, "lambda", u" Теплопроводность", V::Result, U::List, L::ThermalConductivity},
    {5, "rho", u" Плотность", V::Result, U::List, L::Density},
    {6, "a", u" Температуропроводность", V::Result, U::List, L::SquareMetresPerSecond},
    {7, "nu", u" Кинематическая вязкость", V::Result, U::List, L::SquareMetresPerSecond},
    {8, "pr", u" Число Прандтля", V::Result, U::EmptyReadOnly},
};

constexpr TSheetHeader FlueGasHeaders[] = {
    {0, u"Исходные данные", 0x00FFFF},
    {2, u"Расчетные величины", 0x00C8FF},
};

constexpr TSheetRow FlueGasResults[] = {
    {3, "c_ro2", u" Теплоемкость RO2", V::Result, U::List, L::VolumetricHeatCapacity},
    {4, "c_n2", u" Теплоемкость азота", V::Result, U::List, L::VolumetricHeatCapacity},
    {5, "c_ash", u" Теплоемкость золы", V::Result, U::List, L::VolumetricHeatCapacity},
    {6, "c_h2o", u" Теплоемкость паров воды", V::Result, U::List, L::VolumetricHeatCapacity},
    {7, "lambda", u" Теплопроводность", V::Result, U::List, L::ThermalConductivity},
    {8, "a", u" Температуропроводность", V::Result, U::List, L::SquareMetresPerSecond},
    {9, "rho", u" Плотность", V::Result, U::List, L::Density},
    {10, "nu", u" Кинематическая вязкость", V::Result, U::List, L::SquareMetresPerSecond},
};

const TSheetLayout Layouts[] = {
    {3, 14, {141, 69, 81}, WaterSteamHeaders, Sheet1Rows, WaterSteamResults},
    {3, 14, {134, 73, 84}, SaturationHeaders, Sheet2Rows, SaturationResults},
    {3, 7, {145, 65, 81}, HeatDropHeaders, Sheet3Rows, HeatDropQuantities},
    {3, 9, {144, 68, 79}, AirHeaders, TemperatureInput, AirResults},
    {3, 11, {144, 68, 79}, FlueGasHeaders, TemperatureInput, FlueGasResults},
    {3, 14, {141, 69, 81}, WaterSteamHeaders, Sheet6Rows, WaterSteamResults},
    {3, 14, {141, 69, 81}, WaterSteamHeaders, Sheet7Rows, WaterSteamResults},
    {3, 14, {134, 73, 84}, SaturationHeaders, Sheet8Rows, SaturationResults},
};

} // namespace

const TSheetLayout& SheetLayoutOf(int n)
{
    if (n < 1 || n > 8)
        throw std::out_of_range("no calculation sheet " + std::to_string(n));
    return Layouts[n - 1];
}

std::vector<const TSheetRow*> UnitRowsOf(const TSheetLayout& layout, TUnitList list)
{
    std::vector<const TSheetRow*> rows;
    for (const auto part : {layout.Inputs, layout.Results})
        for (const TSheetRow& r : part)
            if (r.Unit == TUnitKind::List && r.List == list)
                rows.push_back(&r);
    return rows;
}
