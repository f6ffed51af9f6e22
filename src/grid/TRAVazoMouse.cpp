// The grid under the mouse: choosing the drag on hover, the drag state
// machine, selecting and resizing by dragging, auto-scroll while a
// selection is dragged out of a view, and the views' mouse events raised as
// the grid's.
#include "grid/TRAVazo.h"

#include "grid/TXLView.h"
#include "grid/XLEventGuard.h"
#include "sheet/TXLSection.h"

#include <QTimer>

#include <algorithm>
#include <cstdlib>

namespace {

// No line is dragged narrower than this (unscaled pixels), and a drag in
// the body shows nothing before the border moved this far.
constexpr int MinLineSize = 5;
constexpr int AutoScrollInterval = 40;

}  // namespace

Qt::CursorShape TRAVazo::ScanAlter(TXLView* view, TPoint point)
{
    FAlter.Proc = nullptr;
    if (!FSheet || FSheet->GetReadOnly() || !view || !view->GetSection())
        return Qt::ArrowCursor;
    TPoint cell;
    const TXLHitResult hit = view->HitResult(point, cell);
    const TXLSector sector = view->GetSector();
    const auto armSizing = [this](TXLAxis axis, bool body, int index) {
        FAlter.Proc = &TRAVazo::XLSizing;
        FAlter.Axis = axis;
        FAlter.Body = body;
        FAlter.Index = index;
    };
    if (hit == hrColBorder && FOptions.Contains(oColSizing)) {
        armSizing(sCols, sector == sCols || sector == sClient, cell.X);
        return Qt::SplitHCursor;
    }
    if (hit == hrRowBorder && FOptions.Contains(oRowSizing)) {
        armSizing(sRows, sector == sRows || sector == sClient, cell.Y);
        return Qt::SplitVCursor;
    }
    if (hit != hrNowhere
        && (FDesignMode
            || (view->CanSelect(view->Redirect(cell)) && (FOptions.Contains(oRangeSelect) || sector == sClient))))
        FAlter.Proc = &TRAVazo::XLSelecting;
    return Qt::ArrowCursor;
}

bool TRAVazo::IsSizingArmed() const
{
    return FAlter.Proc == &TRAVazo::XLSizing;
}

void TRAVazo::Altering(TXLView* view, TXLAlterPhase phase, TXLShift shift, TPoint point)
{
    if (!FAlter.Proc || !view)
        return;
    FAlter.WasWork = FAlter.Phase == pWork;
    if (phase == pDone || phase == pCancel) {
        SetTimer(nullptr);
        // A press and release without movement is not a drag.
        if (phase == pDone && !FAlter.WasWork)
            phase = pCancel;
    }
    FAlter.Phase = phase;
    FAlter.View = view;
    FAlter.Point = point;
    try {
        (this->*FAlter.Proc)(view, point, shift);
    } catch (...) {
        // A failing handler ends the drag rather than leaving it running.
        SetTimer(nullptr);
        FAlter.Phase = pScan;
        throw;
    }
    if (FAlter.Phase == pDone || FAlter.Phase == pCancel)
        FAlter.Phase = pScan;
    else if (FAlter.Phase == pWork)
        SetTimer(view);
}

void TRAVazo::SetTimer(TXLView* view)
{
    FTimerView = view;
    if (!view) {
        if (FScrollTimer)
            FScrollTimer->stop();
        return;
    }
    if (!FScrollTimer) {
        FScrollTimer = new QTimer(this);
        FScrollTimer->setInterval(AutoScrollInterval);
        connect(FScrollTimer, &QTimer::timeout, this, [this] { XLGuardEvent([this] { AutoScroll(); }); });
    }
    // Restarting on every movement would hold the ticks back while the
    // pointer moves.
    if (!FScrollTimer->isActive())
        FScrollTimer->start();
}

void TRAVazo::AutoScroll()
{
    TXLView* view = FTimerView;
    if (!view || FAlter.Phase != pWork || IsSizingArmed())
        return;
    const TPoint at = FAlter.Point;
    const TXLSize client = view->GetClientSize();
    const TXLSector sector = view->GetSector();
    TXLView* body = FViews[sClient];
    if (sector == sClient || sector == sCols) {
        if (at.X < 0)
            body->ScrollBy(sCols, scLineUp);
        else if (at.X >= client.x)
            body->ScrollBy(sCols, scLineDown);
    }
    if (sector == sClient || sector == sRows) {
        if (at.Y < 0)
            body->ScrollBy(sRows, scLineUp);
        else if (at.Y >= client.y)
            body->ScrollBy(sRows, scLineDown);
    }
    UpdateViews();
    // The drag goes on over the cells that came into view.
    view->MouseMove(at, Qt::LeftButton, Qt::NoModifier);
}

// Selecting -------------------------------------------------------------------

void TRAVazo::XLSelecting(TXLView* view, TPoint point, TXLShift shift)
{
    TPoint cell;
    view->ClientToCell(point, true, cell);
    TXLSection* section = view->GetSection();
    if (!section)
        return;
    const TXLAlterPhase phase = FAlter.Phase;
    // An editor that wants clicks on cells (a formula taking references)
    // takes the press; then there is no selection.
    if (phase == pInit && view->GetEditable() && ClickCheck(view->MapToClient(cell), shift.Keys)) {
        FAlter.Phase = pCancel;
        return;
    }
    if (phase == pInit && !shift.Keys.testFlag(Qt::ShiftModifier)) {
        view->MoveCurrent(cell, true, false);
        const TPoint current = view->GetCurrent();
        if (view->GetEditable() && current == cell && (shift.Double || FOptions.Contains(oPermEdit))) {
            const bool stored = section->GetRawCell(current.X, current.Y) != nullptr;
            SetEditMode(!stored || FOptions.Contains(oPermEdit) ? emEnter : emEdit);
        }
    }
    if (!FDesignMode && !FOptions.Contains(oRangeSelect)) {
        // Without ranges the current cell follows the pointer.
        if (view->CanSelect(cell))
            view->MoveCurrent(cell, true, false);
        else
            cell = view->GetCurrent();
    }
    const TPoint current = view->GetCurrent();
    view->Select(UnionRect(PointRect(current), PointRect(cell)), current);
    // The cell let go over comes into view (a click on a half-shown cell
    // too).
    if (phase == pDone || (phase == pCancel && !shift.Double))
        view->MakeVisible(view->ExpandArea(PointRect(cell)));
    if (shift.Double && phase == pInit) {
        view->CellDblClick(cell);
        FAlter.Phase = pCancel;
    } else if (!shift.Double && (phase == pDone || phase == pCancel)) {
        view->CellClick(cell);
    }
}

// Resizing --------------------------------------------------------------------

void TRAVazo::XLSizing(TXLView* view, TPoint point, TXLShift shift)
{
    TXLAltering& a = FAlter;
    if (!FSheet)
        return;
    const TXLLineSizes& list = FSizes[ListIndex(a.Axis, a.Body)];
    const bool body = view->GetSector() == sClient;
    switch (a.Phase) {
    case pInit:
        EndEditing();
        a.Start = list.Start(a.Index);
        a.OldSize = a.ShownSize = a.NewSize = list.Size(a.Index);
        a.OldValue = a.NewValue = FSheet->GetSizeList(a.Axis, a.Body).GetInt(a.Index);
        a.Shown = false;
        if (shift.Double) {
            a.Phase = pCancel;
            const int index = a.Body ? a.Index : a.Index - FSheet->GetTitleSize(a.Axis);
            const TRAVazoEvent& event = a.Axis == sCols ? OnColDblClick : OnRowDblClick;
            if (event)
                event(this, a.Axis == sCols ? TPoint{index, 0} : TPoint{0, index});
        }
        break;
    case pWork:
        ProposeSize(view, point);
        if (body) {
            if (!a.Shown && std::abs(a.NewSize - a.OldSize) < MinLineSize) {
                // A border barely moved in the body is a click that slipped.
                a.NewSize = a.OldSize;
                a.NewValue = a.OldValue;
                break;
            }
            if (a.Shown && a.NewSize == a.ShownSize)
                break;
            a.Shown = true;
            const TXLSize client = view->GetClientSize();
            const int start = a.Start - view->GetOffset().Of(a.Axis);
            view->SetSizingLine(a.Axis == sCols ? QRect(start, 0, a.NewSize, client.y)
                                                : QRect(0, start, client.x, a.NewSize));
        } else {
            if (a.NewSize == a.ShownSize)
                break;
            ShowLineSize(a.Axis, a.Body, a.Index, a.NewSize);
        }
        a.ShownSize = a.NewSize;
        break;
    case pDone:
        view->SetSizingLine({});
        StoreSize(view, shift);
        break;
    case pCancel:
        view->SetSizingLine({});
        ShowLineSize(a.Axis, a.Body, a.Index, a.OldSize);
        Realign();
        break;
    case pScan:
        break;
    }
    if ((a.Phase == pDone || a.Phase == pCancel) && FOptions.Contains(oPermEdit))
        SetEditMode(emEnter);
}

void TRAVazo::ProposeSize(TXLView* view, TPoint point)
{
    TXLAltering& a = FAlter;
    const QPoint at = view->viewport()->mapTo(this, QPoint(point.X, point.Y));
    const int pos = a.Axis == sCols ? at.x() : at.y();
    const int limit = a.Axis == sCols ? width() : height();
    if (pos < 0 || pos >= limit) {
        // Dragged out of the grid: the size before the drag.
        a.NewSize = a.OldSize;
        a.NewValue = a.OldValue;
        return;
    }
    const int content = view->GetOffset().Of(a.Axis) + (a.Axis == sCols ? point.X : point.Y);
    int value = std::max(ToOriginal(content - a.Start), MinLineSize);
    FSheet->Sizing(a.Axis, a.Body, a.Index, value);
    value = std::max(value, MinLineSize);
    a.NewValue = value;
    a.NewSize = ToScaled(value);
}

void TRAVazo::StoreSize(TXLView* view, TXLShift shift)
{
    const TXLAltering a = FAlter;
    TXLSizeList& sizes = FSheet->GetSizeList(a.Axis, a.Body);
    if (a.Index >= sizes.Count())
        return;
    TXLSheet* sheet = FSheet;
    sizes.SetInt(a.Index, a.NewValue);
    sheet->CellChanged(nullptr, a.Axis, a.Body, a.Index);
    Realign();
    LayoutChanged();
    // Alt sizes every selected line of a strip alike.
    const TRect selected = view->GetSelArea();
    if (!shift.Keys.testFlag(Qt::AltModifier) || selected.IsEmpty() || view->GetEditable())
        return;
    const int first = a.Axis == sCols ? selected.Left : selected.Top;
    const int last = std::min(a.Axis == sCols ? selected.Right : selected.Bottom, sizes.Count());
    TLockGuard lock(*this);
    for (int i = first; i < last; ++i) {
        if (i == a.Index || sizes.GetInt(i) == a.NewValue)
            continue;
        sizes.SetInt(i, a.NewValue);
        sheet->CellChanged(nullptr, a.Axis, a.Body, i);
    }
}

// Events of the views ---------------------------------------------------------

void TRAVazo::ViewClick(TXLView* view, bool doubleClick)
{
    if (const TNotifyEvent& event = doubleClick ? OnDblClick : OnClick)
        event(view);
}

void TRAVazo::ViewMouse(TXLView* view, QEvent::Type type, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                        TPoint point)
{
    const TXLMouseEvent& event = type == QEvent::MouseMove ? OnMouseMove
                                 : type == QEvent::MouseButtonRelease ? OnMouseUp
                                                                      : OnMouseDown;
    if (event)
        event(view, button, shift, view->viewport()->mapTo(this, QPoint(point.X, point.Y)));
}

bool TRAVazo::ViewDragOver(TXLView* view, const QMimeData* data, TPoint point)
{
    bool accept = false;
    if (OnDragOver)
        OnDragOver(view, data, view->viewport()->mapTo(this, QPoint(point.X, point.Y)), accept);
    return accept;
}

void TRAVazo::ViewDragDrop(TXLView* view, const QMimeData* data, TPoint point)
{
    if (OnDragDrop)
        OnDragDrop(view, data, view->viewport()->mapTo(this, QPoint(point.X, point.Y)));
}
