#include "grid/XLPrinting.h"

#include "grid/TXLLineSizes.h"
#include "grid/TXLSectionPainter.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLPrintLayout.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLUnion.h"

#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

#include <array>

namespace {

// Height of the heading line, in screen pixels at 100 %.
constexpr int HeadingHeight = 24;

int ScreenPpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int ppi = screen ? qRound(screen->logicalDotsPerInch()) : 0;
    return ppi > 0 ? ppi : 96;
}

// The default printer's resolution and printable page, read once.
class TQtPrinterMetrics : public IXLPrinterMetrics {
public:
    TQtPrinterMetrics()
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        FScreenPpi = ScreenPpi();
        if (info.isNull())
            return;
        QPrinter printer(info, QPrinter::HighResolution);
        FDpiX = printer.logicalDpiX();
        FDpiY = printer.logicalDpiY();
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        FWidth = page.width();
        FHeight = page.height();
        FInstalled = FDpiX > 0 && FDpiY > 0 && FWidth > 0 && FHeight > 0;
    }
    bool PrinterInstalled() const override { return FInstalled; }
    int PrinterDpiX() const override { return FDpiX; }
    int PrinterDpiY() const override { return FDpiY; }
    int PageWidth() const override { return FWidth; }
    int PageHeight() const override { return FHeight; }
    int ScreenPixelsPerInch() const override { return FScreenPpi; }

private:
    bool FInstalled = false;
    int FDpiX = 0;
    int FDpiY = 0;
    int FWidth = 0;
    int FHeight = 0;
    int FScreenPpi = 96;
};

// One of the four printed sections: its sector, its size lists and the
// lines it prints.
struct TPrintedSection {
    TXLSector Sector;
    const TXLLineSizes* Widths;
    const TXLLineSizes* Heights;
    TRect Area;
    QPoint Place;
};

void PaintSection(TXLSheet& sheet, const TXLPrintLayout& layout, const TPrintedSection& part, QPainter& canvas)
{
    if (part.Area.IsEmpty())
        return;
    TXLSection* section = sheet.GetSection(part.Sector);
    if (!section)
        return;
    const auto pixels = [&part](const TRect& r) {
        return Rect(part.Widths->Start(r.Left), part.Heights->Start(r.Top), part.Widths->Start(r.Right),
                    part.Heights->Start(r.Bottom));
    };
    TXLPaintStruct paint;
    paint.Canvas = &canvas;
    paint.Widths = part.Widths;
    paint.Heights = part.Heights;
    paint.ScaleX = paint.ScaleY = layout.Scale;
    paint.VertLines = paint.HorzLines = layout.GridLines;
    paint.ShowHidden = layout.ShowHidden;
    paint.Area = part.Area;
    paint.Rect = pixels(part.Area);
    if (paint.Rect.IsEmpty())
        return;
    paint.UpdateRect = paint.Rect;
    paint.Region = QRegion(paint.Rect.Left, paint.Rect.Top, paint.Rect.Width(), paint.Rect.Height());
    paint.FrameData = [](int, int) { return frNone; };
    for (int i = 0; i < section->GetUnionCount(); ++i) {
        const TXLUnion* u = section->GetUnion(i);
        if (u->GetBounds().Intersects(part.Area))
            paint.Unions.push_back({u->GetBounds(), pixels(u->GetBounds()), u->GetCell()});
    }
    canvas.save();
    // The section's first printed line lands at its place on the page.
    canvas.translate(part.Place.x() - paint.Rect.Left, part.Place.y() - paint.Rect.Top);
    TXLSectionPainter(*section).PaintRect(paint);
    canvas.restore();
}

}  // namespace

TXLPrintEngine::TXLPrintEngine() = default;

TXLPrintEngine::~TXLPrintEngine()
{
    EndDoc();
}

QPainter* TXLPrintEngine::BeginDoc(const QString& title)
{
    EndDoc();
    if (!FPrinter)
        FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    FPrinter->setDocName(title);
    FPainter = std::make_unique<QPainter>();
    if (!FPainter->begin(FPrinter.get())) {
        FPainter.reset();
        return nullptr;
    }
    return FPainter.get();
}

void TXLPrintEngine::NewPage()
{
    if (FPrinter && FPainter)
        FPrinter->newPage();
}

void TXLPrintEngine::EndDoc()
{
    if (FPainter)
        FPainter->end();
    FPainter.reset();
}

void TXLPrintEngine::PaintPage(TXLSheet& sheet, const TXLPrintLayout& layout, int colPage, int rowPage,
                               QPainter& canvas)
{
    if (colPage < 0 || rowPage < 0 || colPage >= static_cast<int>(layout.ColBreaks.size())
        || rowPage >= static_cast<int>(layout.RowBreaks.size()))
        return;
    // Cells and fonts are measured in screen pixels: paint at screen size
    // (times the print scale) on a canvas scaled to the printer's dots.
    const int fx = layout.DotsFactor[sCols];
    const int fy = layout.DotsFactor[sRows];
    std::array<std::array<TXLLineSizes, 2>, 2> lines;
    for (const TXLAxis axis : {sCols, sRows})
        for (const int band : {0, 1}) {
            const TXLSizeList& dots = layout.Sizes[axis][band];
            const int f = layout.DotsFactor[axis];
            TXLSizeList pixels;
            pixels.SetZero(dots.Zero() * 100 / f);
            pixels.SetCount(dots.Count());
            dots.ForAll([&](int i, int32_t) {
                pixels.SetInt(i, dots.GetInt(i) * 100 / f);
                return 0;
            });
            lines[axis][band].Assign(pixels, 100);
        }
    int c0, c1, r0, r1;
    TXLPrintLayout::PageLines(layout.ColBreaks, colPage, c0, c1);
    TXLPrintLayout::PageLines(layout.RowBreaks, rowPage, r0, r1);
    const int titleCols = lines[sCols][0].Count();
    const int titleRows = lines[sRows][0].Count();
    const int x0 = layout.PageRect.Left * 100 / fx;
    const int y0 = layout.PageRect.Top * 100 / fy;
    const int x1 = x0 + lines[sCols][0].Total();
    const int y1 = y0 + lines[sRows][0].Total();
    const TPrintedSection parts[] = {
        {sTitle, &lines[sCols][0], &lines[sRows][0], Rect(0, 0, titleCols, titleRows), {x0, y0}},
        {sCols, &lines[sCols][1], &lines[sRows][0], Rect(c0, 0, c1, titleRows), {x1, y0}},
        {sRows, &lines[sCols][0], &lines[sRows][1], Rect(0, r0, titleCols, r1), {x0, y1}},
        {sClient, &lines[sCols][1], &lines[sRows][1], Rect(c0, r0, c1, r1), {x1, y1}},
    };
    canvas.save();
    canvas.scale(fx / 100.0, fy / 100.0);
    for (const TPrintedSection& part : parts)
        PaintSection(sheet, layout, part, canvas);
    canvas.restore();
}

void XLInstallPrinting()
{
    TXLManager& manager = XLManager();
    manager.SetPrintEngine(std::make_unique<TXLPrintEngine>());
    manager.SetPrinterMetrics(std::make_unique<TQtPrinterMetrics>());
}

int XLPrintSheet(TXLSheet& sheet, QPagedPaintDevice& device, const QString& heading)
{
    const TXLManager& manager = XLManager();
    const int oldTop = sheet.GetPrintMarginTop();
    struct TRestoreMargin {
        TXLSheet& Sheet;
        int Top;
        ~TRestoreMargin() { Sheet.SetPrintMarginTop(Top); }
    } restore{sheet, oldTop};
    if (!heading.isEmpty())
        sheet.SetPrintMarginTop(oldTop + HeadingHeight);
    const int pages = sheet.GetPrintPageCount();

    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    // The layout is in the manager's printer dots; the device may differ.
    painter.scale(static_cast<qreal>(device.logicalDpiX()) / manager.GetPrinterDpiX(),
                  static_cast<qreal>(device.logicalDpiY()) / manager.GetPrinterDpiY());
    const int dotsTop = oldTop * manager.GetPrinterDpiY() / manager.GetScreenPixelsPerInch();
    const int dotsHeading = HeadingHeight * manager.GetPrinterDpiY() / manager.GetScreenPixelsPerInch();
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            device.newPage();
        if (!heading.isEmpty()) {
            const TRect rect = sheet.GetPrintRect();
            const int dotsLeft = rect.Left * manager.GetPrinterDpiX() / manager.GetScreenPixelsPerInch();
            const int dotsRight = rect.Right * manager.GetPrinterDpiX() / manager.GetScreenPixelsPerInch();
            QFont font = painter.font();
            font.setPointSize(11);
            font.setBold(true);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QRect(dotsLeft, dotsTop, dotsRight - dotsLeft, dotsHeading),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, heading);
        }
        sheet.PaintPrintPage(page, &painter);
    }
    painter.end();
    return pages;
}

bool XLPrintSheetToPdf(TXLSheet& sheet, const QString& fileName, const QString& heading)
{
    const TXLManager& manager = XLManager();
    QPdfWriter writer(fileName);
    writer.setResolution(manager.GetPrinterDpiX());
    writer.setCreator(QStringLiteral("Calorix"));
    writer.setTitle(heading.isEmpty() ? sheet.GetTitle() : heading);
    // A4, with the manager's printable page centred on it.
    const QPageSize a4(QPageSize::A4);
    const QSizeF paper = a4.size(QPageSize::Millimeter);
    const TRect page = manager.GetPageRect();
    const qreal ppi = manager.GetScreenPixelsPerInch();
    const qreal marginX = std::max<qreal>(0, (paper.width() - page.Width() / ppi * 25.4) / 2);
    const qreal marginY = std::max<qreal>(0, (paper.height() - page.Height() / ppi * 25.4) / 2);
    writer.setPageLayout(QPageLayout(a4, QPageLayout::Portrait, QMarginsF(marginX, marginY, marginX, marginY),
                                     QPageLayout::Millimeter));
    if (XLPrintSheet(sheet, writer, heading) <= 0)
        return false;
    return true;
}
