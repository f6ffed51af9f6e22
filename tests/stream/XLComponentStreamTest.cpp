#include "stream/XLComponentStream.h"

#include "stream/TXLLoadBudget.h"

#include "StreamTestSupport.h"
#include "stream/TXLStreamReader.h"
#include "stream/TXLStreamWriter.h"

#include <gtest/gtest.h>

namespace {

using namespace XLStream;
using StreamTest::ExpectFailure;

TEST(XLComponentStream, IntegersTakeTheSmallestTagAndReadBack)
{
    struct TRow {
        int64_t Value;
        TValueTag Tag;
        int Bytes;
    };
    const TRow rows[] = {{0, vaInt8, 2},          {-128, vaInt8, 2},          {127, vaInt8, 2},
                         {128, vaInt16, 3},       {-32768, vaInt16, 3},       {32768, vaInt32, 5},
                         {-2147483648LL, vaInt32, 5}, {2147483648LL, vaInt64, 9}};
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Value);
        TXLStreamWriter w;
        WriteFilerInteger(w, row.Value);
        EXPECT_EQ(w.Data()[0], static_cast<char>(row.Tag));
        EXPECT_EQ(w.Data().size(), row.Bytes);
        const QByteArray bytes = w.Data();
        TXLStreamReader r(bytes);
        const TXLFilerValue value = ReadFilerValue(r);
        EXPECT_EQ(value.Integer, row.Value);
        EXPECT_TRUE(r.AtEnd());
    }
}

TEST(XLComponentStream, StringsOfEveryKindRead)
{
    const QString russian = QString::fromUtf8("Вода и пар");
    TXLStreamWriter w;
    WriteFilerString(w, russian);                               // vaString, cp1251
    WriteFilerString(w, QString(300, QChar(u'ж')));            // vaLString
    WriteFilerString(w, QString::fromUtf8("π ≈ 3.14"));        // vaUTF8String: no cp1251 for these
    w.WriteByte(vaWString);
    w.WriteInteger(2);
    w.WriteBytes(QByteArray("\x36\x04\x34\x04", 4));            // "жд" in UTF-16
    const QByteArray bytes = w.Data();
    EXPECT_EQ(bytes[0], static_cast<char>(vaString));
    TXLStreamReader r(bytes);
    EXPECT_EQ(ReadFilerValue(r).Text, russian);
    const TXLFilerValue longText = ReadFilerValue(r);
    EXPECT_EQ(longText.Tag, vaLString);
    EXPECT_EQ(longText.Text, QString(300, QChar(u'ж')));
    const TXLFilerValue utf8 = ReadFilerValue(r);
    EXPECT_EQ(utf8.Tag, vaUTF8String);
    EXPECT_EQ(utf8.Text, QString::fromUtf8("π ≈ 3.14"));
    EXPECT_EQ(ReadFilerValue(r).Text, QString::fromUtf8("жд"));
    EXPECT_TRUE(r.AtEnd());
}

TEST(XLComponentStream, TextsAndSetMembersAreChargedBeforeTheyAreMade)
{
    TXLStreamWriter w;
    WriteFilerString(w, QString(1000, QChar(u'ж')));
    WriteFilerString(w, QString::fromUtf8("π ≈ 3.14").repeated(100));
    w.WriteByte(vaWString);
    w.WriteInteger(1000);
    w.WriteBytes(QByteArray(2000, 'a'));
    WriteFilerSet(w, QList<QByteArray>(100, QByteArray("sRows")));
    const QByteArray bytes = w.Data();
    TXLStreamReader r(bytes);
    qsizetype at = 0;
    for (int value = 0; value < 4; ++value) {
        SCOPED_TRACE(value);
        // A budget too small for the value is spent without reading it ...
        TXLLoadBudget small(1000);
        EXPECT_THROW(ReadFilerValue(r, small), EXLLoadLimit);
        // ... and one that holds it reads it.
        r.Seek(at);
        TXLLoadBudget enough(100000);
        ReadFilerValue(r, enough);
        EXPECT_LT(enough.Left(), 100000 - 1000);
        at = r.Position();
    }
    EXPECT_TRUE(r.AtEnd());
}

TEST(XLComponentStream, SkippingStopsAtDamageAndDepth)
{
    TXLStreamWriter deep;
    for (int i = 0; i < 40; ++i)
        deep.WriteByte(vaList);
    for (int i = 0; i < 40; ++i)
        deep.WriteByte(vaNull);
    const QByteArray deepBytes = deep.Data();
    TXLStreamReader r(deepBytes);
    ExpectFailure([&] { SkipFilerValue(r); }, "values nest deeper than 32");

    const QByteArray endless("\x01\x02\x05\x02\x06", 5);  // a list that never ends
    TXLStreamReader open(endless);
    ExpectFailure([&] { SkipFilerValue(open); }, "runs past the end");

    const QByteArray wide("\x12\x10\x00\x00\x00" "ab", 7);
    TXLStreamReader wideReader(wide);
    ExpectFailure([&] { SkipFilerValue(wideReader); }, "wide string of 16 characters");
}

}  // namespace
