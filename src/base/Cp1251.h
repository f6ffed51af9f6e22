// The code page cp1251 of the sheet files and formula strings: one byte per
// character, ASCII below 0x80. The upper 128 bytes are looked up in a table
// taken once from the system's own conversion, so the results are the
// system's, without building a converter for every string; text the table
// cannot encode goes through the system's converter. Thread-safe.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>

// Bytes to text.
QString Decode1251(QByteArrayView bytes);
// Text to bytes. Characters that cp1251 lacks become the substitution byte;
// lossless (when given) tells whether there were none.
QByteArray Encode1251(const QString& text, bool* lossless = nullptr);
// The character of one byte.
QChar Cp1251Char(unsigned char byte);
