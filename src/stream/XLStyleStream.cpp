#include "stream/XLStyleStream.h"

#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLStyle.h"
#include "sheet/TXLStyler.h"
#include "stream/XLStreamFormat.h"

#include <QSet>

#include <string>
#include <vector>

namespace {

void WriteInfo(TXLStreamWriter& writer, TXLProStyle& style)
{
    for (int i = 0; i < XLCellInfoCount; ++i)
        writer.WriteInteger(static_cast<int32_t>(style.GetCellInfo(static_cast<TXLCellInfo>(i))));
}

void ReadInfo(TXLStreamReader& reader, TXLStyleRecord& record)
{
    for (int i = 0; i < XLCellInfoCount; ++i) {
        const int64_t at = reader.Position();
        const auto value = static_cast<uint32_t>(reader.ReadInteger());
        if (!XLIsValidInfo(static_cast<TXLCellInfo>(i), value))
            reader.FailAt(at, "style info " + std::to_string(i) + " holds the impossible value " +
                                  std::to_string(value));
        record.Info[static_cast<size_t>(i)] = value;
    }
}

// Class, font, editor, format and the info values. A style notifies on
// every setter; in csAssign nothing is marked local, and Props are set as
// read (for a style, changing Props reloads nothing: it holds what it has).
void ApplyStyle(TXLProStyle& style, const TXLStyleRecord& record)
{
    TXLAssignGuard guard(style);
    ApplyPropertyBlock(style, record.Block);
    for (int i = 0; i < XLCellInfoCount; ++i)
        style.SetCellInfo(static_cast<TXLCellInfo>(i), record.Info[static_cast<size_t>(i)]);
}

}  // namespace

void WriteBaseStyle(TXLStreamWriter& writer, TXLBaseStyle& style)
{
    writer.WriteRecord([&] {
        WritePropertyBlock(writer, style, style.GetProps(), true);
        WriteInfo(writer, style);
        writer.WriteInteger(static_cast<int32_t>(style.GetErrorColor()));
        writer.WriteInteger(static_cast<int32_t>(style.GetLinesColor()));
    });
}

bool ReadBaseStyle(TXLStreamReader& reader, TXLBaseStyle& style)
{
    return ReadRecord(reader, [&] {
        TXLStyleRecord record;
        record.Block = ReadPropertyBlock(reader, true, nullptr);
        // Every cell of the sectors is made of this class: there must be one.
        if (record.Block.Props.Contains(prControl) && !record.Block.CellClass)
            reader.Fail("a base style needs a cell class");
        ReadInfo(reader, record);
        record.ErrorColor = static_cast<TColor>(reader.ReadInteger());
        record.LinesColor = static_cast<TColor>(reader.ReadInteger());
        // A base style holds all ten properties whatever the record says.
        ApplyStyle(style, record);
        style.SetErrorColor(record.ErrorColor);
        style.SetLinesColor(record.LinesColor);
    });
}

void WriteStyleBody(TXLStreamWriter& writer, TXLStyle& style)
{
    WritePropertyBlock(writer, style, style.GetProps(), true);
    WriteInfo(writer, style);
    writer.WriteString(style.GetAlias());
}

TXLStyleRecord ReadStyleBody(TXLStreamReader& reader)
{
    TXLStyleRecord record;
    record.Block = ReadPropertyBlock(reader, true, nullptr);
    ReadInfo(reader, record);
    record.Alias = reader.ReadString();
    return record;
}

void SaveStyles(TXLStyler& styler, TXLStreamWriter& writer)
{
    writer.WriteInteger(styler.GetStyleCount());
    for (int i = 0; i < styler.GetStyleCount(); ++i)
        WriteStyleBody(writer, *styler.GetStyleByIndex(i));
    styler.SetModified(false);
}

namespace {

std::vector<TXLStyleRecord> ReadStyleRecords(TXLStreamReader& reader)
{
    const int count = reader.ReadCount(XLStream::MinStyleBytes, SListMaxCount, "style");
    std::vector<TXLStyleRecord> records;
    records.reserve(static_cast<size_t>(count));
    QSet<QString> aliases;
    for (int i = 0; i < count; ++i) {
        const int64_t at = reader.Position();
        records.push_back(ReadStyleBody(reader));
        const QString& alias = records.back().Alias;
        if (aliases.contains(alias))
            reader.FailAt(at, "style named \"" + alias.toStdString() + "\" appears twice");
        aliases.insert(alias);
    }
    return records;
}

void ApplyStyles(TXLStyler& styler, const std::vector<TXLStyleRecord>& records)
{
    while (styler.GetStyleCount() > 0)
        styler.Delete(styler.GetStyleCount() - 1);
    for (const TXLStyleRecord& record : records) {
        TXLStyle* style = styler.Add(record.Alias);
        ApplyStyle(*style, record);
        style->SetProps(record.Block.Props);
    }
    styler.SetModified(false);
}

}  // namespace

void ReadStyles(TXLStyler& styler, TXLStreamReader& reader)
{
    ApplyStyles(styler, ReadStyleRecords(reader));
}

QByteArray SaveStylesToBytes(TXLStyler& styler)
{
    TXLStreamWriter writer;
    SaveStyles(styler, writer);
    return writer.TakeData();
}

void LoadStylesFromBytes(TXLStyler& styler, QByteArrayView bytes)
{
    TXLStreamReader reader(bytes);
    const std::vector<TXLStyleRecord> records = ReadStyleRecords(reader);
    if (!reader.AtEnd())
        reader.Fail(std::to_string(reader.Remaining()) + " bytes follow the styles");
    ApplyStyles(styler, records);
}
