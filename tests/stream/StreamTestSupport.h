// Helpers of the stream tests: hand-built sheet streams around a section
// written by the test (to feed the reader lies), byte access, and the
// expectation that loading fails with an ERAVazoError naming a text.
#pragma once

#include "base/ERAVazoError.h"
#include "sheet/TXLSheet.h"
#include "stream/TXLStreamWriter.h"
#include "stream/XLStyleStream.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace StreamTest {

// A sheet of cols x rows body positions and no title band: its stream holds
// only the sClient section.
inline void MakeBodyOnly(TXLSheet& sheet, int cols = 3, int rows = 3)
{
    sheet.SetTitleCols(0);
    sheet.SetTitleRows(0);
    sheet.SetColCount(cols);
    sheet.SetRowCount(rows);
}

// "XLG", the version, a fresh sheet's base styles, no size lists, then
// whatever section() writes (the sClient block of a body-only sheet).
inline QByteArray StreamWithSection(const std::function<void(TXLStreamWriter&)>& section, uint8_t version = 0x16)
{
    TXLSheet defaults;
    TXLStreamWriter writer;
    writer.WriteBytes("XLG");
    writer.WriteByte(version);
    WriteBaseStyle(writer, *defaults.GetBaseClientStyle());
    WriteBaseStyle(writer, *defaults.GetBaseTitleStyle());
    writer.WriteByte(0);
    section(writer);
    return writer.TakeData();
}

// Runs load and expects an ERAVazoError whose message contains text.
template <class F>
void ExpectFailure(F&& load, const std::string& text)
{
    try {
        load();
        ADD_FAILURE() << "no error, expected one containing \"" << text << "\"";
    } catch (const ERAVazoError& e) {
        EXPECT_NE(std::string(e.what()).find(text), std::string::npos) << e.what();
    }
}

inline int32_t IntegerAt(const QByteArray& bytes, qsizetype pos)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<uint8_t>(bytes[pos + i]);
    return static_cast<int32_t>(v);
}

inline void PutIntegerAt(QByteArray& bytes, qsizetype pos, int32_t value)
{
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes[pos + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace StreamTest
