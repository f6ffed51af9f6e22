// TXLStreamReader: a bounded cursor over the bytes of a sheet stream or a
// sheet file. Every read checks the bytes left before it touches memory and
// fails with an ERAVazoError that names what was wrong and the byte offset;
// nothing is ever read beyond the current limit. A limit narrows the cursor
// to a part (a record, a binary property) and is lifted again by
// TLimitScope. Counts and indices read from the stream are checked against
// the bytes left and the model's limits before anyone loops or allocates on
// them. The reader does not own the bytes: they must outlive it.
#pragma once

// Texts of the stream are cp1251 (Decode1251, Encode1251).
#include "base/Cp1251.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <string>

class TXLLoadBudget;

class TXLStreamReader {
public:
    // origin is the offset of data[0] in the whole input and name what the
    // input is ("sheet stream", "sheet file"); both for messages.
    explicit TXLStreamReader(QByteArrayView data, int64_t origin = 0, const char* name = "sheet stream");
    // The reader only looks at the bytes: a temporary array would be gone.
    TXLStreamReader(QByteArray&& data, int64_t origin = 0, const char* name = "sheet stream") = delete;

    // Offset from the start of data; Remaining counts up to the limit.
    int64_t Position() const { return FPos; }
    int64_t Origin() const { return FOrigin; }
    const char* Name() const { return FName; }
    int64_t Limit() const { return FLimit; }
    int64_t Remaining() const { return FLimit - FPos; }
    bool AtEnd() const { return FPos >= FLimit; }
    // Moves to pos, which must lie between 0 and the limit.
    void Seek(int64_t pos);
    void Skip(int64_t count);

    uint8_t ReadByte();
    uint16_t ReadWord();
    int32_t ReadInteger();
    int64_t ReadInt64();
    double ReadDouble();
    // Integer n and n cp1251 bytes; n <= 0 is the empty string.
    QString ReadString();
    // Byte n and n bytes (names of classes and properties), as Latin-1.
    QByteArray ReadShortString();
    QByteArray ReadBytes(int64_t count);
    // The n bytes that follow, without copying; valid while the data lives.
    QByteArrayView PeekBytes(int64_t count) const;

    // An Integer count of items of at least itemBytes each, checked to lie
    // in 0..max and to fit into the bytes left.
    int ReadCount(int64_t itemBytes, int max, const char* what);
    // An Integer index in 0..max.
    int ReadIndex(int max, const char* what);

    // The budget every string read from now on is charged to (none: free).
    void SetBudget(TXLLoadBudget* budget) { FBudget = budget; }
    TXLLoadBudget* Budget() const { return FBudget; }

    // Fails at the current position.
    [[noreturn]] void Fail(const std::string& what) const;
    // Fails at offset pos (relative to the data).
    [[noreturn]] void FailAt(int64_t pos, const std::string& what) const;

    // Narrows the limit to pos + size for its lifetime (size must fit into
    // the bytes left); the old limit comes back at the end of the scope.
    class TLimitScope {
    public:
        TLimitScope(TXLStreamReader& reader, int64_t size);
        ~TLimitScope() { FReader.FLimit = FOldLimit; }
        TLimitScope(const TLimitScope&) = delete;
        TLimitScope& operator=(const TLimitScope&) = delete;

    private:
        TXLStreamReader& FReader;
        int64_t FOldLimit;
    };

private:
    // Fails unless count bytes are left.
    void Need(int64_t count, const char* what) const;

    QByteArrayView FData;
    int64_t FOrigin;
    const char* FName;
    int64_t FPos = 0;
    int64_t FLimit;
    TXLLoadBudget* FBudget = nullptr;
};
