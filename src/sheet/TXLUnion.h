// TXLUnion: a merged area of a section: a rectangle in sector coordinates
// and its anchor, the cell at the top-left position (or none while no cell
// object exists there). Invariants kept by SetBounds: areas of one section
// never overlap; no position of the area but the top-left holds a cell
// object; the area's position formatting is uniform (no interior lines,
// uniform edges, one colour, bias, frame, styles and layout). Owned by its
// section, which creates and removes areas.
#pragma once

#include "sheet/XLTypes.h"

class TXLCell;
class TXLSection;

class TXLUnion {
public:
    TXLUnion(TXLSection* section, TXLCell* anchor) : FSection(section), FAnchor(anchor) {}

    TXLSection* GetSection() const { return FSection; }
    const TRect& GetBounds() const { return FBounds; }
    // Nothing when unchanged; otherwise repaints the old rectangle, stores
    // the new one and normalises it (other overlapping areas removed,
    // formatting made uniform, covered cells destroyed, repainted).
    void SetBounds(const TRect& rect);
    TXLCell* GetCell() const { return FAnchor; }
    void SetAnchor(TXLCell* anchor) { FAnchor = anchor; }
    // The anchor cell is going away; the area stays.
    void ClearAnchor() { FAnchor = nullptr; }
    // Stores the rectangle as read from a stream, without normalising: for a
    // reader filling a section that holds no cells and no formatting yet,
    // which keeps the areas apart itself.
    void PutBounds(const TRect& rect);

private:
    TXLSection* FSection;
    TXLCell* FAnchor;
    TRect FBounds;
};
