// TXLFont: the font value of a property set (cell, style, range): face name,
// character set, style set, height in pixels (negative = character height,
// positive = cell height), colour and the resolution that links Height to
// Size in points. Every change of a field fires OnChange once; Assign copies
// all fields and fires once. It is converted to a QFont only to draw or to
// measure (ToQFont). Owned by the property set that created it.
#pragma once

#include "sheet/XLSet.h"
#include "sheet/XLTypes.h"

#include <QFont>
#include <QString>

#include <cstdint>
#include <functional>

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TXLSet<TFontStyle, uint8_t>;

constexpr uint8_t DEFAULT_CHARSET = 1;

class TXLFont {
public:
    TXLFont() = default;
    // Copies the value, not the change callback.
    TXLFont(const TXLFont& other);
    TXLFont& operator=(const TXLFont& other);

    // Copies every field from source and fires OnChange once when any differed.
    void Assign(const TXLFont& source);

    const QString& GetName() const { return FName; }
    void SetName(const QString& name);
    uint8_t GetCharset() const { return FCharset; }
    void SetCharset(uint8_t charset);
    TFontStyles GetStyle() const { return FStyle; }
    void SetStyle(TFontStyles style);
    int GetHeight() const { return FHeight; }
    void SetHeight(int height);
    // Size in points: -Height * 72 / PixelsPerInch, rounded; setting a size
    // stores the matching negative height.
    int GetSize() const;
    void SetSize(int size);
    TColor GetColor() const { return FColor; }
    void SetColor(TColor color);
    int GetPixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int ppi) { FPixelsPerInch = ppi > 0 ? ppi : 96; }

    // The same face, character set, style, height and colour.
    bool SameValue(const TXLFont& other) const;

    // The platform font for drawing and measuring (pixel size from Height).
    QFont ToQFont() const;

    std::function<void()> OnChange;

private:
    void Changed();

    QString FName = QStringLiteral("Arial");
    uint8_t FCharset = DEFAULT_CHARSET;
    TFontStyles FStyle;
    int FHeight = -11;
    TColor FColor = clWindowText;
    int FPixelsPerInch = 96;
};
