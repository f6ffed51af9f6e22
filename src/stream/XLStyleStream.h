// The style records of the sheet stream: a sheet's two base styles (each a
// length-prefixed record) and the named styles of a styler, which make up
// the styler's Styles property. A style body is read whole into a
// TXLStyleRecord before anything is applied, so a damaged base style keeps
// its previous values and a damaged Styles property leaves the styler as it
// was.
#pragma once

#include "sheet/XLTypes.h"
#include "stream/XLPropertyStream.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>

class TXLBaseStyle;
class TXLProStyle;
class TXLStyle;
class TXLStyler;

struct TXLStyleRecord {
    TXLPropertyBlock Block;
    std::array<uint32_t, XLCellInfoCount> Info{};
    // Base styles.
    TColor ErrorColor = 0;
    TColor LinesColor = 0;
    // Named styles.
    QString Alias;
};

// A base style as a length-prefixed record.
void WriteBaseStyle(TXLStreamWriter& writer, TXLBaseStyle& style);
// Reads the record; a body that cannot be read leaves the style unchanged
// and gives false (the reader is at the record's end either way).
bool ReadBaseStyle(TXLStreamReader& reader, TXLBaseStyle& style);

// A named style body (no length prefix).
void WriteStyleBody(TXLStreamWriter& writer, TXLStyle& style);
TXLStyleRecord ReadStyleBody(TXLStreamReader& reader);

// The Styles property: the count and every style body. Both directions
// clear the styler's Modified flag.
void SaveStyles(TXLStyler& styler, TXLStreamWriter& writer);
// Replaces the styler's styles by those read, in order, so that a style's
// index is its place in the stream. Raises ERAVazoError (and changes
// nothing) for a damaged property or an alias used twice.
void ReadStyles(TXLStyler& styler, TXLStreamReader& reader);
QByteArray SaveStylesToBytes(TXLStyler& styler);
// The whole of bytes must be the property.
void LoadStylesFromBytes(TXLStyler& styler, QByteArrayView bytes);
