// Getting results out of the main window: the grid's context menu, the
// clipboard's three formats after "Копировать" (whole calculation and a
// selected block), and "Сохранить в PDF…" writing a one-page PDF.
#include "support/QtWidgetsTestEnvironment.h"

#include "TForm1.h"
#include "TResultActions.h"
#include "base/FormatSettings.h"
#include "base/Variant.h"
#include "grid/TRAVazo.h"
#include "sheet/TXLCell.h"
#include "sheet/TXLRange.h"
#include "sheet/TXLSheet.h"
#include "stream/XLClipboard.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <memory>

namespace {

class TResultActionsTest : public testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm1>(TUserStateStore(Dir.filePath(QStringLiteral("Config"))));
        // 1 MPa and 300 °C into "by pressure and temperature", then chosen.
        Form->XLSheet(1).GetCell(1, 1)->SetValue(Variant(QStringLiteral("1")));
        Form->XLSheet(1).GetCell(1, 2)->SetValue(Variant(QStringLiteral("300")));
        QTreeWidgetItemIterator it(Form->Tree());
        for (int i = 0; i < 2 && *it; ++i)
            ++it;
        Form->Tree()->setCurrentItem(*it);
        ASSERT_EQ(Form->Grid()->GetSheet(), &Form->XLSheet(1));
    }

    QTemporaryDir Dir;
    TFormatSettingsOverride Point{FormatSettings::WithDecimalSeparator(u'.')};
    std::unique_ptr<TForm1> Form;
};

TEST_F(TResultActionsTest, ContextMenuOffersTheThreeActions)
{
    TResultActions* results = Form->Results();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(Form->Grid()->contextMenuPolicy(), Qt::ActionsContextMenu);
    const QList<QAction*> actions = Form->Grid()->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Копировать"));
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("Печать…"));
    EXPECT_EQ(actions[2]->text(), QStringLiteral("Сохранить в PDF…"));
}

TEST_F(TResultActionsTest, CopyingOneCellCopiesTheWholeCalculation)
{
    Form->Results()->CopyAction()->trigger();
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_TRUE(mime->hasFormat(QString::fromLatin1(XLSheetMimeType)));
    const QString enthalpy = Form->XLSheet(1).GetCell(1, 5)->GetText();
    ASSERT_FALSE(enthalpy.isEmpty());
    const QStringList lines = mime->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains(QStringLiteral("Энтальпия\t%1\tкДж/кг").arg(enthalpy))) << mime->text().toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("Давление\t1\tМПа"))) << mime->text().toStdString();
    for (const QString& line : lines)
        EXPECT_EQ(line.count(QLatin1Char('\t')), 2) << line.toStdString();
    const QString html = mime->html();
    EXPECT_TRUE(html.startsWith(QStringLiteral("<table")));
    EXPECT_TRUE(html.contains(QStringLiteral("<tr><td>Энтальпия</td><td>%1</td><td>кДж/кг</td></tr>").arg(enthalpy)));
}

TEST_F(TResultActionsTest, CopyingABlockCopiesOnlyIt)
{
    TXLRange block(&Form->XLSheet(1), Rect(0, 1, 2, 3));
    Form->Grid()->SetSelection(block);
    Form->Results()->Copy();
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(mime, nullptr);
    EXPECT_EQ(mime->text(), QStringLiteral("Давление\t1\nТемпература\t300\n"));
    EXPECT_EQ(mime->html().count(QStringLiteral("<tr>")), 2);
    EXPECT_TRUE(mime->hasFormat(QString::fromLatin1(XLSheetMimeType)));
}

TEST_F(TResultActionsTest, SavedPdfIsOnePageWithTheResults)
{
    const QString file = Dir.filePath(QStringLiteral("pt.pdf"));
    ASSERT_TRUE(Form->Results()->SavePdf(file));
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_FALSE(Form->Results()->SavePdf(Dir.filePath(QStringLiteral("no/such/dir/x.pdf"))));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("Основные параметры по давлению и температуре")));
    EXPECT_TRUE(text.contains(Form->XLSheet(1).GetCell(1, 5)->GetText()));
}

}  // namespace
