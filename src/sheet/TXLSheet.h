// TXLSheet: one table of the sheet engine: its cells (in four sections, one
// per sector), the sizes of its columns and rows, its merged areas and
// position formatting (in the sections), its two base styles and its print
// settings. Positions are (column, row) in sheet coordinates: the body
// counts from 0, the title band is negative (-1 is next to the body). The
// sheet never draws: it tells its users (IXLSheetUser, the grids showing
// it) what changed, coalescing repaints between BeginUpdate and EndUpdate.
// It owns its sections, base styles and size lists; its users and its
// styler are references that the side going away clears. Every sheet
// registers with the process-wide manager while it lives.
#pragma once

#include "base/Variant.h"
#include "sheet/TXLCellClass.h"
#include "sheet/TXLPicture.h"
#include "sheet/TXLSizeList.h"
#include "sheet/XLEnums.h"
#include "sheet/XLTypes.h"

#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class IXLSheetUser;
class TXLBaseStyle;
class TXLCell;
class TXLFont;
class TXLObject;
class TXLSection;
class TXLSheet;
class QPainter;
struct TXLPrintLayout;
class TXLStyler;

// Sender is the sheet (or, for the grid's own events, the grid).
using TRAVazoEvent = std::function<void(void* Sender, TPoint ACoord)>;
using TXLCellTextEvent = std::function<void(TXLSheet* Sender, TPoint ACoord, QString& AText)>;
using TXLVariableEvent = std::function<void(TXLSheet* Sender, const QString& AName, Variant& AResult)>;
using TXLFunctionEvent = std::function<void(TXLSheet* Sender, const QString& AName, const Variant* AParams,
                                            int ACount, Variant& AResult)>;
using TXLCellEnumProc = std::function<void(TXLCell* ACell, intptr_t AData, bool& Stop)>;
using TXLCoordEnumProc = std::function<void(TPoint ACoord, intptr_t AData, bool& Stop)>;
// AIndex is the body index, or the (negative) sheet coordinate of a title
// column or row; the handler may change AValue before it is stored.
using TXLSizingEvent = std::function<void(void* Sender, TXLAxis AAxis, int AIndex, int& AValue)>;

class TXLSheet {
public:
    // Empty, 5 x 5 body positions, one title column and one title row.
    TXLSheet();
    virtual ~TXLSheet();
    TXLSheet(const TXLSheet&) = delete;
    TXLSheet& operator=(const TXLSheet&) = delete;

    const QString& GetName() const { return FName; }
    void SetName(const QString& name) { FName = name; }
    QString GetNamePath() const { return FName; }

    // Cells ---------------------------------------------------------------
    // The cell there, made (with the sector base style's class) when there
    // is none; a position inside a merged area means its top-left cell.
    TXLCell* GetCell(int ACol, int ARow);
    // The same without making one; null also outside the store.
    TXLCell* GetPeekCell(int ACol, int ARow) const;
    // Null destroys the cell object there; otherwise the position takes
    // ACell's class and the cell copies ACell.
    void SetCell(int ACol, int ARow, TXLCell* ACell);
    const TXLCellClass* GetCellClass(int ACol, int ARow) const;
    void SetCellClass(int ACol, int ARow, const TXLCellClass* AClass);
    TXLSection* GetSection(TXLSector sector) const { return FSections[sector].get(); }
    // The sector of a sheet position and the position inside it.
    TXLSector MapToSector(int ACol, int ARow, TPoint& APoint) const;

    // Values: getters give the empty value where there is no cell; setters
    // make the cell and use its class's conversion.
    Variant GetValue(int ACol, int ARow) const;
    void SetValue(int ACol, int ARow, const Variant& AValue);
    QString GetString(int ACol, int ARow) const;
    void SetString(int ACol, int ARow, const QString& AValue);
    double GetFloat(int ACol, int ARow) const;
    void SetFloat(int ACol, int ARow, double AValue);
    int32_t GetInteger(int ACol, int ARow) const;
    void SetInteger(int ACol, int ARow, int32_t AValue);
    bool GetBoolean(int ACol, int ARow) const;
    void SetBoolean(int ACol, int ARow, bool AValue);
    int64_t GetCurrency(int ACol, int ARow) const;
    void SetCurrency(int ACol, int ARow, int64_t AValue);
    double GetDateTime(int ACol, int ARow) const;
    void SetDateTime(int ACol, int ARow, double AValue);
    TXLObject* GetObject(int ACol, int ARow) const;
    void SetObject(int ACol, int ARow, const TXLObject* AValue);

    // Counts and sizes ----------------------------------------------------
    // Body count (ColCount, RowCount) and title count (TitleCols, TitleRows).
    int GetSheetSize(TXLAxis axis) const { return FSizes[axis][1].Count(); }
    void SetSheetSize(TXLAxis axis, int count);
    int GetTitleSize(TXLAxis axis) const { return FSizes[axis][0].Count(); }
    void SetTitleSize(TXLAxis axis, int count);
    int GetColCount() const { return GetSheetSize(sCols); }
    void SetColCount(int count) { SetSheetSize(sCols, count); }
    int GetRowCount() const { return GetSheetSize(sRows); }
    void SetRowCount(int count) { SetSheetSize(sRows, count); }
    int GetTitleCols() const { return GetTitleSize(sCols); }
    void SetTitleCols(int count) { SetTitleSize(sCols, count); }
    int GetTitleRows() const { return GetTitleSize(sRows); }
    void SetTitleRows(int count) { SetTitleSize(sRows, count); }
    // Default size per axis (ColDefWidth, RowDefHeight): the body band's.
    int GetDefCellSize(TXLAxis axis) const { return FSizes[axis][1].Zero(); }
    // For the title band, then the body band: a band whose default differs
    // or that holds individual sizes takes the default and drops them.
    void SetDefCellSize(TXLAxis axis, int size);
    // The size lists of a band (body or title) and their hidden-size lists.
    TXLSizeList& GetSizeList(TXLAxis axis, bool body) { return FSizes[axis][body ? 1 : 0]; }
    TXLSizeList& GetHiddenList(TXLAxis axis, bool body) { return FHidden[axis][body ? 1 : 0]; }
    int GetColDefWidth() const { return GetDefCellSize(sCols); }
    void SetColDefWidth(int size) { SetDefCellSize(sCols, size); }
    int GetRowDefHeight() const { return GetDefCellSize(sRows); }
    void SetRowDefHeight(int size) { SetDefCellSize(sRows, size); }
    // Upper bound per axis (ColMaxWidth, RowMaxHeight); 0 or less: none.
    int GetMaxCellSize(TXLAxis axis) const { return FMaxSizes[axis]; }
    // Lowers the default or every larger size to a new positive bound.
    void SetMaxCellSize(TXLAxis axis, int size);
    int GetColMaxWidth() const { return GetMaxCellSize(sCols); }
    void SetColMaxWidth(int size) { SetMaxCellSize(sCols, size); }
    int GetRowMaxHeight() const { return GetMaxCellSize(sRows); }
    void SetRowMaxHeight(int size) { SetMaxCellSize(sRows, size); }
    // Sizes by sheet coordinate on axis (negative: the title band). Setters
    // ignore an index outside its band; getters give the band's default
    // there (0 for the hidden-size list).
    //
    // The effective size: the visible one, or the remembered one of a hidden
    // entry. Setting -1 fits to the content, 0 stores 1; a hidden entry only
    // has its remembered size replaced.
    int GetCellSize(int index, TXLAxis axis) const;
    void SetCellSize(int index, TXLAxis axis, int size);
    // The visible size only (0 while hidden); setting goes through Sizing
    // and tells the users.
    int GetIntCellSize(int index, TXLAxis axis) const;
    void SetIntCellSize(int index, TXLAxis axis, int size);
    // The remembered size of a hidden entry (0 for a visible one); setting
    // tells nobody.
    int GetInvCellSize(int index, TXLAxis axis) const;
    void SetInvCellSize(int index, TXLAxis axis, int size);
    bool GetCellVisible(int index, TXLAxis axis) const;
    // Hiding remembers the visible size and shows 0; showing restores it.
    void SetCellVisible(int index, TXLAxis axis, bool visible);
    // The width or height fitted to the content of a column or row
    // (ColDefWidth / RowDefHeight when nothing there asks for a size).
    int CalcColWidth(int col);
    int CalcRowHeight(int row);
    // The largest recommended width and height of the existing cells of a
    // sheet rectangle, measured with font (cells without their own font).
    // For widths (axis sCols) cells anchoring areas wider than one column
    // and cells in hidden rows are left out; for heights likewise.
    QSize CheckRectSize(const TRect& rect, TXLFont& font, TXLAxis axis);
    // The hook and the maximum applied to a proposed visible size (index is
    // the band index).
    void Sizing(TXLAxis axis, bool body, int index, int& size);

    // The picture behind the body; any change repaints the body in every user.
    const TXLPicture& GetBackground() const { return FBackground; }
    TXLPicture& GetBackground() { return FBackground; }
    // Copies picture.
    void SetBackground(const TXLPicture& picture) { FBackground.Assign(picture); }

    // Structure and traversal --------------------------------------------
    // Inserts (ACount > 0) or deletes (ACount < 0) columns or rows at a
    // sheet position.
    void Modify(TXLAxis axis, int APos, int ACount);
    void ModifyCols(int APos, int ACount) { Modify(sCols, APos, ACount); }
    void ModifyRows(int APos, int ACount) { Modify(sRows, APos, ACount); }
    // (-TitleCols, -TitleRows, ColCount, RowCount).
    TRect GetExtents() const;
    // Calls AProc for the cells of a sheet rectangle (sector by sector, rows
    // top to bottom, columns left to right; covered positions skipped; with
    // ACreate every position gets a cell). Returns the number of calls.
    int EnumCells(const TRect& ARect, bool ACreate, const TXLCellEnumProc& AProc, intptr_t AData = 0);
    // Calls AProc for the positions of a sheet rectangle, rows outside,
    // columns inside, in the given directions; covered positions skipped.
    int EnumCoords(const TRect& ARect, const TXLCoordEnumProc& AProc, intptr_t AData = 0, bool AColsForward = true,
                   bool ARowsForward = true);
    // Empties the sheet: sizes, cells, formatting, hints, merged areas.
    void Zap();

    // Users and notification ---------------------------------------------
    void AddUser(IXLSheetUser* user);
    void RemoveUser(IXLSheetUser* user);
    int GetUserCount() const { return static_cast<int>(FUsers.size()); }
    IXLSheetUser* GetUser(int i) const;
    void BeginUpdate();
    void EndUpdate();
    int GetUpdateCount() const { return FUpdateCount; }
    // While updating these only remember that a repaint is due.
    void InvalidateArea(TXLSector sector, const TRect& rect, TXLInvalidate mode);
    void InvalidateSector(TXLSector sector);
    void AreaChanged(TXLSector sector, const std::optional<TRect>& rect);
    // One column width or row height changed; sender (a user) is skipped.
    void CellChanged(IXLSheetUser* sender, TXLAxis axis, bool body, int index);
    void SizeChanged(TXLSectors sectors, bool countChanged);
    void CloseEditor(TXLCell* cell);
    // Merged areas changed: every user re-expands its selection.
    void ReloadSelection(TXLSector sector);
    // A band shrank to newCount: its sections drop or clip their areas.
    void UpdateUnions(TXLAxis axis, bool body, int newCount);

    bool GetModified() const { return FModified; }
    void SetModified(bool value);

    // The OnCellChanged bracket: runs the handler at a sheet position with
    // the re-entry guard set (cleared also when the handler raises).
    bool GetInCellChanged() const { return FInCellChanged; }
    void RunCellChanged(TPoint coord);

    // Styles --------------------------------------------------------------
    TXLStyler* GetStyler() const { return FStyler; }
    // Switches the shared style collection; cells keep styles of the same
    // alias when both stylers exist.
    void SetStyler(TXLStyler* styler);
    // Fires OnStylerChanged.
    void StylerChanged();
    // 0 = BaseClientStyle, 1 = BaseTitleStyle.
    TXLBaseStyle* GetBaseStyle(int i) const;
    // Copies style into the existing base style.
    void SetBaseStyle(int i, TXLBaseStyle* style);
    TXLBaseStyle* GetBaseClientStyle() const { return FBaseClientStyle.get(); }
    TXLBaseStyle* GetBaseTitleStyle() const { return FBaseTitleStyle.get(); }
    // True while the sheet is being read (style references are then taken
    // as read, not carried over).
    bool GetLoading() const { return FLoading; }
    void SetLoading(bool loading) { FLoading = loading; }

    // Formulas ------------------------------------------------------------
    // A cell name ("B2") that nothing else resolved: the body cell's value
    // when it lies inside the counts, else AValue stays.
    virtual void DefVariable(const QString& AName, Variant& AValue);
    virtual void DefFunction(const QString& AName, const Variant* AParams, int ACount, Variant& AResult);
    // Evaluates a formula text in this sheet (TXLCalculator). ACell is the
    // formula cell being computed, or null; reaching a cell that is already
    // being computed raises EXLCircular "Circular Reference".
    Variant CalcExpression(const QString& AText, TXLCell* ACell = nullptr, bool ASyntaxOnly = false);
    // Recomputes every formula cell once: all are marked pending, then each
    // one still pending is calculated in enumeration order (a formula that
    // reads a pending cell calculates that cell first).
    void Recalculate();
    // The per-cell step of Recalculate (a TXLCellEnumProc).
    void RecalculateCell(TXLCell* ACell, intptr_t AData, bool& Stop);
    // The nesting depth of all evaluations running on this sheet: brackets,
    // operators and formula cells that read each other draw on one budget
    // (TXLCalculator::MaxNesting), so no text and no chain of cells can
    // exhaust the stack.
    int& FormulaNesting() { return FFormulaNesting; }

    // Print settings ------------------------------------------------------
    // Margins indexed 0..3 (left, top, right, bottom); negative becomes 0.
    int GetPrintMargin(int i) const { return FPrintMargins[static_cast<size_t>(i & 3)]; }
    void SetPrintMargin(int i, int value);
    int GetPrintMarginLeft() const { return GetPrintMargin(0); }
    void SetPrintMarginLeft(int value) { SetPrintMargin(0, value); }
    int GetPrintMarginTop() const { return GetPrintMargin(1); }
    void SetPrintMarginTop(int value) { SetPrintMargin(1, value); }
    int GetPrintMarginRight() const { return GetPrintMargin(2); }
    void SetPrintMarginRight(int value) { SetPrintMargin(2, value); }
    int GetPrintMarginBottom() const { return GetPrintMargin(3); }
    void SetPrintMarginBottom(int value) { SetPrintMargin(3, value); }
    TXLPrintMode GetPrintMode() const { return FPrintMode; }
    void SetPrintMode(TXLPrintMode mode);
    TXLScale GetPrintScale() const { return FPrintScale; }
    void SetPrintScale(TXLScale scale);
    bool GetPrintHidden() const { return FPrintHidden; }
    void SetPrintHidden(bool value);
    TXLAxes GetPrintTitles() const { return FPrintTitles; }
    void SetPrintTitles(TXLAxes value);
    bool GetPrintGridLines() const { return FPrintGridLines; }
    void SetPrintGridLines(bool value);
    TRect GetPrintArea() const { return FPrintArea; }
    void ResetPrintArea() { FPrintArea = {}; }
    // Sheet coordinates, exclusive right and bottom; empty: the whole sheet.
    void SetPrintArea(const TRect& area) { FPrintArea = area; }
    // What printing a range replaces for its duration, set directly
    // without recomputing the layout.
    struct TPrintJobSettings {
        TRect Area;
        TXLAxes Titles;
        TXLPrintMode Mode = pmNormal;
        TXLScale Scale = 100;
        QString Title;
    };
    TPrintJobSettings GetPrintJobSettings() const
    {
        return {FPrintArea, FPrintTitles, FPrintMode, FPrintScale, FTitle};
    }
    void SetPrintJobSettings(const TPrintJobSettings& settings)
    {
        FPrintArea = settings.Area;
        FPrintTitles = settings.Titles;
        FPrintMode = settings.Mode;
        FPrintScale = settings.Scale;
        FTitle = settings.Title;
    }
    // Recomputes the printable rectangle and tells the grids showing the
    // sheet (their page-break lines move).
    virtual void UpdatePrintLayout();
    // The printable rectangle from the manager's page and the margins, in
    // screen pixels; notify: every user gets LayoutChanged.
    void UpdatePrinter(bool notify);
    TRect GetPrintRect() const { return FPrintRect; }
    // The pages of the sheet as printed now.
    void CalcPrintLayout(TXLPrintLayout& layout) const;
    void CalcPrintLayout(std::vector<int>& colBreaks, std::vector<int>& rowBreaks) const;
    int GetPrintPageCount() const;
    // All pages to the printer.
    void Print() { PrintPages(0, -1); }
    // Pages first..last (1-based, last -1: to the end) to the printer.
    void PrintPages(int first, int last) { DoPrintPages(first, last, nullptr); }
    // One page onto canvas (printer dots); no canvas is an error.
    void PaintPrintPage(int page, QPainter* canvas);
    // Pages first..last onto canvas, or to the printer as one document
    // titled with Title when canvas is null.
    void DoPrintPages(int first, int last, QPainter* canvas);

    // Plain properties ----------------------------------------------------
    const QString& GetAuthor() const { return FAuthor; }
    void SetAuthor(const QString& value);
    const QString& GetTitle() const { return FTitle; }
    void SetTitle(const QString& value);
    bool GetReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }

    TNotifyEvent OnModified;
    TRAVazoEvent OnCellClick;
    TRAVazoEvent OnCellDblClick;
    TNotifyEvent OnStylerChanged;
    TXLCellTextEvent OnGetCellHint;
    TXLCellTextEvent OnSetCellHint;
    TRAVazoEvent OnCellChanged;
    TXLVariableEvent OnVariable;
    TXLFunctionEvent OnFunction;
    TXLSizingEvent OnSizing;

private:
    // The sections holding the body (or title) band of axis.
    std::array<TXLSector, 2> BandSections(TXLAxis axis, bool body) const;
    void SetBandCount(TXLAxis axis, bool body, int count);
    // The band of a sheet coordinate on axis and the index inside it; false
    // when the index lies outside that band.
    bool ToBand(int index, TXLAxis axis, bool& body, int& bandIndex) const;
    // The fitted size of the column (sCols) or row (sRows) at index.
    int CalcCellSize(int index, TXLAxis axis);
    void BackgroundChanged();

    QString FName;
    QString FAuthor;
    QString FTitle;
    // [axis][0 = title, 1 = body]
    std::array<std::array<TXLSizeList, 2>, 2> FSizes;
    std::array<std::array<TXLSizeList, 2>, 2> FHidden;
    std::array<int, 2> FMaxSizes{};
    TXLPicture FBackground;
    std::vector<IXLSheetUser*> FUsers;
    std::array<std::unique_ptr<TXLSection>, 4> FSections;
    std::unique_ptr<TXLBaseStyle> FBaseClientStyle;
    std::unique_ptr<TXLBaseStyle> FBaseTitleStyle;
    TXLStyler* FStyler = nullptr;
    int FUpdateCount = 0;
    bool FInvalidatePending = false;
    bool FInCellChanged = false;
    bool FModified = false;
    bool FDestroying = false;
    bool FLoading = false;
    bool FReadOnly = false;
    std::array<int, 4> FPrintMargins{};
    TXLPrintMode FPrintMode = pmNormal;
    TXLScale FPrintScale = 100;
    bool FPrintHidden = false;
    TXLAxes FPrintTitles;
    bool FPrintGridLines = false;
    TRect FPrintArea;
    TRect FPrintRect;
    // The formula cells under evaluation, innermost last (identity only).
    std::vector<TXLCell*> FEvaluating;
    int FFormulaNesting = 0;
};
