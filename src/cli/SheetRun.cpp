#include "cli/SheetRun.h"

#include "ShippedSheets.h"
#include "base/StrToFloat.h"
#include "calc/CalcHandlers.h"
#include "calc/SheetContent.h"
#include "cli/CliError.h"
#include "grid/XLCopyText.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLFont.h"
#include "sheet/TXLSheet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int StateRow = 13;

bool HasStateRow(int n)
{
    return n == 1 || n == 6 || n == 7;
}

// A row's label without the blank the sheets put before it.
QString LabelOf(TXLSheet& sheet, int row)
{
    return XLDisplayText(sheet, 0, row).trimmed();
}

} // namespace

TSheetRun::TSheetRun(int n) : FNumber(n), FSheet(std::make_unique<TXLSheet>())
{
    if (!CalcHandlerOfSheet(n))
        throw ECliUsage("no calculation sheet " + std::to_string(n) + " (sheets are 1 … 8)");
    LoadShippedSheet(n, *FSheet);
    FillPickLists(n, *FSheet);
}

TSheetRun::~TSheetRun() = default;

void TSheetRun::Apply(const TSheetEdit& edit)
{
    const TRect extents = FSheet->GetExtents();
    if (edit.Col < 0 || edit.Row < 0 || edit.Col >= extents.Right || edit.Row >= extents.Bottom)
        throw ECliUsage("cell (" + std::to_string(edit.Col) + "," + std::to_string(edit.Row)
                        + ") is outside sheet " + std::to_string(FNumber) + " ("
                        + std::to_string(extents.Right) + " columns, " + std::to_string(extents.Bottom)
                        + " rows)");
    TXLCell* cell = FSheet->GetCell(edit.Col, edit.Row);
    if (edit.Text)
        cell->SetValue(Variant(*edit.Text));
    if (edit.Index)
        cell->SetInteger(*edit.Index);
}

TSheetReport TSheetRun::Run(const TWaterSteamFormulation& formulation)
{
    FormulationHandlerOfSheet(FNumber)(*FSheet, formulation);
    TSheetReport report{FNumber, {}, std::nullopt};
    for (int row = 0; row < FSheet->GetRowCount(); ++row)
        report.Rows.push_back(
            {row, LabelOf(*FSheet, row), XLDisplayText(*FSheet, 1, row), XLDisplayText(*FSheet, 2, row)});
    if (HasStateRow(FNumber))
        report.StateColor = FSheet->GetCell(1, StateRow)->GetFont()->GetColor();
    return report;
}

QString ColorName(TColor color)
{
    // TColor is 0x00BBGGRR.
    const unsigned r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
    return QStringLiteral("#%1%2%3")
        .arg(r, 2, 16, QLatin1Char('0'))
        .arg(g, 2, 16, QLatin1Char('0'))
        .arg(b, 2, 16, QLatin1Char('0'));
}

QJsonValue ShownValue(const QString& text)
{
    // "1,049 E-6": the blank before the exponent is the pattern's.
    const std::optional<double> v = TryStrToFloat(QString(text).remove(u' '));
    return v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null);
}

void WriteReportText(const TSheetReport& report, std::ostream& out)
{
    for (const TSheetReportRow& r : report.Rows)
        out << r.Row << '\t' << r.Label.toStdString() << '\t' << r.Value.toStdString() << '\t'
            << r.Unit.toStdString() << '\n';
    if (report.StateColor)
        out << "state-colour\t" << ColorName(*report.StateColor).toStdString() << '\n';
}

void WriteReportJson(const TSheetReport& report, std::ostream& out)
{
    QJsonArray rows;
    for (const TSheetReportRow& r : report.Rows)
        rows.append(QJsonObject{
            {"row", r.Row}, {"label", r.Label}, {"value", ShownValue(r.Value)}, {"text", r.Value}, {"unit", r.Unit}});
    QJsonObject root{{"sheet", report.Sheet}, {"rows", rows}};
    if (report.StateColor)
        root.insert("stateColour", ColorName(*report.StateColor));
    out << QJsonDocument(root).toJson(QJsonDocument::Compact).toStdString() << '\n';
}
