// TXLCBoolean: the yes/no cell. It holds a Boolean (false at creation); a
// value of any other kind is converted with the variant rules (numbers: not
// 0; texts: "True"/"False" or a number), and a value that does not convert
// raises EVariantError and leaves the cell as it was. With a Format the cell
// shows text: the display format's part before the first ";" for true, the
// part after it for false. Without one it draws a flat check box. A double
// click toggles the value, and so does a space, which is then consumed.
#pragma once

#include "sheet/TXLCell.h"

class TXLCBoolean : public TXLCell {
public:
    static const TXLCellClass* StaticClass();
    const TXLCellClass* ClassType() const override;

    bool GetBoolean() override;
    void SetBoolean(bool value) override;
    Variant GetValue() override;
    void SetValue(const Variant& value) override;
    QString FormatText() override;
    void Draw(const TXLDraw& draw, const TRect& rect) override;
    void DblClick() override;
    void KeyPress(QChar& key) override;

    // The side of the check box at 100 percent.
    static constexpr int CheckBoxSize = 13;

private:
    bool FValue = false;
};
