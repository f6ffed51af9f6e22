// A view's scrolling: the offset and its partners, the extent, the scroll
// bars and their codes, and the shift of the content when one line changes
// size.
#include "grid/TXLView.h"

#include "grid/TRAVazo.h"
#include "grid/XLEventGuard.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLUnion.h"

#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>

void TXLView::SetOffsetXY(int x, int y)
{
    const TXLSize offset{x, y};
    const TXLSize old = FGeometry.Offset();
    if (offset == old)
        return;
    const int dx = old.x - x;
    const int dy = old.y - y;
    // The body moves its pixels and repaints what is uncovered; a strip is
    // cheap enough to repaint whole.
    if (FSector == sClient)
        viewport()->scroll(dx, dy);
    else
        viewport()->update();
    // A tooltip stays where it is on the screen: it no longer points at
    // its cell. A note moves with the cells, and its callout with it.
    FGrid->CancelHint();
    if (FGrid->GetCallout().View == this)
        FGrid->SetCallout(this, FGrid->GetCallout().Rect.translated(dx, dy),
                          FGrid->GetCallout().Anchor + QPoint(dx, dy));
    FGeometry.SetOffset(offset);
    AdjustScrollBars(false);
    SendOffset();
}

void TXLView::SendOffset()
{
    const TXLSize offset = FGeometry.Offset();
    if (FHorzPartner)
        FHorzPartner->SetOffsetXY(offset.x, FHorzPartner->GetOffset().y);
    if (FVertPartner)
        FVertPartner->SetOffsetXY(FVertPartner->GetOffset().x, offset.y);
    if (FSector == sClient)
        FGrid->ScrollLinked(offset);
}

bool TXLView::AdjustOffset(const TXLSize& wanted)
{
    const TXLSize clamped = Geometry().ClampOffset(wanted);
    if (clamped == FGeometry.Offset())
        return false;
    SetOffset(clamped);
    return true;
}

void TXLView::MakeVisible(const TRect& area)
{
    TXLSize offset;
    if (Geometry().VisibleOffset(area, offset))
        SetOffset(offset);
}

void TXLView::SetSize(const TXLSize& extent)
{
    const TXLSize old = FGeometry.Extent();
    if (IsLocked()) {
        FGeometry.SetExtent(extent);
        AdjustScrollBars(false);
        return;
    }
    if (extent == old)
        return;
    const TXLSize client = GetClientSize();
    const QRect clientRect(0, 0, client.x, client.y);
    const auto visible = [&] {
        const TXLSize e = FGeometry.Extent();
        const TXLSize o = FGeometry.Offset();
        return clientRect.intersected(QRect(0, 0, e.x - o.x, e.y - o.y));
    };
    const QRect before = visible();
    FGeometry.SetExtent(extent);
    AdjustScrollBars(true);
    const QRect after = visible();
    if (!before.isEmpty() || !after.isEmpty())
        viewport()->update(QRegion(before) ^ QRegion(after));
}

int TXLView::ProcessScroll(TXLAxis axis, TXLScrollCode code, int pos) const
{
    return Geometry().ScrollTarget(axis, code, pos * FFactor[axis], FGrid->GetScrolls().Contains(sTracking));
}

void TXLView::ScrollBy(TXLAxis axis, TXLScrollCode code)
{
    const int target = ProcessScroll(axis, code, GetOffset().Of(axis) / FFactor[axis]);
    TXLSize offset = GetOffset();
    offset.Of(axis) = target;
    SetOffset(offset);
}

void TXLView::ApplyScrolls()
{
    if (FSector != sClient)
        return;
    const TXLScrolls scrolls = FGrid->GetScrolls();
    setHorizontalScrollBarPolicy(scrolls.Contains(sHorizontal) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(scrolls.Contains(sVertical) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
        bar->setTracking(scrolls.Contains(sTracking));
    AdjustScrollBars(true);
}

void TXLView::AdjustScrollBars(bool reclamp)
{
    if (FSector != sClient)
        return;
    if (reclamp && AdjustOffset(FGeometry.Offset()))
        return;
    const TXLScrolls scrolls = FGrid->GetScrolls();
    if (!scrolls.Contains(sHorizontal) && !scrolls.Contains(sVertical) && !scrolls.Contains(sTracking))
        return;
    FAdjusting = true;
    for (const TXLAxis axis : {sRows, sCols}) {
        if (!scrolls.Contains(axis == sCols ? sHorizontal : sVertical))
            continue;
        const TXLScrollBarInfo info = Geometry().ScrollBarInfo(axis);
        QScrollBar* bar = axis == sCols ? horizontalScrollBar() : verticalScrollBar();
        // The last position shows the last page: extent - page.
        bar->setRange(0, std::max(0, info.Extent - info.Page));
        bar->setPageStep(std::max(1, info.Page));
        bar->setValue(info.Position);
        FFactor[axis] = info.Factor;
    }
    FAdjusting = false;
}

void TXLView::ScrollBarAction(TXLAxis axis, int action)
{
    if (FAdjusting)
        return;
    TXLScrollCode code;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        code = scLineUp;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        code = scLineDown;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = scPageUp;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = scPageDown;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = scTop;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = scBottom;
        break;
    case QAbstractSlider::SliderMove:
        code = scThumbTrack;
        break;
    default:
        return;
    }
    QScrollBar* bar = axis == sCols ? horizontalScrollBar() : verticalScrollBar();
    // Without tracking the thumb moves alone; the release scrolls.
    if (code == scThumbTrack && !FGrid->GetScrolls().Contains(sTracking))
        return;
    const int target = ProcessScroll(axis, code, bar->sliderPosition());
    FAdjusting = true;
    bar->setSliderPosition(target / FFactor[axis]);
    FAdjusting = false;
    TXLSize offset = GetOffset();
    offset.Of(axis) = target;
    SetOffset(offset);
}

void TXLView::ScrollBarValue(TXLAxis axis, int value)
{
    if (FAdjusting || value == GetOffset().Of(axis) / FFactor[axis])
        return;
    TXLSize offset = GetOffset();
    offset.Of(axis) = ProcessScroll(axis, scThumbPosition, value);
    SetOffset(offset);
}

void TXLView::scrollContentsBy(int dx, int dy)
{
    (void)dx;
    (void)dy;
}

void TXLView::resizeEvent(QResizeEvent* event)
{
    XLGuardEvent([&] {
        if (!IsLocked())
            AdjustScrollBars(true);
    });
    event->accept();
}

void TXLView::AdjustSizeChange(TXLAxis axis, int index, int start, int newSize, int oldSize)
{
    const int delta = newSize - oldSize;
    TXLSize extent = FGeometry.Extent();
    extent.Of(axis) += delta;
    FGeometry.SetExtent(extent);
    const TXLSize client = GetClientSize();
    const int offset = GetOffset().Of(axis);
    const int visibleEnd = offset + client.Of(axis);
    const bool picture = HasBackground() != nullptr;
    if (start < offset) {
        // A line before the view: the offset takes the change, so the shown
        // content keeps its place. Every view of the list does this for
        // itself, so nothing is passed to the partners.
        TXLSize moved = GetOffset();
        moved.Of(axis) += delta;
        FGeometry.SetOffset(moved);
        if (picture)
            Invalidate();
    } else if (delta != 0) {
        // What follows the line moves with its far edge.
        const int from = start + oldSize - offset;
        if (from < client.Of(axis)) {
            const QRect moving = axis == sCols ? QRect(from, 0, client.x - from, client.y)
                                               : QRect(0, from, client.x, client.y - from);
            viewport()->scroll(axis == sCols ? delta : 0, axis == sRows ? delta : 0, moving);
        }
    }
    if (std::max(offset, start) < std::min(visibleEnd + 5, start + std::max(newSize, oldSize))) {
        if (picture || IsLocked()) {
            Invalidate();
        } else {
            const int edge = std::max(start - 5 - offset, 0);
            viewport()->update(axis == sCols ? QRect(edge, 0, client.x - edge, client.y)
                                             : QRect(0, edge, client.x, client.y - edge));
        }
    }
    if (FSection) {
        for (int i = 0; i < FSection->GetUnionCount(); ++i) {
            const TRect& bounds = FSection->GetUnion(i)->GetBounds();
            const int first = axis == sCols ? bounds.Left : bounds.Top;
            const int last = axis == sCols ? bounds.Right : bounds.Bottom;
            if (first <= index && index < last)
                InvalidateArea(bounds, false, iFull);
        }
    }
    if (!IsLocked())
        AdjustScrollBars(false);
    // A strip is as wide (high) as its lines.
    if (FSector != sClient && client.x > 0 && client.y > 0) {
        if (axis == sCols && (FSector == sRows || FSector == sTitle))
            resize(extent.x, height());
        if (axis == sRows && (FSector == sCols || FSector == sTitle))
            resize(width(), extent.y);
    }
    if (GetEditable())
        FGrid->RelocateEditor();
}
