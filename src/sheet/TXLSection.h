// TXLSection: the cell store of one sector of a sheet. It owns the rows (a
// sparse list by sector row, each row made on first use and owning its
// cells), the merged areas (in order of addition), the hints of its cells,
// and the eight position-info lists that hold the formatting of positions
// (borders, colour, frame, styles, layout), which outlives cell objects.
// All coordinates are sector coordinates (0-based). The base style (one of
// the sheet's two) supplies the cell class of new cells and the defaults of
// the position-info lists. Owned by its sheet.
#pragma once

#include "sheet/TListSList.h"
#include "sheet/TXLCellClass.h"
#include "sheet/TXLInfoList.h"
#include "sheet/TXLRow.h"
#include "sheet/TXLUnionIndex.h"
#include "sheet/TXLSheet.h"
#include "sheet/XLEnums.h"
#include "sheet/XLTypes.h"

#include <QDataStream>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class TXLBaseStyle;
class TXLCell;
class TXLStyler;
class TXLUnion;

class TXLSection : public TListSList<TXLRow> {
public:
    TXLSection(TXLSheet* sheet, TXLSector sector);
    ~TXLSection() override;

    TXLSheet* GetSheet() const { return FSheet; }
    TXLSector GetSector() const { return FSector; }
    TXLBaseStyle* GetBaseStyle() const { return FBaseStyle; }
    void SetBaseStyle(TXLBaseStyle* style) { FBaseStyle = style; }
    // The sector's size from the sheet's counts.
    int GetColCount() const;
    int GetRowCount() const;
    // (0, 0, GetColCount, GetRowCount).
    TRect GetExtent() const { return Rect(0, 0, GetColCount(), GetRowCount()); }
    // Sector to sheet coordinates.
    TPoint ToSheet(TPoint p) const;
    TRect ToSheet(const TRect& r) const;

    // Cells. A position inside a merged area means the area's top-left.
    TPoint ResolvePosition(TPoint p) const;
    // The cell there, made with the base style's class when there is none.
    // Raises ERAVazoError for a negative position.
    TXLCell* GetCell(int col, int row);
    TXLCell* GetPeekCell(int col, int row) const;
    // The cell object stored exactly there, without resolving merged areas.
    TXLCell* GetRawCell(int col, int row) const;
    // Makes a cell of cellClass at the position (which must hold none).
    // Raises ERAVazoError for a class that cannot make cells.
    static void CheckCreatable(const TXLCellClass* cellClass);
    TXLCell* CreateCell(int col, int row, const TXLCellClass* cellClass);
    // Destroys the cell object there (its formatting stays with the position).
    void DestroyCell(int col, int row);
    const TXLCellClass* GetCellClass(int col, int row) const;
    // Replaces the cell by one of cellClass, keeping font, layout and value.
    void SetCellClass(int col, int row, const TXLCellClass* cellClass);
    // Calls fn for every existing cell, row by row (taken first, so fn may
    // change cells but must not destroy others).
    void ForEachCell(const std::function<void(TXLCell*)>& fn) const;
    // The cells of rect (rows top to bottom, columns left to right); see
    // TXLSheet::EnumCells. Returns false when stopped.
    bool EnumCells(const TRect& rect, bool create, const TXLCellEnumProc& proc, intptr_t data, int& count);

    // Position store.
    TXLInfoList* GetInfoList(TXLSheetInfo info) const { return FInfos[info].get(); }
    // The info value over an area and whether it is uniform there (lines:
    // along the edge or inside, the larger value when not uniform; other
    // kinds: the top-left position).
    uint32_t GetAreaInfo(const TRect& area, TXLCellInfo info, bool& uniform) const;
    // Writes the value over an area, keeps merged areas uniform and repaints.
    void SetAreaInfo(const TRect& area, TXLCellInfo info, uint32_t value);
    TXLCellStyles GetPositionStyles(TPoint p) const;
    // Makes the formatting of an area uniform (a merged area's step 2);
    // true when a line changed.
    bool NormaliseArea(const TRect& area);

    // Merged areas.
    int GetUnionCount() const { return static_cast<int>(FUnions.size()); }
    TXLUnion* GetUnion(int i) const;
    // The area covering p (the most recently added first), or null.
    TXLUnion* FindUnion(TPoint p) const;
    // An area was added, removed or moved: the index of areas is stale.
    void UnionsChanged();
    TXLUnion* FindUnionOf(const TXLCell* cell) const;
    // Adds an area anchored at anchor (or none) and normalises it.
    TXLUnion* AddUnion(const TRect& rect, TXLCell* anchor);
    // Takes the area out, repaints it, frees its anchor from it and destroys it.
    void RemoveUnion(TXLUnion* area);
    // Crops to the sector and, when more than one position remains, merges
    // it into one area anchored at the top-left cell.
    void MergeArea(const TRect& rect);
    // Removes every area overlapping rect.
    void SplitArea(const TRect& rect);
    // The band on axis shrank to newCount: areas starting beyond go, the
    // others are clipped.
    void UpdateUnions(TXLAxis axis, int newCount);

    // Hints. GetCellHint is the text a position shows (external hints
    // through the sheet's OnGetCellHint).
    QString GetCellHint(TPoint p);
    QString FindHint(const TXLCell* cell) const;
    void PutHint(const TXLCell* cell, const QString& text);
    void RemoveHint(const TXLCell* cell);
    int GetHintCount() const { return static_cast<int>(FHints.size()); }

    // Structure: count > 0 inserts, count < 0 deletes band entries at index
    // on axis (cells, rows, position formatting and areas shift).
    void ModifyAxis(TXLAxis axis, int index, int count);
    // Drops every row (rows axis) or cell (columns axis) at or beyond count.
    void Truncate(TXLAxis axis, int count);
    // Empties the section: cells, rows, formatting, hints, areas.
    void Clear() override;

    // The OnCellChanged check after a value change of cell.
    void CheckCellChanged(TXLCell* cell);

    // Style references across a styler switch: written by alias (the cells'
    // styles are cleared), read back against the new styler.
    void WriteStyleRefs(QDataStream& stream);
    void ReadStyleRefs(QDataStream& stream, TXLStyler* styler);
    // Every cell with a style loses it.
    void ClearStyleRefs();

protected:
    void Prepare(TXLRow* row, int index) override;
    void Renumerate(int from, int to) override;

private:
    void ShiftUnions(TXLAxis axis, int pos, int count);
    TXLUnion* ScanUnions(TPoint p) const;
    TRect WidenToUnions(TRect area) const;

    TXLSheet* FSheet;
    TXLSector FSector;
    TXLBaseStyle* FBaseStyle = nullptr;
    std::vector<std::unique_ptr<TXLUnion>> FUnions;
    // Rebuilt by FindUnion once enough finds follow a change (a run of
    // changes, each followed by a find or two, keeps scanning instead).
    mutable TXLUnionIndex FUnionIndex;
    mutable bool FUnionIndexStale = false;
    mutable int FScansSinceChange = 0;
    std::unordered_map<const TXLCell*, QString> FHints;
    std::array<std::unique_ptr<TXLInfoList>, XLSheetInfoCount> FInfos;
};
