#include "sheet/TXLManager.h"

#include "base/ERAVazoError.h"
#include "sheet/TXLCString.h"
#include "sheet/TXLCStrings.h"
#include "sheet/TXLSheet.h"
#include "support/FakeSheetUser.h"

#include <QObject>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace XLEditClasses;

const TXLCellClass* String() { return TXLCString::StaticClass(); }
const TXLCellClass* Strings() { return TXLCStrings::StaticClass(); }

TEST(TXLManagerTest, EngineClassesAreRegisteredInOrder)
{
    TXLManager& m = XLManager();
    // The value classes follow these two; their order is checked with them.
    ASSERT_GE(m.GetCellClassCount(), 2);
    EXPECT_EQ(m.GetCellClass(0), String());
    EXPECT_EQ(m.GetCellClass(1), Strings());
    EXPECT_EQ(m.GetCellClass(m.GetCellClassCount()), nullptr);
    EXPECT_EQ(m.GetCellClass(-1), nullptr);
    EXPECT_EQ(m.IndexOfCellClass(Strings()), 1);
    EXPECT_EQ(m.IndexOfCellClass(TXLCell::StaticClass()), -1);
}

TEST(TXLManagerTest, EditorsPerClassFollowTheRegistrationTable)
{
    struct TRow {
        const TXLCellClass* Class;
        std::vector<const TXLEditClass*> Editors;
    };
    const TRow rows[] = {{String(), {PickEdit(), Memo(), MaskEdit()}}, {Strings(), {Memo(), PickEdit(), ComboBox()}}};
    TXLManager& m = XLManager();
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Class->Name.toStdString());
        ASSERT_EQ(m.GetEditClassCount(row.Class), static_cast<int>(row.Editors.size()));
        for (int i = 0; i < static_cast<int>(row.Editors.size()); ++i) {
            EXPECT_EQ(m.GetEditClass(row.Class, i), row.Editors[i]);
            EXPECT_EQ(m.FindEditClass(row.Class, row.Editors[i]), i);
        }
        EXPECT_EQ(m.GetEditClass(row.Class, 3), nullptr);
        EXPECT_EQ(m.GetEditClass(row.Class, -1), nullptr);
        EXPECT_EQ(m.FindEditClass(row.Class, NumEdit()), -1);
    }
    EXPECT_EQ(m.GetEditClassCount(nullptr), 0);
    EXPECT_EQ(m.GetEditClassCount(TXLCell::StaticClass()), 0);
    EXPECT_EQ(m.GetEditClass(TXLCell::StaticClass(), 0), nullptr);
    EXPECT_EQ(m.FindEditClass(nullptr, Memo()), -1);
    EXPECT_EQ(m.FindEditClass(String(), nullptr), -1);
}

TEST(TXLManagerTest, FormatsOfTheEngineClasses)
{
    TXLManager& m = XLManager();
    ASSERT_NE(m.GetFormats(String()), nullptr);
    EXPECT_EQ(*m.GetFormats(String()), QStringList{QString()});
    ASSERT_NE(m.GetFormats(Strings()), nullptr);
    EXPECT_TRUE(m.GetFormats(Strings())->isEmpty());
    EXPECT_EQ(m.GetFormats(TXLCell::StaticClass()), nullptr);
}

TEST(TXLManagerTest, RegisteringTheEngineClassesAgainChangesNothing)
{
    TXLManager& m = XLManager();
    const int count = m.GetCellClassCount();
    XLRegisterCellClasses(m);
    ASSERT_EQ(m.GetCellClassCount(), count);
    EXPECT_EQ(m.GetCellClass(0), String());
    EXPECT_EQ(m.GetEditClassCount(String()), 3);
    EXPECT_EQ(m.GetEditClassCount(Strings()), 3);
    EXPECT_EQ(*m.GetFormats(String()), QStringList{QString()});
}

TEST(TXLManagerTest, HashCodeIsTheCharacterSumOfTheName)
{
    EXPECT_EQ(TXLManager::HashCodeOf(nullptr), 0);
    EXPECT_EQ(TXLManager::HashCodeOf(String()), 946);
    EXPECT_EQ(TXLManager::HashCodeOf(Strings()), 946 + 's');
    TXLManager& m = XLManager();
    EXPECT_EQ(m.FindClassBy(946), String());
    EXPECT_EQ(m.FindClassBy(946 + 's'), Strings());
    EXPECT_EQ(m.FindClassBy(0), nullptr);
    EXPECT_EQ(m.FindClassBy(TXLManager::HashCodeOf(TXLCell::StaticClass())), nullptr);
}

TEST(TXLManagerTest, FirstRegisteredClassWinsAHashCollision)
{
    // "TXLCString" with two letters swapped has the same sum.
    static const TXLCellClass twin{QStringLiteral("TXLCStirng"), nullptr, nullptr};
    TXLManager m;
    m.RegisterCellClasses({String(), &twin});
    EXPECT_EQ(m.FindClassBy(946), String());
    m.UnregisterCellClasses({String()});
    EXPECT_EQ(m.FindClassBy(946), &twin);
}

TEST(TXLManagerTest, RegistryOperationsOnAPrivateManager)
{
    static const TXLCellClass a{QStringLiteral("A"), nullptr, nullptr};
    static const TXLCellClass b{QStringLiteral("B"), nullptr, nullptr};
    static const TXLCellClass c{QStringLiteral("C"), nullptr, nullptr};
    TXLManager m;
    EXPECT_EQ(m.GetCellClassCount(), 0);
    EXPECT_EQ(m.EnsureCellClass(&a), 0);
    EXPECT_EQ(m.EnsureCellClass(&a), 0);
    EXPECT_EQ(m.EnsureCellClass(nullptr), -1);
    m.RegisterClasses({&b, &c}, {Memo(), NumEdit()});
    m.RegisterClasses({&b}, {NumEdit(), PickEdit()});
    EXPECT_EQ(m.GetCellClassCount(), 3);
    EXPECT_EQ(m.GetEditClassCount(&b), 3);
    EXPECT_EQ(m.FindEditClass(&b, PickEdit()), 2);
    EXPECT_EQ(m.GetEditClassCount(&c), 2);

    m.SetFormats(&b, {QStringLiteral("0"), QStringLiteral("0|s")});
    m.SetFormats(String(), {QStringLiteral("ignored")});  // not registered here
    EXPECT_EQ(m.GetFormats(String()), nullptr);

    m.UnregisterEditClasses({NumEdit()});
    EXPECT_EQ(m.GetEditClassCount(&b), 2);
    EXPECT_EQ(m.FindEditClass(&b, PickEdit()), 1);
    EXPECT_EQ(m.GetEditClassCount(&c), 1);

    // Later classes move up one number; the lists go with their class.
    m.UnregisterCellClasses({&a});
    EXPECT_EQ(m.GetCellClass(0), &b);
    EXPECT_EQ(m.GetCellClass(1), &c);
    EXPECT_EQ(m.GetFormats(&b)->size(), 2);
    EXPECT_EQ(m.GetFormats(&a), nullptr);
}

TEST(TXLManagerTest, DefaultFunctionsConvertTheirArgument)
{
    TXLManager& m = XLManager();
    struct TRow {
        const char* Name;
        Variant Argument;
        Variant Expected;
    };
    const TRow rows[] = {
        {"String", Variant(12), Variant(QStringLiteral("12"))},
        {"integer", Variant(QStringLiteral("12")), Variant(12)},
        {"BOOLEAN", Variant(1), Variant(true)},
        {"Double", Variant(3), Variant(3.0)},
        {"Currency", Variant(2), Variant::FromCurrency(20000)},
        {"DateTime", Variant(1), Variant::FromDateTime(1.0)},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        Variant result;
        EXPECT_TRUE(m.CalcFunction(nullptr, QString::fromLatin1(row.Name), &row.Argument, 1, result));
        EXPECT_TRUE(result == row.Expected);
    }
}

TEST(TXLManagerTest, FunctionsAndVariablesAreCaseInsensitiveAndUnique)
{
    TXLManager m;
    int calls = 0;
    m.RegisterVariable(QStringLiteral("Pi"), [&calls](TXLSheet*, Variant& r) {
        ++calls;
        r = Variant(3.14);
    });
    EXPECT_THROW(m.RegisterVariable(QStringLiteral("PI"), [](TXLSheet*, Variant&) {}), EStringListError);
    EXPECT_THROW(m.RegisterFunction(QStringLiteral("string"), nullptr), EStringListError);
    Variant result;
    EXPECT_TRUE(m.CalcVariable(nullptr, QStringLiteral("pI"), result));
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(result == Variant(3.14));
    m.UnregisterVariable(QStringLiteral("pi"));
    m.UnregisterVariable(QStringLiteral("never registered"));
    EXPECT_FALSE(m.CalcVariable(nullptr, QStringLiteral("PI"), result));
    m.UnregisterFunction(QStringLiteral("STRING"));
    EXPECT_FALSE(m.CalcFunction(nullptr, QStringLiteral("String"), nullptr, 0, result));
}

TEST(TXLManagerTest, UnknownNamesFallBackToTheSheet)
{
    TXLManager& m = XLManager();
    TXLSheet sheet;
    sheet.SetValue(1, 1, Variant(QStringLiteral("b2")));
    Variant r;
    EXPECT_TRUE(m.CalcVariable(&sheet, QStringLiteral("B2"), r));
    EXPECT_TRUE(r == Variant(QStringLiteral("b2")));

    // Inside the counts but without a cell: resolved, with the empty value.
    EXPECT_TRUE(m.CalcVariable(&sheet, QStringLiteral("C3"), r));
    EXPECT_TRUE(r.IsEmpty());
    // Outside the counts: unresolved, the result stays Null.
    EXPECT_FALSE(m.CalcVariable(&sheet, QStringLiteral("F1"), r));
    EXPECT_TRUE(r.IsNull());
    EXPECT_THROW(m.CalcVariable(&sheet, QStringLiteral("A0"), r), ERAVazoError);

    // The sheet's handler comes before the cell reference.
    sheet.OnVariable = [](TXLSheet*, const QString& name, Variant& result) {
        if (name == QStringLiteral("B2"))
            result = Variant(7);
    };
    EXPECT_TRUE(m.CalcVariable(&sheet, QStringLiteral("B2"), r));
    EXPECT_TRUE(r == Variant(7));

    EXPECT_FALSE(m.CalcFunction(&sheet, QStringLiteral("NOPE"), nullptr, 0, r));
    sheet.OnFunction = [](TXLSheet* s, const QString& name, const Variant* params, int count, Variant& result) {
        if (name == QStringLiteral("NOPE") && count == 1)
            result = Variant(params[0].ToInteger() + s->GetColCount());
    };
    const Variant arg(10);
    EXPECT_TRUE(m.CalcFunction(&sheet, QStringLiteral("NOPE"), &arg, 1, r));
    EXPECT_TRUE(r == Variant(15));
}

class TFakeComponent : public QObject, public FakeSheetUser {
public:
    using FakeSheetUser::FakeSheetUser;
};

TEST(TXLManagerTest, ActiveComponentGivesUserAndSheet)
{
    TXLManager& m = XLManager();
    TXLSheet sheet;
    TFakeComponent component(&sheet);
    QObject plain;
    m.SetActiveComponent(&component);
    EXPECT_EQ(m.GetActiveComponent(), &component);
    EXPECT_EQ(m.GetActiveUser(), static_cast<IXLSheetUser*>(&component));
    EXPECT_EQ(m.GetActiveSheet(), &sheet);
    EXPECT_EQ(m.GetActiveGrid(), nullptr);  // not a grid
    m.SetActiveComponent(&plain);
    EXPECT_EQ(m.GetActiveUser(), nullptr);
    EXPECT_EQ(m.GetActiveSheet(), nullptr);
    m.SetActiveComponent(nullptr);
    EXPECT_EQ(m.GetActiveSheet(), nullptr);
    EXPECT_EQ(m.GetActiveGrid(), nullptr);
}

class TLayoutCountingSheet : public TXLSheet {
public:
    void UpdatePrintLayout() override { ++Layouts; }
    int Layouts = 0;
};

class TFakePrinter : public IXLPrinterMetrics {
public:
    TFakePrinter(bool installed, int dpi, int w, int h, int ppi) : Installed(installed), Dpi(dpi), W(w), H(h), Ppi(ppi) {}
    bool PrinterInstalled() const override { return Installed; }
    int PrinterDpiX() const override { return Dpi; }
    int PrinterDpiY() const override { return Dpi * 2; }
    int PageWidth() const override { return W; }
    int PageHeight() const override { return H; }
    int ScreenPixelsPerInch() const override { return Ppi; }
    bool Installed;
    int Dpi, W, H, Ppi;
};

TEST(TXLManagerTest, PrinterMetricsAndSheetRegistry)
{
    TXLManager& m = XLManager();
    // No printer: 600 dpi and 4676 x 6744 dots, shown at 96 dpi.
    EXPECT_EQ(m.GetPageRect(), Rect(0, 0, 748, 1079));
    EXPECT_EQ(m.GetPrinterDpiX(), 600);
    EXPECT_EQ(m.GetPrinterDpiY(), 600);
    EXPECT_EQ(m.GetScreenPixelsPerInch(), 96);

    const int before = m.GetSheetCount();
    {
        TLayoutCountingSheet sheet;
        ASSERT_EQ(m.GetSheetCount(), before + 1);
        EXPECT_EQ(m.GetSheet(before), &sheet);
        m.SetPrinterMetrics(std::make_unique<TFakePrinter>(true, 300, 2480, 3508, 120));
        EXPECT_EQ(sheet.Layouts, 1);
        EXPECT_EQ(m.GetPrinterDpiX(), 300);
        EXPECT_EQ(m.GetPrinterDpiY(), 600);
        EXPECT_EQ(m.GetScreenPixelsPerInch(), 120);
        EXPECT_EQ(m.GetPageRect(), Rect(0, 0, 2480 * 120 / 300, 3508 * 120 / 600));

        // A provider without a printer keeps the defaults but its screen.
        m.SetPrinterMetrics(std::make_unique<TFakePrinter>(false, 1, 1, 1, 72));
        EXPECT_EQ(m.GetPageRect(), Rect(0, 0, 4676 * 72 / 600, 6744 * 72 / 600));
        EXPECT_EQ(sheet.Layouts, 2);
        m.SetPrinterMetrics(nullptr);
    }
    EXPECT_EQ(m.GetSheetCount(), before);
    EXPECT_EQ(m.GetPageRect(), Rect(0, 0, 748, 1079));
}

TEST(TXLManagerDeathTest, AccessAfterFinalizationRaises)
{
    // In a child process: the manager cannot come back once destroyed.
    EXPECT_EXIT(
        {
            XLManager();
            XLFinalizeManager();
            try {
                XLManager();
            } catch (const ERAVazoError& e) {
                std::_Exit(std::string(e.what()) == "XLManager has been already destroyed!" ? 0 : 2);
            }
            std::_Exit(1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
