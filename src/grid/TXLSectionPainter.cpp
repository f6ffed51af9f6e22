#include "grid/TXLSectionPainter.h"

#include "grid/XLEdges.h"
#include "grid/XLPaletteColor.h"
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLInfoList.h"
#include "sheet/TXLSection.h"
#include "sheet/XLPacked.h"

#include <QLine>
#include <QPainter>
#include <QPolygon>

#include <vector>

namespace {

QRect ToQ(const TRect& r)
{
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

// Inverts what lies under the brush (design marks): XOR with white.
void Invert(QPainter& canvas, const QRect& rect, const QBrush& brush)
{
    canvas.save();
    canvas.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    canvas.fillRect(rect, brush);
    canvas.restore();
}

}  // namespace

TColor TXLSectionPainter::GetColor() const
{
    return FSection.GetBaseStyle()->GetColor();
}

void TXLSectionPainter::Exclude(QPainter& canvas, const TRect& rect)
{
    FClip -= ToQ(rect);
    canvas.setClipRegion(FClip);
}

void TXLSectionPainter::PaintRect(TXLPaintStruct& paint)
{
    QPainter& canvas = *paint.Canvas;
    const TRect& area = paint.Area;
    paint.ColWidths.clear();
    paint.RowHeights.clear();
    // Pixel starts of the painted lines, one more than lines (the far edge).
    std::vector<int> xs{paint.Rect.Left};
    for (int c = area.Left; c < area.Right; ++c) {
        paint.ColWidths.push_back(paint.Widths ? paint.Widths->Size(c) : 0);
        xs.push_back(xs.back() + paint.ColWidths.back());
    }
    std::vector<int> ys{paint.Rect.Top};
    for (int r = area.Top; r < area.Bottom; ++r) {
        paint.RowHeights.push_back(paint.Heights ? paint.Heights->Size(r) : 0);
        ys.push_back(ys.back() + paint.RowHeights.back());
    }

    const QRegion region = paint.Region.isEmpty() ? QRegion(ToQ(paint.UpdateRect)) : paint.Region;
    FClip = region;
    canvas.setClipRegion(FClip);
    PaintColors(paint, xs, ys);
    if (paint.PaintGround)
        paint.PaintGround(paint);
    // Grid lines stop at merged areas but run along their far edges.
    for (const TXLPaintUnion& u : paint.Unions)
        FClip -= QRect(u.Rect.Left, u.Rect.Top, u.Rect.Width() - 1, u.Rect.Height() - 1);
    canvas.setClipRegion(FClip);
    PaintLines(paint, xs, ys);

    FClip = region;
    canvas.setClipRegion(FClip);
    // The cells leave the last font and pen they set behind.
    canvas.save();
    FCanvasFontSet = false;
    PaintCells(paint, xs, ys);
    FCanvasFontSet = false;
    FCanvasQFont = QFont();
    canvas.restore();

    FClip = region;
    canvas.setClipRegion(FClip);
    if (FSection.GetSector() == sClient)
        PaintBorders(paint, xs, ys);
}

void TXLSectionPainter::PaintColors(TXLPaintStruct& paint, const std::vector<int>& xs, const std::vector<int>& ys)
{
    QPainter& canvas = *paint.Canvas;
    const TXLInfoList& colors = *FSection.GetInfoList(siColor);
    const TColor own = GetColor();
    QRegion covered;
    for (int r = paint.Area.Top; r < paint.Area.Bottom; ++r) {
        const size_t ri = static_cast<size_t>(r - paint.Area.Top);
        if (paint.RowHeights[ri] <= 0)
            continue;
        // A coloured cell covers the grid lines around it.
        const int top = ys[ri] - 1;
        const int bottom = ys[ri + 1];
        // The run of equal colours being collected (its first pixel may be
        // -1: the line left of the first column).
        bool inRun = false;
        int runStart = 0;
        TColor runColor = own;
        const auto flush = [&](int endX) {
            if (!inRun)
                return;
            const QColor color = XLColorToQColor(runColor, paint.Palette);
            const QRect rect(runStart, top, endX - runStart, bottom - top);
            if (color.isValid()) {
                canvas.fillRect(rect, color);
                covered += rect;
            }
            inRun = false;
        };
        for (int c = paint.Area.Left; c < paint.Area.Right; ++c) {
            const size_t ci = static_cast<size_t>(c - paint.Area.Left);
            if (paint.ColWidths[ci] <= 0)
                continue;
            const TColor color = static_cast<TColor>(colors.Read(r, c));
            if (color == own) {
                flush(xs[ci]);
                continue;
            }
            if (inRun && color != runColor)
                flush(xs[ci]);
            if (!inRun) {
                inRun = true;
                runStart = xs[ci] - 1;
                runColor = color;
            }
        }
        flush(xs.back());
    }
    FClip -= covered;
    canvas.setClipRegion(FClip);
}

void TXLSectionPainter::PaintLines(TXLPaintStruct& paint, const std::vector<int>& xs, const std::vector<int>& ys)
{
    const TColor lines = FSection.GetBaseStyle()->GetLinesColor();
    if (lines == GetColor())
        return;
    const QColor color = XLColorToQColor(lines, paint.Palette);
    if (!color.isValid())
        return;
    QPainter& canvas = *paint.Canvas;
    canvas.save();
    canvas.setPen(QPen(color, 1));
    // Every boundary of the painted lines, the far one included; a
    // zero-sized line adds no second line at the same place.
    const auto boundaries = [](const std::vector<int>& starts) {
        std::vector<int> at;
        for (const int s : starts)
            if (at.empty() || at.back() != s - 1)
                at.push_back(s - 1);
        return at;
    };
    if (paint.VertLines && paint.ScaleX > 25) {
        QVector<QLine> batch;
        for (const int x : boundaries(xs))
            batch.append(QLine(x, paint.Rect.Top - 1, x, paint.Rect.Bottom - 1));
        canvas.drawLines(batch);
    }
    if (paint.HorzLines && paint.ScaleY > 25) {
        QVector<QLine> batch;
        for (const int y : boundaries(ys))
            batch.append(QLine(paint.Rect.Left - 1, y, paint.Rect.Right - 1, y));
        canvas.drawLines(batch);
    }
    canvas.restore();
}

void TXLSectionPainter::PaintCells(TXLPaintStruct& paint, const std::vector<int>& xs, const std::vector<int>& ys)
{
    QPainter& canvas = *paint.Canvas;
    const TXLBaseStyle& base = *FSection.GetBaseStyle();
    TXLDraw draw;
    draw.Canvas = &canvas;
    draw.ErrorColor = base.GetErrorColor();
    draw.Scale = paint.ScaleY;
    draw.Design = paint.Design;
    const auto prepare = [&](int col, int row) {
        draw.Position = {col, row};
        draw.Frame = paint.FrameData ? paint.FrameData(col, row) : frNone;
        draw.Styles = FSection.GetPositionStyles({col, row});
    };
    for (const TXLPaintUnion& u : paint.Unions) {
        if (u.Rect.IsEmpty())
            continue;
        prepare(u.Area.Left, u.Area.Top);
        if (u.Cell)
            PaintCell(paint, draw, u.Rect, *u.Cell);
        PaintOther(paint, draw, u.Rect);
        Exclude(canvas, u.Rect);
    }
    for (int r = paint.Area.Top; r < paint.Area.Bottom; ++r) {
        const size_t ri = static_cast<size_t>(r - paint.Area.Top);
        if (paint.RowHeights[ri] <= 0)
            continue;
        for (int c = paint.Area.Left; c < paint.Area.Right; ++c) {
            const size_t ci = static_cast<size_t>(c - paint.Area.Left);
            if (paint.ColWidths[ci] <= 0)
                continue;
            const TRect rect = Rect(xs[ci], ys[ri], xs[ci + 1], ys[ri + 1]);
            prepare(c, r);
            TXLCell* cell = FSection.GetRawCell(c, r);
            if (cell && !cell->HasState(csUnited))
                PaintCell(paint, draw, rect, *cell);
            PaintOther(paint, draw, rect);
        }
    }
}

void TXLSectionPainter::PaintCell(TXLPaintStruct& paint, TXLDraw& draw, const TRect& rect, TXLCell& cell)
{
    cell.ExcludeState(csInvalidate);
    if (cell.HasState(csEditing))
        return;
    if (draw.Styles.Contains(csHidden) && !paint.Design && !paint.ShowHidden)
        return;
    QPainter& canvas = *paint.Canvas;
    // The font of whoever holds it along the chain: no font object is made
    // for a cell that has none of its own.
    TXLPersistent* holder = cell.FindProperty(prFont);
    draw.Font = *(holder ? holder : &cell)->GetFont();
    PrepareFont(draw.Font, paint.ScaleY, cell.HasState(csError), true);
    // The value's drawing knows only explicit colours: give it the
    // palette's colour for a system one.
    draw.Font.SetColor(XLResolveColor(draw.Font.GetColor(), paint.Palette));
    SetCanvasFont(canvas, draw);

    canvas.save();
    TRect content = XLAdjustFrameRect(rect, draw.Frame);
    canvas.setClipRect(ToQ(content), Qt::IntersectClip);
    const TXLLayout layout =
        UnpackLayout(static_cast<uint32_t>(FSection.GetInfoList(siLayout)->Read(draw.Position.Y, draw.Position.X)));
    draw.HorzAlign = layout.HorzAlign;
    draw.VertAlign = layout.VertAlign;
    draw.Indent = layout.Indent;
    draw.WrapMode = layout.WrapMode;
    content.Left += layout.Indent;
    content.Right -= layout.Indent;
    canvas.setBackgroundMode(Qt::TransparentMode);
    cell.Draw(draw, content);
    canvas.restore();

    if (paint.ShowHints && (draw.Styles.Contains(csExtHint) || !cell.GetHint().isEmpty())) {
        const QPolygon mark({QPoint(rect.Right - CommentMarkSize, rect.Top), QPoint(rect.Right - 1, rect.Top),
                             QPoint(rect.Right - 1, rect.Top + CommentMarkSize - 1)});
        canvas.save();
        canvas.setPen(Qt::red);
        canvas.setBrush(Qt::red);
        canvas.drawPolygon(mark);
        canvas.restore();
    }
}

void TXLSectionPainter::PaintOther(TXLPaintStruct& paint, TXLDraw& draw, const TRect& rect)
{
    QPainter& canvas = *paint.Canvas;
    XLDrawFrame(canvas, rect, draw.Frame, paint.Palette);

    const TXLSideBorder biases[2] = {
        UnpackBorder(static_cast<uint32_t>(FSection.GetInfoList(siBias1)->Read(draw.Position.Y, draw.Position.X))),
        UnpackBorder(static_cast<uint32_t>(FSection.GetInfoList(siBias2)->Read(draw.Position.Y, draw.Position.X))),
    };
    if (biases[0].Line != slNone || biases[1].Line != slNone) {
        canvas.save();
        // Wide pens would spill over the neighbours.
        if (biases[0].Line > 2 || biases[1].Line > 2)
            canvas.setClipRect(ToQ(rect), Qt::IntersectClip);
        const QLine lines[2] = {QLine(rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1),
                                QLine(rect.Right - 1, rect.Top, rect.Left, rect.Bottom - 1)};
        for (int i = 0; i < 2; ++i) {
            const QColor color = XLColorToQColor(biases[i].Color, paint.Palette);
            if (biases[i].Line == slNone || !color.isValid())
                continue;
            canvas.setPen(QPen(color, biases[i].Line));
            canvas.drawLine(lines[i]);
        }
        canvas.restore();
    }

    if (!paint.Design)
        return;
    if (draw.Styles.Contains(csProtect))
        Invert(canvas, QRect(rect.Left, rect.Top, 3, 3), Qt::white);
    if (draw.Styles.Contains(csHidden)) {
        canvas.save();
        canvas.setBrushOrigin(rect.Left, rect.Top);
        Invert(canvas, ToQ(rect), QBrush(Qt::white, Qt::BDiagPattern));
        canvas.restore();
    }
    if (draw.Styles.Contains(csNotify)) {
        canvas.save();
        canvas.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        canvas.setPen(QPen(Qt::white, 1, Qt::DotLine));
        canvas.setBrush(Qt::NoBrush);
        canvas.drawRect(QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
        canvas.restore();
    }
}

void TXLSectionPainter::SetCanvasFont(QPainter& canvas, TXLDraw& draw)
{
    // Making a platform font and giving it to the painter costs more than
    // drawing a short text: cells drawn alike share the one set last.
    if (!FCanvasFontSet || !FCanvasFont.SameValue(draw.Font) || !canvas.font().isCopyOf(FCanvasQFont)
        || canvas.pen() != FCanvasPen) {
        canvas.setFont(draw.Font.ToQFont());
        canvas.setPen(XLTextColor(draw.Font));
        FCanvasFont = draw.Font;
        FCanvasQFont = canvas.font();
        FCanvasPen = canvas.pen();
        FCanvasFontSet = true;
    }
    draw.FontSet = true;
}

void TXLSectionPainter::PrepareFont(TXLFont& font, int scale, bool error, bool scaled) const
{
    if (error)
        font.SetColor(FSection.GetBaseStyle()->GetErrorColor());
    if (scaled && scale != 100)
        font.SetSize(font.GetSize() * scale / 100);
}

void TXLSectionPainter::PaintBorders(TXLPaintStruct& paint, const std::vector<int>& xs, const std::vector<int>& ys)
{
    QPainter& canvas = *paint.Canvas;
    const TXLInfoList& rowLines = *FSection.GetInfoList(siRowLines);
    const TXLInfoList& colLines = *FSection.GetInfoList(siColLines);
    // One brush per run of equal line style and colour.
    uint32_t current = 0;
    QColor color;
    const auto line = [&](uint32_t packed, int& width) {
        if (packed != current) {
            current = packed;
            color = XLColorToQColor(UnpackBorder(packed).Color, paint.Palette);
        }
        width = UnpackBorder(packed).Line;
        return color.isValid() && width > 0;
    };
    int width = 0;
    for (int y = paint.Area.Top; y <= paint.Area.Bottom; ++y) {
        const int at = ys[static_cast<size_t>(y - paint.Area.Top)] - 1;
        for (int c = paint.Area.Left; c < paint.Area.Right; ++c) {
            const size_t ci = static_cast<size_t>(c - paint.Area.Left);
            const auto packed = static_cast<uint32_t>(rowLines.Read(y, c));
            if (packed == 0 || paint.ColWidths[ci] <= 0 || !line(packed, width))
                continue;
            canvas.fillRect(QRect(xs[ci] - 1, at - width / 2, xs[ci + 1] - xs[ci] + 1, width), color);
        }
    }
    for (int x = paint.Area.Left; x <= paint.Area.Right; ++x) {
        const int at = xs[static_cast<size_t>(x - paint.Area.Left)] - 1;
        for (int r = paint.Area.Top; r < paint.Area.Bottom; ++r) {
            const size_t ri = static_cast<size_t>(r - paint.Area.Top);
            const auto packed = static_cast<uint32_t>(colLines.Read(x, r));
            if (packed == 0 || paint.RowHeights[ri] <= 0 || !line(packed, width))
                continue;
            canvas.fillRect(QRect(at - width / 2, ys[ri] - 1, width, ys[ri + 1] - ys[ri] + 1), color);
        }
    }
}
