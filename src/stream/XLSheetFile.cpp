#include "stream/XLSheetFile.h"

#include "base/ERAVazoError.h"
#include "sheet/TSListStore.h"
#include "sheet/TXLPicture.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLUpdateGuard.h"
#include "stream/TXLLoadBudget.h"
#include "stream/TXLStreamReader.h"
#include "stream/TXLStreamWriter.h"
#include "stream/XLComponentStream.h"
#include "stream/XLPictureStream.h"
#include "stream/XLSheetData.h"
#include "stream/XLStreamFormat.h"

#include <QFile>
#include <QIODevice>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using namespace XLStream;

namespace {

constexpr const char* FileName = "sheet file";

// The published properties a sheet file carries, with the kind of value
// each takes.
enum TProperty {
    pAuthor, pTitle,
    pPrintMarginLeft, pPrintMarginTop, pPrintMarginRight, pPrintMarginBottom,
    pPrintMode, pPrintScale, pPrintHidden, pPrintTitles, pPrintGridLines,
    pColCount, pColDefWidth, pColMaxWidth, pRowCount, pRowDefHeight, pRowMaxHeight, pTitleCols, pTitleRows,
    pBackground, pReadOnly, pXLData,
    pIgnored,
};

enum TKind { kString, kInteger, kMode, kBoolean, kAxes, kPicture, kData };

struct TPropertyInfo {
    const char* Name;
    TProperty Property;
    TKind Kind;
    int64_t Min = std::numeric_limits<int32_t>::min();
    int64_t Max = std::numeric_limits<int32_t>::max();
};

constexpr int64_t IntMin = std::numeric_limits<int32_t>::min();
constexpr int64_t IntMax = std::numeric_limits<int32_t>::max();

// In declaration order. Sizes and counts cannot be negative; a count cannot
// pass the sparse lists' limit.
const TPropertyInfo Properties[] = {
    {"Author", pAuthor, kString},
    {"Title", pTitle, kString},
    {"PrintMarginLeft", pPrintMarginLeft, kInteger},
    {"PrintMarginTop", pPrintMarginTop, kInteger},
    {"PrintMarginRight", pPrintMarginRight, kInteger},
    {"PrintMarginBottom", pPrintMarginBottom, kInteger},
    {"PrintMode", pPrintMode, kMode},
    {"PrintScale", pPrintScale, kInteger, 0, std::numeric_limits<TXLScale>::max()},
    {"PrintHidden", pPrintHidden, kBoolean},
    {"PrintTitles", pPrintTitles, kAxes},
    {"PrintGridLines", pPrintGridLines, kBoolean},
    {"ColCount", pColCount, kInteger, 0, SListMaxCount},
    {"ColDefWidth", pColDefWidth, kInteger, 0, IntMax},
    {"ColMaxWidth", pColMaxWidth, kInteger},
    {"RowCount", pRowCount, kInteger, 0, SListMaxCount},
    {"RowDefHeight", pRowDefHeight, kInteger, 0, IntMax},
    {"RowMaxHeight", pRowMaxHeight, kInteger},
    {"TitleCols", pTitleCols, kInteger, 0, SListMaxCount},
    {"TitleRows", pTitleRows, kInteger, 0, SListMaxCount},
    {"Background.Data", pBackground, kPicture},
    {"ReadOnly", pReadOnly, kBoolean},
    {"XLData", pXLData, kData},
    // The position the sheet had in its window, the styler reference and the
    // events: read and let go.
    {"Left", pIgnored, kInteger, IntMin, IntMax},
    {"Top", pIgnored, kInteger, IntMin, IntMax},
};

// A sheet has two dozen properties; a component with more than this many
// (known or not) is no sheet this program or any sane writer made.
constexpr int MaxProperties = 1024;

const char* const ModeNames[] = {"pmNormal", "pmCustom"};
const char* const AxisNames[] = {"sCols", "sRows"};

// One property as read and checked, waiting to be applied.
struct TEntry {
    TProperty Property = pIgnored;
    int64_t Integer = 0;
    bool Boolean = false;
    QString Text;
    TXLPrintMode Mode = pmNormal;
    TXLAxes Axes;
    std::optional<TXLPicture> Picture;
    int64_t DataPos = 0;
    int64_t DataSize = 0;
};

const TPropertyInfo* FindProperty(const QByteArray& name)
{
    for (const TPropertyInfo& info : Properties)
        if (name.compare(info.Name, Qt::CaseInsensitive) == 0)
            return &info;
    return nullptr;
}

[[noreturn]] void WrongKind(TXLStreamReader& reader, int64_t at, const TPropertyInfo& info, uint8_t tag)
{
    reader.FailAt(at, std::string("property ") + info.Name + " has a value of tag " + std::to_string(tag) +
                          " it cannot take");
}

TEntry ReadEntry(TXLStreamReader& reader, const TPropertyInfo& info, TXLLoadBudget& budget)
{
    TEntry entry;
    entry.Property = info.Property;
    const int64_t at = reader.Position();
    budget.Charge(sizeof(TEntry), reader);
    const TXLFilerValue value = ReadFilerValue(reader, budget);
    switch (info.Kind) {
    case kString:
        if (!IsFilerString(value.Tag))
            WrongKind(reader, at, info, value.Tag);
        entry.Text = value.Text;
        break;
    case kInteger:
        if (!IsFilerInteger(value.Tag))
            WrongKind(reader, at, info, value.Tag);
        if (value.Integer < info.Min || value.Integer > info.Max)
            reader.FailAt(at, std::string("property ") + info.Name + " value " + std::to_string(value.Integer) +
                                  " is outside " + std::to_string(info.Min) + ".." + std::to_string(info.Max));
        entry.Integer = value.Integer;
        break;
    case kBoolean:
        if (value.Tag != vaFalse && value.Tag != vaTrue)
            WrongKind(reader, at, info, value.Tag);
        entry.Boolean = value.Boolean;
        break;
    case kMode:
        if (value.Tag != vaIdent)
            WrongKind(reader, at, info, value.Tag);
        if (value.Ident == ModeNames[pmNormal])
            entry.Mode = pmNormal;
        else if (value.Ident == ModeNames[pmCustom])
            entry.Mode = pmCustom;
        else
            reader.FailAt(at, "print mode \"" + value.Ident.toStdString() + "\" is unknown");
        break;
    case kAxes:
        if (value.Tag != vaSet)
            WrongKind(reader, at, info, value.Tag);
        for (const QByteArray& ident : value.Set) {
            if (ident == AxisNames[sCols])
                entry.Axes.Include(sCols);
            else if (ident == AxisNames[sRows])
                entry.Axes.Include(sRows);
            else
                reader.FailAt(at, "axis \"" + ident.toStdString() + "\" is unknown");
        }
        break;
    case kPicture: {
        if (value.Tag != vaBinary)
            WrongKind(reader, at, info, value.Tag);
        // The graphic must take the binary value exactly.
        const int64_t end = reader.Position();
        reader.Seek(value.DataPos);
        {
            TXLStreamReader::TLimitScope scope(reader, value.DataSize);
            entry.Picture.emplace();
            ReadPictureGraphic(reader, *entry.Picture, budget);
            if (!reader.AtEnd())
                reader.Fail(std::to_string(reader.Remaining()) + " bytes follow the background picture");
        }
        reader.Seek(end);
        break;
    }
    case kData:
        if (value.Tag != vaBinary)
            WrongKind(reader, at, info, value.Tag);
        entry.DataPos = value.DataPos;
        entry.DataSize = value.DataSize;
        break;
    }
    return entry;
}

// Reads signature, class name and component name; returns the class name.
QByteArray ReadHead(TXLStreamReader& reader)
{
    if (reader.Remaining() < 4 || std::memcmp(reader.PeekBytes(4).data(), FileSignature, 4) != 0)
        reader.Fail("no component stream (\"TPF0\" expected)");
    reader.Skip(4);
    // Inherited or inline components carry a prefix of flags.
    if ((static_cast<uint8_t>(reader.PeekBytes(1)[0]) & FilerFlagsMask) == FilerFlagsMask) {
        const uint8_t flags = reader.ReadByte();
        if (flags & FilerChildPos)
            SkipFilerValue(reader);
    }
    return reader.ReadShortString();
}

// Applies the properties in file order. A setter may change an earlier
// property on the way (a maximum size lowers the default size, a print scale
// sets the print mode); the value the file gave that property is put back, so
// that whatever state was saved, a sheet reads back as it was written.
class TApplier {
public:
    TApplier(TXLSheet& sheet, QByteArrayView bytes, TXLLoadBudget& budget)
        : FSheet(sheet), FBytes(bytes), FBudget(budget)
    {
    }

    void Apply(const TEntry& entry)
    {
        TXLSheet& sheet = FSheet;
        const auto value = static_cast<int>(entry.Integer);
        switch (entry.Property) {
        case pAuthor: sheet.SetAuthor(entry.Text); break;
        case pTitle: sheet.SetTitle(entry.Text); break;
        case pPrintMarginLeft: sheet.SetPrintMarginLeft(value); break;
        case pPrintMarginTop: sheet.SetPrintMarginTop(value); break;
        case pPrintMarginRight: sheet.SetPrintMarginRight(value); break;
        case pPrintMarginBottom: sheet.SetPrintMarginBottom(value); break;
        case pPrintMode:
            sheet.SetPrintMode(entry.Mode);
            FMode = entry.Mode;
            FModeRead = true;
            break;
        case pPrintScale:
            sheet.SetPrintScale(static_cast<TXLScale>(value));
            if (FModeRead)
                sheet.SetPrintMode(FMode);
            break;
        case pPrintHidden: sheet.SetPrintHidden(entry.Boolean); break;
        case pPrintTitles: sheet.SetPrintTitles(entry.Axes); break;
        case pPrintGridLines: sheet.SetPrintGridLines(entry.Boolean); break;
        case pColCount: sheet.SetColCount(value); break;
        case pColDefWidth: SetDefault(sCols, value); break;
        case pColMaxWidth: SetMaximum(sCols, value); break;
        case pRowCount: sheet.SetRowCount(value); break;
        case pRowDefHeight: SetDefault(sRows, value); break;
        case pRowMaxHeight: SetMaximum(sRows, value); break;
        case pTitleCols: sheet.SetTitleCols(value); break;
        case pTitleRows: sheet.SetTitleRows(value); break;
        case pBackground: sheet.SetBackground(*entry.Picture); break;
        case pReadOnly: sheet.SetReadOnly(entry.Boolean); break;
        case pXLData: {
            TXLStreamReader data(FBytes.sliced(entry.DataPos, entry.DataSize), entry.DataPos, FileName);
            LoadSheetData(sheet, data, FBudget);
            break;
        }
        case pIgnored: break;
        }
    }

private:
    void SetDefault(TXLAxis axis, int size)
    {
        FSheet.SetDefCellSize(axis, size);
        FDefaults[axis] = size;
        FDefaultRead[axis] = true;
    }
    void SetMaximum(TXLAxis axis, int size)
    {
        FSheet.SetMaxCellSize(axis, size);
        if (FDefaultRead[axis] && FSheet.GetDefCellSize(axis) != FDefaults[axis])
            FSheet.SetDefCellSize(axis, FDefaults[axis]);
    }

    TXLSheet& FSheet;
    QByteArrayView FBytes;
    TXLLoadBudget& FBudget;
    // What the file set so far.
    bool FModeRead = false;
    TXLPrintMode FMode = pmNormal;
    bool FDefaultRead[2] = {false, false};
    int FDefaults[2] = {0, 0};
};

void ApplyEntries(TXLSheet& sheet, QByteArrayView bytes, const std::vector<TEntry>& entries, TXLLoadBudget& budget)
{
    TXLUpdateGuard update(sheet);
    TApplier applier(sheet, bytes, budget);
    for (const TEntry& entry : entries)
        applier.Apply(entry);
}

// What a file that lacks a property leaves as the sheet had it, and which
// decides how the sheet stream reads: counts and sizes.
void CopyUnstoredState(const TXLSheet& from, TXLSheet& to)
{
    for (const TXLAxis axis : {sCols, sRows}) {
        to.SetMaxCellSize(axis, from.GetMaxCellSize(axis));
        to.SetDefCellSize(axis, from.GetDefCellSize(axis));
    }
    to.SetColCount(from.GetColCount());
    to.SetRowCount(from.GetRowCount());
    to.SetTitleCols(from.GetTitleCols());
    to.SetTitleRows(from.GetTitleRows());
}

void WriteName(TXLStreamWriter& writer, const char* name)
{
    writer.WriteShortString(QByteArrayView(name, static_cast<qsizetype>(std::strlen(name))));
}

}  // namespace

QByteArray SaveSheetToBytes(TXLSheet& sheet)
{
    TXLUpdateGuard update(sheet);
    TXLStreamWriter writer;
    writer.WriteBytes(QByteArrayView(FileSignature, sizeof FileSignature));
    WriteName(writer, SheetClassName);
    writer.WriteShortString(Encode1251(sheet.GetName()));
    const auto integer = [&writer](const char* name, int64_t value) {
        WriteName(writer, name);
        WriteFilerInteger(writer, value);
    };
    const auto boolean = [&writer](const char* name, bool value) {
        WriteName(writer, name);
        WriteFilerBoolean(writer, value);
    };
    if (!sheet.GetAuthor().isEmpty()) {
        WriteName(writer, "Author");
        WriteFilerString(writer, sheet.GetAuthor());
    }
    if (!sheet.GetTitle().isEmpty()) {
        WriteName(writer, "Title");
        WriteFilerString(writer, sheet.GetTitle());
    }
    integer("PrintMarginLeft", sheet.GetPrintMarginLeft());
    integer("PrintMarginTop", sheet.GetPrintMarginTop());
    integer("PrintMarginRight", sheet.GetPrintMarginRight());
    integer("PrintMarginBottom", sheet.GetPrintMarginBottom());
    WriteName(writer, "PrintMode");
    WriteFilerIdent(writer, ModeNames[sheet.GetPrintMode() == pmCustom ? 1 : 0]);
    integer("PrintScale", sheet.GetPrintScale());
    boolean("PrintHidden", sheet.GetPrintHidden());
    WriteName(writer, "PrintTitles");
    QList<QByteArray> axes;
    for (const TXLAxis axis : {sCols, sRows})
        if (sheet.GetPrintTitles().Contains(axis))
            axes.append(AxisNames[axis]);
    WriteFilerSet(writer, axes);
    boolean("PrintGridLines", sheet.GetPrintGridLines());
    integer("ColCount", sheet.GetColCount());
    integer("ColDefWidth", sheet.GetColDefWidth());
    integer("ColMaxWidth", sheet.GetColMaxWidth());
    integer("RowCount", sheet.GetRowCount());
    integer("RowDefHeight", sheet.GetRowDefHeight());
    integer("RowMaxHeight", sheet.GetRowMaxHeight());
    integer("TitleCols", sheet.GetTitleCols());
    integer("TitleRows", sheet.GetTitleRows());
    if (!sheet.GetBackground().IsEmpty()) {
        TXLStreamWriter picture;
        WritePictureGraphic(picture, sheet.GetBackground());
        WriteName(writer, "Background.Data");
        WriteFilerBinary(writer, picture.Data());
    }
    boolean("ReadOnly", sheet.GetReadOnly());
    WriteName(writer, "XLData");
    WriteFilerBinaryWith(writer, [&sheet](TXLStreamWriter& w) { SaveSheetData(sheet, w); });
    writer.WriteByte(vaNull);  // end of the properties
    writer.WriteByte(vaNull);  // end of the (no) children
    return writer.TakeData();
}

void SaveSheetToStream(TXLSheet& sheet, QIODevice& device)
{
    const QByteArray bytes = SaveSheetToBytes(sheet);
    if (device.write(bytes) != bytes.size())
        throw ERAVazoError("Stream write error: " + device.errorString().toStdString());
}

void SaveSheetToFile(TXLSheet& sheet, const QString& fileName)
{
    // The file is opened only once the bytes are ready, and replaces the old
    // one only once they are all on disk.
    const QByteArray bytes = SaveSheetToBytes(sheet);
    QSaveFile file(fileName);
    // Unbuffered, so that a short write (a full disk) shows in what write
    // returns instead of vanishing in a buffer flush.
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw ERAVazoError("Cannot create file \"" + fileName.toStdString() + "\": " + FileFailureCause(errno, file));
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int cause = errno;
        file.cancelWriting();
        throw ERAVazoError("Cannot write file \"" + fileName.toStdString() + "\": " + FileFailureCause(cause, file));
    }
    errno = 0;
    if (!file.commit())
        throw ERAVazoError("Cannot write file \"" + fileName.toStdString() + "\": " + FileFailureCause(errno, file));
}

std::string FileFailureCause(int errnum, const QFileDevice& file)
{
    switch (errnum) {
    case ENOSPC:
    case EDQUOT:
        return "no space left on the disk";
    case EFBIG:
        return "the file would be larger than allowed";
    case EACCES:
    case EPERM:
        return "no permission";
    case EROFS:
        return "the disk is read-only";
    case ENOENT:
    case ENOTDIR:
        return "the folder does not exist";
    default:
        break;
    }
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return "no permission";
    case QFileDevice::ResourceError:
        return "no space left on the disk";
    default:
        break;
    }
    if (errnum != 0)
        return std::strerror(errnum);
    return file.errorString().toStdString();
}

QByteArray ComponentClassName(QByteArrayView bytes)
{
    TXLStreamReader reader(bytes, 0, FileName);
    return ReadHead(reader);
}

int64_t LoadSheetFromBytes(TXLSheet& sheet, QByteArrayView bytes)
{
    TXLStreamReader reader(bytes, 0, FileName);
    TXLLoadBudget budget;
    const int64_t classAt = reader.Position();
    const QByteArray className = ReadHead(reader);
    if (className != SheetClassName)
        reader.FailAt(classAt, "component of class \"" + className.toStdString() + "\" is no sheet");
    reader.ReadShortString();  // the sheet keeps its own name

    std::vector<TEntry> entries;
    // Every property takes at least two bytes, so the loop ends with the data.
    for (int count = 0; reader.PeekBytes(1)[0] != vaNull; ++count) {
        if (count == MaxProperties)
            reader.Fail("more than " + std::to_string(MaxProperties) + " properties");
        const QByteArray name = reader.ReadShortString();
        if (const TPropertyInfo* info = FindProperty(name))
            entries.push_back(ReadEntry(reader, *info, budget));
        else
            SkipFilerValue(reader);
    }
    reader.ReadByte();
    const int64_t childrenAt = reader.Position();
    if (reader.ReadByte() != vaNull)
        reader.FailAt(childrenAt, "a sheet holds no child components");
    const int64_t consumed = reader.Position();

    // All or nothing: the properties and the sheet stream are tried on a
    // scratch sheet first, so that a file damaged anywhere leaves the sheet
    // as it was.
    {
        TXLSheet scratch;
        CopyUnstoredState(sheet, scratch);
        TXLLoadBudget trial;
        ApplyEntries(scratch, bytes, entries, trial);
    }
    TXLLoadBudget apply;
    ApplyEntries(sheet, bytes, entries, apply);
    // Reading a file is no edit.
    sheet.SetModified(false);
    return consumed;
}

void LoadSheetFromStream(TXLSheet& sheet, QIODevice& device)
{
    const qint64 start = device.pos();
    const QByteArray bytes = device.readAll();
    const int64_t consumed = LoadSheetFromBytes(sheet, bytes);
    if (!device.isSequential())
        device.seek(start + consumed);
}

void LoadSheetFromFile(TXLSheet& sheet, const QString& fileName)
{
    QFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw ERAVazoError("Cannot open file \"" + fileName.toStdString() + "\": " + FileFailureCause(errno, file));
    LoadSheetFromStream(sheet, file);
}
