#include "grid/TXLMaskEdit.h"

#include "base/MaskText.h"
#include "grid/TXLEdit.h"
#include "grid/TXLView.h"
#include "grid/XLEventGuard.h"
#include "sheet/TXLCell.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace {

// The line edit's position character for an input position of the mask.
QChar QtInputChar(QChar c)
{
    switch (c.unicode()) {
    case u'L':
        return u'A'; // letter required
    case u'l':
        return u'a'; // letter permitted
    case u'A':
        return u'N'; // letter or digit required
    case u'a':
        return u'n';
    case u'C':
        return u'X'; // any character required
    case u'c':
        return u'x';
    case u'0':
        return u'9'; // digit required
    case u'9':
        return u'0'; // digit permitted
    default:
        return u'#'; // digit or sign permitted
    }
}

QChar QtCaseDirective(TEditMask::TCase kind)
{
    switch (kind) {
    case TEditMask::TCase::Upper:
        return u'>';
    case TEditMask::TCase::Lower:
        return u'<';
    case TEditMask::TCase::None:
        break;
    }
    return u'!';
}

}  // namespace

QString XLQtInputMask(const QString& mask, const FormatSettings& settings)
{
    const TEditMask edit(mask);
    if (edit.IsEmpty())
        return {};
    QString result;
    TEditMask::TCase inForce = TEditMask::TCase::None;
    for (const TEditMask::TPosition& pos : edit.Positions()) {
        switch (pos.Kind) {
        case TEditMask::TKind::Input:
            if (pos.Case != inForce) {
                result += QtCaseDirective(pos.Case);
                inForce = pos.Case;
            }
            result += QtInputChar(pos.Char);
            break;
        case TEditMask::TKind::Literal:
            result += u'\\';
            result += pos.Char;
            break;
        case TEditMask::TKind::TimeSeparator:
            result += u'\\';
            result += settings.TimeSeparator;
            break;
        case TEditMask::TKind::DateSeparator:
            result += u'\\';
            result += settings.DateSeparator;
            break;
        }
    }
    result += u';';
    result += edit.Blank();
    return result;
}

TXLMaskEdit::TXLMaskEdit(TXLEdit* host) : TXLEditor(host)
{
    FEdit = new QLineEdit(this);
    FEdit->setFrame(false);
    FEdit->installEventFilter(this);
    connect(FEdit, &QLineEdit::textChanged, this, [this] { FollowTextHeight(); });
}

void TXLMaskEdit::SetAlign(TAlignment align)
{
    FAlign = align;
    FEdit->setAlignment(GSAlignFlag(align) | Qt::AlignVCenter);
    ApplyMargins();
}

void TXLMaskEdit::SetIndent(int indent)
{
    FIndent = std::max(0, indent);
    ApplyMargins();
}

void TXLMaskEdit::ApplyMargins()
{
    FEdit->setTextMargins(XLIndentMargins(FIndent, FAlign));
}

void TXLMaskEdit::SetEditMask(const QString& mask)
{
    FEditMask = mask;
    FEdit->setInputMask(XLQtInputMask(mask, CurrentFormatSettings()));
}

QString TXLMaskEdit::GetText() const
{
    if (!IsMasked())
        return FEdit->text();
    const TEditMask mask(FEditMask);
    if (mask.SaveLiterals())
        return FEdit->text();
    // One shown character per position of the mask.
    const QString shown = FEdit->displayText();
    const auto& positions = mask.Positions();
    QString typed;
    for (size_t i = 0; i < positions.size() && std::cmp_less(i, shown.size()); ++i)
        if (positions[i].Kind == TEditMask::TKind::Input && shown[static_cast<qsizetype>(i)] != mask.Blank())
            typed += shown[static_cast<qsizetype>(i)];
    return typed;
}

void TXLMaskEdit::SetText(const QString& text)
{
    FEdit->setText(text);
}

QWidget* TXLMaskEdit::WorkingControl()
{
    return FEdit;
}

void TXLMaskEdit::LoadMasked(TXLCell& cell)
{
    SetEditMask(cell.GetDisplayFormat());
    SetText(cell.GetText());
    FLastHeight = -1;
    FollowTextHeight();
    if (!IsMasked())
        FEdit->deselect();
}

TXLLoadAnswer TXLMaskEdit::LoadCell(TXLCell& cell)
{
    LoadMasked(cell);
    return {};
}

void TXLMaskEdit::SaveCell(TXLCell& cell)
{
    cell.SetValue(Variant(GetText()));
}

void TXLMaskEdit::Layout(const TXLLayout& layout)
{
    SetAlign(XLToAlignment(layout.HorzAlign));
    SetIndent(layout.Indent);
}

void TXLMaskEdit::SelectAllText()
{
    FEdit->selectAll();
}

QPair<int, int> TXLMaskEdit::GetTextSelection() const
{
    return {FEdit->hasSelectedText() ? FEdit->selectionStart() : FEdit->cursorPosition(), FEdit->selectionLength()};
}

void TXLMaskEdit::SetTextSelection(QPair<int, int> selection)
{
    FEdit->setSelection(selection.first, selection.second);
}

int TXLMaskEdit::PreferredHeight(int hostHeight) const
{
    (void)hostHeight;
    return XLCalcTextHeight(*this, FIndent, XLToHorzAlign(FAlign), FEdit->text() + u'.');
}

void TXLMaskEdit::FollowTextHeight()
{
    const int height = PreferredHeight(0);
    if (height == FLastHeight)
        return;
    FLastHeight = height;
    TXLEdit* host = GetHost();
    if (host->GetEditing() && host->GetEditor() == this)
        host->Relocate();
}

bool TXLMaskEdit::EditKeyPress(QKeyEvent* event)
{
    if (!IsMasked() || FEdit->selectionLength() > 1 || event->modifiers() != Qt::NoModifier)
        return false;
    const int key = event->key();
    const bool atStart = key == Qt::Key_Left && FEdit->cursorPosition() == 0;
    const bool atEnd = key == Qt::Key_Right && FEdit->cursorPosition() >= FEdit->displayText().size();
    if (!atStart && !atEnd)
        return false;
    if (TXLView* view = GetHost()->GetEditView())
        view->KeyDown(key, event->modifiers());
    return true;
}

bool TXLMaskEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != FEdit)
        return TXLEditor::eventFilter(watched, event);
    // Delete needs nothing here: the line edit claims it (as every editing
    // key) before the window's shortcuts see it.
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    bool used = false;
    XLGuardEvent([&] { used = EditKeyPress(key); });
    return used;
}

void TXLMaskEdit::resizeEvent(QResizeEvent* event)
{
    TXLEditor::resizeEvent(event);
    FEdit->setGeometry(rect());
}
