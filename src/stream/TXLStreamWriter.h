// TXLStreamWriter: writes the primitives of the sheet stream into a byte
// array it owns, little-endian, texts in cp1251. The array is seekable, so a
// length-prefixed record is written as a placeholder that WriteRecord fills
// in once the body is done.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>

class TXLStreamWriter {
public:
    TXLStreamWriter() = default;

    const QByteArray& Data() const { return FData; }
    QByteArray TakeData() { return std::move(FData); }
    int64_t Position() const { return FData.size(); }

    void WriteByte(uint8_t value);
    void WriteWord(uint16_t value);
    void WriteInteger(int32_t value);
    void WriteInt64(int64_t value);
    void WriteDouble(double value);
    // Integer byte count and the cp1251 bytes (0 and nothing for "").
    void WriteString(const QString& text);
    // Byte count and the bytes; raises ERAVazoError beyond 255 bytes.
    void WriteShortString(QByteArrayView bytes);
    void WriteBytes(QByteArrayView bytes);
    // Overwrites the Integer at pos (an earlier placeholder).
    void PatchInteger(int64_t pos, int32_t value);

    // Integer L, then body(), then L set to the length of the whole record.
    template <class F>
    void WriteRecord(F&& body)
    {
        const int64_t start = Position();
        WriteInteger(0);
        body();
        PatchRecord(start);
    }

private:
    void PatchRecord(int64_t start);

    QByteArray FData;
};
