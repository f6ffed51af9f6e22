#include "stream/XLStyleStream.h"

#include "StreamSamples.h"
#include "StreamTestSupport.h"
#include "sheet/TXLManager.h"

#include <gtest/gtest.h>

namespace {

using namespace StreamSamples;
using StreamTest::ExpectFailure;
using StreamTest::IntegerAt;

TEST(XLStyleStream, BaseStyleRecordHoldsEverythingInOrder)
{
    TXLSheet sheet;
    TXLBaseStyle& style = *sheet.GetBaseClientStyle();
    TXLStreamWriter w;
    WriteBaseStyle(w, style);
    const QByteArray& b = w.Data();
    EXPECT_EQ(IntegerAt(b, 0), b.size());
    EXPECT_EQ(static_cast<uint8_t>(b[4]) | (static_cast<uint8_t>(b[5]) << 8), 0x3FF);
    // Font: "Arial", charset, style, height, colour; then the class code
    // (TXLCString), editor 0 and format index 0 (the class's only format).
    EXPECT_EQ(IntegerAt(b, 6), 5);
    EXPECT_EQ(b.mid(10, 5), QByteArray("Arial"));
    EXPECT_EQ(IntegerAt(b, 27), static_cast<int32_t>(clWindowText));
    EXPECT_EQ(IntegerAt(b, 31), 946);
    EXPECT_EQ(IntegerAt(b, 35), 0);
    EXPECT_EQ(IntegerAt(b, 39), 0);
    EXPECT_EQ(IntegerAt(b, 43 + 4 * ciColor), static_cast<int32_t>(clWindow));
    EXPECT_EQ(IntegerAt(b, 43 + 48), static_cast<int32_t>(clRed));
    EXPECT_EQ(IntegerAt(b, 43 + 52), static_cast<int32_t>(clBtnFace));
    EXPECT_EQ(b.size(), 43 + 56);
}

TEST(XLStyleStream, BaseStyleRoundTripsAndADamagedOneKeepsItsValues)
{
    TXLSheet source;
    TXLBaseStyle& style = *source.GetBaseTitleStyle();
    style.SetCellClass(TXLCInteger::StaticClass());
    style.SetFormat(QStringLiteral("0|s"));
    style.SetEditor(0);
    style.GetFont()->SetName(QString::fromUtf8("Шрифт"));
    style.GetFont()->SetStyle({fsItalic, fsStrikeOut});
    style.SetColor(clTeal);
    style.SetBorder(sLeft, {slMedium, clBlue});
    style.SetLayout({haRight, vaTop, 12, wmEllipsis});
    style.SetErrorColor(clLime);
    TXLStreamWriter w;
    WriteBaseStyle(w, style);

    TXLSheet target;
    TXLBaseStyle& copy = *target.GetBaseTitleStyle();
    TXLStreamReader r(w.Data());
    EXPECT_TRUE(ReadBaseStyle(r, copy));
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(copy.GetCellClass(), TXLCInteger::StaticClass());
    EXPECT_EQ(copy.GetFormat(), QStringLiteral("0|s"));
    EXPECT_EQ(copy.GetFont()->GetName(), QString::fromUtf8("Шрифт"));
    EXPECT_TRUE(copy.GetFont()->GetStyle() == (TFontStyles{fsItalic, fsStrikeOut}));
    EXPECT_EQ(copy.GetColor(), clTeal);
    EXPECT_TRUE(copy.GetBorder(sLeft) == (TXLSideBorder{slMedium, clBlue}));
    EXPECT_EQ(copy.GetIndent(), 12);
    EXPECT_EQ(copy.GetErrorColor(), clLime);
    EXPECT_TRUE(copy.GetProps() == XLAllProps);
    TXLStreamWriter again;
    WriteBaseStyle(again, copy);
    EXPECT_EQ(again.Data(), w.Data());

    // A layout with an alignment that does not exist: the record is skipped.
    QByteArray damaged = w.Data();
    const qsizetype layout = damaged.size() - 8 - 4;
    StreamTest::PutIntegerAt(damaged, layout, 0x00090000);
    TXLSheet untouched;
    TXLStreamReader bad(damaged);
    EXPECT_FALSE(ReadBaseStyle(bad, *untouched.GetBaseTitleStyle()));
    EXPECT_TRUE(bad.AtEnd());
    EXPECT_EQ(untouched.GetBaseTitleStyle()->GetCellClass(), TXLCString::StaticClass());
    EXPECT_EQ(untouched.GetBaseTitleStyle()->GetHorzAlign(), haCenter);
}

TEST(XLStyleStream, BaseStyleWithoutAClassIsRefused)
{
    TXLStreamWriter w;
    w.WriteRecord([&] {
        w.WriteWord(1 << prControl);
        w.WriteInteger(0);  // no class
        w.WriteInteger(0);
        w.WriteInteger(-1);
        w.WriteString(QString());
        for (int i = 0; i < 14; ++i)
            w.WriteInteger(0);
    });
    TXLSheet sheet;
    TXLStreamReader r(w.Data());
    EXPECT_FALSE(ReadBaseStyle(r, *sheet.GetBaseClientStyle()));
    EXPECT_EQ(sheet.GetBaseClientStyle()->GetCellClass(), TXLCString::StaticClass());
}

TEST(XLStyleStream, StylesPropertyRoundTripsInOrderAndClearsModified)
{
    TXLStyler styler;
    FillStyler(styler);
    ASSERT_TRUE(styler.GetModified());
    const QByteArray bytes = SaveStylesToBytes(styler);
    EXPECT_FALSE(styler.GetModified());
    EXPECT_EQ(IntegerAt(bytes, 0), 2);

    TXLStyler copy;
    copy.Add(QStringLiteral("replaced"));
    LoadStylesFromBytes(copy, bytes);
    ASSERT_EQ(copy.GetStyleCount(), 2);
    EXPECT_FALSE(copy.GetModified());
    EXPECT_EQ(copy.GetStyleByIndex(0)->GetAlias(), QString::fromUtf8("Заголовок"));
    EXPECT_EQ(copy.GetStyleByIndex(0)->GetHorzAlign(), haCenter);
    EXPECT_TRUE(copy.GetStyleByIndex(0)->GetFont()->GetStyle().Contains(fsBold));
    EXPECT_EQ(copy.GetStyleByIndex(1)->GetCellClass(), TXLCDouble::StaticClass());
    EXPECT_EQ(copy.GetStyleByIndex(1)->GetFormat(), QStringLiteral("0.00"));
    EXPECT_TRUE(copy.GetStyleByIndex(1)->GetProps() == styler.GetStyleByIndex(1)->GetProps());
    EXPECT_EQ(SaveStylesToBytes(copy), bytes);
}

TEST(XLStyleStream, DamagedStylesPropertyLeavesTheStylerAsItWas)
{
    TXLStyler source;
    source.Add(QStringLiteral("same"));
    TXLStreamWriter twice;
    twice.WriteInteger(2);
    WriteStyleBody(twice, *source.GetStyleByIndex(0));
    WriteStyleBody(twice, *source.GetStyleByIndex(0));

    TXLStyler target;
    target.Add(QStringLiteral("kept"));
    ExpectFailure([&] { LoadStylesFromBytes(target, twice.Data()); }, "style named \"same\" appears twice");
    ExpectFailure([&] { LoadStylesFromBytes(target, twice.Data().first(40)); }, "style count 2 needs");
    QByteArray unknown = SaveStylesToBytes(source);
    unknown.append('x');
    ExpectFailure([&] { LoadStylesFromBytes(target, unknown); }, "1 bytes follow the styles");
    ASSERT_EQ(target.GetStyleCount(), 1);
    EXPECT_EQ(target.GetStyleByIndex(0)->GetAlias(), QStringLiteral("kept"));
}

TEST(XLStyleStream, PropertyBlockRefusesUnknownClassesFormatsAndBits)
{
    struct TCase {
        const char* Name;
        std::function<void(TXLStreamWriter&)> Block;
        const char* Message;
    };
    const TCase cases[] = {
        {"unknown property bit", [](TXLStreamWriter& w) { w.WriteWord(1 << 10); }, "property set 1024"},
        {"unknown class code",
         [](TXLStreamWriter& w) {
             w.WriteWord(1 << prControl);
             w.WriteInteger(7);
         },
         "cell class code 7 is not registered"},
        {"format index beyond the list",
         [](TXLStreamWriter& w) {
             w.WriteWord(1 << prControl);
             w.WriteInteger(1033);
             w.WriteInteger(0);
             w.WriteInteger(2);
         },
         "format index 2 lies outside the format list of TXLCInteger"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TXLStreamWriter w;
        c.Block(w);
        TXLStreamReader r(w.Data());
        ExpectFailure([&] { ReadPropertyBlock(r, true, nullptr); }, c.Message);
    }
}

}  // namespace
