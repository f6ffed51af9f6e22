#include "sheet/XLCellNames.h"

#include "base/ERAVazoError.h"

#include <limits>

TPoint XLI2Pos(const QString& name)
{
    qsizetype letters = 0;
    while (letters < name.size() && name[letters].isLetter())
        ++letters;
    bool ok = false;
    const int number = name.mid(letters).toInt(&ok);
    if (letters == 0 || !ok || number < 1)
        throw ERAVazoError("Unknown identifier!");
    // Base 26 with A = 1; a letter beyond Z (other alphabets) simply counts
    // further. Saturate rather than overflow on absurd names.
    const QString column = name.left(letters).toUpper();
    int64_t col = 0;
    for (const QChar c : column) {
        col = col * 26 + (static_cast<int64_t>(c.unicode()) - u'A' + 1);
        if (col > std::numeric_limits<int>::max())
            col = std::numeric_limits<int>::max();
    }
    return {static_cast<int>(col - 1), number - 1};
}
