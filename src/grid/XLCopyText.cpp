#include "grid/XLCopyText.h"

#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"

#include <algorithm>

QString XLDisplayText(TXLSheet& sheet, int col, int row)
{
    TXLCell* cell = sheet.GetPeekCell(col, row);
    if (!cell)
        return QString();
    const TRect area = cell->GetMapBounds();
    return area.Left == col && area.Top == row ? cell->GetText() : QString();
}

std::vector<QStringList> XLTableText(TXLSheet& sheet, const TRect& rect)
{
    const int left = std::max(rect.Left, 0);
    const int top = std::max(rect.Top, 0);
    const int right = std::min(rect.Right, sheet.GetColCount());
    const int bottom = std::min(rect.Bottom, sheet.GetRowCount());
    std::vector<QStringList> rows;
    for (int r = top; r < bottom; ++r) {
        QStringList row;
        bool any = false;
        for (int c = left; c < right; ++c) {
            row.append(XLDisplayText(sheet, c, r).trimmed());
            any = any || !row.back().isEmpty();
        }
        if (any)
            rows.push_back(std::move(row));
    }
    return rows;
}

QString XLTableToTsv(const std::vector<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells = row;
        // A tab or line break inside a text would split the cell.
        for (QString& cell : cells)
            cell.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QString XLTableToHtml(const std::vector<QStringList>& rows)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\">\n");
    for (const QStringList& row : rows) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : row)
            html += QStringLiteral("<td>") + cell.toHtmlEscaped() + QStringLiteral("</td>");
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}
