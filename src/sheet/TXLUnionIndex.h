// TXLUnionIndex: finds which of a section's merged areas covers a position
// in O(log² n) instead of a scan of all areas. The rows are cut into bands
// at every area's top and bottom; a segment tree over the bands stores each
// area in the O(log n) nodes whose bands it spans exactly, sorted there by
// left edge. A position's band is found by binary search, and each node on
// the way from the band's leaf to the root is searched by left edge. Areas
// of one node share all their rows, so areas that never overlap never
// overlap inside a node either; a node where they do (a malformed input) is
// scanned whole, which keeps the answer right for any input: the covering
// area that came last. Built whole from the areas' rectangles (empty ones
// cover nothing); owned by its section, which rebuilds it after changes.
#pragma once

#include "sheet/XLTypes.h"

#include <cstdint>
#include <vector>

class TXLUnionIndex {
public:
    // Indexes the rectangles; an area's number is its index in areas.
    void Build(const std::vector<TRect>& areas);
    void Clear();
    // The highest number of an area containing p, or -1.
    int Find(TPoint p) const;

private:
    struct TEntry {
        int Left;
        int Right;
        int Number;
    };
    struct TNode {
        uint32_t Begin = 0;  // FEntries[Begin, End), sorted by Left
        uint32_t End = 0;
        bool Disjoint = true;
    };

    // The highest number in node containing x, or -1.
    int FindInNode(const TNode& node, int x) const;

    TRect FBounds{};            // around every area: anything outside is in none
    std::vector<int> FEdges;    // sorted distinct tops and bottoms; band i is [FEdges[i], FEdges[i + 1])
    size_t FLeaves = 0;         // leaves of the tree: a power of two >= band count
    std::vector<TNode> FNodes;  // the tree, root at 1, leaf of band i at FLeaves + i
    std::vector<TEntry> FEntries;
};
