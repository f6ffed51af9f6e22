// The byte layouts of the sheet engine's persistence, written down once for
// the reader and the writer: the sheet stream (XLData), the Styles property
// of a styler and the sheet file around them. All numbers little-endian.
// Nothing here owns anything; the constants are the format and never change.
//
// Primitives: Byte (u8), Word (u16), Integer (i32), Int64, Double (IEEE
// binary64), String = Integer n + n cp1251 bytes (n <= 0: empty, nothing
// follows), ShortString = Byte n + n bytes.
//
// Sparse list:     Byte 0 | Integer Count | Integer B | B x (Integer k, 16 x Integer slot of 16k..16k+15)
// Two-level list:  Integer N | N x (Integer outer index, sparse list)
// Record:          Integer L (whole record, L itself included) | body; a
//                  reader always goes on at (start of L) + L.
// Property block:  Word props | [prFont: String name, Integer charset,
//                  Integer style bits, Integer height, Integer colour]
//                  | [prControl: (styles only) Integer class code, Integer
//                  editor, Integer format index (-1: String format follows)]
// Base style body: property block | 12 x Integer info | Integer ErrorColor | Integer LinesColor
// Named style body: property block | 12 x Integer info | String Alias
// Styles property: Integer count | count x named style body
// Cell body:       property block (no class code) | [prHint: String]
//                  | [prBasedOn: Integer style index] | class payload
// Section block:   Integer mask | [bit 0: Integer n, n x (L, T, R, B)]
//                  | [bit 1: cell table] | [bit 2+i: two-level list i]
// Cell table:      { Integer row, { Integer col, Integer class code, record } Integer -1 } Integer -1
// Sheet stream:    "XLG" | Byte version | base client style record | base
//                  title style record | Byte size-list mask | size lists
//                  | section blocks of sCols, sRows, sTitle, sClient (each
//                  when both of its counts are above 0)
// Picture block:   Byte 0 | Byte 1, ShortString class, Integer n, n bytes
// Sheet file:      "TPF0" | ShortString "TXLSheet" | ShortString name
//                  | { ShortString property, tagged value } | Byte 0 | Byte 0
#pragma once

#include <cstdint>

namespace XLStream {

// Sheet stream head.
inline constexpr char Magic[3] = {'X', 'L', 'G'};
inline constexpr uint8_t Version = 0x16;

// Sparse lists.
inline constexpr int BlockSlots = 16;
// Byte lead + Integer count + Integer block count.
inline constexpr int SListHeadBytes = 1 + 4 + 4;
// Integer k + 16 slots.
inline constexpr int SListBlockBytes = 4 + BlockSlots * 4;
inline constexpr int MaxBlocks = 65536;

// Records.
inline constexpr int RecordHeadBytes = 4;
// Info words of a style.
inline constexpr int InfoCount = 12;

// The eight size lists of the sheet stream, by mask bit.
inline constexpr int SizeListCount = 8;

// Section mask.
inline constexpr int32_t SectionUnions = 1;
inline constexpr int32_t SectionCells = 2;
inline constexpr int SectionInfoShift = 2;
inline constexpr int32_t SectionMaskBits = 0x3FF;
inline constexpr int UnionBytes = 16;
// Merged areas per section. Finding the area of a position and keeping
// areas apart cost time in proportion to their number, so an unbounded
// count would let a crafted file take minutes to load; no real sheet comes
// near this.
inline constexpr int MaxUnions = 4096;

// Cell table.
inline constexpr int32_t EndOfList = -1;

// The smallest named style body, for checking a count against the bytes
// left: props, 12 info words and an empty alias.
inline constexpr int MinStyleBytes = 2 + InfoCount * 4 + 4;

// Picture block.
inline constexpr uint8_t PictureEmpty = 0;
inline constexpr uint8_t PicturePresent = 1;

// Sheet file (component stream) and its value tags.
inline constexpr char FileSignature[4] = {'T', 'P', 'F', '0'};
inline constexpr char SheetClassName[] = "TXLSheet";
enum TValueTag : uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
    vaSingle = 15,
    vaCurrency = 16,
    vaDate = 17,
    vaWString = 18,
    vaInt64 = 19,
    vaUTF8String = 20,
    vaDouble = 21,
};
// A component prefix byte (inherited or inline components) has these high bits.
inline constexpr uint8_t FilerFlagsMask = 0xF0;
inline constexpr uint8_t FilerChildPos = 0x02;

}  // namespace XLStream
