#include "stream/XLComponentStream.h"

#include "base/ERAVazoError.h"

#include "stream/TXLLoadBudget.h"
#include "stream/TXLStreamReader.h"
#include "stream/TXLStreamWriter.h"

#include <limits>
#include <string>

using namespace XLStream;

namespace {

// Lists and collections nest; deeper than this is no form a sheet writes.
constexpr int MaxDepth = 32;

int32_t ReadLength(TXLStreamReader& reader, const char* what)
{
    const int64_t at = reader.Position();
    const int32_t length = reader.ReadInteger();
    if (length < 0 || length > reader.Remaining())
        reader.FailAt(at, std::string(what) + " length " + std::to_string(length) + " does not fit into the " +
                              std::to_string(reader.Remaining()) + " bytes left");
    return length;
}

void SkipValue(TXLStreamReader& reader, int depth);

// Items until the end-of-list byte 0.
template <class F>
void ForItems(TXLStreamReader& reader, int depth, F&& item)
{
    if (depth > MaxDepth)
        reader.Fail("values nest deeper than " + std::to_string(MaxDepth));
    // Every item takes at least one byte, so the loop ends with the data.
    while (reader.PeekBytes(1)[0] != vaNull)
        item();
    reader.ReadByte();
}

void SkipValue(TXLStreamReader& reader, int depth)
{
    const int64_t at = reader.Position();
    const uint8_t tag = reader.ReadByte();
    switch (tag) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil:
        return;
    case vaList:
        ForItems(reader, depth + 1, [&] { SkipValue(reader, depth + 1); });
        return;
    case vaInt8:
        reader.Skip(1);
        return;
    case vaInt16:
        reader.Skip(2);
        return;
    case vaInt32:
    case vaSingle:
        reader.Skip(4);
        return;
    case vaInt64:
    case vaDouble:
    case vaCurrency:
    case vaDate:
        reader.Skip(8);
        return;
    case vaExtended:
        reader.Skip(10);
        return;
    case vaString:
    case vaIdent:
        reader.ReadShortString();
        return;
    case vaBinary:
    case vaLString:
    case vaUTF8String:
        reader.Skip(ReadLength(reader, "value"));
        return;
    case vaWString: {
        const int64_t lengthAt = reader.Position();
        const int32_t count = reader.ReadInteger();
        if (count < 0 || int64_t{count} * 2 > reader.Remaining())
            reader.FailAt(lengthAt, "wide string of " + std::to_string(count) + " characters does not fit");
        reader.Skip(int64_t{count} * 2);
        return;
    }
    case vaSet:
        // Identifiers until an empty one.
        while (!reader.ReadShortString().isEmpty()) {
        }
        return;
    case vaCollection:
        ForItems(reader, depth + 1, [&] {
            const auto next = static_cast<TValueTag>(static_cast<uint8_t>(reader.PeekBytes(1)[0]));
            if (IsFilerInteger(next))
                SkipValue(reader, depth + 1);  // the item's order
            if (reader.ReadByte() != vaList)
                reader.Fail("collection item does not start with a list");
            ForItems(reader, depth + 1, [&] {
                reader.ReadShortString();
                SkipValue(reader, depth + 1);
            });
        });
        return;
    default:
        reader.FailAt(at, "value tag " + std::to_string(tag) + " is unknown");
    }
}

}  // namespace

bool IsFilerInteger(TValueTag tag)
{
    return tag == vaInt8 || tag == vaInt16 || tag == vaInt32 || tag == vaInt64;
}

bool IsFilerString(TValueTag tag)
{
    return tag == vaString || tag == vaLString || tag == vaWString || tag == vaUTF8String;
}

void WriteFilerInteger(TXLStreamWriter& writer, int64_t value)
{
    if (value >= std::numeric_limits<int8_t>::min() && value <= std::numeric_limits<int8_t>::max()) {
        writer.WriteByte(vaInt8);
        writer.WriteByte(static_cast<uint8_t>(static_cast<int8_t>(value)));
    } else if (value >= std::numeric_limits<int16_t>::min() && value <= std::numeric_limits<int16_t>::max()) {
        writer.WriteByte(vaInt16);
        writer.WriteWord(static_cast<uint16_t>(static_cast<int16_t>(value)));
    } else if (value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max()) {
        writer.WriteByte(vaInt32);
        writer.WriteInteger(static_cast<int32_t>(value));
    } else {
        writer.WriteByte(vaInt64);
        writer.WriteInt64(value);
    }
}

void WriteFilerBoolean(TXLStreamWriter& writer, bool value)
{
    writer.WriteByte(value ? vaTrue : vaFalse);
}

void WriteFilerIdent(TXLStreamWriter& writer, QByteArrayView ident)
{
    writer.WriteByte(vaIdent);
    writer.WriteShortString(ident);
}

void WriteFilerSet(TXLStreamWriter& writer, const QList<QByteArray>& idents)
{
    writer.WriteByte(vaSet);
    for (const QByteArray& ident : idents)
        writer.WriteShortString(ident);
    writer.WriteShortString({});
}

void WriteFilerBinary(TXLStreamWriter& writer, QByteArrayView bytes)
{
    WriteFilerBinaryWith(writer, [bytes](TXLStreamWriter& w) { w.WriteBytes(bytes); });
}

void WriteFilerBinaryWith(TXLStreamWriter& writer, const std::function<void(TXLStreamWriter&)>& write)
{
    writer.WriteByte(vaBinary);
    const int64_t lengthAt = writer.Position();
    writer.WriteInteger(0);
    write(writer);
    const int64_t length = writer.Position() - lengthAt - 4;
    if (length > std::numeric_limits<int32_t>::max())
        throw ERAVazoError("Binary property too large for the sheet file!");
    writer.PatchInteger(lengthAt, static_cast<int32_t>(length));
}

void WriteFilerString(TXLStreamWriter& writer, const QString& text)
{
    bool lossless = true;
    const QByteArray ansi = Encode1251(text, &lossless);
    if (!lossless) {
        const QByteArray utf8 = text.toUtf8();
        writer.WriteByte(vaUTF8String);
        writer.WriteInteger(static_cast<int32_t>(utf8.size()));
        writer.WriteBytes(utf8);
    } else if (ansi.size() <= 255) {
        writer.WriteByte(vaString);
        writer.WriteShortString(ansi);
    } else {
        writer.WriteByte(vaLString);
        writer.WriteInteger(static_cast<int32_t>(ansi.size()));
        writer.WriteBytes(ansi);
    }
}

TXLFilerValue ReadFilerValue(TXLStreamReader& reader, TXLLoadBudget& budget)
{
    TXLFilerValue value;
    const int64_t at = reader.Position();
    const uint8_t tag = reader.ReadByte();
    value.Tag = static_cast<TValueTag>(tag);
    switch (tag) {
    case vaInt8:
        value.Integer = static_cast<int8_t>(reader.ReadByte());
        break;
    case vaInt16:
        value.Integer = static_cast<int16_t>(reader.ReadWord());
        break;
    case vaInt32:
        value.Integer = reader.ReadInteger();
        break;
    case vaInt64:
        value.Integer = reader.ReadInt64();
        break;
    case vaFalse:
    case vaTrue:
        value.Boolean = tag == vaTrue;
        break;
    case vaIdent:
        value.Ident = reader.ReadShortString();
        break;
    case vaSet:
        for (QByteArray ident = reader.ReadShortString(); !ident.isEmpty(); ident = reader.ReadShortString()) {
            budget.ChargeString(ident.size(), reader);
            value.Set.append(ident);
        }
        break;
    case vaBinary:
        value.DataSize = ReadLength(reader, "binary value");
        value.DataPos = reader.Position();
        reader.Skip(value.DataSize);
        break;
    case vaString:
        value.Text = Decode1251(reader.ReadShortString());
        break;
    case vaLString:
    case vaUTF8String: {
        const int32_t length = ReadLength(reader, "string");
        budget.ChargeString(length, reader);
        const QByteArrayView bytes = reader.PeekBytes(length);
        value.Text = tag == vaLString ? Decode1251(bytes) : QString::fromUtf8(bytes);
        reader.Skip(length);
        break;
    }
    case vaWString: {
        const int64_t lengthAt = reader.Position();
        const int32_t count = reader.ReadInteger();
        if (count < 0 || int64_t{count} * 2 > reader.Remaining())
            reader.FailAt(lengthAt, "wide string of " + std::to_string(count) + " characters does not fit");
        budget.ChargeString(count, reader);
        const QByteArray bytes = reader.ReadBytes(int64_t{count} * 2);
        QString text(count, Qt::Uninitialized);
        for (int i = 0; i < count; ++i)
            text[i] = QChar(static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                                  (static_cast<uint8_t>(bytes[2 * i + 1]) << 8)));
        value.Text = text;
        break;
    }
    default:
        reader.FailAt(at, "value tag " + std::to_string(tag) + " is not one a sheet property has");
    }
    return value;
}

TXLFilerValue ReadFilerValue(TXLStreamReader& reader)
{
    TXLLoadBudget budget;
    return ReadFilerValue(reader, budget);
}

void SkipFilerValue(TXLStreamReader& reader)
{
    SkipValue(reader, 0);
}
