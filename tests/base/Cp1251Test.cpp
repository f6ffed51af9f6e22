// The table-driven cp1251 conversion gives exactly what the system's
// converter gives: every byte, every character of the basic plane (with the
// lossless report), mixed texts and the empty ones.
#include "base/Cp1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

namespace {

QString SystemDecode(QByteArrayView bytes)
{
    QStringDecoder decoder("windows-1251");
    return decoder.decode(bytes);
}

QByteArray SystemEncode(const QString& text, bool& lossless)
{
    QStringEncoder encoder("windows-1251");
    QByteArray bytes = encoder.encode(text);
    lossless = !encoder.hasError();
    return bytes;
}

TEST(Cp1251Test, EveryByteDecodesAsTheSystemDecodesIt)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        const QString expected = SystemDecode(QByteArrayView(&byte, 1));
        ASSERT_EQ(Decode1251(QByteArrayView(&byte, 1)), expected) << "byte " << b;
        if (expected.size() == 1) {
            EXPECT_EQ(Cp1251Char(static_cast<unsigned char>(b)), expected[0]) << "byte " << b;
        }
        all += byte;
    }
    EXPECT_EQ(Decode1251(all), SystemDecode(all));
    EXPECT_EQ(Decode1251(QByteArrayView()), QString());
}

TEST(Cp1251Test, EveryCharacterEncodesAsTheSystemEncodesIt)
{
    for (int c = 0; c < 0x10000; ++c) {
        const QString text(QChar(static_cast<char16_t>(c)));
        bool expectedLossless = false;
        const QByteArray expected = SystemEncode(text, expectedLossless);
        bool lossless = !expectedLossless;
        ASSERT_EQ(Encode1251(text, &lossless), expected) << "U+" << std::hex << c;
        ASSERT_EQ(lossless, expectedLossless) << "U+" << std::hex << c;
    }
}

TEST(Cp1251Test, MixedTexts)
{
    const QString texts[] = {
        QString(),
        QStringLiteral("Давление, МПа"),
        QStringLiteral("t = 100 °C — «пар» №1"),
        QStringLiteral("lost: 中文 and 😀 and ü"),
        QString(QChar(0xD800)) + QStringLiteral("lone surrogate"),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        bool expectedLossless = false;
        const QByteArray expected = SystemEncode(text, expectedLossless);
        bool lossless = !expectedLossless;
        EXPECT_EQ(Encode1251(text, &lossless), expected);
        EXPECT_EQ(lossless, expectedLossless);
        EXPECT_EQ(Encode1251(text), expected);
        EXPECT_EQ(Decode1251(expected), SystemDecode(expected));
    }
}

}  // namespace
