// The locale's number and date conventions that parsing and formatting use:
// decimal and thousands separators, date and time separators and formats,
// the AM/PM strings and the currency symbol. The process keeps one current
// set, read once from the system locale; tests replace it with
// TFormatSettingsOverride so that every locale-dependent path is exercised
// with both decimal separators.
#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

struct FormatSettings {
    QChar DecimalSeparator = u'.';
    QChar ThousandSeparator = u',';
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    QString ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    QString LongDateFormat = QStringLiteral("dd mmmm yyyy");
    QString ShortTimeFormat = QStringLiteral("hh:nn");
    QString LongTimeFormat = QStringLiteral("hh:nn:ss");
    QString TimeAMString = QStringLiteral("AM");
    QString TimePMString = QStringLiteral("PM");
    QString CurrencyString = QStringLiteral("$");

    // The conventions of the system locale (QLocale::system()).
    static FormatSettings FromSystemLocale();
    static FormatSettings FromLocale(const QLocale& locale);
    // Plain "C" conventions with the given decimal separator ("." or ","); the
    // thousands separator is the other one of the two.
    static FormatSettings WithDecimalSeparator(QChar decimal);
};

// The current conventions of the process (initialised from the system locale
// on first use).
const FormatSettings& CurrentFormatSettings();
void SetCurrentFormatSettings(const FormatSettings& settings);

// Replaces the current conventions for the lifetime of the object.
class TFormatSettingsOverride {
public:
    explicit TFormatSettingsOverride(const FormatSettings& settings);
    ~TFormatSettingsOverride();
    TFormatSettingsOverride(const TFormatSettingsOverride&) = delete;
    TFormatSettingsOverride& operator=(const TFormatSettingsOverride&) = delete;

private:
    FormatSettings FSaved;
};
