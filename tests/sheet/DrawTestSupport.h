// Rendering helpers for the drawing tests of cell values: a white canvas
// image with a painter and a TXLDraw record on it, and queries of where ink
// (any pixel that is not white) landed. Tests that use them need the GUI
// application of QtTestEnvironment.h.
#pragma once

#include "support/QtTestEnvironment.h"

#include "sheet/TXLDraw.h"

#include <QImage>
#include <QPainter>

#include <memory>

// A white image of the given size with a painter and a draw record whose
// canvas it is (12-pixel black Arial, scale 100, top-left layout).
class TDrawCanvas {
public:
    TDrawCanvas(int width, int height) : Image(width, height, QImage::Format_RGB32)
    {
        Image.fill(Qt::white);
        FPainter = std::make_unique<QPainter>(&Image);
        Draw.Canvas = FPainter.get();
        Draw.Font.SetHeight(-12);
        Draw.Font.SetColor(clBlack);
    }
    // Ends painting so the image can be read; further drawing restarts it.
    const QImage& Result()
    {
        FPainter.reset();
        Draw.Canvas = nullptr;
        return Image;
    }

    QImage Image;
    TXLDraw Draw;

private:
    std::unique_ptr<QPainter> FPainter;
};

inline bool IsInk(QRgb pixel)
{
    return qRed(pixel) < 255 || qGreen(pixel) < 255 || qBlue(pixel) < 255;
}

// Pixels that are nearly black (text, tick marks, lines).
inline bool IsDark(QRgb pixel)
{
    return qGray(pixel) < 80;
}

// The smallest rectangle holding every ink pixel inside area (empty: none).
inline QRect InkBounds(const QImage& image, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

inline int CountDark(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsDark(image.pixel(x, y)))
                ++count;
    return count;
}
