#include "grid/TXLNumEdit.h"

#include "base/ERAVazoError.h"
#include "base/FormatFloat.h"
#include "base/StrToFloat.h"
#include "sheet/TXLCFormula.h"
#include "sheet/TXLCInteger.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/XLCellNames.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace {

const QString NumberChars = QStringLiteral("0123456789+-");
const QString PatternChars = QStringLiteral("0123456789+-#,Ee.");

bool IsFormulaCell(const TXLCell& cell)
{
    return cell.ClassType()->InheritsFrom(TXLCFormula::StaticClass());
}

// The first section of a format reduced to the characters of a number
// pattern; a percentage keeps two more decimals, as the value is shown
// unscaled.
QString NumberPattern(const QString& format)
{
    const QString section = format.section(u';', 0, 0);
    QString pattern;
    for (const QChar c : section)
        if (PatternChars.contains(c))
            pattern += c;
    if (pattern.contains(u'.') && format.contains(u'%'))
        pattern += QStringLiteral("##");
    return pattern;
}

}  // namespace

TXLNumEdit::TXLNumEdit(TXLEdit* host) : TXLMaskEdit(host)
{
    // Typing moves on from an inserted reference: the next click inserts
    // another one instead of replacing it.
    connect(GetEdit(), &QLineEdit::textEdited, this, [this] { FRefStart = -1; });
}

void TXLNumEdit::SetFormat(const QString& format)
{
    const QString pattern = NumberPattern(format);
    if (pattern == FFormat)
        return;
    FIntegerOnly = !pattern.contains(u'.');
    FFormat = pattern;
    SetText(FormatFloat(FFormat, FValue));
    FStep = 1;
    const qsizetype point = FFormat.indexOf(u'.');
    if (point >= 0)
        for (const QChar c : FFormat.mid(point + 1))
            if (c == u'#' || c == u'0')
                FStep /= 10;
}

void TXLNumEdit::SetValue(double value)
{
    if (RangeInUse())
        value = std::clamp(value, FMin, FMax);
    if (FIntegerOnly)
        value = std::nearbyint(value);
    FValue = value;
    SetText(FormatFloat(FFormat, value));
    GetEdit()->setModified(true);
}

double TXLNumEdit::GetValue()
{
    FValue = PostValidate(ReadValue());
    return FValue;
}

bool TXLNumEdit::IsFormulaText() const
{
    return FFormulaEntry && GetEdit()->text().startsWith(u'=');
}

double TXLNumEdit::ReadValue() const
{
    if (IsFormulaText() && FSheet)
        return FSheet->CalcExpression(GetEdit()->text().mid(1)).ToDouble();
    const QChar separator = CurrentFormatSettings().DecimalSeparator;
    QString text = GetEdit()->text();
    // Typed keys always write the locale's separator; a pasted number may
    // bring the other one. Without grouping in the pattern, a single one of
    // it can only be the decimal point.
    const QChar other = separator == u',' ? u'.' : u',';
    if (!FFormat.contains(u',') && !text.contains(separator) && text.count(other) == 1)
        text.replace(other, separator);
    // The separator is kept in integer mode too: dropping it would read a
    // pasted 7.5 as 75. The fraction is rounded away as SetValue does.
    QString number;
    for (const QChar c : text)
        if (NumberChars.contains(c) || c == separator || (!FIntegerOnly && (c == u'E' || c == u'e')))
            number += c;
    if (number.isEmpty())
        return 0;
    const double value = StrToFloat(number);
    return FIntegerOnly ? std::nearbyint(value) : value;
}

double TXLNumEdit::PostValidate(double value) const
{
    if (RangeInUse() && (value < FMin || value > FMax))
        throw ERAVazoError("Value out of range!");
    return value;
}

QString TXLNumEdit::UnselectedText() const
{
    const QLineEdit* edit = GetEdit();
    QString text = edit->text();
    if (edit->hasSelectedText())
        text.remove(edit->selectionStart(), edit->selectionLength());
    return text;
}

bool TXLNumEdit::IsValidChar(QChar c) const
{
    const QString rest = UnselectedText();
    if (FFormulaEntry && (rest.contains(u'=') || c == u'='))
        return true;
    if (c.isDigit() && c.unicode() < 128)
        return true;
    if (c == u'+')
        return true;
    if (c == u'-')
        return !(RangeInUse() && FMin >= 0);
    const bool separator = c == u'.' || c == u',' || c == CurrentFormatSettings().DecimalSeparator;
    if (separator || c == u'E' || c == u'e')
        return !FIntegerOnly && !rest.contains(CurrentFormatSettings().DecimalSeparator);
    return false;
}

TXLLoadAnswer TXLNumEdit::LoadCell(TXLCell& cell)
{
    FRefStart = -1;
    QString edit = cell.GetEditFormat().toUpper();
    const bool spinner = edit.contains(u'S');
    FFormulaEntry = edit.contains(u'F');
    edit.remove(u'S').remove(u'F');
    FSheet = cell.GetSection()->GetSheet();
    // Letters that are no number pattern ("C") leave the display format in
    // force rather than no pattern at all.
    SetFormat(NumberPattern(edit).isEmpty() ? cell.GetDisplayFormat() : edit);

    QLineEdit* line = GetEdit();
    const TXLLoadAnswer answer{spinner ? esSpinner : esNormal, FFormulaEntry};
    if (IsFormulaCell(cell) && FFormulaEntry) {
        const QString formula = cell.GetString();
        if (formula.startsWith(u'=')) {
            SetText(formula);
            line->deselect();
            line->setModified(false);
            return answer;
        }
    }
    if (FFormat.isEmpty())
        FIntegerOnly = cell.ClassType()->InheritsFrom(TXLCInteger::StaticClass());
    double value = 0;
    try {
        value = cell.GetDouble();
    } catch (...) {
        value = 0;
    }
    SetValue(value);
    line->deselect();
    line->setModified(false);
    return answer;
}

void TXLNumEdit::SaveCell(TXLCell& cell)
{
    if (!GetEdit()->isModified())
        return;
    if (IsFormulaCell(cell) && IsFormulaText()) {
        cell.SetString(GetEdit()->text());
        return;
    }
    cell.SetValue(Variant(GetValue()));
}

void TXLNumEdit::Step(int steps)
{
    double value = FValue;
    try {
        value = ReadValue();
    } catch (...) {
        // Unreadable text steps from the last value shown.
    }
    SetValue(value + steps * FStep);
    GetEdit()->end(false);
}

void TXLNumEdit::ButtonClick(TXLEditStyle style, bool lowerHalf)
{
    if (style == esSpinner)
        Step(lowerHalf ? -1 : 1);
}

bool TXLNumEdit::PreviewKey(QKeyEvent* event)
{
    const int key = event->key();
    if ((key != Qt::Key_Up && key != Qt::Key_Down) ||
        (event->modifiers() & ~Qt::KeypadModifier) != Qt::ShiftModifier)
        return false;
    Step(key == Qt::Key_Up ? 1 : -1);
    return true;
}

bool TXLNumEdit::EditKeyPress(QKeyEvent* event)
{
    const QString typed = event->text();
    if (typed.size() != 1 || !typed[0].isPrint() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return TXLMaskEdit::EditKeyPress(event);
    const QChar c = typed[0];
    if (!IsValidChar(c))
        return true;
    const QChar separator = CurrentFormatSettings().DecimalSeparator;
    // Both separators are typed for the decimal one; the text always holds
    // the locale's, which is what is read back.
    if ((c == u'.' || c == u',') && c != separator && !IsFormulaText()) {
        GetEdit()->insert(QString(separator));
        return true;
    }
    return false;
}

bool TXLNumEdit::CellClick(TPoint cell, Qt::KeyboardModifiers modifiers)
{
    (void)modifiers;
    if (!FFormulaEntry || !FSheet || cell.X < 0 || cell.Y < 0)
        return false;
    QLineEdit* line = GetEdit();
    const QString text = line->text();
    const QString name = Pos2XLI(cell);
    int start = line->cursorPosition();
    int length = 0;
    if (FRefStart >= 0 && FRefStart + FRefLength <= text.size()) {
        start = FRefStart;
        length = FRefLength;
    } else if (line->hasSelectedText()) {
        start = line->selectionStart();
        length = line->selectionLength();
    }
    const QString result = text.left(start) + name + text.mid(start + length);
    const QString trimmed = result.trimmed();
    if (!trimmed.startsWith(u'='))
        return false;
    // The formula so far must make sense with the name in it; brackets
    // still open do not count against it.
    QString test = trimmed.mid(1);
    test.remove(u'(').remove(u')');
    try {
        FSheet->CalcExpression(test, nullptr, true);
    } catch (...) {
        return false;
    }
    SetText(result);
    line->setModified(true);
    FRefStart = start;
    FRefLength = static_cast<int>(name.size());
    line->setCursorPosition(start + FRefLength);
    // The click gave the grid the focus; typing goes on in the formula.
    line->setFocus(Qt::MouseFocusReason);
    return true;
}
