// TXLPaintStruct: everything one paint of a section needs, filled by the
// view that paints on screen (or by the printer for one page): the line
// sizes to use, the cell area and its pixel rectangle, the update rectangle
// and region, the merged areas to paint with their pixel rectangles, the
// scale, the line and design flags, where cell frames come from and who
// fills the ground. TXLSectionPainter reads it and fills in the painted
// column widths and row heights. It owns nothing: the lists, the canvas and
// the cells belong to their owners for the duration of the paint.
#pragma once

#include "grid/TXLLineSizes.h"
#include "sheet/XLEnums.h"
#include "sheet/XLTypes.h"

#include <QPalette>
#include <QRegion>

#include <functional>
#include <vector>

class QPainter;
class TXLCell;
struct TXLPaintStruct;

// A merged area to paint: its cells, its pixel rectangle and its anchor cell
// (none when no cell object is stored at its top-left).
struct TXLPaintUnion {
    TRect Area;
    TRect Rect;
    TXLCell* Cell = nullptr;
};

// The frame of the cell at a section position.
using TXLFrameDataProc = std::function<TXLFrame(int ACol, int ARow)>;
// Fills what no coloured cell covers (the painter's clip excludes those).
using TXLGroundProc = std::function<void(TXLPaintStruct& APaint)>;

struct TXLPaintStruct {
    const TXLLineSizes* Widths = nullptr;
    const TXLLineSizes* Heights = nullptr;
    // Filled during the paint: one entry per painted column / row.
    std::vector<int> ColWidths;
    std::vector<int> RowHeights;
    std::vector<TXLPaintUnion> Unions;
    int ScaleX = 100;
    int ScaleY = 100;
    QPainter* Canvas = nullptr;
    // Resolves system colours (window, button face, window text ...).
    QPalette Palette;
    // Painted cells (exclusive right and bottom) and their pixel rectangle.
    TRect Area;
    TRect Rect;
    // What the ground painter fills.
    TRect UpdateRect;
    bool VertLines = false;
    bool HorzLines = false;
    bool Design = false;
    bool ShowHidden = false;
    bool ShowHints = false;
    TXLFrameDataProc FrameData;
    // The region of the paint; every clip the painter sets stays inside it.
    QRegion Region;
    TXLGroundProc PaintGround;
};
