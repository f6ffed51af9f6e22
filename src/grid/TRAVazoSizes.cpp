// The grid's scaled size lists, zoom, the wheel and linked scrolling.
#include "grid/TRAVazo.h"

#include "grid/TXLView.h"

#include <algorithm>

namespace {

// Ctrl+wheel steps: finer below 100 %.
constexpr int FineZoomStep = 15;
constexpr int CoarseZoomStep = 25;

}  // namespace

std::array<TXLView*, 2> TRAVazo::ViewsOf(TXLAxis axis, bool body) const
{
    // Body widths: column strip and body; title widths: row strip and
    // corner; body heights: row strip and body; title heights: column strip
    // and corner.
    if (body)
        return {FViews[axis], FViews[sClient]};
    return {FViews[OtherAxis(axis)], FViews[sTitle]};
}

void TRAVazo::RebuildSizes(TXLAxes axes)
{
    if (axes.Empty())
        axes = {sCols, sRows};
    if (FSheet) {
        for (const TXLAxis axis : {sCols, sRows}) {
            if (!axes.Contains(axis))
                continue;
            for (const bool body : {false, true}) {
                FSizes[ListIndex(axis, body)].Assign(FSheet->GetSizeList(axis, body), FScale);
                for (TXLView* view : ViewsOf(axis, body))
                    view->Invalidate();
            }
        }
    } else {
        for (TXLLineSizes& list : FSizes)
            list.Clear();
    }
    for (TXLView* view : FViews) {
        const TXLGeometry& geometry = view->Geometry();
        view->SetSize({geometry.Lines(sCols)->Total(), geometry.Lines(sRows)->Total()});
    }
    LayoutChanged();
    Realign();
    ResetSelection(false);
}

void TRAVazo::SetScale(TXLScale scale)
{
    scale = std::max(scale, MinScale);
    if (scale == FScale)
        return;
    {
        TRAVazo::TLockGuard lock(*this);
        FScale = scale;
        RebuildSizes({});
        LayoutChanged();
        // The editor takes the new font size only when it is made again.
        RelocateEditor();
        ReopenEditor();
    }
    Notify(OnScaleChanged);
}

bool TRAVazo::DoWheel(Qt::KeyboardModifiers modifiers, int delta)
{
    if (!FSheet)
        return false;
    // Scrolling under an armed resize would move the line being dragged.
    if (IsSizingArmed())
        return true;
    const Qt::KeyboardModifiers shift =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (shift == Qt::ControlModifier) {
        int scale = FScale;
        if (delta > 0)
            scale += scale < 100 ? FineZoomStep : CoarseZoomStep;
        else
            scale -= scale <= 100 ? FineZoomStep : CoarseZoomStep;
        SetScale(static_cast<TXLScale>(std::clamp(scale, static_cast<int>(MinScale), static_cast<int>(MaxWheelScale))));
        return true;
    }
    const int rowHeight = std::max(1, FSheet->GetRowDefHeight());
    const int lines = (delta / 2) / rowHeight;
    TXLView* body = FViews[sClient];
    if (lines > 0) {
        for (int i = 0; i < lines + 1; ++i)
            body->ScrollBy(sRows, scLineUp);
    } else {
        for (int i = 0; i < 1 - lines; ++i)
            body->ScrollBy(sRows, scLineDown);
    }
    return true;
}

void TRAVazo::ScrollLinked(const TXLSize& offset)
{
    if (FLinking || (!FHorzLink && !FVertLink))
        return;
    // A partner passing its own offset back would round it differently.
    FLinking = true;
    const TXLSize original{ToOriginal(offset.x), ToOriginal(offset.y)};
    if (FHorzLink && FHorzLink == FVertLink) {
        if (!FHorzLink->FLinking)
            FHorzLink->GetView(sClient)->SetOffsetXY(FHorzLink->ToScaled(original.x), FHorzLink->ToScaled(original.y));
    } else {
        if (FHorzLink && !FHorzLink->FLinking) {
            TXLView* body = FHorzLink->GetView(sClient);
            body->SetOffsetXY(FHorzLink->ToScaled(original.x), body->GetOffset().y);
        }
        if (FVertLink && !FVertLink->FLinking) {
            TXLView* body = FVertLink->GetView(sClient);
            body->SetOffsetXY(body->GetOffset().x, FVertLink->ToScaled(original.y));
        }
    }
    FLinking = false;
}

void TRAVazo::SetHorzLink(TRAVazo* grid)
{
    if (grid == this)
        grid = nullptr;
    if (grid == FHorzLink)
        return;
    TRAVazo* old = FHorzLink;
    FHorzLink = nullptr;
    if (old && old->FHorzLink == this)
        old->SetHorzLink(nullptr);
    FHorzLink = grid;
    if (!grid)
        return;
    TXLView* body = grid->GetView(sClient);
    body->SetOffsetXY(grid->ToScaled(ToOriginal(FViews[sClient]->GetOffset().x)), body->GetOffset().y);
    grid->SetHorzLink(this);
}

void TRAVazo::SetVertLink(TRAVazo* grid)
{
    if (grid == this)
        grid = nullptr;
    if (grid == FVertLink)
        return;
    TRAVazo* old = FVertLink;
    FVertLink = nullptr;
    if (old && old->FVertLink == this)
        old->SetVertLink(nullptr);
    FVertLink = grid;
    if (!grid)
        return;
    TXLView* body = grid->GetView(sClient);
    body->SetOffsetXY(body->GetOffset().x, grid->ToScaled(ToOriginal(FViews[sClient]->GetOffset().y)));
    grid->SetVertLink(this);
}
