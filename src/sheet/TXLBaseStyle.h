// TXLBaseStyle: one of the two default property sets of a sheet
// (BaseClientStyle for the body sector, BaseTitleStyle for the three title
// sectors). It holds all ten properties and is permanently in csAssign, so
// nothing is ever marked local in it. Its info words are the defaults of the
// sections' position-info lists; a change reaches every cell of its sectors.
// Owned by its sheet, which it outlives never.
#pragma once

#include "sheet/TXLProStyle.h"
#include "sheet/XLTypes.h"

#include <QString>

class TXLSheet;

enum TXLStyleFlavour : uint8_t { sfClient, sfTitle };

class TXLBaseStyle : public TXLProStyle {
public:
    TXLBaseStyle(TXLSheet* sheet, TXLStyleFlavour flavour);

    TXLSheet* GetSheet() const { return FSheet; }
    TXLStyleFlavour GetFlavour() const { return FFlavour; }
    // The sectors whose base style this is.
    TXLSectors GetSectors() const;

    TColor GetErrorColor() const { return FErrorColor; }
    void SetErrorColor(TColor color);
    TColor GetLinesColor() const { return FLinesColor; }
    void SetLinesColor(TColor color);

    // Copies the ten properties (and, from a base style, the two colours);
    // all ten stay held here.
    void Assign(TXLPersistent& source) override;
    // Stores and notifies, then makes the value the default of every
    // existing row of the matching position-info list (all kinds but the
    // column and row lines) and repaints the sectors.
    void SetCellInfo(TXLCellInfo info, uint32_t value) override;
    // Sets Modified; every property but colour, borders and frame is
    // reloaded by every cell of the sectors.
    void NotifyChanges(TXLProp prop, int flags) override;

    QString GetNamePath() const;

private:
    void InvalidateSectors();

    TXLSheet* FSheet;
    TXLStyleFlavour FFlavour;
    TColor FErrorColor = clRed;
    TColor FLinesColor;
};
