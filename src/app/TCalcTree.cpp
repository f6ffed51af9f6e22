#include "TCalcTree.h"

#include <cstddef>

const std::array<TCalcNode, CalcNodeCount>& CalcNodes()
{
    using K = TNodeKind;
    static const std::array<TCalcNode, CalcNodeCount> nodes = {{
        {0, u"Вода и пар", K::Group, 0},
        {1, u"Основные параметры", K::Group, 0},
        {2, u"по давлению и температуре", K::Calculation, 1},
        {2, u"по давлению и энтальпии", K::Calculation, 6},
        {2, u"по давлению и энтропии", K::Calculation, 7},
        {1, u"Параметры насыщения", K::Group, 0},
        {2, u"по давлению", K::Calculation, 2},
        {2, u"по температуре", K::Calculation, 8},
        {1, u"Теплоперепад", K::Calculation, 3},
        {0, u"Воздух", K::Calculation, 4},
        {0, u"Дымовые газы", K::Calculation, 5},
    }};
    return nodes;
}

int SheetOfNode(int i)
{
    if (i < 0 || i >= CalcNodeCount)
        return 0;
    return CalcNodes()[static_cast<size_t>(i)].Sheet;
}
