// TXLMemo: the cell editor of text of several lines (text cells, and the
// items of pick-list cells one per line). The text field has no frame,
// fills the host, keeps Indent pixels from the side(s) its alignment leaves
// free, and wraps words when the cell's layout does. Enter leaves the cell
// as everywhere in the grid; Ctrl+Enter starts a new line. Saving writes
// the text back with the cell's own line breaks (CR LF unless the cell used
// others), so opening and leaving a cell changes nothing. The text field is
// a Qt child of the editor.
#pragma once

#include "grid/TXLEditor.h"

class QPlainTextEdit;
class TXLMemoText;

class TXLMemo : public TXLEditor {
    Q_OBJECT

public:
    explicit TXLMemo(TXLEdit* host);

    QPlainTextEdit* GetMemo() const;
    int GetIndent() const { return FIndent; }
    void SetIndent(int indent);
    // The text as the cell stores it.
    QString GetText() const;

    QWidget* WorkingControl() override;
    TXLLoadAnswer LoadCell(TXLCell& cell) override;
    void SaveCell(TXLCell& cell) override;
    void Layout(const TXLLayout& layout) override;
    bool PreviewKey(QKeyEvent* event) override;
    void SelectAllText() override;
    QPair<int, int> GetTextSelection() const override;
    void SetTextSelection(QPair<int, int> selection) override;
    bool AlignsItself() const override { return true; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyMargins();

    TXLMemoText* FMemo;
    int FIndent = 0;
    TAlignment FAlign = taLeftJustify;
    // How the loaded text broke its lines, and whether it ended with one.
    QString FLineBreak = QStringLiteral("\r\n");
    bool FEndsWithBreak = false;
};
