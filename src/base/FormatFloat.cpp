#include "base/FormatFloat.h"

#include "base/FormatSections.h"

#include <QStringList>

#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace {

enum class TTokenKind { Literal, DigitZero, DigitHash, Point, Exponent };

struct TToken {
    TTokenKind Kind;
    QString Text;             // literal text, or the exponent letter
    bool AlwaysSign = false;  // exponent "+"
    int ExponentDigits = 0;   // exponent minimum digits
};

struct TSection {
    std::vector<TToken> Tokens;
    bool Thousands = false;
    bool Scientific = false;
    int IntPlaceholders = 0;
    int MinIntDigits = 0;
    int FracPlaceholders = 0;
    int MinFracDigits = 0;
};

QStringList SplitSections(const QString& format)
{
    QStringList sections;
    qsizetype start = 0;
    for (qsizetype end; (end = NextSectionBreak(format, start)) >= 0; start = end + 1)
        sections << format.mid(start, end - start);
    sections << format.mid(start);
    return sections;
}

TSection ParseSection(const QString& text)
{
    TSection s;
    bool afterPoint = false;
    int firstZeroInt = -1; // index among integer placeholders
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'"' || c == u'\'') {
            qsizetype end = text.indexOf(c, i + 1);
            if (end < 0)
                end = n;
            s.Tokens.push_back({TTokenKind::Literal, text.mid(i + 1, end - i - 1)});
            i = end;
        } else if ((c == u'0' || c == u'#') && !s.Scientific) {
            s.Tokens.push_back({c == u'0' ? TTokenKind::DigitZero : TTokenKind::DigitHash, {}});
            if (afterPoint) {
                ++s.FracPlaceholders;
                if (c == u'0')
                    s.MinFracDigits = s.FracPlaceholders;
            } else {
                if (c == u'0' && firstZeroInt < 0)
                    firstZeroInt = s.IntPlaceholders;
                ++s.IntPlaceholders;
            }
        } else if (c == u'.' && !afterPoint && !s.Scientific) {
            s.Tokens.push_back({TTokenKind::Point, {}});
            afterPoint = true;
        } else if (c == u',') {
            s.Thousands = true;
        } else if ((c == u'E' || c == u'e') && i + 1 < n && (text[i + 1] == u'+' || text[i + 1] == u'-')
                   && !s.Scientific) {
            TToken t{TTokenKind::Exponent, QString(c)};
            t.AlwaysSign = text[i + 1] == u'+';
            i += 1;
            while (i + 1 < n && text[i + 1] == u'0' && t.ExponentDigits < 4) {
                ++t.ExponentDigits;
                ++i;
            }
            s.Tokens.push_back(t);
            s.Scientific = true;
        } else {
            s.Tokens.push_back({TTokenKind::Literal, QString(c)});
        }
    }
    if (firstZeroInt >= 0)
        s.MinIntDigits = s.IntPlaceholders - firstZeroInt;
    return s;
}

// A non-negative finite value as decimal digits: value = 0.D × 10^(Exp10 + 1),
// i.e. D[0] is the digit of 10^Exp10. D holds the shortest text that reads
// back as the same double.
struct TDecimal {
    std::string D;
    int Exp10 = 0;
    bool IsZero() const { return D.find_first_not_of('0') == std::string::npos; }
};

TDecimal ToDecimal(double magnitude)
{
    TDecimal r;
    if (magnitude == 0.0) {
        r.D.assign(1, '0');
        return r;
    }
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
    const std::string text(buf, res.ptr);
    const size_t e = text.find('e');
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            r.D += text[i];
    r.Exp10 = std::stoi(text.substr(e + 1));
    return r;
}

// Keeps the first `keep` digits of D, rounding half away from zero.
void RoundDigits(TDecimal& d, int keep)
{
    if (keep >= static_cast<int>(d.D.size()))
        return;
    if (keep < 0) {
        d.D.assign(1, '0');
        return;
    }
    const bool up = d.D[static_cast<size_t>(keep)] >= '5';
    d.D.resize(static_cast<size_t>(keep));
    if (!up) {
        if (d.D.empty())
            d.D.assign(1, '0');
        return;
    }
    int i = keep - 1;
    while (i >= 0 && d.D[static_cast<size_t>(i)] == '9') {
        d.D[static_cast<size_t>(i)] = '0';
        --i;
    }
    if (i >= 0) {
        ++d.D[static_cast<size_t>(i)];
    } else {
        d.D.insert(d.D.begin(), '1');
        ++d.Exp10;
    }
}

// Digit of 10^power in d, '0' outside the stored digits.
char DigitAt(const TDecimal& d, int power)
{
    const int index = d.Exp10 - power;
    if (index < 0 || index >= static_cast<int>(d.D.size()))
        return '0';
    return d.D[static_cast<size_t>(index)];
}

struct TParts {
    QString Int;
    QString Frac;
    int Exponent = 0;
    bool AllZero = true;
};

QString TrimFraction(QString frac, int minDigits)
{
    while (frac.size() > minDigits && frac.endsWith(u'0'))
        frac.chop(1);
    return frac;
}

TParts SplitFixed(double magnitude, const TSection& s)
{
    TDecimal d = ToDecimal(magnitude);
    RoundDigits(d, d.Exp10 + 1 + s.FracPlaceholders);
    TParts p;
    p.AllZero = d.IsZero();
    if (!p.AllZero)
        for (int power = d.Exp10; power >= 0; --power)
            p.Int += QChar::fromLatin1(DigitAt(d, power));
    for (int k = 1; k <= s.FracPlaceholders; ++k)
        p.Frac += QChar::fromLatin1(p.AllZero ? '0' : DigitAt(d, -k));
    p.Frac = TrimFraction(p.Frac, s.MinFracDigits);
    return p;
}

TParts SplitScientific(double magnitude, const TSection& s)
{
    const int intDigits = std::max(1, s.IntPlaceholders);
    TDecimal d = ToDecimal(magnitude);
    RoundDigits(d, intDigits + s.FracPlaceholders);
    TParts p;
    p.AllZero = d.IsZero();
    const int top = p.AllZero ? intDigits - 1 : d.Exp10;
    p.Exponent = top - (intDigits - 1);
    if (p.AllZero) {
        p.Int = QString(intDigits, u'0');
    } else {
        for (int k = 0; k < intDigits; ++k)
            p.Int += QChar::fromLatin1(DigitAt(d, top - k));
    }
    for (int k = 0; k < s.FracPlaceholders; ++k)
        p.Frac += QChar::fromLatin1(p.AllZero ? '0' : DigitAt(d, top - intDigits - k));
    p.Frac = TrimFraction(p.Frac, s.MinFracDigits);
    // Leading zeros of the mantissa's integer part follow the "0"/"#" rule.
    while (p.Int.size() > std::max(1, s.MinIntDigits) && p.Int.startsWith(u'0'))
        p.Int.remove(0, 1);
    return p;
}

QString Group(const QString& digits, QChar separator)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

QString Render(const TSection& s, TParts p, const FormatSettings& fs)
{
    if (p.Int.size() < s.MinIntDigits)
        p.Int = QString(s.MinIntDigits - p.Int.size(), u'0') + p.Int;
    if (p.Int.isEmpty() && p.Frac.isEmpty() && (s.IntPlaceholders + s.FracPlaceholders) > 0)
        p.Int = QStringLiteral("0");
    const QString intText = s.Thousands ? Group(p.Int, fs.ThousandSeparator) : p.Int;

    QString out;
    int intIndex = 0;
    int fracIndex = 0;
    bool intWritten = false;
    const int nInt = s.IntPlaceholders;
    const int len = static_cast<int>(p.Int.size());
    for (const TToken& t : s.Tokens) {
        switch (t.Kind) {
        case TTokenKind::Literal:
            out += t.Text;
            break;
        case TTokenKind::DigitZero:
        case TTokenKind::DigitHash:
            if (intIndex >= nInt) {
                // past the decimal point: a fraction placeholder
                if (fracIndex < p.Frac.size())
                    out += p.Frac[fracIndex];
                ++fracIndex;
                break;
            }
            if (s.Thousands) {
                if (intIndex == 0)
                    out += intText;
            } else if (intIndex == 0) {
                // the first placeholder takes every digit beyond the placeholders
                out += p.Int.left(std::max(0, len - nInt + 1));
            } else if (const int at = len - nInt + intIndex; at >= 0) {
                out += p.Int[at];
            }
            intWritten = true;
            ++intIndex;
            break;
        case TTokenKind::Point:
            if (!intWritten) {
                out += intText;
                intWritten = true;
            }
            intIndex = nInt;
            if (!p.Frac.isEmpty())
                out += fs.DecimalSeparator;
            break;
        case TTokenKind::Exponent: {
            if (!intWritten) {
                out += intText;
                intWritten = true;
            }
            out += t.Text;
            if (p.Exponent < 0)
                out += u'-';
            else if (t.AlwaysSign)
                out += u'+';
            QString digits = QString::number(std::abs(p.Exponent));
            if (digits.size() < t.ExponentDigits)
                digits = QString(t.ExponentDigits - digits.size(), u'0') + digits;
            out += digits;
            break;
        }
        }
    }
    if (!intWritten)
        out = intText + out;
    return out;
}

QString FormatWithSection(const QString& sectionText, double magnitude, const FormatSettings& fs, bool& allZero)
{
    const TSection s = ParseSection(sectionText);
    const TParts p = s.Scientific ? SplitScientific(magnitude, s) : SplitFixed(magnitude, s);
    allZero = p.AllZero;
    return Render(s, p, fs);
}

QString FormatGeneral(double value, const FormatSettings& fs)
{
    QString text = QString::number(value, 'g', 15);
    text.replace(u'.', fs.DecimalSeparator);
    return text;
}

} // namespace

QString FormatFloat(const QString& format, double value, const FormatSettings& settings)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (format.isEmpty())
        return FormatGeneral(value, settings);

    const QStringList sections = SplitSections(format);
    const bool negative = std::signbit(value) && value != 0.0;
    const double magnitude = std::fabs(value);
    const bool hasNegativeSection = sections.size() >= 2 && !sections[1].isEmpty();
    const bool hasZeroSection = sections.size() >= 3 && !sections[2].isEmpty();

    bool allZero = false;
    const QString& chosen = negative && hasNegativeSection ? sections[1] : sections[0];
    QString text = FormatWithSection(chosen, magnitude, settings, allZero);
    if (allZero && hasZeroSection)
        return FormatWithSection(sections[2], 0.0, settings, allZero);
    // A negative value that rounds to zero is written without a sign.
    if (negative && !hasNegativeSection && !allZero)
        text.prepend(u'-');
    return text;
}

QString FormatFloat(const QString& format, double value)
{
    return FormatFloat(format, value, CurrentFormatSettings());
}
