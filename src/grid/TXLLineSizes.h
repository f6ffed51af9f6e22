// TXLLineSizes: one of the grid's four scaled size lists (title or body
// column widths, title or body row heights, in screen pixels at the grid's
// scale) together with the cached start of every line, so that painting,
// hit testing and scrolling all find a line's pixel start and the line at a
// pixel in constant or logarithmic time. Past Count every line has the
// default size, as in the sheet's own lists. Sizes are never negative. The
// cache is rebuilt on first use after any change. Owned by the grid; its
// views read it.
#pragma once

#include "sheet/TXLSizeList.h"

#include <vector>

class TXLLineSizes {
public:
    int Count() const { return FSizes.Count(); }
    int Default() const { return FSizes.Zero(); }
    // The size of line i; the default past Count, 0 before line 0.
    int Size(int i) const;
    void SetSize(int i, int size);
    // The pixel start of line i: the sum of the sizes of lines 0..i-1.
    int Start(int i) const;
    // The sum of all Count sizes.
    int Total() const { return Start(Count()); }
    // The line holding pixel pos, passing over zero-sized lines; pos moves
    // back to that line's start. A negative pos gives line 0 at 0; a pos at
    // or past Total gives an index at or past Count (lines of the default
    // size), or Count itself when the default is 0.
    int Lookup(int& pos) const;

    // Takes source's count and default and every size, each times scale /
    // 100 (integer division).
    void Assign(const TXLSizeList& source, int scale);
    // count > 0 inserts default-sized lines at pos, count < 0 removes lines.
    void Modify(int pos, int count);
    // No lines, default 0.
    void Clear();

private:
    void Build() const;

    TXLSizeList FSizes;
    // FStarts[i] = Start(i) for i in 0..Count; valid while !FDirty.
    mutable std::vector<int> FStarts;
    mutable bool FDirty = true;
};
