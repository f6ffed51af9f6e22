#include "sheet/TXLCPicture.h"

#include "sheet/TXLDraw.h"

#include <QPainter>

const TXLCellClass* TXLCPicture::StaticClass()
{
    static const TXLCellClass cellClass{QStringLiteral("TXLCPicture"), &XLMakeCell<TXLCPicture>,
                                        TXLCell::StaticClass()};
    return &cellClass;
}

const TXLCellClass* TXLCPicture::ClassType() const
{
    return StaticClass();
}

TXLObject* TXLCPicture::GetObject()
{
    return FPicture.get();
}

void TXLCPicture::SetObject(const TXLObject* value)
{
    if (!FPicture)
        return;
    if (!value) {
        FPicture->Clear();
        return;
    }
    if (const auto* picture = dynamic_cast<const TXLPicture*>(value))
        FPicture->Assign(*picture);
}

void TXLCPicture::Init()
{
    TXLCell::Init();
    if (!FPicture)
        FPicture = std::make_unique<TXLPicture>();
    FPicture->OnChange = [this] { Changed(); };
}

void TXLCPicture::Done()
{
    FPicture.reset();
    TXLCell::Done();
}

TRect TXLCPicture::ImageRect(const TXLDraw& draw, const TRect& rect) const
{
    if (!FPicture || FPicture->GetImage().isNull())
        return {};
    const int64_t width = FPicture->GetWidth();
    const int64_t height = FPicture->GetHeight();
    switch (FPicture->IsIcon() ? wmClip : draw.WrapMode) {
    case wmClip:
        return XLPlaceRect(rect, static_cast<int>(width * draw.Scale / 100), static_cast<int>(height * draw.Scale / 100),
                           draw.HorzAlign, draw.VertAlign);
    case wmEllipsis: {
        if (rect.IsEmpty())
            return {};
        // The side that limits first takes the whole cell; the other keeps
        // the image's proportions.
        const int64_t cellWidth = rect.Width();
        const int64_t cellHeight = rect.Height();
        if (cellWidth * height <= cellHeight * width)
            return XLPlaceRect(rect, rect.Width(), static_cast<int>(cellWidth * height / width), draw.HorzAlign,
                               draw.VertAlign);
        return XLPlaceRect(rect, static_cast<int>(cellHeight * width / height), rect.Height(), draw.HorzAlign,
                           draw.VertAlign);
    }
    case wmWrapWords:
        break;
    }
    return rect;
}

void TXLCPicture::Draw(const TXLDraw& draw, const TRect& rect)
{
    const TRect target = ImageRect(draw, rect);
    if (!draw.Canvas || target.IsEmpty())
        return;
    draw.Canvas->drawImage(ToQRect(target), FPicture->GetImage());
}

QSize TXLCPicture::RecommendedSize(QPainter& canvas)
{
    (void)canvas;
    if (!FPicture || FPicture->GetImage().isNull() || GetWrapMode() != wmClip)
        return {0, 0};
    return {FPicture->GetWidth() + GetIndent(), FPicture->GetHeight()};
}
