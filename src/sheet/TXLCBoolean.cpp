#include "sheet/TXLCBoolean.h"

#include "sheet/TXLDraw.h"
#include "sheet/XLColor.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace {

// A flat check box: a one-pixel frame in the shadow colour round a window
// coloured square, with a tick in the window text colour when checked.
void DrawCheckBox(QPainter& canvas, const TRect& box, bool checked)
{
    const int side = box.Width();
    if (side <= 0)
        return;
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.fillRect(ToQRect(box), ColorToQColor(clBtnShadow));
    if (side > 2)
        canvas.fillRect(QRect(box.Left + 1, box.Top + 1, side - 2, side - 2), ColorToQColor(clWindow));
    if (checked && side > 4) {
        // The classic tick: down from the left third, up to the right.
        QPen pen(ColorToQColor(clWindowText));
        pen.setWidth(std::max(1, side * 2 / 13));
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
        canvas.setPen(pen);
        const QPolygon tick{QPoint(box.Left + side * 3 / 13, box.Top + side * 6 / 13),
                            QPoint(box.Left + side * 5 / 13, box.Top + side * 8 / 13),
                            QPoint(box.Left + side * 9 / 13, box.Top + side * 4 / 13)};
        canvas.drawPolyline(tick);
    }
    canvas.restore();
}

}  // namespace

const TXLCellClass* TXLCBoolean::StaticClass()
{
    static const TXLCellClass cellClass{QStringLiteral("TXLCBoolean"), &XLMakeCell<TXLCBoolean>,
                                        TXLCell::StaticClass()};
    return &cellClass;
}

const TXLCellClass* TXLCBoolean::ClassType() const
{
    return StaticClass();
}

bool TXLCBoolean::GetBoolean()
{
    return FValue;
}

void TXLCBoolean::SetBoolean(bool value)
{
    if (value == FValue && !IsWriteNotify())
        return;
    FValue = value;
    Changed();
}

Variant TXLCBoolean::GetValue()
{
    return Variant(FValue);
}

void TXLCBoolean::SetValue(const Variant& value)
{
    SetBoolean(value.ToBoolean());
}

QString TXLCBoolean::FormatText()
{
    const QString format = GetDisplayFormat();
    const qsizetype split = format.indexOf(u';');
    if (FValue)
        return split < 0 ? format : format.left(split);
    return split < 0 ? QString() : format.mid(split + 1);
}

void TXLCBoolean::Draw(const TXLDraw& draw, const TRect& rect)
{
    if (!GetFormat().isEmpty()) {
        TXLCell::Draw(draw, rect);
        return;
    }
    if (!draw.Canvas)
        return;
    const int side = CheckBoxSize * draw.Scale / 100;
    DrawCheckBox(*draw.Canvas, XLPlaceRect(rect, side, side, draw.HorzAlign, draw.VertAlign), FValue);
}

void TXLCBoolean::DblClick()
{
    SetBoolean(!GetBoolean());
}

void TXLCBoolean::KeyPress(QChar& key)
{
    if (key != u' ')
        return;
    SetBoolean(!GetBoolean());
    key = QChar(0);
}
