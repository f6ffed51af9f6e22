#include "sheet/TXLPicture.h"

#include "base/ERAVazoError.h"

#include <QBuffer>

namespace {

// The image format Qt reads for a graphic class, or null for an unknown one.
const char* FormatOf(const QString& graphicClass)
{
    if (graphicClass == QLatin1String(TXLPicture::JPEGClass))
        return "JPEG";
    if (graphicClass == QLatin1String(TXLPicture::BitmapClass))
        return "BMP";
    if (graphicClass == QLatin1String(TXLPicture::IconClass))
        return "ICO";
    return nullptr;
}

}  // namespace

TXLPicture::TXLPicture(const TXLPicture& other)
    : TXLObject(), FGraphicClass(other.FGraphicClass), FData(other.FData), FImage(other.FImage)
{
}

TXLPicture& TXLPicture::operator=(const TXLPicture& other)
{
    Assign(other);
    return *this;
}

void TXLPicture::Assign(const TXLPicture& source)
{
    if (&source != this) {
        FGraphicClass = source.FGraphicClass;
        FData = source.FData;
        FImage = source.FImage;
    }
    Changed();
}

void TXLPicture::Clear()
{
    FGraphicClass.clear();
    FData.clear();
    FImage = QImage();
    Changed();
}

void TXLPicture::LoadFromData(const QString& graphicClass, const QByteArray& data)
{
    const char* format = FormatOf(graphicClass);
    if (!format)
        throw ERAVazoError("Unsupported graphic class \"" + graphicClass.toStdString() + "\"!");
    QImage image = QImage::fromData(data, format);
    if (image.isNull())
        throw ERAVazoError("Invalid " + graphicClass.toStdString() + " data!");
    FGraphicClass = graphicClass;
    FData = data;
    FImage = std::move(image);
    Changed();
}

void TXLPicture::SetImage(const QImage& image)
{
    if (image.isNull()) {
        Clear();
        return;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        throw ERAVazoError("Cannot store the picture as a bitmap!");
    // Shown as it will be read back, so a saved sheet looks the same.
    QImage stored = QImage::fromData(bytes, "BMP");
    FGraphicClass = QLatin1String(BitmapClass);
    FData = std::move(bytes);
    FImage = stored.isNull() ? image : std::move(stored);
    Changed();
}

void TXLPicture::Changed()
{
    if (OnChange)
        OnChange();
}
