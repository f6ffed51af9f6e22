// TXLSelection: the selection of one grid view as a range, so that
// formatting code reaches the selected cells: its bounds are the view's
// selection area, setting them selects that area in the view, its section
// is the view's. After it changes cell properties the grid raises OnChange
// (for the edit view), unless its notices are suppressed, as they are
// while it is reloaded from the selected cell; a Clear or Merge that
// changed something raises OnSelChanged. Owned by its view.
#pragma once

#include "sheet/TXLProRange.h"

class TXLView;

class TXLSelection : public TXLProRange {
public:
    explicit TXLSelection(TXLView* view) : FView(view) {}

    TXLSection* GetSection() const override;
    TRect GetBounds() const override;
    void SetBounds(const TRect& rect) override;

    void NotifyChanges(TXLProp prop, int flags) override;
    void SetCellInfo(TXLCellInfo info, uint32_t value) override;
    using TXLPersistent::GetCellInfo;
    void SetBorder(TXLSide side, const TXLSideBorder& border) override;
    void SetBorders(TXLSides sides, const TXLSideBorder& border) override;
    bool Clear(TXLClearSet set);
    bool Merge(bool byRows);

    // Takes the selection's top-left cell as the one the range's font was
    // last applied from, without notifying anyone or writing to the cells.
    void Reload();

private:
    void Changed();

    TXLView* FView;
    bool FSuppressed = false;
};
