// TXLHintMemo: the floating note in which the user writes the comment of
// one cell. It is a multi-line edit on the body view (a Qt child of the
// view's viewport, so it scrolls with the cells) in the grid's font and the
// tooltip colours, with a 7-pixel hatched frame carrying eight handles:
// the corners resize diagonally, the middles of the sides resize one side,
// the rest of the frame moves the note. While it is shown the grid's
// callout is the note's bounds shrunk by 3, pointing at the cell's anchor.
// Esc or losing the focus closes it; Close stores the text as the cell's
// comment, tells the grid, hides the note and frees it later (deleteLater,
// so that a note may close from inside its own event handlers). The note
// remembers its cell by position in the view's section, never by pointer,
// so a cell that goes away meanwhile cannot leave it dangling; the grid
// closes its note before the sheet or the grid goes.
#pragma once

#include "grid/XLHintLayout.h"
#include "sheet/XLTypes.h"

#include <QPlainTextEdit>

class QMouseEvent;
class TRAVazo;
class TXLCell;
class TXLSection;
class TXLView;

class TXLHintMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    static constexpr int DefaultWidth = 185;
    // The indent the comment is measured with when the note opens.
    static constexpr int TextIndent = 14;
    // Resizing never makes the note smaller than this.
    static constexpr QSize MinSize{6 * XLHintFrame, 6 * XLHintFrame};

    // Opens on view (the body view) for the cell at pos, a position of the
    // view's section (the cell is made if none is stored there): placed
    // next to the cell with the comment as its text, shown and focused.
    TXLHintMemo(TXLView* view, TPoint pos);
    ~TXLHintMemo() override;

    // Stores the text as the cell's comment and closes; nothing once closed.
    void Close();
    // True until Close.
    bool IsBound() const { return FBound; }
    // Whether the note is bound to this cell.
    bool IsOn(const TXLCell* cell) const;
    TPoint GetPosition() const { return FPos; }
    // The point the callout ends at: one pixel inside the top-right corner
    // of the cell (its merged area included) where the view shows it now;
    // where it was when the view has no pixels for the cell.
    QPoint GetAnchor() const;
    // The text's lines as shown, every soft-wrapped line on its own.
    QStringList VisualLines() const;
    // The callout follows the note after it opened or was dragged, and the
    // cell after the sizes changed; the view repaints around it. Scrolling
    // moves note, anchor and callout together without it.
    void UpdateCallout();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void PaintFrame();
    // Presses, drags and hovers on the frame; false for the text area.
    bool FrameMouse(QMouseEvent* event);
    // The cell's pixel rectangle in the view (empty when it has none).
    QRect CellRect() const;

    TRAVazo* FGrid;
    TXLView* FView;
    TXLSection* FSection;
    TPoint FPos;
    bool FBound = true;
    // A drag on the frame: what was hit, where (global) and the bounds then.
    TXLHintHit FDrag = hhClient;
    QPoint FDragStart;
    QRect FDragBounds;
};
