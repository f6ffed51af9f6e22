#include "sheet/TXLStyler.h"

#include "base/ERAVazoError.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLStyle.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(TXLStylerTest, AddFindsOrAppendsByAlias)
{
    TXLStyler styler;
    int changes = 0, modified = 0;
    styler.OnChange = [&changes, &styler](void* sender) {
        EXPECT_EQ(sender, &styler);
        ++changes;
    };
    styler.OnModified = [&modified](void*) { ++modified; };
    TXLStyle* a = styler.Add(QStringLiteral("A"));
    EXPECT_EQ(styler.Add(QStringLiteral("A")), a);
    TXLStyle* lower = styler.Add(QStringLiteral("a"));
    EXPECT_NE(lower, a);
    EXPECT_EQ(styler.GetStyleCount(), 2);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(modified, 1);
    EXPECT_TRUE(styler.GetModified());
    EXPECT_EQ(styler.FindStyle(QStringLiteral("a")), lower);
    EXPECT_EQ(styler.FindStyle(QStringLiteral("B")), nullptr);
    EXPECT_EQ(styler.GetStyleByIndex(1), lower);
    EXPECT_EQ(styler.GetStyleByIndex(2), nullptr);
    EXPECT_EQ(lower->GetIndex(), 1);
    EXPECT_EQ(lower->GetStyler(), &styler);
    styler.SetName(QStringLiteral("XLStyler1"));
    EXPECT_EQ(lower->GetNamePath(), QStringLiteral("XLStyler1.Styles[1]"));
}

TEST(TXLStylerTest, AliasesStayUnique)
{
    TXLStyler styler;
    TXLStyle* a = styler.Add(QStringLiteral("A"));
    TXLStyle* b = styler.Add(QStringLiteral("B"));
    int changes = 0;
    styler.OnChange = [&changes](void*) { ++changes; };
    b->SetAlias(QStringLiteral("B"));
    EXPECT_EQ(changes, 0);
    try {
        b->SetAlias(QStringLiteral("A"));
        FAIL() << "no error";
    } catch (const ERAVazoError& e) {
        EXPECT_STREQ(e.what(), "Style named \"A\" already exists!");
    }
    EXPECT_EQ(b->GetAlias(), QStringLiteral("B"));
    b->SetAlias(QStringLiteral("C"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(styler.GetStyleByAlias(QStringLiteral("C")), b);
    EXPECT_EQ(styler.GetStyleByAlias(QStringLiteral("A")), a);
    try {
        styler.GetStyleByAlias(QStringLiteral("B"));
        FAIL() << "no error";
    } catch (const ERAVazoError& e) {
        EXPECT_STREQ(e.what(), "Unknown style named \"B\"!");
    }
}

TEST(TXLStylerTest, ModifiedReportsOnlyChanges)
{
    TXLStyler styler;
    int modified = 0;
    styler.OnModified = [&modified](void*) { ++modified; };
    styler.SetModified(false);
    EXPECT_EQ(modified, 0);
    styler.Changed();
    styler.Changed();
    EXPECT_EQ(modified, 1);
    styler.SetModified(false);
    EXPECT_EQ(modified, 2);
}

TEST(TXLStylerTest, SwitchingStylersCarriesStylesByAlias)
{
    TXLStyler oldStyler, newStyler;
    TXLStyle* oldInput = oldStyler.Add(QStringLiteral("Input"));
    TXLStyle* oldGone = oldStyler.Add(QStringLiteral("Gone"));
    TXLStyle* newInput = newStyler.Add(QStringLiteral("Input"));
    newInput->SetColor(clYellow);
    oldInput->GetFont()->SetColor(clRed);

    TXLSheet sheet;
    sheet.SetStyler(&oldStyler);
    TXLCell* keeps = sheet.GetCell(1, 1);
    keeps->SetBasedOn(oldInput);
    keeps->SetHorzAlign(haRight);
    TXLCell* loses = sheet.GetCell(-1, 2);
    loses->SetBasedOn(oldGone);
    TXLCell* plain = sheet.GetCell(2, 1);
    int switches = 0;
    sheet.OnStylerChanged = [&switches](void*) { ++switches; };

    sheet.SetStyler(&newStyler);
    EXPECT_EQ(switches, 1);
    EXPECT_EQ(sheet.GetStyler(), &newStyler);
    EXPECT_EQ(oldStyler.GetSheetCount(), 0);
    ASSERT_EQ(newStyler.GetSheetCount(), 1);
    EXPECT_EQ(newStyler.GetSheet(0), &sheet);
    EXPECT_EQ(keeps->GetBasedOn(), newInput);
    EXPECT_EQ(keeps->GetColor(), clYellow);                 // from the new style
    EXPECT_EQ(keeps->GetHorzAlign(), haRight);              // its own
    EXPECT_EQ(keeps->GetFont()->GetColor(), clWindowText);  // the new style has no font
    EXPECT_EQ(loses->GetBasedOn(), nullptr);
    EXPECT_EQ(plain->GetBasedOn(), nullptr);

    sheet.SetStyler(&newStyler);
    EXPECT_EQ(switches, 1);
    // To none: every reference goes.
    sheet.SetStyler(nullptr);
    EXPECT_EQ(keeps->GetBasedOn(), nullptr);
    EXPECT_EQ(keeps->GetColor(), clWindow);
    EXPECT_EQ(switches, 2);
}

TEST(TXLStylerTest, DestroyingAStylerDetachesItsSheetsFirst)
{
    TXLSheet first, second;
    int switches = 0;
    {
        auto styler = std::make_unique<TXLStyler>();
        TXLStyle* style = styler->Add(QStringLiteral("s"));
        style->SetFrame(frBevelUp);
        first.SetStyler(styler.get());
        second.SetStyler(styler.get());
        first.GetCell(0, 0)->SetBasedOn(style);
        second.GetCell(0, 0)->SetBasedOn(style);
        ASSERT_EQ(first.GetCell(0, 0)->GetFrame(), frBevelUp);
        first.OnStylerChanged = second.OnStylerChanged = [&switches](void*) { ++switches; };
    }
    EXPECT_EQ(switches, 2);
    EXPECT_EQ(first.GetStyler(), nullptr);
    EXPECT_EQ(second.GetStyler(), nullptr);
    EXPECT_EQ(first.GetCell(0, 0)->GetBasedOn(), nullptr);
    EXPECT_EQ(first.GetCell(0, 0)->GetFrame(), frNone);
}

TEST(TXLStylerTest, ASheetGoingAwayLeavesItsStyler)
{
    TXLStyler styler;
    {
        TXLSheet sheet;
        sheet.SetStyler(&styler);
        sheet.GetCell(0, 0)->SetBasedOn(styler.Add(QStringLiteral("s")));
    }
    EXPECT_EQ(styler.GetSheetCount(), 0);
    // Changing the style reaches no dead sheet.
    styler.GetStyleByIndex(0)->SetColor(clRed);
}

}  // namespace
