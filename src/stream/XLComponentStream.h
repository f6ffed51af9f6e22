// The tagged values of the component stream a sheet file is written in: a
// value is a tag byte (XLStream::TValueTag) and what the tag says follows.
// The writer uses the few tags a sheet needs and the smallest integer tag
// that holds a number; the reader reads those and skips every other value
// the format knows (lists and collections to a bounded depth), so a file
// with properties this program does not know still loads.
#pragma once

#include "stream/XLStreamFormat.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

class TXLLoadBudget;
class TXLStreamReader;
class TXLStreamWriter;

void WriteFilerInteger(TXLStreamWriter& writer, int64_t value);
void WriteFilerBoolean(TXLStreamWriter& writer, bool value);
void WriteFilerIdent(TXLStreamWriter& writer, QByteArrayView ident);
void WriteFilerSet(TXLStreamWriter& writer, const QList<QByteArray>& idents);
void WriteFilerBinary(TXLStreamWriter& writer, QByteArrayView bytes);
// The same with the bytes written in place by write, the length patched
// after: no copy of a large part.
void WriteFilerBinaryWith(TXLStreamWriter& writer, const std::function<void(TXLStreamWriter&)>& write);
// cp1251 when the text fits into it, else UTF-8.
void WriteFilerString(TXLStreamWriter& writer, const QString& text);

// One value as read; which members mean something depends on Tag.
struct TXLFilerValue {
    XLStream::TValueTag Tag = XLStream::vaNull;
    int64_t Integer = 0;         // integer tags
    bool Boolean = false;        // vaFalse, vaTrue
    QByteArray Ident;            // vaIdent
    QList<QByteArray> Set;       // vaSet
    QString Text;                // string tags
    int64_t DataPos = 0;         // vaBinary: where the bytes lie in the reader
    int64_t DataSize = 0;
};

// Reads one value of a tag a sheet property can have (integers, Booleans,
// identifiers, sets, binary data, strings); other tags raise ERAVazoError.
// Texts and set members are charged to budget before they are made.
TXLFilerValue ReadFilerValue(TXLStreamReader& reader, TXLLoadBudget& budget);
// The same with a budget of its own.
TXLFilerValue ReadFilerValue(TXLStreamReader& reader);
// Skips one value of any tag.
void SkipFilerValue(TXLStreamReader& reader);
bool IsFilerInteger(XLStream::TValueTag tag);
bool IsFilerString(XLStream::TValueTag tag);
