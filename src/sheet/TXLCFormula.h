// TXLCFormula: the formula cell. It holds a formula text (without the
// leading "="), its last result (the inherited double) and an error code.
// Writing text stores it as the formula and calculates it; writing a number
// stores the number and drops the formula. A calculation changes the value
// only when it succeeds; otherwise the error code says why, and the display
// text is "#VALUE!", "#NAME!", "#DIV/0!" or "#CIRCULAR!" while a formula is
// present. csRecalc marks a cell whose result is due (Recalculate, and the
// cell's own calculation): reading such a cell calculates it first, which
// orders dependent formulas and lets a circle of them meet itself.
#pragma once

#include "sheet/TXLCDouble.h"

#include <cstdint>

// Why the last calculation failed.
enum TXLFormulaError : uint8_t {
    feNone = 0,
    feValue = 1,     // any other failure, a result that is no number, a bad cell name
    feName = 2,      // a name or function that nothing resolved
    feDivZero = 3,   // division by zero
    feCircular = 4,  // the formula reaches its own cell
};

class TXLCFormula : public TXLCDouble {
public:
    static const TXLCellClass* StaticClass();
    const TXLCellClass* ClassType() const override;

    const QString& GetFormula() const { return FFormula; }
    TXLFormulaError GetError() const { return FError; }
    // Stores a formula text as read, without calculating or notifying.
    void PutFormula(const QString& formula) { FFormula = formula; }

    // "=" and the formula, or the number's text when there is no formula.
    QString GetString() override;
    // Every leading "=" is dropped, the rest becomes the formula and is
    // calculated; a text equal to the formula changes nothing.
    void SetString(const QString& value) override;
    // Calculates first when the result is due; raises EXLCircular when that
    // calculation met the cell itself, so the reader fails with it.
    double GetDouble() override;
    // Stores the number and drops the formula.
    void SetDouble(double value) override;
    // Text as SetString, anything else as SetDouble.
    void SetValue(const Variant& value) override;
    QString FormatText() override;
    // prValue from another formula cell copies its formula, result and error.
    void AssignProperty(TXLPersistent& source, TXLProp prop, int flags) override;

    // Evaluates the formula in the cell's sheet and stores the result, or
    // the error code. Announces the change when the value or the error
    // changed or an error was set; returns whether it did.
    bool Calculate();

private:
    QString FFormula;
    TXLFormulaError FError = feNone;
};
