// TXLStrings: an ordered list of strings as a cell value object (the items
// of a pick-list cell). Text joins the items, each followed by CR LF;
// SetText splits at CR LF, CR or LF, and a final line break adds no empty
// item. Owned by the cell (or whoever made it).
#pragma once

#include "sheet/TXLObject.h"

#include <QString>
#include <QStringList>

class TXLStrings : public TXLObject {
public:
    TXLStrings() = default;
    explicit TXLStrings(QStringList items) : Items(std::move(items)) {}

    QString GetText() const;
    void SetText(const QString& text);

    QStringList Items;
};
