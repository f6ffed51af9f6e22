#include "sheet/TXLCUrl.h"

#include "CellTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records what would have been opened instead of opening it.
class TXLCUrlTest : public TCellTest {
protected:
    void SetUp() override
    {
        TCellTest::SetUp();
        FSaved = TXLCUrl::OpenUrl;
        TXLCUrl::OpenUrl = [this](const QUrl& url) { opened.push_back(url); };
    }
    void TearDown() override { TXLCUrl::OpenUrl = FSaved; }

    std::vector<QUrl> opened;

private:
    std::function<void(const QUrl&)> FSaved;
};

TEST_F(TXLCUrlTest, DoubleClickOpensTheTextOrTheEditFormat)
{
    TXLCell* link = MakeCell<TXLCUrl>(1, 1);
    link->SetString(QStringLiteral("www.example.com/steam"));
    link->DblClick();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("http://www.example.com/steam")));

    link->SetFormat(QStringLiteral("|https://example.org/tables"));
    link->DblClick();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1], QUrl(QStringLiteral("https://example.org/tables")));
    EXPECT_EQ(link->GetText(), QStringLiteral("www.example.com/steam"));

    link->SetString(QStringLiteral("/tmp/report.txt"));
    link->SetFormat(QString());
    link->DblClick();
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[2], QUrl::fromLocalFile(QStringLiteral("/tmp/report.txt")));
}

TEST_F(TXLCUrlTest, BehavesAsTextOtherwise)
{
    TXLCell* link = MakeCell<TXLCUrl>(1, 1);
    link->SetValue(Variant(12));
    link->SetString(QStringLiteral("12"));
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(link->GetValue() == Variant(QStringLiteral("12")));
    QChar key = u' ';
    link->KeyPress(key);
    EXPECT_EQ(key, u' ');
    EXPECT_TRUE(opened.empty());
}

}  // namespace
