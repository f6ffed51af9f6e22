// TXLDraw: what the painter hands a cell value for drawing one cell: the
// canvas (already clipped to the cell's content rectangle and with a
// transparent text background), the layout at the position, the font
// already scaled to the view and coloured (the error colour applied when the
// cell is in error), the scale in percent, and the frame, styles and position
// of the cell. Filled by the section's painter per cell; nothing here is
// owned except the font value.
//
// The helpers below are the drawing primitives the value classes share:
// XLDrawText is the cell's text drawing (no prefix processing, tabs
// expanded, never clipped by the call itself, aligned, with end ellipsis or
// word wrap, placed vertically after measuring); XLPlaceRect puts a box of a
// given size inside a rectangle by the alignment.
#pragma once

#include "sheet/TXLFont.h"
#include "sheet/XLEnums.h"
#include "sheet/XLTypes.h"

#include <QRect>
#include <QString>

class QPainter;
class QColor;

struct TXLDraw {
    QPainter* Canvas = nullptr;
    TXLHorzAlign HorzAlign = haLeft;
    TXLVertAlign VertAlign = vaTop;
    int Indent = 0;
    TXLWrapMode WrapMode = wmClip;
    TXLFont Font;
    TColor ErrorColor = clRed;
    // Percent; sizes the values draw themselves (check box, picture) follow it.
    int Scale = 100;
    bool Design = false;
    TXLFrame Frame = frNone;
    TXLCellStyles Styles;
    TPoint Position;
    // The canvas holds Font (as ToQFont) and its colour as pen already: the
    // painter sets them once for a run of cells drawn alike.
    bool FontSet = false;
};

// Pixel rectangles (exclusive right and bottom) as Qt sees them.
inline QRect ToQRect(const TRect& r)
{
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

// Draws text into rect with draw's font, colour, alignment and wrap mode.
// Font and pen are left set on the canvas.
void XLDrawText(const TXLDraw& draw, const TRect& rect, const QString& text);

// The pen colour text of font is drawn in (black for no colour).
QColor XLTextColor(const TXLFont& font);

// A width x height box inside bounds: left, right or centred horizontally,
// top, bottom or centred vertically (centring truncates).
TRect XLPlaceRect(const TRect& bounds, int width, int height, TXLHorzAlign horz, TXLVertAlign vert);
