#include "grid/TXLEditor.h"

#include "grid/TXLEdit.h"

#include <QFontMetrics>
#include <QKeyEvent>

#include <algorithm>
#include <map>

TXLEditor::TXLEditor(TXLEdit* host) : QWidget(host), FHost(host) {}

TXLEditor::~TXLEditor() = default;

void TXLEditor::keyPressEvent(QKeyEvent* event)
{
    event->accept();
}

namespace {

std::map<const TXLEditClass*, TXLEditorFactory>& Factories()
{
    static std::map<const TXLEditClass*, TXLEditorFactory> factories;
    return factories;
}

}  // namespace

void XLRegisterEditor(const TXLEditClass* editClass, TXLEditorFactory factory)
{
    if (!editClass)
        return;
    if (factory)
        Factories()[editClass] = std::move(factory);
    else
        Factories().erase(editClass);
}

const TXLEditorFactory* XLFindEditorFactory(const TXLEditClass* editClass)
{
    const auto it = Factories().find(editClass);
    return it == Factories().end() ? nullptr : &it->second;
}

TAlignment XLToAlignment(TXLHorzAlign align)
{
    switch (align) {
    case haRight:
        return taRightJustify;
    case haCenter:
        return taCenter;
    case haLeft:
        break;
    }
    return taLeftJustify;
}

TXLHorzAlign XLToHorzAlign(TAlignment align)
{
    switch (align) {
    case taRightJustify:
        return haRight;
    case taCenter:
        return haCenter;
    case taLeftJustify:
        break;
    }
    return haLeft;
}

QMargins XLIndentMargins(int indent, TAlignment align)
{
    indent = std::max(0, indent);
    return QMargins(align != taRightJustify ? indent : 0, 0, align != taLeftJustify ? indent : 0, 0);
}

int XLCalcTextHeight(const QWidget& control, int indent, TXLHorzAlign alignment, const QString& text)
{
    QRect bounds(0, 0, control.width(), 10240);
    if (indent > 0) {
        if (alignment != haRight)
            bounds.setLeft(bounds.left() + indent);
        if (alignment != haLeft)
            bounds.setRight(bounds.right() - indent);
    }
    const QRect used = QFontMetrics(control.font()).boundingRect(bounds, Qt::TextWordWrap, text);
    const QWidget* parent = control.parentWidget();
    return parent ? std::min(used.height(), parent->height()) : used.height();
}
