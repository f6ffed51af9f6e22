// The print settings of a sheet, its printable rectangle, and how its lines
// fall onto pages. Painting a page is the print engine's.
#include "sheet/TXLSheet.h"

#include "base/ERAVazoError.h"
#include "sheet/IXLSheetUser.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLPrintLayout.h"

#include <algorithm>
#include <cstdint>

namespace {

int MulDiv(int a, int b, int c)
{
    return c != 0 ? static_cast<int>(static_cast<int64_t>(a) * b / c) : 0;
}

// Printer dots per screen pixel, times 100.
int DotsFactor(int printerDpi, int screenPpi)
{
    return MulDiv(printerDpi, 100, screenPpi);
}

}  // namespace

std::vector<int> XLPageBreaks(const TXLSizeList& body, int space)
{
    std::vector<int> breaks;
    const int count = body.Count();
    int64_t sum = 0;
    for (int i = 0; i < count; ++i) {
        const int size = std::max(body.GetInt(i), 0);
        if (sum > 0 && sum + size > space) {
            breaks.push_back(i);
            sum = 0;
        }
        sum += size;
    }
    breaks.push_back(count);
    return breaks;
}

void TXLSheet::UpdatePrintLayout()
{
    UpdatePrinter(true);
}

void TXLSheet::UpdatePrinter(bool notify)
{
    const TXLManager* manager = XLManagerIfAlive();
    if (!manager)
        return;
    const TRect page = manager->GetPageRect();
    const int rx = manager->GetPrinterDpiX();
    const int ry = manager->GetPrinterDpiY();
    const int s = manager->GetScreenPixelsPerInch();
    FPrintRect = Rect(MulDiv(FPrintMargins[0], rx, s), MulDiv(FPrintMargins[1], ry, s),
                      page.Right - MulDiv(FPrintMargins[2], rx, s), page.Bottom - MulDiv(FPrintMargins[3], ry, s));
    if (!notify)
        return;
    for (IXLSheetUser* user : std::vector<IXLSheetUser*>(FUsers))
        user->LayoutChanged();
}

void TXLSheet::CalcPrintLayout(TXLPrintLayout& layout) const
{
    const TXLManager* manager = XLManagerIfAlive();
    const int s = manager ? manager->GetScreenPixelsPerInch() : 96;
    const int f[2] = {DotsFactor(manager ? manager->GetPrinterDpiX() : 600, s),
                      DotsFactor(manager ? manager->GetPrinterDpiY() : 600, s)};
    layout.DotsFactor = {std::max(f[0], 1), std::max(f[1], 1)};
    layout.Scale = FPrintScale;
    layout.ShowHidden = FPrintHidden;
    layout.GridLines = FPrintGridLines;
    layout.PageRect = Rect(MulDiv(FPrintRect.Left, f[0], 100), MulDiv(FPrintRect.Top, f[1], 100),
                           MulDiv(FPrintRect.Right, f[0], 100), MulDiv(FPrintRect.Bottom, f[1], 100));

    // A print area clips the body to its lines; the titles print whole,
    // when wanted, unless the area reaches into them, which clips them too.
    const bool hasArea = !FPrintArea.IsEmpty();
    const bool reachesTitles = hasArea && (FPrintArea.Left < 0 || FPrintArea.Top < 0);
    for (const TXLAxis axis : {sCols, sRows}) {
        const int scale = MulDiv(f[axis], FPrintScale, 100);
        const int from = axis == sCols ? FPrintArea.Left : FPrintArea.Top;
        const int to = axis == sCols ? FPrintArea.Right : FPrintArea.Bottom;
        for (const bool body : {false, true}) {
            const TXLSizeList& sizes = FSizes[axis][body ? 1 : 0];
            const TXLSizeList& hidden = FHidden[axis][body ? 1 : 0];
            TXLSizeList& out = layout.Sizes[axis][body ? 1 : 0];
            const int count = sizes.Count();
            const bool dropBand = hasArea && !body && !reachesTitles && !FPrintTitles.Contains(axis);
            out.SetZero(dropBand ? 0 : MulDiv(sizes.Zero(), scale, 100));
            out.SetCount(count);
            if (dropBand)
                continue;
            const bool clip = hasArea && (body || reachesTitles);
            const int shift = body ? 0 : -GetTitleSize(axis);
            const auto inArea = [&](int band) { return !clip || (band + shift >= from && band + shift < to); };
            if (clip && out.Zero() != 0)
                for (int i = 0; i < count; ++i)
                    if (!inArea(i))
                        out.SetInt(i, 0);
            // Explicit sizes (hidden lines hold 0 here), then the remembered
            // sizes of hidden lines when those print.
            for (const TXLSizeList* list : {&sizes, FPrintHidden ? &hidden : nullptr}) {
                if (!list)
                    continue;
                list->ForAll([&](int i, int32_t) {
                    if (i < count && inArea(i))
                        out.SetInt(i, MulDiv(list->GetInt(i), scale, 100));
                    return 0;
                });
            }
        }
    }
    // Titles repeat on every page, so each page has what they leave.
    const int titleWidth = layout.Sizes[sCols][0].SummTo(layout.Sizes[sCols][0].Count());
    const int titleHeight = layout.Sizes[sRows][0].SummTo(layout.Sizes[sRows][0].Count());
    layout.ColBreaks = XLPageBreaks(layout.Sizes[sCols][1], layout.PageRect.Width() - titleWidth);
    layout.RowBreaks = XLPageBreaks(layout.Sizes[sRows][1], layout.PageRect.Height() - titleHeight);
}

void TXLSheet::CalcPrintLayout(std::vector<int>& colBreaks, std::vector<int>& rowBreaks) const
{
    TXLPrintLayout layout;
    CalcPrintLayout(layout);
    colBreaks = std::move(layout.ColBreaks);
    rowBreaks = std::move(layout.RowBreaks);
}

int TXLSheet::GetPrintPageCount() const
{
    std::vector<int> colBreaks;
    std::vector<int> rowBreaks;
    CalcPrintLayout(colBreaks, rowBreaks);
    return static_cast<int>(colBreaks.size() * rowBreaks.size());
}

void TXLSheet::PaintPrintPage(int page, QPainter* canvas)
{
    if (!canvas)
        throw ERAVazoError("Invalid TCanvas reference!");
    DoPrintPages(page, page, canvas);
}

void TXLSheet::DoPrintPages(int first, int last, QPainter* canvas)
{
    IXLPrintEngine* engine = XLManager().GetPrintEngine();
    if (!engine)
        throw ERAVazoError("No printer engine installed!");
    TXLPrintLayout layout;
    CalcPrintLayout(layout);
    const int pages = layout.PageCount();
    const int rowPages = static_cast<int>(layout.RowBreaks.size());
    struct TDocGuard {
        IXLPrintEngine* Engine = nullptr;
        ~TDocGuard()
        {
            if (Engine)
                Engine->EndDoc();
        }
    } guard;
    QPainter* target = canvas;
    if (!target) {
        target = engine->BeginDoc(FTitle);
        guard.Engine = engine;
        if (!target)
            return;
    }
    bool printed = false;
    for (int page = 1; page <= pages; ++page) {
        if (page < first || (last != -1 && page > last))
            continue;
        if (printed && !canvas)
            engine->NewPage();
        printed = true;
        engine->PaintPage(*this, layout, (page - 1) / rowPages, (page - 1) % rowPages, *target);
    }
}

void TXLSheet::SetPrintMargin(int i, int value)
{
    value = std::max(value, 0);
    int& margin = FPrintMargins[static_cast<size_t>(i & 3)];
    if (value == margin)
        return;
    margin = value;
    UpdatePrintLayout();
}

void TXLSheet::SetPrintScale(TXLScale scale)
{
    // Below a quarter nothing would be readable.
    scale = std::max<TXLScale>(scale, 25);
    if (scale == FPrintScale)
        return;
    FPrintScale = scale;
    FPrintMode = scale == 100 ? pmNormal : pmCustom;
    UpdatePrintLayout();
}

void TXLSheet::SetPrintMode(TXLPrintMode mode)
{
    if (mode == pmNormal)
        SetPrintScale(100);
    FPrintMode = mode;
}

void TXLSheet::SetPrintHidden(bool value)
{
    if (value == FPrintHidden)
        return;
    FPrintHidden = value;
    UpdatePrintLayout();
}

void TXLSheet::SetPrintTitles(TXLAxes value)
{
    if (value == FPrintTitles)
        return;
    FPrintTitles = value;
    UpdatePrintLayout();
}

void TXLSheet::SetPrintGridLines(bool value)
{
    if (value == FPrintGridLines)
        return;
    FPrintGridLines = value;
    UpdatePrintLayout();
}
