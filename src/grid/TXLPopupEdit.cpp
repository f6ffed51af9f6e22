#include "grid/TXLPopupEdit.h"

#include "controls/TGSPopupPanel.h"
#include "grid/TXLButton.h"
#include "grid/TXLEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

TXLPopupEdit::TXLPopupEdit(TXLEdit* host) : TXLMaskEdit(host)
{
    FPanel = new TGSPopupPanel(this);
}

void TXLPopupEdit::ClosePopup()
{
    FPanel->Close();
}

void TXLPopupEdit::Layout(const TXLLayout& layout)
{
    ClosePopup();
    TXLMaskEdit::Layout(layout);
}

void TXLPopupEdit::ButtonClick(TXLEditStyle style, bool lowerHalf)
{
    (void)style;
    (void)lowerHalf;
    if (FPanel->GetActive())
        return;
    BeforePopup();
    // The popup runs its own event loop; the editor may be gone after it.
    QPointer<QLineEdit> edit = GetEdit();
    FPanel->Popup(parentWidget());
    if (edit)
        edit->setFocus(Qt::PopupFocusReason);
}

bool TXLPopupEdit::PreviewKey(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool drop = (key == Qt::Key_Down && mods == Qt::AltModifier) || (key == Qt::Key_F4 && mods == Qt::NoModifier);
    if (!drop || GetHost()->GetButton()->GetStyle() != esDropDown)
        return false;
    ButtonClick(esDropDown, false);
    return true;
}
