// TXLObject: the root of the value objects a cell hands out through
// GetObject and takes through SetObject (the item list of a pick-list cell;
// pictures later). The cell that holds one owns it; callers get a pointer
// that lives as long as the cell.
#pragma once

class TXLObject {
public:
    virtual ~TXLObject() = default;
};
