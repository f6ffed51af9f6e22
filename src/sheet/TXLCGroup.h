// TXLCGroup: the outline cell that folds the columns or rows of its area
// away. A group whose area is at least as wide as tall is horizontal and
// folds columns, otherwise it folds rows; the positions it folds are those
// of its area after its own. Its value is "collapsed", true exactly when it
// remembers the visibility each folded column or row had before (one entry
// per position, non-zero = was visible): collapsing records and hides,
// expanding shows again only what was visible and forgets the list. Other
// kinds are converted to Boolean with the variant rules. It shows no text of
// its own; it draws a small button (raised "+" when collapsed, sunken "-"
// when expanded) at the start of its area and, when expanded, a line with a
// tick along it. A double click or a space toggles it (the space is passed
// on).
#pragma once

#include "sheet/TXLCell.h"

#include <vector>

class TXLCGroup : public TXLCell {
public:
    static const TXLCellClass* StaticClass();
    const TXLCellClass* ClassType() const override;

    // Collapsed.
    bool GetBoolean() override;
    void SetBoolean(bool value) override;
    Variant GetValue() override;
    void SetValue(const Variant& value) override;
    void Draw(const TXLDraw& draw, const TRect& rect) override;
    // A square of the sheet's default row height.
    QSize RecommendedSize(QPainter& canvas) override;
    void DblClick() override;
    void KeyPress(QChar& key) override;

    // Columns when the area is at least as wide as tall, else rows.
    bool IsHorizontal() const;
    // The remembered visibilities, for the stream.
    const std::vector<int32_t>& GetVisibilities() const { return FVisibilities; }
    // Replaces them as read from a stream (a value change; the sheet's
    // sizes are not touched, they travel on their own).
    void SetVisibilities(std::vector<int32_t> visibilities);

private:
    std::vector<int32_t> FVisibilities;
};
