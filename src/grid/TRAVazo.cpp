// The grid's construction, properties, layout, sheet binding, public
// operations and Qt events.
#include "grid/TRAVazo.h"

#include "grid/TXLEdit.h"
#include "grid/TXLView.h"
#include "grid/XLEdges.h"
#include "grid/XLEventGuard.h"
#include "grid/XLPaletteColor.h"
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLSection.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPainter>

#include <algorithm>

TRAVazo::TRAVazo(QWidget* parent) : QWidget(parent), FColor(clBtnFace)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // The body first, then the strips, as the views stack.
    for (const TXLSector sector : {sClient, sCols, sRows, sTitle}) {
        FViews[sector] = new TXLView(this, sector);
        const bool bodyWidths = sector == sClient || sector == sCols;
        const bool bodyHeights = sector == sClient || sector == sRows;
        FViews[sector]->SetLines(&FSizes[ListIndex(sCols, bodyWidths)], &FSizes[ListIndex(sRows, bodyHeights)]);
    }
    FViews[sClient]->SetPartners(FViews[sCols], FViews[sRows]);
    FViews[sCols]->SetPartners(FViews[sClient], nullptr);
    FViews[sRows]->SetPartners(nullptr, FViews[sClient]);
    FViews[sClient]->ApplyScrolls();
    FEditView = FViews[sClient];
    XLRegisterGridEditors();
    FEditHost = std::make_unique<TXLEdit>(this);
    if (qApp)
        FFocusConnection = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            XLGuardEvent([&] { FocusChanged(old, now); });
        });
}

TRAVazo::~TRAVazo()
{
    FDestroying = true;
    disconnect(FFocusConnection);
    SetTimer(nullptr);
    FAlter = {};
    EndEditing();
    DoneHints();
    FEditHost.reset();
    Deactivate();
    SetHorzLink(nullptr);
    SetVertLink(nullptr);
    SetSheet(nullptr);
    // The views read this grid's size lists: they go before the lists do.
    for (TXLView*& view : FViews) {
        delete view;
        view = nullptr;
    }
}

// Properties ------------------------------------------------------------------

void TRAVazo::SetSheet(TXLSheet* sheet)
{
    if (sheet == FSheet)
        return;
    // A drag over the old sheet ends with it.
    if (IsAltering())
        Altering(FAlter.View, pCancel, {}, FAlter.Point);
    FAlter.Proc = nullptr;
    if (FSheet) {
        EndEditing();
        CloseHints();
        FSheet->RemoveUser(this);
    }
    FSheet = sheet;
    if (FSheet)
        FSheet->AddUser(this);
    if (!FDestroying) {
        PrepareSheetData();
        Notify(OnSheetChanged);
    }
}

void TRAVazo::PrepareSheetData()
{
    for (TXLView* view : FViews) {
        TXLSection* section = FSheet ? FSheet->GetSection(view->GetSector()) : nullptr;
        view->SetSection(section);
        view->SetColor(section ? section->GetBaseStyle()->GetColor() : FColor);
    }
    RebuildSizes({});
    LayoutChanged();
    InvalidateAll();
    ResetSelection(true);
    if (hasFocus())
        ShowCurrent();
}

void TRAVazo::SetOptions(TXLOptions options)
{
    if (options == FOptions)
        return;
    const TXLOptions changed = TXLOptions::FromBits(static_cast<uint16_t>(options.Bits() ^ FOptions.Bits()));
    FOptions = options;
    if (changed.Contains(oTitleCols) || changed.Contains(oTitleRows))
        Realign();
    if (changed.Contains(oVertLines) || changed.Contains(oHorzLines) || changed.Contains(oTitle3D)
        || changed.Contains(oPageBreak))
        InvalidateAll();
}

void TRAVazo::SetScrolls(TXLScrolls scrolls)
{
    if (scrolls == FScrolls)
        return;
    FScrolls = scrolls;
    FViews[sClient]->ApplyScrolls();
}

void TRAVazo::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    if (!FSheet)
        for (TXLView* view : FViews)
            view->SetColor(color);
    update();
}

void TRAVazo::SetShowHint(bool show)
{
    if (show == FShowHint)
        return;
    FShowHint = show;
    InvalidateAll();
}

void TRAVazo::SetCtl3D(bool on)
{
    if (on == FCtl3D)
        return;
    FCtl3D = on;
    Realign();
    update();
    InvalidateAll();
}

void TRAVazo::SetBevelInner(TBevelCut cut)
{
    FBevelInner = cut;
    Realign();
    update();
}

void TRAVazo::SetBevelOuter(TBevelCut cut)
{
    FBevelOuter = cut;
    Realign();
    update();
}

void TRAVazo::SetBevelWidth(int width)
{
    FBevelWidth = std::max(1, width);
    Realign();
    update();
}

void TRAVazo::SetBorderWidth(int width)
{
    FBorderWidth = std::max(0, width);
    Realign();
    update();
}

void TRAVazo::SetBorderStyle(TBorderStyle style)
{
    FBorderStyle = style;
    Realign();
    update();
}

void TRAVazo::SetDesignMode(bool on)
{
    if (on == FDesignMode)
        return;
    FDesignMode = on;
    PrepareSheetData();
}

void TRAVazo::SetEditView(TXLView* view)
{
    if (!view || view == FEditView)
        return;
    if (FEditHost)
        FEditHost->SetEditView(view);
    FEditView = view;
    ResetSelection(true);
}

void TRAVazo::SetEditHost(std::unique_ptr<IXLEditHost> host)
{
    EndEditing();
    FEditHost = std::move(host);
}

// Layout ----------------------------------------------------------------------

QRect TRAVazo::InnerRect() const
{
    int inset = 0;
    if (FBorderStyle == bsSingle)
        inset += FCtl3D ? 2 : 1;
    if (FBevelOuter != bvNone)
        inset += FBevelWidth;
    inset += FBorderWidth;
    if (FBevelInner != bvNone)
        inset += FBevelWidth;
    return rect().adjusted(inset, inset, -inset, -inset);
}

void TRAVazo::Realign()
{
    // A resize drag shows its line live; the views are laid out once it ends.
    if (IsAltering())
        return;
    const QRect outer = InnerRect();
    const int titleWidth = FSizes[ListIndex(sCols, false)].Total();
    const int titleHeight = FSizes[ListIndex(sRows, false)].Total();
    const int left = outer.left();
    const int top = outer.top();
    const int right = std::max(outer.left(), outer.right() + 1);
    const int bottom = std::max(outer.top(), outer.bottom() + 1);
    const int bodyLeft = std::min(right, left + (FOptions.Contains(oTitleRows) ? titleWidth : 0));
    const int bodyTop = std::min(bottom, top + (FOptions.Contains(oTitleCols) ? titleHeight : 0));
    FViews[sClient]->setGeometry(bodyLeft, bodyTop, right - bodyLeft, bottom - bodyTop);
    FViews[sCols]->setGeometry(bodyLeft, top, right - bodyLeft, bodyTop - top);
    FViews[sRows]->setGeometry(left, bodyTop, bodyLeft - left, bottom - bodyTop);
    FViews[sTitle]->setGeometry(left, top, bodyLeft - left, bodyTop - top);
}

// Operations ------------------------------------------------------------------

TPoint TRAVazo::GetCurPos() const
{
    return FEditView->MapToClient(FEditView->GetCurrent());
}

void TRAVazo::SetCurPos(TPoint pos)
{
    if (!FSheet)
        return;
    TPoint local;
    const TXLSector sector = FSheet->MapToSector(pos.X, pos.Y, local);
    SetEditView(FViews[sector]);
    if (FEditView == FViews[sector])
        FEditView->MoveCurrent(local, true, true);
}

bool TRAVazo::CellToClient(TPoint cell, TRect& rect) const
{
    if (!FSheet)
        return false;
    TPoint local;
    const TXLView* view = FViews[FSheet->MapToSector(cell.X, cell.Y, local)];
    if (!view->CalcRect(PointRect(local), cmFull, rect))
        return false;
    const QPoint origin = view->viewport()->mapTo(this, QPoint(0, 0));
    rect = OffsetRect(rect, origin.x(), origin.y());
    return true;
}

bool TRAVazo::ClientToCell(TPoint point, TPoint& cell) const
{
    if (!FSheet)
        return false;
    for (const TXLView* view : FViews) {
        const QPoint origin = view->viewport()->mapTo(this, QPoint(0, 0));
        const QRect bounds(origin, view->viewport()->size());
        if (!bounds.contains(point.X, point.Y))
            continue;
        TPoint local;
        if (!view->ClientToCell({point.X - origin.x(), point.Y - origin.y()}, false, local))
            return false;
        cell = view->MapToClient(local);
        return true;
    }
    return false;
}

bool TRAVazo::HitTest(TPoint point, TXLSector& sector, TPoint& cell) const
{
    if (!FSheet)
        return false;
    const QRect inner = InnerRect();
    const bool inLeft = point.X < inner.left() + FViews[sRows]->width();
    const bool inTop = point.Y < inner.top() + FViews[sCols]->height();
    sector = inLeft ? (inTop ? sTitle : sRows) : (inTop ? sCols : sClient);
    const TXLView* view = FViews[sector];
    const QPoint origin = view->viewport()->mapTo(this, QPoint(0, 0));
    return view->ClientToCell({point.X - origin.x(), point.Y - origin.y()}, false, cell);
}

TPoint TRAVazo::GetTopLeft() const
{
    if (!FSheet)
        return {1, 1};
    TPoint cell;
    FViews[sClient]->ClientToCell({1, 1}, true, cell);
    return FViews[sClient]->MapToClient(cell);
}

void TRAVazo::UpdateViews()
{
    // Paint what is pending now rather than at the next turn of the loop.
    if (QWidget* top = window())
        QCoreApplication::sendPostedEvents(top, QEvent::UpdateRequest);
}

void TRAVazo::Activate()
{
    if (isVisible() && isEnabled() && focusPolicy() != Qt::NoFocus)
        setFocus(Qt::OtherFocusReason);
}

void TRAVazo::Deactivate()
{
    if (TXLManager* manager = XLManagerIfAlive(); manager && manager->GetActiveComponent() == this)
        manager->SetActiveComponent(nullptr);
}

bool TRAVazo::IsActive() const
{
    const QWidget* focused = QApplication::focusWidget();
    return focused && (focused == this || isAncestorOf(focused));
}

void TRAVazo::Changed()
{
    Notify(OnChange);
}

void TRAVazo::SetCallout(TXLView* view, const QRect& rect, const QPoint& anchor)
{
    InvalidateCallout();
    FCallout = {view, rect, anchor};
    InvalidateCallout();
}

void TRAVazo::InvalidateCallout()
{
    if (!FCallout.View)
        return;
    const QRect line = QRect(FCallout.Anchor, FCallout.Rect.topLeft()).normalized().adjusted(-1, -1, 1, 1);
    const QRect shadow = FCallout.Rect.translated(2, 2).united(FCallout.Rect);
    FCallout.View->viewport()->update(QRegion(line) + QRegion(shadow.united(QRect(FCallout.Anchor, QSize(1, 1)))));
}

bool TRAVazo::GetPageBreaks(std::vector<int>& colBreaks, std::vector<int>& rowBreaks) const
{
    colBreaks.clear();
    rowBreaks.clear();
    if (!FSheet)
        return false;
    FSheet->CalcPrintLayout(colBreaks, rowBreaks);
    return true;
}

void TRAVazo::CurrentChanged(TXLView* view)
{
    if (view == FEditView)
        Notify(OnCurChanged);
}

void TRAVazo::SelectionChanged(TXLView* view)
{
    if (view == FEditView)
        Notify(OnSelChanged);
}

void TRAVazo::ViewMouseDown(TXLView* view, Qt::KeyboardModifiers modifiers)
{
    CloseHints();
    if (FDesignMode && (modifiers.testFlag(Qt::ControlModifier) || FEditView != FViews[sClient]))
        SetEditView(view);
    if (!IsActive())
        Activate();
}

// Events ----------------------------------------------------------------------

void TRAVazo::paintEvent(QPaintEvent* event)
{
    (void)event;
    XLGuardEvent([&] {
        QPainter painter(this);
        const QPalette& pal = palette();
        painter.fillRect(rect(), XLColorToQColor(FColor, pal));
        TRect frame = Rect(0, 0, width(), height());
        const auto shrink = [&frame](int d) { frame = Rect(frame.Left + d, frame.Top + d, frame.Right - d, frame.Bottom - d); };
        if (FBorderStyle == bsSingle) {
            if (FCtl3D) {
                XLDrawEdge(painter, frame, edSunken, false, pal);
                shrink(2);
            } else {
                painter.setPen(pal.color(QPalette::WindowText));
                painter.drawRect(frame.Left, frame.Top, frame.Width() - 1, frame.Height() - 1);
                shrink(1);
            }
        }
        const auto bevel = [&](TBevelCut cut) {
            if (cut == bvNone)
                return;
            for (int i = 0; i < FBevelWidth; ++i) {
                if (cut == bvLowered)
                    XLDrawEdge(painter, frame, bdSunkenOuter, false, pal);
                else if (cut == bvRaised)
                    XLDrawEdge(painter, frame, bdRaisedInner, false, pal);
                shrink(1);
            }
        };
        bevel(FBevelOuter);
        shrink(FBorderWidth);
        bevel(FBevelInner);
    });
}

void TRAVazo::resizeEvent(QResizeEvent* event)
{
    (void)event;
    XLGuardEvent([&] { Realign(); });
}

void TRAVazo::focusInEvent(QFocusEvent* event)
{
    XLGuardEvent([&] {
        XLManager().SetActiveComponent(this);
        ShowCurrent();
    });
    QWidget::focusInEvent(event);
}

void TRAVazo::changeEvent(QEvent* event)
{
    // System colours follow the palette: repaint when it changes.
    if (event->type() == QEvent::PaletteChange)
        XLGuardEvent([&] {
            update();
            InvalidateAll();
        });
    QWidget::changeEvent(event);
}

void TRAVazo::FocusChanged(QWidget* old, QWidget* now)
{
    (void)old;
    // No focus widget at all means another window was activated: the grid
    // keeps its place as its window's focus and hears nothing.
    if (!now)
        return;
    // The editor's drop-down lists are windows of their own, still inside.
    bool inside = false;
    for (const QWidget* w = now; w && !inside; w = w->parentWidget())
        inside = w == this;
    if (inside == FFocusInside)
        return;
    FFocusInside = inside;
    // Leaving the grid (a click elsewhere, Tab out of the editor) commits
    // the edit first, so that the exit handler sees the saved value.
    if (!inside)
        EndEditing();
    Notify(inside ? OnEnter : OnExit);
}
