#include "cli/InputValue.h"

#include "cli/CliError.h"
#include "cli/CliNumbers.h"
#include "cli/UnitAliases.h"

#include <QRegularExpression>

TInputValue ParseInputValue(const std::string& text, TUnitList list, const std::string& option)
{
    // No unit begins with a digit, a separator or an exponent, so the number
    // ends where the unit begins.
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*([+-]?(?:\d+(?:[.,]\d*)?|[.,]\d+)(?:[eE][+-]?\d+)?)\s*(.*?)\s*$)"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = form.match(QString::fromStdString(text));
    if (!m.hasMatch())
        throw ECliUsage(option + ": " + CliQuote(text) + " is not a number");
    TInputValue in;
    in.Number = m.captured(1).replace(u',', u'.');
    in.Value = ParseCliNumber(in.Number.toStdString(), option);
    if (const QString unit = m.captured(2); !unit.isEmpty())
        in.Unit = UnitIndexOf(list, unit.toStdString(), option);
    return in;
}
