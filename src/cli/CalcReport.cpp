#include "cli/CalcReport.h"

#include "base/FormatSettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

constexpr int LabelWidth = 26;

QString Label(const char16_t* label)
{
    return QString::fromUtf16(label).trimmed();
}

// A number as typed, with the output's separator.
QString InputText(const TGivenInput& in)
{
    return QString(in.Value.Number).replace(u'.', CurrentFormatSettings().DecimalSeparator);
}

QString UnitText(const TGivenInput& in)
{
    return UnitListItems(in.Row->List).value(in.Unit);
}

void WriteLine(std::ostream& out, const QString& label, const QString& value, const QString& unit)
{
    // Pad by characters, not bytes: the labels are Cyrillic.
    const int pad = std::max(1, LabelWidth - static_cast<int>(label.size()));
    out << "  " << label.toStdString() << std::string(static_cast<size_t>(pad), ' ') << value.toStdString();
    if (!unit.isEmpty())
        out << ' ' << unit.toStdString();
    out << '\n';
}

const TSheetReportRow* ReportRow(const TSheetReport& report, int row)
{
    const auto it = std::find_if(report.Rows.begin(), report.Rows.end(),
                                 [&](const TSheetReportRow& r) { return r.Row == row; });
    return it == report.Rows.end() ? nullptr : &*it;
}

const TSheetRow* ChoiceRow(const TSheetLayout& layout)
{
    for (const TSheetRow& r : layout.Inputs)
        if (r.Value == TValueKind::Choice)
            return &r;
    return nullptr;
}

QString HeaderText(const TSheetLayout& layout, int row)
{
    for (const TSheetHeader& h : layout.Headers)
        if (h.Row == row && h.Text)
            return QString::fromUtf16(h.Text);
    return QString();
}

void WriteInputsText(const TCalcOutcome& o, std::ostream& out)
{
    const TSheetLayout& layout = SheetLayoutOf(o.Calc->Sheet);
    out << HeaderText(layout, 0).toStdString() << '\n';
    if (const TSheetRow* choice = ChoiceRow(layout); choice && o.Sought)
        WriteLine(out, Label(choice->Label), Label(o.Sought->Label), QString());
    for (const TGivenInput& in : o.Inputs)
        WriteLine(out, Label(in.Row->Label), InputText(in), UnitText(in));
}

} // namespace

void WriteCalcText(const TCalcOutcome& o, std::ostream& out)
{
    WriteInputsText(o, out);
    if (!o.Report)
        return;
    // The results under their headings (the first heading is the inputs');
    // a row without a value is left out.
    const TSheetLayout& layout = SheetLayoutOf(o.Calc->Sheet);
    int next = 1;
    for (const TSheetRow& r : layout.Results) {
        for (; next <= r.Row; ++next)
            if (const QString heading = HeaderText(layout, next); !heading.isEmpty())
                out << heading.toStdString() << '\n';
        const TSheetReportRow* shown = ReportRow(*o.Report, r.Row);
        if (shown && !shown->Value.isEmpty())
            WriteLine(out, Label(r.Label), shown->Value, shown->Unit);
    }
}

void WriteCalcJson(const TCalcOutcome& o, const std::string& error, std::ostream& out)
{
    QJsonObject inputs;
    for (const TGivenInput& in : o.Inputs)
        inputs.insert(QString::fromLatin1(in.Row->Key),
                      QJsonObject{{"value", in.Value.Value}, {"text", InputText(in)}, {"unit", UnitText(in)}});
    QJsonArray rows;
    if (o.Report) {
        for (const TSheetRow& r : SheetLayoutOf(o.Calc->Sheet).Results) {
            const TSheetReportRow* shown = ReportRow(*o.Report, r.Row);
            const QString text = shown ? shown->Value : QString();
            QJsonObject row{{"row", r.Row},
                            {"key", QString::fromLatin1(r.Key)},
                            {"label", Label(r.Label)},
                            {"value", ShownValue(r.Value == TValueKind::MergedResult ? QString() : text)},
                            {"text", text},
                            {"unit", shown ? shown->Unit : QString()}};
            if (r.Value == TValueKind::MergedResult && o.Report->StateColor)
                row.insert("colour", ColorName(*o.Report->StateColor));
            rows.append(row);
        }
    }
    QJsonObject root{{"calculation", QString::fromLatin1(o.Calc->Command)}, {"inputs", inputs}, {"rows", rows}};
    if (o.Sought)
        root.insert("find", QString::fromLatin1(o.Sought->Key));
    if (!error.empty())
        root.insert("error", QString::fromStdString(error));
    out << QJsonDocument(root).toJson(QJsonDocument::Compact).toStdString() << '\n';
}
