// 3-D edges: the one helper that draws raised, sunken, bump and etched
// edges (a cell's frame, the grid's bevels) in the widget palette's light
// and shadow colours, and the frame table of cells: which edge each
// TXLFrame draws and how far it shrinks the content rectangle. Rectangles
// are pixel rectangles with exclusive Right and Bottom.
#pragma once

#include "sheet/XLEnums.h"
#include "sheet/XLTypes.h"

#include <QPalette>

#include <cstdint>

class QPainter;

// Edge parts, combinable: an outer and an inner ring, each raised or sunken.
using TXLEdge = uint8_t;
constexpr TXLEdge bdRaisedOuter = 1;
constexpr TXLEdge bdSunkenOuter = 2;
constexpr TXLEdge bdRaisedInner = 4;
constexpr TXLEdge bdSunkenInner = 8;
constexpr TXLEdge edRaised = bdRaisedOuter | bdRaisedInner;
constexpr TXLEdge edSunken = bdSunkenOuter | bdSunkenInner;
constexpr TXLEdge edEtched = bdSunkenOuter | bdRaisedInner;
constexpr TXLEdge edBump = bdRaisedOuter | bdSunkenInner;

// Draws the rings of edge from rect's outer pixels inwards (one pixel each;
// a single part takes the outermost ring). Soft edges light the top-left
// more brightly on the outside.
void XLDrawEdge(QPainter& painter, const TRect& rect, TXLEdge edge, bool soft, const QPalette& palette);

struct TXLFrameEdge {
    TXLEdge Edge = 0;
    bool Soft = false;
};

TXLFrameEdge XLFrameEdge(TXLFrame frame);
// The content rectangle inside a cell rectangle with that frame (frNone
// leaves out the grid line on the right and at the bottom).
TRect XLAdjustFrameRect(const TRect& rect, TXLFrame frame);
// The frame's edge around a cell rectangle; nothing for frNone.
void XLDrawFrame(QPainter& painter, const TRect& rect, TXLFrame frame, const QPalette& palette);
