#include "calc/SheetContent.h"

#include "calc/SheetLayout.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLFont.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLPicture.h"
#include "sheet/TXLStrings.h"
#include "sheet/TXLUpdateGuard.h"

#include <QFile>

#include <stdexcept>

namespace {

constexpr TColor White = 0xFFFFFF;
constexpr int ValueCol = 1;
constexpr int UnitCol = 2;
constexpr int ComboBoxEditor = 2; // the pick-list cell's third editor
constexpr int HeatDropChoiceIndex = 3;
constexpr int PictureCellWidth = 291;
constexpr int PictureCellHeight = 211;

const TXLLayout Centred{haCenter, vaBottom, 0, wmWrapWords};

TRect RowSpan(int fromCol, int toCol, int row)
{
    return TRect{fromCol, row, toCol + 1, row + 1};
}

void BuildHeader(TXLSheet& sheet, int cols, const TSheetHeader& h)
{
    TXLCell* cell = sheet.GetCell(0, h.Row);
    cell->SetBounds(RowSpan(0, cols - 1, h.Row));
    cell->SetStyles(TXLCellStyles{csProtect});
    cell->SetColor(h.Color);
    if (!h.Text)
        return; // an empty label: only its colour
    cell->SetString(QString::fromUtf16(h.Text));
    cell->SetLayout(Centred);
    if (h.WhiteText)
        cell->GetFont()->SetColor(White);
    cell->SetBorders(TXLSides{sLeft, sTop, sRight, sBottom}, TXLSideBorder{slSingle, clBlack});
}

TXLCell* MakePickList(TXLSheet& sheet, int col, int row)
{
    sheet.SetCellClass(col, row, TXLCStrings::StaticClass());
    TXLCell* cell = sheet.GetCell(col, row);
    cell->SetEditor(ComboBoxEditor);
    cell->SetFormat(QString());
    cell->SetLayout(Centred);
    return cell;
}

void BuildValue(TXLSheet& sheet, int cols, const TSheetRow& r)
{
    switch (r.Value) {
    case TValueKind::Input:
        sheet.GetCell(ValueCol, r.Row)->SetLayout(Centred);
        break;
    case TValueKind::Result: {
        TXLCell* cell = sheet.GetCell(ValueCol, r.Row);
        cell->SetLayout(Centred);
        cell->SetStyles(TXLCellStyles{csProtect});
        break;
    }
    case TValueKind::MergedResult: {
        TXLCell* cell = sheet.GetCell(ValueCol, r.Row);
        cell->SetBounds(RowSpan(ValueCol, cols - 1, r.Row));
        cell->SetLayout(Centred);
        cell->SetStyles(TXLCellStyles{csProtect});
        break;
    }
    case TValueKind::Choice: {
        TXLCell* cell = MakePickList(sheet, ValueCol, r.Row);
        cell->SetBounds(RowSpan(ValueCol, cols - 1, r.Row));
        cell->SetLayout(Centred);
        cell->SetInteger(r.StoredIndex);
        break;
    }
    }
}

void BuildUnit(TXLSheet& sheet, const TSheetRow& r)
{
    switch (r.Unit) {
    case TUnitKind::List:
        MakePickList(sheet, UnitCol, r.Row)->SetInteger(r.StoredIndex);
        break;
    case TUnitKind::None: {
        TXLCell* cell = sheet.GetCell(UnitCol, r.Row);
        cell->SetLayout(Centred);
        cell->SetStyles(TXLCellStyles{csReadOnly});
        break;
    }
    case TUnitKind::EmptyReadOnly:
        MakePickList(sheet, UnitCol, r.Row)->SetStyles(TXLCellStyles{csReadOnly});
        break;
    case TUnitKind::Merged:
        break;
    }
}

void BuildRow(TXLSheet& sheet, int cols, const TSheetRow& r)
{
    TXLCell* label = sheet.GetCell(0, r.Row);
    label->SetString(QString::fromUtf16(r.Label));
    label->SetStyles(TXLCellStyles{csProtect});
    BuildValue(sheet, cols, r);
    BuildUnit(sheet, r);
}

void BuildCalculationSheet(int n, TXLSheet& sheet)
{
    const TSheetLayout& layout = SheetLayoutOf(n);
    sheet.SetColCount(layout.ColCount);
    sheet.SetRowCount(layout.RowCount);
    for (int col = 0; col < layout.ColCount; ++col)
        sheet.SetCellSize(col, sCols, layout.Widths[col]);
    for (const TSheetHeader& h : layout.Headers)
        BuildHeader(sheet, layout.ColCount, h);
    for (const auto rows : {layout.Inputs, layout.Results})
        for (const TSheetRow& r : rows)
            BuildRow(sheet, layout.ColCount, r);
}

// The splash picture as stored in the resources (see tools/render_splash).
QByteArray SplashJpeg()
{
    QFile file(QStringLiteral(":/calc/splash.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("the splash picture is missing from the resources");
    return file.readAll();
}

// One cell filling the grid, with the splash picture behind it; the
// position is protected but holds no cell object.
void BuildPictureSheet(TXLSheet& sheet)
{
    sheet.SetColCount(1);
    sheet.SetRowCount(1);
    sheet.SetCellSize(0, sCols, PictureCellWidth);
    sheet.SetCellSize(0, sRows, PictureCellHeight);
    sheet.GetCell(0, 0)->SetStyles(TXLCellStyles{csProtect});
    sheet.SetCell(0, 0, nullptr);
    TXLPicture splash;
    splash.LoadFromData(QString::fromLatin1(TXLPicture::JPEGClass), SplashJpeg());
    sheet.SetBackground(splash);
}

// selected < 0: keep the cell's selection when it names one of the items,
// else select the first.
void FillList(TXLSheet& sheet, int col, int row, TUnitList list, int selected)
{
    const TXLStrings items(UnitListItems(list));
    TXLCell* cell = sheet.GetCell(col, row);
    if (selected < 0) {
        const int kept = cell->GetInteger();
        selected = kept >= 0 && kept < items.Items.size() ? kept : 0;
    }
    cell->SetObject(&items);
    cell->SetInteger(selected);
}

void FillLists(int n, TXLSheet& sheet, bool keepSelection)
{
    if (n < 1 || n >= SheetCount)
        return;
    const TSheetLayout& layout = SheetLayoutOf(n);
    for (const auto rows : {layout.Inputs, layout.Results}) {
        for (const TSheetRow& r : rows) {
            if (r.Value == TValueKind::Choice)
                FillList(sheet, ValueCol, r.Row, r.List, keepSelection ? -1 : HeatDropChoiceIndex);
            if (r.Unit == TUnitKind::List)
                FillList(sheet, UnitCol, r.Row, r.List, keepSelection ? -1 : 0);
        }
    }
}

} // namespace

void BuildSheetContent(int n, TXLSheet& sheet)
{
    TXLUpdateGuard update(sheet);
    sheet.SetTitleCols(0);
    sheet.SetTitleRows(0);
    if (n == 0)
        BuildPictureSheet(sheet);
    else
        BuildCalculationSheet(n, sheet);
}

void FillPickLists(int n, TXLSheet& sheet)
{
    FillLists(n, sheet, false);
}

void RefreshPickLists(int n, TXLSheet& sheet)
{
    FillLists(n, sheet, true);
}
