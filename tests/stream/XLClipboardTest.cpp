#include "stream/XLClipboard.h"

#include "StreamSamples.h"
#include "StreamTestSupport.h"
#include "sheet/TXLRange.h"
#include "sheet/TXLUnion.h"
#include "stream/XLSheetFile.h"
#include "support/QtTestEnvironment.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

namespace {

using namespace StreamSamples;
using StreamTest::ExpectFailure;

// A 6 x 6 source: a merged text at (1, 1)-(2, 1), an integer at (3, 2)
// with a bottom line and a colour, an empty coloured position at (1, 2).
class XLClipboardTest : public testing::Test {
protected:
    void SetUp() override
    {
        source.SetColCount(6);
        source.SetRowCount(6);
        source.SetString(1, 1, QString::fromUtf8("Температура"));
        source.GetCell(1, 1)->SetBounds(Rect(0, 0, 2, 1));
        source.SetInteger(3, 2, 42);
        source.GetCell(3, 2)->SetFormat(QStringLiteral("0|s"));
        source.GetCell(3, 2)->SetBorder(sBottom, {slSingle, clBlack});
        source.GetCell(3, 2)->SetColor(clYellow);
        source.GetSection(sClient)->SetAreaInfo(Rect(1, 2, 2, 3), ciColor, clAqua);
        dest.SetColCount(8);
        dest.SetRowCount(8);
    }

    TXLSheet source;
    TXLSheet dest;
};

TEST_F(XLClipboardTest, RangeSheetHoldsTheRangeAtItsOrigin)
{
    TXLRange range(&source, Rect(1, 1, 4, 3));
    const auto sheet = MakeRangeSheet(range);
    EXPECT_EQ(sheet->GetExtents(), Rect(0, 0, 3, 2));
    EXPECT_EQ(sheet->GetString(0, 0), QString::fromUtf8("Температура"));
    ASSERT_EQ(sheet->GetSection(sClient)->GetUnionCount(), 1);
    EXPECT_EQ(sheet->GetSection(sClient)->GetUnion(0)->GetBounds(), Rect(0, 0, 2, 1));
    EXPECT_EQ(sheet->GetInteger(2, 1), 42);
    EXPECT_EQ(sheet->GetCell(2, 1)->GetFormat(), QStringLiteral("0|s"));
    EXPECT_EQ(sheet->GetCell(2, 1)->GetColor(), clYellow);
    EXPECT_TRUE(sheet->GetCell(2, 1)->GetBorder(sBottom) == (TXLSideBorder{slSingle, clBlack}));
    EXPECT_EQ(sheet->GetPeekCell(0, 1), nullptr);
    bool uniform = false;
    EXPECT_EQ(sheet->GetSection(sClient)->GetAreaInfo(Rect(0, 1, 1, 2), ciColor, uniform), clAqua);
}

TEST_F(XLClipboardTest, PastingTheMimeDataReproducesTheRangeAtTheTarget)
{
    TXLRange copied(&source, Rect(1, 1, 4, 3));
    const auto mime = MakeRangeMimeData(copied);
    ASSERT_TRUE(mime->hasFormat(QStringLiteral("application/x-calorix-sheet")));
    EXPECT_EQ(ComponentClassName(mime->data(QStringLiteral("application/x-calorix-sheet"))), QByteArray("TXLSheet"));

    dest.SetString(5, 5, QStringLiteral("old"));
    TXLRange target(&dest, Rect(3, 4, 4, 5));
    PasteMimeData(target, *mime, {});
    EXPECT_EQ(target.GetBounds(), Rect(3, 4, 6, 6));
    EXPECT_EQ(dest.GetString(3, 4), QString::fromUtf8("Температура"));
    EXPECT_EQ(dest.GetPeekCell(4, 4), dest.GetCell(3, 4));
    EXPECT_EQ(dest.GetInteger(5, 5), 42);
    EXPECT_EQ(dest.GetCell(5, 5)->GetColor(), clYellow);
    EXPECT_EQ(dest.GetCell(3, 5)->GetColor(), clAqua);
}

TEST_F(XLClipboardTest, ValuesOnlyAndReadOnlyPositions)
{
    TXLRange copied(&source, Rect(3, 2, 4, 3));
    const auto mime = MakeRangeMimeData(copied);
    dest.GetCell(0, 0)->SetColor(clRed);
    TXLRange target(&dest, Rect(0, 0, 1, 1));
    PasteMimeData(target, *mime, {piFormatting});
    EXPECT_EQ(dest.GetInteger(0, 0), 42);
    EXPECT_EQ(dest.GetCell(0, 0)->GetColor(), clRed);
    EXPECT_NE(dest.GetCell(0, 0)->GetFormat(), QStringLiteral("0|s"));

    dest.SetString(2, 2, QStringLiteral("protected"));
    dest.GetCell(2, 2)->SetStyles({csReadOnly});
    TXLRange guarded(&dest, Rect(2, 2, 3, 3));
    PasteMimeData(guarded, *mime, {});
    EXPECT_EQ(dest.GetString(2, 2), QStringLiteral("protected"));
    EXPECT_EQ(dest.GetCell(2, 2)->GetColor(), clYellow);
    PasteMimeData(guarded, *mime, {piReadOnly});
    EXPECT_EQ(dest.GetInteger(2, 2), 42);
}

TEST_F(XLClipboardTest, OutsideTheSectionNothingIsPasted)
{
    TXLRange copied(&source, Rect(1, 1, 4, 3));
    TXLRange far(&dest, Rect(20, 20, 21, 21));
    PasteMimeData(far, *MakeRangeMimeData(copied), {});
    EXPECT_EQ(far.GetBounds(), Rect(20, 20, 21, 21));
    // At the edge only what lies inside arrives.
    TXLRange edge(&dest, Rect(6, 7, 7, 8));
    PasteMimeData(edge, *MakeRangeMimeData(copied), {});
    EXPECT_EQ(dest.GetString(6, 7), QString::fromUtf8("Температура"));
    EXPECT_EQ(dest.GetPeekCell(8, 8), nullptr);
}

TEST_F(XLClipboardTest, PicturesPasteIntoAMergedPictureCell)
{
    QMimeData mime;
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::green);
    mime.setImageData(image);
    TXLRange target(&dest, Rect(1, 1, 3, 3));
    EXPECT_TRUE(CanPasteMimeData(&mime, {}));
    EXPECT_FALSE(CanPasteMimeData(&mime, {piGraphics}));
    PasteMimeData(target, mime, {});
    EXPECT_EQ(dest.GetCellClass(1, 1), TXLCPicture::StaticClass());
    const auto* picture = static_cast<TXLPicture*>(dest.GetObject(1, 1));
    EXPECT_EQ(picture->GetGraphicClass(), QStringLiteral("TBitmap"));
    EXPECT_EQ(picture->GetWidth(), 3);
    EXPECT_EQ(dest.GetPeekCell(2, 2), dest.GetCell(1, 1));
}

TEST_F(XLClipboardTest, OtherComponentsAreRefused)
{
    QMimeData mime;
    QByteArray bytes = SaveSheetToBytes(source);
    bytes.replace(5, 8, "TXLStylr");
    mime.setData(QStringLiteral("application/x-calorix-sheet"), bytes);
    TXLRange target(&dest, Rect(0, 0, 1, 1));
    ExpectFailure([&] { PasteMimeData(target, mime, {}); }, "Cannot paste \"TXLStylr\" component class!");
}

TEST_F(XLClipboardTest, CopyCutAndPasteThroughTheClipboard)
{
    ASSERT_NE(QGuiApplication::clipboard(), nullptr);
    TXLRange copied(&source, Rect(3, 2, 4, 3));
    CutRange(copied);
    EXPECT_EQ(source.GetPeekCell(3, 2), nullptr);
    EXPECT_TRUE(CanPasteRange({}));
    TXLRange target(&dest, Rect(0, 0, 1, 1));
    PasteRange(target, {});
    EXPECT_EQ(dest.GetInteger(0, 0), 42);
}

}  // namespace
