// The state of a grid's mouse drag ("altering"): which procedure a press
// would start (selecting cells or resizing a line), the phase it is in, and
// for a resize the line and its sizes. Between drags the phase is pScan and
// a procedure may be armed by the hover scan; a press moves to pInit, the
// first movement to pWork, the release or Esc to pDone or pCancel, after
// which the phase is pScan again. Sizes are in screen pixels at the grid's
// scale unless named unscaled. Owned by value by the grid; the view pointer
// is one of the grid's own views, valid while the grid lives.
#pragma once

#include "grid/XLGridTypes.h"
#include "sheet/XLTypes.h"

#include <QMimeData>
#include <QPoint>

#include <functional>

class TRAVazo;
class TXLView;

// The keyboard state of a mouse event and whether the press is the second
// of a double click.
struct TXLShift {
    Qt::KeyboardModifiers Keys;
    bool Double = false;
};

// An altering procedure of the grid: the view, the point in that view's
// client coordinates, the shift state.
using TXLAlteringProc = void (TRAVazo::*)(TXLView* view, TPoint point, TXLShift shift);

struct TXLAltering {
    // The armed procedure (none: a press starts nothing).
    TXLAlteringProc Proc = nullptr;
    TXLAlterPhase Phase = pScan;
    // Whether the phase before the present call was pWork (moved at all).
    bool WasWork = false;
    // The view of the drag and the last point it reported there.
    TXLView* View = nullptr;
    TPoint Point;

    // Resizing: the axis, the title or body band, the line's index within
    // the band, its pixel start in the view's content.
    TXLAxis Axis = sCols;
    bool Body = true;
    int Index = 0;
    int Start = 0;
    // Before the drag (scaled and unscaled), last shown, and proposed.
    int OldSize = 0;
    int OldValue = 0;
    int ShownSize = 0;
    int NewSize = 0;
    int NewValue = 0;
    // The body view's preview has been shown (the first movement reached
    // the minimum distance).
    bool Shown = false;
};

// Mouse and drag-and-drop events of the grid: the sender is the view, the
// point is in grid coordinates.
using TXLMouseEvent =
    std::function<void(void* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPoint At)>;
using TXLDragOverEvent = std::function<void(void* Sender, const QMimeData* Data, QPoint At, bool& Accept)>;
using TXLDragDropEvent = std::function<void(void* Sender, const QMimeData* Data, QPoint At)>;
