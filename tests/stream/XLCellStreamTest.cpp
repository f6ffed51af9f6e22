#include "stream/XLCellStream.h"

#include "StreamSamples.h"
#include "StreamTestSupport.h"
#include "support/QtTestEnvironment.h"
#include "stream/TXLLoadBudget.h"
#include "stream/TXLStreamReader.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace StreamSamples;
using StreamTest::ExpectFailure;

QByteArray BodyOf(TXLCell& cell)
{
    TXLStreamWriter w;
    WriteCellBody(w, cell);
    return w.TakeData();
}

// The property block of a cell that holds only its value.
void ValueOnly(TXLStreamWriter& w)
{
    w.WriteWord(1 << prValue);
}

TEST(XLCellStream, EveryClassWritesItsParentsFieldsThenItsOwn)
{
    const TXLPicture bitmap = MakePicture(TXLPicture::BitmapClass, "BMP");
    struct TCase {
        const TXLCellClass* Class;
        std::function<void(TXLStreamWriter&)> Payload;
    };
    const TCase cases[] = {
        {TXLCString::StaticClass(), [](TXLStreamWriter& w) { w.WriteString(QString::fromUtf8("Давление, бар")); }},
        {TXLCStrings::StaticClass(),
         [](TXLStreamWriter& w) {
             w.WriteString(QString());
             w.WriteInteger(1);
             w.WriteString(QString::fromUtf8("bar\r\nкПа\r\nМПа\r\n"));
         }},
        {TXLCInteger::StaticClass(), [](TXLStreamWriter& w) { w.WriteInteger(-42); }},
        {TXLCDouble::StaticClass(), [](TXLStreamWriter& w) { w.WriteDouble(3.25); }},
        {TXLCCurrency::StaticClass(), [](TXLStreamWriter& w) { w.WriteInt64(12345678); }},
        {TXLCDateTime::StaticClass(), [](TXLStreamWriter& w) { w.WriteDouble(45000.75); }},
        {TXLCBoolean::StaticClass(), [](TXLStreamWriter& w) { w.WriteInteger(1); }},
        {TXLCPicture::StaticClass(),
         [&bitmap](TXLStreamWriter& w) {
             w.WriteByte(1);
             w.WriteShortString(QByteArray("TBitmap"));
             w.WriteInteger(static_cast<int32_t>(bitmap.GetData().size()));
             w.WriteBytes(bitmap.GetData());
         }},
        {TXLCUrl::StaticClass(), [](TXLStreamWriter& w) { w.WriteString(QStringLiteral("https://example.org/steam")); }},
        {TXLCGroup::StaticClass(),
         [](TXLStreamWriter& w) {
             for (const int v : {3, 1, 0, 1})
                 w.WriteInteger(v);
         }},
        {TXLCFormula::StaticClass(),
         [](TXLStreamWriter& w) {
             w.WriteDouble(7.0);
             w.WriteString(QStringLiteral("2*3.5"));
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Class->Name.toStdString());
        auto sheet = MakeOneCellSheet(c.Class);
        TXLStreamWriter expected;
        ValueOnly(expected);
        c.Payload(expected);
        EXPECT_EQ(BodyOf(*sheet->GetCell(0, 0)), expected.Data());
    }
}

TEST(XLCellStream, HintAndStyleIndexFollowTheBlockOnlyWhenHeld)
{
    TXLStyler styler;
    FillStyler(styler);
    TXLSheet sheet;
    sheet.SetStyler(&styler);
    TXLCell* cell = sheet.GetCell(0, 0);
    cell->SetHint(QString::fromUtf8("Подсказка"));
    cell->SetBasedOn(styler.GetStyleByIndex(1));
    TXLStreamWriter expected;
    expected.WriteWord((1 << prBasedOn) | (1 << prHint));
    expected.WriteString(QString::fromUtf8("Подсказка"));
    expected.WriteInteger(1);
    expected.WriteString(QString());
    EXPECT_EQ(BodyOf(*cell), expected.Data());

    // prBasedOn without a style is not written, nor is any index.
    TXLCell* plain = sheet.GetCell(1, 0);
    plain->SetProps({prBasedOn});
    TXLStreamWriter bare;
    bare.WriteWord(0);
    bare.WriteString(QString());
    EXPECT_EQ(BodyOf(*plain), bare.Data());
}

TEST(XLCellStream, ReadingSetsPropsAsReadAndHandsTheStyleIndexBack)
{
    TXLSheet source;
    TXLCell* cell = source.GetCell(0, 0);
    cell->SetString(QStringLiteral("x"));
    cell->GetFont()->SetSize(14);
    cell->SetHint(QStringLiteral("hint"));
    cell->SetFormat(QStringLiteral("LL"));
    TXLStreamWriter w;
    WriteCellBody(w, *cell);
    const TXLProps written = cell->GetProps();

    TXLSheet target;
    TXLCell* copy = target.GetCell(0, 0);
    TXLStreamReader r(w.Data());
    TXLLoadBudget budget;
    std::optional<int32_t> index;
    ReadCellBody(r, *copy, budget, index);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_FALSE(index.has_value());
    EXPECT_TRUE(copy->GetProps() == written);
    EXPECT_EQ(copy->GetFont()->GetSize(), 14);
    EXPECT_EQ(copy->GetHint(), QStringLiteral("hint"));
    EXPECT_EQ(copy->GetFormat(), QStringLiteral("LL"));
    EXPECT_EQ(copy->GetString(), QStringLiteral("x"));

    TXLStreamWriter styled;
    styled.WriteWord(1 << prBasedOn);
    styled.WriteInteger(3);
    styled.WriteString(QString());
    TXLCell* other = target.GetCell(1, 0);
    TXLStreamReader sr(styled.Data());
    ReadCellBody(sr, *other, budget, index);
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(other->GetProps().Contains(prBasedOn));
}

TEST(XLCellStream, ABodyThatBreaksOffKeepsWhatWasRead)
{
    TXLStreamWriter w;
    w.WriteWord((1 << prHint) | (1 << prValue));
    w.WriteString(QStringLiteral("read"));
    w.WriteByte(1);
    w.WriteShortString(QByteArray("TBitmap"));
    w.WriteInteger(4);
    w.WriteBytes("BMxx");
    TXLSheet sheet;
    sheet.SetCellClass(0, 0, TXLCPicture::StaticClass());
    TXLCell* cell = sheet.GetCell(0, 0);
    TXLStreamReader r(w.Data());
    TXLLoadBudget budget;
    std::optional<int32_t> index;
    ExpectFailure([&] { ReadCellBody(r, *cell, budget, index); }, "Invalid TBitmap data!");
    EXPECT_EQ(cell->GetHint(), QStringLiteral("read"));
    EXPECT_TRUE(cell->GetProps() == (TXLProps{prHint, prValue}));
    EXPECT_TRUE(static_cast<TXLCPicture*>(cell)->GetPicture()->IsEmpty());
}

TEST(XLCellStream, PicturesOfUnknownClassOrFlagAreRefused)
{
    struct TCase {
        const char* Name;
        QByteArray Block;
        const char* Message;
    };
    const TCase cases[] = {
        {"flag", QByteArray("\x02", 1), "picture flag 2"},
        {"class", QByteArray("\x01\x04TGif\x00\x00\x00\x00", 10), "Unsupported graphic class \"TGif\""},
        {"size", QByteArray("\x01\x07TBitmap\xff\xff\xff\xff", 13), "picture size -1"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TXLStreamWriter w;
        w.WriteWord(0);
        w.WriteBytes(c.Block);
        TXLSheet sheet;
        sheet.SetCellClass(0, 0, TXLCPicture::StaticClass());
        TXLStreamReader r(w.Data());
        TXLLoadBudget budget;
        std::optional<int32_t> index;
        ExpectFailure([&] { ReadCellBody(r, *sheet.GetCell(0, 0), budget, index); }, c.Message);
    }
}

}  // namespace
