// TXLPrintLayout: how a sheet falls onto printed pages, in printer dots: the
// printable rectangle, the four size lists scaled to the printer (with the
// print area and the hidden lines applied) and, per axis, the index one past
// the last body line of every page. Column pages times row pages is the
// page count; pages are numbered from 1 going down first. A plain value
// filled by TXLSheet::CalcPrintLayout; it refers to nothing.
#pragma once

#include "sheet/TXLSizeList.h"
#include "sheet/XLEnums.h"
#include "sheet/XLTypes.h"

#include <array>
#include <vector>

struct TXLPrintLayout {
    TRect PageRect;
    // [axis][0] the title band, [axis][1] the body.
    std::array<std::array<TXLSizeList, 2>, 2> Sizes;
    std::vector<int> ColBreaks;
    std::vector<int> RowBreaks;
    // Printer dots per screen pixel, times 100, per axis.
    std::array<int, 2> DotsFactor{100, 100};
    // Print scale (percent) and whether hidden lines print.
    int Scale = 100;
    bool ShowHidden = false;
    bool GridLines = false;

    int PageCount() const { return static_cast<int>(ColBreaks.size() * RowBreaks.size()); }
    // The column page and row page (0-based) of page number page (1-based).
    void PagePlace(int page, int& colPage, int& rowPage) const
    {
        const int rows = static_cast<int>(RowBreaks.size());
        colPage = rows > 0 ? (page - 1) / rows : 0;
        rowPage = rows > 0 ? (page - 1) % rows : 0;
    }
    // The body lines [first, last) of page index p along an axis.
    static void PageLines(const std::vector<int>& breaks, int p, int& first, int& last)
    {
        first = p > 0 ? breaks[static_cast<size_t>(p - 1)] : 0;
        last = breaks[static_cast<size_t>(p)];
    }
};

// The printed lines of one axis: the index one past each page's last body
// line, for body sizes that fill at most space each. A line bigger than the
// space gets a page of its own.
std::vector<int> XLPageBreaks(const TXLSizeList& body, int space);
