// TXLRow: the cells of one row of a section, a sparse list indexed by sector
// column that owns its cells. It records its own row index (kept current by
// the section when rows shift) and keeps each cell's column current when
// cells shift. A cell is destroyed through the row (replaced, cut off by
// SetCount, deleted by Modify, cleared) and runs its destruction steps then.
// Clearing first sets the index to -1, so a row going as a whole spares its
// cells the per-cell removal. Owned by its section.
#pragma once

#include "sheet/TObjectSList.h"
#include "sheet/TXLCell.h"

class TXLSection;

class TXLRow : public TObjectSList<TXLCell> {
public:
    explicit TXLRow(TXLSection* section) : FSection(section) {}
    ~TXLRow() override;

    TXLSection* GetSection() const { return FSection; }
    // Sector row; -1 while the row is being cleared.
    int GetIndex() const { return FIndex; }

    // Destroys the cell at col, if any.
    void DestroyCell(int col);
    void Clear() override;

protected:
    void DestroyItem(void* item) override;
    void Renumerate(int from, int to) override;

private:
    friend class TXLSection;

    TXLSection* FSection;
    int FIndex = -1;
};
