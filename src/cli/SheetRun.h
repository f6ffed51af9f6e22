// One run of a calculation sheet from the command line: the shipped content
// with filled pick lists, the requested edits applied in order, the sheet's
// handler run once, and what the sheet then shows, row by row.
#pragma once

#include "calc/WaterSteamFormulation.h"
#include "sheet/XLTypes.h"

#include <QJsonValue>
#include <QString>

#include <memory>
#include <optional>
#include <ostream>
#include <vector>

class TXLSheet;

// An edit of one cell: text into it, or a selected index of its pick list.
struct TSheetEdit {
    int Col;
    int Row;
    std::optional<QString> Text;
    std::optional<int> Index;
};

struct TSheetReportRow {
    int Row;
    QString Label;
    QString Value;
    QString Unit;
};

struct TSheetReport {
    int Sheet;
    std::vector<TSheetReportRow> Rows;
    std::optional<TColor> StateColor; // the water-and-steam sheets' state row
};

class TSheetRun {
public:
    // Calculation sheet n (1 … 8); raises ECliUsage for another number.
    explicit TSheetRun(int n);
    ~TSheetRun();

    // Raises ECliUsage for an address outside the sheet.
    void Apply(const TSheetEdit& edit);
    // Runs the handler (water and steam by the given formulation) and reads
    // back every row.
    TSheetReport Run(const TWaterSteamFormulation& formulation = ClassicFormulation());

    TXLSheet& Sheet() { return *FSheet; }

private:
    int FNumber;
    std::unique_ptr<TXLSheet> FSheet;
};

void WriteReportText(const TSheetReport& report, std::ostream& out);
void WriteReportJson(const TSheetReport& report, std::ostream& out);
QString ColorName(TColor color); // "#rrggbb"
// A shown text as a JSON number (read with the active decimal separator,
// exponent patterns included), or null when it is no number.
QJsonValue ShownValue(const QString& text);
