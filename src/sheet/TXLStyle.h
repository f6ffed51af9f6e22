// TXLStyle: a named style of a styler. Cells of the styler's sheets are
// BasedOn it and take from it every property they do not hold themselves; a
// change of one of its properties is reloaded by exactly those cells. Its
// Alias is unique within its styler at all times. Owned by its styler, which
// creates it (Add) and destroys it (Delete, or with the styler).
#pragma once

#include "sheet/TXLProStyle.h"

#include <QString>

class TXLStyler;

class TXLStyle : public TXLProStyle {
public:
    explicit TXLStyle(TXLStyler* styler, const QString& alias = QString());

    TXLStyler* GetStyler() const { return FStyler; }
    const QString& GetAlias() const { return FAlias; }
    // Nothing when equal; raises ERAVazoError "Style named "%s" already
    // exists!" when another style of the styler has the alias.
    void SetAlias(const QString& alias);
    // Position in the styler's list.
    int GetIndex() const;
    QString GetNamePath() const;

    // Local marking, then every cell based on this style in the attached
    // sheets reloads prop; finally the styler's Changed.
    void NotifyChanges(TXLProp prop, int flags) override;

private:
    TXLStyler* FStyler;
    QString FAlias;
};
