// TXLCell: the base of every cell class: a value at one position of a
// section (or anchoring a merged area there). A cell is owned by its row
// (TXLRow), which records the row index; the cell records its column. Its
// BasedOn style is a non-owning reference, cleared when the style or the
// styler goes away. A cell never changes class: a class change replaces the
// object (TXLSection::SetCellClass). Cell classes override the value
// accessors and the Init/Done/Click/DblClick/KeyPress hooks; the plain
// TXLCell holds no value.
#pragma once

#include "sheet/TXLCellClass.h"
#include "sheet/TXLProCell.h"

#include <QChar>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class TXLRow;
class TXLStyle;

class TXLCell : public TXLProCell {
public:
    TXLCell();
    ~TXLCell() override;

    static const TXLCellClass* StaticClass();
    // The descriptor of the object's class.
    virtual const TXLCellClass* ClassType() const;

    const TXLCellClass* GetCellClass() const override { return ClassType(); }
    // A cell changes class only by being replaced, so this does nothing.
    void SetCellClass(const TXLCellClass* cellClass) override { (void)cellClass; }
    TXLStyle* GetBasedOn() const override { return StoredBasedOn(); }
    // Stores the style reference as read from a stream, without notifying or
    // reloading (the reader resolves the style indices once all are known).
    void PutBasedOn(TXLStyle* style) { StoreBasedOn(style); }
    // Raises ERAVazoError "Cannot use Style from disconnected Styler!" for a
    // style of another styler than the sheet's.
    void SetBasedOn(TXLStyle* style) override;
    // The chain, then the section's base style.
    TXLPersistent* FindProperty(TXLProp prop) override;
    void NotifyChanges(TXLProp prop, int flags) override;
    // prHint from another cell: its hint text.
    void AssignProperty(TXLPersistent& source, TXLProp prop, int flags) override;

    TXLSection* GetSection() const override;
    TRect GetBounds() const override;
    // Merges (more than one position) or splits the cell's area; only the
    // width and height of rect count.
    void SetBounds(const TRect& rect) override;

    TXLRow* GetRow() const { return FRow; }
    // Sector column.
    int GetCol() const { return FCol; }

    // The stored hint when prHint is held, else "".
    QString GetHint() const;
    void SetHint(const QString& hint);
    bool GetEditing() const { return HasState(csEditing); }
    // Asks every user to close an editor open on the cell.
    void CancelEdit();
    // Queues one repaint of the cell (until painting clears csInvalidate).
    void Invalidate();

    // Hooks of the cell classes: Init runs once the cell is in place, Done
    // before it is destroyed.
    virtual void Init();
    virtual void Done();
    virtual void Click();
    virtual void DblClick();
    // A class may consume the key by setting it to QChar(0).
    virtual void KeyPress(QChar& key);

    // The size the cell asks for when its column or row is fitted to the
    // content, measured on canvas, whose font is the sector's default: (0, 0)
    // without a display text, else the text extent (in the cell's own font
    // when it has one) plus twice the indent and 2 across, plus 2 down.
    virtual QSize RecommendedSize(QPainter& canvas);

protected:
    // True when the position's Styles contain csWriteNotify: every write
    // then counts as a change.
    bool IsWriteNotify();

private:
    friend class TXLRow;
    friend class TXLSection;

    // The construction steps once the cell is stored: Init, csReformat, the
    // base style's format, the first repaint.
    void Placed();
    // The destruction steps while the cell is already out of its row.
    void Removing();

    // First: it fills the last word of the base's fields.
    int FCol = 0;
    TXLRow* FRow = nullptr;
};

// The factory of a cell class descriptor.
template <class T>
std::unique_ptr<TXLCell> XLMakeCell()
{
    return std::make_unique<T>();
}
