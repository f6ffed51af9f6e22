// Sample sheets for the stream tests and the fuzz corpus: a sheet holding a
// cell of every class, merged areas, named and base styles, hints, sizes
// and position formatting (MakeRichSheet), and the smallest sheet holding
// one cell of a given class (MakeOneCellSheet). The styler must outlive the
// sheet it is attached to.
#pragma once

#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCBoolean.h"
#include "sheet/TXLCCurrency.h"
#include "sheet/TXLCDateTime.h"
#include "sheet/TXLCDouble.h"
#include "sheet/TXLCFormula.h"
#include "sheet/TXLCGroup.h"
#include "sheet/TXLCInteger.h"
#include "sheet/TXLCPicture.h"
#include "sheet/TXLCString.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLCUrl.h"
#include "sheet/TXLPicture.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLStrings.h"
#include "sheet/TXLStyle.h"
#include "sheet/TXLStyler.h"

#include <QBuffer>
#include <QImage>

#include <memory>
#include <vector>

namespace StreamSamples {

inline QByteArray EncodeImage(int width, int height, QRgb color, const char* format)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

inline TXLPicture MakePicture(const char* graphicClass, const char* format, QRgb color = 0xFF336699)
{
    TXLPicture picture;
    picture.LoadFromData(QString::fromLatin1(graphicClass), EncodeImage(2, 2, color, format));
    return picture;
}

// The engine's cell classes that cells can be made of.
inline std::vector<const TXLCellClass*> CellClasses()
{
    return {TXLCString::StaticClass(),  TXLCStrings::StaticClass(),  TXLCInteger::StaticClass(),
            TXLCDouble::StaticClass(),  TXLCCurrency::StaticClass(), TXLCDateTime::StaticClass(),
            TXLCBoolean::StaticClass(), TXLCPicture::StaticClass(),  TXLCUrl::StaticClass(),
            TXLCGroup::StaticClass(),   TXLCFormula::StaticClass()};
}

// Gives the cell at (col, row) of sheet class cellClass and a typical value.
inline TXLCell* FillCell(TXLSheet& sheet, int col, int row, const TXLCellClass* cellClass)
{
    sheet.SetCellClass(col, row, cellClass);
    TXLCell* cell = sheet.GetCell(col, row);
    if (cellClass == TXLCString::StaticClass())
        cell->SetString(QString::fromUtf8("Давление, бар"));
    else if (cellClass == TXLCStrings::StaticClass()) {
        const TXLStrings items({QStringLiteral("bar"), QString::fromUtf8("кПа"), QString::fromUtf8("МПа")});
        cell->SetObject(&items);
        cell->SetInteger(1);
    } else if (cellClass == TXLCInteger::StaticClass())
        cell->SetInteger(-42);
    else if (cellClass == TXLCDouble::StaticClass())
        cell->SetDouble(3.25);
    else if (cellClass == TXLCCurrency::StaticClass())
        cell->SetCurrency(12345678);
    else if (cellClass == TXLCDateTime::StaticClass())
        cell->SetDateTime(45000.75);
    else if (cellClass == TXLCBoolean::StaticClass())
        cell->SetBoolean(true);
    else if (cellClass == TXLCPicture::StaticClass()) {
        const TXLPicture picture = MakePicture(TXLPicture::BitmapClass, "BMP");
        cell->SetObject(&picture);
    } else if (cellClass == TXLCUrl::StaticClass())
        cell->SetString(QStringLiteral("https://example.org/steam"));
    else if (cellClass == TXLCGroup::StaticClass())
        static_cast<TXLCGroup*>(cell)->SetVisibilities({1, 0, 1});
    else if (cellClass == TXLCFormula::StaticClass())
        cell->SetString(QStringLiteral("=2*3.5"));
    return cell;
}

// A 1 x 1 sheet without title band holding one cell of cellClass.
inline std::unique_ptr<TXLSheet> MakeOneCellSheet(const TXLCellClass* cellClass)
{
    auto sheet = std::make_unique<TXLSheet>();
    sheet->SetTitleCols(0);
    sheet->SetTitleRows(0);
    sheet->SetColCount(1);
    sheet->SetRowCount(1);
    FillCell(*sheet, 0, 0, cellClass);
    return sheet;
}

// Two named styles: "Заголовок" (bold text, centred, yellow) and "Число"
// (a double with a format and a border).
inline void FillStyler(TXLStyler& styler)
{
    TXLStyle* title = styler.Add(QString::fromUtf8("Заголовок"));
    title->GetFont()->SetStyle({fsBold});
    title->GetFont()->SetName(QStringLiteral("Liberation Sans"));
    title->SetHorzAlign(haCenter);
    title->SetColor(clYellow);
    TXLStyle* number = styler.Add(QString::fromUtf8("Число"));
    number->SetCellClass(TXLCDouble::StaticClass());
    number->SetFormat(QStringLiteral("0.00"));
    number->SetEditor(0);
    number->SetBorder(sBottom, {slDouble, clNavy});
}

// Everything the sheet stream carries, in all four sectors.
inline void FillRichSheet(TXLSheet& sheet, TXLStyler* styler)
{
    sheet.SetColCount(7);
    sheet.SetRowCount(9);
    sheet.SetTitleCols(1);
    sheet.SetTitleRows(2);
    if (styler)
        sheet.SetStyler(styler);

    TXLBaseStyle& client = *sheet.GetBaseClientStyle();
    client.GetFont()->SetHeight(-13);
    client.SetErrorColor(clFuchsia);
    client.SetFrame(frFlatDown);
    sheet.GetBaseTitleStyle()->SetLinesColor(clGray);

    // Sizes: body, title and a hidden column and row.
    sheet.SetCellSize(2, sCols, 80);
    sheet.SetCellSize(3, sRows, 21);
    sheet.SetCellSize(-1, sCols, 40);
    sheet.SetCellSize(-2, sRows, 18);
    sheet.SetCellSize(5, sCols, 70);
    sheet.SetCellVisible(5, sCols, false);
    sheet.SetCellVisible(7, sRows, false);

    // A cell of every class in the body, rows 0 and 1.
    const std::vector<const TXLCellClass*> classes = CellClasses();
    for (size_t i = 0; i < classes.size(); ++i)
        FillCell(sheet, static_cast<int>(i % 7), static_cast<int>(i / 7), classes[i]);
    sheet.SetCellClass(6, 1, TXLCPicture::StaticClass());
    TXLCell* jpeg = sheet.GetCell(6, 1);
    const TXLPicture photo = MakePicture(TXLPicture::JPEGClass, "JPEG", 0xFFCC2200);
    jpeg->SetObject(&photo);

    // Local properties: font, format, editor, layout, hint.
    TXLCell* text = sheet.GetCell(0, 0);
    text->GetFont()->SetColor(clMaroon);
    text->SetHint(QString::fromUtf8("Абсолютное давление"));
    text->SetWrapMode(wmEllipsis);
    text->SetIndent(3);
    TXLCell* integer = sheet.GetCell(2, 0);
    integer->SetFormat(QStringLiteral("0|s"));
    TXLCell* real = sheet.GetCell(3, 0);
    real->SetFormat(QStringLiteral("0.000 \"кг\""));
    real->SetEditor(0);

    // Named styles (the first cell keeps a local font over its style).
    if (styler) {
        sheet.SetCellClass(0, 2, TXLCDouble::StaticClass());
        TXLCell* styled = sheet.GetCell(0, 2);
        styled->SetBasedOn(styler->GetStyleByIndex(1));
        styled->SetDouble(0.5);
        TXLCell* heading = sheet.GetCell(1, 2);
        heading->SetBasedOn(styler->GetStyleByIndex(0));
        heading->SetString(QString::fromUtf8("Энтальпия"));
        heading->GetFont()->SetSize(12);
    }

    // Merged areas, one with an anchor cell and one without.
    sheet.GetCell(0, 4)->SetString(QStringLiteral("merged"));
    sheet.GetCell(0, 4)->SetBounds(Rect(0, 0, 3, 2));
    sheet.GetSection(sClient)->MergeArea(Rect(4, 6, 6, 8));

    // Position formatting where no cell is.
    TXLSection& body = *sheet.GetSection(sClient);
    body.SetAreaInfo(Rect(3, 3, 5, 4), ciColor, clAqua);
    body.SetAreaInfo(Rect(3, 3, 5, 4), ciBottom, PackBorder({slMedium, clBlack}));
    body.SetAreaInfo(Rect(6, 8, 7, 9), ciFrame, frBevelUp);
    body.SetAreaInfo(Rect(6, 8, 7, 9), ciStyles, TXLCellStyles{csReadOnly, csNotify}.Bits());
    body.SetAreaInfo(Rect(1, 3, 2, 4), ciBias1, PackBorder({slSingle, clRed}));
    body.SetAreaInfo(Rect(1, 3, 2, 4), ciLayout, PackLayout({haRight, vaTop, 2, wmClip}));

    // The title sectors.
    sheet.GetCell(-1, 0)->SetString(QStringLiteral("1"));
    sheet.GetCell(0, -1)->SetString(QStringLiteral("A"));
    sheet.GetCell(-1, -2)->SetString(QString::fromUtf8("№"));
    sheet.GetCell(1, -2)->SetInteger(7);
}

}  // namespace StreamSamples
