#include "sheet/TXLUnionIndex.h"

#include <algorithm>

namespace {

// The nodes whose bands make up [first, last) exactly, leaves at leaves.
template <class Visit>
void ForEachCanonicalNode(size_t leaves, size_t first, size_t last, Visit visit)
{
    for (size_t l = first + leaves, r = last + leaves; l < r; l >>= 1, r >>= 1) {
        if (l & 1)
            visit(l++);
        if (r & 1)
            visit(--r);
    }
}

// How many of the sorted keys[0, n) are <= value. Without branches on the
// comparisons (a conditional move each step): a find does two such
// searches, and mispredicted branches would cost more than the steps.
template <class T, class Key>
size_t CountNotAbove(const T* keys, size_t n, int value, Key key)
{
    if (n == 0)
        return 0;
    const T* base = keys;
    while (n > 1) {
        const size_t half = n / 2;
        base = key(base[half]) <= value ? base + half : base;
        n -= half;
    }
    return static_cast<size_t>(base - keys) + (key(*base) <= value ? 1 : 0);
}

}  // namespace

void TXLUnionIndex::Clear()
{
    FBounds = TRect{};
    FEdges.clear();
    FLeaves = 0;
    FNodes.clear();
    FEntries.clear();
}

void TXLUnionIndex::Build(const std::vector<TRect>& areas)
{
    Clear();
    bool any = false;
    for (const TRect& r : areas) {
        if (r.IsEmpty())
            continue;
        FBounds = any ? UnionRect(FBounds, r) : r;
        any = true;
        FEdges.push_back(r.Top);
        FEdges.push_back(r.Bottom);
    }
    if (!any)
        return;
    std::sort(FEdges.begin(), FEdges.end());
    FEdges.erase(std::unique(FEdges.begin(), FEdges.end()), FEdges.end());
    const size_t bands = FEdges.size() - 1;
    FLeaves = 1;
    while (FLeaves < bands)
        FLeaves <<= 1;
    FNodes.assign(2 * FLeaves, TNode{});

    const auto bandRange = [this](const TRect& r) {
        const auto first = std::lower_bound(FEdges.begin(), FEdges.end(), r.Top) - FEdges.begin();
        const auto last = std::lower_bound(FEdges.begin(), FEdges.end(), r.Bottom) - FEdges.begin();
        return std::make_pair(static_cast<size_t>(first), static_cast<size_t>(last));
    };
    // Two passes: count the entries of each node, then place them.
    for (const TRect& r : areas) {
        if (r.IsEmpty())
            continue;
        const auto [first, last] = bandRange(r);
        ForEachCanonicalNode(FLeaves, first, last, [this](size_t node) { ++FNodes[node].End; });
    }
    uint32_t total = 0;
    for (TNode& node : FNodes) {
        node.Begin = total;
        total += node.End;
        node.End = node.Begin;
    }
    FEntries.resize(total);
    for (size_t i = 0; i < areas.size(); ++i) {
        const TRect& r = areas[i];
        if (r.IsEmpty())
            continue;
        const auto [first, last] = bandRange(r);
        ForEachCanonicalNode(FLeaves, first, last, [&](size_t node) {
            FEntries[FNodes[node].End++] = {r.Left, r.Right, static_cast<int>(i)};
        });
    }
    for (TNode& node : FNodes) {
        const auto begin = FEntries.begin() + node.Begin;
        const auto end = FEntries.begin() + node.End;
        std::sort(begin, end, [](const TEntry& a, const TEntry& b) { return a.Left < b.Left; });
        int reach = INT32_MIN;
        for (auto it = begin; it != end; ++it) {
            if (it->Left < reach)
                node.Disjoint = false;
            reach = std::max(reach, it->Right);
        }
    }
}

int TXLUnionIndex::FindInNode(const TNode& node, int x) const
{
    const auto begin = FEntries.begin() + node.Begin;
    const auto end = FEntries.begin() + node.End;
    if (node.Disjoint) {
        // The last area starting at or before x is the only one that may hold it.
        const TEntry* entries = FEntries.data() + node.Begin;
        const size_t count = CountNotAbove(entries, node.End - node.Begin, x, [](const TEntry& e) { return e.Left; });
        if (count == 0)
            return -1;
        const TEntry& e = entries[count - 1];
        return x < e.Right ? e.Number : -1;
    }
    int found = -1;
    for (auto it = begin; it != end && it->Left <= x; ++it)
        if (x < it->Right)
            found = std::max(found, it->Number);
    return found;
}

int TXLUnionIndex::Find(TPoint p) const
{
    if (!FBounds.Contains(p))
        return -1;
    const size_t band = CountNotAbove(FEdges.data(), FEdges.size(), p.Y, [](int edge) { return edge; }) - 1;
    int found = -1;
    for (size_t node = band + FLeaves; node >= 1; node >>= 1) {
        const TNode& n = FNodes[node];
        if (n.Begin != n.End)
            found = std::max(found, FindInNode(n, p.X));
    }
    return found;
}
