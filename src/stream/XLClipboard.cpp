#include "stream/XLClipboard.h"

#include "base/ERAVazoError.h"
#include "sheet/TXLCPicture.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLPicture.h"
#include "sheet/TXLProRange.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLUnion.h"
#include "sheet/TXLUpdateGuard.h"
#include "stream/XLSheetFile.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <algorithm>

namespace {

// The position store's values a copy carries when they are uniform over
// the source area.
constexpr TXLCellInfo CopiedInfos[] = {ciLeft, ciTop, ciRight, ciBottom, ciBias1,
                                       ciBias2, ciColor, ciFrame, ciStyles, ciLayout};

// The merged area at p, or the single position.
TRect AreaAt(const TXLSection& section, TPoint p)
{
    const TXLUnion* area = section.FindUnion(p);
    return area ? area->GetBounds() : PointRect(p);
}

// Calls fn for every position of rect that is not covered by a merged area
// (an area's top-left counts).
template <class F>
void ForUncovered(const TXLSection& section, const TRect& rect, F&& fn)
{
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            if (section.ResolvePosition({x, y}) == TPoint{x, y})
                fn(TPoint{x, y});
}

QClipboard* Clipboard()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

}  // namespace

void XLCopyCell(TXLSection& source, TPoint from, TXLSection& dest, TPoint to, TXLPasteIgnore ignore)
{
    const TRect sourceArea = AreaAt(source, from);
    const TRect destArea = OffsetRect(sourceArea, to.X - from.X, to.Y - from.Y);
    const bool writable = ignore.Contains(piReadOnly) || !dest.GetPositionStyles(to).Contains(csReadOnly);
    if (writable) {
        if (sourceArea.Width() * int64_t{sourceArea.Height()} > 1)
            dest.MergeArea(destArea);
        else
            dest.SplitArea(destArea);
    }
    TXLCell* cell = source.GetRawCell(from.X, from.Y);
    if (ignore.Contains(piFormatting)) {
        if (!writable)
            return;
        if (cell) {
            dest.SetCellClass(to.X, to.Y, cell->GetCellClass());
            dest.GetCell(to.X, to.Y)->SetValue(cell->GetValue());
        } else {
            dest.DestroyCell(to.X, to.Y);
        }
        return;
    }
    bool uniform = true;
    dest.SetAreaInfo(destArea, ciColor, source.GetAreaInfo(sourceArea, ciColor, uniform));
    dest.SetAreaInfo(destArea, ciStyles, source.GetAreaInfo(sourceArea, ciStyles, uniform));
    for (const TXLCellInfo info : CopiedInfos) {
        const uint32_t value = source.GetAreaInfo(sourceArea, info, uniform);
        if (uniform)
            dest.SetAreaInfo(destArea, info, value);
    }
    if (!writable)
        return;
    if (cell) {
        dest.SetCellClass(to.X, to.Y, cell->GetCellClass());
        dest.GetCell(to.X, to.Y)->Assign(*cell);
    } else {
        dest.DestroyCell(to.X, to.Y);
    }
}

std::unique_ptr<TXLSheet> MakeRangeSheet(TXLProRange& range)
{
    TXLSection& section = *range.GetSection();
    const TRect area = range.GetArea();
    auto sheet = std::make_unique<TXLSheet>();
    sheet->SetTitleCols(0);
    sheet->SetTitleRows(0);
    sheet->SetColCount(std::max(area.Width(), 0));
    sheet->SetRowCount(std::max(area.Height(), 0));
    sheet->SetStyler(section.GetSheet()->GetStyler());
    TXLSection& body = *sheet->GetSection(sClient);
    ForUncovered(section, area, [&](TPoint p) {
        XLCopyCell(section, p, body, {p.X - area.Left, p.Y - area.Top}, {});
    });
    return sheet;
}

std::unique_ptr<QMimeData> MakeRangeMimeData(TXLProRange& range)
{
    auto mime = std::make_unique<QMimeData>();
    mime->setData(QString::fromLatin1(XLSheetMimeType), SaveSheetToBytes(*MakeRangeSheet(range)));
    return mime;
}

void PasteSheet(TXLProRange& range, TXLSheet& source, TXLPasteIgnore ignore)
{
    TXLSection& dest = *range.GetSection();
    const TPoint topLeft = range.GetBounds().TopLeft();
    const TRect extent = source.GetExtents();
    const TRect target = OffsetRect(Rect(0, 0, extent.Right, extent.Bottom), topLeft.X, topLeft.Y);
    if (!target.Intersects(dest.GetExtent()))
        return;
    TXLSheet& sheet = *dest.GetSheet();
    TXLUpdateGuard update(sheet);
    range.SetBounds(target);
    dest.SplitArea(target);
    const TXLSection& body = *source.GetSection(sClient);
    const TRect inside = IntersectRect(target, dest.GetExtent());
    ForUncovered(body, Rect(0, 0, extent.Right, extent.Bottom), [&](TPoint p) {
        const TPoint to{topLeft.X + p.X, topLeft.Y + p.Y};
        if (inside.Contains(to))
            XLCopyCell(*source.GetSection(sClient), p, dest, to, ignore);
    });
}

void PasteMimeData(TXLProRange& range, const QMimeData& mime, TXLPasteIgnore ignore)
{
    if (!ignore.Contains(piGraphics) && mime.hasImage()) {
        const QImage image = qvariant_cast<QImage>(mime.imageData());
        range.Merge(false);
        const TPoint p = range.GetBounds().TopLeft();
        TXLSection& section = *range.GetSection();
        section.SetCellClass(p.X, p.Y, TXLCPicture::StaticClass());
        TXLPicture picture;
        picture.SetImage(image);
        section.GetCell(p.X, p.Y)->SetObject(&picture);
        return;
    }
    const QString format = QString::fromLatin1(XLSheetMimeType);
    if (!mime.hasFormat(format))
        return;
    const QByteArray bytes = mime.data(format);
    const QByteArray className = ComponentClassName(bytes);
    if (className != "TXLSheet")
        throw ERAVazoError("Cannot paste \"" + className.toStdString() + "\" component class!");
    TXLSheet source;
    // Style indices resolve against the destination's styler.
    source.SetStyler(range.GetSection()->GetSheet()->GetStyler());
    LoadSheetFromBytes(source, bytes);
    PasteSheet(range, source, ignore);
}

bool CanPasteMimeData(const QMimeData* mime, TXLPasteIgnore ignore)
{
    if (!mime)
        return false;
    return (mime->hasImage() && !ignore.Contains(piGraphics)) || mime->hasFormat(QString::fromLatin1(XLSheetMimeType));
}

void CopyRange(TXLProRange& range)
{
    QClipboard* clipboard = Clipboard();
    if (!clipboard)
        return;
    try {
        clipboard->setMimeData(MakeRangeMimeData(range).release());
    } catch (const EBaseError&) {
        // Copying is best effort: the clipboard keeps what it had.
    }
}

void CutRange(TXLProRange& range)
{
    CopyRange(range);
    range.Clear({csContents});
}

void PasteRange(TXLProRange& range, TXLPasteIgnore ignore)
{
    QClipboard* clipboard = Clipboard();
    if (const QMimeData* mime = clipboard ? clipboard->mimeData() : nullptr)
        PasteMimeData(range, *mime, ignore);
}

bool CanPasteRange(TXLPasteIgnore ignore)
{
    QClipboard* clipboard = Clipboard();
    return clipboard && CanPasteMimeData(clipboard->mimeData(), ignore);
}
