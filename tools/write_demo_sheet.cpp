// Writes a small demonstration sheet for calorix-sheet: a heading row, a
// label column naming each cell class in Russian, one cell of every class
// with a sensible value and display format, and a column saying how each is
// edited. Used for the screenshots in docs/ (scripts/screenshots-sheet).
//   write_demo_sheet FILE
#include "base/DateTime.h"
#include "base/Variant.h"
#include "sheet/TXLCBoolean.h"
#include "sheet/TXLCCurrency.h"
#include "sheet/TXLCDateTime.h"
#include "sheet/TXLCDouble.h"
#include "sheet/TXLCFormula.h"
#include "sheet/TXLCInteger.h"
#include "sheet/TXLCString.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLCUrl.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLFont.h"
#include "sheet/TXLSheet.h"
#include "stream/XLSheetFile.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {

constexpr int LabelCol = 0;
constexpr int ValueCol = 1;
constexpr int HintCol = 2;
constexpr int ColWidths[] = {120, 200, 230};
constexpr TColor HeadingColor = 0xF2E6D9; // a pale blue
constexpr TColor LabelColor = 0xF7F7F7;
// Keeps the text off the grid lines.
constexpr int TextIndent = 3;

// Editor indices of the text classes.
constexpr int MemoEditor = 1;
constexpr int MaskEditor = 2;
constexpr int ComboBoxEditor = 2;

enum Row {
    rHeading,
    rText,
    rMasked,
    rList,
    rInteger,
    rDouble,
    rCurrency,
    rFormula,
    rDate,
    rTime,
    rBoolean,
    rNote,
    rLink,
    RowCount
};

void Label(TXLSheet& sheet, int row, const QString& label, const QString& hint)
{
    TXLCell* cell = sheet.GetCell(LabelCol, row);
    cell->SetString(label);
    cell->SetColor(LabelColor);
    cell->SetStyles(TXLCellStyles{csProtect});
    cell->SetVertAlign(vaCenter);
    cell->SetIndent(TextIndent);
    TXLCell* how = sheet.GetCell(HintCol, row);
    how->SetString(hint);
    how->SetStyles(TXLCellStyles{csProtect});
    how->SetVertAlign(vaCenter);
    how->SetIndent(TextIndent);
    how->GetFont()->SetColor(clGray);
}

TXLCell* Value(TXLSheet& sheet, int row, const TXLCellClass* cellClass, const QString& format)
{
    sheet.SetCellClass(ValueCol, row, cellClass);
    TXLCell* cell = sheet.GetCell(ValueCol, row);
    cell->SetFormat(format);
    cell->SetVertAlign(vaCenter);
    cell->SetIndent(TextIndent);
    return cell;
}

void BuildDemo(TXLSheet& sheet)
{
    sheet.SetColCount(3);
    sheet.SetRowCount(RowCount + 3);
    for (int col = 0; col < 3; ++col)
        sheet.SetCellSize(col, sCols, ColWidths[col]);
    // The title band names the columns and rows as the status line does.
    sheet.SetCellSize(-1, sCols, 32);
    for (int col = 0; col < sheet.GetColCount(); ++col) {
        TXLCell* title = sheet.GetCell(col, -1);
        title->SetString(QString(QChar(u'A' + col)));
        title->SetHorzAlign(haCenter);
    }
    for (int row = 0; row < sheet.GetRowCount(); ++row) {
        TXLCell* title = sheet.GetCell(-1, row);
        title->SetString(QString::number(row + 1));
        title->SetHorzAlign(haCenter);
    }

    const QString headings[] = {QStringLiteral("Класс ячейки"), QStringLiteral("Значение"),
                                QStringLiteral("Как изменить")};
    for (int col = 0; col < 3; ++col) {
        TXLCell* cell = sheet.GetCell(col, rHeading);
        cell->SetString(headings[col]);
        cell->SetColor(HeadingColor);
        cell->SetHorzAlign(haCenter);
        cell->SetStyles(TXLCellStyles{csProtect});
        cell->GetFont()->SetStyle(TFontStyles{fsBold});
    }

    Label(sheet, rText, QStringLiteral("Текст"), QStringLiteral("ввести текст"));
    Value(sheet, rText, TXLCString::StaticClass(), QString())->SetString(QStringLiteral("Вода и водяной пар"));

    Label(sheet, rMasked, QStringLiteral("Текст по маске"), QStringLiteral("только цифры на местах"));
    TXLCell* masked = Value(sheet, rMasked, TXLCString::StaticClass(), QStringLiteral("000-00-00;1;_"));
    masked->SetEditor(MaskEditor);
    masked->SetString(QStringLiteral("123-45-67"));

    Label(sheet, rList, QStringLiteral("Список"), QStringLiteral("F4 — выбрать из списка"));
    TXLCell* list = Value(sheet, rList, TXLCStrings::StaticClass(), QString());
    list->SetEditor(ComboBoxEditor);
    list->SetString(QStringLiteral("Вода\r\nВодяной пар\r\nВоздух\r\nДымовые газы\r\n"));
    list->SetInteger(1);

    Label(sheet, rInteger, QStringLiteral("Целое"), QStringLiteral("кнопки — на единицу"));
    Value(sheet, rInteger, TXLCInteger::StaticClass(), QStringLiteral("0|s"))->SetInteger(42);

    Label(sheet, rDouble, QStringLiteral("Число"), QStringLiteral("Shift+Вверх/Вниз — на 0,01"));
    Value(sheet, rDouble, TXLCDouble::StaticClass(), QStringLiteral("0.00"))->SetDouble(273.15);

    Label(sheet, rCurrency, QStringLiteral("Денежное"), QStringLiteral("сумма с копейками"));
    Value(sheet, rCurrency, TXLCCurrency::StaticClass(), QStringLiteral("# ##0.00 р."))
        ->SetValue(Variant::FromCurrency(1'234'5000));

    Label(sheet, rFormula, QStringLiteral("Формула"), QStringLiteral("«=» — ввести формулу"));
    Value(sheet, rFormula, TXLCFormula::StaticClass(), QStringLiteral("0.00|f"))
        ->SetString(QStringLiteral("=B6*2"));

    Label(sheet, rDate, QStringLiteral("Дата"), QStringLiteral("Alt+Вниз — календарь"));
    Value(sheet, rDate, TXLCDateTime::StaticClass(), QStringLiteral("dd.mm.yyyy|dc"))
        ->SetDateTime(EncodeDate(2026, 11, 17));

    Label(sheet, rTime, QStringLiteral("Время"), QStringLiteral("часы и минуты"));
    Value(sheet, rTime, TXLCDateTime::StaticClass(), QStringLiteral("hh:nn|t"))
        ->SetDateTime(EncodeTime(14, 30, 0, 0));

    Label(sheet, rBoolean, QStringLiteral("Логическое"), QStringLiteral("пробел — переключить"));
    Value(sheet, rBoolean, TXLCBoolean::StaticClass(), QStringLiteral("Да;Нет"))->SetBoolean(true);

    Label(sheet, rNote, QStringLiteral("Заметка"), QStringLiteral("Ctrl+Enter — новая строка"));
    TXLCell* note = Value(sheet, rNote, TXLCString::StaticClass(), QString());
    note->SetEditor(MemoEditor);
    note->SetWrapMode(wmWrapWords);
    note->SetString(QStringLiteral("Несколько строк\r\nв одной ячейке"));
    sheet.SetCellSize(rNote, sRows, 2 * sheet.GetRowDefHeight());

    Label(sheet, rLink, QStringLiteral("Ссылка"), QStringLiteral("щелчок — открыть"));
    Value(sheet, rLink, TXLCUrl::StaticClass(), QString())->SetString(QStringLiteral("https://example.org/"));
    sheet.SetModified(false);
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_demo_sheet FILE\n");
        return 2;
    }
    try {
        TXLSheet sheet;
        BuildDemo(sheet);
        SaveSheetToFile(sheet, QString::fromLocal8Bit(argv[1]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "write_demo_sheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
