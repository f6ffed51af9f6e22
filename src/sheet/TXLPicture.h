// TXLPicture: the picture value of picture cells and of a sheet's
// background. It holds a graphic as the stream stores it: the graphic's
// class name ("TJPEGImage", "TBitmap", "TIcon"; empty for no graphic), the
// original file bytes (a JFIF stream, a BMP file, an ICO file), kept so that
// loading and saving loses nothing, and the decoded image used to draw and
// measure. Invariant: the class name is empty exactly when the bytes are,
// and a non-empty picture always has a decodable image. Every change
// (LoadFromData, SetImage, Assign, Clear) fires OnChange once. Owned by the
// cell or sheet that made it; copies take the value, not the callback.
#pragma once

#include "sheet/TXLObject.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

class TXLPicture : public TXLObject {
public:
    static constexpr const char* JPEGClass = "TJPEGImage";
    static constexpr const char* BitmapClass = "TBitmap";
    static constexpr const char* IconClass = "TIcon";

    TXLPicture() = default;
    TXLPicture(const TXLPicture& other);
    TXLPicture& operator=(const TXLPicture& other);

    // Copies the graphic of source.
    void Assign(const TXLPicture& source);
    // No graphic any more.
    void Clear();
    bool IsEmpty() const { return FGraphicClass.isEmpty(); }

    const QString& GetGraphicClass() const { return FGraphicClass; }
    const QByteArray& GetData() const { return FData; }
    const QImage& GetImage() const { return FImage; }
    int GetWidth() const { return FImage.width(); }
    int GetHeight() const { return FImage.height(); }
    // Icons are always drawn at their own size.
    bool IsIcon() const { return FGraphicClass == QLatin1String(IconClass); }

    // Takes the file image of a graphic of the named class. Raises
    // ERAVazoError for an unknown class or bytes that do not decode; the
    // picture is then unchanged.
    void LoadFromData(const QString& graphicClass, const QByteArray& data);
    // An image from elsewhere (the clipboard, a program): stored as a
    // bitmap whose bytes are a BMP file. A null image clears the picture.
    void SetImage(const QImage& image);

    std::function<void()> OnChange;

private:
    void Changed();

    QString FGraphicClass;
    QByteArray FData;
    QImage FImage;
};
