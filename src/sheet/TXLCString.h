// TXLCString: the text cell. It holds one string (empty at creation); any
// value written to it is converted to text. A write that does not change the
// text changes nothing unless the position's Styles contain csWriteNotify.
// The display text is the string, passed through the display format as an
// edit mask when there is one.
#pragma once

#include "sheet/TXLCell.h"

class TXLCString : public TXLCell {
public:
    static const TXLCellClass* StaticClass();
    const TXLCellClass* ClassType() const override;

    QString GetString() override;
    void SetString(const QString& value) override;
    Variant GetValue() override;
    void SetValue(const Variant& value) override;
    QString FormatText() override;

protected:
    // The display format applied to a text (mask formatting).
    QString MaskText(const QString& text) const;
    const QString* ValueText() const override { return &FValue; }

private:
    QString FValue;
};
