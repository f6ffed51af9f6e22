// Sheet files of a given size made to cost a reader as much as possible:
// masses of tiny properties, one huge string, masses of tiny cells, a pick
// list of masses of empty items. Built straight into a buffer of the final
// size, so that making them takes no more memory than holding them. Shared
// by the tests and the benchmarks of loading.
#pragma once

#include "sheet/TXLSheet.h"
#include "stream/XLSheetData.h"
#include "stream/XLStreamFormat.h"

#include <QByteArray>

#include <cstdint>
#include <cstring>

namespace HostileSheetFiles {

enum TKind { hTinyProperties, hUnknownProperties, hHugeString, hTinyCells, hEmptyItems };

inline void Put32(QByteArray& out, int32_t value)
{
    char bytes[4];
    std::memcpy(bytes, &value, 4);  // little-endian hosts only, as the tests run
    out.append(bytes, 4);
}

inline void PutName(QByteArray& out, const char* name)
{
    out.append(static_cast<char>(std::strlen(name)));
    out.append(name);
}

// The head of a sheet file up to its first property.
inline QByteArray Head(qsizetype reserve)
{
    QByteArray out;
    out.reserve(reserve + 64);
    out.append("TPF0");
    PutName(out, "TXLSheet");
    PutName(out, "XLSheet1");
    return out;
}

// The sheet stream of a body-only sheet of cols x rows with no cells, less
// its closing section mask, so that a cell table can follow.
inline QByteArray EmptyDataPrefix(int cols, int rows)
{
    TXLSheet sheet;
    sheet.SetTitleCols(0);
    sheet.SetTitleRows(0);
    sheet.SetColCount(cols);
    sheet.SetRowCount(rows);
    QByteArray data = SaveSheetDataToBytes(sheet);
    data.chop(4);
    return data;
}

inline QByteArray Make(TKind kind, qsizetype size)
{
    QByteArray out = Head(size);
    const auto integer = [&out](const char* name, int value) {
        PutName(out, name);
        out.append(static_cast<char>(XLStream::vaInt32));
        Put32(out, value);
    };
    switch (kind) {
    case hTinyProperties:
        while (out.size() < size) {
            PutName(out, "Left");
            out.append(static_cast<char>(XLStream::vaInt8));
            out.append('\0');
        }
        break;
    case hUnknownProperties:
        while (out.size() < size) {
            PutName(out, "Q");
            out.append(static_cast<char>(XLStream::vaFalse));
        }
        break;
    case hHugeString: {
        PutName(out, "Author");
        out.append(static_cast<char>(XLStream::vaLString));
        const qsizetype length = size - out.size() - 6;
        Put32(out, static_cast<int32_t>(length));
        out.append(length, 'a');
        break;
    }
    case hTinyCells:
    case hEmptyItems: {
        // Rows of up to a million cells of the smallest record each, or one
        // pick-list cell whose item list is nothing but line ends.
        constexpr int cols = 1 << 20;
        const qsizetype cellBytes = 18;
        const int rows = kind == hTinyCells ? static_cast<int>(size / (cols * cellBytes)) + 1 : 1;
        integer("TitleCols", 0);
        integer("TitleRows", 0);
        integer("ColCount", cols);
        integer("RowCount", rows);
        PutName(out, "XLData");
        out.append(static_cast<char>(XLStream::vaBinary));
        const qsizetype lengthAt = out.size();
        Put32(out, 0);
        const qsizetype dataAt = out.size();
        out.append(EmptyDataPrefix(cols, rows));
        Put32(out, XLStream::SectionCells);
        if (kind == hTinyCells) {
            for (int row = 0; row < rows && out.size() < size; ++row) {
                Put32(out, row);
                for (int col = 0; col < cols && out.size() < size; ++col) {
                    Put32(out, col);
                    Put32(out, 946);  // TXLCString
                    Put32(out, 10);   // the record: its length, the props, an empty text
                    out.append(2, '\0');
                    Put32(out, 0);
                }
                Put32(out, XLStream::EndOfList);
            }
        } else {
            const qsizetype items = (size - out.size()) / 2;
            Put32(out, 0);
            Put32(out, 0);
            Put32(out, 1061);  // TXLCStrings
            Put32(out, static_cast<int32_t>(4 + 2 + 4 + 4 + 4 + 2 * items));
            out.append(2, '\0');
            Put32(out, 0);   // text
            Put32(out, -1);  // item index
            Put32(out, static_cast<int32_t>(2 * items));
            for (qsizetype i = 0; i < items; ++i)
                out.append("\r\n", 2);
            Put32(out, XLStream::EndOfList);
        }
        Put32(out, XLStream::EndOfList);
        const auto length = static_cast<int32_t>(out.size() - dataAt);
        std::memcpy(out.data() + lengthAt, &length, 4);
        break;
    }
    }
    out.append(2, '\0');  // the ends of the properties and the children
    return out;
}

}  // namespace HostileSheetFiles
