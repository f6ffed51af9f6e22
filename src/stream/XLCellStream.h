// The record body of a cell: its property block (without a class code: the
// class is the cell's own), its hint, the index of its named style and the
// payload of its class. A class's payload is its parent's followed by its
// own fields, so the body is built by walking the class chain from TXLCell
// down; a class without fields of its own (TXLCUrl, TXLCNumber, or one the
// table does not know) adds nothing. Reading fills a freshly made cell in
// csAssign, so nothing is marked local on the way and no editor closes;
// Props are set as read at the end, also when the body breaks off.
#pragma once

#include <cstdint>
#include <optional>

class TXLCell;
class TXLLoadBudget;
class TXLStreamReader;
class TXLStreamWriter;

// The body of cell's record (the caller writes the length prefix).
void WriteCellBody(TXLStreamWriter& writer, TXLCell& cell);
// Reads the body into cell, which must have been made for it (no Props,
// no hint). The style index read, if any, goes to styleIndex: the cell is
// based on it once all styles are known. prBasedOn stays out of Props
// until then.
void ReadCellBody(TXLStreamReader& reader, TXLCell& cell, TXLLoadBudget& budget, std::optional<int32_t>& styleIndex);
