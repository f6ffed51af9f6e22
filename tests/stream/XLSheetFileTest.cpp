#include "stream/XLSheetFile.h"

#include "StreamSamples.h"
#include "HostileSheetFiles.h"
#include "StreamTestSupport.h"
#include "support/QtTestEnvironment.h"
#include "stream/XLComponentStream.h"
#include "stream/XLSheetData.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

using namespace StreamSamples;
using namespace StreamTest;

void Name(TXLStreamWriter& w, const char* name)
{
    w.WriteShortString(QByteArray(name));
}

// "TPF0", the class and the name, then whatever props() writes, then the
// sheet stream of a 2 x 2 body-only sheet and the two end bytes.
QByteArray HandMadeFile(const std::function<void(TXLStreamWriter&)>& props, const char* className = "TXLSheet")
{
    TXLSheet source;
    MakeBodyOnly(source, 2, 2);
    source.SetString(1, 1, QStringLiteral("body"));
    TXLStreamWriter w;
    w.WriteBytes("TPF0");
    Name(w, className);
    Name(w, "XLSheet3");
    Name(w, "TitleCols");
    WriteFilerInteger(w, 0);
    Name(w, "TitleRows");
    WriteFilerInteger(w, 0);
    Name(w, "ColCount");
    WriteFilerInteger(w, 2);
    Name(w, "RowCount");
    WriteFilerInteger(w, 2);
    props(w);
    Name(w, "XLData");
    WriteFilerBinary(w, SaveSheetDataToBytes(source));
    w.WriteByte(0);
    w.WriteByte(0);
    return w.TakeData();
}

class XLSheetFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        FillStyler(styler);
        FillRichSheet(rich, &styler);
        rich.SetName(QStringLiteral("XLSheet1"));
        rich.SetAuthor(QString::fromUtf8("Инженер ✓"));
        rich.SetTitle(QString::fromUtf8("Вода и пар"));
        rich.SetPrintMargin(0, 10);
        rich.SetPrintMargin(3, 1000);
        rich.SetPrintMode(pmCustom);
        rich.SetPrintScale(80);
        rich.SetPrintHidden(true);
        rich.SetPrintTitles({sRows});
        rich.SetPrintGridLines(true);
        rich.SetColMaxWidth(300);
        rich.SetRowMaxHeight(-1);
        rich.SetReadOnly(true);
        rich.SetBackground(MakePicture(TXLPicture::JPEGClass, "JPEG"));
        bytes = SaveSheetToBytes(rich);
    }

    TXLStyler styler;
    TXLSheet rich;
    QByteArray bytes;
};

TEST_F(XLSheetFileTest, WritesTheComponentHeadPropertiesInOrderAndTheTwoEnds)
{
    EXPECT_TRUE(bytes.startsWith(QByteArray("TPF0\x08TXLSheet\x08XLSheet1")));
    EXPECT_TRUE(bytes.endsWith(QByteArray(2, '\0')));
    const char* const order[] = {"Author", "Title", "PrintMarginLeft", "PrintMarginTop", "PrintMarginRight",
                                 "PrintMarginBottom", "PrintMode", "PrintScale", "PrintHidden", "PrintTitles",
                                 "PrintGridLines", "ColCount", "ColDefWidth", "ColMaxWidth", "RowCount",
                                 "RowDefHeight", "RowMaxHeight", "TitleCols", "TitleRows", "Background.Data",
                                 "ReadOnly", "XLData"};
    qsizetype last = 0;
    for (const char* name : order) {
        SCOPED_TRACE(name);
        const QByteArray key = char(qstrlen(name)) + QByteArray(name);
        const qsizetype at = bytes.indexOf(key, last);
        ASSERT_GT(at, last);
        last = at;
    }
    // Tags: the smallest integer, identifiers, sets, Booleans, binary data.
    EXPECT_TRUE(bytes.contains(QByteArray("\x0fPrintMarginLeft\x02\x0a")));
    EXPECT_TRUE(bytes.contains(QByteArray("\x11PrintMarginBottom\x03\xe8\x03")));
    EXPECT_TRUE(bytes.contains(QByteArray("\x09PrintMode\x07\x08pmCustom")));
    EXPECT_TRUE(bytes.contains(QByteArray("\x0bPrintHidden\x09")));
    EXPECT_TRUE(bytes.contains(QByteArray("\x0bPrintTitles\x0b\x05sRows\x00", 20)));
    EXPECT_TRUE(bytes.contains(QByteArray("\x0cRowMaxHeight\x02\xff")));
    const qsizetype data = bytes.indexOf("\x06XLData\x0a");
    EXPECT_EQ(bytes.mid(data + 12, 3), QByteArray("XLG"));
    EXPECT_EQ(IntegerAt(bytes, data + 8), bytes.size() - (data + 12) - 2);
}

TEST_F(XLSheetFileTest, RoundTripsEveryPropertyAndTheContent)
{
    TXLSheet copy;
    copy.SetStyler(&styler);
    const int64_t consumed = LoadSheetFromBytes(copy, bytes);
    EXPECT_EQ(consumed, bytes.size());
    // The copy keeps its own name.
    EXPECT_EQ(copy.GetName(), QString());
    copy.SetName(QStringLiteral("XLSheet1"));
    EXPECT_EQ(SaveSheetToBytes(copy), bytes);
    EXPECT_EQ(copy.GetAuthor(), QString::fromUtf8("Инженер ✓"));
    EXPECT_EQ(copy.GetTitle(), QString::fromUtf8("Вода и пар"));
    EXPECT_EQ(copy.GetPrintMarginBottom(), 1000);
    EXPECT_EQ(copy.GetPrintMode(), pmCustom);
    EXPECT_EQ(copy.GetPrintScale(), 80);
    EXPECT_TRUE(copy.GetPrintTitles() == TXLAxes{sRows});
    EXPECT_EQ(copy.GetColCount(), 7);
    EXPECT_EQ(copy.GetTitleRows(), 2);
    EXPECT_EQ(copy.GetColMaxWidth(), 300);
    EXPECT_TRUE(copy.GetReadOnly());
    EXPECT_EQ(copy.GetBackground().GetData(), rich.GetBackground().GetData());
    EXPECT_EQ(copy.GetString(0, 0), QString::fromUtf8("Давление, бар"));
    EXPECT_FALSE(copy.GetModified());
}

TEST(XLSheetFileReader, PropertiesThatSettersTieTogetherReadBackAsWritten)
{
    // A default above the maximum, and a custom print mode at 100 percent:
    // both are states the setters allow but undo when applied in order.
    TXLSheet source;
    source.SetRowMaxHeight(6);
    source.SetRowDefHeight(15);
    source.SetPrintMode(pmCustom);
    const QByteArray bytes = SaveSheetToBytes(source);
    TXLSheet target;
    target.SetPrintScale(80);
    LoadSheetFromBytes(target, bytes);
    EXPECT_EQ(target.GetRowDefHeight(), 15);
    EXPECT_EQ(target.GetRowMaxHeight(), 6);
    EXPECT_EQ(target.GetPrintMode(), pmCustom);
    EXPECT_EQ(target.GetPrintScale(), 100);
    EXPECT_EQ(SaveSheetToBytes(target), bytes);
}

TEST_F(XLSheetFileTest, EveryTruncatedPrefixFailsAndLeavesTheSheetAsItWas)
{
    TXLSheet target;
    MakeBodyOnly(target, 2, 2);
    target.SetString(1, 1, QStringLiteral("old"));
    for (qsizetype n = 0; n < bytes.size(); n += (n < 200 || bytes.size() - n < 200) ? 1 : 7) {
        SCOPED_TRACE(n);
        EXPECT_THROW(LoadSheetFromBytes(target, QByteArrayView(bytes).first(n)), ERAVazoError);
        EXPECT_EQ(target.GetString(1, 1), QStringLiteral("old"));
        EXPECT_EQ(target.GetColCount(), 2);
    }
}

TEST(XLSheetFileReader, ARefusedFileLeavesTheSheetExactlyAsItWas)
{
    TXLSheet target;
    MakeBodyOnly(target, 3, 4);
    target.SetString(0, 0, QStringLiteral("old"));
    target.SetString(2, 3, QStringLiteral("kept"));
    const QByteArray before = SaveSheetToBytes(target);

    // Damage inside XLData is found only after the properties before it
    // were read: none of them may have been applied.
    QByteArray badMagic = HandMadeFile([](TXLStreamWriter& w) {
        Name(w, "ReadOnly");
        WriteFilerBoolean(w, true);
    });
    badMagic[badMagic.indexOf("XLG") + 1] = 'Q';
    ExpectFailure([&] { LoadSheetFromBytes(target, badMagic); }, "Unknown RAVazo stream format!");
    EXPECT_EQ(SaveSheetToBytes(target), before);

    // The same for every cut inside the sheet stream.
    const QByteArray good = HandMadeFile([](TXLStreamWriter&) {});
    const qsizetype data = good.indexOf("XLG");
    for (qsizetype cut = data; cut < good.size() - 2; ++cut) {
        SCOPED_TRACE(cut);
        QByteArray file = good.first(cut);
        EXPECT_THROW(LoadSheetFromBytes(target, file), ERAVazoError);
        EXPECT_EQ(SaveSheetToBytes(target), before);
    }
    // And the file loads whole when nothing is wrong.
    LoadSheetFromBytes(target, good);
    EXPECT_EQ(target.GetColCount(), 2);
    EXPECT_EQ(target.GetString(1, 1), QStringLiteral("body"));
}

TEST(XLSheetFileReader, RefusesComponentsWithMorePropertiesThanASheetHas)
{
    const auto file = [](int count) {
        return HandMadeFile([count](TXLStreamWriter& w) {
            for (int i = 0; i < count; ++i) {
                Name(w, i % 2 ? "Left" : "Unknown");
                WriteFilerInteger(w, i);
            }
        });
    };
    TXLSheet target;
    EXPECT_NO_THROW(LoadSheetFromBytes(target, file(900)));
    target.SetString(0, 0, QStringLiteral("old"));
    ExpectFailure([&] { LoadSheetFromBytes(target, file(1100)); }, "more than 1024 properties");
    EXPECT_EQ(target.GetString(0, 0), QStringLiteral("old"));
}

TEST(XLSheetFileReader, SkipsPropertiesItDoesNotKnow)
{
    const QByteArray file = HandMadeFile([](TXLStreamWriter& w) {
        Name(w, "OnCellChanged");
        WriteFilerIdent(w, "XLSheet1CellChanged");
        Name(w, "Styler");
        WriteFilerIdent(w, "XLStyler1");
        Name(w, "Left");
        WriteFilerInteger(w, 120);
        Name(w, "Top");
        WriteFilerInteger(w, 48);
        Name(w, "SomeList");
        w.WriteByte(XLStream::vaList);
        WriteFilerInteger(w, 5);
        w.WriteByte(XLStream::vaExtended);
        w.WriteBytes(QByteArray(10, '\x01'));
        w.WriteByte(XLStream::vaWString);
        w.WriteInteger(2);
        w.WriteBytes(QByteArray("a\0b\0", 4));
        w.WriteByte(XLStream::vaNull);
        Name(w, "SomeCollection");
        w.WriteByte(XLStream::vaCollection);
        WriteFilerInteger(w, 0);
        w.WriteByte(XLStream::vaList);
        Name(w, "Caption");
        WriteFilerString(w, QStringLiteral("x"));
        w.WriteByte(XLStream::vaNull);
        w.WriteByte(XLStream::vaNull);
        Name(w, "SomeDouble");
        w.WriteByte(XLStream::vaDouble);
        w.WriteDouble(2.5);
        Name(w, "SomeSet");
        WriteFilerSet(w, {"a", "b"});
        Name(w, "Title");
        WriteFilerString(w, QStringLiteral("kept"));
    });
    TXLSheet target;
    LoadSheetFromBytes(target, file);
    EXPECT_EQ(target.GetTitle(), QStringLiteral("kept"));
    EXPECT_EQ(target.GetString(1, 1), QStringLiteral("body"));
}

TEST(XLSheetFileReader, RejectsWhatASheetFileCannotHoldBeforeChangingAnything)
{
    struct TCase {
        const char* Name;
        std::function<void(TXLStreamWriter&)> Props;
        const char* Message;
    };
    const TCase cases[] = {
        {"count as text",
         [](TXLStreamWriter& w) {
             Name(w, "ColCount");
             WriteFilerString(w, QStringLiteral("5"));
         },
         "property ColCount has a value of tag 6"},
        {"negative count",
         [](TXLStreamWriter& w) {
             Name(w, "RowCount");
             WriteFilerInteger(w, -1);
         },
         "property RowCount value -1"},
        {"count past the list limit",
         [](TXLStreamWriter& w) {
             Name(w, "TitleCols");
             WriteFilerInteger(w, 1048577);
         },
         "property TitleCols value 1048577"},
        {"unknown print mode",
         [](TXLStreamWriter& w) {
             Name(w, "PrintMode");
             WriteFilerIdent(w, "pmWide");
         },
         "print mode \"pmWide\""},
        {"unknown axis",
         [](TXLStreamWriter& w) {
             Name(w, "PrintTitles");
             WriteFilerSet(w, {"sCols", "sBody"});
         },
         "axis \"sBody\""},
        {"unknown tag",
         [](TXLStreamWriter& w) {
             Name(w, "Whatever");
             w.WriteByte(99);
         },
         "value tag 99 is unknown"},
        {"background that is no picture",
         [](TXLStreamWriter& w) {
             Name(w, "Background.Data");
             TXLStreamWriter picture;
             picture.WriteShortString(QByteArray("TBitmap"));
             picture.WriteInteger(3);
             picture.WriteBytes("BMx");
             WriteFilerBinary(w, picture.Data());
         },
         "Invalid TBitmap data!"},
        {"binary longer than the file",
         [](TXLStreamWriter& w) {
             Name(w, "Extra");
             w.WriteByte(XLStream::vaBinary);
             w.WriteInteger(1 << 20);
         },
         "value length 1048576"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TXLSheet target;
        target.SetString(0, 0, QStringLiteral("old"));
        ExpectFailure([&] { LoadSheetFromBytes(target, HandMadeFile(c.Props)); }, c.Message);
        EXPECT_EQ(target.GetString(0, 0), QStringLiteral("old"));
        EXPECT_EQ(target.GetColCount(), 5);
    }
}

TEST(XLSheetFileReader, OnlySheetsWithoutChildrenLoad)
{
    TXLSheet target;
    ExpectFailure([&] { LoadSheetFromBytes(target, HandMadeFile([](TXLStreamWriter&) {}, "TXLStyler")); },
                  "component of class \"TXLStyler\" is no sheet");
    QByteArray withChild = HandMadeFile([](TXLStreamWriter&) {});
    withChild.back() = 'T';
    ExpectFailure([&] { LoadSheetFromBytes(target, withChild); }, "holds no child components");
    ExpectFailure([&] { LoadSheetFromBytes(target, QByteArray("TPF1")); }, "no component stream");
    EXPECT_EQ(ComponentClassName(HandMadeFile([](TXLStreamWriter&) {}, "TButton")), QByteArray("TButton"));
}

TEST(XLSheetFileStream, ReadsFromTheDevicePositionAndStopsAfterTheComponent)
{
    TXLSheet source;
    source.SetString(2, 2, QStringLiteral("streamed"));
    QByteArray buffer("head");
    QBuffer device(&buffer);
    device.open(QIODevice::ReadWrite);
    device.seek(4);
    SaveSheetToStream(source, device);
    device.write("tail");
    device.seek(4);
    TXLSheet target;
    LoadSheetFromStream(target, device);
    EXPECT_EQ(target.GetString(2, 2), QStringLiteral("streamed"));
    EXPECT_EQ(device.read(4), QByteArray("tail"));
}

TEST(XLSheetFileFiles, SaveAndLoadByName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString name = dir.filePath(QStringLiteral("config1.ini"));
    TXLSheet source;
    source.SetString(1, 1, QString::fromUtf8("сохранено"));
    SaveSheetToFile(source, name);
    TXLSheet target;
    LoadSheetFromFile(target, name);
    EXPECT_EQ(target.GetString(1, 1), QString::fromUtf8("сохранено"));

    // The message names the file once and the cause.
    ExpectFailure([&] { LoadSheetFromFile(target, dir.filePath(QStringLiteral("missing.ini"))); },
                  "Cannot open file \"" + dir.filePath(QStringLiteral("missing.ini")).toStdString() +
                      "\": the folder does not exist");
    ExpectFailure([&] { SaveSheetToFile(source, dir.filePath(QStringLiteral("no/such/dir/x.ini"))); },
                  "Cannot create file \"" + dir.filePath(QStringLiteral("no/such/dir/x.ini")).toStdString() +
                      "\": the folder does not exist");
}

TEST(XLSheetFileFiles, FailedSaveKeepsThePreviousFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString name = dir.filePath(QStringLiteral("config2.ini"));
    TXLSheet small;
    SaveSheetToFile(small, name);
    QFile old(name);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QByteArray before = old.readAll();
    old.close();

    TXLSheet large;
    large.SetRowCount(200);
    for (int row = 0; row < 200; ++row)
        large.SetString(0, row, QStringLiteral("a row long enough to pass the file size limit"));
    // A full disk, as the process sees it: writes beyond the limit fail.
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit limit = oldLimit;
    limit.rlim_cur = static_cast<rlim_t>(before.size() + 100);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::string message;
    try {
        SaveSheetToFile(large, name);
    } catch (const ERAVazoError& e) {
        message = e.what();
    }
    setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(message, "Cannot write file \"" + name.toStdString() + "\": the file would be larger than allowed");

    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("config2.ini")});
}

// Writes the fuzz target's sheet file seeds when CALORIX_WRITE_CORPUS names
// a directory.
TEST(XLSheetFileCorpus, SeedsRoundTrip)
{
    const QByteArray dir = qgetenv("CALORIX_WRITE_CORPUS");
    std::vector<std::pair<QString, QByteArray>> seeds;
    for (const TXLCellClass* cellClass : CellClasses()) {
        auto sheet = MakeOneCellSheet(cellClass);
        seeds.emplace_back("file_" + cellClass->Name, SaveSheetToBytes(*sheet));
    }
    TXLStyler styler;
    FillStyler(styler);
    TXLSheet rich;
    FillRichSheet(rich, &styler);
    seeds.emplace_back(QStringLiteral("file_rich"), SaveSheetToBytes(rich));
    seeds.emplace_back(QStringLiteral("styles"), SaveStylesToBytes(styler));
    for (const auto& [name, seed] : seeds) {
        SCOPED_TRACE(name.toStdString());
        if (name != QStringLiteral("styles")) {
            TXLSheet copy;
            copy.SetStyler(&styler);
            LoadSheetFromBytes(copy, seed);
            EXPECT_EQ(SaveSheetToBytes(copy), seed);
        }
        if (!dir.isEmpty()) {
            QFile file(QDir(QString::fromLocal8Bit(dir)).filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(seed);
        }
    }
}

}  // namespace

namespace {

long PeakMemoryMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// 100 MB inputs take a while to make and read: run with CALORIX_SLOW_TESTS=1.
TEST(XLSheetFileLimits, EveryKindOf100MBFileLoadsOrIsRefusedInBoundedMemory)
{
    if (qEnvironmentVariableIntValue("CALORIX_SLOW_TESTS") != 1)
        GTEST_SKIP() << "set CALORIX_SLOW_TESTS=1 to run";
    using namespace HostileSheetFiles;
    constexpr qsizetype size = 100 << 20;
    const struct {
        TKind Kind;
        const char* Name;
        const char* Refusal;
    } cases[] = {
        {hTinyProperties, "tiny properties", "more than 1024 properties"},
        {hUnknownProperties, "unknown properties", "more than 1024 properties"},
        {hHugeString, "huge string", "Too large"},
        {hTinyCells, "tiny cells", "Too large"},
        {hEmptyItems, "empty items", "Too large"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TXLSheet target;
        {
            const QByteArray file = Make(c.Kind, size);
            ASSERT_GE(file.size(), size);
            ExpectFailure([&] { LoadSheetFromBytes(target, file); }, c.Refusal);
        }
        EXPECT_EQ(target.GetPeekCell(0, 0), nullptr);
        // The file itself takes 100 MiB of it.
        EXPECT_LT(PeakMemoryMiB(), 300);
    }
}

} // namespace
