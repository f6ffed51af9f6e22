// Page layout of a sheet on the no-printer page (600 dpi, 4676 x 6744 dots,
// a 96-dpi screen: 6.25 dots per screen pixel), the page numbering of
// printing, and printing a range that must give the sheet its settings back.
#include "base/ERAVazoError.h"
#include "sheet/IXLPrintEngine.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLPrintLayout.h"
#include "sheet/TXLRange.h"
#include "sheet/TXLSheet.h"

#include <QPainter>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {

// Records what a print does instead of printing; can fail on a page.
class TRecordingEngine : public IXLPrintEngine {
public:
    struct TLog {
        std::vector<QString> Docs;
        int NewPages = 0;
        int EndDocs = 0;
        std::vector<std::pair<int, int>> Pages;
        bool Fail = false;
    };
    explicit TRecordingEngine(TLog& log) : FLog(log) {}
    QPainter* BeginDoc(const QString& title) override
    {
        FLog.Docs.push_back(title);
        return &FPainter;
    }
    void NewPage() override { ++FLog.NewPages; }
    void EndDoc() override { ++FLog.EndDocs; }
    void PaintPage(TXLSheet&, const TXLPrintLayout&, int colPage, int rowPage, QPainter&) override
    {
        if (FLog.Fail)
            throw std::runtime_error("paper jam");
        FLog.Pages.emplace_back(colPage, rowPage);
    }

private:
    TLog& FLog;
    QPainter FPainter;
};

class TXLSheetPrintTest : public testing::Test {
protected:
    void SetUp() override
    {
        XLManager().SetPrinterMetrics(nullptr);
        XLManager().SetPrintEngine(std::make_unique<TRecordingEngine>(Log));
        Sheet.SetTitleSize(sCols, 0);
        Sheet.SetTitleSize(sRows, 0);
    }
    void TearDown() override { XLManager().SetPrintEngine(nullptr); }

    TRecordingEngine::TLog Log;
    TXLSheet Sheet;
};

TEST_F(TXLSheetPrintTest, NoPrinterPageAndMargins)
{
    EXPECT_EQ(Sheet.GetPrintRect(), Rect(0, 0, 748, 1079));
    Sheet.SetPrintMarginLeft(96);
    Sheet.SetPrintMarginTop(48);
    Sheet.SetPrintMarginRight(10);
    Sheet.SetPrintMarginBottom(1);
    // Margins are screen pixels turned into printer dots and back.
    EXPECT_EQ(Sheet.GetPrintRect(), Rect(600, 300, 748 - 62, 1079 - 6));
    TXLPrintLayout layout;
    Sheet.CalcPrintLayout(layout);
    EXPECT_EQ(layout.PageRect, Rect(3750, 1875, 686 * 625 / 100, 1073 * 625 / 100));
}

TEST_F(TXLSheetPrintTest, BreaksAtScales)
{
    Sheet.SetColCount(30);
    Sheet.SetRowCount(200);
    // Rows of 15 px and columns of 60 px on a 4675 x 6743-dot page.
    const struct {
        int Scale;
        std::vector<int> Cols;
        std::vector<int> Rows;
    } cases[] = {
        {50, {25, 30}, {146, 200}},
        {100, {12, 24, 30}, {72, 144, 200}},
        {200, {6, 12, 18, 24, 30}, {36, 72, 108, 144, 180, 200}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Scale);
        Sheet.SetPrintScale(static_cast<TXLScale>(c.Scale));
        std::vector<int> cols;
        std::vector<int> rows;
        Sheet.CalcPrintLayout(cols, rows);
        EXPECT_EQ(cols, c.Cols);
        EXPECT_EQ(rows, c.Rows);
        EXPECT_EQ(Sheet.GetPrintPageCount(), static_cast<int>(c.Cols.size() * c.Rows.size()));
    }
}

TEST_F(TXLSheetPrintTest, TitlesRepeatAndTakeTheirSpace)
{
    Sheet.SetTitleSize(sRows, 1);
    Sheet.SetRowCount(200);
    std::vector<int> cols;
    std::vector<int> rows;
    Sheet.CalcPrintLayout(cols, rows);
    // One 93-dot title row on every page leaves room for 71 body rows.
    EXPECT_EQ(rows, (std::vector<int>{71, 142, 200}));
}

TEST_F(TXLSheetPrintTest, HiddenAndOversizedLines)
{
    Sheet.SetRowCount(10);
    Sheet.SetCellVisible(3, sRows, false);
    Sheet.SetCellSize(5, sRows, 2000); // taller than a page
    TXLPrintLayout layout;
    Sheet.CalcPrintLayout(layout);
    EXPECT_EQ(layout.Sizes[sRows][1].GetInt(3), 0);
    // The tall row gets a page of its own, never an empty one before it.
    EXPECT_EQ(layout.RowBreaks, (std::vector<int>{5, 6, 10}));

    Sheet.SetPrintHidden(true);
    Sheet.CalcPrintLayout(layout);
    EXPECT_EQ(layout.Sizes[sRows][1].GetInt(3), 93);
}

TEST_F(TXLSheetPrintTest, EmptySheetAndTinyPage)
{
    Sheet.SetColCount(0);
    Sheet.SetRowCount(0);
    EXPECT_EQ(Sheet.GetPrintPageCount(), 1);
    // Margins larger than the page: one line per page, still finite.
    Sheet.SetColCount(3);
    Sheet.SetRowCount(4);
    Sheet.SetPrintMarginTop(5000);
    std::vector<int> cols;
    std::vector<int> rows;
    Sheet.CalcPrintLayout(cols, rows);
    EXPECT_EQ(rows, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(TXLSheetPrintTest, PrintAreaClipsBodyAndTitles)
{
    Sheet.SetTitleSize(sCols, 1);
    Sheet.SetTitleSize(sRows, 1);
    Sheet.SetColCount(8);
    Sheet.SetRowCount(5);
    const struct {
        TXLAxes Titles;
        TRect Area;
        int TitleWidth;
        int TitleHeight;
    } cases[] = {
        {TXLAxes{sCols, sRows}, Rect(2, 0, 5, 5), 375, 93},
        {TXLAxes{sRows}, Rect(2, 0, 5, 5), 0, 93},
        {TXLAxes{}, Rect(2, 0, 5, 5), 0, 0},
        // Reaching into the title column keeps it, but not the title row.
        {TXLAxes{}, Rect(-1, 0, 5, 5), 375, 0},
        {TXLAxes{sCols, sRows}, Rect(2, -1, 5, 5), 0, 93},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Area.Left * 10 + static_cast<int>(c.Titles.Contains(sCols)));
        auto settings = Sheet.GetPrintJobSettings();
        settings.Titles = c.Titles;
        settings.Area = c.Area;
        Sheet.SetPrintJobSettings(settings);
        TXLPrintLayout layout;
        Sheet.CalcPrintLayout(layout);
        const TXLSizeList& body = layout.Sizes[sCols][1];
        for (int col = 0; col < 8; ++col)
            EXPECT_EQ(body.GetInt(col), col >= std::max(c.Area.Left, 0) && col < 5 ? 375 : 0) << col;
        EXPECT_EQ(layout.Sizes[sCols][0].SummTo(1), c.TitleWidth);
        EXPECT_EQ(layout.Sizes[sRows][0].SummTo(1), c.TitleHeight);
        EXPECT_EQ(layout.PageCount(), 1);
    }
}

TEST_F(TXLSheetPrintTest, PagesAreNumberedDownFirst)
{
    Sheet.SetColCount(20);  // two column pages
    Sheet.SetRowCount(200); // three row pages
    Sheet.SetTitle(QStringLiteral("Лист"));
    Sheet.PrintPages(3, 3);
    ASSERT_EQ(Log.Pages.size(), 1u);
    EXPECT_EQ(Log.Pages[0], std::make_pair(0, 2));
    EXPECT_EQ(Log.Docs, std::vector<QString>{QStringLiteral("Лист")});
    EXPECT_EQ(Log.NewPages, 0);

    Log = {};
    Sheet.Print();
    EXPECT_EQ(Log.Pages.size(), 6u);
    EXPECT_EQ(Log.Pages[3], std::make_pair(1, 0));
    EXPECT_EQ(Log.NewPages, 5);
    EXPECT_EQ(Log.EndDocs, 1);

    // Onto a caller's canvas: no document, no new pages.
    Log = {};
    QPainter painter;
    Sheet.PaintPrintPage(4, &painter);
    EXPECT_EQ(Log.Pages, (std::vector<std::pair<int, int>>{{1, 0}}));
    EXPECT_TRUE(Log.Docs.empty());
    EXPECT_THROW(Sheet.PaintPrintPage(1, nullptr), ERAVazoError);
}

TEST_F(TXLSheetPrintTest, FailedPrintEndsDocumentAndRangeRestoresSettings)
{
    Sheet.SetColCount(10);
    Sheet.SetRowCount(10);
    Sheet.SetPrintScale(150);
    Sheet.SetPrintTitles(TXLAxes{sRows});
    Sheet.SetTitle(QStringLiteral("До"));
    auto area = Sheet.GetPrintJobSettings();
    area.Area = Rect(1, 1, 3, 3);
    Sheet.SetPrintJobSettings(area);
    const auto before = Sheet.GetPrintJobSettings();

    TXLRange range(&Sheet, Rect(2, 2, 4, 6));
    range.Print(QStringLiteral("Диапазон"), TXLAxes{sCols});
    EXPECT_EQ(Log.Docs, std::vector<QString>{QStringLiteral("Диапазон")});
    EXPECT_EQ(Log.Pages.size(), 1u);

    Log.Fail = true;
    EXPECT_THROW(range.Print(QStringLiteral("Сбой"), TXLAxes{}), std::runtime_error);
    EXPECT_EQ(Log.EndDocs, 2);
    const auto after = Sheet.GetPrintJobSettings();
    EXPECT_EQ(after.Area, before.Area);
    EXPECT_EQ(after.Titles, before.Titles);
    EXPECT_EQ(after.Mode, pmCustom);
    EXPECT_EQ(after.Scale, 150);
    EXPECT_EQ(after.Title, QStringLiteral("До"));
}

TEST(TXLSheetPrintNoEngineTest, PrintingWithoutEngineRaises)
{
    XLManager().SetPrintEngine(nullptr);
    TXLSheet sheet;
    EXPECT_GE(sheet.GetPrintPageCount(), 1);
    EXPECT_THROW(sheet.Print(), ERAVazoError);
}

}  // namespace
