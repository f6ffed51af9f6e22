#include "base/MaskText.h"

namespace {

bool IsInputChar(QChar c)
{
    switch (c.unicode()) {
    case u'L':
    case u'l':
    case u'A':
    case u'a':
    case u'C':
    case u'c':
    case u'0':
    case u'9':
    case u'#':
        return true;
    default:
        return false;
    }
}

// Where the first section of the mask ends and the others start: the
// unescaped ";" characters.
std::vector<qsizetype> SectionBreaks(const QString& mask)
{
    std::vector<qsizetype> breaks;
    for (qsizetype i = 0; i < mask.size() && breaks.size() < 2; ++i) {
        if (mask[i] == u'\\')
            ++i;
        else if (mask[i] == u';')
            breaks.push_back(i);
    }
    return breaks;
}

} // namespace

TEditMask::TEditMask(const QString& mask)
{
    const std::vector<qsizetype> breaks = SectionBreaks(mask);
    const QString body = breaks.empty() ? mask : mask.left(breaks[0]);
    if (!breaks.empty()) {
        const qsizetype end = breaks.size() > 1 ? breaks[1] : mask.size();
        FSaveLiterals = mask.mid(breaks[0] + 1, end - breaks[0] - 1) != QStringLiteral("0");
    }
    if (breaks.size() > 1 && breaks[1] + 1 < mask.size())
        FBlank = mask[breaks[1] + 1];

    TCase currentCase = TCase::None;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        if (c == u'!') {
            FReversed = true;
        } else if (c == u'>') {
            currentCase = TCase::Upper;
        } else if (c == u'<') {
            if (i + 1 < body.size() && body[i + 1] == u'>') {
                currentCase = TCase::None;
                ++i;
            } else {
                currentCase = TCase::Lower;
            }
        } else if (c == u'\\') {
            if (++i < body.size()) // a trailing "\" escapes nothing
                FPositions.push_back({TKind::Literal, body[i], TCase::None});
        } else if (IsInputChar(c)) {
            FPositions.push_back({TKind::Input, c, currentCase});
        } else if (c == u':') {
            FPositions.push_back({TKind::TimeSeparator, c, TCase::None});
        } else if (c == u'/') {
            FPositions.push_back({TKind::DateSeparator, c, TCase::None});
        } else if (c == u'_') {
            FPositions.push_back({TKind::Literal, QChar(u' '), TCase::None});
        } else {
            FPositions.push_back({TKind::Literal, c, TCase::None});
        }
    }
}

QChar TEditMask::LiteralAt(size_t index, const FormatSettings& settings) const
{
    const TPosition& p = FPositions[index];
    if (p.Kind == TKind::TimeSeparator)
        return settings.TimeSeparator;
    if (p.Kind == TKind::DateSeparator)
        return settings.DateSeparator;
    return p.Char;
}

QChar TEditMask::Converted(QChar c, size_t index) const
{
    switch (FPositions[index].Case) {
    case TCase::Upper:
        return c.toUpper();
    case TCase::Lower:
        return c.toLower();
    case TCase::None:
        break;
    }
    return c;
}

QString TEditMask::FormatUnsaved(const QString& text, const FormatSettings& settings) const
{
    QString out;
    if (!FReversed) {
        qsizetype t = 0;
        for (size_t k = 0; k < FPositions.size(); ++k) {
            if (FPositions[k].Kind != TKind::Input)
                out += LiteralAt(k, settings);
            else
                out += t < text.size() ? Converted(text[t++], k) : QChar(u' ');
        }
        return out + text.mid(t);
    }
    qsizetype t = text.size();
    for (size_t k = FPositions.size(); k-- > 0;) {
        if (FPositions[k].Kind != TKind::Input)
            out.prepend(LiteralAt(k, settings));
        else
            out.prepend(t > 0 ? Converted(text[--t], k) : QChar(u' '));
    }
    return text.left(t) + out;
}

QString TEditMask::PlaceField(const QString& field, size_t first, size_t last) const
{
    const qsizetype count = static_cast<qsizetype>(last - first);
    const qsizetype size = field.size();
    QString out;
    if (size <= count) {
        const QString blanks(count - size, u' ');
        if (FReversed)
            out += blanks;
        // Each character takes the case of the position it lands on.
        const size_t start = FReversed ? first + static_cast<size_t>(count - size) : first;
        for (qsizetype k = 0; k < size; ++k)
            out += Converted(field[k], start + static_cast<size_t>(k));
        if (!FReversed)
            out += blanks;
        return out;
    }
    // Too long for its positions: keep the surplus next to them.
    const qsizetype surplus = size - count;
    const qsizetype placedFrom = FReversed ? surplus : 0;
    if (FReversed)
        out += field.left(surplus);
    for (qsizetype k = 0; k < count; ++k)
        out += Converted(field[placedFrom + k], first + static_cast<size_t>(k));
    if (!FReversed)
        out += field.mid(count);
    return out;
}

QString TEditMask::FormatSaved(const QString& text, const FormatSettings& settings) const
{
    QString out;
    qsizetype t = 0;
    bool literalsMissing = false;
    size_t i = 0;
    const size_t n = FPositions.size();
    while (i < n) {
        size_t j = i;
        while (j < n && FPositions[j].Kind == TKind::Input)
            ++j;
        QString field;
        if (j == n) {
            field = text.mid(t); // the last field takes the rest
            t = text.size();
        } else {
            const QChar literal = LiteralAt(j, settings);
            const qsizetype found = literalsMissing ? -1 : text.indexOf(literal, t);
            if (found >= 0) {
                field = text.mid(t, found - t);
                t = found + 1;
            } else {
                literalsMissing = true;
                field = text.mid(t, static_cast<qsizetype>(j - i));
                t += field.size();
            }
        }
        out += PlaceField(field, i, j);
        if (j < n)
            out += LiteralAt(j, settings);
        i = j + 1;
    }
    return out + text.mid(t); // text after the mask's last literal
}

QString TEditMask::FormatText(const QString& text, const FormatSettings& settings) const
{
    if (IsEmpty())
        return text;
    return FSaveLiterals ? FormatSaved(text, settings) : FormatUnsaved(text, settings);
}

QString FormatMaskText(const QString& mask, const QString& text, const FormatSettings& settings)
{
    return TEditMask(mask).FormatText(text, settings);
}

QString FormatMaskText(const QString& mask, const QString& text)
{
    return FormatMaskText(mask, text, CurrentFormatSettings());
}
