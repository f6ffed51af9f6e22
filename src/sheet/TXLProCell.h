// TXLProCell: a value that occupies a rectangle of positions in one section
// (a cell, later a range). Its position-stored properties (borders, colour,
// frame, styles, layout) are read from and written to the section's
// position store over that rectangle. Sector coordinates throughout, except
// GetMapBounds and GetNamePath, which speak sheet coordinates.
#pragma once

#include "sheet/TXLValue.h"
#include "sheet/XLTypes.h"

#include <cstdint>

class TXLSection;
class TXLSheet;

class TXLProCell : public TXLValue {
public:
    // From a range, its rectangle first; then the property copy.
    void Assign(TXLPersistent& source) override;

    virtual TXLSection* GetSection() const = 0;
    // The rectangle in sector coordinates (exclusive right and bottom).
    virtual TRect GetBounds() const = 0;
    virtual void SetBounds(const TRect& rect) = 0;

    TPoint GetPosition() const { return GetBounds().TopLeft(); }
    // Makes the rectangle the single position p.
    void SetPosition(TPoint p) { SetBounds(PointRect(p)); }
    uint16_t GetWidth() const { return static_cast<uint16_t>(GetBounds().Width()); }
    void SetWidth(uint16_t width);
    uint16_t GetHeight() const { return static_cast<uint16_t>(GetBounds().Height()); }
    void SetHeight(uint16_t height);
    // One position, or exactly one merged area.
    bool GetSingle() const;
    // Overlaps any merged area.
    bool GetMerged() const;
    // Removes every merged area overlapping the rectangle.
    void Split();

    TXLSheet* GetSheet() const;
    TXLSector GetSector() const;
    // The rectangle in sheet coordinates.
    TRect GetMapBounds() const;
    // "Cell [x, y]" or "Cells [x1, y1 : x2, y2]" (sheet coordinates,
    // inclusive corners).
    QString GetNamePath() const;

    uint32_t GetCellInfo(TXLCellInfo info, bool& uniform) override;
    using TXLPersistent::GetCellInfo;
    void SetCellInfo(TXLCellInfo info, uint32_t value) override;
};
