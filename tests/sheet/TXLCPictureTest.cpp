#include "sheet/TXLCPicture.h"
#include "sheet/TXLPicture.h"

#include "CellTestSupport.h"
#include "DrawTestSupport.h"
#include "base/ERAVazoError.h"
#include "sheet/TXLStrings.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QByteArray Encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes;
}

QImage Filled(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

class TXLPictureTest : public testing::Test {
protected:
    void SetUp() override
    {
        picture.OnChange = [this] { ++changes; };
    }

    TXLPicture picture;
    int changes = 0;
};

TEST_F(TXLPictureTest, JpegKeepsItsOriginalBytes)
{
    QImage image = Filled(16, 8, Qt::red);
    for (int x = 0; x < 8; ++x)
        image.setPixelColor(x, 3, Qt::blue);
    const QByteArray jpeg = Encode(image, "JPEG");
    picture.LoadFromData(QStringLiteral("TJPEGImage"), jpeg);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(picture.IsEmpty());
    EXPECT_EQ(picture.GetGraphicClass(), QStringLiteral("TJPEGImage"));
    EXPECT_EQ(picture.GetData(), jpeg);
    EXPECT_EQ(picture.GetWidth(), 16);
    EXPECT_EQ(picture.GetHeight(), 8);
    EXPECT_GT(picture.GetImage().pixelColor(12, 6).red(), 200);

    // Copies and assignments carry the same bytes, never a re-encoding.
    const TXLPicture copy(picture);
    EXPECT_EQ(copy.GetData(), jpeg);
    TXLPicture other;
    int otherChanges = 0;
    other.OnChange = [&otherChanges] { ++otherChanges; };
    other.Assign(copy);
    EXPECT_EQ(other.GetData(), jpeg);
    EXPECT_EQ(other.GetImage(), picture.GetImage());
    EXPECT_EQ(otherChanges, 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(TXLPictureTest, BitmapDecodesExactly)
{
    QImage image = Filled(3, 2, QColor(10, 20, 30));
    image.setPixelColor(2, 1, QColor(200, 100, 50));
    const QByteArray bmp = Encode(image, "BMP");
    picture.LoadFromData(QStringLiteral("TBitmap"), bmp);
    EXPECT_EQ(picture.GetData(), bmp);
    EXPECT_EQ(picture.GetImage().pixelColor(0, 0), QColor(10, 20, 30));
    EXPECT_EQ(picture.GetImage().pixelColor(2, 1), QColor(200, 100, 50));
    EXPECT_FALSE(picture.IsIcon());
}

TEST_F(TXLPictureTest, UnreadableDataLeavesThePictureAsItWas)
{
    const QByteArray bmp = Encode(Filled(4, 4, Qt::green), "BMP");
    picture.LoadFromData(QStringLiteral("TBitmap"), bmp);
    changes = 0;
    const QByteArray jpeg = Encode(Filled(4, 4, Qt::green), "JPEG");
    EXPECT_THROW(picture.LoadFromData(QStringLiteral("TJPEGImage"), QByteArray("not a picture")), ERAVazoError);
    EXPECT_THROW(picture.LoadFromData(QStringLiteral("TJPEGImage"), jpeg.left(20)), ERAVazoError);
    EXPECT_THROW(picture.LoadFromData(QStringLiteral("TMetafile"), bmp), ERAVazoError);
    EXPECT_THROW(picture.LoadFromData(QString(), bmp), ERAVazoError);
    EXPECT_THROW(picture.LoadFromData(QStringLiteral("TBitmap"), QByteArray()), ERAVazoError);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(picture.GetGraphicClass(), QStringLiteral("TBitmap"));
    EXPECT_EQ(picture.GetData(), bmp);
    EXPECT_EQ(picture.GetWidth(), 4);
}

TEST_F(TXLPictureTest, ForeignImagesBecomeBitmapsThatReadBackTheSame)
{
    QImage image = Filled(5, 3, QColor(1, 2, 3));
    image.setPixelColor(4, 2, QColor(250, 0, 0));
    picture.SetImage(image);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picture.GetGraphicClass(), QStringLiteral("TBitmap"));
    ASSERT_TRUE(picture.GetData().startsWith("BM"));
    TXLPicture reread;
    reread.LoadFromData(picture.GetGraphicClass(), picture.GetData());
    EXPECT_EQ(reread.GetImage().pixelColor(4, 2), QColor(250, 0, 0));
    EXPECT_EQ(reread.GetImage(), picture.GetImage());

    picture.SetImage(QImage());
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_TRUE(picture.GetData().isEmpty());
    EXPECT_TRUE(picture.GetImage().isNull());
    picture.Clear();
    EXPECT_EQ(changes, 3);
}

class TXLCPictureTest : public TCellTest {
protected:
    void SetUp() override
    {
        TCellTest::SetUp();
        blue.SetImage(Filled(20, 10, Qt::blue));
    }

    TXLPicture blue;
};

TEST_F(TXLCPictureTest, CellHoldsACopyAndEveryChangeIsAValueChange)
{
    TXLCPicture* cell = MakeCell<TXLCPicture>(1, 1);
    auto* own = dynamic_cast<TXLPicture*>(cell->GetObject());
    ASSERT_NE(own, nullptr);
    EXPECT_TRUE(own->IsEmpty());
    cell->SetObject(&blue);
    EXPECT_EQ(changes, 1);
    EXPECT_NE(cell->GetObject(), &blue);
    EXPECT_EQ(own->GetData(), blue.GetData());
    cell->SetObject(&blue);  // the same picture still counts
    EXPECT_EQ(changes, 2);
    own->Clear();  // a change of the picture itself
    EXPECT_EQ(changes, 3);
    EXPECT_TRUE(sheet.GetModified());
    cell->SetObject(&blue);
    cell->SetObject(nullptr);
    EXPECT_TRUE(own->IsEmpty());
    EXPECT_EQ(changes, 5);
    const TXLStrings strings(QStringList{QStringLiteral("a")});
    cell->SetObject(&strings);  // not a picture
    EXPECT_EQ(changes, 5);
}

TEST_F(TXLCPictureTest, HasNoValueAndNoText)
{
    TXLCPicture* cell = MakeCell<TXLCPicture>(1, 1);
    cell->SetObject(&blue);
    EXPECT_TRUE(cell->GetValue().IsEmpty());
    EXPECT_EQ(cell->GetText(), QString());
    changes = 0;
    cell->SetValue(Variant(3));  // only marks the change
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(cell->GetPicture()->IsEmpty());
    EXPECT_EQ(sheet.GetObject(1, 1), cell->GetPicture());
}

TEST_F(TXLCPictureTest, ValueAssignmentBetweenPictureCellsCopiesThePicture)
{
    TXLCPicture* source = MakeCell<TXLCPicture>(0, 0);
    source->SetObject(&blue);
    TXLCPicture* target = MakeCell<TXLCPicture>(0, 1);
    target->AssignProperty(*source, prValue, 0);
    EXPECT_EQ(target->GetPicture()->GetData(), blue.GetData());
    // Copying a sheet cell does the same.
    sheet.SetCell(2, 2, source);
    EXPECT_EQ(dynamic_cast<TXLPicture*>(sheet.GetObject(2, 2))->GetData(), blue.GetData());
}

TEST_F(TXLCPictureTest, ImageIsPlacedByTheWrapMode)
{
    struct TRow {
        TXLWrapMode Wrap;
        TXLHorzAlign Horz;
        TXLVertAlign Vert;
        int Scale;
        TRect Cell;
        QRect Target;
    };
    const TRect box = Rect(0, 0, 100, 80);
    const TRow rows[] = {
        {wmClip, haLeft, vaTop, 100, box, QRect(0, 0, 20, 10)},
        {wmClip, haRight, vaBottom, 100, box, QRect(80, 70, 20, 10)},
        {wmClip, haCenter, vaCenter, 200, box, QRect(30, 30, 40, 20)},
        {wmEllipsis, haLeft, vaTop, 100, box, QRect(0, 0, 100, 50)},
        {wmEllipsis, haCenter, vaCenter, 100, box, QRect(0, 15, 100, 50)},
        {wmEllipsis, haRight, vaBottom, 300, box, QRect(0, 30, 100, 50)},
        {wmEllipsis, haCenter, vaTop, 100, Rect(10, 10, 110, 30), QRect(40, 10, 40, 20)},  // fits by height
        {wmWrapWords, haCenter, vaCenter, 50, box, QRect(0, 0, 100, 80)},
    };
    TXLCPicture* cell = MakeCell<TXLCPicture>(0, 0);
    cell->SetObject(&blue);
    for (const TRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Wrap << " " << row.Horz << " " << row.Vert << " " << row.Scale);
        TDrawCanvas canvas(120, 100);
        canvas.Draw.WrapMode = row.Wrap;
        canvas.Draw.HorzAlign = row.Horz;
        canvas.Draw.VertAlign = row.Vert;
        canvas.Draw.Scale = row.Scale;
        cell->Draw(canvas.Draw, row.Cell);
        const QImage& image = canvas.Result();
        EXPECT_EQ(InkBounds(image), row.Target);
        EXPECT_EQ(image.pixelColor(row.Target.center()), QColor(Qt::blue));
    }
}

TEST_F(TXLCPictureTest, EmptyPictureDrawsNothing)
{
    TXLCPicture* cell = MakeCell<TXLCPicture>(0, 0);
    TDrawCanvas canvas(50, 50);
    canvas.Draw.WrapMode = wmWrapWords;
    cell->Draw(canvas.Draw, Rect(0, 0, 50, 50));
    EXPECT_TRUE(InkBounds(canvas.Result()).isEmpty());
}

TEST_F(TXLCPictureTest, RecommendsItsSizeOnlyWhenDrawnAtItsSize)
{
    TXLCPicture* cell = MakeCell<TXLCPicture>(0, 0);
    QImage device(10, 10, QImage::Format_RGB32);
    QPainter canvas(&device);
    EXPECT_EQ(cell->RecommendedSize(canvas), QSize(0, 0));
    cell->SetObject(&blue);
    cell->SetWrapMode(wmClip);
    cell->SetIndent(3);
    EXPECT_EQ(cell->RecommendedSize(canvas), QSize(23, 10));
    cell->SetWrapMode(wmEllipsis);
    EXPECT_EQ(cell->RecommendedSize(canvas), QSize(0, 0));
}

}  // namespace
