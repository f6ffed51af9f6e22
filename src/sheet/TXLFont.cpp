#include "sheet/TXLFont.h"

#include <cmath>
#include <cstdlib>

TXLFont::TXLFont(const TXLFont& other)
    : FName(other.FName), FCharset(other.FCharset), FStyle(other.FStyle), FHeight(other.FHeight),
      FColor(other.FColor), FPixelsPerInch(other.FPixelsPerInch)
{
}

TXLFont& TXLFont::operator=(const TXLFont& other)
{
    Assign(other);
    return *this;
}

void TXLFont::Changed()
{
    if (OnChange)
        OnChange();
}

void TXLFont::Assign(const TXLFont& source)
{
    if (this == &source)
        return;
    const bool same = SameValue(source) && FPixelsPerInch == source.FPixelsPerInch;
    FName = source.FName;
    FCharset = source.FCharset;
    FStyle = source.FStyle;
    FHeight = source.FHeight;
    FColor = source.FColor;
    FPixelsPerInch = source.FPixelsPerInch;
    if (!same)
        Changed();
}

bool TXLFont::SameValue(const TXLFont& other) const
{
    return FName == other.FName && FCharset == other.FCharset && FStyle == other.FStyle && FHeight == other.FHeight
        && FColor == other.FColor;
}

void TXLFont::SetName(const QString& name)
{
    if (name == FName)
        return;
    FName = name;
    Changed();
}

void TXLFont::SetCharset(uint8_t charset)
{
    if (charset == FCharset)
        return;
    FCharset = charset;
    Changed();
}

void TXLFont::SetStyle(TFontStyles style)
{
    if (style == FStyle)
        return;
    FStyle = style;
    Changed();
}

void TXLFont::SetHeight(int height)
{
    if (height == FHeight)
        return;
    FHeight = height;
    Changed();
}

int TXLFont::GetSize() const
{
    return static_cast<int>(std::lround(-static_cast<double>(FHeight) * 72.0 / FPixelsPerInch));
}

void TXLFont::SetSize(int size)
{
    SetHeight(-static_cast<int>(std::lround(static_cast<double>(size) * FPixelsPerInch / 72.0)));
}

void TXLFont::SetColor(TColor color)
{
    if (color == FColor)
        return;
    FColor = color;
    Changed();
}

QFont TXLFont::ToQFont() const
{
    QFont font(FName);
    // A positive height includes the internal leading; take a fifth off as
    // the usual share of it so both signs give about the same glyphs.
    const int pixels = FHeight < 0 ? -FHeight : FHeight - FHeight / 5;
    font.setPixelSize(pixels > 0 ? pixels : 1);
    font.setBold(FStyle.Contains(fsBold));
    font.setItalic(FStyle.Contains(fsItalic));
    font.setUnderline(FStyle.Contains(fsUnderline));
    font.setStrikeOut(FStyle.Contains(fsStrikeOut));
    return font;
}
