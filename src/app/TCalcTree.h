// The calculation tree of the main window as data: eleven nodes in
// depth-first order, each a group or a calculation with the sheet it shows.
// The absolute index of a node decides what choosing it does.
#pragma once

#include <array>

enum class TNodeKind { Group, Calculation };

struct TCalcNode {
    int Level;
    const char16_t* Caption;
    TNodeKind Kind;
    int Sheet; // the sheet shown and calculated (0 for groups)
};

constexpr int CalcNodeCount = 11;

const std::array<TCalcNode, CalcNodeCount>& CalcNodes();

// The sheet of node i, or 0 for a group node or an index out of range.
int SheetOfNode(int i);

// Images of the tree (indices into the window's image list).
constexpr int CalcNodeImage = 0;
constexpr int CalcNodeSelectedImage = 2;
constexpr int CalcNodeStateImage = 2;
constexpr int GroupNodeImage = 4;
constexpr int GroupNodeStateImage = 3;
