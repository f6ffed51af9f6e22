#include "sheet/TXLCFormula.h"

#include "base/VariantError.h"
#include "sheet/TXLSheet.h"
#include "sheet/XLFormulaErrors.h"

#include <exception>

const TXLCellClass* TXLCFormula::StaticClass()
{
    static const TXLCellClass cellClass{QStringLiteral("TXLCFormula"), &XLMakeCell<TXLCFormula>,
                                        TXLCDouble::StaticClass()};
    return &cellClass;
}

const TXLCellClass* TXLCFormula::ClassType() const
{
    return StaticClass();
}

QString TXLCFormula::GetString()
{
    if (!FFormula.isEmpty())
        return QStringLiteral("=") + FFormula;
    return GetValue().ToString();
}

void TXLCFormula::SetString(const QString& value)
{
    if (value == FFormula && !IsWriteNotify())
        return;
    qsizetype start = 0;
    while (start < value.size() && value[start] == u'=')
        ++start;
    const QString formula = value.mid(start);
    const bool changed = formula != FFormula;
    FFormula = formula;
    // A new formula is a change of the cell even when its result is not.
    if (!Calculate() && (changed || IsWriteNotify()))
        Changed();
}

double TXLCFormula::GetDouble()
{
    if (HasState(csRecalc)) {
        Calculate();
        if (FError == feCircular)
            throw EXLCircular(XLFormulaMessages::Circular, 0);
    }
    return StoredDouble();
}

void TXLCFormula::SetDouble(double value)
{
    if (FFormula.isEmpty()) {
        TXLCDouble::SetDouble(value);
        return;
    }
    FFormula.clear();
    FError = feNone;
    PutDouble(value);
    Changed();
}

void TXLCFormula::SetValue(const Variant& value)
{
    if (value.VarType() == TVarType::String)
        SetString(value.ToString());
    else
        SetDouble(value.ToDouble());
}

QString TXLCFormula::FormatText()
{
    if (!FFormula.isEmpty()) {
        switch (FError) {
        case feValue:
            return QStringLiteral("#VALUE!");
        case feName:
            return QStringLiteral("#NAME!");
        case feDivZero:
            return QStringLiteral("#DIV/0!");
        case feCircular:
            return QStringLiteral("#CIRCULAR!");
        case feNone:
            break;
        }
    }
    // The stored result: painting never starts a calculation.
    return FormatNumber(StoredDouble());
}

void TXLCFormula::AssignProperty(TXLPersistent& source, TXLProp prop, int flags)
{
    auto* formula = dynamic_cast<TXLCFormula*>(&source);
    if (prop != prValue || !formula) {
        TXLCDouble::AssignProperty(source, prop, flags);
        return;
    }
    FFormula = formula->FFormula;
    FError = formula->FError;
    PutDouble(formula->StoredDouble());
    Changed();
}

bool TXLCFormula::Calculate()
{
    const TXLFormulaError before = FError;
    const double old = StoredDouble();
    FError = feNone;
    // Due until it has a result: a formula that reads its own cell, however
    // indirectly, calculates it again and meets it in the evaluation list.
    IncludeState(csRecalc);
    if (!FFormula.isEmpty()) {
        try {
            PutDouble(GetSheet()->CalcExpression(FFormula, this, false).ToDouble());
        } catch (const EZeroDivide&) {
            FError = feDivZero;
        } catch (const EXLCircular&) {
            FError = feCircular;
        } catch (const EXLUnknown&) {
            FError = feName;
        } catch (const std::exception&) {
            FError = feValue;
        }
    }
    ExcludeState(csRecalc);
    if (FError == feNone && FError == before && StoredDouble() == old)
        return false;
    Changed();
    return true;
}
