// A view's cell hints: the hint text follows the cell under the mouse, and
// a tooltip asked for by the platform shows it, in the body with a callout
// to the cell's corner.
#include "grid/TXLView.h"

#include "grid/TRAVazo.h"
#include "grid/TXLHintWindow.h"
#include "grid/XLEventGuard.h"
#include "grid/XLHintLayout.h"
#include "sheet/TXLSection.h"

#include <QHelpEvent>

namespace {

// A strip's tooltip opens below the mouse pointer.
constexpr QPoint StripHintOffset{0, 20};

}  // namespace

QString TXLView::HintAt(QPoint client, TPoint* cell) const
{
    TPoint p;
    if (!FSection || !FGrid->GetShowHint() || !ClientToCell({client.x(), client.y()}, false, p))
        return {};
    if (cell)
        *cell = p;
    return FSection->GetCellHint(p);
}

void TXLView::TrackHint(QPoint client)
{
    const QString text = FGrid->IsAltering() ? QString() : HintAt(client);
    if (text == FHintText)
        return;
    FHintText = text;
    FGrid->CancelHint();
}

bool TXLView::HintShow(const QHelpEvent& event)
{
    if (!FGrid->GetShowHint())
        return false;
    // A drag or an open note has the user's attention.
    if (FGrid->IsAltering() || FGrid->GetEditHint()) {
        FGrid->CancelHint();
        return true;
    }
    TPoint cell;
    FHintText = HintAt(event.pos(), &cell);
    TRect area;
    if (FHintText.isEmpty() || (FSector == sClient && !CalcRect(ExpandArea(PointRect(cell)), cmFull, area))) {
        FGrid->CancelHint();
        return true;
    }
    TXLHintWindow* window = FGrid->GetHintWindow();
    if (FSector != sClient) {
        window->ActivateHintData(event.globalPos() + StripHintOffset, FHintText, nullptr);
        return true;
    }
    const QPoint anchor = XLHintAnchor(QRect(area.Left, area.Top, area.Width(), area.Height()));
    FGrid->SetHintAnchor(anchor);
    window->ActivateHintData(viewport()->mapToGlobal(anchor + XLHintTooltipOffset), FHintText, this);
    return true;
}

bool TXLView::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        bool handled = false;
        XLGuardEvent([&] { handled = HintShow(*static_cast<QHelpEvent*>(event)); });
        if (handled)
            return true;
        break;
    }
    case QEvent::Leave:
        XLGuardEvent([&] {
            FHintText.clear();
            FGrid->CancelHint();
        });
        break;
    default:
        break;
    }
    return QAbstractScrollArea::viewportEvent(event);
}
