// TXLView: one of the four child windows of a grid, showing one section of
// the sheet (the corner, the column or row headings, or the body). It owns
// its geometry (offset, extent, client size over the grid's scaled size
// lists), converts between pixels and cells, scrolls (the body view carries
// the scroll bars; the strips follow it through their partners), repaints
// what changed, and paints its section in one paint event with fixed passes.
// It keeps the view's current cell, cursor point and selection area, and
// passes its mouse events to the grid's drag machine and events. The
// grid owns the views as Qt children; a view's section belongs to the
// sheet and is none while the grid shows no sheet.
#pragma once

#include "grid/TXLGeometry.h"
#include "grid/XLGridTypes.h"
#include "grid/XLNavigation.h"
#include "sheet/XLTypes.h"

#include <QAbstractScrollArea>
#include <QRegion>

#include <memory>
#include <vector>

class QHelpEvent;
class QPainter;
class TRAVazo;
class TXLPicture;
class TXLSection;
class TXLSelection;
struct TXLPaintStruct;

class TXLView : public QAbstractScrollArea {
    Q_OBJECT

public:
    // Transparency of the selection highlight over the cells (0..255).
    static constexpr int SelectionAlpha = 96;

    TXLView(TRAVazo* grid, TXLSector sector);
    ~TXLView() override;

    TRAVazo* GetGrid() const { return FGrid; }
    TXLSector GetSector() const { return FSector; }
    TXLSection* GetSection() const { return FSection; }
    void SetSection(TXLSection* section);
    TColor GetColor() const { return FColor; }
    void SetColor(TColor color);
    // The views whose offsets follow this one's x (horz) and y (vert).
    void SetPartners(TXLView* horz, TXLView* vert);
    void SetLines(const TXLLineSizes* widths, const TXLLineSizes* heights);
    // The geometry with the client size as the window has it now.
    const TXLGeometry& Geometry() const;
    // True when the grid's edit host sits on this view.
    bool GetEditable() const;
    // The sheet's background picture, for the body view when it has one.
    const TXLPicture* HasBackground() const;

    // Pixels and cells -------------------------------------------------------
    // The cell at a client point, redirected to its merged area's top-left.
    bool ClientToCell(TPoint client, bool allowOutside, TPoint& cell) const;
    bool CalcView(const TRect& pixels, TRect& area) const;
    bool CalcRect(const TRect& area, TXLCalcMode mode, TRect& rect) const;
    TPoint CropPoint(TPoint p) const { return Geometry().CropPoint(p); }
    bool CropArea(TRect& area) const { return Geometry().CropArea(area); }
    // The top-left cell of the merged area holding p, cropped.
    TPoint Redirect(TPoint p) const;
    // The area grown until it holds every merged area it touches.
    TRect ExpandArea(TRect area) const;
    // A position of this view in sheet coordinates.
    TPoint MapToClient(TPoint p) const;
    TXLSize GetClientSize() const;
    TXLHitResult HitResult(TPoint client, TPoint& cell) const;

    // Scrolling --------------------------------------------------------------
    const TXLSize& GetOffset() const { return FGeometry.Offset(); }
    const TXLSize& GetExtent() const { return FGeometry.Extent(); }
    void SetOffset(const TXLSize& offset) { SetOffsetXY(offset.x, offset.y); }
    void SetOffsetXY(int x, int y);
    // Passes the offset to the partners (and, from the body, to linked grids).
    void SendOffset();
    // Clamps wanted and sets it when it differs from the offset; true then.
    bool AdjustOffset(const TXLSize& wanted);
    void MakeVisible(const TRect& area);
    void SetSize(const TXLSize& extent);
    // The offset a scroll code leads to on axis (pos: thumb position in
    // scroll-bar units).
    int ProcessScroll(TXLAxis axis, TXLScrollCode code, int pos) const;
    // Scrolls by one scroll code on axis, the other axis unchanged.
    void ScrollBy(TXLAxis axis, TXLScrollCode code);
    // Body view only: ranges, pages and positions of the scroll bars.
    void AdjustScrollBars(bool reclamp);
    int GetScrollFactor(TXLAxis axis) const { return FFactor[axis]; }
    // Line index on axis, starting at pixel start, changed size from
    // oldSize to newSize: shift the content after it.
    void AdjustSizeChange(TXLAxis axis, int index, int start, int newSize, int oldSize);
    // The body's scroll bars follow the grid's Scrolls.
    void ApplyScrolls();

    // Repainting -------------------------------------------------------------
    void InvalidateArea(const TRect& area, bool expand, TXLInvalidate mode);
    // Repaints the strip cells whose highlight differs between two body
    // selections (widened across the strip).
    void InvalidateXOR(const TRect& newArea, const TRect& oldArea);
    // The whole view, or only marked while locked.
    void Invalidate();
    void LockUpdate();
    void UnlockUpdate();
    bool IsLocked() const { return FLockCount > 0; }

    // Current cell and selection ---------------------------------------------
    TPoint GetCurrent() const { return FCurrent; }
    TPoint GetCursor() const { return FCursor; }
    const TRect& GetSelArea() const { return FSelArea; }
    // The selection as a range for formatting code.
    TXLSelection* GetSelection() const { return FSelection.get(); }
    // The body copies its current column (row) into the column (row) strip.
    void SetCurrentLine(TXLAxis axis, int index);
    void SetCursor(TPoint p) { FCursor = p; }
    bool CanSelect(TPoint p) const;
    // Whether the cell at p may be opened in an editor.
    bool CanEdit(TPoint p) const;
    void MoveCurrent(TPoint p, bool collapse, bool makeVisible);
    void SetCurrent(TPoint p) { MoveCurrent(p, true, false); }
    // Shows area as the selection (grown over merged areas and cropped) and
    // passes it on between the body and the strips; oldCurrent is the
    // current cell the old display was made with, origin the view the
    // selection started from (none: this one).
    void Select(const TRect& area, TPoint oldCurrent, TXLView* origin = nullptr);
    void ResetSelection();
    // True when more than the current cell's area is selected.
    bool IsRangeSelected() const;
    // The next selectable position from pos in dir: within the selection
    // when inSelection and a range is selected (wrapping), else within the
    // whole view (wrapping with oWrapKeys).
    bool FindNext(TPoint& pos, TXLDirection dir, bool inSelection) const;
    // What keyboard navigation sees of this view's cells.
    TXLNavCells NavCells() const;

    // Keys ---------------------------------------------------------------------
    // A key reaching the view (from the grid or from the editor); true when
    // the view used it.
    bool KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // A character: Enter moves on, Esc drops the editor, anything else is
    // offered to the cell at the current position.
    void KeyPress(QChar key, Qt::KeyboardModifiers modifiers);
    // Shift+key: extends the selection from the current cell.
    void ProcessSelect(int key);
    // The selection re-read after merged areas or counts changed.
    void ReloadSelection();

    // Mouse (TXLViewMouse.cpp) -----------------------------------------------
    // A click on a cell at p of this view's section: the cell object's own
    // Click, then the grid's and the sheet's OnCellClick.
    void CellClick(TPoint p);
    void CellDblClick(TPoint p);
    // The pointer moved to a client point (also the auto-scroll's move).
    void MouseMove(TPoint at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    // The dotted, inverted mark of a line being resized in the body (an
    // empty rectangle: none).
    void SetSizingLine(const QRect& rect);
    const QRect& GetSizingLine() const { return FSizingLine; }

    // Painting ---------------------------------------------------------------
    // What the selection covers on screen: the area without the current
    // cell, in the edit view a ring around the area when the grid is 3-D.
    QRegion CreateSelectionRgn(const TRect& area, TPoint current) const;
    void SelectionChanged(const TRect& newArea, TPoint oldCurrent);
    // A strip's frame at a position: raised deep for the titles of the
    // body's selection (the title-highlight area of the paint in progress).
    TXLFrame GetTitleFrame(int col, int row) const;
    // Page-break lines: breaks hold, per axis, the line one past each page.
    void PaintLayout(QPainter& painter, const std::vector<int>& colBreaks, const std::vector<int>& rowBreaks,
                     const QRect& paintRect) const;

    // Hints (TXLViewHints.cpp) -------------------------------------------------
    // The hint text follows the cell under the mouse; a change cancels a
    // showing tooltip.
    void TrackHint(QPoint client);
    // The hint text of the cell under the mouse as last tracked.
    const QString& GetHintText() const { return FHintText; }
    // The hint of the cell at a client point ("" where hints are off), and
    // that cell.
    QString HintAt(QPoint client, TPoint* cell = nullptr) const;

protected:
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // The content moves through SetOffsetXY only.
    void scrollContentsBy(int dx, int dy) override;

private:
    // Mouse tracking (for the cursor over borders) and drops.
    void InitMouse();
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint at, bool doubleClick);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, TPoint at);
    void PaintSizingLine(QPainter& painter) const;
    void Paint(const QRegion& region);
    void PaintGround(TXLPaintStruct& paint);
    void PaintCallout(QPainter& painter) const;
    void ScrollBarAction(TXLAxis axis, int action);
    void ScrollBarValue(TXLAxis axis, int value);
    // The body's selection widened across this strip.
    TRect TitleArea(const TRect& bodyArea) const;
    // Passes a new selection on between the body and the strips.
    void PropagateSelection(TXLView* origin);
    // Scrolls before a key moves the cursor.
    void KeyScroll(TXLKeyScroll scroll);
    QColor ViewColor() const;
    // A tooltip is asked for: true when the view answered it.
    bool HintShow(const QHelpEvent& event);

    TRAVazo* FGrid;
    TXLSector FSector;
    TXLSection* FSection = nullptr;
    TColor FColor;
    TXLView* FHorzPartner = nullptr;
    TXLView* FVertPartner = nullptr;
    mutable TXLGeometry FGeometry;
    int FFactor[2] = {1, 1};
    int FLockCount = 0;
    bool FPending = false;
    // Set while the scroll bars are being set from the offset.
    bool FAdjusting = false;
    // Wheel movement short of a whole notch.
    int FWheelRest = 0;
    TPoint FCurrent;
    TPoint FCursor;
    TRect FSelArea;
    std::unique_ptr<TXLSelection> FSelection;
    // The strip's titles shown raised: the body's selection across the strip.
    TRect FTitleArea;
    QRect FSizingLine;
    // A left press happened here and its release raises Click.
    bool FClicked = false;
    QString FHintText;
};
