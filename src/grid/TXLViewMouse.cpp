// A view under the mouse: presses, moves and releases drive the grid's drag
// machine, the cursor follows what lies under the pointer, the right button
// moves the current cell, clicks reach the cell, the grid and the sheet,
// and drag-and-drop is passed to the grid.
#include "grid/TXLView.h"

#include "grid/TRAVazo.h"
#include "grid/XLEventGuard.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

TPoint ToPoint(const QPointF& p)
{
    const QPoint at = p.toPoint();
    return {at.x(), at.y()};
}

}  // namespace

void TXLView::InitMouse()
{
    viewport()->setMouseTracking(true);
    viewport()->setAcceptDrops(true);
}

// Clicks on cells -------------------------------------------------------------

void TXLView::CellClick(TPoint p)
{
    if (!FSection)
        return;
    TXLSheet* sheet = FSection->GetSheet();
    if (TXLCell* cell = FSection->GetRawCell(p.X, p.Y))
        cell->Click();
    if (FGrid->OnCellClick)
        FGrid->OnCellClick(FGrid, p);
    if (sheet->OnCellClick)
        sheet->OnCellClick(sheet, p);
}

void TXLView::CellDblClick(TPoint p)
{
    if (!FSection)
        return;
    TXLSheet* sheet = FSection->GetSheet();
    if (TXLCell* cell = FSection->GetRawCell(p.X, p.Y))
        cell->DblClick();
    if (FGrid->OnCellDblClick)
        FGrid->OnCellDblClick(FGrid, p);
    if (sheet->OnCellDblClick)
        sheet->OnCellDblClick(sheet, p);
}

// Mouse events ----------------------------------------------------------------

void TXLView::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint at, bool doubleClick)
{
    FGrid->ViewMouseDown(this, modifiers);
    const TXLSheet* sheet = FGrid->GetSheet();
    if (button == Qt::LeftButton) {
        // After a double click the release is no click of its own.
        FClicked = !doubleClick;
        if (doubleClick)
            FGrid->ViewClick(this, true);
        // A drag whose release went elsewhere ends before the next begins.
        if (FGrid->IsAltering())
            FGrid->Altering(FGrid->GetAltering().View, pCancel, {modifiers}, FGrid->GetAltering().Point);
        if (FSection && FSector == sClient && !GetEditable() && !sheet->GetReadOnly())
            FGrid->SetEditView(this);
        viewport()->setCursor(FGrid->ScanAlter(this, at));
        FGrid->Altering(this, pInit, {modifiers, doubleClick}, at);
    } else if (button == Qt::RightButton && FSection) {
        // The menu acts on the selection when pressed inside it, else on the
        // cell pressed; the view does not scroll under the menu.
        TPoint cell;
        if (ClientToCell(at, false, cell)) {
            if (FSector == sClient && !GetEditable())
                FGrid->SetEditView(this);
            if (!FSelArea.Contains(cell))
                MoveCurrent(cell, true, false);
        }
    }
    FGrid->ViewMouse(this, QEvent::MouseButtonPress, button, modifiers, at);
}

void TXLView::MouseMove(TPoint at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    if (FGrid->IsAltering()) {
        FGrid->Altering(this, pWork, {modifiers}, at);
    } else if (buttons == Qt::NoButton) {
        const Qt::CursorShape shape = FGrid->ScanAlter(this, at);
        if (viewport()->cursor().shape() != shape)
            viewport()->setCursor(shape);
        // Hovering without a drag: the cell's hint text is taken here.
    }
    FGrid->ViewMouse(this, QEvent::MouseMove, Qt::NoButton, modifiers, at);
}

void TXLView::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint at)
{
    if (button == Qt::LeftButton && FGrid->IsAltering())
        FGrid->Altering(this, pDone, {modifiers}, at);
    FGrid->ViewMouse(this, QEvent::MouseButtonRelease, button, modifiers, at);
    if (button == Qt::LeftButton && FClicked) {
        FClicked = false;
        if (viewport()->rect().contains(at.X, at.Y))
            FGrid->ViewClick(this, false);
    }
}

void TXLView::mousePressEvent(QMouseEvent* event)
{
    XLGuardEvent([&] { MouseDown(event->button(), event->modifiers(), ToPoint(event->position()), false); });
    event->accept();
}

void TXLView::mouseDoubleClickEvent(QMouseEvent* event)
{
    XLGuardEvent([&] { MouseDown(event->button(), event->modifiers(), ToPoint(event->position()), true); });
    event->accept();
}

void TXLView::mouseMoveEvent(QMouseEvent* event)
{
    XLGuardEvent([&] {
        TrackHint(event->position().toPoint());
        MouseMove(ToPoint(event->position()), event->buttons(), event->modifiers());
    });
    event->accept();
}

void TXLView::mouseReleaseEvent(QMouseEvent* event)
{
    XLGuardEvent([&] { MouseUp(event->button(), event->modifiers(), ToPoint(event->position())); });
    event->accept();
}

void TXLView::contextMenuEvent(QContextMenuEvent* event)
{
    // Beyond the cells there is nothing for a menu to act on. Otherwise the
    // grid's own menu is shown.
    TPoint cell;
    if (event->reason() == QContextMenuEvent::Mouse && !ClientToCell({event->pos().x(), event->pos().y()}, false, cell)) {
        event->accept();
        return;
    }
    event->ignore();
}

// Drag and drop ---------------------------------------------------------------

void TXLView::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void TXLView::dragMoveEvent(QDragMoveEvent* event)
{
    bool accept = false;
    XLGuardEvent([&] { accept = FGrid->ViewDragOver(this, event->mimeData(), ToPoint(event->position())); });
    if (accept)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TXLView::dropEvent(QDropEvent* event)
{
    XLGuardEvent([&] { FGrid->ViewDragDrop(this, event->mimeData(), ToPoint(event->position())); });
    event->acceptProposedAction();
}

// The resize mark -------------------------------------------------------------

void TXLView::SetSizingLine(const QRect& rect)
{
    if (rect == FSizingLine)
        return;
    viewport()->update(FSizingLine);
    FSizingLine = rect;
    viewport()->update(FSizingLine);
}

void TXLView::PaintSizingLine(QPainter& painter) const
{
    // Inverting keeps the mark visible over any colour.
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(FSizingLine.adjusted(0, 0, -1, -1));
    painter.restore();
}
