#include "sheet/TXLDraw.h"

#include "CellTestSupport.h"
#include "DrawTestSupport.h"
#include "sheet/TXLCDouble.h"
#include "sheet/XLColor.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

// Text drawn into the cell rectangle (20, 10)-(180, 50) of a 200 x 60 canvas.
class TXLDrawTest : public testing::Test {
protected:
    QImage Render(const QString& text, TXLHorzAlign horz = haLeft, TXLVertAlign vert = vaTop,
                  TXLWrapMode wrap = wmClip, TRect rect = Rect(20, 10, 180, 50))
    {
        TDrawCanvas canvas(200, 60);
        canvas.Draw.HorzAlign = horz;
        canvas.Draw.VertAlign = vert;
        canvas.Draw.WrapMode = wrap;
        XLDrawText(canvas.Draw, rect, text);
        return canvas.Result();
    }
    int LineHeight()
    {
        TXLFont font;
        font.SetHeight(-12);
        return QFontMetrics(font.ToQFont()).height();
    }
};

TEST_F(TXLDrawTest, HorizontalAlignmentPutsTheInkLeftRightOrCentred)
{
    const QRect left = InkBounds(Render(QStringLiteral("Water"), haLeft));
    const QRect right = InkBounds(Render(QStringLiteral("Water"), haRight));
    const QRect centre = InkBounds(Render(QStringLiteral("Water"), haCenter));
    ASSERT_FALSE(left.isEmpty());
    EXPECT_LE(std::abs(left.left() - 20), 2);
    EXPECT_LE(std::abs(right.right() + 1 - 180), 2);
    EXPECT_LE(std::abs(centre.center().x() - 100), 2);
    EXPECT_EQ(left.width(), right.width());
}

TEST_F(TXLDrawTest, VerticalPlacementMeasuresTheTextFirst)
{
    const QRect top = InkBounds(Render(QStringLiteral("Steam"), haLeft, vaTop));
    const QRect bottom = InkBounds(Render(QStringLiteral("Steam"), haLeft, vaBottom));
    const QRect centre = InkBounds(Render(QStringLiteral("Steam"), haLeft, vaCenter));
    // Line boxes at 10, 50 - h and (60 - h) / 2; the ink keeps its offset in them.
    const int h = LineHeight();
    EXPECT_EQ(bottom.top() - top.top(), 50 - h - 10);
    EXPECT_EQ(centre.top() - top.top(), (60 - h) / 2 - 10);
    // Two lines sit higher at the bottom by one line.
    const QRect twoLines = InkBounds(Render(QStringLiteral("Steam\r\nSteam"), haLeft, vaBottom));
    EXPECT_EQ(twoLines.bottom(), bottom.bottom());
    EXPECT_EQ(twoLines.top(), bottom.top() - h);
}

TEST_F(TXLDrawTest, TextIsNotClippedByTheCall)
{
    const QString text = QStringLiteral("Saturation temperature");
    const TRect narrow = Rect(20, 10, 60, 50);
    EXPECT_GT(InkBounds(Render(text, haLeft, vaTop, wmClip, narrow)).right(), 70);
    EXPECT_LT(InkBounds(Render(text, haRight, vaTop, wmClip, narrow)).left(), 10);
}

TEST_F(TXLDrawTest, EllipsisShortensOnlyTooLongLines)
{
    const QString text = QStringLiteral("Saturation temperature");
    const TRect narrow = Rect(20, 10, 80, 50);
    const QRect elided = InkBounds(Render(text, haLeft, vaTop, wmEllipsis, narrow));
    EXPECT_LE(elided.right(), 80);
    EXPECT_GT(elided.right(), 60);
    EXPECT_EQ(Render(QStringLiteral("T"), haLeft, vaTop, wmEllipsis, narrow),
              Render(QStringLiteral("T"), haLeft, vaTop, wmClip, narrow));
    // Each line is shortened on its own.
    const QRect lines = InkBounds(Render(text + "\n" + text, haLeft, vaTop, wmEllipsis, narrow));
    EXPECT_LE(lines.right(), 80);
    EXPECT_GT(lines.height(), LineHeight());
}

TEST_F(TXLDrawTest, WordWrapBreaksBetweenWords)
{
    const QString text = QStringLiteral("dry saturated steam");
    const TRect narrow = Rect(20, 0, 90, 60);
    const QRect wrapped = InkBounds(Render(text, haLeft, vaTop, wmWrapWords, narrow));
    EXPECT_LE(wrapped.right(), 90);
    EXPECT_GT(wrapped.height(), LineHeight());
    EXPECT_LT(InkBounds(Render(text, haLeft, vaTop, wmClip, narrow)).height(), LineHeight());
}

TEST_F(TXLDrawTest, TabsExpandAndAmpersandsStay)
{
    const int plain = InkBounds(Render(QStringLiteral("a b"))).width();
    EXPECT_GT(InkBounds(Render(QStringLiteral("a\tb"))).width(), plain + 10);
    EXPECT_GT(InkBounds(Render(QStringLiteral("&&b"))).width(), InkBounds(Render(QStringLiteral("&b"))).width());
    EXPECT_GT(InkBounds(Render(QStringLiteral("&b"))).width(), InkBounds(Render(QStringLiteral("b"))).width());
}

TEST_F(TXLDrawTest, TextTakesTheFontColour)
{
    TDrawCanvas canvas(100, 30);
    canvas.Draw.Font.SetColor(clRed);
    XLDrawText(canvas.Draw, Rect(0, 0, 100, 30), QStringLiteral("IIII"));
    const QImage image = canvas.Result();
    const QRect ink = InkBounds(image);
    ASSERT_FALSE(ink.isEmpty());
    bool red = false;
    for (int x = ink.left(); x <= ink.right(); ++x)
        for (int y = ink.top(); y <= ink.bottom(); ++y) {
            const QColor c = image.pixelColor(x, y);
            red = red || (c.red() > 200 && c.green() < 60 && c.blue() < 60);
            EXPECT_GE(c.red(), c.green());
        }
    EXPECT_TRUE(red);
}

class TXLValueDrawTest : public TCellTest {};

TEST_F(TXLValueDrawTest, ValuesDrawTheirDisplayText)
{
    TXLCell* cell = MakeCell<TXLCDouble>(0, 0);
    cell->SetFormat(QStringLiteral("0.00"));
    cell->SetDouble(2.5);
    TDrawCanvas drawn(120, 30);
    drawn.Draw.HorzAlign = haRight;
    cell->Draw(drawn.Draw, Rect(0, 0, 120, 30));
    TDrawCanvas expected(120, 30);
    expected.Draw.HorzAlign = haRight;
    XLDrawText(expected.Draw, Rect(0, 0, 120, 30), cell->GetText());
    const QImage image = drawn.Result();
    EXPECT_FALSE(InkBounds(image).isEmpty());
    EXPECT_EQ(image, expected.Result());

    TXLCell* empty = sheet.GetCell(1, 1);
    TDrawCanvas blank(120, 30);
    empty->Draw(blank.Draw, Rect(0, 0, 120, 30));
    EXPECT_TRUE(InkBounds(blank.Result()).isEmpty());
}

TEST(XLColorTest, ExplicitAndSystemColours)
{
    struct TRow {
        TColor Color;
        QColor Expected;
    };
    const TRow rows[] = {
        {clRed, QColor(255, 0, 0)},
        {0x00112233, QColor(0x33, 0x22, 0x11)},
        {0x02112233, QColor(0x33, 0x22, 0x11)},
        {clWindow, QColor(255, 255, 255)},
        {clWindowText, QColor(0, 0, 0)},
        {clBtnFace, QColor(0xD4, 0xD0, 0xC8)},
        {clInfoBk, QColor(0xFF, 0xFF, 0xE1)},
        {clNone, QColor()},
        {0x80000019, QColor()},
        {0x81000005, QColor()},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(testing::Message() << std::hex << row.Color);
        EXPECT_EQ(ColorToQColor(row.Color), row.Expected);
    }
}

}  // namespace
