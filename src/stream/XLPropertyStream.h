// The parts every record of the sheet stream shares: the length-prefixed
// record itself and the property block at the head of each record body
// (the set of properties an object holds, with the data of prFont and
// prControl), plus the check of the twelve info values of a style and of a
// position. A property block is read into a TXLPropertyBlock first and then
// applied, so a block that fails to read changes nothing.
#pragma once

#include "base/ERAVazoError.h"
#include "sheet/TXLCellClass.h"
#include "sheet/TXLFont.h"
#include "sheet/XLEnums.h"
#include "stream/TXLLoadBudget.h"
#include "stream/TXLStreamReader.h"
#include "stream/TXLStreamWriter.h"

#include <QString>

#include <cstdint>

class TXLPersistent;

struct TXLPropertyBlock {
    TXLProps Props;
    // With prFont.
    TXLFont Font;
    // With prControl; the class is read only in style records (0: none).
    const TXLCellClass* CellClass = nullptr;
    int32_t Editor = 0;
    QString Format;
};

// props decides what follows; withClass writes the class code (styles).
void WritePropertyBlock(TXLStreamWriter& writer, TXLPersistent& object, TXLProps props, bool withClass);
// Reads a block. Without withClass the format index resolves in cellClass's
// format list. Raises ERAVazoError for unknown property bits, an unknown
// class code and a format index outside the class's list.
TXLPropertyBlock ReadPropertyBlock(TXLStreamReader& reader, bool withClass, const TXLCellClass* cellClass);
// Gives object the block's font and (with prControl) its class, editor and
// format; Props are left to the caller.
void ApplyPropertyBlock(TXLPersistent& object, const TXLPropertyBlock& block);

// Whether a value can stand in info kind info: enumerations within their
// members, layouts with known alignments and wrap modes.
bool XLIsValidInfo(TXLCellInfo info, uint32_t value);

// One length-prefixed record: L is checked against the bytes left, body()
// reads inside the record only, and the reader always ends at the record's
// end. An error of the body is swallowed (the result is then false), except
// a spent budget, which ends the load.
template <class F>
bool ReadRecord(TXLStreamReader& reader, F&& body)
{
    const int64_t start = reader.Position();
    const int32_t length = reader.ReadInteger();
    if (length < 4 || length - 4 > reader.Remaining())
        reader.FailAt(start, "record length " + std::to_string(length) + " does not fit into the " +
                                 std::to_string(reader.Remaining() + 4) + " bytes left");
    bool ok = true;
    {
        TXLStreamReader::TLimitScope scope(reader, length - 4);
        try {
            body();
        } catch (const EXLLoadLimit&) {
            throw;
        } catch (const EBaseError&) {
            ok = false;
        }
    }
    reader.Seek(start + length);
    return ok;
}
