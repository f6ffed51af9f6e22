#include "grid/TXLMemo.h"

#include "sheet/TXLCell.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>

// The text field, with its margins open to the editor.
class TXLMemoText : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    using QAbstractScrollArea::setViewportMargins;
};

TXLMemo::TXLMemo(TXLEdit* host) : TXLEditor(host)
{
    FMemo = new TXLMemoText(this);
    FMemo->setFrameShape(QFrame::NoFrame);
    FMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FMemo->setTabChangesFocus(true);
    FMemo->document()->setDocumentMargin(0);
}

QPlainTextEdit* TXLMemo::GetMemo() const
{
    return FMemo;
}

QWidget* TXLMemo::WorkingControl()
{
    return FMemo;
}

void TXLMemo::SetIndent(int indent)
{
    FIndent = std::max(0, indent);
    ApplyMargins();
}

void TXLMemo::ApplyMargins()
{
    FMemo->setViewportMargins(XLIndentMargins(FIndent, FAlign));
}

QString TXLMemo::GetText() const
{
    QString text = FMemo->toPlainText();
    text.replace(u'\n', FLineBreak);
    if (FEndsWithBreak)
        text += FLineBreak;
    return text;
}

TXLLoadAnswer TXLMemo::LoadCell(TXLCell& cell)
{
    QString text = cell.GetString();
    FLineBreak = text.contains(u'\r') && !text.contains(QStringLiteral("\r\n")) ? QStringLiteral("\r")
                 : text.contains(u'\n') && !text.contains(u'\r')                 ? QStringLiteral("\n")
                                                                                 : QStringLiteral("\r\n");
    text.replace(QRegularExpression(QStringLiteral("\r\n|\r")), QStringLiteral("\n"));
    FEndsWithBreak = text.endsWith(u'\n');
    if (FEndsWithBreak)
        text.chop(1);
    FMemo->setPlainText(text);
    FMemo->moveCursor(QTextCursor::End);
    return {};
}

void TXLMemo::SaveCell(TXLCell& cell)
{
    cell.SetString(GetText());
}

void TXLMemo::Layout(const TXLLayout& layout)
{
    FAlign = XLToAlignment(layout.HorzAlign);
    QTextOption option = FMemo->document()->defaultTextOption();
    option.setAlignment(GSAlignFlag(FAlign));
    option.setWrapMode(layout.WrapMode == wmWrapWords ? QTextOption::WordWrap : QTextOption::NoWrap);
    FMemo->document()->setDefaultTextOption(option);
    FMemo->setLineWrapMode(layout.WrapMode == wmWrapWords ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    SetIndent(layout.Indent);
}

bool TXLMemo::PreviewKey(QKeyEvent* event)
{
    const int key = event->key();
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) ||
        (event->modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return false;
    FMemo->insertPlainText(QStringLiteral("\n"));
    return true;
}

void TXLMemo::SelectAllText()
{
    FMemo->selectAll();
}

QPair<int, int> TXLMemo::GetTextSelection() const
{
    const QTextCursor cursor = FMemo->textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()};
}

void TXLMemo::SetTextSelection(QPair<int, int> selection)
{
    QTextCursor cursor = FMemo->textCursor();
    const int end = FMemo->document()->characterCount() - 1;
    cursor.setPosition(std::clamp(selection.first, 0, end));
    cursor.setPosition(std::clamp(selection.first + selection.second, 0, end), QTextCursor::KeepAnchor);
    FMemo->setTextCursor(cursor);
}

void TXLMemo::resizeEvent(QResizeEvent* event)
{
    TXLEditor::resizeEvent(event);
    FMemo->setGeometry(rect());
}
