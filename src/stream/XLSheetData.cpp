#include "stream/XLSheetData.h"

#include "base/ERAVazoError.h"
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLInfoList.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLRow.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLStyle.h"
#include "sheet/TXLStyler.h"
#include "sheet/TXLUpdateGuard.h"
#include "sheet/TXLUnion.h"
#include "stream/TXLLoadBudget.h"
#include "stream/TXLStreamReader.h"
#include "stream/TXLStreamWriter.h"
#include "stream/XLCellStream.h"
#include "stream/XLPropertyStream.h"
#include "stream/XLSListStream.h"
#include "stream/XLStreamFormat.h"
#include "stream/XLStyleStream.h"

#include <cstring>
#include <exception>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <tuple>

namespace {

constexpr TXLSector Sectors[] = {sCols, sRows, sTitle, sClient};

// Size list k of the mask: bit 0 the axis (rows), bit 1 the band (body),
// bit 2 the remembered sizes of hidden entries.
TXLAxis SizeAxis(int k)
{
    return (k & 1) ? sRows : sCols;
}
bool SizeBody(int k)
{
    return (k & 2) != 0;
}
bool SizeHidden(int k)
{
    return (k & 4) != 0;
}
TXLSizeList& SizeList(TXLSheet& sheet, int k)
{
    return SizeHidden(k) ? sheet.GetHiddenList(SizeAxis(k), SizeBody(k)) : sheet.GetSizeList(SizeAxis(k), SizeBody(k));
}

// A section is stored when both of its counts are above 0.
bool SectionStored(const TXLSheet& sheet, TXLSector sector)
{
    const bool bodyCols = sheet.GetColCount() > 0;
    const bool bodyRows = sheet.GetRowCount() > 0;
    const bool titleCols = sheet.GetTitleCols() > 0;
    const bool titleRows = sheet.GetTitleRows() > 0;
    switch (sector) {
    case sCols:
        return bodyCols && titleRows;
    case sRows:
        return bodyRows && titleCols;
    case sTitle:
        return titleCols && titleRows;
    case sClient:
        return bodyCols && bodyRows;
    }
    return false;
}

bool RowHasCells(const TXLRow& row)
{
    return row.ForAll([](int, TXLCell*) { return 1; }) != 0;
}

bool InfoHasValues(const TXLInfoList& list)
{
    return list.ForAll([](int, TSList* inner) { return XLHasValues(*inner) ? 1 : 0; }) != 0;
}

// ---------------------------------------------------------------- writing

void WriteSection(TXLStreamWriter& writer, TXLSection& section)
{
    int32_t mask = 0;
    if (section.GetUnionCount() > 0)
        mask |= XLStream::SectionUnions;
    if (section.ForAll([](int, TXLRow* row) { return RowHasCells(*row) ? 1 : 0; }))
        mask |= XLStream::SectionCells;
    for (int i = 0; i < XLSheetInfoCount; ++i)
        if (InfoHasValues(*section.GetInfoList(static_cast<TXLSheetInfo>(i))))
            mask |= 1 << (XLStream::SectionInfoShift + i);
    writer.WriteInteger(mask);

    if (mask & XLStream::SectionUnions) {
        // Refuse what could not be read back rather than write it.
        if (section.GetUnionCount() > XLStream::MaxUnions)
            throw ERAVazoError("Too many merged areas to save (" + std::to_string(section.GetUnionCount())
                               + "; at most " + std::to_string(XLStream::MaxUnions) + " per section)!");
        writer.WriteInteger(section.GetUnionCount());
        for (int i = 0; i < section.GetUnionCount(); ++i) {
            const TRect& r = section.GetUnion(i)->GetBounds();
            writer.WriteInteger(r.Left);
            writer.WriteInteger(r.Top);
            writer.WriteInteger(r.Right);
            writer.WriteInteger(r.Bottom);
        }
    }
    if (mask & XLStream::SectionCells) {
        section.ForAll([&writer](int r, TXLRow* row) {
            if (!RowHasCells(*row))
                return 0;
            writer.WriteInteger(r);
            row->ForAll([&writer](int c, TXLCell* cell) {
                writer.WriteInteger(c);
                writer.WriteInteger(TXLManager::HashCodeOf(cell->ClassType()));
                writer.WriteRecord([&] { WriteCellBody(writer, *cell); });
                return 0;
            });
            writer.WriteInteger(XLStream::EndOfList);
            return 0;
        });
        writer.WriteInteger(XLStream::EndOfList);
    }
    for (int i = 0; i < XLSheetInfoCount; ++i)
        if (mask & (1 << (XLStream::SectionInfoShift + i)))
            WriteListSList(writer, *section.GetInfoList(static_cast<TXLSheetInfo>(i)));
}

// ---------------------------------------------------------------- reading

// What one load keeps besides the sheet: the budget and the style indices
// read into cells, by position, until every style is known.
struct TLoad {
    TXLSheet& Sheet;
    TXLStreamReader& Reader;
    TXLLoadBudget& Budget;
    std::map<std::tuple<int, int, int>, int32_t> StyleIndices;
};

// Brackets a load: updates coalesced, the sheet marked as loading and its
// OnCellChanged held back (a cell read is not an edit); all restored at the
// end, also on failure.
class TLoadScope {
public:
    explicit TLoadScope(TXLSheet& sheet)
        : FUpdate(sheet), FSheet(sheet), FWasLoading(sheet.GetLoading()), FCellChanged(std::move(sheet.OnCellChanged))
    {
        sheet.OnCellChanged = nullptr;
        sheet.SetLoading(true);
    }
    ~TLoadScope()
    {
        FSheet.OnCellChanged = std::move(FCellChanged);
        FSheet.SetLoading(FWasLoading);
    }
    TLoadScope(const TLoadScope&) = delete;
    TLoadScope& operator=(const TLoadScope&) = delete;

private:
    // First, so that the update ends last.
    TXLUpdateGuard FUpdate;
    TXLSheet& FSheet;
    bool FWasLoading;
    TRAVazoEvent FCellChanged;
};

void ReadMagic(TXLStreamReader& reader)
{
    const int64_t present = std::min<int64_t>(reader.Remaining(), sizeof XLStream::Magic);
    const QByteArrayView head = reader.PeekBytes(present);
    if (std::memcmp(head.data(), XLStream::Magic, static_cast<size_t>(present)) != 0)
        throw ERAVazoError("Unknown RAVazo stream format!");
    reader.Skip(sizeof XLStream::Magic);
    reader.ReadByte();  // the version is not examined
}

void ReadSizeList(TLoad& load, int k)
{
    TXLStreamReader& reader = load.Reader;
    const int count = ReadSListCount(reader);
    TXLSizeList& list = SizeList(load.Sheet, k);
    if (SizeHidden(k)) {
        list.SetCount(count);
    } else if (SizeBody(k)) {
        load.Sheet.SetSheetSize(SizeAxis(k), count);
    } else {
        load.Sheet.SetTitleSize(SizeAxis(k), count);
    }
    const int32_t zero = list.Zero();
    const TXLSlotRule rule{"size list", [zero](int32_t slot) {
                               return static_cast<int32_t>(static_cast<uint32_t>(slot) + static_cast<uint32_t>(zero)) >= 0;
                           }};
    ReadSListBlocks(reader, list, load.Budget, rule);
}

void ReadUnions(TLoad& load, TXLSection& section)
{
    TXLStreamReader& reader = load.Reader;
    const int count = reader.ReadCount(XLStream::UnionBytes, XLStream::MaxUnions, "merged area");
    for (int i = 0; i < count; ++i) {
        const int64_t at = reader.Position();
        TRect r;
        r.Left = reader.ReadInteger();
        r.Top = reader.ReadInteger();
        r.Right = reader.ReadInteger();
        r.Bottom = reader.ReadInteger();
        // An area's extent is a 16-bit Width and Height.
        const bool inside = r.Left >= 0 && r.Top >= 0 && r.Right <= SListMaxCount && r.Bottom <= SListMaxCount;
        if (!inside || r.IsEmpty() || int64_t{r.Width()} * r.Height() < 2 ||
            r.Width() > std::numeric_limits<uint16_t>::max() || r.Height() > std::numeric_limits<uint16_t>::max())
            reader.FailAt(at, "merged area (" + std::to_string(r.Left) + ", " + std::to_string(r.Top) + ", " +
                                  std::to_string(r.Right) + ", " + std::to_string(r.Bottom) +
                                  ") is not an area of two to 65535 x 65535 positions");
        // Areas never overlap: a later one replaces what it overlaps.
        for (int j = section.GetUnionCount() - 1; j >= 0; --j)
            if (section.GetUnion(j)->GetBounds().Intersects(r))
                section.RemoveUnion(section.GetUnion(j));
        // The section is still empty, so there is nothing to normalise:
        // the area is added empty (which costs nothing) and then shaped.
        section.AddUnion(TRect{}, nullptr)->PutBounds(r);
    }
}

void ReadCellTable(TLoad& load, TXLSection& section)
{
    TXLStreamReader& reader = load.Reader;
    TXLManager& manager = XLManager();
    // Every round reads at least four bytes, so the loops end with the data.
    for (;;) {
        const int64_t rowAt = reader.Position();
        const int32_t row = reader.ReadInteger();
        if (row == XLStream::EndOfList)
            break;
        if (row < 0 || row > SListMaxIndex)
            reader.FailAt(rowAt, "row " + std::to_string(row) + " is outside 0.." + std::to_string(SListMaxIndex));
        for (;;) {
            const int64_t colAt = reader.Position();
            const int32_t col = reader.ReadInteger();
            if (col == XLStream::EndOfList)
                break;
            if (col < 0 || col > SListMaxIndex)
                reader.FailAt(colAt, "column " + std::to_string(col) + " is outside 0.." +
                                         std::to_string(SListMaxIndex));
            const int32_t code = reader.ReadInteger();
            const TXLCellClass* cellClass = code == 0 ? nullptr : manager.FindClassBy(code);
            if (!cellClass || !cellClass->Create) {
                // A class this program does not know: its record is skipped.
                ReadRecord(reader, [] {});
                continue;
            }
            const TPoint p = section.ResolvePosition({col, row});
            const auto key = std::make_tuple(static_cast<int>(section.GetSector()), p.X, p.Y);
            if (section.GetRawCell(p.X, p.Y)) {
                load.StyleIndices.erase(key);
                section.DestroyCell(p.X, p.Y);
            }
            const TXLRow* cells = section.GetAt(p.Y);
            load.Budget.ChargeSlot(section.DirectoryLength(), cells != nullptr, p.Y, reader);
            load.Budget.ChargeSlot(cells ? cells->DirectoryLength() : 0, false, p.X, reader);
            load.Budget.Charge(TXLLoadBudget::CellBytes, reader);
            TXLCell* cell = section.CreateCell(p.X, p.Y, cellClass);
            std::optional<int32_t> styleIndex;
            ReadRecord(reader, [&] { ReadCellBody(reader, *cell, load.Budget, styleIndex); });
            if (styleIndex)
                load.StyleIndices[key] = *styleIndex;
        }
    }
}

TXLSlotRule InfoRule(TXLSheetInfo kind)
{
    if (kind == siColLines || kind == siRowLines)
        return {"line list", nullptr};
    // Slots hold the value + 1 (0 is the base style's value).
    const TXLCellInfo info = CellInfoOf(kind);
    return {"position formatting list",
            [info](int32_t slot) { return XLIsValidInfo(info, static_cast<uint32_t>(slot) - 1u); }};
}

void ReadSection(TLoad& load, TXLSection& section)
{
    TXLStreamReader& reader = load.Reader;
    section.Clear();
    const int64_t at = reader.Position();
    const int32_t mask = reader.ReadInteger();
    if (mask & ~XLStream::SectionMaskBits)
        reader.FailAt(at, "section mask " + std::to_string(mask) + " names unknown parts");
    if (mask & XLStream::SectionUnions)
        ReadUnions(load, section);
    if (mask & XLStream::SectionCells)
        ReadCellTable(load, section);
    for (int i = 0; i < XLSheetInfoCount; ++i) {
        const auto kind = static_cast<TXLSheetInfo>(i);
        if (mask & (1 << (XLStream::SectionInfoShift + i)))
            ReadListSList(reader, *section.GetInfoList(kind), load.Budget, InfoRule(kind));
    }
}

// Cells read with a style index take the styler's style at that index. The
// reference is stored as read: the cell's own formatting came with the
// stream, and only what a cell keeps in itself without holding it (class
// settings) is taken from its new holder.
void ResolveStyles(TLoad& load)
{
    TXLStyler* styler = load.Sheet.GetStyler();
    if (!styler)
        return;
    for (const auto& [key, index] : load.StyleIndices) {
        const auto [sector, col, row] = key;
        TXLCell* cell = load.Sheet.GetSection(static_cast<TXLSector>(sector))->GetRawCell(col, row);
        TXLStyle* style = styler->GetStyleByIndex(index);
        if (!cell || !style)
            continue;
        cell->PutBasedOn(style);
        TXLProps props = cell->GetProps();
        props.Include(prBasedOn);
        cell->SetProps(props);
        if (!props.Contains(prControl))
            cell->ReloadProperty(prControl, 0);
        if (!props.Contains(prFont) && cell->HasFont())
            cell->ReloadProperty(prFont, 0);
    }
}

void ReadSheet(TLoad& load)
{
    TXLSheet& sheet = load.Sheet;
    TXLStreamReader& reader = load.Reader;
    ReadMagic(reader);
    ReadBaseStyle(reader, *sheet.GetBaseClientStyle());
    ReadBaseStyle(reader, *sheet.GetBaseTitleStyle());
    const uint8_t sizeMask = reader.ReadByte();
    for (int k = 0; k < XLStream::SizeListCount; ++k)
        if (sizeMask & (1 << k))
            ReadSizeList(load, k);
    for (const TXLSector sector : Sectors)
        if (SectionStored(sheet, sector))
            ReadSection(load, *sheet.GetSection(sector));
    // Unwritten positions show the base style's values.
    for (const TXLSector sector : Sectors) {
        TXLSection& section = *sheet.GetSection(sector);
        for (int i = siBias1; i < XLSheetInfoCount; ++i) {
            const auto kind = static_cast<TXLSheetInfo>(i);
            section.GetInfoList(kind)->SetDefault(
                static_cast<int32_t>(section.GetBaseStyle()->GetCellInfo(CellInfoOf(kind))));
        }
    }
    ResolveStyles(load);
}

}  // namespace

void SaveSheetData(TXLSheet& sheet, TXLStreamWriter& writer)
{
    writer.WriteBytes(QByteArrayView(XLStream::Magic, sizeof XLStream::Magic));
    writer.WriteByte(XLStream::Version);
    WriteBaseStyle(writer, *sheet.GetBaseClientStyle());
    WriteBaseStyle(writer, *sheet.GetBaseTitleStyle());
    uint8_t sizeMask = 0;
    for (int k = 0; k < XLStream::SizeListCount; ++k)
        if (XLHasValues(SizeList(sheet, k)))
            sizeMask |= static_cast<uint8_t>(1 << k);
    writer.WriteByte(sizeMask);
    for (int k = 0; k < XLStream::SizeListCount; ++k)
        if (sizeMask & (1 << k))
            WriteSList(writer, SizeList(sheet, k));
    for (const TXLSector sector : Sectors)
        if (SectionStored(sheet, sector))
            WriteSection(writer, *sheet.GetSection(sector));
    sheet.SetModified(false);
}

QByteArray SaveSheetDataToBytes(TXLSheet& sheet)
{
    TXLStreamWriter writer;
    SaveSheetData(sheet, writer);
    return writer.TakeData();
}

void LoadSheetData(TXLSheet& sheet, TXLStreamReader& reader, TXLLoadBudget& budget)
{
    std::exception_ptr failure;
    {
        TLoadScope scope(sheet);
        TLoad load{sheet, reader, budget, {}};
        // Strings are charged as they are read, also inside records.
        TXLLoadBudget* const outerBudget = reader.Budget();
        reader.SetBudget(&budget);
        struct TRestore {
            TXLStreamReader& Reader;
            TXLLoadBudget* Budget;
            ~TRestore() { Reader.SetBudget(Budget); }
        } restore{reader, outerBudget};
        try {
            sheet.Zap();
            ReadSheet(load);
        } catch (...) {
            failure = std::current_exception();
            sheet.Zap();
        }
        // The users hear that layout and content changed, whatever was read.
        sheet.SizeChanged({sCols, sRows}, true);
        for (const TXLSector sector : Sectors)
            sheet.AreaChanged(sector, std::nullopt);
        sheet.ReloadSelection(sClient);
    }
    sheet.SetModified(false);
    if (failure)
        std::rethrow_exception(failure);
}

void LoadSheetDataFromBytes(TXLSheet& sheet, QByteArrayView bytes)
{
    TXLStreamReader reader(bytes);
    TXLLoadBudget budget;
    LoadSheetData(sheet, reader, budget);
}
