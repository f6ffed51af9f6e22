#include "sheet/TXLCGroup.h"

#include "CellTestSupport.h"
#include "DrawTestSupport.h"
#include "base/VariantError.h"
#include "sheet/XLColor.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class TXLCGroupTest : public TCellTest {
protected:
    // A group anchored at (col, row) over width x height positions.
    TXLCGroup* Group(int col, int row, int width, int height, TXLCellStyles extra = {})
    {
        TXLCGroup* group = MakeCell<TXLCGroup>(col, row);
        group->SetBounds(Rect(0, 0, width, height));
        // Merging evens out the area's styles, so they come after.
        group->SetStyles(TXLCellStyles{csNotify} + extra);
        changes = 0;
        return group;
    }
    std::vector<bool> Visible(TXLAxis axis, int from, int to)
    {
        std::vector<bool> result;
        for (int i = from; i <= to; ++i)
            result.push_back(sheet.GetCellVisible(i, axis));
        return result;
    }
};

TEST_F(TXLCGroupTest, VerticalGroupHidesTheRowsAfterItsOwnAndRestoresOnlyTheVisibleOnes)
{
    TXLCGroup* group = Group(0, 4, 1, 4);
    EXPECT_FALSE(group->IsHorizontal());
    sheet.SetCellSize(5, sRows, 22);
    sheet.SetCellVisible(6, sRows, false);
    group->SetBoolean(true);
    EXPECT_EQ(Visible(sRows, 3, 8), (std::vector<bool>{true, true, false, false, false, true}));
    EXPECT_TRUE(group->GetBoolean());
    EXPECT_TRUE(group->GetValue() == Variant(true));
    EXPECT_EQ(group->GetVisibilities(), (std::vector<int32_t>{1, 0, 1}));
    EXPECT_EQ(changes, 1);

    group->SetBoolean(false);
    EXPECT_EQ(Visible(sRows, 3, 8), (std::vector<bool>{true, true, true, false, true, true}));
    EXPECT_EQ(sheet.GetCellSize(5, sRows), 22);
    EXPECT_FALSE(group->GetBoolean());
    EXPECT_TRUE(group->GetVisibilities().empty());
    EXPECT_EQ(changes, 2);
}

TEST_F(TXLCGroupTest, WideOrSquareGroupFoldsColumns)
{
    TXLCGroup* wide = Group(1, 0, 3, 1);
    EXPECT_TRUE(wide->IsHorizontal());
    wide->SetValue(Variant("True"));
    EXPECT_EQ(Visible(sCols, 0, 4), (std::vector<bool>{true, true, false, false, true}));
    EXPECT_EQ(Visible(sRows, 0, 2), (std::vector<bool>{true, true, true}));
    wide->SetValue(Variant(0));
    EXPECT_EQ(Visible(sCols, 0, 4), (std::vector<bool>(5, true)));

    TXLCGroup* square = Group(5, 5, 2, 2);
    EXPECT_TRUE(square->IsHorizontal());
    square->SetBoolean(true);
    EXPECT_EQ(Visible(sCols, 5, 7), (std::vector<bool>{true, false, true}));
    EXPECT_EQ(Visible(sRows, 5, 7), (std::vector<bool>{true, true, true}));
}

TEST_F(TXLCGroupTest, SingleCellGroupCannotCollapse)
{
    TXLCGroup* group = Group(3, 3, 1, 1);
    group->SetBoolean(true);
    EXPECT_FALSE(group->GetBoolean());
    EXPECT_EQ(Visible(sCols, 3, 5), (std::vector<bool>(3, true)));
    EXPECT_EQ(changes, 1);
}

TEST_F(TXLCGroupTest, RepeatedValueIsOnlyANotificationWithWriteNotify)
{
    TXLCGroup* plain = Group(0, 0, 1, 3);
    plain->SetBoolean(false);
    EXPECT_EQ(changes, 0);
    plain->SetBoolean(true);
    plain->SetBoolean(true);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(plain->GetVisibilities().size(), 2u);

    TXLCGroup* noisy = Group(5, 0, 1, 3, {csWriteNotify});
    noisy->SetBoolean(true);
    noisy->SetBoolean(true);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(noisy->GetVisibilities().size(), 2u);
}

TEST_F(TXLCGroupTest, UnconvertibleValueFoldsNothing)
{
    TXLCGroup* group = Group(0, 0, 1, 3);
    EXPECT_THROW(group->SetValue(Variant("folded")), EVariantError);
    EXPECT_FALSE(group->GetBoolean());
    EXPECT_EQ(Visible(sRows, 1, 2), (std::vector<bool>{true, true}));
}

TEST_F(TXLCGroupTest, DoubleClickAndSpaceToggleAndTheSpaceGoesOn)
{
    TXLCGroup* group = Group(0, 0, 1, 2);
    group->DblClick();
    EXPECT_TRUE(group->GetBoolean());
    QChar key = u' ';
    group->KeyPress(key);
    EXPECT_FALSE(group->GetBoolean());
    EXPECT_EQ(key, u' ');
    key = u'a';
    group->KeyPress(key);
    EXPECT_FALSE(group->GetBoolean());
}

TEST_F(TXLCGroupTest, RememberedListRestoresEvenAfterTheAreaShrank)
{
    TXLCGroup* group = Group(0, 0, 1, 4);
    group->SetVisibilities({1, 1, 1});
    EXPECT_TRUE(group->GetBoolean());
    EXPECT_EQ(changes, 1);
    sheet.SetCellVisible(3, sRows, false);
    group->SetBounds(Rect(0, 0, 1, 2));
    group->SetBoolean(false);
    EXPECT_TRUE(sheet.GetCellVisible(3, sRows));
}

TEST_F(TXLCGroupTest, RecommendsTheDefaultRowHeightSquare)
{
    TXLCGroup* group = Group(0, 0, 1, 2);
    QImage device(10, 10, QImage::Format_RGB32);
    QPainter canvas(&device);
    EXPECT_EQ(group->RecommendedSize(canvas), QSize(15, 15));
    sheet.SetRowDefHeight(21);
    EXPECT_EQ(group->RecommendedSize(canvas), QSize(21, 21));
}

// A horizontal group over three 60-pixel columns of a 15-pixel row.
class TXLCGroupDrawTest : public TXLCGroupTest {
protected:
    QImage Render(TXLCGroup* group)
    {
        TDrawCanvas canvas(200, 40);
        group->Draw(canvas.Draw, Cell);
        return canvas.Result();
    }

    const TRect Cell = Rect(0, 0, 180, 15);
};

TEST_F(TXLCGroupDrawTest, ExpandedShowsASunkenMinusAndALineWithATick)
{
    const QImage image = Render(Group(0, 0, 3, 1));
    // The button: 13 x 13 at (1, 1), sunken (dark top left, light bottom right).
    EXPECT_EQ(image.pixelColor(3, 3), ColorToQColor(clBtnFace));
    EXPECT_LT(qGray(image.pixel(1, 5)), qGray(image.pixel(13, 5)));
    EXPECT_LT(qGray(image.pixel(5, 1)), qGray(image.pixel(5, 13)));
    EXPECT_TRUE(InkBounds(image, QRect(0, 0, 15, 1)).isEmpty());
    EXPECT_GT(CountDark(image, QRect(3, 7, 9, 1)), 4);  // the minus
    EXPECT_EQ(CountDark(image, QRect(7, 3, 1, 3)), 0);  // no upright stroke
    // The line in the middle and the tick before the far end.
    EXPECT_EQ(CountDark(image, QRect(20, 6, 150, 2)), 300);
    EXPECT_GT(CountDark(image, QRect(174, 8, 3, 4)), 4);
    EXPECT_EQ(CountDark(image, QRect(178, 0, 22, 15)), 0);
}

TEST_F(TXLCGroupDrawTest, CollapsedShowsARaisedPlusWithoutALine)
{
    TXLCGroup* group = Group(0, 0, 3, 1);
    group->SetBoolean(true);
    const QImage image = Render(group);
    EXPECT_EQ(image.pixelColor(3, 3), ColorToQColor(clBtnFace));
    EXPECT_GT(qGray(image.pixel(1, 5)), qGray(image.pixel(13, 5)));
    EXPECT_GT(qGray(image.pixel(5, 1)), qGray(image.pixel(5, 13)));
    EXPECT_GT(CountDark(image, QRect(7, 3, 1, 9)), 4);  // the upright stroke
    EXPECT_EQ(CountDark(image, QRect(20, 0, 180, 15)), 0);
}

TEST_F(TXLCGroupDrawTest, SinglePositionDrawsNoButton)
{
    EXPECT_TRUE(InkBounds(Render(Group(0, 0, 1, 1))).isEmpty());
}

}  // namespace
