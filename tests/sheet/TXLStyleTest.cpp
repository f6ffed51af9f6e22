#include "sheet/TXLStyle.h"

#include "base/ERAVazoError.h"
#include "sheet/TXLBaseStyle.h"
#include "sheet/TXLCString.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLSection.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLStyler.h"
#include "support/FakeSheetUser.h"

#include <gtest/gtest.h>

namespace {

TEST(XLPackedTest, BordersPackIntoOneWord)
{
    struct TRow {
        TXLSideBorder Border;
        uint32_t Packed;
    };
    const TRow rows[] = {
        {{slNone, clRed}, 0},
        {{slSingle, clNone}, 0},
        {{slSingle, clBlack}, 0x20000000},
        {{slSingle, clRed}, 0x200000FF},
        {{slMedium, 0x123456}, 0x40123456},
        {{slDouble, clBtnFace}, 0xE000000F},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.Border.Line << " " << std::hex << row.Border.Color);
        EXPECT_EQ(PackBorder(row.Border), row.Packed);
        const TXLSideBorder back = UnpackBorder(row.Packed);
        if (row.Packed == 0)
            EXPECT_EQ(back, (TXLSideBorder{slNone, clNone}));
        else
            EXPECT_EQ(back, row.Border);
    }
}

TEST(XLPackedTest, LayoutsPackIntoOneWord)
{
    const TXLLayout layout{haCenter, vaBottom, 7, wmWrapWords};
    EXPECT_EQ(PackLayout(layout), 0x02120007u);
    EXPECT_EQ(UnpackLayout(0x02120007u), layout);
    EXPECT_EQ(PackLayout({}), 0u);
    const TXLLayout wide{haRight, vaCenter, 65535, wmEllipsis};
    EXPECT_EQ(UnpackLayout(PackLayout(wide)), wide);
}

TEST(TXLProStyleTest, ANamedStyleStartsEmptyWithTheFirstClass)
{
    TXLStyler styler;
    TXLStyle* style = styler.Add(QStringLiteral("a"));
    EXPECT_EQ(style->GetCellClass(), XLManager().GetCellClass(0));
    EXPECT_EQ(style->GetFormat(), QString());
    EXPECT_TRUE(style->IsStyle());
    EXPECT_TRUE(style->GetProps().Empty());
    EXPECT_EQ(style->GetBasedOn(), nullptr);
    style->SetBasedOn(style);
    EXPECT_EQ(style->GetBasedOn(), nullptr);
    EXPECT_EQ(style->FindProperty(prColor), nullptr);
}

TEST(TXLProStyleTest, StyleSettersAlwaysNotifyAndMarkLocal)
{
    TXLStyler styler;
    int changes = 0;
    styler.OnChange = [&changes](void*) { ++changes; };
    TXLStyle* style = styler.Add(QStringLiteral("a"));
    changes = 0;
    style->SetColor(style->GetColor());
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(style->GetProps().Contains(prColor));
    style->SetHorzAlign(style->GetHorzAlign());
    EXPECT_TRUE(style->GetProps().Contains(prLayout));
    // Layout lives in an info word whose notification is prStyles.
    EXPECT_TRUE(style->GetProps().Contains(prStyles));
    style->SetCellClass(TXLCStrings::StaticClass());
    EXPECT_EQ(style->GetCellClass(), TXLCStrings::StaticClass());
    EXPECT_TRUE(style->GetProps().Contains(prControl));
    style->SetSides({sLeft, sBias1});
    EXPECT_EQ(style->GetSides(), (TXLSides{sLeft, sBias1}));
    EXPECT_EQ(style->GetBorder(sLeft), (TXLSideBorder{slSingle, clBlack}));
    EXPECT_TRUE(style->GetProps().Contains(prBorder));
    style->SetSides({sBias1});
    EXPECT_EQ(style->GetBorder(sLeft), (TXLSideBorder{slNone, clNone}));
}

TEST(TXLBaseStyleTest, ConstructionValuesPerFlavour)
{
    TXLSheet sheet;
    struct TRow {
        TXLBaseStyle* Style;
        TXLWrapMode Wrap;
        TXLHorzAlign Horz;
        TXLVertAlign Vert;
        TColor Color, Lines;
        TXLFrame Frame;
    };
    const TRow rows[] = {
        {sheet.GetBaseClientStyle(), wmWrapWords, haLeft, vaBottom, clWindow, clBtnFace, frNone},
        {sheet.GetBaseTitleStyle(), wmClip, haCenter, vaCenter, clBtnFace, clBlack, frFlatUp},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Style->GetFlavour());
        EXPECT_EQ(row.Style->GetCellClass(), TXLCString::StaticClass());
        EXPECT_EQ(row.Style->GetErrorColor(), clRed);
        EXPECT_EQ(row.Style->GetWrapMode(), row.Wrap);
        EXPECT_EQ(row.Style->GetHorzAlign(), row.Horz);
        EXPECT_EQ(row.Style->GetVertAlign(), row.Vert);
        EXPECT_EQ(row.Style->GetColor(), row.Color);
        EXPECT_EQ(row.Style->GetLinesColor(), row.Lines);
        EXPECT_EQ(row.Style->GetFrame(), row.Frame);
        EXPECT_EQ(row.Style->GetProps(), XLAllProps);
        EXPECT_EQ(row.Style->GetFont()->GetName(), QStringLiteral("Arial"));
        EXPECT_EQ(row.Style->GetSheet(), &sheet);
    }
}

TEST(TXLBaseStyleTest, NewCellsShowTheirSectorsDefaults)
{
    TXLSheet sheet;
    TXLCell* body = sheet.GetCell(0, 0);
    EXPECT_EQ(body->GetVertAlign(), vaBottom);
    EXPECT_EQ(body->GetWrapMode(), wmWrapWords);
    EXPECT_EQ(body->GetColor(), clWindow);
    TXLCell* title = sheet.GetCell(0, -1);
    EXPECT_EQ(title->GetHorzAlign(), haCenter);
    EXPECT_EQ(title->GetVertAlign(), vaCenter);
    EXPECT_EQ(title->GetFrame(), frFlatUp);
    EXPECT_EQ(title->GetColor(), clBtnFace);
    EXPECT_TRUE(body->GetProps().Empty());
}

TEST(TXLBaseStyleTest, ItsValuesReachPositionsAndCells)
{
    TXLSheet sheet;
    TXLCell* before = sheet.GetCell(1, 1);
    before->GetFont();  // made from the base style's font
    FakeSheetUser user(&sheet);
    TXLBaseStyle* base = sheet.GetBaseClientStyle();

    base->SetColor(clYellow);
    EXPECT_EQ(before->GetColor(), clYellow);
    EXPECT_EQ(sheet.GetCell(3, 3)->GetColor(), clYellow);
    EXPECT_EQ(base->GetProps(), XLAllProps);
    ASSERT_EQ(user.CountOf(TUserCall::AreaChanged), 1);
    EXPECT_FALSE(user.Of(TUserCall::AreaChanged)[0].Rect.has_value());
    EXPECT_EQ(user.CountOf(TUserCall::InvalidateSector), 1);
    EXPECT_TRUE(sheet.GetModified());

    // A position coloured on its own keeps its colour.
    before->SetColor(clRed);
    base->SetColor(clAqua);
    EXPECT_EQ(before->GetColor(), clRed);
    EXPECT_EQ(sheet.GetCell(3, 3)->GetColor(), clAqua);
    // Title sectors are not the client style's.
    EXPECT_EQ(sheet.GetCell(-1, 1)->GetColor(), clBtnFace);

    base->GetFont()->SetColor(clGreen);
    EXPECT_EQ(before->GetFont()->GetColor(), clGreen);
    EXPECT_EQ(sheet.GetCell(4, 4)->GetFont()->GetColor(), clGreen);
    base->SetHorzAlign(haRight);
    EXPECT_EQ(before->GetHorzAlign(), haRight);
    EXPECT_FALSE(before->GetProps().Contains(prLayout));
}

TEST(TXLBaseStyleTest, ErrorAndLinesColourRepaintTheirSectors)
{
    TXLSheet sheet;
    FakeSheetUser user(&sheet);
    sheet.GetBaseTitleStyle()->SetLinesColor(clBlack);  // unchanged
    EXPECT_EQ(user.CountOf(TUserCall::InvalidateSector), 0);
    sheet.GetBaseTitleStyle()->SetErrorColor(clBlue);
    const auto events = user.Of(TUserCall::InvalidateSector);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0].Sector, sCols);
    EXPECT_EQ(events[1].Sector, sRows);
    EXPECT_EQ(events[2].Sector, sTitle);
}

TEST(TXLBaseStyleTest, SetBaseStyleCopiesIntoTheExistingOne)
{
    TXLSheet a;
    TXLSheet b;
    a.GetBaseClientStyle()->SetColor(clRed);
    a.GetBaseClientStyle()->SetLinesColor(clBlue);
    a.GetBaseClientStyle()->GetFont()->SetName(QStringLiteral("Tahoma"));
    TXLBaseStyle* target = b.GetBaseClientStyle();
    b.SetBaseStyle(0, a.GetBaseClientStyle());
    EXPECT_EQ(b.GetBaseClientStyle(), target);
    EXPECT_EQ(target->GetColor(), clRed);
    EXPECT_EQ(target->GetLinesColor(), clBlue);
    EXPECT_EQ(target->GetFont()->GetName(), QStringLiteral("Tahoma"));
    EXPECT_EQ(target->GetProps(), XLAllProps);
    EXPECT_EQ(b.GetCell(0, 0)->GetColor(), clRed);
}

class TXLHolderChainTest : public testing::Test {
protected:
    void SetUp() override
    {
        sheet.SetStyler(&styler);
        style = styler.Add(QStringLiteral("Input"));
        cell = sheet.GetCell(1, 1);
        other = sheet.GetCell(2, 1);
        cell->SetBasedOn(style);
        other->SetBasedOn(style);
    }

    TXLStyler styler;
    TXLSheet sheet;
    TXLStyle* style = nullptr;
    TXLCell* cell = nullptr;
    TXLCell* other = nullptr;
};

TEST_F(TXLHolderChainTest, TheHolderIsTheFirstOfCellStyleAndBaseStyleThatHoldsIt)
{
    EXPECT_EQ(cell->FindProperty(prFont), sheet.GetBaseClientStyle());
    style->GetFont()->SetColor(clRed);
    EXPECT_EQ(cell->FindProperty(prFont), style);
    EXPECT_EQ(cell->GetFont()->GetColor(), clRed);
    cell->GetFont()->SetColor(clBlue);
    EXPECT_EQ(cell->FindProperty(prFont), cell);
    EXPECT_TRUE(cell->GetProps().Contains(prFont));
    style->GetFont()->SetColor(clGreen);
    EXPECT_EQ(cell->GetFont()->GetColor(), clBlue);
    EXPECT_EQ(other->GetFont()->GetColor(), clGreen);
}

TEST_F(TXLHolderChainTest, SettingTheCurrentValueMarksNothing)
{
    cell->SetHorzAlign(cell->GetHorzAlign());
    EXPECT_FALSE(cell->GetProps().Contains(prLayout));
    cell->SetHorzAlign(haRight);
    EXPECT_TRUE(cell->GetProps().Contains(prLayout));
    style->SetHorzAlign(haCenter);
    EXPECT_EQ(cell->GetHorzAlign(), haRight);
    EXPECT_EQ(other->GetHorzAlign(), haCenter);
    // Only the named part travels.
    style->SetVertAlign(vaTop);
    EXPECT_EQ(other->GetVertAlign(), vaTop);
    EXPECT_EQ(other->GetHorzAlign(), haCenter);
}

TEST_F(TXLHolderChainTest, PositionColoursAreNotMarkedAndFollowTheStyle)
{
    cell->SetColor(clRed);
    EXPECT_FALSE(cell->GetProps().Contains(prColor));
    EXPECT_EQ(cell->GetColor(), clRed);
    style->SetColor(clYellow);
    EXPECT_EQ(cell->GetColor(), clYellow);
    EXPECT_EQ(other->GetColor(), clYellow);
    // A colour equal to the base style's leaves the position empty.
    style->SetColor(clWindow);
    EXPECT_EQ(cell->GetColor(), clWindow);
    sheet.GetBaseClientStyle()->SetColor(clSilver);
    EXPECT_EQ(cell->GetColor(), clSilver);
}

TEST_F(TXLHolderChainTest, StyleBordersAndFramesReachItsCells)
{
    style->SetBorder(sBottom, {slDouble, clBlue});
    EXPECT_EQ(cell->GetBorder(sBottom), (TXLSideBorder{slDouble, clBlue}));
    style->SetFrame(frDeepDown);
    EXPECT_EQ(other->GetFrame(), frDeepDown);
    style->SetStyles({csReadOnly});
    EXPECT_EQ(other->GetStyles(), TXLCellStyles{csReadOnly});
}

TEST_F(TXLHolderChainTest, DroppingTheStyleReturnsFormattingToTheBaseStyle)
{
    style->SetColor(clYellow);
    cell->GetFont()->SetName(QStringLiteral("Courier New"));
    cell->SetString(QStringLiteral("v"));
    cell->SetHint(QStringLiteral("h"));
    ASSERT_TRUE(cell->GetProps().Contains(prFont));
    cell->SetBasedOn(nullptr);
    EXPECT_EQ(cell->GetBasedOn(), nullptr);
    EXPECT_EQ(cell->GetProps(), (TXLProps{prValue, prHint}));
    EXPECT_EQ(cell->GetFont()->GetName(), QStringLiteral("Arial"));
    EXPECT_EQ(cell->GetColor(), clWindow);
    EXPECT_EQ(cell->GetString(), QStringLiteral("v"));
    EXPECT_EQ(cell->GetHint(), QStringLiteral("h"));
}

TEST_F(TXLHolderChainTest, CellsRefuseStylesOfAnotherStyler)
{
    TXLStyler stranger;
    try {
        cell->SetBasedOn(stranger.Add(QStringLiteral("x")));
        FAIL() << "no error";
    } catch (const ERAVazoError& e) {
        EXPECT_STREQ(e.what(), "Cannot use Style from disconnected Styler!");
    }
    EXPECT_EQ(cell->GetBasedOn(), style);
}

TEST_F(TXLHolderChainTest, SetPropsReloadsWhatItGivesUp)
{
    style->SetWrapMode(wmEllipsis);
    cell->SetWrapMode(wmClip);
    ASSERT_TRUE(cell->GetProps().Contains(prLayout));
    cell->SetProps(cell->GetProps() - TXLProps{prLayout});
    EXPECT_EQ(cell->GetWrapMode(), wmEllipsis);
    EXPECT_FALSE(cell->GetProps().Contains(prLayout));
}

TEST_F(TXLHolderChainTest, DeletingAStyleFreesItsCells)
{
    int changes = 0;
    styler.OnChange = [&changes](void*) { ++changes; };
    styler.Add(QStringLiteral("Other"));
    changes = 0;
    styler.Delete(0);
    EXPECT_EQ(cell->GetBasedOn(), nullptr);
    EXPECT_EQ(other->GetBasedOn(), nullptr);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(styler.GetStyleCount(), 1);
    EXPECT_EQ(styler.GetStyleByIndex(0)->GetIndex(), 0);
}

TEST(TXLPersistentTest, FormatSplitsIntoDisplayAndEditFormat)
{
    struct TRow {
        const char* Format;
        const char* Display;
        const char* Edit;
    };
    const TRow rows[] = {
        {"0.00|S", "0.00", "s"}, {"DD/MM/YYYY|c", "DD/MM/YYYY", "c"}, {"#,##0", "#,##0", ""},
        {"", "", ""},            {"a|B|C", "a", "b|c"},               {"|X", "", "x"},
    };
    TXLSheet sheet;
    TXLCell* cell = sheet.GetCell(0, 0);
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Format);
        cell->SetFormat(QString::fromLatin1(row.Format));
        EXPECT_EQ(cell->GetDisplayFormat(), QString::fromLatin1(row.Display));
        EXPECT_EQ(cell->GetEditFormat(), QString::fromLatin1(row.Edit));
    }
}

TEST(TXLPersistentTest, FormatAndEditorAreControlParts)
{
    TXLSheet sheet;
    FakeSheetUser user(&sheet);
    TXLCell* cell = sheet.GetCell(0, 0);
    cell->ExcludeState(csReformat);
    cell->SetFormat(cell->GetFormat());
    EXPECT_FALSE(cell->GetProps().Contains(prControl));
    cell->SetFormat(QStringLiteral("x"));
    EXPECT_TRUE(cell->HasState(csReformat));
    EXPECT_TRUE(cell->GetProps().Contains(prControl));

    cell->SetEditor(2);
    EXPECT_EQ(cell->GetEditor(), 2);
    EXPECT_EQ(cell->GetCellEditor(), XLEditClasses::MaskEdit());
    cell->SetEditor(3);  // out of range for the text cell's three editors
    EXPECT_EQ(cell->GetEditor(), 0);
    cell->SetEditor(-1);
    EXPECT_EQ(cell->GetEditor(), 0);
    cell->SetCellEditor(XLEditClasses::Memo());
    EXPECT_EQ(cell->GetEditor(), 1);
    try {
        cell->SetCellEditor(XLEditClasses::NumEdit());
        FAIL() << "no error";
    } catch (const ERAVazoError& e) {
        EXPECT_STREQ(e.what(), "Unregistered cell editor!");
    }
    EXPECT_EQ(cell->GetEditor(), 1);
    // A cell's class is its object's: setting it does nothing.
    cell->SetCellClass(TXLCStrings::StaticClass());
    EXPECT_EQ(cell->GetCellClass(), TXLCString::StaticClass());
}

TEST(TXLPersistentTest, AssignPropertyCopiesOnlyTheFlaggedParts)
{
    TXLStyler styler;
    TXLStyle* from = styler.Add(QStringLiteral("from"));
    from->SetLayout({haRight, vaTop, 5, wmEllipsis});
    TXLFont font;
    font.SetName(QStringLiteral("Tahoma"));
    font.SetColor(clRed);
    font.SetHeight(-20);
    font.SetStyle({fsBold, fsUnderline});
    from->SetFont(font);
    from->SetFormat(QStringLiteral("fmt"));
    from->SetEditor(1);

    TXLStyle* to = styler.Add(QStringLiteral("to"));
    to->AssignProperty(*from, prLayout, XLFlags::HorzAlign | XLFlags::Indent);
    EXPECT_EQ(to->GetLayout(), (TXLLayout{haRight, vaTop, 5, wmClip}));
    to->GetFont()->SetStyle({fsItalic, fsUnderline});
    to->AssignProperty(*from, prFont, XLFlags::Color | XLFlags::Bold | XLFlags::Italic);
    EXPECT_EQ(to->GetFont()->GetColor(), clRed);
    EXPECT_EQ(to->GetFont()->GetName(), QStringLiteral("Arial"));
    EXPECT_EQ(to->GetFont()->GetHeight(), -11);
    EXPECT_EQ(to->GetFont()->GetStyle(), (TFontStyles{fsBold, fsUnderline}));
    to->AssignProperty(*from, prFont, XLFlags::Size | XLFlags::Name);
    EXPECT_EQ(to->GetFont()->GetHeight(), -20);
    EXPECT_EQ(to->GetFont()->GetName(), QStringLiteral("Tahoma"));

    to->AssignProperty(*from, prControl, XLFlags::Editor);
    EXPECT_EQ(to->GetEditor(), 1);
    EXPECT_EQ(to->GetFormat(), QString());
    to->SetCellClass(TXLCStrings::StaticClass());
    to->AssignProperty(*from, prControl, XLFlags::Format);  // other class: nothing
    EXPECT_EQ(to->GetFormat(), QString());
    to->AssignProperty(*from, prControl, 0);
    EXPECT_EQ(to->GetControl(), from->GetControl());
}

TEST(TXLPersistentTest, AssignCopiesEveryPropertyAndMarksThem)
{
    TXLSheet sheet;
    TXLCell* source = sheet.GetCell(0, 0);
    source->SetString(QStringLiteral("text"));
    source->SetHint(QStringLiteral("hint"));
    source->SetColor(clRed);
    source->GetFont()->SetColor(clBlue);
    TXLCell* target = sheet.GetCell(3, 3);
    target->Assign(*source);
    EXPECT_EQ(target->GetString(), QStringLiteral("text"));
    EXPECT_EQ(target->GetHint(), QStringLiteral("hint"));
    EXPECT_EQ(target->GetColor(), clRed);
    EXPECT_EQ(target->GetFont()->GetColor(), clBlue);
    EXPECT_TRUE(target->GetProps().Contains(prFont));
    EXPECT_TRUE(target->GetProps().Contains(prValue));
}

}  // namespace
