#include "stream/TXLStreamWriter.h"

#include "base/ERAVazoError.h"
#include "stream/TXLStreamReader.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// Grows the array by doubling through reserve, which can extend the block
// in place: growing through append makes a new block and copies at every
// step, and on a large stream touching the fresh memory dominates.
void MakeRoom(QByteArray& data, qsizetype more)
{
    if (data.capacity() - data.size() >= more)
        return;
    data.reserve(std::max(data.size() + more, 2 * data.capacity() + 64));
}

}  // namespace

void TXLStreamWriter::WriteByte(uint8_t value)
{
    MakeRoom(FData, 1);
    FData.append(static_cast<char>(value));
}

void TXLStreamWriter::WriteWord(uint16_t value)
{
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    MakeRoom(FData, 2);
    FData.append(bytes, 2);
}

void TXLStreamWriter::WriteInteger(int32_t value)
{
    const auto v = static_cast<uint32_t>(value);
    const char bytes[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                           static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
    MakeRoom(FData, 4);
    FData.append(bytes, 4);
}

void TXLStreamWriter::WriteInt64(int64_t value)
{
    auto v = static_cast<uint64_t>(value);
    char bytes[8];
    for (char& b : bytes) {
        b = static_cast<char>(v & 0xFF);
        v >>= 8;
    }
    MakeRoom(FData, 8);
    FData.append(bytes, 8);
}

void TXLStreamWriter::WriteDouble(double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    WriteInt64(static_cast<int64_t>(bits));
}

void TXLStreamWriter::WriteString(const QString& text)
{
    const QByteArray bytes = Encode1251(text);
    if (bytes.size() > std::numeric_limits<int32_t>::max())
        throw ERAVazoError("Text too long for the sheet stream!");
    WriteInteger(static_cast<int32_t>(bytes.size()));
    MakeRoom(FData, bytes.size());
    FData.append(bytes);
}

void TXLStreamWriter::WriteShortString(QByteArrayView bytes)
{
    if (bytes.size() > 255)
        throw ERAVazoError("Name \"" + bytes.toByteArray().toStdString() + "\" too long for the sheet file!");
    WriteByte(static_cast<uint8_t>(bytes.size()));
    MakeRoom(FData, bytes.size());
    FData.append(bytes);
}

void TXLStreamWriter::WriteBytes(QByteArrayView bytes)
{
    MakeRoom(FData, bytes.size());
    FData.append(bytes);
}

void TXLStreamWriter::PatchInteger(int64_t pos, int32_t value)
{
    if (pos < 0 || pos + 4 > Position())
        throw ERAVazoError("Sheet stream placeholder out of range!");
    const auto v = static_cast<uint32_t>(value);
    char* p = FData.data() + pos;
    p[0] = static_cast<char>(v & 0xFF);
    p[1] = static_cast<char>((v >> 8) & 0xFF);
    p[2] = static_cast<char>((v >> 16) & 0xFF);
    p[3] = static_cast<char>(v >> 24);
}

void TXLStreamWriter::PatchRecord(int64_t start)
{
    const int64_t length = Position() - start;
    if (length > std::numeric_limits<int32_t>::max())
        throw ERAVazoError("Record too long for the sheet stream!");
    PatchInteger(start, static_cast<int32_t>(length));
}
