// Descriptors of the classes the cell-class manager registers. A cell class
// is a C++ type derived from TXLCell; its descriptor carries the class name
// (whose character sum identifies the class in streams), a factory that makes
// an unattached cell of the class, and the descriptor of its parent class (so
// InheritsFrom works like a class test). An editor class is known here by
// name only: the grid library maps editor descriptors to its widgets.
// Descriptors are immutable process-wide statics; registries hold pointers to
// them, and "no class" is null.
#pragma once

#include <QString>

#include <memory>

class TXLCell;

struct TXLCellClass {
    using TFactory = std::unique_ptr<TXLCell> (*)();

    QString Name;
    TFactory Create = nullptr;
    const TXLCellClass* Parent = nullptr;

    // True for this class and every class derived from it.
    bool InheritsFrom(const TXLCellClass* ancestor) const
    {
        for (const TXLCellClass* c = this; c; c = c->Parent)
            if (c == ancestor)
                return true;
        return false;
    }
};

struct TXLEditClass {
    QString Name;
};

// The editor classes the engine knows, in the order of their registration.
namespace XLEditClasses {
const TXLEditClass* PickEdit();      // "TXLPickEdit"
const TXLEditClass* Memo();          // "TXLMemo"
const TXLEditClass* MaskEdit();      // "TXLMaskEdit"
const TXLEditClass* ComboBox();      // "TXLComboBox"
const TXLEditClass* NumEdit();       // "TXLNumEdit"
const TXLEditClass* DateTimeEdit();  // "TXLDateTimeEdit"
}  // namespace XLEditClasses
