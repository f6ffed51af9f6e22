// Edit masks: the mask language of masked text editors, and FormatMaskText,
// which shows a string through a mask (the display text of a string cell
// whose display format is a mask).
//
// A mask is up to three sections separated by ";" (a "\;" is a literal):
//   1. the positions:
//        L l   letter (required / optional)     0 9  digit (required / optional)
//        A a   letter or digit                  #    digit, "+" or "-" (optional)
//        C c   any character
//        :  /  the locale's time / date separator (literals)
//        _     a literal space
//        \x    x as a literal;  any other character is a literal itself
//      and directives, which take no position:
//        >  upper case from here on;  <  lower case;  <>  no case change
//        !  the text fills the mask from its end (blanks lead)
//   2. "0": the text holds only the characters typed into positions, the
//      literals are not saved in it; anything else or no section: the
//      literals are part of the text.
//   3. the blank character an editor shows for empty positions ("_").
// Formatting places the text's characters into the positions in order,
// converting their case, and writes the literals in between. Positions the
// text does not reach are spaces (at the end, or at the start with "!");
// characters beyond the mask's positions are kept after them (before them
// with "!"), so no typed character is lost. A text that holds its literals is
// split at them into fields, each field padded to its positions; when a
// literal is missing from the text, the rest of it is placed as if literals
// were not saved. Characters are not checked against the position kinds.
#pragma once

#include "base/FormatSettings.h"

#include <QString>

#include <vector>

class TEditMask {
public:
    enum class TCase { None, Upper, Lower };
    enum class TKind { Input, Literal, TimeSeparator, DateSeparator };

    struct TPosition {
        TKind Kind = TKind::Literal;
        QChar Char;              // the mask character (Input) or the literal
        TCase Case = TCase::None; // the case conversion in force (Input)
    };

    explicit TEditMask(const QString& mask);

    bool IsEmpty() const { return FPositions.empty(); }
    const std::vector<TPosition>& Positions() const { return FPositions; }
    bool SaveLiterals() const { return FSaveLiterals; }
    bool Reversed() const { return FReversed; }
    QChar Blank() const { return FBlank; }

    QString FormatText(const QString& text, const FormatSettings& settings) const;

private:
    QChar LiteralAt(size_t index, const FormatSettings& settings) const;
    QChar Converted(QChar c, size_t index) const;
    QString FormatUnsaved(const QString& text, const FormatSettings& settings) const;
    QString FormatSaved(const QString& text, const FormatSettings& settings) const;
    // The characters of one field written into positions [first, last).
    QString PlaceField(const QString& field, size_t first, size_t last) const;

    std::vector<TPosition> FPositions;
    bool FSaveLiterals = true;
    bool FReversed = false;
    QChar FBlank = u'_';
};

// The text shown through the mask; an empty mask leaves it as it is.
QString FormatMaskText(const QString& mask, const QString& text, const FormatSettings& settings);
QString FormatMaskText(const QString& mask, const QString& text); // with CurrentFormatSettings()
