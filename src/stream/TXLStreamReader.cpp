#include "stream/TXLStreamReader.h"

#include "stream/TXLLoadBudget.h"

#include "base/ERAVazoError.h"


#include <cstring>

TXLStreamReader::TXLStreamReader(QByteArrayView data, int64_t origin, const char* name)
    : FData(data), FOrigin(origin), FName(name), FLimit(data.size())
{
}

void TXLStreamReader::FailAt(int64_t pos, const std::string& what) const
{
    throw ERAVazoError("Damaged " + std::string(FName) + " at byte " + std::to_string(FOrigin + pos) + ": " + what);
}

void TXLStreamReader::Fail(const std::string& what) const
{
    FailAt(FPos, what);
}

void TXLStreamReader::Need(int64_t count, const char* what) const
{
    if (count < 0 || count > Remaining())
        Fail(std::string(what) + " of " + std::to_string(count) + " bytes runs past the end (" +
             std::to_string(Remaining()) + " left)");
}

void TXLStreamReader::Seek(int64_t pos)
{
    if (pos < 0 || pos > FLimit)
        Fail("position " + std::to_string(FOrigin + pos) + " lies outside the data");
    FPos = pos;
}

void TXLStreamReader::Skip(int64_t count)
{
    Need(count, "skipped part");
    FPos += count;
}

uint8_t TXLStreamReader::ReadByte()
{
    Need(1, "byte");
    return static_cast<uint8_t>(FData[FPos++]);
}

uint16_t TXLStreamReader::ReadWord()
{
    Need(2, "word");
    const auto* p = reinterpret_cast<const uint8_t*>(FData.data() + FPos);
    FPos += 2;
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

int32_t TXLStreamReader::ReadInteger()
{
    Need(4, "integer");
    const auto* p = reinterpret_cast<const uint8_t*>(FData.data() + FPos);
    FPos += 4;
    const uint32_t value = uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
    return static_cast<int32_t>(value);
}

int64_t TXLStreamReader::ReadInt64()
{
    Need(8, "64-bit integer");
    const auto* p = reinterpret_cast<const uint8_t*>(FData.data() + FPos);
    FPos += 8;
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = (value << 8) | p[i];
    return static_cast<int64_t>(value);
}

double TXLStreamReader::ReadDouble()
{
    const auto bits = static_cast<uint64_t>(ReadInt64());
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QString TXLStreamReader::ReadString()
{
    const int32_t length = ReadInteger();
    if (length <= 0)
        return {};
    Need(length, "string");
    if (FBudget)
        FBudget->ChargeString(length, *this);
    const QString text = Decode1251(FData.sliced(FPos, length));
    FPos += length;
    return text;
}

QByteArray TXLStreamReader::ReadShortString()
{
    const int length = ReadByte();
    return ReadBytes(length);
}

QByteArray TXLStreamReader::ReadBytes(int64_t count)
{
    QByteArrayView view = PeekBytes(count);
    FPos += count;
    return view.toByteArray();
}

QByteArrayView TXLStreamReader::PeekBytes(int64_t count) const
{
    Need(count, "data");
    return FData.sliced(FPos, count);
}

int TXLStreamReader::ReadCount(int64_t itemBytes, int max, const char* what)
{
    const int64_t at = FPos;
    const int32_t count = ReadInteger();
    if (count < 0 || count > max)
        FailAt(at, std::string(what) + " count " + std::to_string(count) + " is outside 0.." + std::to_string(max));
    if (count * itemBytes > Remaining())
        FailAt(at, std::string(what) + " count " + std::to_string(count) + " needs " +
                       std::to_string(count * itemBytes) + " bytes, " + std::to_string(Remaining()) + " left");
    return count;
}

int TXLStreamReader::ReadIndex(int max, const char* what)
{
    const int64_t at = FPos;
    const int32_t index = ReadInteger();
    if (index < 0 || index > max)
        FailAt(at, std::string(what) + " " + std::to_string(index) + " is outside 0.." + std::to_string(max));
    return index;
}

TXLStreamReader::TLimitScope::TLimitScope(TXLStreamReader& reader, int64_t size)
    : FReader(reader), FOldLimit(reader.FLimit)
{
    reader.Need(size, "part");
    reader.FLimit = reader.FPos + size;
}
