// TXLProStyle: a style, i.e. a property set that keeps everything in itself:
// the twelve info words (borders, colour, frame, styles, layout) and the cell
// class. It is in csStyle from construction, so its setters always store and
// notify. Defaults: the manager's first registered cell class and that
// class's first format. A style has no BasedOn. Base of the sheet's base
// styles and of the named styles of a styler.
#pragma once

#include "sheet/TXLPersistent.h"

#include <array>

class TXLProStyle : public TXLPersistent {
public:
    TXLProStyle();

    TXLStyle* GetBasedOn() const override { return nullptr; }
    void SetBasedOn(TXLStyle* style) override { (void)style; }
    const TXLCellClass* GetCellClass() const override { return FCellClass; }
    // Stores the class, resets Editor to 0 and notifies prControl.
    void SetCellClass(const TXLCellClass* cellClass) override;
    uint32_t GetCellInfo(TXLCellInfo info, bool& uniform) override;
    using TXLPersistent::GetCellInfo;
    // Stores the word and notifies prBorder (lines), prColor, prFrame or
    // prStyles (styles and layout).
    void SetCellInfo(TXLCellInfo info, uint32_t value) override;

protected:
    // Writes an info word without notification (construction, loading).
    void PutCellInfo(TXLCellInfo info, uint32_t value) { FInfo[info] = value; }
    void PutCellClass(const TXLCellClass* cellClass) { FCellClass = cellClass; }

private:
    std::array<uint32_t, XLCellInfoCount> FInfo{};
    const TXLCellClass* FCellClass = nullptr;
};
