#include "stream/XLPropertyStream.h"

#include "sheet/TXLManager.h"
#include "sheet/TXLPersistent.h"
#include "sheet/XLPacked.h"

#include <QStringList>

#include <string>

namespace {
// The bits of TFontStyles in the stream's font style Integer.
constexpr int32_t FontStyleBits = 0x0F;
}  // namespace

void WritePropertyBlock(TXLStreamWriter& writer, TXLPersistent& object, TXLProps props, bool withClass)
{
    writer.WriteWord(props.Bits());
    if (props.Contains(prFont)) {
        const TXLFont& font = *object.GetFont();
        writer.WriteString(font.GetName());
        writer.WriteInteger(font.GetCharset());
        writer.WriteInteger(font.GetStyle().Bits());
        writer.WriteInteger(font.GetHeight());
        writer.WriteInteger(static_cast<int32_t>(font.GetColor()));
    }
    if (props.Contains(prControl)) {
        const TXLCellClass* cellClass = object.GetCellClass();
        if (withClass)
            writer.WriteInteger(TXLManager::HashCodeOf(cellClass));
        writer.WriteInteger(object.GetEditor());
        const QStringList* formats = XLManager().GetFormats(cellClass);
        const int index = formats ? static_cast<int>(formats->indexOf(object.GetFormat())) : -1;
        writer.WriteInteger(index);
        if (index < 0)
            writer.WriteString(object.GetFormat());
    }
}

TXLPropertyBlock ReadPropertyBlock(TXLStreamReader& reader, bool withClass, const TXLCellClass* cellClass)
{
    TXLPropertyBlock block;
    const int64_t propsAt = reader.Position();
    const uint16_t bits = reader.ReadWord();
    if (bits & ~XLAllProps.Bits())
        reader.FailAt(propsAt, "property set " + std::to_string(bits) + " names unknown properties");
    block.Props = TXLProps::FromBits(bits);
    if (block.Props.Contains(prFont)) {
        block.Font.SetName(reader.ReadString());
        block.Font.SetCharset(static_cast<uint8_t>(reader.ReadInteger() & 0xFF));
        block.Font.SetStyle(TFontStyles::FromBits(static_cast<uint8_t>(reader.ReadInteger() & FontStyleBits)));
        block.Font.SetHeight(reader.ReadInteger());
        block.Font.SetColor(static_cast<TColor>(reader.ReadInteger()));
    }
    if (block.Props.Contains(prControl)) {
        if (withClass) {
            const int64_t at = reader.Position();
            const int32_t code = reader.ReadInteger();
            cellClass = code == 0 ? nullptr : XLManager().FindClassBy(code);
            if (code != 0 && !cellClass)
                reader.FailAt(at, "cell class code " + std::to_string(code) + " is not registered");
        }
        block.CellClass = cellClass;
        block.Editor = reader.ReadInteger();
        const int64_t at = reader.Position();
        const int32_t index = reader.ReadInteger();
        if (index >= 0) {
            const QStringList* formats = XLManager().GetFormats(cellClass);
            if (!formats || index >= formats->size())
                reader.FailAt(at, "format index " + std::to_string(index) + " lies outside the format list of " +
                                      (cellClass ? cellClass->Name.toStdString() : std::string("no class")));
            block.Format = formats->at(index);
        } else {
            block.Format = reader.ReadString();
        }
    }
    return block;
}

void ApplyPropertyBlock(TXLPersistent& object, const TXLPropertyBlock& block)
{
    if (block.Props.Contains(prFont))
        object.GetFont()->Assign(block.Font);
    if (block.Props.Contains(prControl)) {
        // A style takes the class first, which resets its editor; a cell's
        // class is the object's own and stays.
        object.SetCellClass(block.CellClass);
        object.SetEditor(block.Editor);
        object.SetFormat(block.Format);
    }
}

bool XLIsValidInfo(TXLCellInfo info, uint32_t value)
{
    switch (info) {
    case ciFrame:
        return value <= frBevelDown;
    case ciStyles:
        return value <= TXLCellStyles::Range(csHidden, csWriteNotify).Bits();
    case ciLayout: {
        const uint32_t horz = (value >> 16) & 0xF;
        const uint32_t vert = (value >> 20) & 0xF;
        const uint32_t wrap = (value >> 24) & 0xF;
        return (value >> 28) == 0 && horz <= haCenter && vert <= vaCenter && wrap <= wmWrapWords;
    }
    default:
        // Borders pack any colour with any line; colours are any TColor.
        return true;
    }
}
