#include "sheet/TXLDraw.h"

#include "sheet/XLColor.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <climits>

namespace {

// CR LF, CR and LF all end a line; Qt would draw a lone CR as a blank.
QString NormaliseLineBreaks(const QString& text)
{
    if (!text.contains(u'\r'))
        return text;
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(u'\r', u'\n');
    return result;
}

// Every line that does not fit the width ends in an ellipsis.
QString ElideLines(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines = text.split(u'\n');
    for (QString& line : lines)
        if (metrics.horizontalAdvance(line) > width)
            line = metrics.elidedText(line, Qt::ElideRight, width > 0 ? width : 0);
    return lines.join(u'\n');
}

int HorzFlag(TXLHorzAlign align)
{
    switch (align) {
    case haRight:
        return Qt::AlignRight;
    case haCenter:
        return Qt::AlignHCenter;
    case haLeft:
        break;
    }
    return Qt::AlignLeft;
}

}  // namespace

void XLDrawText(const TXLDraw& draw, const TRect& rect, const QString& text)
{
    QPainter* canvas = draw.Canvas;
    if (!canvas || text.isEmpty())
        return;
    if (!draw.FontSet) {
        canvas->setFont(draw.Font.ToQFont());
        canvas->setPen(XLTextColor(draw.Font));
    }

    // No mnemonic flag: an "&" is text. The call never clips; the painter
    // has clipped to the cell already where it wants that.
    int flags = Qt::TextExpandTabs | Qt::TextDontClip | Qt::AlignTop | HorzFlag(draw.HorzAlign);
    QString shown = NormaliseLineBreaks(text);
    const int width = rect.Width() > 0 ? rect.Width() : 0;
    if (draw.WrapMode == wmWrapWords)
        flags |= Qt::TextWordWrap;
    else if (draw.WrapMode == wmEllipsis)
        shown = ElideLines(shown, canvas->fontMetrics(), width);

    int top = rect.Top;
    if (draw.VertAlign == vaBottom || draw.VertAlign == vaCenter) {
        const int height = canvas->boundingRect(QRect(rect.Left, 0, width, INT_MAX / 2), flags, shown).height();
        top = draw.VertAlign == vaBottom ? rect.Bottom - height : (rect.Top + rect.Bottom - height) / 2;
    }
    canvas->drawText(QRect(rect.Left, top, width, rect.Height() > 0 ? rect.Height() : 0), flags, shown);
}

QColor XLTextColor(const TXLFont& font)
{
    const QColor color = ColorToQColor(font.GetColor());
    return color.isValid() ? color : QColor(Qt::black);
}

TRect XLPlaceRect(const TRect& bounds, int width, int height, TXLHorzAlign horz, TXLVertAlign vert)
{
    int left = bounds.Left;
    if (horz == haRight)
        left = bounds.Right - width;
    else if (horz == haCenter)
        left = bounds.Left + (bounds.Width() - width) / 2;
    int top = bounds.Top;
    if (vert == vaBottom)
        top = bounds.Bottom - height;
    else if (vert == vaCenter)
        top = bounds.Top + (bounds.Height() - height) / 2;
    return Rect(left, top, left + width, top + height);
}
