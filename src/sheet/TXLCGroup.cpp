#include "sheet/TXLCGroup.h"

#include "sheet/TXLDraw.h"
#include "sheet/TXLSheet.h"
#include "sheet/XLColor.h"

#include <QPainter>

#include <algorithm>

namespace {

// A one-pixel edge round box: light top and left, dark bottom and right
// when raised, the other way round when sunken.
void DrawEdge(QPainter& canvas, const QRect& box, bool raised)
{
    const QColor light = ColorToQColor(clBtnHighlight);
    const QColor dark = ColorToQColor(clBtnShadow);
    canvas.fillRect(box, ColorToQColor(clBtnFace));
    canvas.fillRect(QRect(box.left(), box.top(), box.width(), 1), raised ? light : dark);
    canvas.fillRect(QRect(box.left(), box.top(), 1, box.height()), raised ? light : dark);
    canvas.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), raised ? dark : light);
    canvas.fillRect(QRect(box.right(), box.top(), 1, box.height()), raised ? dark : light);
}

}  // namespace

const TXLCellClass* TXLCGroup::StaticClass()
{
    static const TXLCellClass cellClass{QStringLiteral("TXLCGroup"), &XLMakeCell<TXLCGroup>, TXLCell::StaticClass()};
    return &cellClass;
}

const TXLCellClass* TXLCGroup::ClassType() const
{
    return StaticClass();
}

bool TXLCGroup::GetBoolean()
{
    return !FVisibilities.empty();
}

bool TXLCGroup::IsHorizontal() const
{
    const TRect area = GetBounds();
    return area.Width() >= area.Height();
}

void TXLCGroup::SetBoolean(bool value)
{
    if (value == GetBoolean()) {
        if (IsWriteNotify())
            Changed();
        return;
    }
    TXLSheet* sheet = GetSheet();
    const TRect area = GetMapBounds();
    const bool horizontal = IsHorizontal();
    const TXLAxis axis = horizontal ? sCols : sRows;
    const int own = horizontal ? area.Left : area.Top;
    const int extent = horizontal ? area.Width() : area.Height();
    if (value) {
        for (int i = 1; i < extent; ++i) {
            FVisibilities.push_back(sheet->GetCellVisible(own + i, axis) ? 1 : 0);
            sheet->SetCellVisible(own + i, axis, false);
        }
    } else {
        // The list decides, not the area: it may have shrunk since.
        const std::vector<int32_t> visibilities = std::move(FVisibilities);
        FVisibilities.clear();
        for (size_t i = 0; i < visibilities.size(); ++i)
            if (visibilities[i])
                sheet->SetCellVisible(own + 1 + static_cast<int>(i), axis, true);
    }
    Changed();
}

Variant TXLCGroup::GetValue()
{
    return Variant(GetBoolean());
}

void TXLCGroup::SetValue(const Variant& value)
{
    SetBoolean(value.ToBoolean());
}

void TXLCGroup::SetVisibilities(std::vector<int32_t> visibilities)
{
    FVisibilities = std::move(visibilities);
    Changed();
}

void TXLCGroup::Draw(const TXLDraw& draw, const TRect& rect)
{
    TXLCell::Draw(draw, rect);
    const TRect area = GetBounds();
    const bool horizontal = IsHorizontal();
    if ((horizontal ? area.Width() : area.Height()) < 2 || !draw.Canvas)
        return;
    const int thickness = horizontal ? rect.Height() : rect.Width();
    const int side = thickness - 2;
    if (side <= 0)
        return;
    QPainter& canvas = *draw.Canvas;
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    const bool collapsed = GetBoolean();
    const QRect button(rect.Left + 1, rect.Top + 1, side, side);
    DrawEdge(canvas, button, collapsed);

    // The sign: a bar across the middle, crossed when collapsed.
    const QColor black = ColorToQColor(clBlack);
    const int middle = side / 2;
    const int margin = std::max(2, side / 4);
    if (side - 2 * margin > 0) {
        canvas.fillRect(QRect(button.left() + margin, button.top() + middle, side - 2 * margin, 1), black);
        if (collapsed)
            canvas.fillRect(QRect(button.left() + middle, button.top() + margin, 1, side - 2 * margin), black);
    }

    if (!collapsed) {
        // A 2-pixel line along the middle from the button to 3 pixels before
        // the far end, where a tick turns towards the far side.
        if (horizontal) {
            const int y = rect.Top + (thickness - 2) / 2;
            const int end = rect.Right - 3;
            if (end > button.right() + 1) {
                canvas.fillRect(QRect(button.right() + 1, y, end - button.right() - 1, 2), black);
                canvas.fillRect(QRect(end - 2, y, 2, std::max(2, rect.Bottom - 3 - y)), black);
            }
        } else {
            const int x = rect.Left + (thickness - 2) / 2;
            const int end = rect.Bottom - 3;
            if (end > button.bottom() + 1) {
                canvas.fillRect(QRect(x, button.bottom() + 1, 2, end - button.bottom() - 1), black);
                canvas.fillRect(QRect(x, end - 2, std::max(2, rect.Right - 3 - x), 2), black);
            }
        }
    }
    canvas.restore();
}

QSize TXLCGroup::RecommendedSize(QPainter& canvas)
{
    (void)canvas;
    const int size = GetSheet()->GetRowDefHeight();
    return {size, size};
}

void TXLCGroup::DblClick()
{
    SetBoolean(!GetBoolean());
}

void TXLCGroup::KeyPress(QChar& key)
{
    if (key == u' ')
        SetBoolean(!GetBoolean());
}
