// Formula evaluation of a sheet: expressions in the sheet's context, the
// list of formula cells under evaluation (which catches circular
// references) and the recalculation of all formula cells.
#include "sheet/TXLSheet.h"

#include "sheet/TXLCFormula.h"
#include "sheet/TXLCalculator.h"
#include "sheet/XLFormulaErrors.h"

#include "base/ERAVazoError.h"

#include <algorithm>

Variant TXLSheet::CalcExpression(const QString& AText, TXLCell* ACell, bool ASyntaxOnly)
{
    TXLCalculator calculator(this, ASyntaxOnly);
    if (!ACell)
        return calculator.Calculate(AText);
    if (std::find(FEvaluating.begin(), FEvaluating.end(), ACell) != FEvaluating.end())
        throw EXLCircular(XLFormulaMessages::Circular, 0);
    // Formula cells read each other recursively: each level draws on the
    // nesting budget its brackets use, and one that finds it spent fails
    // (the cell shows "#VALUE!") rather than overflowing the stack.
    if (FFormulaNesting + TXLCalculator::CellNesting > TXLCalculator::MaxNesting)
        throw ERAVazoError("Formulas are nested too deeply!");
    FEvaluating.push_back(ACell);
    FFormulaNesting += TXLCalculator::CellNesting;
    // The cell leaves the list however the evaluation ends.
    struct TLeave {
        TXLSheet& Sheet;
        ~TLeave()
        {
            Sheet.FEvaluating.pop_back();
            Sheet.FFormulaNesting -= TXLCalculator::CellNesting;
        }
    } leave{*this};
    return calculator.Calculate(AText);
}

void TXLSheet::Recalculate()
{
    const TRect all = GetExtents();
    EnumCells(all, false, [](TXLCell* cell, intptr_t, bool&) {
        if (dynamic_cast<TXLCFormula*>(cell))
            cell->IncludeState(csRecalc);
    });
    EnumCells(all, false, [this](TXLCell* cell, intptr_t data, bool& stop) { RecalculateCell(cell, data, stop); });
}

void TXLSheet::RecalculateCell(TXLCell* ACell, intptr_t AData, bool& Stop)
{
    (void)AData;
    (void)Stop;
    // A cell read by an earlier formula was calculated then already.
    if (auto* formula = dynamic_cast<TXLCFormula*>(ACell); formula && formula->HasState(csRecalc))
        formula->Calculate();
}
