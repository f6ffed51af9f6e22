#include "support/QtWidgetsTestEnvironment.h"

#include "TCalcTree.h"
#include "TForm1.h"
#include "base/FormatSettings.h"
#include "grid/TRAVazo.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLSheet.h"
#include "sheet/TXLStrings.h"

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

QTreeWidgetItem* Node(QTreeWidget* tree, int index)
{
    QTreeWidgetItemIterator it(tree);
    for (int i = 0; i < index && *it; ++i)
        ++it;
    return *it;
}

class TForm1Test : public testing::Test {
protected:
    std::unique_ptr<TForm1> Open()
    {
        return std::make_unique<TForm1>(TUserStateStore(Folder()));
    }
    QString Folder() const { return Dir.filePath(QStringLiteral("Config")); }
    QString File(int n) const { return Folder() + QStringLiteral("/config%1.ini").arg(n); }
    static QString Value(TForm1& form, int sheet, int row)
    {
        return form.XLSheet(sheet).GetCell(1, row)->GetValue().ToString();
    }
    static void Type(TForm1& form, int sheet, int row, const char* text)
    {
        form.XLSheet(sheet).GetCell(1, row)->SetValue(Variant(QString::fromUtf8(text)));
    }

    QTemporaryDir Dir;
    TFormatSettingsOverride Point{FormatSettings::WithDecimalSeparator(u'.')};
};

TEST_F(TForm1Test, FirstStartShowsThePictureAndStoresEverySheetAtClose)
{
    auto form = Open();
    EXPECT_EQ(form->width(), 535);
    EXPECT_EQ(form->height(), 251);
    EXPECT_EQ(form->Grid()->GetSheet(), &form->XLSheet(0));
    EXPECT_EQ(form->GetCurrentNodeIndex(), 0);
    EXPECT_EQ(form->Tree()->topLevelItemCount(), 3);
    EXPECT_TRUE(Node(form->Tree(), 1)->isExpanded());
    // The unit lists are filled at start.
    EXPECT_EQ(form->XLSheet(1).GetCell(2, 1)->GetText(), QStringLiteral("МПа"));
    EXPECT_TRUE(form->FormClose().isEmpty());
    for (int n = 1; n <= 8; ++n)
        EXPECT_TRUE(QFile::exists(File(n))) << n;
    EXPECT_FALSE(QFile::exists(File(0)));
}

TEST_F(TForm1Test, ChoosingACalculationShowsAndRecalculatesItsSheet)
{
    auto form = Open();
    Type(*form, 1, 1, "1");
    Type(*form, 1, 2, "300");
    form->Tree()->setCurrentItem(Node(form->Tree(), 2));
    EXPECT_EQ(form->GetCurrentNodeIndex(), 2);
    EXPECT_EQ(form->Grid()->GetSheet(), &form->XLSheet(1));
    EXPECT_FALSE(Value(*form, 1, 5).isEmpty());

    // A group node jumps back to the calculation chosen last.
    form->Tree()->setCurrentItem(Node(form->Tree(), 5));
    EXPECT_EQ(form->Tree()->currentItem(), Node(form->Tree(), 2));
    EXPECT_EQ(form->Grid()->GetSheet(), &form->XLSheet(1));

    form->Tree()->setCurrentItem(Node(form->Tree(), 10));
    EXPECT_EQ(form->Grid()->GetSheet(), &form->XLSheet(5));
    EXPECT_EQ(form->GetCurrentNodeIndex(), 10);
}

TEST_F(TForm1Test, GroupNodeBeforeAnyCalculationShowsThePicture)
{
    auto form = Open();
    form->Tree()->setCurrentItem(Node(form->Tree(), 1));
    QCoreApplication::processEvents();
    EXPECT_EQ(form->GetCurrentNodeIndex(), 0);
    // No node stands for the picture: none is highlighted.
    EXPECT_TRUE(form->Tree()->selectedItems().isEmpty());
    EXPECT_EQ(form->Grid()->GetSheet(), &form->XLSheet(0));
}

// A click as the user makes it: press and release on the node's row.
void Click(QTreeWidget* tree, QTreeWidgetItem* node)
{
    const QPoint at = tree->visualItemRect(node).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, tree->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &event);
    }
    QCoreApplication::processEvents();
}

TEST_F(TForm1Test, TheTreeHighlightsTheNodeWhoseSheetIsShown)
{
    auto form = Open();
    form->show();
    form->activateWindow();
    form->Tree()->setFocus();
    QCoreApplication::processEvents();
    // At the first start the picture shows and no node is highlighted.
    EXPECT_TRUE(form->Tree()->selectedItems().isEmpty());

    Click(form->Tree(), Node(form->Tree(), 1));
    EXPECT_TRUE(form->Tree()->selectedItems().isEmpty());
    EXPECT_EQ(form->Grid()->GetSheet(), &form->XLSheet(0));

    Click(form->Tree(), Node(form->Tree(), 7));
    EXPECT_EQ(form->Grid()->GetSheet(), &form->XLSheet(8));
    EXPECT_EQ(form->Tree()->selectedItems(), QList<QTreeWidgetItem*>{Node(form->Tree(), 7)});

    for (const int group : {0, 1, 5}) {
        SCOPED_TRACE(group);
        Click(form->Tree(), Node(form->Tree(), group));
        EXPECT_EQ(form->Grid()->GetSheet(), &form->XLSheet(8));
        EXPECT_EQ(form->Tree()->selectedItems(), QList<QTreeWidgetItem*>{Node(form->Tree(), 7)});
        EXPECT_EQ(form->Tree()->currentItem(), Node(form->Tree(), 7));
    }
}

TEST_F(TForm1Test, TheWindowIsCentredAndHasTheProgramsIcon)
{
    auto form = Open();
    form->show();
    QCoreApplication::processEvents();
    const QRect screen = form->screen()->availableGeometry();
    EXPECT_LE((form->frameGeometry().center() - screen.center()).manhattanLength(), 2);
    EXPECT_FALSE(form->windowIcon().isNull());
    form->SpeedButton1Click();
    EXPECT_EQ(form->AboutWindow()->windowIcon().pixmap(32).toImage(), form->windowIcon().pixmap(32).toImage());
}

TEST_F(TForm1Test, AboutLabelsAndLinksNeverOverlap)
{
    for (const int pixels : {11, 22}) {
        SCOPED_TRACE(pixels);
        auto form = Open();
        QFont font = form->font();
        font.setPixelSize(pixels);
        form->setFont(font);
        form->SpeedButton1Click();
        TForm2* about = form->AboutWindow();
        EXPECT_EQ(about->font().pixelSize(), pixels);
        for (const auto& [label, link] : {std::pair{"Label8", "Label10"}, std::pair{"Label11", "Label9"}}) {
            const auto* a = about->findChild<QLabel*>(QString::fromLatin1(label));
            const auto* b = about->findChild<QLabel*>(QString::fromLatin1(link));
            ASSERT_TRUE(a && b);
            EXPECT_FALSE(a->geometry().intersects(b->geometry())) << label;
        }
    }
}

TEST_F(TForm1Test, EditModeChangesRecalculateTheSheetShown)
{
    auto form = Open();
    form->Tree()->setCurrentItem(Node(form->Tree(), 6)); // saturation by pressure
    Type(*form, 2, 1, "0.1");
    form->RAVazo1EditModeChanged();
    EXPECT_EQ(Value(*form, 2, 4), "99.64");
    Type(*form, 2, 1, "x");
    form->RAVazo1EditModeChanged();
    EXPECT_TRUE(Value(*form, 2, 4).isEmpty());
}

TEST_F(TForm1Test, LeavingTheGridRepairsSeparators)
{
    auto form = Open();
    form->Tree()->setCurrentItem(Node(form->Tree(), 9)); // air
    Type(*form, 4, 1, "20,5");
    form->RAVazo1Exit();
    EXPECT_EQ(Value(*form, 4, 1), "20.5");
}

TEST_F(TForm1Test, StateFilesLoadOneByOne)
{
    {
        auto form = Open();
        for (int n = 1; n <= 8; ++n)
            Type(*form, n, 1, "7");
        ASSERT_TRUE(form->FormClose().isEmpty());
    }
    QFile::remove(File(3));
    {
        QFile damaged(File(5));
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
        damaged.write("TPF0 not a sheet");
    }
    auto form = Open();
    for (int n : {1, 2, 4, 6, 7, 8})
        EXPECT_EQ(Value(*form, n, 1), "7") << n; // later files load after a missing or bad one
    EXPECT_TRUE(Value(*form, 3, 3).isEmpty());
    EXPECT_TRUE(Value(*form, 5, 1).isEmpty());
    EXPECT_EQ(form->XLSheet(5).GetCell(2, 1)->GetText(), QStringLiteral("°С")); // shipped, lists filled
    EXPECT_TRUE(QFile::exists(File(5) + QStringLiteral(".bad")));
    EXPECT_FALSE(QFile::exists(File(5)));
}

// A state file keeps its inputs and unit choices, but the unit names are
// this version's: older files carry names since mended.
TEST_F(TForm1Test, StateFilesGetTheCurrentUnitNames)
{
    {
        auto form = Open();
        const TXLStrings old(QStringList{QStringLiteral("кг/с2")});
        form->XLSheet(4).GetCell(2, 6)->SetObject(&old);
        form->XLSheet(4).GetCell(2, 3)->SetInteger(1);
        Type(*form, 4, 1, "20");
        ASSERT_TRUE(form->FormClose().isEmpty());
    }
    auto form = Open();
    EXPECT_EQ(Value(*form, 4, 1), "20");
    EXPECT_EQ(form->XLSheet(4).GetCell(2, 6)->GetText(), QStringLiteral("м2/с"));
    EXPECT_EQ(form->XLSheet(4).GetCell(2, 3)->GetText(), QStringLiteral("ккал/(м3*град)"));
}

TEST_F(TForm1Test, SavingReportsEveryFailure)
{
    auto form = Open();
    // A file in place of the folder: nothing can be saved there.
    QDir(Folder()).removeRecursively();
    QFile blocker(Folder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(form->FormClose().size(), 8);
}

TEST_F(TForm1Test, OneAboutWindow)
{
    auto form = Open();
    form->SpeedButton1Click();
    TForm2* about = form->AboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("О программе Calorix v5.0"));
    form->SpeedButton1Click();
    EXPECT_EQ(form->AboutWindow(), about);
    about->close();
    EXPECT_FALSE(about->isVisible());
    form->SpeedButton1Click();
    EXPECT_EQ(form->AboutWindow(), about);
    EXPECT_TRUE(about->isVisible());
}

} // namespace
