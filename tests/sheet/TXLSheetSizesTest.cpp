#include "sheet/TXLSheet.h"

#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLFont.h"
#include "support/FakeSheetUser.h"
#include "support/QtTestEnvironment.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

#include <vector>

namespace {

class TXLSheetSizesTest : public testing::Test {
protected:
    std::vector<TUserEvent> SizeEvents() const { return user.Of(TUserCall::CellSizeChanged); }

    TXLSheet sheet;
    FakeSheetUser user{&sheet};
};

TEST_F(TXLSheetSizesTest, SettingASizeStoresItAndTellsTheUsersTheBandIndex)
{
    struct TRow {
        int Index;
        TXLAxis Axis;
        int Size, Stored;
        bool Body;
        int Band;
    };
    const TRow rows[] = {
        {0, sCols, 75, 75, true, 0},  {4, sRows, 30, 30, true, 4},    {-1, sCols, 20, 20, false, 0},
        {2, sCols, 0, 1, true, 2},    {-1, sRows, 0, 1, false, 0},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(testing::Message() << "index " << row.Index << " size " << row.Size);
        user.Clear();
        sheet.SetCellSize(row.Index, row.Axis, row.Size);
        EXPECT_EQ(sheet.GetCellSize(row.Index, row.Axis), row.Stored);
        EXPECT_EQ(sheet.GetIntCellSize(row.Index, row.Axis), row.Stored);
        ASSERT_EQ(SizeEvents().size(), 1u);
        EXPECT_EQ(SizeEvents()[0].Sector, row.Axis);
        EXPECT_EQ(SizeEvents()[0].Flag, row.Body);
        EXPECT_EQ(SizeEvents()[0].Pos, row.Band);
        // The same size again changes nothing.
        sheet.SetCellSize(row.Index, row.Axis, row.Size);
        EXPECT_EQ(SizeEvents().size(), 1u);
    }
}

TEST_F(TXLSheetSizesTest, IndicesOutsideTheirBandAreIgnoredAndReadAsDefaults)
{
    EXPECT_EQ(sheet.GetColDefWidth(), 60);
    EXPECT_EQ(sheet.GetRowDefHeight(), 15);
    EXPECT_EQ(sheet.GetColMaxWidth(), 0);
    EXPECT_EQ(sheet.GetRowMaxHeight(), 0);
    for (const int index : {5, 100, -2, -50}) {
        SCOPED_TRACE(index);
        sheet.SetCellSize(index, sCols, 90);
        sheet.SetInvCellSize(index, sCols, 33);
        sheet.SetCellVisible(index, sCols, false);
        EXPECT_EQ(sheet.GetCellSize(index, sCols), 60);
        EXPECT_EQ(sheet.GetInvCellSize(index, sCols), 0);
        EXPECT_TRUE(sheet.GetCellVisible(index, sCols));
    }
    EXPECT_TRUE(SizeEvents().empty());
    EXPECT_TRUE(sheet.GetSizeList(sCols, true).Empty());
    EXPECT_TRUE(sheet.GetHiddenList(sCols, false).Empty());
}

TEST_F(TXLSheetSizesTest, ANewDefaultDiscardsEveryIndividualSize)
{
    sheet.SetCellSize(1, sCols, 70);
    sheet.SetCellSize(-1, sCols, 20);
    user.Clear();
    sheet.SetDefCellSize(sCols, 80);
    EXPECT_EQ(sheet.GetColDefWidth(), 80);
    for (int i = -1; i < 5; ++i)
        EXPECT_EQ(sheet.GetCellSize(i, sCols), 80) << i;
    const auto events = user.Of(TUserCall::SheetSizeChanged);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].Sectors, TXLSectors{sCols});
    EXPECT_FALSE(events[0].Flag);  // the title band
    EXPECT_TRUE(events[1].Flag);
    // The same default over bands without individual sizes tells nobody.
    user.Clear();
    sheet.SetColDefWidth(80);
    EXPECT_EQ(user.CountOf(TUserCall::SheetSizeChanged), 0);
}

TEST_F(TXLSheetSizesTest, AMaximumBelowTheDefaultBecomesTheDefault)
{
    sheet.SetCellSize(2, sRows, 40);
    sheet.SetCellSize(3, sRows, 8);
    sheet.SetMaxCellSize(sRows, 10);
    EXPECT_EQ(sheet.GetRowMaxHeight(), 10);
    EXPECT_EQ(sheet.GetRowDefHeight(), 10);
    EXPECT_EQ(sheet.GetCellSize(2, sRows), 10);
    EXPECT_EQ(sheet.GetCellSize(3, sRows), 10);  // discarded, not kept
    EXPECT_TRUE(sheet.GetSizeList(sRows, true).Empty());
}

TEST_F(TXLSheetSizesTest, AMaximumCapsStoredAndLaterSizes)
{
    sheet.SetCellSize(0, sCols, 150);
    sheet.SetCellSize(-1, sCols, 120);
    sheet.SetCellSize(3, sCols, 90);
    sheet.SetCellSize(4, sCols, 140);
    sheet.SetCellVisible(4, sCols, false);
    sheet.SetColMaxWidth(100);
    EXPECT_EQ(sheet.GetColDefWidth(), 60);
    EXPECT_EQ(sheet.GetCellSize(0, sCols), 100);
    EXPECT_EQ(sheet.GetCellSize(-1, sCols), 100);
    EXPECT_EQ(sheet.GetCellSize(3, sCols), 90);
    // A hidden column keeps hiding; only its remembered size is capped.
    EXPECT_FALSE(sheet.GetCellVisible(4, sCols));
    EXPECT_EQ(sheet.GetCellSize(4, sCols), 100);
    EXPECT_EQ(sheet.GetIntCellSize(4, sCols), 0);

    sheet.SetCellSize(1, sCols, 150);
    EXPECT_EQ(sheet.GetCellSize(1, sCols), 100);
    // No maximum any more: sizes above it are stored as given.
    sheet.SetColMaxWidth(0);
    sheet.SetCellSize(1, sCols, 150);
    EXPECT_EQ(sheet.GetCellSize(1, sCols), 150);
}

TEST_F(TXLSheetSizesTest, HidingRemembersTheSizeAndShowingRestoresIt)
{
    sheet.SetCellSize(2, sCols, 75);
    user.Clear();
    sheet.SetCellVisible(2, sCols, false);
    EXPECT_FALSE(sheet.GetCellVisible(2, sCols));
    EXPECT_EQ(sheet.GetIntCellSize(2, sCols), 0);
    EXPECT_EQ(sheet.GetCellSize(2, sCols), 75);
    EXPECT_EQ(sheet.GetInvCellSize(2, sCols), 75);
    ASSERT_EQ(SizeEvents().size(), 1u);
    EXPECT_EQ(SizeEvents()[0].Pos, 2);

    // Hiding again does nothing; a size set while hidden is only remembered.
    sheet.SetCellVisible(2, sCols, false);
    sheet.SetCellSize(2, sCols, 80);
    EXPECT_EQ(SizeEvents().size(), 1u);
    EXPECT_EQ(sheet.GetIntCellSize(2, sCols), 0);
    EXPECT_EQ(sheet.GetCellSize(2, sCols), 80);

    sheet.SetCellVisible(2, sCols, true);
    EXPECT_TRUE(sheet.GetCellVisible(2, sCols));
    EXPECT_EQ(sheet.GetIntCellSize(2, sCols), 80);
    EXPECT_EQ(sheet.GetInvCellSize(2, sCols), 0);
    EXPECT_EQ(SizeEvents().size(), 2u);
}

TEST_F(TXLSheetSizesTest, HiddenEntriesKeepTheirSizesWhenColumnsAndRowsShift)
{
    sheet.SetCellSize(2, sCols, 75);
    sheet.SetCellVisible(2, sCols, false);
    sheet.SetCellSize(-1, sRows, 25);
    sheet.SetCellVisible(-1, sRows, false);

    sheet.ModifyCols(0, 2);
    EXPECT_TRUE(sheet.GetCellVisible(2, sCols));
    EXPECT_FALSE(sheet.GetCellVisible(4, sCols));
    EXPECT_EQ(sheet.GetCellSize(4, sCols), 75);
    EXPECT_EQ(sheet.GetIntCellSize(4, sCols), 0);
    EXPECT_EQ(sheet.GetHiddenList(sCols, true).Count(), 7);

    sheet.ModifyCols(1, -2);
    EXPECT_FALSE(sheet.GetCellVisible(2, sCols));
    EXPECT_EQ(sheet.GetCellSize(2, sCols), 75);
    // Deleting the hidden column itself takes its remembered size along.
    sheet.ModifyCols(2, -1);
    for (int i = 0; i < sheet.GetColCount(); ++i)
        EXPECT_TRUE(sheet.GetCellVisible(i, sCols)) << i;

    // A title row inserted at -1 goes to the outer side of the band.
    sheet.ModifyRows(-1, 1);
    EXPECT_EQ(sheet.GetTitleRows(), 2);
    EXPECT_TRUE(sheet.GetCellVisible(-2, sRows));
    EXPECT_FALSE(sheet.GetCellVisible(-1, sRows));
    EXPECT_EQ(sheet.GetCellSize(-1, sRows), 25);
    // Shrinking the band drops the hidden row lying beyond the new count.
    sheet.SetTitleRows(1);
    EXPECT_TRUE(sheet.GetCellVisible(-1, sRows));
    EXPECT_TRUE(sheet.GetHiddenList(sRows, false).Empty());
}

TEST_F(TXLSheetSizesTest, OnSizingAdjustsEveryVisibleSizeBeforeTheMaximum)
{
    std::vector<int> indices;
    sheet.OnSizing = [&](void* sender, TXLAxis axis, int index, int& value) {
        EXPECT_EQ(sender, &sheet);
        EXPECT_EQ(axis, sCols);
        indices.push_back(index);
        value = 40;
    };
    sheet.SetCellSize(1, sCols, 90);
    sheet.SetCellSize(-1, sCols, 10);
    EXPECT_EQ(sheet.GetCellSize(1, sCols), 40);
    EXPECT_EQ(sheet.GetCellSize(-1, sCols), 40);
    // Body entries get their body index, title entries their coordinate.
    EXPECT_EQ(indices, (std::vector<int>{1, -1}));

    sheet.SetColMaxWidth(30);  // below the default: becomes the default
    sheet.SetColMaxWidth(35);
    sheet.SetCellSize(3, sCols, 90);
    EXPECT_EQ(sheet.GetCellSize(3, sCols), 35);
}

TEST_F(TXLSheetSizesTest, OnSizingCanVetoAChange)
{
    sheet.SetCellSize(1, sRows, 20);
    user.Clear();
    sheet.OnSizing = [this](void*, TXLAxis axis, int index, int& value) {
        value = sheet.GetIntCellSize(index, axis);
    };
    sheet.SetCellSize(1, sRows, 50);
    sheet.SetCellVisible(1, sRows, false);
    EXPECT_EQ(sheet.GetIntCellSize(1, sRows), 20);
    EXPECT_TRUE(SizeEvents().empty());
}

TEST_F(TXLSheetSizesTest, TheBackgroundIsCopiedAndRepaintsTheBody)
{
    FakeSheetUser second(&sheet);
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    TXLPicture picture;
    picture.SetImage(image);
    sheet.SetBackground(picture);
    EXPECT_EQ(sheet.GetBackground().GetWidth(), 4);
    picture.Clear();
    EXPECT_FALSE(sheet.GetBackground().IsEmpty());
    for (const FakeSheetUser* u : {&user, &second}) {
        const auto events = u->Of(TUserCall::InvalidateSector);
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0].Sector, sClient);
    }
    sheet.GetBackground().Clear();
    EXPECT_EQ(user.CountOf(TUserCall::InvalidateSector), 2);
}

// Fitting measures text with the platform's font metrics.
class TXLSheetFitTest : public TXLSheetSizesTest {
protected:
    void SetUp() override
    {
        ClientFont().SetName(QStringLiteral("DejaVu Sans"));
        ClientFont().SetHeight(-13);
        TitleFont().SetName(QStringLiteral("Liberation Sans"));
        TitleFont().SetHeight(-20);
    }
    TXLFont& ClientFont() { return *sheet.GetBaseClientStyle()->GetFont(); }
    TXLFont& TitleFont() { return *sheet.GetBaseTitleStyle()->GetFont(); }
    static int TextWidth(const TXLFont& font, const QString& text)
    {
        return QFontMetrics(font.ToQFont()).horizontalAdvance(text);
    }
    static int TextHeight(const TXLFont& font) { return QFontMetrics(font.ToQFont()).height(); }
};

TEST_F(TXLSheetFitTest, AColumnFitsItsWidestTextPlusIndentAndMargin)
{
    const QString narrow = QStringLiteral("iii");
    const QString wide = QStringLiteral("Давление, МПа");
    sheet.SetString(1, 0, narrow);
    sheet.SetString(1, 3, wide);
    sheet.GetCell(1, 3)->SetIndent(4);
    const int expected = TextWidth(ClientFont(), wide) + 2 * 4 + 2;
    ASSERT_GT(expected, TextWidth(ClientFont(), narrow) + 2);
    EXPECT_EQ(sheet.CalcColWidth(1), expected);
    sheet.SetCellSize(1, sCols, -1);
    EXPECT_EQ(sheet.GetCellSize(1, sCols), expected);
    // An empty column (a cell without text counts as empty) gets the default.
    sheet.GetCell(2, 2);
    EXPECT_EQ(sheet.CalcColWidth(2), 60);
    sheet.SetCellSize(2, sCols, -1);
    EXPECT_EQ(sheet.GetCellSize(2, sCols), 60);
}

TEST_F(TXLSheetFitTest, TitleCellsAreMeasuredWithTheTitleFontAndOwnFontsWin)
{
    const QString heading = QStringLiteral("Heading");
    const QString body = QStringLiteral("Body text that is long");
    sheet.SetString(0, -1, heading);
    sheet.SetString(0, 2, body);
    ASSERT_NE(TextWidth(TitleFont(), heading), TextWidth(ClientFont(), heading));
    const int bodyWidth = TextWidth(ClientFont(), body) + 2;
    const int headingWidth = TextWidth(TitleFont(), heading) + 2;
    EXPECT_EQ(sheet.CalcColWidth(0), std::max(bodyWidth, headingWidth));

    TXLFont own;
    own.SetName(QStringLiteral("DejaVu Sans"));
    own.SetHeight(-30);
    sheet.GetCell(0, 2)->SetFont(own);
    EXPECT_EQ(sheet.CalcColWidth(0), std::max(TextWidth(own, body) + 2, headingWidth));
    EXPECT_EQ(sheet.CalcRowHeight(2), TextHeight(own) + 2);
    EXPECT_EQ(sheet.CalcRowHeight(-1), TextHeight(TitleFont()) + 2);
    EXPECT_EQ(sheet.CalcRowHeight(4), 15);
}

TEST_F(TXLSheetFitTest, MergedAreasAndHiddenLinesAreLeftOut)
{
    const QString wide = QStringLiteral("a rather wide text in a merged area");
    const QString small = QStringLiteral("xy");
    sheet.SetString(0, 0, wide);
    sheet.GetCell(0, 0)->SetBounds(Rect(0, 0, 2, 1));  // two columns wide
    sheet.SetString(0, 1, small);
    const int smallWidth = TextWidth(ClientFont(), small) + 2;
    EXPECT_EQ(sheet.CalcColWidth(0), smallWidth);
    // One row high: it still counts for the row's height.
    EXPECT_EQ(sheet.CalcRowHeight(0), TextHeight(ClientFont()) + 2);

    const QString hiddenText = QStringLiteral("text in a hidden row, very wide");
    sheet.SetString(0, 3, hiddenText);
    sheet.SetCellVisible(3, sRows, false);
    EXPECT_EQ(sheet.CalcColWidth(0), smallWidth);
    sheet.SetCellVisible(3, sRows, true);
    EXPECT_EQ(sheet.CalcColWidth(0), TextWidth(ClientFont(), hiddenText) + 2);

    sheet.SetCellVisible(0, sCols, false);
    EXPECT_EQ(sheet.CalcRowHeight(1), 15);
    const QSize both = sheet.CheckRectSize(Rect(0, 0, 2, 5), ClientFont(), sRows);
    EXPECT_EQ(both.width(), 0);
    EXPECT_EQ(both.height(), 0);
}

TEST_F(TXLSheetFitTest, FittingRespectsTheMaximum)
{
    sheet.SetString(3, 1, QStringLiteral("a text wider than forty pixels for sure"));
    sheet.SetColMaxWidth(70);
    ASSERT_GT(sheet.CalcColWidth(3), 70);
    sheet.SetCellSize(3, sCols, -1);
    EXPECT_EQ(sheet.GetCellSize(3, sCols), 70);
}

}  // namespace
