// The position store of a section: reading and writing the info values of
// an area, and keeping merged areas uniform.
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLUnion.h"

#include <algorithm>

namespace {

// The values met along lines: the first one, the largest, and whether all
// were equal.
struct TLineScan {
    bool Any = false;
    bool Uniform = true;
    uint32_t First = 0;
    uint32_t Max = 0;

    void Add(uint32_t value)
    {
        if (!Any) {
            Any = true;
            First = Max = value;
            return;
        }
        if (value != First)
            Uniform = false;
        Max = std::max(Max, value);
    }
};

// The line values of line `outer` at positions [from, to).
void ScanRun(const TXLInfoList& list, int outer, int from, int to, TLineScan& scan)
{
    from = std::max(from, 0);
    if (from >= to)
        return;
    const TSList* inner = outer >= 0 ? list.GetAt(outer) : nullptr;
    const int stored = inner ? std::clamp(inner->HighBound() + 1, from, to) : from;
    for (int i = from; i < stored; ++i)
        scan.Add(static_cast<uint32_t>(inner->GetAt(i)));
    // Past the stored values every line is none.
    if (stored < to)
        scan.Add(0);
}

// The values of lines [first, last), each at positions [from, to).
void ScanLines(const TXLInfoList& list, int first, int last, int from, int to, TLineScan& scan)
{
    first = std::max(first, 0);
    if (first >= last || std::max(from, 0) >= to)
        return;
    const int stored = std::clamp(list.HighBound() + 1, first, last);
    for (int line = first; line < stored; ++line)
        ScanRun(list, line, from, to, scan);
    if (stored < last)
        scan.Add(0);
}

// Writes value on lines [first, last) at positions [from, to).
void WriteLines(TXLInfoList& list, int first, int last, int from, int to, int32_t value)
{
    first = std::max(first, 0);
    if (value == list.GetDefault())
        last = std::min(last, list.HighBound() + 1);
    last = std::min(last, SListMaxCount);
    for (int line = first; line < last; ++line)
        list.WriteRun(line, from, to, value);
}

}  // namespace

TXLCellStyles TXLSection::GetPositionStyles(TPoint p) const
{
    return TXLCellStyles::FromBits(static_cast<uint8_t>(FInfos[siStyles]->Read(p.Y, p.X)));
}

uint32_t TXLSection::GetAreaInfo(const TRect& area, TXLCellInfo info, bool& uniform) const
{
    if (!IsLineInfo(info)) {
        uniform = true;
        return static_cast<uint32_t>(FInfos[SheetInfoOf(info)]->Read(area.Top, area.Left));
    }
    const TXLInfoList& cols = *FInfos[siColLines];
    const TXLInfoList& rows = *FInfos[siRowLines];
    TLineScan scan;
    switch (info) {
    case ciLeft:
        ScanRun(cols, area.Left, area.Top, area.Bottom, scan);
        break;
    case ciRight:
        ScanRun(cols, area.Right, area.Top, area.Bottom, scan);
        break;
    case ciTop:
        ScanRun(rows, area.Top, area.Left, area.Right, scan);
        break;
    case ciBottom:
        ScanRun(rows, area.Bottom, area.Left, area.Right, scan);
        break;
    case ciHInside:
        ScanLines(rows, area.Top + 1, area.Bottom, area.Left, area.Right, scan);
        break;
    default:  // ciVInside
        ScanLines(cols, area.Left + 1, area.Right, area.Top, area.Bottom, scan);
        break;
    }
    uniform = scan.Uniform;
    return scan.Max;
}

TRect TXLSection::WidenToUnions(TRect area) const
{
    // Growing over one area may reach another: repeat until stable.
    for (bool grown = true; grown;) {
        grown = false;
        for (const auto& other : FUnions) {
            const TRect& r = other->GetBounds();
            if (r.Intersects(area) && UnionRect(area, r) != area) {
                area = UnionRect(area, r);
                grown = true;
            }
        }
    }
    return area;
}

void TXLSection::SetAreaInfo(const TRect& rect, TXLCellInfo info, uint32_t value)
{
    if (rect.IsEmpty())
        return;
    const auto v = static_cast<int32_t>(value);
    if (IsLineInfo(info)) {
        TXLInfoList& cols = *FInfos[siColLines];
        TXLInfoList& rows = *FInfos[siRowLines];
        switch (info) {
        case ciLeft:
            cols.WriteRun(rect.Left, rect.Top, rect.Bottom, v);
            break;
        case ciRight:
            cols.WriteRun(rect.Right, rect.Top, rect.Bottom, v);
            break;
        case ciTop:
            rows.WriteRun(rect.Top, rect.Left, rect.Right, v);
            break;
        case ciBottom:
            rows.WriteRun(rect.Bottom, rect.Left, rect.Right, v);
            break;
        case ciHInside:
            WriteLines(rows, rect.Top + 1, rect.Bottom, rect.Left, rect.Right, v);
            break;
        default:  // ciVInside
            WriteLines(cols, rect.Left + 1, rect.Right, rect.Top, rect.Bottom, v);
            break;
        }
        for (int i = GetUnionCount() - 1; i >= 0; --i)
            if (i < GetUnionCount() && FUnions[static_cast<size_t>(i)]->GetBounds().Intersects(rect))
                NormaliseArea(FUnions[static_cast<size_t>(i)]->GetBounds());
        const bool outer = info == ciLeft || info == ciTop || info == ciRight || info == ciBottom;
        FSheet->InvalidateArea(FSector, rect, outer ? iFrame : iFull);
        return;
    }
    const TRect area = WidenToUnions(rect);
    int32_t stored = v;
    if (info == ciColor && value == clNone)
        stored = static_cast<int32_t>(FBaseStyle->GetColor());
    WriteLines(*FInfos[SheetInfoOf(info)], area.Top, area.Bottom, area.Left, area.Right, stored);
    FSheet->InvalidateArea(FSector, area, iFull);
    FSheet->AreaChanged(FSector, area);
}

bool TXLSection::NormaliseArea(const TRect& area)
{
    if (area.IsEmpty())
        return false;
    TXLInfoList& cols = *FInfos[siColLines];
    TXLInfoList& rows = *FInfos[siRowLines];
    bool changed = false;
    // Interior lines go.
    {
        TLineScan scan;
        ScanLines(rows, area.Top + 1, area.Bottom, area.Left, area.Right, scan);
        if (scan.Max != 0) {
            WriteLines(rows, area.Top + 1, area.Bottom, area.Left, area.Right, 0);
            changed = true;
        }
    }
    {
        TLineScan scan;
        ScanLines(cols, area.Left + 1, area.Right, area.Top, area.Bottom, scan);
        if (scan.Max != 0) {
            WriteLines(cols, area.Left + 1, area.Right, area.Top, area.Bottom, 0);
            changed = true;
        }
    }
    // An edge that is not the same all along becomes no line.
    struct TEdge {
        TXLInfoList* List;
        int Line, From, To;
    };
    const TEdge edges[] = {{&cols, area.Left, area.Top, area.Bottom},
                           {&cols, area.Right, area.Top, area.Bottom},
                           {&rows, area.Top, area.Left, area.Right},
                           {&rows, area.Bottom, area.Left, area.Right}};
    for (const TEdge& edge : edges) {
        TLineScan scan;
        ScanRun(*edge.List, edge.Line, edge.From, edge.To, scan);
        if (!scan.Uniform) {
            edge.List->WriteRun(edge.Line, edge.From, edge.To, 0);
            changed = true;
        }
    }
    // The other kinds keep a value common to the whole area, else the default.
    for (int i = siBias1; i < XLSheetInfoCount; ++i) {
        TXLInfoList& list = *FInfos[i];
        const int32_t first = list.Read(area.Top, area.Left);
        bool uniform = true;
        for (int y = area.Top; y < area.Bottom && uniform; ++y)
            for (int x = area.Left; x < area.Right && uniform; ++x)
                uniform = list.Read(y, x) == first;
        if (!uniform)
            WriteLines(list, area.Top, area.Bottom, area.Left, area.Right, list.GetDefault());
    }
    return changed;
}
