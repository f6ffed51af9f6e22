// TXLCDateTime: the date-time cell. It holds a TDateTime (days since
// 1899-12-30, the fraction the time of day; 0 at creation). A text is read
// as a date and time, else as a date, else as a time (the locale's
// conventions); a text none of them accepts, and a value of any other kind,
// is converted to a real with the variant rules, raising EVariantError and
// leaving the cell as it was when that fails too. The display text is
// FormatDateTimeEx of the display format, so 0 shows "" unless the format's
// second part says otherwise; a value that is no date shows "".
#pragma once

#include "sheet/TXLCell.h"

class TXLCDateTime : public TXLCell {
public:
    static const TXLCellClass* StaticClass();
    const TXLCellClass* ClassType() const override;

    double GetDateTime() override;
    void SetDateTime(double value) override;
    Variant GetValue() override;
    void SetValue(const Variant& value) override;
    QString FormatText() override;

private:
    double FValue = 0;
};
