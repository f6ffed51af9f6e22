// Pictures in the sheet stream and the sheet file: the picture block of a
// picture cell (a Byte saying whether a graphic follows, then the graphic's
// class name and its data) and the graphic alone as the Background.Data
// binary property holds it. The graphic's data is an Integer byte count and
// the original file image (a JFIF stream for "TJPEGImage", a bitmap file for
// "TBitmap"), kept as read so that a round trip loses nothing. A graphic is
// decoded while it is read; its image is charged to the load's budget first.
#pragma once

class TXLLoadBudget;
class TXLPicture;
class TXLStreamReader;
class TXLStreamWriter;

void WritePictureBlock(TXLStreamWriter& writer, const TXLPicture& picture);
// Raises ERAVazoError for a damaged block or data that does not decode;
// the picture is then unchanged.
void ReadPictureBlock(TXLStreamReader& reader, TXLPicture& picture, TXLLoadBudget& budget);

// The class name and the data of a non-empty picture.
void WritePictureGraphic(TXLStreamWriter& writer, const TXLPicture& picture);
void ReadPictureGraphic(TXLStreamReader& reader, TXLPicture& picture, TXLLoadBudget& budget);
