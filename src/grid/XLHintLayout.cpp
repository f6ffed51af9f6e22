#include "grid/XLHintLayout.h"

#include <algorithm>

QPoint XLHintAnchor(const QRect& cell)
{
    return {cell.right(), cell.top() + 1};
}

QRect XLPlaceHintMemo(const QRect& cell, int width, int textHeight, const QSize& client)
{
    const QPoint anchor = XLHintAnchor(cell);
    const int height = std::max(XLHintMinHeight, textHeight + XLHintExtraHeight);
    int left = std::max(0, anchor.x() + 7);
    int top = std::max(0, anchor.y() - 18);
    if (left + width > client.width())
        left = std::max(0, cell.left() - width - 14);
    if (top + height > client.height())
        top = std::max(0, cell.top() - height - 11);
    return {left, top, width, height};
}

std::array<QRect, 8> XLHintHandles(const QSize& size)
{
    const int f = XLHintFrame;
    const int right = size.width() - f;
    const int bottom = size.height() - f;
    const int middleX = (size.width() - f) / 2;
    const int middleY = (size.height() - f) / 2;
    return {
        QRect(0, 0, f, f),            // hhTopLeft
        QRect(right, 0, f, f),        // hhTopRight
        QRect(0, bottom, f, f),       // hhBottomLeft
        QRect(right, bottom, f, f),   // hhBottomRight
        QRect(middleX, 0, f, f),      // hhTop
        QRect(middleX, bottom, f, f), // hhBottom
        QRect(0, middleY, f, f),      // hhLeft
        QRect(right, middleY, f, f),  // hhRight
    };
}

TXLHintHit XLHintHitTest(const QSize& size, const QPoint& p)
{
    const QRect bounds(QPoint(0, 0), size);
    const QRect text = bounds.adjusted(XLHintFrame, XLHintFrame, -XLHintFrame, -XLHintFrame);
    if (!bounds.contains(p) || text.contains(p))
        return hhClient;
    const std::array<QRect, 8> handles = XLHintHandles(size);
    for (size_t i = 0; i < handles.size(); ++i)
        if (handles[i].contains(p))
            return static_cast<TXLHintHit>(hhTopLeft + i);
    return hhMove;
}

QRect XLHintDrag(TXLHintHit hit, const QRect& start, const QPoint& delta, const QSize& minSize)
{
    if (hit == hhClient)
        return start;
    if (hit == hhMove)
        return start.translated(delta);
    QRect r = start;
    if (hit == hhTopLeft || hit == hhBottomLeft || hit == hhLeft)
        r.setLeft(std::min(start.left() + delta.x(), start.right() + 1 - minSize.width()));
    if (hit == hhTopRight || hit == hhBottomRight || hit == hhRight)
        r.setRight(std::max(start.right() + delta.x(), start.left() + minSize.width() - 1));
    if (hit == hhTopLeft || hit == hhTopRight || hit == hhTop)
        r.setTop(std::min(start.top() + delta.y(), start.bottom() + 1 - minSize.height()));
    if (hit == hhBottomLeft || hit == hhBottomRight || hit == hhBottom)
        r.setBottom(std::max(start.bottom() + delta.y(), start.top() + minSize.height() - 1));
    return r;
}

namespace {

bool IsBlank(QChar c)
{
    return c.isSpace() || c.unicode() < 32;
}

void TrimRight(QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && IsBlank(s[n - 1]))
        --n;
    s.truncate(n);
}

}  // namespace

QString XLHintStoredText(const QStringList& lines)
{
    QStringList out;
    for (QString line : lines) {
        // A line ended by a hard break inside its paragraph carries it.
        if (line.endsWith(QChar::LineSeparator) || line.endsWith(QChar::ParagraphSeparator))
            line.chop(1);
        line.replace(QChar::LineSeparator, QLatin1Char('\n')).replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        line.remove(QLatin1Char('\r'));
        for (QString part : line.split(QLatin1Char('\n'))) {
            TrimRight(part);
            out << part;
        }
    }
    QString text = out.join(QLatin1Char('\n'));
    TrimRight(text);
    return text;
}
