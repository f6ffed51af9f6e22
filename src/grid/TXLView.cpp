// A view's state, cell geometry, repainting and current cell.
#include "grid/TXLView.h"

#include "grid/TRAVazo.h"
#include "grid/TXLSelection.h"
#include "grid/XLEventGuard.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLUnion.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace {

QRect ToQ(const TRect& r)
{
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

}  // namespace

TXLView::TXLView(TRAVazo* grid, TXLSector sector)
    : QAbstractScrollArea(grid), FGrid(grid), FSector(sector), FSelection(std::make_unique<TXLSelection>(this))
{
    FColor = grid->GetColor();
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every pixel is painted by the view: no background erasing.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    viewport()->setFocusPolicy(Qt::NoFocus);
    InitMouse();
    for (const TXLAxis axis : {sCols, sRows}) {
        QScrollBar* bar = axis == sCols ? horizontalScrollBar() : verticalScrollBar();
        connect(bar, &QAbstractSlider::actionTriggered, this, [this, axis](int action) {
            XLGuardEvent([&] { ScrollBarAction(axis, action); });
        });
        connect(bar, &QAbstractSlider::valueChanged, this, [this, axis](int value) {
            XLGuardEvent([&] { ScrollBarValue(axis, value); });
        });
    }
}

TXLView::~TXLView() = default;

void TXLView::SetSection(TXLSection* section)
{
    if (section == FSection)
        return;
    FSection = section;
    FCurrent = FCursor = {};
    FSelArea = {};
}

void TXLView::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    Invalidate();
}

void TXLView::SetPartners(TXLView* horz, TXLView* vert)
{
    FHorzPartner = horz;
    FVertPartner = vert;
}

void TXLView::SetLines(const TXLLineSizes* widths, const TXLLineSizes* heights)
{
    FGeometry.SetLines(widths, heights);
}

const TXLGeometry& TXLView::Geometry() const
{
    const QSize size = viewport()->size();
    FGeometry.SetClientSize({size.width(), size.height()});
    return FGeometry;
}

TXLSize TXLView::GetClientSize() const
{
    return Geometry().ClientSize();
}

bool TXLView::GetEditable() const
{
    return FGrid->GetEditView() == this;
}

const TXLPicture* TXLView::HasBackground() const
{
    if (FSector != sClient || !FSection)
        return nullptr;
    const TXLPicture& picture = FSection->GetSheet()->GetBackground();
    if (picture.IsEmpty() || picture.GetWidth() <= 0 || picture.GetHeight() <= 0)
        return nullptr;
    return &picture;
}

// Pixels and cells ----------------------------------------------------------

bool TXLView::ClientToCell(TPoint client, bool allowOutside, TPoint& cell) const
{
    const bool valid = Geometry().PointToCell(client, allowOutside, cell);
    cell = Redirect(cell);
    return valid;
}

bool TXLView::CalcView(const TRect& pixels, TRect& area) const
{
    return Geometry().CalcView(pixels, area);
}

bool TXLView::CalcRect(const TRect& area, TXLCalcMode mode, TRect& rect) const
{
    return Geometry().CalcRect(area, mode, rect);
}

TPoint TXLView::Redirect(TPoint p) const
{
    if (FSection && p.X >= 0 && p.Y >= 0)
        p = FSection->ResolvePosition(p);
    return CropPoint(p);
}

TRect TXLView::ExpandArea(TRect area) const
{
    if (!FSection || area.IsEmpty())
        return area;
    // Growing over one merged area may reach another: repeat until stable.
    for (bool grown = true; grown;) {
        grown = false;
        for (int i = 0; i < FSection->GetUnionCount(); ++i) {
            const TRect& bounds = FSection->GetUnion(i)->GetBounds();
            if (bounds.Intersects(area) && UnionRect(area, bounds) != area) {
                area = UnionRect(area, bounds);
                grown = true;
            }
        }
    }
    return area;
}

TPoint TXLView::MapToClient(TPoint p) const
{
    if (!FSection)
        return p;
    const TXLSheet* sheet = FSection->GetSheet();
    if (FSector == sCols || FSector == sTitle)
        p.Y -= sheet->GetTitleRows();
    if (FSector == sRows || FSector == sTitle)
        p.X -= sheet->GetTitleCols();
    return p;
}

TXLHitResult TXLView::HitResult(TPoint client, TPoint& cell) const
{
    if (!FSection)
        return hrNowhere;
    TXLBorderHit hit;
    if (!Geometry().HitBorders(client, hit))
        return hrNowhere;
    // Borders are dragged in the strips; in the body only along an axis
    // whose strip is hidden, in design mode or where that axis may be
    // resized (a sheet without title bands has no strip to drag in).
    const bool strip = FSector != sClient;
    const TXLView* colStrip = FGrid->GetView(sCols);
    const TXLView* rowStrip = FGrid->GetView(sRows);
    const bool design = FGrid->GetDesignMode();
    bool colNear = hit.ColNear
                   && (strip || ((design || FGrid->HasOption(oColSizing)) && colStrip->height() == 0));
    bool rowNear = hit.RowNear
                   && (strip || ((design || FGrid->HasOption(oRowSizing)) && rowStrip->width() == 0));
    // A border inside a merged area is no border. The last line's far
    // border has no cell beyond it and stays a border.
    const TXLGeometry& geometry = Geometry();
    if (colNear && hit.ColBorder >= 0 && hit.ColBorder + 1 < geometry.ColCount()
        && Redirect({hit.ColBorder + 1, hit.Cell.Y}).X != hit.ColBorder + 1)
        colNear = false;
    if (rowNear && hit.RowBorder >= 0 && hit.RowBorder + 1 < geometry.RowCount()
        && Redirect({hit.Cell.X, hit.RowBorder + 1}).Y != hit.RowBorder + 1)
        rowNear = false;
    if (!colNear && !rowNear) {
        cell = hit.Cell;
        return hrCell;
    }
    if (colNear && hit.ColBorder >= 0) {
        cell = {hit.ColBorder, hit.Cell.Y};
        return hrColBorder;
    }
    if (rowNear && hit.RowBorder >= 0) {
        cell = {hit.Cell.X, hit.RowBorder};
        return hrRowBorder;
    }
    return hrNowhere;
}

// Repainting ----------------------------------------------------------------

void TXLView::InvalidateArea(const TRect& area, bool expand, TXLInvalidate mode)
{
    TRect rect;
    if (!CalcRect(expand ? ExpandArea(area) : area, cmInterior, rect))
        return;
    const TXLSize client = GetClientSize();
    const QRect r = ToQ(rect).intersected(QRect(0, 0, client.x, client.y));
    if (r.isEmpty())
        return;
    switch (mode) {
    case iFrame:
        viewport()->update(QRegion(r.adjusted(-4, -4, 4, 4)) - QRegion(r));
        break;
    case iFull:
        viewport()->update(r.adjusted(-3, -3, 3, 3));
        break;
    case iInterior:
        viewport()->update(r);
        break;
    }
}

void TXLView::InvalidateXOR(const TRect& newArea, const TRect& oldArea)
{
    const auto pixels = [this](const TRect& area) {
        TRect across = TitleArea(area);
        TRect rect;
        if (across.IsEmpty() || !CalcRect(across, cmFull, rect))
            return QRegion();
        return QRegion(ToQ(rect));
    };
    const QRegion changed = pixels(newArea) ^ pixels(oldArea);
    for (const QRect& r : changed) {
        TRect area;
        if (CalcView(Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1), area))
            InvalidateArea(area, true, iFull);
    }
}

void TXLView::Invalidate()
{
    if (IsLocked()) {
        FPending = true;
        return;
    }
    viewport()->update();
}

void TXLView::LockUpdate()
{
    if (FLockCount++ == 0)
        FPending = false;
}

void TXLView::UnlockUpdate()
{
    if (FLockCount == 0 || --FLockCount > 0)
        return;
    AdjustScrollBars(true);
    if (FPending) {
        FPending = false;
        viewport()->update();
    }
}

// Current cell and selection --------------------------------------------------

void TXLView::SetCurrentLine(TXLAxis axis, int index)
{
    if (axis == sCols)
        FCurrent.X = index;
    else
        FCurrent.Y = index;
}

bool TXLView::CanSelect(TPoint p) const
{
    if (!FSection || p.X < 0 || p.Y < 0 || p.X >= Geometry().ColCount() || p.Y >= Geometry().RowCount())
        return false;
    if (FGeometry.LineSize(sCols, p.X) < 1 || FGeometry.LineSize(sRows, p.Y) < 1)
        return false;
    if (const TXLUnion* area = FSection->FindUnion(p); area && area->GetBounds().TopLeft() != p)
        return false;
    if (FGrid->GetDesignMode())
        return true;
    const TXLCellStyles styles = FSection->GetPositionStyles(p);
    return !styles.Contains(csHidden) && !styles.Contains(csProtect);
}

void TXLView::MoveCurrent(TPoint p, bool collapse, bool makeVisible)
{
    p = Redirect(p);
    if (p == FCurrent || !CanSelect(p))
        return;
    const TPoint old = FCurrent;
    FCurrent = p;
    if (FSector == sClient) {
        FGrid->GetView(sCols)->SetCurrentLine(sCols, p.X);
        FGrid->GetView(sRows)->SetCurrentLine(sRows, p.Y);
    }
    FCursor = p;
    const bool keep = !collapse && FGrid->HasOption(oRangeSelect) && !FSelArea.IsEmpty();
    Select(keep ? FSelArea : PointRect(p), old);
    // The editor stays with its cell: leaving the cell saves and closes it.
    if (GetEditable()) {
        FGrid->EndEditing();
        if (FGrid->HasOption(oPermEdit))
            FGrid->SetEditMode(emEnter);
    }
    if (makeVisible)
        MakeVisible(ExpandArea(PointRect(p)));
    if (GetEditable())
        FGrid->CurrentChanged(this);
}

void TXLView::Select(const TRect& area, TPoint oldCurrent, TXLView* origin)
{
    if (!FSection)
        return;
    TRect wanted = area;
    if (!wanted.IsEmpty()) {
        const int cols = Geometry().ColCount();
        const int rows = Geometry().RowCount();
        if (FSector == sClient && FGrid->HasOption(oRowSelect) && !FGrid->GetDesignMode()) {
            wanted.Left = 0;
            wanted.Right = cols;
        }
        if (FSector != sClient && !GetEditable()) {
            // A strip selects whole lines across itself, and a merged area
            // of the strip or of the body may widen the lines selected.
            if (FSector == sRows || FSector == sTitle) {
                wanted.Left = 0;
                wanted.Right = cols;
            }
            if (FSector == sCols || FSector == sTitle) {
                wanted.Top = 0;
                wanted.Bottom = rows;
            }
            if (FSector == sCols || FSector == sRows) {
                const TXLView* body = FGrid->GetView(sClient);
                const TXLAxis along = FSector == sCols ? sCols : sRows;
                for (bool grown = true; grown;) {
                    const TRect before = wanted;
                    wanted = ExpandArea(wanted);
                    TRect lines = TitleArea(wanted);
                    if (along == sCols) {
                        lines.Top = 0;
                        lines.Bottom = body->Geometry().RowCount();
                    } else {
                        lines.Left = 0;
                        lines.Right = body->Geometry().ColCount();
                    }
                    const TRect bodyArea = body->ExpandArea(lines);
                    if (along == sCols) {
                        wanted.Left = std::min(wanted.Left, bodyArea.Left);
                        wanted.Right = std::max(wanted.Right, bodyArea.Right);
                    } else {
                        wanted.Top = std::min(wanted.Top, bodyArea.Top);
                        wanted.Bottom = std::max(wanted.Bottom, bodyArea.Bottom);
                    }
                    grown = wanted != before;
                }
            }
        }
        wanted = ExpandArea(wanted);
        CropArea(wanted);
    }
    // Clearing, or the same area again, only redraws (the current cell may
    // have moved inside it).
    const bool displayOnly = wanted.IsEmpty() || wanted == FSelArea;
    SelectionChanged(wanted, oldCurrent);
    if (displayOnly)
        return;
    FSelection->Reload();
    if (GetEditable())
        FGrid->SelectionChanged(this);
    PropagateSelection(origin);
}

void TXLView::PropagateSelection(TXLView* origin)
{
    if (FSector == sClient) {
        if (!GetEditable())
            return;
        for (const TXLSector sector : {sCols, sRows, sTitle})
            if (TXLView* strip = FGrid->GetView(sector); strip != origin)
                strip->ResetSelection();
        return;
    }
    if (GetEditable())
        return;
    TXLView* body = FGrid->GetView(sClient);
    const TXLSize bodyCount{body->Geometry().ColCount(), body->Geometry().RowCount()};
    TRect full = Rect(0, 0, bodyCount.x, bodyCount.y);
    if (FSector == sCols) {
        full.Left = FSelArea.Left;
        full.Right = FSelArea.Right;
    } else if (FSector == sRows) {
        full.Top = FSelArea.Top;
        full.Bottom = FSelArea.Bottom;
    }
    TPoint current;
    body->ClientToCell({1, 1}, true, current);
    if (FSector == sCols)
        current.X = FCurrent.X;
    else if (FSector == sRows)
        current.Y = FCurrent.Y;
    if (!origin || origin == this) {
        if (!full.Contains(body->GetCurrent()))
            body->MoveCurrent(current, false, true);
        body->Select(full, body->GetCurrent(), this);
        if (!body->CanSelect(body->GetCurrent())) {
            TPoint next = body->GetCurrent();
            if (body->FindNext(next, dRight, true))
                body->MoveCurrent(next, false, true);
        }
    }
    // The corner selects everything: both strips follow it.
    if (FSector == sTitle)
        for (const TXLSector sector : {sCols, sRows})
            if (TXLView* strip = FGrid->GetView(sector); strip != origin)
                strip->Select(strip->TitleArea(full), strip->GetCurrent(), this);
}

void TXLView::ResetSelection()
{
    Select({}, FCurrent);
}

void TXLView::ReloadSelection()
{
    FCurrent = Redirect(FCurrent);
    FCursor = CropPoint(FCursor);
    TRect area = FSelArea;
    if (!area.IsEmpty()) {
        area = ExpandArea(area);
        CropArea(area);
    }
    SelectionChanged(area, FCurrent);
}

// Events ----------------------------------------------------------------------

void TXLView::wheelEvent(QWheelEvent* event)
{
    // The grid counts whole notches; fine-grained wheels and touch pads
    // send parts of one, which are added up here. A purely horizontal wheel
    // is left to the parent.
    const int delta = event->angleDelta().y();
    if (delta == 0 || !FGrid->GetSheet()) {
        event->ignore();
        return;
    }
    FWheelRest += delta;
    const int notches = FWheelRest / QWheelEvent::DefaultDeltasPerStep * QWheelEvent::DefaultDeltasPerStep;
    FWheelRest -= notches;
    if (notches != 0)
        XLGuardEvent([&] { FGrid->DoWheel(event->modifiers(), notches); });
    event->accept();
}
