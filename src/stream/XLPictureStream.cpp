#include "stream/XLPictureStream.h"

#include "sheet/TXLPicture.h"
#include "stream/TXLLoadBudget.h"
#include "stream/TXLStreamReader.h"
#include "stream/TXLStreamWriter.h"
#include "stream/XLStreamFormat.h"

#include <QBuffer>
#include <QImageReader>

#include <limits>
#include <string>

namespace {

// What the decoded image of data will take, from its header; a header that
// says nothing is left to the decoder, which has its own allocation limit.
int64_t ImageBytes(const QByteArray& data)
{
    QByteArray copy = data;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader imageReader(&buffer);
    const QSize size = imageReader.size();
    if (!size.isValid())
        return 0;
    return int64_t{size.width()} * size.height() * 4;
}

}  // namespace

void WritePictureGraphic(TXLStreamWriter& writer, const TXLPicture& picture)
{
    writer.WriteShortString(picture.GetGraphicClass().toLatin1());
    if (picture.GetData().size() > std::numeric_limits<int32_t>::max())
        throw ERAVazoError("Picture too large for the sheet stream!");
    writer.WriteInteger(static_cast<int32_t>(picture.GetData().size()));
    writer.WriteBytes(picture.GetData());
}

void ReadPictureGraphic(TXLStreamReader& reader, TXLPicture& picture, TXLLoadBudget& budget)
{
    const QString graphicClass = QString::fromLatin1(reader.ReadShortString());
    const int64_t at = reader.Position();
    const int32_t size = reader.ReadInteger();
    if (size < 0)
        reader.FailAt(at, "picture size " + std::to_string(size) + " is negative");
    const QByteArray data = reader.ReadBytes(size);
    budget.Charge(ImageBytes(data), reader);
    try {
        picture.LoadFromData(graphicClass, data);
    } catch (const ERAVazoError& e) {
        reader.FailAt(at, e.what());
    }
}

void WritePictureBlock(TXLStreamWriter& writer, const TXLPicture& picture)
{
    if (picture.IsEmpty()) {
        writer.WriteByte(XLStream::PictureEmpty);
        return;
    }
    writer.WriteByte(XLStream::PicturePresent);
    WritePictureGraphic(writer, picture);
}

void ReadPictureBlock(TXLStreamReader& reader, TXLPicture& picture, TXLLoadBudget& budget)
{
    const int64_t at = reader.Position();
    const uint8_t present = reader.ReadByte();
    if (present == XLStream::PictureEmpty) {
        if (!picture.IsEmpty())
            picture.Clear();
        return;
    }
    if (present != XLStream::PicturePresent)
        reader.FailAt(at, "picture flag " + std::to_string(present) + " is neither 0 nor 1");
    ReadPictureGraphic(reader, picture, budget);
}
