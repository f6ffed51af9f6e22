// "--pdf FILE": every calculation printed to a PDF whose text (pdftotext)
// holds each label, value and unit the tool prints, on one page, under the
// heading naming the calculation; the page rendered back (pdftoppm) shows
// the coloured header bands.
#include "cli/CliTestRun.h"

#include "calc/CalculationTitle.h"
#include "cli/CliError.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The output of a poppler tool, or none when it is not installed.
bool RunPoppler(const QString& tool, const QStringList& args, QString* out = nullptr)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return false;
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return false;
    if (out)
        *out = QString::fromUtf8(p.readAllStandardOutput());
    return true;
}

QString Squeezed(const QString& text)
{
    return text.simplified();
}

TEST(CliPdf, EveryCalculationPrintsItsLabelsValuesAndUnits)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const struct {
        int Sheet;
        std::vector<std::string> Args;
    } cases[] = {
        {1, {"pt", "--p", "10", "--p-unit", "bar", "--t", "300"}},
        {6, {"ph", "--p", "1", "--h", "3000"}},
        {7, {"ps", "--p", "1", "--s", "7"}},
        {2, {"saturation", "--p", "1"}},
        {8, {"saturation", "--t", "100"}},
        {3, {"heat-drop", "--p0", "100", "--h0", "3400", "--pk", "1", "--p-unit", "bar"}},
        {4, {"air", "--t", "20"}},
        {5, {"flue-gas", "--t", "500"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Args[0] + " " + std::to_string(c.Sheet));
        const QString file = dir.filePath(QStringLiteral("sheet%1.pdf").arg(c.Sheet));
        std::vector<std::string> args = c.Args;
        args.insert(args.end(), {"--decimal", ".", "--json", "--pdf", file.toStdString()});
        const TCliRun run = RunTool(args);
        ASSERT_EQ(run.Status, CliExitOk) << run.Err;
        QString text;
        ASSERT_TRUE(RunPoppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")}, &text));
        const QString flat = Squeezed(text);
        EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";
        EXPECT_TRUE(flat.contains(CalculationTitle(c.Sheet))) << text.toStdString();
        // What the tool prints as JSON rows must all be on the page.
        const QJsonArray rows =
            QJsonDocument::fromJson(QByteArray::fromStdString(run.Out)).object().value(QStringLiteral("rows")).toArray();
        int found = 0;
        for (const QJsonValue row : rows)
            for (const char* key : {"label", "value", "text", "unit"}) {
                const QString item = Squeezed(row.toObject().value(QLatin1String(key)).toString());
                if (item.isEmpty())
                    continue;
                ++found;
                EXPECT_TRUE(flat.contains(item)) << item.toStdString();
            }
        EXPECT_GT(found, 6);
    }
}

TEST(CliPdf, PressureAndTemperatureExample)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("out.pdf"));
    const TCliRun run = RunTool({"pt", "--p", "10", "--p-unit", "bar", "--t", "300", "--pdf", file.toStdString()});
    ASSERT_EQ(run.Status, CliExitOk) << run.Err;
    QString text;
    ASSERT_TRUE(RunPoppler(QStringLiteral("pdftotext"), {file, QStringLiteral("-")}, &text));
    EXPECT_TRUE(text.contains(QStringLiteral("Энтальпия")));
    EXPECT_TRUE(text.contains(QStringLiteral("3050")));

    const QString prefix = dir.filePath(QStringLiteral("page"));
    ASSERT_TRUE(RunPoppler(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"),
                                                         QStringLiteral("-png"), file, prefix}));
    const QStringList images = QDir(dir.path()).entryList({QStringLiteral("page*.png")});
    ASSERT_EQ(images.size(), 1);
    const QImage page(dir.filePath(images[0]));
    ASSERT_FALSE(page.isNull());
    // The input band is bluish, the result band orange.
    bool blue = false;
    bool orange = false;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor p = page.pixelColor(x, y);
            blue = blue || (p.blue() > p.red() + 60 && p.blue() > 180);
            orange = orange || (p.red() > 200 && p.green() > 100 && p.blue() < 80);
        }
    EXPECT_TRUE(blue);
    EXPECT_TRUE(orange);
}

TEST(CliPdf, UnwritableFileIsRejected)
{
    const TCliRun run = RunTool({"air", "--t", "20", "--pdf", "/nonexistent-dir/out.pdf"});
    EXPECT_EQ(run.Status, CliExitRejected);
    EXPECT_NE(run.Err.find("cannot write"), std::string::npos);
    EXPECT_EQ(RunTool({"sheet", "4", "--pdf"}).Status, CliExitUsage);
}

}  // namespace
