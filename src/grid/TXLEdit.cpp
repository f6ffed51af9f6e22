#include "grid/TXLEdit.h"

#include "base/ERAVazoError.h"
#include "grid/TRAVazo.h"
#include "grid/TXLButton.h"
#include "grid/TXLSectionPainter.h"
#include "grid/TXLView.h"
#include "grid/XLEdges.h"
#include "grid/XLEventGuard.h"
#include "grid/XLPaletteColor.h"
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLRow.h"
#include "sheet/TXLSection.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {

TRAVazo* CheckedGrid(TRAVazo* grid)
{
    if (!grid)
        throw ERAVazoError("Invalid parent!");
    return grid;
}

bool IsNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

constexpr Qt::KeyboardModifiers ShiftState = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

// True while the cell is still stored at its place: a cell being removed
// asks for its editor to close, and nothing may be saved into it then.
bool IsPlaced(TXLCell* cell)
{
    const TXLRow* row = cell->GetRow();
    return row && row->GetIndex() >= 0 && cell->GetSection()->GetRawCell(cell->GetCol(), row->GetIndex()) == cell;
}

}  // namespace

TXLEdit::TXLEdit(TRAVazo* grid)
    : QWidget(CheckedGrid(grid)->GetView(sClient)->viewport()), FGrid(grid), FEditView(grid->GetView(sClient))
{
    hide();
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
    FButton = new TXLButton(this);
    FButton->hide();
    FButton->OnClick = [this] { ButtonClick(); };
    FButton->OnResize = [this] { Realign(); };
    SetCtl3D(grid->HasOption(oEdit3D));
}

TXLEdit::~TXLEdit()
{
    FDestroying = true;
    if (FCell)
        FCell->ExcludeState(csEditing);
    FCell = nullptr;
}

// Opening and closing -----------------------------------------------------

void TXLEdit::SetEditing(bool on)
{
    if (on == GetEditing() || !FEditView || FDestroying)
        return;
    TXLSection* section = FEditView->GetSection();
    const TPoint current = FEditView->GetCurrent();
    if (on && section && FEditView->CanEdit(current))
        SetEditCell(FEditView, section->GetCell(current.X, current.Y));
    else
        SetEditCell(FEditView, nullptr);
}

void TXLEdit::SetEditCell(TXLView* view, TXLCell* cell)
{
    if (view != FEditView)
        return;
    const bool wasEditing = GetEditing();
    // Another cell's content is saved before its editor can be replaced.
    if (FCell && FCell != cell)
        SetCell(nullptr, true);
    if (cell) {
        SetEditClass(cell->GetCellEditor());
        if (FEditor) {
            if (FGrid->HasOption(oPermEdit))
                FEntering = true;
            SetCell(cell, true);
        }
    } else if (FEditor && !FDestroying) {
        SetCell(nullptr, true);
    }
    if (GetEditing() != wasEditing)
        FGrid->EditModeChanged();
}

void TXLEdit::SetEditClass(const TXLEditClass* editClass)
{
    if (FEditor && FEditClass == editClass)
        return;
    if (FEditor) {
        if (FWorking)
            FWorking->removeEventFilter(this);
        FEditor->hide();
        PostClose(FEditor);
        FEditor = nullptr;
        FWorking = nullptr;
    }
    FEditClass = editClass;
    const TXLEditorFactory* factory = editClass ? XLFindEditorFactory(editClass) : nullptr;
    if (!factory)
        return;
    FEditor = (*factory)(this);
    if (!FEditor)
        return;
    FEditor->setParent(this);
    FEditor->show();
    FWorking = FEditor->WorkingControl();
    if (FWorking)
        FWorking->installEventFilter(this);
}

void TXLEdit::PostClose(TXLEditor* editor)
{
    editor->deleteLater();
}

void TXLEdit::SetCell(TXLCell* cell, bool save)
{
    if (cell == FCell)
        return;
    if (TXLCell* old = FCell) {
        old->ExcludeState(csEditing);
        if (save && FEditor && IsPlaced(old)) {
            // A value the editor cannot store (out of range, unreadable)
            // leaves the cell as it was.
            try {
                FEditor->SaveCell(*old);
            } catch (...) {
            }
        }
        FCell = nullptr;
        if (IsPlaced(old))
            InvalidateCell(old);
    }
    FCell = cell;
    if (cell) {
        try {
            InvalidateCell(cell);
            Relocate();
            Read();
            ShowHost();
            cell->IncludeState(csEditing);
        } catch (...) {
            cell->ExcludeState(csEditing);
            FCell = nullptr;
        }
    }
    if (!FCell) {
        const bool hadFocus = HasFocusInside();
        HideHost();
        if (hadFocus && FGrid->isVisible())
            FGrid->setFocus(Qt::OtherFocusReason);
    }
}

void TXLEdit::Cancel()
{
    const bool wasEditing = GetEditing();
    SetCell(nullptr, false);
    if (GetEditing() != wasEditing)
        FGrid->EditModeChanged();
}

void TXLEdit::SetEntering(bool on)
{
    if (on == FEntering)
        return;
    FEntering = on;
    if (GetEditing())
        FGrid->EditModeChanged();
}

void TXLEdit::ShowWithMessage(QKeyEvent* key)
{
    SetEntering(true);
    if (!FEditor || !FCell || !FWorking)
        return;
    FEditor->SelectAllText();
    ShowHost();
    SendKey(key);
}

void TXLEdit::SendKey(QKeyEvent* key)
{
    if (!FWorking || !GetEditing())
        return;
    QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                   static_cast<ushort>(key->count()));
    QCoreApplication::sendEvent(FWorking, &copy);
}

void TXLEdit::SetEditView(TXLView* view)
{
    if (!view || view == FEditView)
        return;
    SetEditCell(FEditView, nullptr);
    SetEditClass(nullptr);
    FEditView = view;
    setParent(view->viewport());
    hide();
}

bool TXLEdit::ClickCheck(TPoint cell, Qt::KeyboardModifiers modifiers)
{
    if (!GetEditing() || !FWantsClicks)
        return false;
    bool consumed = false;
    if (!FLastClick || *FLastClick != cell)
        consumed = FEditor->CellClick(cell, modifiers);
    FLastClick = cell;
    return consumed;
}

// Placing and loading -----------------------------------------------------------

TRect TXLEdit::EditBounds(TXLCell* cell) const
{
    if (!cell || !FEditView)
        return {};
    TRect rect;
    if (!FEditView->CalcRect(FEditView->ExpandArea(cell->GetBounds()), cmFull, rect))
        return {};
    rect = XLAdjustFrameRect(rect, cell->GetFrame());
    if (FCtl3D)
        rect = Rect(rect.Left - 2, rect.Top - 2, rect.Right + 2, rect.Bottom + 2);
    return rect;
}

void TXLEdit::Relocate()
{
    if (!FCell)
        return;
    const TRect r = EditBounds(FCell);
    setGeometry(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
    Realign();
}

void TXLEdit::Read()
{
    if (!FCell || FCell->HasState(csAssign))
        return;
    UpdateEditor();
    if (!GetEditing())
        return;
    const TXLLoadAnswer answer = FEditor->LoadCell(*FCell);
    FButton->SetStyle(answer.Style);
    FWantsClicks = answer.WantsClicks;
    FLastClick.reset();
    Realign();
}

void TXLEdit::UpdateEditor()
{
    if (!GetEditing())
        return;
    TXLSection* section = FCell->GetSection();
    TColor color = FCell->GetColor();
    if (color == clNone)
        color = section->GetBaseStyle()->GetColor();
    TXLPersistent* holder = FCell->FindProperty(prFont);
    TXLFont font = *(holder ? holder : FCell)->GetFont();
    TXLSectionPainter(*section).PrepareFont(font, FGrid->GetScale(), false, true);
    QPalette pal = FGrid->palette();
    const QColor background = XLColorToQColor(color, pal);
    const QColor text = XLColorToQColor(font.GetColor(), pal);
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base})
        pal.setColor(role, background);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        pal.setColor(role, text);
    setPalette(pal);
    setFont(font.ToQFont());
    const TXLLayout layout = FCell->GetLayout();
    const QPair<int, int> selection = FEditor->GetTextSelection();
    FEditor->Layout(layout);
    FEditor->SetTextSelection(selection);
    FVertAlign = layout.VertAlign;
    Realign();
}

void TXLEdit::SetCtl3D(bool on)
{
    if (on == FCtl3D)
        return;
    FCtl3D = on;
    FButton->SetFlat(!on);
    Relocate();
    update();
}

void TXLEdit::Realign()
{
    const int inset = FCtl3D ? 2 : 0;
    const QRect inner = rect().adjusted(inset, inset, -inset, -inset);
    const int buttonWidth = FButton->GetStyle() == esNormal ? 0 : std::min(FButton->ButtonWidth(), inner.width());
    FButton->setGeometry(inner.right() + 1 - buttonWidth, inner.top(), buttonWidth, inner.height());
    FButton->setVisible(buttonWidth > 0);
    if (!FEditor)
        return;
    const QRect area(inner.left(), inner.top(), std::max(0, inner.width() - buttonWidth), inner.height());
    if (FEditor->AlignsItself()) {
        FEditor->setGeometry(area);
        return;
    }
    const int height = std::min(area.height(), FEditor->PreferredHeight(area.height()));
    int top = area.top();
    if (FVertAlign == vaBottom)
        top = area.bottom() + 1 - height;
    else if (FVertAlign == vaCenter)
        top = (area.top() + area.bottom() + 1 - height) / 2;
    FEditor->setGeometry(area.left(), top, area.width(), height);
}

void TXLEdit::ShowHost()
{
    if (!isVisible()) {
        // Tab belongs to the editor while it is open.
        FGridFocus = FGrid->focusPolicy();
        FGrid->setFocusPolicy(Qt::ClickFocus);
    }
    show();
    raise();
    if (FWorking && FGrid->isVisible())
        FWorking->setFocus(Qt::OtherFocusReason);
}

void TXLEdit::HideHost()
{
    if (isVisible())
        FGrid->setFocusPolicy(FGridFocus);
    hide();
    FButton->SetStyle(esNormal);
}

void TXLEdit::InvalidateCell(TXLCell* cell) const
{
    if (FEditView && FEditView->GetSector() == cell->GetSector())
        FEditView->InvalidateArea(cell->GetBounds(), true, iFull);
}

bool TXLEdit::HasFocusInside() const
{
    for (const QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (w == this)
            return true;
    return false;
}

// Keys and clicks ------------------------------------------------------------------

void TXLEdit::ButtonClick()
{
    if (GetEditing())
        FEditor->ButtonClick(FButton->GetStyle(), FButton->GetLowerHalf());
}

bool TXLEdit::ControlKeyDown(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers shift = event->modifiers() & ShiftState;
    if (IsNavigationKey(key) && FEntering && shift != Qt::AltModifier) {
        FEditView->KeyDown(key, event->modifiers());
        return true;
    }
    if (key == Qt::Key_F2 && shift == Qt::NoModifier) {
        SetEntering(!FEntering);
        return true;
    }
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && FGrid->HasOption(oTabKeys)) {
        FEditView->KeyDown(key, event->modifiers());
        return true;
    }
    return false;
}

bool TXLEdit::ControlKeyPress(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        FEditView->KeyPress(u'\r', event->modifiers());
        return true;
    }
    // Esc in an open list closes the list first.
    if (key == Qt::Key_Escape && !QApplication::activePopupWidget()) {
        FEditView->KeyPress(QChar(27), event->modifiers());
        return true;
    }
    return false;
}

bool TXLEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != FWorking || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    bool used = false;
    XLGuardEvent([&] { used = (FEditor && FEditor->PreviewKey(key)) || ControlKeyDown(key) || ControlKeyPress(key); });
    return used;
}

void TXLEdit::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    if (FCtl3D)
        XLDrawEdge(painter, Rect(0, 0, width(), height()), edSunken, false, FGrid->palette());
}

void TXLEdit::resizeEvent(QResizeEvent* event)
{
    (void)event;
    XLGuardEvent([&] { Realign(); });
}
