#include "stream/TXLStreamReader.h"

#include "StreamTestSupport.h"
#include "stream/TXLLoadBudget.h"
#include "stream/TXLStreamWriter.h"
#include "stream/XLPropertyStream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

using StreamTest::ExpectFailure;

TEST(TXLStreamPrimitives, NumbersAreLittleEndian)
{
    TXLStreamWriter w;
    w.WriteByte(0xAB);
    w.WriteWord(0x0102);
    w.WriteInteger(0x01020304);
    w.WriteInteger(-2);
    w.WriteInt64(0x0102030405060708);
    w.WriteDouble(1.0);
    const QByteArray expected("\xAB\x02\x01\x04\x03\x02\x01\xFE\xFF\xFF\xFF\x08\x07\x06\x05\x04\x03\x02\x01"
                              "\x00\x00\x00\x00\x00\x00\xF0\x3F",
                              27);
    EXPECT_EQ(w.Data(), expected);
}

TEST(TXLStreamPrimitives, ValuesRoundTrip)
{
    const int32_t integers[] = {0, 1, -1, 946, std::numeric_limits<int32_t>::min(),
                                std::numeric_limits<int32_t>::max()};
    const int64_t currencies[] = {0, -1, 12345678, std::numeric_limits<int64_t>::min(),
                                  std::numeric_limits<int64_t>::max()};
    const double doubles[] = {0.0, -0.0, 45000.75, -1e308, 5e-324, std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN()};
    TXLStreamWriter w;
    for (const int32_t v : integers)
        w.WriteInteger(v);
    for (const int64_t v : currencies)
        w.WriteInt64(v);
    for (const double v : doubles)
        w.WriteDouble(v);
    TXLStreamReader r(w.Data());
    for (const int32_t v : integers)
        EXPECT_EQ(r.ReadInteger(), v);
    for (const int64_t v : currencies)
        EXPECT_EQ(r.ReadInt64(), v);
    for (const double v : doubles) {
        const double read = r.ReadDouble();
        EXPECT_EQ(std::memcmp(&read, &v, sizeof v), 0) << v;
    }
    EXPECT_TRUE(r.AtEnd());
}

TEST(TXLStreamPrimitives, StringsAreCountedCp1251)
{
    TXLStreamWriter w;
    w.WriteString(QString::fromUtf8("Давление"));
    w.WriteString(QString());
    EXPECT_EQ(w.Data(), QByteArray("\x08\x00\x00\x00\xC4\xE0\xE2\xEB\xE5\xED\xE8\xE5\x00\x00\x00\x00", 16));

    const QString texts[] = {QString::fromUtf8("Энтальпия, кДж/кг"), QString::fromUtf8("«т/ч» №5 — ёЁ"),
                             QStringLiteral("plain ASCII"), QString()};
    TXLStreamWriter all;
    for (const QString& t : texts)
        all.WriteString(t);
    TXLStreamReader r(all.Data());
    for (const QString& t : texts)
        EXPECT_EQ(r.ReadString(), t);

    // A count of zero or less is the empty string with nothing after it.
    const QByteArray negativeBytes("\xFB\xFF\xFF\xFFrest", 8);
    TXLStreamReader negative(negativeBytes);
    EXPECT_EQ(negative.ReadString(), QString());
    EXPECT_EQ(negative.Remaining(), 4);

    bool lossless = true;
    Encode1251(QStringLiteral("π"), &lossless);
    EXPECT_FALSE(lossless);
}

TEST(TXLStreamPrimitives, ReadsPastTheEndFailWithTheOffsetAndMoveNothing)
{
    const QByteArray three("\x01\x02\x03", 3);
    TXLStreamReader r(three);
    r.ReadByte();
    ExpectFailure([&] { r.ReadInteger(); }, "at byte 1: integer of 4 bytes runs past the end (2 left)");
    EXPECT_EQ(r.Position(), 1);
    ExpectFailure([&] { r.ReadDouble(); }, "64-bit integer");
    ExpectFailure([&] { r.ReadBytes(3); }, "data of 3 bytes");
    ExpectFailure([&] { r.Skip(-1); }, "skipped part of -1 bytes");
    ExpectFailure([&] { r.Seek(4); }, "position 4 lies outside");

    const QByteArray lyingBytes("\x10\x00\x00\x00" "abc", 7);
    TXLStreamReader lying(lyingBytes, 100);
    ExpectFailure([&] { lying.ReadString(); }, "at byte 104: string of 16 bytes");
}

TEST(TXLStreamPrimitives, CountsAndIndicesAreCheckedAgainstLimitsAndBytesLeft)
{
    TXLStreamWriter w;
    w.WriteInteger(3);
    w.WriteInteger(-1);
    w.WriteInteger(11);
    w.WriteInteger(2);
    w.WriteInteger(7);
    TXLStreamReader r(w.Data());
    EXPECT_EQ(r.ReadCount(4, 10, "item"), 3);
    ExpectFailure([&] { r.ReadCount(4, 10, "item"); }, "item count -1 is outside 0..10");
    ExpectFailure([&] { r.ReadCount(1, 10, "item"); }, "item count 11 is outside");
    ExpectFailure([&] { r.ReadCount(8, 10, "item"); }, "item count 2 needs 16 bytes, 4 left");
    ExpectFailure([&] { r.ReadIndex(6, "slot"); }, "slot 7 is outside 0..6");
}

TEST(TXLStreamPrimitives, LimitScopeNarrowsTheCursorAndRestoresIt)
{
    const QByteArray letters("abcdefgh");
    TXLStreamReader r(letters);
    r.Skip(2);
    {
        TXLStreamReader::TLimitScope scope(r, 3);
        EXPECT_EQ(r.Remaining(), 3);
        EXPECT_EQ(r.ReadBytes(3), QByteArray("cde"));
        ExpectFailure([&] { r.ReadByte(); }, "at byte 5");
    }
    EXPECT_EQ(r.Remaining(), 3);
    ExpectFailure([&] { TXLStreamReader::TLimitScope scope(r, 4); }, "part of 4 bytes");
}

TEST(TXLStreamRecords, LengthCoversTheWholeRecord)
{
    TXLStreamWriter w;
    w.WriteRecord([&] { w.WriteInteger(7); });
    EXPECT_EQ(StreamTest::IntegerAt(w.Data(), 0), 8);
}

TEST(TXLStreamRecords, ReaderEndsAtTheRecordEndAndSwallowsBodyErrors)
{
    TXLStreamWriter w;
    w.WriteRecord([&] {
        w.WriteInteger(1);
        w.WriteInteger(2);  // appended by a newer writer
    });
    w.WriteRecord([&] { w.WriteWord(9); });
    w.WriteInteger(42);
    TXLStreamReader r(w.Data());
    int32_t first = 0;
    EXPECT_TRUE(ReadRecord(r, [&] { first = r.ReadInteger(); }));
    EXPECT_EQ(first, 1);
    EXPECT_EQ(r.Position(), 12);
    // The body reads past its record: the error stays inside.
    EXPECT_FALSE(ReadRecord(r, [&] { r.ReadInteger(); }));
    EXPECT_EQ(r.ReadInteger(), 42);
}

TEST(TXLStreamRecords, ASpentBudgetIsNotSwallowed)
{
    TXLStreamWriter w;
    w.WriteRecord([&] { w.WriteInteger(0); });
    TXLStreamReader r(w.Data());
    TXLLoadBudget budget(100);
    EXPECT_THROW(ReadRecord(r, [&] { budget.Charge(101, r); }), EXLLoadLimit);
}

TEST(TXLStreamRecords, LyingLengthsStopTheReader)
{
    for (const int32_t length : {3, 0, -4, 13}) {
        SCOPED_TRACE(length);
        TXLStreamWriter w;
        w.WriteInteger(length);
        w.WriteInteger(0);
        w.WriteInteger(0);
        TXLStreamReader r(w.Data());
        ExpectFailure([&] { ReadRecord(r, [] {}); }, "at byte 0: record length " + std::to_string(length));
    }
}

}  // namespace
