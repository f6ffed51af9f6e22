// TRAVazo: the grid control that shows one sheet as a spreadsheet: frozen
// title strips, a scrolling body, a current cell and selection, zoom. It is
// a container of four views (corner, column headings, row headings, body),
// keeps the sheet's column widths and row heights scaled to its zoom (four
// lists with cached line starts, shared by its views), lays the views out,
// and as a sheet user turns the sheet's notices into relayout and repaint.
// Mouse drags (selecting, resizing lines) run through one altering state.
// The sheet is not owned: attaching registers the grid as the sheet's user,
// and the grid detaches itself when another sheet is set, when it goes away
// or when the sheet disconnects it. The views are Qt children of the grid;
// the in-place edit host, once installed, is owned by the grid. Events are
// std::function members, called only when set.
#pragma once

#include "controls/GSTypes.h"
#include "grid/IXLEditHost.h"
#include "grid/TXLAltering.h"
#include "grid/TXLLineSizes.h"
#include "grid/XLGridTypes.h"
#include "sheet/IXLSheetUser.h"
#include "sheet/TXLSheet.h"

#include <QEvent>
#include <QMetaObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class QTimer;
class TXLHintMemo;
class TXLHintWindow;
class TXLProRange;
class TXLSelection;
class TXLView;

// The panel frame around the views.
enum TBevelCut : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

// The black callout line and shadow a view draws for an open comment or a
// cell hint: the note's rectangle and the anchor it points at, in the
// view's client coordinates.
struct TXLCallout {
    TXLView* View = nullptr;
    QRect Rect;
    QPoint Anchor;
};

class TRAVazo : public QWidget, public IXLSheetUser {
    Q_OBJECT

public:
    static constexpr TXLScale DefaultScale = 100;
    static constexpr TXLScale MinScale = 25;
    static constexpr TXLScale MaxWheelScale = 200;

    explicit TRAVazo(QWidget* parent = nullptr);
    ~TRAVazo() override;

    // Locks the views of a grid for a scope, also when it is left by an
    // exception.
    class TLockGuard {
    public:
        explicit TLockGuard(TRAVazo& grid) : FGrid(grid) { FGrid.LockUpdate(); }
        ~TLockGuard() { FGrid.UnlockUpdate(); }
        TLockGuard(const TLockGuard&) = delete;
        TLockGuard& operator=(const TLockGuard&) = delete;

    private:
        TRAVazo& FGrid;
    };

    // Properties -------------------------------------------------------------
    TXLSheet* GetSheet() const { return FSheet; }
    void SetSheet(TXLSheet* sheet);
    TXLScale GetScale() const { return FScale; }
    // At least 25; rebuilds the sizes and raises OnScaleChanged.
    void SetScale(TXLScale scale);
    TXLOptions GetOptions() const { return FOptions; }
    void SetOptions(TXLOptions options);
    bool HasOption(TXLOption option) const { return FOptions.Contains(option); }
    TXLScrolls GetScrolls() const { return FScrolls; }
    void SetScrolls(TXLScrolls scrolls);
    // EnterDir as set (dAuto: follow the last cursor movement).
    TXLDirection GetEnterDirProperty() const { return FEnterDir; }
    void SetEnterDir(TXLDirection dir) { FEnterDir = dir; }
    // Where Enter moves: EnterDir, or the automatic direction for dAuto.
    TXLDirection GetEnterDir() const { return FEnterDir == dAuto ? FAutoDir : FEnterDir; }
    TXLDirection GetAutoDir() const { return FAutoDir; }
    void SetAutoDir(TXLDirection dir) { FAutoDir = dir; }
    TRAVazo* GetHorzLink() const { return FHorzLink; }
    void SetHorzLink(TRAVazo* grid);
    TRAVazo* GetVertLink() const { return FVertLink; }
    void SetVertLink(TRAVazo* grid);
    // The grid's own colour: the frame, and the views without a sheet.
    TColor GetColor() const { return FColor; }
    void SetColor(TColor color);
    // Comment marks in the cells and the hint tooltips.
    bool GetShowHint() const { return FShowHint; }
    void SetShowHint(bool show);
    // The 3-D look: a sunken single border and the selection's ring.
    bool GetCtl3D() const { return FCtl3D; }
    void SetCtl3D(bool on);
    TBevelCut GetBevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut cut);
    TBevelCut GetBevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut cut);
    int GetBevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int width);
    int GetBorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int width);
    TBorderStyle GetBorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle style);
    // Design mode: every cell selectable and editable, marks shown.
    bool GetDesignMode() const { return FDesignMode; }
    void SetDesignMode(bool on);

    // Views, sizes, editing --------------------------------------------------
    TXLView* GetView(TXLSector sector) const { return FViews[sector]; }
    // The view that holds the current cell (and the edit host).
    TXLView* GetEditView() const { return FEditView; }
    void SetEditView(TXLView* view);
    // The scaled widths (sCols) or heights (sRows) of the title or body band.
    const TXLLineSizes& GetSizeList(TXLAxis axis, bool body) const { return FSizes[ListIndex(axis, body)]; }
    // The grid makes its own edit host (TXLEdit); tests may put another in.
    void SetEditHost(std::unique_ptr<IXLEditHost> host);
    IXLEditHost* GetEditHost() const { return FEditHost.get(); }
    bool GetEditing() const { return FEditHost && FEditHost->GetEditing(); }
    // emNone, or entering (typing replaces the content), or editing.
    TXLEditMode GetEditMode() const;
    void SetEditMode(TXLEditMode mode);
    // Closes the editor, saving its content into the cell.
    void EndEditing();
    // Closes the editor without saving.
    void CancelEditing();
    // Closes the editor with saving and opens it again (new size or font).
    void ReopenEditor();
    // An editor that wants clicks on cells may consume one (true).
    bool ClickCheck(TPoint cell, Qt::KeyboardModifiers modifiers);
    // Re-places the editor after the geometry moved.
    void RelocateEditor();
    // Raised by the edit host when editing starts, ends or changes mode.
    void EditModeChanged();

    // Operations -------------------------------------------------------------
    // The current cell of the edit view in sheet coordinates.
    TPoint GetCurPos() const;
    void SetCurPos(TPoint pos);
    int GetCurCol() const { return GetCurPos().X; }
    void SetCurCol(int col) { SetCurPos({col, GetCurRow()}); }
    int GetCurRow() const { return GetCurPos().Y; }
    void SetCurRow(int row) { SetCurPos({GetCurCol(), row}); }
    // A sheet cell's pixel rectangle in grid coordinates.
    bool CellToClient(TPoint cell, TRect& rect) const;
    // The sheet cell under a grid point.
    bool ClientToCell(TPoint point, TPoint& cell) const;
    // The sector whose strip holds a grid point and the view cell there.
    bool HitTest(TPoint point, TXLSector& sector, TPoint& cell) const;
    // The sheet cell under pixel (1, 1) of the body.
    TPoint GetTopLeft() const;
    int ToScaled(int value) const { return value * FScale / 100; }
    int ToOriginal(int value) const { return value * 100 / FScale; }
    void UpdateViews();
    void Activate();
    void Deactivate();
    bool IsActive() const;
    bool DrawCurrent() const { return FOptions.Contains(oDrawFocus); }
    // Raises OnChange.
    void Changed();
    // Enter and Tab: the current cell moves on in dir (dAuto: the enter
    // direction), the other way with reverse; inside the selection when a
    // range is selected.
    void SelectNext(TXLDirection dir, bool reverse);
    // True: everything is selected; false: every selection is reset.
    void SelectAll(bool on);
    // The edit view's selection as a range (none without a sheet); setting
    // selects the given range's bounds.
    TXLSelection* GetSelection() const;
    void SetSelection(const TXLProRange& range);
    // The wheel: Ctrl zooms, otherwise the body scrolls by lines. False when
    // the wheel is not handled (no sheet).
    bool DoWheel(Qt::KeyboardModifiers modifiers, int delta);
    // The body scrolled to offset: the linked grids follow.
    void ScrollLinked(const TXLSize& offset);
    // Lays the views out in the client area.
    void Realign();
    // The client area inside the border and the bevels.
    QRect InnerRect() const;
    const TXLCallout& GetCallout() const { return FCallout; }
    // Shows (view non-null) or removes the callout line and shadow.
    void SetCallout(TXLView* view, const QRect& rect, const QPoint& anchor);
    // The page ends of the print layout, per axis the line one past each
    // page; false when no print layout is known (no page-break lines).
    virtual bool GetPageBreaks(std::vector<int>& colBreaks, std::vector<int>& rowBreaks) const;

    // Cell hints and comments (TRAVazoHints.cpp) ----------------------------
    // Whether a comment note is open.
    bool GetEditHint() const;
    // Closes an open note (saving it); open: ends editing and opens a note
    // for the current cell of the body.
    void SetEditHint(bool open);
    TXLHintMemo* GetHintMemo() const;
    // The tooltip, made on first use.
    TXLHintWindow* GetHintWindow();
    // Hides a showing tooltip.
    void CancelHint();
    // Closes the note (saving it) and hides the tooltip.
    void CloseHints();
    // The point in the body view the last tooltip or note pointed at.
    QPoint GetHintAnchor() const { return FHintAnchor; }
    void SetHintAnchor(const QPoint& anchor) { FHintAnchor = anchor; }
    // A closing note: the grid forgets it and, when the note had the focus,
    // takes the focus back.
    void HintMemoClosed(TXLHintMemo* memo, bool hadFocus);

    // Called by the views.
    void CurrentChanged(TXLView* view);
    void SelectionChanged(TXLView* view);
    void ViewMouseDown(TXLView* view, Qt::KeyboardModifiers modifiers);

    // Mouse (TRAVazoMouse.cpp) ---------------------------------------------
    // Arms the drag a press at point (view client coordinates) would start
    // and gives the cursor for it.
    Qt::CursorShape ScanAlter(TXLView* view, TPoint point);
    // The drag state machine, driven by the views' mouse events and Esc.
    void Altering(TXLView* view, TXLAlterPhase phase, TXLShift shift, TPoint point);
    // A drag is in progress (pressed, perhaps moving).
    bool IsAltering() const { return FAlter.Phase == pInit || FAlter.Phase == pWork; }
    const TXLAltering& GetAltering() const { return FAlter; }
    // A column or row resize is armed or running.
    bool IsSizingArmed() const;
    // The auto-scroll timer's view (none while it is off) and one tick.
    TXLView* GetTimerView() const { return FTimerView; }
    void AutoScroll();
    // The views' Click, DblClick, mouse and drag-and-drop events, raised as
    // the grid's with the view as sender and the point in grid coordinates.
    void ViewClick(TXLView* view, bool doubleClick);
    void ViewMouse(TXLView* view, QEvent::Type type, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                   TPoint point);
    bool ViewDragOver(TXLView* view, const QMimeData* data, TPoint point);
    void ViewDragDrop(TXLView* view, const QMimeData* data, TPoint point);

    // IXLSheetUser -----------------------------------------------------------
    TXLSheet* GetActiveSheet() override { return FSheet; }
    void InvalidateArea(TXLSector sector, const TRect& rect, TXLInvalidate mode) override;
    void InvalidateSector(TXLSector sector) override;
    void InvalidateAll() override;
    void LayoutChanged() override;
    void SheetSizeChanged(TXLSectors sectors, bool countChanged) override;
    void SheetSizeModified(TXLAxis axis, bool body, int pos, int count) override;
    void CellSizeChanged(TXLAxis axis, bool body, int index) override;
    void AreaChanged(TXLSector sector, const std::optional<TRect>& rect) override;
    void Disconnect() override;
    void CloseEditor(TXLCell* cell) override;
    void ResetSelection(bool clear) override;
    void LockUpdate() override;
    void UnlockUpdate() override;

    // Events -----------------------------------------------------------------
    TRAVazoEvent OnColDblClick;
    TRAVazoEvent OnRowDblClick;
    TRAVazoEvent OnCellClick;
    TRAVazoEvent OnCellDblClick;
    TNotifyEvent OnSelChanged;
    TNotifyEvent OnCurChanged;
    TNotifyEvent OnSheetChanged;
    TNotifyEvent OnEditModeChanged;
    TNotifyEvent OnScaleChanged;
    TNotifyEvent OnChange;
    // The focus entered or left the grid (its editor included).
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    // The views' clicks and mouse events (sender: the view).
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TXLMouseEvent OnMouseDown;
    TXLMouseEvent OnMouseMove;
    TXLMouseEvent OnMouseUp;
    // Dragged data over a view (Accept starts false) and dropped on it.
    TXLDragOverEvent OnDragOver;
    TXLDragDropEvent OnDragDrop;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    static int ListIndex(TXLAxis axis, bool body) { return axis * 2 + (body ? 1 : 0); }
    // The two views that show a list (body or title band of axis).
    std::array<TXLView*, 2> ViewsOf(TXLAxis axis, bool body) const;
    void PrepareSheetData();
    // Scaled sizes from the sheet for the axes (empty: both).
    void RebuildSizes(TXLAxes axes);
    void FocusChanged(QWidget* old, QWidget* now);
    void Notify(const TNotifyEvent& event) { if (event) event(this); }
    // Keys of the grid itself (not of an open editor).
    void KeyDown(QKeyEvent* event);
    // A typed character starts editing the current cell when it can be
    // edited; true when the editor took the key.
    bool StartEditingWith(QKeyEvent* event);
    // When the grid takes the focus without a visible current cell, the
    // first selectable cell becomes current.
    void ShowCurrent();
    // Shows a new scaled size of one line in the views that use its list.
    void ShowLineSize(TXLAxis axis, bool body, int index, int size);
    // The altering procedures.
    void XLSelecting(TXLView* view, TPoint point, TXLShift shift);
    void XLSizing(TXLView* view, TPoint point, TXLShift shift);
    // The size a resize drag proposes for a pointer at point of view.
    void ProposeSize(TXLView* view, TPoint point);
    // Stores the dragged size in the sheet (and, with Alt, for the view's
    // selected lines).
    void StoreSize(TXLView* view, TXLShift shift);
    // Starts the auto-scroll timer on view, or stops it (none).
    void SetTimer(TXLView* view);
    // Repaints the area a callout covers: the line to its anchor and the
    // note's shadow.
    void InvalidateCallout();
    // At destruction: closes the note and deletes the tooltip while the
    // views still exist.
    void DoneHints();

    TXLSheet* FSheet = nullptr;
    std::array<TXLView*, 4> FViews{};
    std::array<TXLLineSizes, 4> FSizes;
    TXLView* FEditView = nullptr;
    std::unique_ptr<IXLEditHost> FEditHost;
    TXLScale FScale = DefaultScale;
    TXLOptions FOptions = XLDefaultOptions;
    TXLScrolls FScrolls = XLDefaultScrolls;
    TXLDirection FEnterDir = dAuto;
    TXLDirection FAutoDir = dDown;
    TRAVazo* FHorzLink = nullptr;
    TRAVazo* FVertLink = nullptr;
    // Set while this grid passes its offset to its linked grids.
    bool FLinking = false;
    TColor FColor;
    bool FShowHint = false;
    bool FCtl3D = true;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvLowered;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
    bool FDesignMode = false;
    bool FDestroying = false;
    TXLCallout FCallout;
    // The open comment note (a Qt child of the body's viewport) and the
    // tooltip (a Qt child of the grid, deleted before the views).
    QPointer<TXLHintMemo> FHintMemo;
    TXLHintWindow* FHintWindow = nullptr;
    QPoint FHintAnchor;
    QMetaObject::Connection FFocusConnection;
    // Whether the focus widget of the application is the grid or inside it.
    bool FFocusInside = false;
    TXLAltering FAlter;
    // The 40 ms auto-scroll timer (a Qt child, made on first use) and the
    // view it scrolls for.
    QTimer* FScrollTimer = nullptr;
    TXLView* FTimerView = nullptr;
};
