#include "grid/XLEdges.h"

#include <QPainter>

namespace {

// One ring: top and left in one colour, bottom and right in the other; the
// bottom-right colour owns both far corners.
void DrawRing(QPainter& painter, const TRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    painter.fillRect(QRect(r.Left, r.Top, r.Width() - 1, 1), topLeft);
    painter.fillRect(QRect(r.Left, r.Top, 1, r.Height() - 1), topLeft);
    painter.fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), bottomRight);
    painter.fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), bottomRight);
}

}  // namespace

void XLDrawEdge(QPainter& painter, const TRect& rect, TXLEdge edge, bool soft, const QPalette& palette)
{
    const QColor light = palette.color(QPalette::Light);
    const QColor midlight = palette.color(QPalette::Midlight);
    const QColor dark = palette.color(QPalette::Dark);
    const QColor shadow = palette.color(QPalette::Shadow);
    TRect ring = rect;
    if (edge & (bdRaisedOuter | bdSunkenOuter)) {
        if (edge & bdRaisedOuter)
            DrawRing(painter, ring, soft ? light : midlight, shadow);
        else
            DrawRing(painter, ring, soft ? shadow : dark, light);
        ring = Rect(ring.Left + 1, ring.Top + 1, ring.Right - 1, ring.Bottom - 1);
    }
    if (edge & bdRaisedInner)
        DrawRing(painter, ring, soft ? midlight : light, dark);
    else if (edge & bdSunkenInner)
        DrawRing(painter, ring, soft ? dark : shadow, midlight);
}

TXLFrameEdge XLFrameEdge(TXLFrame frame)
{
    switch (frame) {
    case frFlatUp:
        return {bdRaisedInner, false};
    case frFlatDown:
        return {bdSunkenInner, true};
    case frDeepUp:
        return {edRaised, true};
    case frDeepDown:
        return {edSunken, true};
    case frBevelUp:
        return {edBump, false};
    case frBevelDown:
        return {edEtched, false};
    case frNone:
        break;
    }
    return {};
}

TRect XLAdjustFrameRect(const TRect& rect, TXLFrame frame)
{
    switch (frame) {
    case frNone:
        return Rect(rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1);
    case frFlatUp:
    case frFlatDown:
        return Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
    case frDeepUp:
    case frDeepDown:
    case frBevelUp:
    case frBevelDown:
        break;
    }
    return Rect(rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2);
}

void XLDrawFrame(QPainter& painter, const TRect& rect, TXLFrame frame, const QPalette& palette)
{
    const TXLFrameEdge e = XLFrameEdge(frame);
    if (e.Edge)
        XLDrawEdge(painter, rect, e.Edge, e.Soft, palette);
}
