// TXLCStrings: the pick-list cell. It holds the items (a string list, empty
// at creation) and a selected index (0 at creation; any value is kept). Its
// string and value are the items as one text, each followed by CR LF; its
// integer is the selected index; its object is the item list. The display
// text is the selected item, or "" when the index lies outside the items.
#pragma once

#include "sheet/TXLCString.h"
#include "sheet/TXLStrings.h"

class TXLCStrings : public TXLCString {
public:
    static const TXLCellClass* StaticClass();
    const TXLCellClass* ClassType() const override;

    QString GetString() override;
    // Replaces the items by the lines of value (no change when the text is
    // the same, unless csWriteNotify).
    void SetString(const QString& value) override;
    int32_t GetInteger() override;
    void SetInteger(int32_t value) override;
    TXLObject* GetObject() override;
    // Copies the items of a TXLStrings (anything else is ignored); always a
    // change. The index stays.
    void SetObject(const TXLObject* value) override;
    Variant GetValue() override;
    void SetValue(const Variant& value) override;
    QString FormatText() override;

private:
    TXLStrings FItems;
    int32_t FItemIndex = 0;
};
