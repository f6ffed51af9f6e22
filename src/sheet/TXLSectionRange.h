// TXLSectionRange: a range over a rectangle of one section, in sector
// coordinates (exclusive right and bottom). The rectangle is stored as
// given, not cropped to the section, so that an entire column or row keeps
// reaching to the end of its band when the band grows. The section is a
// reference: the range must not outlive its sheet.
#pragma once

#include "sheet/TXLProRange.h"

class TXLSectionRange : public TXLProRange {
public:
    TXLSectionRange(TXLSection* section, const TRect& rect);

    TXLSection* GetSection() const override { return FSection; }
    TRect GetBounds() const override { return FRect; }
    void SetBounds(const TRect& rect) override { FRect = rect; }

private:
    TXLSection* FSection;
    TRect FRect;
};
