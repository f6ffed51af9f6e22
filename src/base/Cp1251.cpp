#include "base/Cp1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace {

struct TCp1251Table {
    // Character of each upper byte.
    std::array<char16_t, 128> Upper{};
    // Byte + 1 of U+0400 … U+045F (most of the upper half), 0 for none.
    std::array<unsigned char, 0x60> Cyrillic{};
    // (character, byte) of the other upper bytes, sorted by character.
    std::vector<std::pair<char16_t, unsigned char>> Others;

    TCp1251Table()
    {
        QStringDecoder decoder("windows-1251");
        for (int i = 0; i < 128; ++i) {
            const char byte = static_cast<char>(0x80 + i);
            const QString text = decoder.decode(QByteArrayView(&byte, 1));
            Upper[static_cast<size_t>(i)] = text.size() == 1 ? text[0].unicode() : u'\uFFFD';
        }
        for (int i = 0; i < 128; ++i) {
            const char16_t c = Upper[static_cast<size_t>(i)];
            // A byte the code page leaves undefined cannot be encoded back.
            if (c == u'\uFFFD')
                continue;
            if (c >= 0x400 && c < 0x460)
                Cyrillic[c - 0x400] = static_cast<unsigned char>(0x80 + i + 1);
            else
                Others.emplace_back(c, static_cast<unsigned char>(0x80 + i));
        }
        std::sort(Others.begin(), Others.end());
    }

    std::optional<unsigned char> Find(char16_t c) const
    {
        if (c < 0x80)
            return static_cast<unsigned char>(c);
        if (c >= 0x400 && c < 0x460) {
            if (const unsigned char b = Cyrillic[c - 0x400])
                return static_cast<unsigned char>(b - 1);
            return std::nullopt;
        }
        const auto it = std::lower_bound(Others.begin(), Others.end(), std::make_pair(c, static_cast<unsigned char>(0)));
        if (it != Others.end() && it->first == c)
            return it->second;
        return std::nullopt;
    }
};

const TCp1251Table& Table()
{
    static const TCp1251Table table;
    return table;
}

QByteArray EncodeBySystem(const QString& text, bool* lossless)
{
    QStringEncoder encoder("windows-1251");
    QByteArray bytes = encoder.encode(text);
    if (lossless)
        *lossless = !encoder.hasError();
    return bytes;
}

}  // namespace

QString Decode1251(QByteArrayView bytes)
{
    const TCp1251Table& table = Table();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        *out++ = byte < 0x80 ? char16_t(byte) : table.Upper[byte - 0x80];
    }
    return text;
}

QByteArray Encode1251(const QString& text, bool* lossless)
{
    const TCp1251Table& table = Table();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const std::optional<unsigned char> byte = table.Find(c.unicode());
        // The system decides what a character outside the table becomes.
        if (!byte)
            return EncodeBySystem(text, lossless);
        *out++ = static_cast<char>(*byte);
    }
    if (lossless)
        *lossless = true;
    return bytes;
}

QChar Cp1251Char(unsigned char byte)
{
    return byte < 0x80 ? QChar(char16_t(byte)) : QChar(Table().Upper[byte - 0x80]);
}
