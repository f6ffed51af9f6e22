// TXLSectionPainter: paints the cells of one section from a paint record,
// on screen for a view and on paper for the printer, in fixed passes: cell
// colours, the ground, grid lines, merged areas and cells (contents, frames,
// diagonals, design marks), then borders. Painted coloured cells and merged
// areas leave the clip so that nothing is painted twice under them. The
// section, its cells and the canvas belong to others; the painter keeps
// only the clip of the paint in progress.
#pragma once

#include "grid/TXLPaintStruct.h"
#include "sheet/TXLDraw.h"

#include <QFont>
#include <QPen>
#include <QRegion>

class QPainter;
class TXLCell;
class TXLFont;
class TXLSection;

class TXLSectionPainter {
public:
    // Size of the comment mark, a red triangle in the top-right corner.
    static constexpr int CommentMarkSize = 5;

    explicit TXLSectionPainter(TXLSection& section) : FSection(section) {}

    // The section's colour: its base style's.
    TColor GetColor() const;

    void PaintRect(TXLPaintStruct& paint);
    // One cell's content into its full rectangle (the frame is taken off).
    void PaintCell(TXLPaintStruct& paint, TXLDraw& draw, const TRect& rect, TXLCell& cell);
    // The frame, the diagonals and the design marks of one cell rectangle.
    void PaintOther(TXLPaintStruct& paint, TXLDraw& draw, const TRect& rect);
    // The font a cell is drawn with: the error colour when in error, the
    // size scaled in points (integer division) when scaled is set.
    void PrepareFont(TXLFont& font, int scale, bool error, bool scaled) const;

private:
    void PaintColors(TXLPaintStruct& paint, const std::vector<int>& xs, const std::vector<int>& ys);
    void PaintLines(TXLPaintStruct& paint, const std::vector<int>& xs, const std::vector<int>& ys);
    void PaintCells(TXLPaintStruct& paint, const std::vector<int>& xs, const std::vector<int>& ys);
    void PaintBorders(TXLPaintStruct& paint, const std::vector<int>& xs, const std::vector<int>& ys);
    void Exclude(QPainter& canvas, const TRect& rect);
    // Gives the canvas draw's font and pen unless it holds them already.
    void SetCanvasFont(QPainter& canvas, TXLDraw& draw);

    TXLSection& FSection;
    QRegion FClip;
    // The font and pen last given to the canvas while cells are painted.
    bool FCanvasFontSet = false;
    TXLFont FCanvasFont;
    QFont FCanvasQFont;
    QPen FCanvasPen;
};
