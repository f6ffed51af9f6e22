// TXLMaskEdit: the cell editor of one line of text with an edit mask. The
// mask is the cell's display format, the text the cell's display text; the
// field has no frame, its text is aligned by Align and kept Indent pixels
// from the side(s) the alignment leaves free, and the editor is as high as
// the text wrapped in its width (one line at least). While a mask is in
// force, Left at the first position and Right at the end leave the cell
// (the grid's keys) instead of stopping at the mask's edge. Delete always
// belongs to the field, before any shortcut of the window. Saving writes
// the text as a string. The number, popup and date editors build on it.
// The line edit is a Qt child of the editor.
#pragma once

#include "grid/TXLEditor.h"

#include "base/FormatSettings.h"

class QLineEdit;

// The input mask a line edit understands for an edit mask of the cell
// formats (base/MaskText.h): the position kinds are translated, the
// separators become the locale's, every literal is escaped, case
// directives are kept and the blank character carried over. Right-to-left
// filling ("!") has no counterpart and is dropped. "" for an empty mask.
QString XLQtInputMask(const QString& mask, const FormatSettings& settings);

class TXLMaskEdit : public TXLEditor {
    Q_OBJECT

public:
    explicit TXLMaskEdit(TXLEdit* host);

    QLineEdit* GetEdit() const { return FEdit; }

    TAlignment GetAlign() const { return FAlign; }
    void SetAlign(TAlignment align);
    int GetIndent() const { return FIndent; }
    void SetIndent(int indent);
    // The edit mask in force ("" none).
    const QString& GetEditMask() const { return FEditMask; }
    void SetEditMask(const QString& mask);
    bool IsMasked() const { return !FEditMask.isEmpty(); }
    // The text as the cell stores it: under a mask that does not save its
    // literals, only the characters typed into positions.
    QString GetText() const;
    void SetText(const QString& text);

    QWidget* WorkingControl() override;
    TXLLoadAnswer LoadCell(TXLCell& cell) override;
    void SaveCell(TXLCell& cell) override;
    void Layout(const TXLLayout& layout) override;
    void SelectAllText() override;
    QPair<int, int> GetTextSelection() const override;
    void SetTextSelection(QPair<int, int> selection) override;
    int PreferredHeight(int hostHeight) const override;

protected:
    // A key pressed in the field after the host had its say; true when
    // used. Here: the arrows leaving a masked field.
    virtual bool EditKeyPress(QKeyEvent* event);
    // The mask-edit load: mask and text from the cell, height updated.
    void LoadMasked(TXLCell& cell);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyMargins();
    // Asks the host to place the editor again when the text's height
    // changed.
    void FollowTextHeight();

    QLineEdit* FEdit;
    TAlignment FAlign = taLeftJustify;
    int FIndent = 0;
    QString FEditMask;
    int FLastHeight = -1;
};
