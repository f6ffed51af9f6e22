// The grid's cell hints and comments: the open comment note, the tooltip
// and the anchor both point at.
#include "grid/TRAVazo.h"

#include "grid/TXLHintMemo.h"
#include "grid/TXLHintWindow.h"
#include "grid/TXLView.h"

bool TRAVazo::GetEditHint() const
{
    return !FHintMemo.isNull();
}

TXLHintMemo* TRAVazo::GetHintMemo() const
{
    return FHintMemo.data();
}

void TRAVazo::SetEditHint(bool open)
{
    if (FHintMemo)
        FHintMemo->Close();
    if (!FSheet || !open || FDestroying)
        return;
    TXLView* body = FViews[sClient];
    // A note belongs to a body cell: it floats over the body and points at
    // the cell there.
    if (FEditView != body || !body->GetSection())
        return;
    CancelHint();
    EndEditing();
    const TPoint current = body->GetCurrent();
    body->MakeVisible(body->ExpandArea(PointRect(current)));
    FHintMemo = new TXLHintMemo(body, current);
}

TXLHintWindow* TRAVazo::GetHintWindow()
{
    if (!FHintWindow)
        FHintWindow = new TXLHintWindow(this);
    return FHintWindow;
}

void TRAVazo::CancelHint()
{
    if (FHintWindow && FHintWindow->isVisible())
        FHintWindow->hide();
}

void TRAVazo::CloseHints()
{
    CancelHint();
    SetEditHint(false);
}

void TRAVazo::HintMemoClosed(TXLHintMemo* memo, bool hadFocus)
{
    if (memo != FHintMemo)
        return;
    FHintMemo = nullptr;
    if (FCallout.View == FViews[sClient])
        SetCallout(nullptr, {}, {});
    if (hadFocus && !FDestroying)
        Activate();
}

void TRAVazo::DoneHints()
{
    SetEditHint(false);
    delete FHintWindow;
    FHintWindow = nullptr;
}
