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
#include "sheet/TXLSizeList.h"
#include "sheet/XLEnums.h"
#include "sheet/XLTypes.h"

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
class TXLObject;
class TXLSection;
class TXLSheet;
class TXLStyler;

// Sender is the sheet (or, for the grid's own events, the grid).
using TRAVazoEvent = std::function<void(void* Sender, TPoint ACoord)>;
using TXLCellTextEvent = std::function<void(TXLSheet* Sender, TPoint ACoord, QString& AText)>;
using TXLVariableEvent = std::function<void(TXLSheet* Sender, const QString& AName, Variant& AResult)>;
using TXLFunctionEvent = std::function<void(TXLSheet* Sender, const QString& AName, const Variant* AParams,
                                            int ACount, Variant& AResult)>;
using TXLCellEnumProc = std::function<void(TXLCell* ACell, intptr_t AData, bool& Stop)>;
using TXLCoordEnumProc = std::function<void(TPoint ACoord, intptr_t AData, bool& Stop)>;

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
    // Recomputes the print layout from the settings and the manager's page
    // (the printing code fills this in).
    virtual void UpdatePrintLayout();

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

private:
    // The sections holding the body (or title) band of axis.
    std::array<TXLSector, 2> BandSections(TXLAxis axis, bool body) const;
    void SetBandCount(TXLAxis axis, bool body, int count);

    QString FName;
    QString FAuthor;
    QString FTitle;
    // [axis][0 = title, 1 = body]
    std::array<std::array<TXLSizeList, 2>, 2> FSizes;
    std::array<std::array<TXLSizeList, 2>, 2> FHidden;
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
};
