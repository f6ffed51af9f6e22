#include "grid/TXLHintMemo.h"

#include "grid/TRAVazo.h"
#include "grid/TXLEditor.h"
#include "grid/TXLView.h"
#include "grid/XLEventGuard.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSection.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>

namespace {

Qt::CursorShape CursorOf(TXLHintHit hit)
{
    switch (hit) {
    case hhTopLeft:
    case hhBottomRight:
        return Qt::SizeFDiagCursor;
    case hhTopRight:
    case hhBottomLeft:
        return Qt::SizeBDiagCursor;
    case hhTop:
    case hhBottom:
        return Qt::SizeVerCursor;
    case hhLeft:
    case hhRight:
        return Qt::SizeHorCursor;
    case hhMove:
        return Qt::SizeAllCursor;
    case hhClient:
        break;
    }
    return Qt::ArrowCursor;
}

QRect ToQ(const TRect& r)
{
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

}  // namespace

TXLHintMemo::TXLHintMemo(TXLView* view, TPoint pos)
    : QPlainTextEdit(view->viewport()),
      FGrid(view->GetGrid()),
      FView(view),
      FSection(view->GetSection()),
      FPos(view->Redirect(pos))
{
    setFrameShape(QFrame::NoFrame);
    setViewportMargins(XLHintFrame, XLHintFrame, XLHintFrame, XLHintFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Hovering the frame shows what a press there would do.
    setMouseTracking(true);
    setFont(FGrid->font());
    QPalette colours = palette();
    const QPalette tip = QToolTip::palette();
    colours.setColor(QPalette::Base, tip.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::Text, tip.color(QPalette::ToolTipText));
    setPalette(colours);

    const TXLCell* cell = FSection ? FSection->GetCell(FPos.X, FPos.Y) : nullptr;
    const QString text = cell ? cell->GetHint() : QString();
    setPlainText(text);
    const QRect cellRect = CellRect();
    resize(DefaultWidth, XLHintMinHeight);
    const int textHeight = XLCalcTextHeight(*this, TextIndent, haLeft, text);
    setGeometry(XLPlaceHintMemo(cellRect, DefaultWidth, textHeight, view->viewport()->size()));
    show();
    FGrid->SetHintAnchor(XLHintAnchor(cellRect));
    UpdateCallout();
    setFocus(Qt::OtherFocusReason);
}

TXLHintMemo::~TXLHintMemo() = default;

QRect TXLHintMemo::CellRect() const
{
    TRect area;
    return FView->CalcRect(FView->ExpandArea(PointRect(FPos)), cmFull, area) ? ToQ(area) : QRect();
}

QPoint TXLHintMemo::GetAnchor() const
{
    const QRect cell = CellRect();
    if (cell.isNull() && FGrid->GetCallout().View == FView)
        return FGrid->GetCallout().Anchor;
    return XLHintAnchor(cell);
}

bool TXLHintMemo::IsOn(const TXLCell* cell) const
{
    return cell && FSection && FSection->GetRawCell(FPos.X, FPos.Y) == cell;
}

QStringList TXLHintMemo::VisualLines() const
{
    QStringList lines;
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        // Measuring a block lays it out when the edit has not done so yet.
        layout->blockBoundingRect(block);
        const QString text = block.text();
        const QTextLayout* shown = block.layout();
        if (!shown || shown->lineCount() == 0) {
            lines << text;
            continue;
        }
        for (int i = 0; i < shown->lineCount(); ++i) {
            const QTextLine line = shown->lineAt(i);
            lines << text.mid(line.textStart(), line.textLength());
        }
    }
    return lines;
}

void TXLHintMemo::Close()
{
    if (!FBound)
        return;
    FBound = false;
    const QString text = XLHintStoredText(VisualLines());
    const bool hadFocus = hasFocus();
    // The note goes whatever the sheet's hint handlers do.
    const auto finish = [this, hadFocus] {
        hide();
        FGrid->HintMemoClosed(this, hadFocus);
        deleteLater();
    };
    try {
        if (FSection) {
            TXLCell* cell = text.isEmpty() ? FSection->GetRawCell(FPos.X, FPos.Y) : FSection->GetCell(FPos.X, FPos.Y);
            if (cell)
                cell->SetHint(text);
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

bool TXLHintMemo::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Paint:
        XLGuardEvent([&] { PaintFrame(); });
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        // The frame's mouse events stay here: passed on they would reach
        // the view, and a press there closes the note.
        XLGuardEvent([&] { FrameMouse(static_cast<QMouseEvent*>(event)); });
        event->accept();
        return true;
    case QEvent::ContextMenu:
        // A click on the frame opens no menu, and the grid's must not open
        // over the note; the keyboard's menu key opens the text's menu.
        if (static_cast<QContextMenuEvent*>(event)->reason() != QContextMenuEvent::Mouse)
            break;
        event->accept();
        return true;
    default:
        break;
    }
    return QPlainTextEdit::event(event);
}

bool TXLHintMemo::FrameMouse(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (event->button() != Qt::LeftButton)
            return false;
        FDrag = XLHintHitTest(size(), at);
        FDragStart = global;
        FDragBounds = geometry();
        return FDrag != hhClient;
    case QEvent::MouseMove:
        if (FDrag != hhClient && event->buttons().testFlag(Qt::LeftButton)) {
            setGeometry(XLHintDrag(FDrag, FDragBounds, global - FDragStart, MinSize));
            UpdateCallout();
            return true;
        }
        setCursor(CursorOf(XLHintHitTest(size(), at)));
        return false;
    case QEvent::MouseButtonRelease: {
        const bool dragged = FDrag != hhClient;
        FDrag = hhClient;
        return dragged;
    }
    default:
        return false;
    }
}

void TXLHintMemo::PaintFrame()
{
    QPainter painter(this);
    const QRect bounds = rect();
    const QRect text = bounds.adjusted(XLHintFrame, XLHintFrame, -XLHintFrame, -XLHintFrame);
    painter.setClipRegion(QRegion(bounds) - QRegion(text));
    painter.fillRect(bounds, Qt::white);
    painter.fillRect(bounds, QBrush(Qt::black, Qt::BDiagPattern));
    painter.setPen(Qt::black);
    for (const QRect& handle : XLHintHandles(size())) {
        painter.fillRect(handle, Qt::white);
        painter.drawRect(handle.adjusted(0, 0, -1, -1));
    }
}

void TXLHintMemo::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        XLGuardEvent([&] { Close(); });
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TXLHintMemo::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    // The note's own context menu takes the focus for a while only.
    if (event->reason() != Qt::PopupFocusReason)
        XLGuardEvent([&] { Close(); });
}

void TXLHintMemo::UpdateCallout()
{
    if (!FBound || !isVisible())
        return;
    const QRect bounds = geometry();
    const QPoint anchor = GetAnchor();
    FGrid->SetCallout(FView, bounds.adjusted(3, 3, -3, -3), anchor);
    FView->viewport()->update(bounds.united(QRect(anchor, QSize(1, 1))).adjusted(-7, -7, 7, 7));
}
