// The default drawing of a value: its display text.
#include "sheet/TXLDraw.h"
#include "sheet/TXLValue.h"

void TXLValue::Draw(const TXLDraw& draw, const TRect& rect)
{
    const QString text = GetText();
    if (!text.isEmpty())
        XLDrawText(draw, rect, text);
}
