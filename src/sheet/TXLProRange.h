// TXLProRange: a rectangle of positions in one section that acts on all the
// cells inside it at once. Formatting set on the range reaches every cell
// (of the font only the attributes that changed since the range last
// applied its font), a class change reaches every position, and clearing
// and merging work over the whole rectangle; the value, class and style are
// those of the top-left position. Positions covered by a merged area are
// reached through the area's top-left. A range is in csStyle from
// construction, so its setters notify even when nothing changes; in
// csAssign it ignores value, class and position-store writes and tells
// nobody. The operations work on the rectangle cropped to the section, so
// an entire column or row (stored reaching to 2147483647) ends with the
// band. A range is a short-lived view made by its user; it owns nothing of
// the sheet and must not outlive it. Subclasses supply the section and the
// rectangle.
#pragma once

#include "sheet/TXLFont.h"
#include "sheet/TXLProCell.h"
#include "sheet/XLSet.h"

#include <cstdint>

// What Clear removes.
enum TXLClear : uint8_t { csContents, csFormatting, csHints };
using TXLClearSet = TXLSet<TXLClear, uint8_t>;

class TXLProRange : public TXLProCell {
public:
    TXLProRange();

    // The top-left cell's style (none without a cell); setting makes the
    // cell when needed.
    TXLStyle* GetBasedOn() const override;
    void SetBasedOn(TXLStyle* style) override;
    // The top-left position's class; setting gives it to every position.
    const TXLCellClass* GetCellClass() const override;
    void SetCellClass(const TXLCellClass* cellClass) override;
    // The top-left cell's value; setting writes that cell only.
    Variant GetValue() override;
    void SetValue(const Variant& value) override;
    uint32_t GetCellInfo(TXLCellInfo info, bool& uniform) override;
    using TXLPersistent::GetCellInfo;
    void SetCellInfo(TXLCellInfo info, uint32_t value) override;
    // Repaints the rectangle and carries the class, editor and format
    // (prControl), the changed font attributes (prFont) or the clearing of
    // hints (prHint) to the cells.
    void NotifyChanges(TXLProp prop, int flags) override;

    // Destroys the cells (csContents; their position formatting stays),
    // resets the colour and the borders (csFormatting), clears the hints
    // (csHints, when the cells stay). True when set is not empty.
    bool Clear(TXLClearSet set);
    // byRows: one area per row, true. Otherwise the whole rectangle becomes
    // one area unless it already is one (or a single position): then false.
    bool Merge(bool byRows);
    bool Empty() const { return GetBounds().IsEmpty(); }
    // The rectangle runs from row 0 to the end of the band (columns), or
    // from column 0 to its end (rows).
    bool GetEntireCols() const;
    bool GetEntireRows() const;
    // True stretches the rectangle over the whole band; false does nothing.
    void SetEntireCols(bool value);
    void SetEntireRows(bool value);

    // The steps of the notification: every cell (made where missing) is
    // marked as queued for repaint and copies prop from the range with flags;
    // every position takes the range's class; every existing cell loses its
    // hint.
    void UpdateCells(TXLProp prop, int flags);
    void UpdateCellsClass();
    void ResetHints();

    // The rectangle cropped to the section.
    TRect GetArea() const;

    // Prints the range alone, at 100 %, with the given title bands and
    // document title; the sheet's print settings are restored afterwards,
    // also when printing fails.
    void Print(const QString& title, TXLAxes titles);

protected:
    // Takes the range's font as the one last applied to the cells. A
    // subclass calls it once its section and rectangle are set.
    void RememberFont();

private:
    // The font attributes (XLFlags of prFont) that differ from the font last
    // applied.
    int ChangedFontFlags();

    TXLFont FAppliedFont;
};
