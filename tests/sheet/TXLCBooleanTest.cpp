#include "sheet/TXLCBoolean.h"

#include "CellTestSupport.h"
#include "DrawTestSupport.h"
#include "base/VariantError.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

class TXLCBooleanTest : public TCellTest {};

TEST_F(TXLCBooleanTest, ConvertsOrRefuses)
{
    struct TRow {
        Variant Value;
        std::optional<bool> Stored;
    };
    const TRow rows[] = {
        {Variant(1), true},         {Variant(0), false},           {Variant(-2.5), true},
        {Variant("TRUE"), true},    {Variant("false"), false},     {Variant("0"), false},
        {Variant(), false},         {Variant("yes"), std::nullopt}, {Variant::Null(), std::nullopt},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Value.ToString().toStdString());
        TXLCell* cell = MakeCell<TXLCBoolean>(1, 1);
        cell->SetBoolean(true);
        if (row.Stored) {
            cell->SetValue(row.Value);
            EXPECT_EQ(cell->GetBoolean(), *row.Stored);
        } else {
            EXPECT_THROW(cell->SetValue(row.Value), EVariantError);
            EXPECT_TRUE(cell->GetBoolean());
        }
    }
}

TEST_F(TXLCBooleanTest, ValueAndNotification)
{
    TXLCell* cell = MakeCell<TXLCBoolean>(0, 0);
    cell->SetBoolean(true);
    cell->SetValue(Variant(5));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(cell->GetValue() == Variant(true));
    EXPECT_EQ(cell->GetInteger(), -1);
    cell->SetStyles({csNotify, csWriteNotify});
    cell->SetBoolean(true);
    EXPECT_EQ(changes, 2);
}

TEST_F(TXLCBooleanTest, DisplayTextIsTheFormatPartOfTheValue)
{
    struct TRow {
        const char* Format;
        const char* True;
        const char* False;
    };
    const TRow rows[] = {
        {"Yes;No", "Yes", "No"},
        {"True;False|x", "True", "False"},
        {"On", "On", ""},
        {";Off", "", "Off"},
        {"", "", ""},
        {"Да;Нет;?", "Да", "Нет;?"},
    };
    TXLCell* cell = MakeCell<TXLCBoolean>(2, 2);
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Format);
        cell->SetFormat(QString::fromUtf8(row.Format));
        cell->SetBoolean(true);
        EXPECT_EQ(cell->GetText(), QString::fromUtf8(row.True));
        cell->SetBoolean(false);
        EXPECT_EQ(cell->GetText(), QString::fromUtf8(row.False));
    }
}

TEST_F(TXLCBooleanTest, DoubleClickAndSpaceToggle)
{
    TXLCell* cell = MakeCell<TXLCBoolean>(3, 3);
    cell->DblClick();
    EXPECT_TRUE(cell->GetBoolean());
    QChar key = u' ';
    cell->KeyPress(key);
    EXPECT_FALSE(cell->GetBoolean());
    EXPECT_EQ(key, QChar(0));  // consumed
    key = u'x';
    cell->KeyPress(key);
    EXPECT_FALSE(cell->GetBoolean());
    EXPECT_EQ(key, u'x');
    EXPECT_EQ(changes, 2);
}

// The check box is drawn into a 60 x 40 cell at (10, 10) of the canvas.
class TXLCBooleanDrawTest : public TCellTest {
protected:
    QImage Render(bool value, TXLHorzAlign horz = haLeft, TXLVertAlign vert = vaTop, int scale = 100)
    {
        TXLCell* cell = MakeCell<TXLCBoolean>(0, 0);
        cell->SetBoolean(value);
        TDrawCanvas canvas(80, 60);
        canvas.Draw.HorzAlign = horz;
        canvas.Draw.VertAlign = vert;
        canvas.Draw.Scale = scale;
        cell->Draw(canvas.Draw, Cell);
        return canvas.Result();
    }

    const TRect Cell = Rect(10, 10, 70, 50);
};

TEST_F(TXLCBooleanDrawTest, WithoutFormatDrawsACheckBoxTickedWhenTrue)
{
    const QImage unchecked = Render(false);
    EXPECT_EQ(InkBounds(unchecked), QRect(10, 10, 13, 13));
    // Only the frame: the inside of the box stays light.
    EXPECT_EQ(CountDark(unchecked, QRect(12, 12, 9, 9)), 0);
    const QImage checked = Render(true);
    EXPECT_EQ(InkBounds(checked), QRect(10, 10, 13, 13));
    EXPECT_GT(CountDark(checked, QRect(12, 12, 9, 9)), 8);
}

TEST_F(TXLCBooleanDrawTest, BoxFollowsAlignmentAndScale)
{
    struct TRow {
        TXLHorzAlign Horz;
        TXLVertAlign Vert;
        int Scale;
        QRect Box;
    };
    const TRow rows[] = {
        {haRight, vaBottom, 100, QRect(57, 37, 13, 13)},
        {haCenter, vaCenter, 100, QRect(33, 23, 13, 13)},
        {haLeft, vaCenter, 200, QRect(10, 17, 26, 26)},
        {haCenter, vaTop, 50, QRect(37, 10, 6, 6)},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Horz << " " << row.Vert << " " << row.Scale);
        EXPECT_EQ(InkBounds(Render(true, row.Horz, row.Vert, row.Scale)), row.Box);
    }
}

TEST_F(TXLCBooleanDrawTest, WithFormatDrawsItsTextInstead)
{
    TXLCell* cell = MakeCell<TXLCBoolean>(0, 0);
    cell->SetFormat(QStringLiteral("Yes;No"));
    cell->SetBoolean(true);
    TDrawCanvas drawn(80, 60);
    cell->Draw(drawn.Draw, Cell);
    TDrawCanvas expected(80, 60);
    XLDrawText(expected.Draw, Cell, QStringLiteral("Yes"));
    const QImage image = drawn.Result();
    EXPECT_EQ(image, expected.Result());
    EXPECT_FALSE(InkBounds(image).isEmpty());
}

}  // namespace
