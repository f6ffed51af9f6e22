#include "grid/TXLPickEdit.h"

#include "sheet/TXLCStrings.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLRow.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLStrings.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>

namespace {

const TXLStrings* ItemsOf(TXLCell& cell)
{
    return cell.ClassType()->InheritsFrom(TXLCStrings::StaticClass()) ? dynamic_cast<const TXLStrings*>(cell.GetObject())
                                                                         : nullptr;
}

}  // namespace

QStringList XLColumnHistory(TXLCell& cell)
{
    TXLSection* section = cell.GetSection();
    const TRect bounds = cell.GetBounds();
    QStringList entries;
    const auto known = [&entries](const QString& text) {
        return std::any_of(entries.cbegin(), entries.cend(),
                           [&text](const QString& e) { return e.compare(text, Qt::CaseInsensitive) == 0; });
    };
    for (int row = 0; row < bounds.Bottom && entries.size() < TXLPickEdit::MaxHistory; ++row) {
        TXLCell* other = section->GetRawCell(bounds.Left, row);
        if (!other)
            continue;
        QString text;
        try {
            text = other->GetText();
        } catch (...) {
            continue;
        }
        const QString line = text.section(QRegularExpression(QStringLiteral("\r\n|\r|\n")), 0, 0);
        if (!known(line))
            entries << line;
    }
    std::sort(entries.begin(), entries.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return entries;
}

TXLPickEdit::TXLPickEdit(TXLEdit* host, TGSPickStyle style) : TXLEditor(host)
{
    FPickList = new TGSPickList(this, style);
    FPickList->setFrame(false);
}

TXLLoadAnswer TXLPickEdit::LoadCell(TXLCell& cell)
{
    if (const TXLStrings* items = ItemsOf(cell)) {
        FPickList->SetItems(items->Items);
        FPickList->SetItemIndex(cell.GetInteger());
    } else {
        FPickList->SetItems(XLColumnHistory(cell));
        FPickList->SetText(cell.GetText());
    }
    if (QLineEdit* edit = FPickList->GetEdit())
        edit->deselect();
    // The open list shows its items whole even under a narrow cell.
    FPickList->view()->setMinimumWidth(FPickList->view()->sizeHintForColumn(0) + 8);
    return {};
}

void TXLPickEdit::SaveCell(TXLCell& cell)
{
    if (const TXLStrings* items = ItemsOf(cell)) {
        int index = FPickList->GetItemIndex();
        if (index < 0)
            index = static_cast<int>(items->Items.indexOf(FPickList->GetText()));
        cell.SetInteger(index);
        return;
    }
    cell.SetValue(Variant(FPickList->GetText()));
}

void TXLPickEdit::Layout(const TXLLayout& layout)
{
    FPickList->SetAlign(XLToAlignment(layout.HorzAlign));
    FPickList->SetIndent(layout.Indent);
}

void TXLPickEdit::SelectAllText()
{
    if (QLineEdit* edit = FPickList->GetEdit())
        edit->selectAll();
}

QPair<int, int> TXLPickEdit::GetTextSelection() const
{
    if (const QLineEdit* edit = FPickList->GetEdit())
        return {edit->selectionStart() < 0 ? edit->cursorPosition() : edit->selectionStart(),
                static_cast<int>(edit->selectedText().size())};
    return {0, 0};
}

void TXLPickEdit::SetTextSelection(QPair<int, int> selection)
{
    if (QLineEdit* edit = FPickList->GetEdit())
        edit->setSelection(selection.first, selection.second);
}

int TXLPickEdit::PreferredHeight(int hostHeight) const
{
    (void)hostHeight;
    return XLCalcTextHeight(*this, 0, haLeft, QStringLiteral("Aj"));
}

void TXLPickEdit::resizeEvent(QResizeEvent* event)
{
    TXLEditor::resizeEvent(event);
    // Only the text area shows: the list's frame lies outside the editor,
    // and with a typing field its button too.
    const int button = FPickList->GetStyle() == pkDropDown ? FPickList->GetButtonWidth() : 0;
    FPickList->setGeometry(-Overhang, -Overhang, width() + 2 * Overhang + button, height() + 2 * Overhang);
}
