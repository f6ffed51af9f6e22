// A view's paint: the section's cells in fixed passes (TXLSectionPainter),
// the ground with the background picture, page-break lines, the selection
// highlight and the callout of an open note.
#include "grid/TXLView.h"

#include "grid/TRAVazo.h"
#include "grid/TXLSectionPainter.h"
#include "grid/XLEventGuard.h"
#include "grid/XLPaletteColor.h"
#include "sheet/TXLInfoList.h"
#include "sheet/TXLPicture.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLUnion.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

QRect ToQ(const TRect& r)
{
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

TRect FromQ(const QRect& r)
{
    return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

// A rectangle grown (negative: shrunk) by d on every side.
QRect Inflate(const QRect& r, int d)
{
    return r.adjusted(-d, -d, d, d);
}

}  // namespace

QColor TXLView::ViewColor() const
{
    return XLColorToQColor(FColor, palette());
}

void TXLView::paintEvent(QPaintEvent* event)
{
    XLGuardEvent([&] { Paint(event->region()); });
}

void TXLView::Paint(const QRegion& region)
{
    QPainter painter(viewport());
    TXLPaintStruct paint;
    paint.Canvas = &painter;
    paint.Palette = palette();
    paint.Region = region;
    paint.UpdateRect = FromQ(region.boundingRect());
    paint.PaintGround = [this](TXLPaintStruct& p) { PaintGround(p); };

    TRect area;
    TRect rect;
    if (!FSection || !CalcView(paint.UpdateRect, area) || !CalcRect(area, cmFull, rect)) {
        painter.setClipRegion(region);
        PaintGround(paint);
    } else {
        const TXLGeometry& geometry = Geometry();
        const int scale = FGrid->GetScale();
        paint.Widths = geometry.Lines(sCols);
        paint.Heights = geometry.Lines(sRows);
        paint.ScaleX = paint.ScaleY = scale;
        paint.Design = FGrid->GetDesignMode();
        paint.VertLines = scale >= TRAVazo::MinScale && FGrid->HasOption(oVertLines);
        paint.HorzLines = scale >= TRAVazo::MinScale && FGrid->HasOption(oHorzLines);
        paint.ShowHints = FGrid->GetShowHint();
        paint.Area = area;
        paint.Rect = rect;
        const TXLInfoList* frames = FSection->GetInfoList(siFrame);
        paint.FrameData = [frames](int col, int row) { return static_cast<TXLFrame>(frames->Read(row, col)); };
        for (int i = 0; i < FSection->GetUnionCount(); ++i) {
            const TXLUnion* u = FSection->GetUnion(i);
            TRect pixels;
            if (u->GetBounds().Intersects(area) && CalcRect(u->GetBounds(), cmFull, pixels))
                paint.Unions.push_back({u->GetBounds(), pixels, u->GetCell()});
        }
        // Titles of the body's selection stand out in a strip that does not
        // hold the current cell.
        FTitleArea = {};
        if (FSector != sClient && !GetEditable() && FGrid->HasOption(oTitle3D)) {
            FTitleArea = TitleArea(FGrid->GetView(sClient)->GetSelArea());
            paint.FrameData = [this](int col, int row) { return GetTitleFrame(col, row); };
        }
        TXLSectionPainter(*FSection).PaintRect(paint);
        painter.setClipRegion(region);
        std::vector<int> colBreaks;
        std::vector<int> rowBreaks;
        if (FSector == sClient && FGrid->HasOption(oPageBreak) && FGrid->GetPageBreaks(colBreaks, rowBreaks))
            PaintLayout(painter, colBreaks, rowBreaks, region.boundingRect());
    }

    const QRegion selection = CreateSelectionRgn(FSelArea, FCurrent) & region;
    if (!selection.isEmpty()) {
        QColor highlight = palette().color(QPalette::Highlight);
        highlight.setAlpha(SelectionAlpha);
        painter.setClipRegion(selection);
        painter.fillRect(selection.boundingRect(), highlight);
        painter.setClipRegion(region);
    }
    if (FGrid->GetCallout().View == this)
        PaintCallout(painter);
    if (!FSizingLine.isEmpty())
        PaintSizingLine(painter);
}

void TXLView::PaintGround(TXLPaintStruct& paint)
{
    QPainter& painter = *paint.Canvas;
    const QRect rect = ToQ(paint.UpdateRect);
    const TXLPicture* picture = HasBackground();
    if (!picture || picture->GetImage().hasAlphaChannel())
        painter.fillRect(rect, ViewColor());
    if (!picture)
        return;
    // Tiles sit at multiples of the picture's size from the content origin.
    const QImage& image = picture->GetImage();
    const int w = image.width();
    const int h = image.height();
    const TXLSize offset = GetOffset();
    const auto firstTile = [](int from, int shift, int size) {
        const int content = from + shift;
        const int index = content >= 0 ? content / size : -((-content + size - 1) / size);
        return index * size - shift;
    };
    for (int y = firstTile(rect.top(), offset.y, h); y <= rect.bottom(); y += h)
        for (int x = firstTile(rect.left(), offset.x, w); x <= rect.right(); x += w)
            painter.drawImage(x, y, image);
}

TRect TXLView::TitleArea(const TRect& bodyArea) const
{
    if (bodyArea.IsEmpty())
        return {};
    TRect area = bodyArea;
    if (FSector == sCols) {
        area.Top = 0;
        area.Bottom = Geometry().RowCount();
    } else if (FSector == sRows) {
        area.Left = 0;
        area.Right = Geometry().ColCount();
    } else {
        return {};
    }
    if (!CropArea(area))
        return {};
    return ExpandArea(area);
}

TXLFrame TXLView::GetTitleFrame(int col, int row) const
{
    if (!FTitleArea.IsEmpty()) {
        if (FSector == sCols && col >= FTitleArea.Left && col < FTitleArea.Right)
            return frDeepUp;
        if (FSector == sRows && row >= FTitleArea.Top && row < FTitleArea.Bottom)
            return frDeepUp;
    }
    return static_cast<TXLFrame>(FSection->GetInfoList(siFrame)->Read(row, col));
}

QRegion TXLView::CreateSelectionRgn(const TRect& area, TPoint current) const
{
    if (area.IsEmpty())
        return {};
    TRect rect;
    QRegion region;
    if (!GetEditable()) {
        if (!CalcRect(area, cmFull, rect))
            return {};
        region = ToQ(rect);
    } else {
        if (!CalcRect(area, cmSkipFrame, rect))
            return {};
        const QRect r = ToQ(rect);
        region = r;
        // A 3-pixel band outside, a pixel of gap, then the interior.
        if (FGrid->GetCtl3D())
            region = (QRegion(Inflate(r, 3)) - QRegion(r)) + QRegion(Inflate(r, -1));
        TRect cell;
        if ((FGrid->HasOption(oDrawFocus) || FGrid->HasOption(oPermEdit)) && area.Contains(current)
            && CalcRect(ExpandArea(PointRect(current)), cmInterior, cell))
            region -= ToQ(cell);
    }
    const TXLSize client = GetClientSize();
    return region & QRect(-10, -10, client.x + 20, client.y + 20);
}

void TXLView::SelectionChanged(const TRect& newArea, TPoint oldCurrent)
{
    const QRegion before = CreateSelectionRgn(FSelArea, oldCurrent);
    const QRegion after = CreateSelectionRgn(newArea, FCurrent);
    const QRegion changed = before ^ after;
    if (!changed.isEmpty())
        viewport()->update(changed);
    const TRect oldArea = FSelArea;
    FSelArea = newArea;
    if (FSector == sClient && GetEditable() && FGrid->HasOption(oTitle3D)) {
        FGrid->GetView(sCols)->InvalidateXOR(newArea, oldArea);
        FGrid->GetView(sRows)->InvalidateXOR(newArea, oldArea);
    }
}

void TXLView::PaintLayout(QPainter& painter, const std::vector<int>& colBreaks, const std::vector<int>& rowBreaks,
                          const QRect& paintRect) const
{
    if (colBreaks.empty() || rowBreaks.empty())
        return;
    const TXLSize offset = GetOffset();
    const auto positions = [&](TXLAxis axis, const std::vector<int>& breaks) {
        std::vector<int> at;
        for (const int line : breaks)
            at.push_back(FGeometry.LineStart(axis, line) - offset.Of(axis));
        return at;
    };
    const std::vector<int> xs = positions(sCols, colBreaks);
    const std::vector<int> ys = positions(sRows, rowBreaks);
    const QColor blue(Qt::blue);
    painter.save();
    // The outer edge of the last page, thick.
    painter.setPen(QPen(blue, 3));
    const int right = xs.back() - 1;
    const int bottom = ys.back() - 1;
    painter.drawPolyline(QPolygon({QPoint(0, bottom), QPoint(right, bottom), QPoint(right, 0)}));
    painter.setPen(QPen(blue, 1));
    for (size_t i = 0; i + 1 < xs.size(); ++i)
        painter.drawLine(xs[i] - 1, paintRect.top(), xs[i] - 1, paintRect.bottom());
    for (size_t i = 0; i + 1 < ys.size(); ++i)
        painter.drawLine(paintRect.left(), ys[i] - 1, paintRect.right(), ys[i] - 1);
    painter.restore();
}

void TXLView::PaintCallout(QPainter& painter) const
{
    const TXLCallout& callout = FGrid->GetCallout();
    const QRect& r = callout.Rect;
    const QPoint anchor = callout.Anchor;
    // From the note's corner nearest the anchor.
    const int x = r.right() + 1 < anchor.x() ? r.right() + 1 : r.left();
    const int y = r.bottom() + 1 < anchor.y() ? r.bottom() + 1 : r.top();
    painter.save();
    painter.setPen(Qt::black);
    painter.drawLine(QPoint(x, y), anchor);
    painter.fillRect(QRect(r.left() + 3, r.top() + 2, r.width() - 1, r.height()), Qt::black);
    painter.restore();
}
