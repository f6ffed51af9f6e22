#include "sheet/XLCellNames.h"

#include "base/ERAVazoError.h"

#include <cstdint>
#include <limits>

namespace {

constexpr int64_t MaxIndex = std::numeric_limits<int>::max();
constexpr int64_t LetterBase = 26;

[[noreturn]] void UnknownName()
{
    throw ERAVazoError("Unknown identifier!");
}

}  // namespace

TPoint XLI2Pos(const QString& name)
{
    qsizetype letters = 0;
    while (letters < name.size() && name[letters].isLetter())
        ++letters;
    if (letters == 0 || letters == name.size())
        UnknownName();

    // The row: decimal digits only, as a whole.
    int64_t number = 0;
    for (qsizetype i = letters; i < name.size(); ++i) {
        const QChar c = name[i];
        if (c < u'0' || c > u'9')
            UnknownName();
        number = number * 10 + (c.unicode() - u'0');
        if (number > MaxIndex)
            UnknownName();
    }
    if (number < 1)
        UnknownName();

    // Base 26 with A = 1; a letter beyond Z simply counts further.
    const QString column = name.left(letters).toUpper();
    int64_t col = 0;
    for (const QChar c : column) {
        col = col * LetterBase + (static_cast<int64_t>(c.unicode()) - u'A' + 1);
        if (col > MaxIndex)
            UnknownName();
    }
    return {static_cast<int>(col - 1), static_cast<int>(number - 1)};
}

QString Col2XLI(int col)
{
    QString result;
    // Bijective base 26: 0 -> A, 25 -> Z, 26 -> AA.
    for (int64_t n = static_cast<int64_t>(col) + 1; n > 0; n = (n - 1) / LetterBase)
        result.prepend(QChar(static_cast<char16_t>(u'A' + (n - 1) % LetterBase)));
    return result;
}

QString Pos2XLI(TPoint pos)
{
    return Col2XLI(pos.X) + QString::number(static_cast<int64_t>(pos.Y) + 1);
}
