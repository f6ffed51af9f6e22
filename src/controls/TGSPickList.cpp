#include "controls/TGSPickList.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <algorithm>

TGSPickList::TGSPickList(QWidget* parent, TGSPickStyle style)
    : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
    // The list's window comes and goes with the drop-down; its hiding is
    // the close-up, however it was closed.
    view()->window()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this](int) {
        Change();
        // A choice closes the list before Qt reports it; the close-up
        // follows the change, so the owner reads the chosen item.
        if (FCloseUpPending)
            DoCloseUp();
    });
    FStyle = style == pkDropDown ? pkDropDownList : pkDropDown;  // force the set-up
    SetStyle(style);
}

TGSPickList::~TGSPickList()
{
    view()->window()->removeEventFilter(this);
}

void TGSPickList::SetStyle(TGSPickStyle style)
{
    if (style == FStyle)
        return;
    FStyle = style;
    const QString text = currentText();
    setEditable(style == pkDropDown);
    if (QLineEdit* edit = lineEdit()) {
        // Completion is ours: it keeps the typed letters' case.
        setCompleter(nullptr);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this](const QString&) { Change(); });
        SetText(text);
    }
    SetUpEdit();
}

QStringList TGSPickList::GetItems() const
{
    QStringList items;
    items.reserve(count());
    for (int i = 0; i < count(); ++i)
        items.append(itemText(i));
    return items;
}

namespace {

QStringList SortedItems(QStringList items)
{
    std::stable_sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
        return QString::localeAwareCompare(a.toLower(), b.toLower()) < 0;
    });
    return items;
}

}  // namespace

void TGSPickList::SetSorted(bool on)
{
    if (on == FSorted)
        return;
    FSorted = on;
    if (on) {
        const QString chosen = GetItemIndex() >= 0 ? itemText(currentIndex()) : QString();
        const bool hadChoice = GetItemIndex() >= 0;
        SetItems(GetItems());
        if (hadChoice)
            SetText(chosen);
    }
}

void TGSPickList::SetMaxLength(int length)
{
    FMaxLength = std::max(length, 0);
    SetUpEdit();
}

void TGSPickList::SetItems(const QStringList& items)
{
    const QString text = FStyle == pkDropDown ? currentText() : QString();
    clear();
    addItems(FSorted ? SortedItems(items) : items);
    setCurrentIndex(-1);
    if (FStyle == pkDropDown)
        setEditText(text);
}

int TGSPickList::GetItemIndex() const
{
    const int index = currentIndex();
    if (FStyle == pkDropDown && index >= 0 && lineEdit()->text() != itemText(index))
        return -1;
    return index;
}

void TGSPickList::SetItemIndex(int index)
{
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

QString TGSPickList::GetText() const
{
    return currentText();
}

void TGSPickList::SetText(const QString& text)
{
    const int index = findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    setCurrentIndex(index);
    if (FStyle == pkDropDown)
        setEditText(text);
}

void TGSPickList::SetAlign(TAlignment alignment)
{
    if (alignment == FAlign)
        return;
    FAlign = alignment;
    SetUpEdit();
}

void TGSPickList::SetIndent(int pixels)
{
    pixels = std::max(pixels, 0);
    if (pixels == FIndent)
        return;
    FIndent = pixels;
    SetUpEdit();
}

void TGSPickList::SetUpEdit()
{
    if (QLineEdit* edit = lineEdit()) {
        edit->setAlignment(GSAlignFlag(FAlign) | Qt::AlignVCenter);
        edit->setTextMargins(FIndent, 0, 0, 0);
        edit->setMaxLength(FMaxLength > 0 ? FMaxLength : MaxTextLength);
    }
    update();
}

bool TGSPickList::GetDroppedDown() const
{
    return view()->window()->isVisible();
}

void TGSPickList::SetDroppedDown(bool on)
{
    if (on == GetDroppedDown())
        return;
    if (on)
        showPopup();
    else
        hidePopup();
}

int TGSPickList::GetButtonWidth() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this).width();
}

void TGSPickList::DoCloseUp()
{
    FCloseUpPending = false;
    if (OnCloseUp)
        OnCloseUp(this);
}

void TGSPickList::Change()
{
    if (OnChange)
        OnChange(this);
}

void TGSPickList::showPopup()
{
    if (OnDropDown)
        OnDropDown(this);
    QComboBox::showPopup();
    // The list opens on the item the typed text names (in any case), so
    // Enter takes it; the text itself changes only with the choice.
    if (FStyle == pkDropDown) {
        const int named = findText(currentText(), Qt::MatchFixedString);
        if (named >= 0)
            view()->setCurrentIndex(model()->index(named, modelColumn(), rootModelIndex()));
    }
}

bool TGSPickList::TypesCharacter(const QKeyEvent* event)
{
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

bool TGSPickList::PreviewKey(QKeyEvent* event)
{
    if (GetDroppedDown())
        return true;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        DoCloseUp();
        return false;
    case Qt::Key_Up:
    case Qt::Key_Down:
        // Unmodified arrows leave the cell rather than step the items.
        return (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier;
    default:
        return true;
    }
}

void TGSPickList::keyPressEvent(QKeyEvent* event)
{
    if (!PreviewKey(event)) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
    if (FStyle == pkDropDown && TypesCharacter(event))
        Complete();
}

void TGSPickList::Complete()
{
    QLineEdit* edit = lineEdit();
    if (!edit || !(hasFocus() || edit->hasFocus()))
        return;
    const QString text = edit->text();
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int found = findText(text, Qt::MatchStartsWith);
    if (found < 0)
        return;
    const int limit = FMaxLength > 0 ? std::min(FMaxLength, MaxCompletionLength) : MaxCompletionLength;
    const QString completed = (text.left(start) + itemText(found).mid(start)).left(limit);
    edit->setText(completed);
    edit->setSelection(start, completed.size() - start);
}

bool TGSPickList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view()->window()) {
        if (event->type() == QEvent::Show) {
            FCloseUpPending = false;
        } else if (event->type() == QEvent::Hide) {
            // Without a choice (Escape, a click elsewhere) nothing else
            // follows the hiding: report the close-up from the event loop.
            FCloseUpPending = true;
            QMetaObject::invokeMethod(this, [this] {
                if (FCloseUpPending)
                    DoCloseUp();
            }, Qt::QueuedConnection);
        }
        return false;
    }
    if (watched == lineEdit() && event->type() == QEvent::KeyPress && !FForwarding) {
        // A key sent straight to the typing field takes the pick list's
        // road, so completion and the arrow rules hold for it too; what
        // the pick list leaves unhandled goes on to its parent from there.
        FForwarding = true;
        QCoreApplication::sendEvent(this, event);
        FForwarding = false;
        event->accept();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void TGSPickList::paintEvent(QPaintEvent* event)
{
    if (FStyle == pkDropDown) {
        QComboBox::paintEvent(event);
        return;
    }
    // The closed list draws its text itself to honour alignment and indent.
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QString text = option.currentText;
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    field.adjust(FIndent, 0, 0, 0);
    painter.setPen(option.palette.color(QPalette::ButtonText));
    const QString shown = fontMetrics().elidedText(text, Qt::ElideRight, std::max(field.width(), 0));
    painter.drawText(field, GSAlignFlag(FAlign) | Qt::AlignVCenter, shown);
}
