#include "sheet/TXLCell.h"

#include "base/MaskText.h"
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCString.h"
#include "sheet/TXLFont.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLStyler.h"
#include "support/FakeSheetUser.h"

#include <gtest/gtest.h>

namespace {

// Records its hooks, to see them run at the right moments.
class THookedCell : public TXLCString {
public:
    static const TXLCellClass* StaticClass()
    {
        static const TXLCellClass c{QStringLiteral("THookedCell"), &XLMakeCell<THookedCell>,
                                    TXLCString::StaticClass()};
        return &c;
    }
    const TXLCellClass* ClassType() const override { return StaticClass(); }
    void Init() override
    {
        Log().push_back("init " + std::to_string(GetCol()) + "," + std::to_string(GetRow()->GetIndex()));
    }
    void Done() override { Log().push_back("done " + GetString().toStdString()); }
    static std::vector<std::string>& Log()
    {
        static std::vector<std::string> log;
        return log;
    }
};

TEST(TXLCellTest, HooksRunWhenTheCellIsPlacedAndWhenItGoes)
{
    THookedCell::Log().clear();
    {
        TXLSheet sheet;
        sheet.SetCellClass(2, 3, THookedCell::StaticClass());
        sheet.SetString(2, 3, QStringLiteral("a"));
        sheet.SetCellClass(1, 1, THookedCell::StaticClass());
        sheet.SetString(1, 1, QStringLiteral("b"));
        sheet.SetCell(2, 3, nullptr);
    }
    EXPECT_EQ(THookedCell::Log(), (std::vector<std::string>{"init 2,3", "init 1,1", "done a", "done b"}));
}

TEST(TXLCellTest, DestroyingAnExistingCellRepaintsItsPlace)
{
    TXLSheet sheet;
    TXLCell* cell = sheet.GetCell(1, 1);
    cell->IncludeState(csEditing);
    FakeSheetUser user(&sheet);
    sheet.SetCell(1, 1, nullptr);
    ASSERT_EQ(user.CountOf(TUserCall::CloseEditor), 1);
    EXPECT_EQ(user.Events[0].Call, TUserCall::CloseEditor);
    ASSERT_EQ(user.CountOf(TUserCall::InvalidateArea), 1);
    EXPECT_EQ(user.Of(TUserCall::InvalidateArea)[0].Rect, Rect(1, 1, 2, 2));
}

TEST(TXLCellTest, FormattingChangesCloseAnOpenEditor)
{
    TXLSheet sheet;
    FakeSheetUser user(&sheet);
    TXLCell* cell = sheet.GetCell(0, 0);
    cell->IncludeState(csEditing);
    EXPECT_TRUE(cell->GetEditing());
    cell->SetString(QStringLiteral("v"));
    cell->SetColor(clRed);
    EXPECT_EQ(user.CountOf(TUserCall::CloseEditor), 0);
    cell->SetHorzAlign(haRight);
    cell->GetFont()->SetColor(clRed);
    cell->SetFormat(QStringLiteral("x"));
    EXPECT_EQ(user.CountOf(TUserCall::CloseEditor), 3);
    cell->ExcludeState(csEditing);
}

// Format, style reference and display text share storage that is made
// and freed as they are set and cleared: each keeps its own value through
// the others' changes.
TEST(TXLCellTest, FormatStyleAndDisplayTextKeepTheirValues)
{
    TXLStyler styler;
    TXLSheet sheet;
    sheet.SetStyler(&styler);
    TXLStyle* style = styler.Add(QStringLiteral("s"));
    TXLCell* cell = sheet.GetCell(1, 1);
    cell->SetString(QStringLiteral("12345"));
    EXPECT_EQ(cell->GetText(), QStringLiteral("12345"));

    cell->SetFormat(QStringLiteral("00-000"));
    cell->SetBasedOn(style);
    const QString masked = FormatMaskText(QStringLiteral("00-000"), QStringLiteral("12345"));
    ASSERT_NE(masked, QStringLiteral("12345"));
    EXPECT_EQ(cell->GetText(), masked);
    cell->SetFormat(QString());
    EXPECT_EQ(cell->GetBasedOn(), style);
    EXPECT_EQ(cell->GetFormat(), QString());
    EXPECT_EQ(cell->GetText(), QStringLiteral("12345"));
    cell->SetFormat(QStringLiteral("0-0000"));
    // Dropping the style returns the formatting to the base style's.
    cell->SetBasedOn(nullptr);
    EXPECT_EQ(cell->GetBasedOn(), nullptr);
    EXPECT_EQ(cell->GetFormat(), QString());
    EXPECT_EQ(cell->GetText(), QStringLiteral("12345"));
    cell->SetFormat(QStringLiteral("0-0000"));
    EXPECT_EQ(cell->GetFormat(), QStringLiteral("0-0000"));
    EXPECT_EQ(cell->GetText(), FormatMaskText(QStringLiteral("0-0000"), QStringLiteral("12345")));
    cell->SetString(QStringLiteral("67890"));
    EXPECT_EQ(cell->GetText(), FormatMaskText(QStringLiteral("0-0000"), QStringLiteral("67890")));

    // A text with spare room is kept as an equal text; empty stays empty.
    QString grown = QStringLiteral("ab");
    grown.reserve(100);
    grown += QStringLiteral("cd");
    cell->SetFormat(QString());
    cell->SetString(grown);
    EXPECT_EQ(cell->GetString(), QStringLiteral("abcd"));
    EXPECT_EQ(cell->GetText(), QStringLiteral("abcd"));
    QString empty;
    empty.reserve(10);
    cell->SetString(empty);
    EXPECT_TRUE(cell->GetString().isEmpty());
    EXPECT_EQ(cell->GetText(), QString());
}

TEST(TXLCellTest, FontIsMadeFromTheHolderAndItsChangesAreLocal)
{
    TXLSheet sheet;
    sheet.GetBaseClientStyle()->GetFont()->SetHeight(-14);
    sheet.SetModified(false);
    TXLCell* cell = sheet.GetCell(0, 0);
    EXPECT_FALSE(cell->HasFont());
    EXPECT_EQ(cell->GetFont()->GetHeight(), -14);
    EXPECT_FALSE(cell->GetProps().Contains(prFont));
    EXPECT_FALSE(sheet.GetModified());
    cell->GetFont()->SetColor(clRed);
    EXPECT_TRUE(cell->GetProps().Contains(prFont));
    EXPECT_TRUE(sheet.GetModified());
    TXLFont copy = *cell->GetFont();
    copy.SetColor(clBlue);
    EXPECT_EQ(cell->GetFont()->GetColor(), clRed);
    cell->SetFont(copy);
    EXPECT_EQ(cell->GetFont()->GetColor(), clBlue);
}

class TXLHintTest : public testing::Test {
protected:
    TXLSheet sheet;
    TXLSection* Client() { return sheet.GetSection(sClient); }
};

TEST_F(TXLHintTest, HintsAreStoredPerCell)
{
    TXLCell* cell = sheet.GetCell(1, 2);
    EXPECT_EQ(cell->GetHint(), QString());
    cell->SetHint(QStringLiteral("note"));
    EXPECT_EQ(cell->GetHint(), QStringLiteral("note"));
    EXPECT_TRUE(cell->GetProps().Contains(prHint));
    EXPECT_EQ(Client()->GetCellHint({1, 2}), QStringLiteral("note"));
    EXPECT_EQ(Client()->GetHintCount(), 1);
    cell->SetHint(QString());
    EXPECT_FALSE(cell->GetProps().Contains(prHint));
    EXPECT_EQ(Client()->GetHintCount(), 0);
    cell->SetHint(QStringLiteral("again"));
    sheet.SetCell(1, 2, nullptr);
    EXPECT_EQ(Client()->GetHintCount(), 0);
    EXPECT_EQ(Client()->GetCellHint({1, 2}), QString());
}

TEST_F(TXLHintTest, TheSetHandlerSeesAndMayChangeTheText)
{
    std::vector<TPoint> where;
    sheet.OnSetCellHint = [&where](TXLSheet*, TPoint p, QString& text) {
        where.push_back(p);
        text = text.toUpper();
    };
    sheet.GetCell(-1, 0)->SetHint(QStringLiteral("row"));
    EXPECT_EQ(sheet.GetCell(-1, 0)->GetHint(), QStringLiteral("ROW"));
    ASSERT_EQ(where.size(), 1u);
    EXPECT_EQ(where[0], (TPoint{0, 0}));  // sector coordinates
}

TEST_F(TXLHintTest, ExternalHintsComeFromTheSheetsHandlers)
{
    TXLCell* cell = sheet.GetCell(2, 2);
    cell->SetStyles({csExtHint});
    cell->SetHint(QStringLiteral("kept out"));
    EXPECT_FALSE(cell->GetProps().Contains(prHint));
    EXPECT_EQ(cell->GetHint(), QString());
    EXPECT_EQ(Client()->GetCellHint({2, 2}), QString());
    sheet.OnGetCellHint = [](TXLSheet*, TPoint p, QString& text) { text = QStringLiteral("ext %1").arg(p.X); };
    EXPECT_EQ(Client()->GetCellHint({2, 2}), QStringLiteral("ext 2"));
    // A position without a cell asks too.
    sheet.SetCell(2, 2, nullptr);
    EXPECT_EQ(Client()->GetCellHint({2, 2}), QStringLiteral("ext 2"));
    EXPECT_EQ(Client()->GetCellHint({3, 3}), QString());
}

TEST_F(TXLHintTest, HintsCopyBetweenCells)
{
    TXLCell* from = sheet.GetCell(0, 0);
    from->SetHint(QStringLiteral("h"));
    TXLCell* to = sheet.GetCell(1, 0);
    to->AssignProperty(*from, prHint, 0);
    EXPECT_EQ(to->GetHint(), QStringLiteral("h"));
}

TEST(TXLFontTest, DefaultsAndChangeNotification)
{
    TXLFont font;
    EXPECT_EQ(font.GetName(), QStringLiteral("Arial"));
    EXPECT_EQ(font.GetHeight(), -11);
    EXPECT_EQ(font.GetSize(), 8);
    EXPECT_EQ(font.GetCharset(), DEFAULT_CHARSET);
    EXPECT_EQ(font.GetColor(), clWindowText);
    EXPECT_TRUE(font.GetStyle().Empty());
    int changes = 0;
    font.OnChange = [&changes] { ++changes; };
    font.SetName(QStringLiteral("Arial"));
    font.SetColor(clWindowText);
    EXPECT_EQ(changes, 0);
    font.SetSize(12);
    EXPECT_EQ(font.GetHeight(), -16);
    font.SetStyle({fsBold});
    font.SetCharset(204);
    EXPECT_EQ(changes, 3);
    TXLFont other;
    other.SetName(QStringLiteral("Tahoma"));
    other.SetColor(clRed);
    font.Assign(other);
    EXPECT_EQ(changes, 4);
    EXPECT_TRUE(font.SameValue(other));
    font.Assign(other);
    EXPECT_EQ(changes, 4);
    const TXLFont copy(font);
    EXPECT_FALSE(copy.OnChange);
}

TEST(TXLFontTest, ConvertsToAPlatformFont)
{
    TXLFont font;
    font.SetStyle({fsBold, fsStrikeOut});
    font.SetHeight(-13);
    const QFont q = font.ToQFont();
    EXPECT_EQ(q.family(), QStringLiteral("Arial"));
    EXPECT_EQ(q.pixelSize(), 13);
    EXPECT_TRUE(q.bold());
    EXPECT_FALSE(q.italic());
    EXPECT_TRUE(q.strikeOut());
}

}  // namespace
