#include "sheet/TXLCBoolean.h"
#include "sheet/TXLCCurrency.h"
#include "sheet/TXLCDateTime.h"
#include "sheet/TXLCDouble.h"
#include "sheet/TXLCGroup.h"
#include "sheet/TXLCInteger.h"
#include "sheet/TXLCPicture.h"
#include "sheet/TXLCString.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLCUrl.h"
#include "sheet/TXLManager.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace XLEditClasses;

struct TClassRow {
    int Number;
    const TXLCellClass* Class;
    int Hash;  // the class code of the sheet stream
    QStringList Formats;
    std::vector<const TXLEditClass*> Editors;
};

std::vector<TClassRow> ValueClasses()
{
    return {
        {2, TXLCInteger::StaticClass(), 1033, {"0", "0|s"}, {NumEdit()}},
        {3, TXLCDouble::StaticClass(), 918,
         {"0", "0|s", "0.00", "0.00|s", "#,##0", "#,##0|s", "#,##0.00", "#,##0.00|s", "0.##%", "0.##%|s", "0.00%",
          "0.00%|s"},
         {NumEdit()}},
        {4, TXLCCurrency::StaticClass(), 1158, {"$# ##0", "$# ##0|s", "$# ##0.00", "$# ##0.00|s"}, {NumEdit()}},
        {5, TXLCDateTime::StaticClass(), 1096,
         {"DD/MM/YYYY|c", "DD/MM/YY|c", "DD/MM|c", "MM/YYYY|c", "HH:MM:SS", "h:nn am/pm", "h:nn:ss am/pm", "h:nn",
          "h:nn:ss", "DD/MM/YYYY h:nn"},
         {DateTimeEdit()}},
        {6, TXLCBoolean::StaticClass(), 1019, {"True;False", "Yes;No"}, {}},
        {7, TXLCPicture::StaticClass(), 1047, {}, {}},
        {8, TXLCUrl::StaticClass(), 622, {QString()}, {}},
        {9, TXLCGroup::StaticClass(), 840, {}, {}},
    };
}

TEST(XLRegisterCellClassesTest, ValueClassesFollowThePickListInTheirFixedOrder)
{
    TXLManager& m = XLManager();
    ASSERT_GE(m.GetCellClassCount(), 10);
    EXPECT_EQ(m.GetCellClass(0), TXLCString::StaticClass());
    EXPECT_EQ(m.GetCellClass(1), TXLCStrings::StaticClass());
    for (const TClassRow& row : ValueClasses()) {
        SCOPED_TRACE(row.Class->Name.toStdString());
        EXPECT_EQ(m.GetCellClass(row.Number), row.Class);
        EXPECT_EQ(TXLManager::HashCodeOf(row.Class), row.Hash);
        EXPECT_EQ(m.FindClassBy(row.Hash), row.Class);
    }
}

TEST(XLRegisterCellClassesTest, FormatsAndEditorsPerClass)
{
    TXLManager& m = XLManager();
    for (const TClassRow& row : ValueClasses()) {
        SCOPED_TRACE(row.Class->Name.toStdString());
        ASSERT_NE(m.GetFormats(row.Class), nullptr);
        EXPECT_EQ(*m.GetFormats(row.Class), row.Formats);
        ASSERT_EQ(m.GetEditClassCount(row.Class), static_cast<int>(row.Editors.size()));
        for (int i = 0; i < static_cast<int>(row.Editors.size()); ++i)
            EXPECT_EQ(m.GetEditClass(row.Class, i), row.Editors[i]);
        EXPECT_EQ(m.GetEditClass(row.Class, static_cast<int>(row.Editors.size())), nullptr);
    }
    EXPECT_EQ(m.FindEditClass(TXLCDateTime::StaticClass(), NumEdit()), -1);
    EXPECT_EQ(m.FindEditClass(TXLCDouble::StaticClass(), NumEdit()), 0);
}

TEST(XLRegisterCellClassesTest, SecondRegistrationKeepsOrderFormatsAndEditors)
{
    TXLManager& m = XLManager();
    const int count = m.GetCellClassCount();
    m.SetFormats(TXLCInteger::StaticClass(), {"000"});
    XLRegisterCellClasses(m);
    EXPECT_EQ(m.GetCellClassCount(), count);
    EXPECT_EQ(*m.GetFormats(TXLCInteger::StaticClass()), QStringList{"000"});
    EXPECT_EQ(m.GetEditClassCount(TXLCDouble::StaticClass()), 1);
    m.SetFormats(TXLCInteger::StaticClass(), {"0", "0|s"});
}

TEST(XLRegisterCellClassesTest, TheNumberBaseIsNeitherRegisteredNorMade)
{
    // Its code exists in streams, but no cell is ever of this class.
    EXPECT_EQ(TXLManager::HashCodeOf(TXLCNumber::StaticClass()), 932);
    EXPECT_EQ(XLManager().FindClassBy(932), nullptr);
    EXPECT_EQ(TXLCNumber::StaticClass()->Create, nullptr);
    EXPECT_TRUE(TXLCCurrency::StaticClass()->InheritsFrom(TXLCNumber::StaticClass()));
}

}  // namespace
