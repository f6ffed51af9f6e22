// What a calculation command prints: the inputs as understood (each number
// with the unit it was read in), then the sheet's table of results under
// its headings, as text or as one JSON object:
//   {"calculation": "pt", "inputs": {"p": {"value": 10, "text": "10",
//    "unit": "бар"}, ...}, "rows": [{"row": 5, "key": "h", "label":
//    "Энтальпия", "value": 3050.46, "text": "3050,46", "unit": "кДж/кг"},
//    ...]}
// with "find" naming the sought row's key on the heat drop, "value" null for
// an empty result, "colour" ("#rrggbb") on the state row, and on rejected
// inputs "rows" empty and "error" the message.
#pragma once

#include "cli/Calculations.h"
#include "cli/InputValue.h"
#include "cli/SheetRun.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct TGivenInput {
    const TSheetRow* Row;
    TInputValue Value;
    int Unit; // the index, in the row's list, of the unit the value is read in
};

struct TCalcOutcome {
    const TCalculation* Calc;
    std::vector<TGivenInput> Inputs;
    const TSheetRow* Sought = nullptr;  // the quantity found, where the calculation finds one
    std::optional<TSheetReport> Report; // none when the inputs were rejected
};

void WriteCalcText(const TCalcOutcome& outcome, std::ostream& out);
void WriteCalcJson(const TCalcOutcome& outcome, const std::string& error, std::ostream& out);
