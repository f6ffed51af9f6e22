// TXLNumEdit: the cell editor of numbers (integer, double, currency and
// formula cells). The number pattern comes from the cell's edit format (or
// its display format): it decides whether decimals may be typed and the
// step of Shift+Up/Down and of the spinner (1 divided by 10 for every digit
// place after the point). The value is clamped into Min..Max when that
// range is in use (Min < Max) and rounded half to even in integer mode; a
// typed value outside the range is refused when read ("Value out of
// range!"), so saving leaves the cell as it was. Only characters that can
// make a number may be typed; "." and "," both stand for the locale's
// decimal separator and are written as it (a pasted number with the other
// separator is read so too where the pattern has no grouping). Edit-format
// letters: "S" makes the cell button a spinner, "F" allows formulas: a text
// starting with "=" is evaluated by the sheet's calculator (a formula cell
// stores it as its formula), and clicks on other cells insert their names.
#pragma once

#include "grid/TXLMaskEdit.h"

class TXLSheet;

class TXLNumEdit : public TXLMaskEdit {
    Q_OBJECT

public:
    explicit TXLNumEdit(TXLEdit* host);

    // The value of the text; raises on text that is no number, on a formula
    // the calculator refuses, and outside the range in use.
    double GetValue();
    // Clamped, rounded in integer mode, and shown in the pattern.
    void SetValue(double value);
    double GetMinValue() const { return FMin; }
    void SetMinValue(double value) { FMin = value; }
    double GetMaxValue() const { return FMax; }
    void SetMaxValue(double value) { FMax = value; }
    bool RangeInUse() const { return FMin < FMax; }
    // The number pattern (the first section of a format, reduced to the
    // characters of a number); setting it decides the integer mode and the
    // step when it changes.
    const QString& GetFormat() const { return FFormat; }
    void SetFormat(const QString& format);
    bool GetIntegerOnly() const { return FIntegerOnly; }
    double GetStep() const { return FStep; }
    void SetStep(double step) { FStep = step; }
    bool GetFormulaEntry() const { return FFormulaEntry; }
    // Whether a typed character may go into the text as it stands.
    bool IsValidChar(QChar c) const;

    TXLLoadAnswer LoadCell(TXLCell& cell) override;
    void SaveCell(TXLCell& cell) override;
    void ButtonClick(TXLEditStyle style, bool lowerHalf) override;
    bool CellClick(TPoint cell, Qt::KeyboardModifiers modifiers) override;
    bool PreviewKey(QKeyEvent* event) override;

protected:
    bool EditKeyPress(QKeyEvent* event) override;

private:
    // The value of the text without the range check.
    double ReadValue() const;
    // The range check of a value read.
    double PostValidate(double value) const;
    // The text with the selection taken out.
    QString UnselectedText() const;
    bool IsFormulaText() const;
    // Adds steps to the value (Shift+Up/Down, the spinner).
    void Step(int steps);

    double FValue = 0;
    double FMin = 0;
    double FMax = 0;
    QString FFormat;
    bool FIntegerOnly = false;
    double FStep = 1;
    bool FFormulaEntry = false;
    TXLSheet* FSheet = nullptr;
    // The reference the last cell click inserted (start < 0: none).
    int FRefStart = -1;
    int FRefLength = 0;
};
