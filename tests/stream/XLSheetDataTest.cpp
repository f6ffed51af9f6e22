#include "stream/XLSheetData.h"
#include "stream/XLStreamFormat.h"

#include "support/QtTestEnvironment.h"
#include "StreamSamples.h"
#include "StreamTestSupport.h"
#include "support/FakeSheetUser.h"
#include "sheet/TXLInfoList.h"
#include "sheet/TXLManager.h"
#include "sheet/TXLUnion.h"
#include "stream/TXLLoadBudget.h"
#include "stream/TXLStreamReader.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using namespace StreamSamples;
using namespace StreamTest;

// A sheet with the counts of the rich sample, ready to read its stream.
void MakeRichCounts(TXLSheet& sheet)
{
    sheet.SetColCount(7);
    sheet.SetRowCount(9);
    sheet.SetTitleCols(1);
    sheet.SetTitleRows(2);
}

class XLSheetDataTest : public testing::Test {
protected:
    void SetUp() override
    {
        FillStyler(styler);
        FillRichSheet(rich, &styler);
        bytes = SaveSheetDataToBytes(rich);
    }

    TXLStyler styler;
    TXLSheet rich;
    QByteArray bytes;
};

TEST_F(XLSheetDataTest, RichSheetRoundTripsToIdenticalBytesAndContent)
{
    EXPECT_FALSE(rich.GetModified());
    TXLSheet copy;
    MakeRichCounts(copy);
    copy.SetStyler(&styler);
    LoadSheetDataFromBytes(copy, bytes);
    EXPECT_EQ(SaveSheetDataToBytes(copy), bytes);

    EXPECT_EQ(copy.GetString(0, 0), QString::fromUtf8("Давление, бар"));
    EXPECT_EQ(copy.GetCell(0, 0)->GetHint(), QString::fromUtf8("Абсолютное давление"));
    EXPECT_EQ(copy.GetCell(0, 0)->GetFont()->GetColor(), clMaroon);
    EXPECT_EQ(copy.GetCell(0, 0)->GetIndent(), 3);
    EXPECT_EQ(copy.GetInteger(1, 0), 1);
    EXPECT_EQ(static_cast<TXLStrings*>(copy.GetObject(1, 0))->Items.size(), 3);
    EXPECT_EQ(copy.GetInteger(2, 0), -42);
    EXPECT_EQ(copy.GetCell(2, 0)->GetFormat(), QStringLiteral("0|s"));
    EXPECT_EQ(copy.GetFloat(3, 0), 3.25);
    EXPECT_EQ(copy.GetCell(3, 0)->GetFormat(), QString::fromUtf8("0.000 \"кг\""));
    EXPECT_EQ(copy.GetCurrency(4, 0), 12345678);
    EXPECT_EQ(copy.GetDateTime(5, 0), 45000.75);
    EXPECT_TRUE(copy.GetBoolean(6, 0));
    EXPECT_EQ(static_cast<TXLPicture*>(copy.GetObject(0, 1))->GetData(),
              static_cast<TXLPicture*>(rich.GetObject(0, 1))->GetData());
    EXPECT_EQ(static_cast<TXLPicture*>(copy.GetObject(6, 1))->GetGraphicClass(), QStringLiteral("TJPEGImage"));
    EXPECT_EQ(copy.GetCellClass(1, 1), TXLCUrl::StaticClass());
    EXPECT_EQ(static_cast<TXLCGroup*>(copy.GetCell(2, 1))->GetVisibilities(), (std::vector<int32_t>{1, 0, 1}));
    auto* formula = static_cast<TXLCFormula*>(copy.GetCell(3, 1));
    EXPECT_EQ(formula->GetFormula(), QStringLiteral("2*3.5"));
    EXPECT_EQ(formula->GetDouble(), 7.0);

    EXPECT_EQ(copy.GetCell(0, 2)->GetBasedOn(), styler.GetStyleByIndex(1));
    EXPECT_EQ(copy.GetCell(0, 2)->GetFormat(), QStringLiteral("0.00"));
    EXPECT_EQ(copy.GetCell(1, 2)->GetBasedOn(), styler.GetStyleByIndex(0));
    EXPECT_TRUE(copy.GetCell(1, 2)->GetFont()->GetStyle().Contains(fsBold));

    EXPECT_EQ(copy.GetPeekCell(2, 5), copy.GetCell(0, 4));
    EXPECT_EQ(copy.GetSection(sClient)->GetUnionCount(), 2);
    EXPECT_EQ(copy.GetCellSize(2, sCols), 80);
    EXPECT_EQ(copy.GetCellSize(-1, sCols), 40);
    EXPECT_FALSE(copy.GetCellVisible(5, sCols));
    EXPECT_EQ(copy.GetInvCellSize(5, sCols), 70);
    EXPECT_EQ(copy.GetCell(3, 3)->GetColor(), clAqua);
    EXPECT_TRUE(copy.GetCell(6, 8)->GetStyles().Contains(csReadOnly));
    EXPECT_EQ(copy.GetString(-1, -2), QString::fromUtf8("№"));
    EXPECT_EQ(copy.GetBaseClientStyle()->GetErrorColor(), clFuchsia);
    EXPECT_EQ(copy.GetBaseClientStyle()->GetFrame(), frFlatDown);
    EXPECT_EQ(copy.GetBaseTitleStyle()->GetLinesColor(), clGray);
    EXPECT_FALSE(copy.GetModified());
}

TEST_F(XLSheetDataTest, OneCellSheetOfEveryClassRoundTrips)
{
    for (const TXLCellClass* cellClass : CellClasses()) {
        SCOPED_TRACE(cellClass->Name.toStdString());
        auto sheet = MakeOneCellSheet(cellClass);
        const QByteArray saved = SaveSheetDataToBytes(*sheet);
        TXLSheet copy;
        MakeBodyOnly(copy, 1, 1);
        LoadSheetDataFromBytes(copy, saved);
        EXPECT_EQ(copy.GetCellClass(0, 0), cellClass);
        EXPECT_TRUE(copy.GetValue(0, 0) == sheet->GetValue(0, 0));
        EXPECT_EQ(SaveSheetDataToBytes(copy), saved);
    }
}

TEST_F(XLSheetDataTest, WithoutStylerTheStyleIndicesAreDropped)
{
    TXLSheet copy;
    MakeRichCounts(copy);
    LoadSheetDataFromBytes(copy, bytes);
    EXPECT_EQ(copy.GetCell(0, 2)->GetBasedOn(), nullptr);
    EXPECT_FALSE(copy.GetCell(0, 2)->GetProps().Contains(prBasedOn));
    EXPECT_EQ(copy.GetFloat(0, 2), 0.5);
}

TEST_F(XLSheetDataTest, StyleIndexBeyondTheStylerGivesNoStyle)
{
    TXLStyler small;
    small.Add(QStringLiteral("only"));
    TXLSheet copy;
    MakeRichCounts(copy);
    copy.SetStyler(&small);
    LoadSheetDataFromBytes(copy, bytes);
    EXPECT_EQ(copy.GetCell(0, 2)->GetBasedOn(), nullptr);
    EXPECT_EQ(copy.GetCell(1, 2)->GetBasedOn(), small.GetStyleByIndex(0));
}

TEST_F(XLSheetDataTest, EveryTruncatedPrefixFailsCleanlyAndLeavesTheSheetEmpty)
{
    TXLSheet target;
    MakeRichCounts(target);
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        target.GetCell(0, 0)->SetString(QStringLiteral("old"));
        EXPECT_THROW(LoadSheetDataFromBytes(target, QByteArrayView(bytes).first(n)), ERAVazoError);
        for (const TXLSector sector : {sCols, sRows, sTitle, sClient}) {
            EXPECT_TRUE(target.GetSection(sector)->Empty());
            EXPECT_EQ(target.GetSection(sector)->GetUnionCount(), 0);
        }
        EXPECT_FALSE(target.GetModified());
        EXPECT_EQ(target.GetUpdateCount(), 0);
    }
}

TEST_F(XLSheetDataTest, LoadingTellsTheUsersOnceAndRunsNoCellEvents)
{
    TXLSheet copy;
    MakeRichCounts(copy);
    copy.GetBaseClientStyle()->SetStyles({csNotify});
    int changes = 0;
    copy.OnCellChanged = [&changes](void*, TPoint) { ++changes; };
    FakeSheetUser user(&copy);
    LoadSheetDataFromBytes(copy, bytes);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(user.CountOf(TUserCall::LockUpdate), 1);
    EXPECT_EQ(user.CountOf(TUserCall::UnlockUpdate), 1);
    EXPECT_EQ(user.CountOf(TUserCall::InvalidateAll), 1);
    EXPECT_EQ(user.CountOf(TUserCall::InvalidateArea), 0);
    EXPECT_GE(user.CountOf(TUserCall::SheetSizeChanged), 1);
    EXPECT_EQ(user.CountOf(TUserCall::ResetSelection), 1);
    // The handler is back.
    copy.GetCell(0, 0)->SetStyles({csNotify});
    copy.SetString(0, 0, QStringLiteral("edited"));
    EXPECT_EQ(changes, 1);
}

TEST_F(XLSheetDataTest, WrongMagicEmptiesTheSheetWithTheEngineMessage)
{
    TXLSheet copy;
    MakeRichCounts(copy);
    LoadSheetDataFromBytes(copy, bytes);
    QByteArray wrong = bytes;
    wrong[2] = 'X';
    ExpectFailure([&] { LoadSheetDataFromBytes(copy, wrong); }, "Unknown RAVazo stream format!");
    EXPECT_TRUE(copy.GetSection(sClient)->Empty());
    EXPECT_EQ(copy.GetPeekCell(0, 0), nullptr);
}

TEST_F(XLSheetDataTest, VersionByteIsIgnored)
{
    QByteArray other = bytes;
    other[3] = 0x15;
    TXLSheet copy;
    MakeRichCounts(copy);
    copy.SetStyler(&styler);
    LoadSheetDataFromBytes(copy, other);
    EXPECT_EQ(SaveSheetDataToBytes(copy), bytes);
}

TEST(XLSheetDataLayout, BodyOnlySheetWritesOnlyTheClientSection)
{
    TXLSheet sheet;
    MakeBodyOnly(sheet, 1, 1);
    sheet.GetCell(0, 0);
    const QByteArray saved = SaveSheetDataToBytes(sheet);
    // A text cell that holds nothing is a record of 4 + 2 + 4 bytes.
    const QByteArray section = StreamWithSection([](TXLStreamWriter& w) {
        w.WriteInteger(2);
        w.WriteInteger(0);
        w.WriteInteger(0);
        w.WriteInteger(946);
        w.WriteInteger(10);
        w.WriteWord(0);
        w.WriteInteger(0);
        w.WriteInteger(-1);
        w.WriteInteger(-1);
    });
    EXPECT_EQ(saved, section);
}

TEST(XLSheetDataLayout, FormattingOnlySheetHasNoCellTableAndDefaultSizesNoSizeList)
{
    TXLSheet sheet;
    MakeBodyOnly(sheet, 1, 1);
    sheet.GetSection(sClient)->SetAreaInfo(Rect(0, 0, 1, 1), ciColor, clRed);
    const QByteArray saved = SaveSheetDataToBytes(sheet);
    const QByteArray expected = StreamWithSection([](TXLStreamWriter& w) {
        w.WriteInteger(1 << (2 + siColor));
        w.WriteInteger(1);             // one inner list
        w.WriteInteger(0);             // row 0
        w.WriteByte(0);
        w.WriteInteger(0);             // count
        w.WriteInteger(1);             // one block
        w.WriteInteger(0);
        w.WriteInteger(static_cast<int32_t>(clRed) + 1);
        for (int i = 1; i < 16; ++i)
            w.WriteInteger(0);
    });
    EXPECT_EQ(saved, expected);

    TXLSheet copy;
    MakeBodyOnly(copy, 1, 1);
    LoadSheetDataFromBytes(copy, saved);
    EXPECT_EQ(copy.GetSection(sClient)->GetInfoList(siColor)->Read(0, 0), static_cast<int32_t>(clRed));
}

TEST(XLSheetDataReader, UnknownClassCodeIsSkippedAndTheNextCellLoads)
{
    const QByteArray stream = StreamWithSection([](TXLStreamWriter& w) {
        w.WriteInteger(2);
        w.WriteInteger(1);
        w.WriteInteger(0);
        w.WriteInteger(12345);  // no class sums to this
        w.WriteRecord([&] { w.WriteBytes("whatever it holds"); });
        w.WriteInteger(2);
        w.WriteInteger(946);
        w.WriteRecord([&] {
            w.WriteWord(0);
            w.WriteString(QStringLiteral("kept"));
        });
        w.WriteInteger(-1);
        w.WriteInteger(-1);
    });
    TXLSheet sheet;
    MakeBodyOnly(sheet);
    LoadSheetDataFromBytes(sheet, stream);
    EXPECT_EQ(sheet.GetPeekCell(0, 1), nullptr);
    EXPECT_EQ(sheet.GetString(2, 1), QStringLiteral("kept"));
}

TEST(XLSheetDataReader, RecordsAreLeftAtTheirLengthWhateverTheBodyRead)
{
    const QByteArray stream = StreamWithSection([](TXLStreamWriter& w) {
        w.WriteInteger(2);
        w.WriteInteger(0);
        // Fields a newer writer appended.
        w.WriteInteger(0);
        w.WriteInteger(1033);
        w.WriteRecord([&] {
            w.WriteWord(0);
            w.WriteInteger(17);
            w.WriteDouble(1.5);
        });
        // A text that claims more bytes than its record has.
        w.WriteInteger(1);
        w.WriteInteger(946);
        w.WriteRecord([&] {
            w.WriteWord(0);
            w.WriteInteger(1000);
            w.WriteBytes("abc");
        });
        w.WriteInteger(2);
        w.WriteInteger(1033);
        w.WriteRecord([&] {
            w.WriteWord(0);
            w.WriteInteger(5);
        });
        w.WriteInteger(-1);
        w.WriteInteger(-1);
    });
    TXLSheet sheet;
    MakeBodyOnly(sheet);
    LoadSheetDataFromBytes(sheet, stream);
    EXPECT_EQ(sheet.GetInteger(0, 0), 17);
    EXPECT_EQ(sheet.GetCellClass(1, 0), TXLCString::StaticClass());
    EXPECT_EQ(sheet.GetString(1, 0), QString());
    EXPECT_EQ(sheet.GetInteger(2, 0), 5);
}

TEST(XLSheetDataReader, LyingLengthsCountsAndIndicesStopTheLoad)
{
    struct TCase {
        const char* Name;
        std::function<void(TXLStreamWriter&)> Section;
        const char* Message;
    };
    const auto cell = [](TXLStreamWriter& w, int32_t length) {
        w.WriteInteger(2);
        w.WriteInteger(0);
        w.WriteInteger(0);
        w.WriteInteger(946);
        w.WriteInteger(length);
        w.WriteWord(0);
        w.WriteInteger(0);
        w.WriteInteger(-1);
        w.WriteInteger(-1);
    };
    const TCase cases[] = {
        {"record longer than the data", [&](TXLStreamWriter& w) { cell(w, 100); }, "record length 100"},
        {"record shorter than its head", [&](TXLStreamWriter& w) { cell(w, 3); }, "record length 3"},
        {"negative record length", [&](TXLStreamWriter& w) { cell(w, -10); }, "record length -10"},
        {"unknown section bits", [](TXLStreamWriter& w) { w.WriteInteger(0x400); }, "section mask 1024"},
        {"merged areas beyond the data",
         [](TXLStreamWriter& w) {
             w.WriteInteger(1);
             w.WriteInteger(1000);
         },
         "merged area count 1000"},
        {"negative merged area count",
         [](TXLStreamWriter& w) {
             w.WriteInteger(1);
             w.WriteInteger(-1);
         },
         "merged area count -1"},
        {"merged area of one position",
         [](TXLStreamWriter& w) {
             w.WriteInteger(1);
             w.WriteInteger(1);
             for (const int v : {0, 0, 1, 1})
                 w.WriteInteger(v);
         },
         "merged area (0, 0, 1, 1)"},
        {"merged area past the index limit",
         [](TXLStreamWriter& w) {
             w.WriteInteger(1);
             w.WriteInteger(1);
             for (const int v : {0, 0, 2, 1048577})
                 w.WriteInteger(v);
         },
         "is not an area"},
        {"merged area wider than a cell can be",
         [](TXLStreamWriter& w) {
             w.WriteInteger(1);
             w.WriteInteger(1);
             for (const int v : {0, 0, 65536, 1})
                 w.WriteInteger(v);
         },
         "merged area (0, 0, 65536, 1)"},
        {"negative row",
         [](TXLStreamWriter& w) {
             w.WriteInteger(2);
             w.WriteInteger(-2);
         },
         "row -2"},
        {"column past the index limit",
         [](TXLStreamWriter& w) {
             w.WriteInteger(2);
             w.WriteInteger(0);
             w.WriteInteger(1048576);
         },
         "column 1048576"},
        {"cell table without its end", [](TXLStreamWriter& w) { w.WriteInteger(2); }, "integer of 4 bytes"},
        {"inner lists beyond the data",
         [](TXLStreamWriter& w) {
             w.WriteInteger(1 << (2 + siColor));
             w.WriteInteger(50);
         },
         "inner list count 50"},
        {"negative list count",
         [](TXLStreamWriter& w) {
             w.WriteInteger(1 << (2 + siColor));
             w.WriteInteger(1);
             w.WriteInteger(0);
             w.WriteByte(0);
             w.WriteInteger(-5);
             w.WriteInteger(0);
         },
         "list count -5"},
        {"blocks beyond the data",
         [](TXLStreamWriter& w) {
             w.WriteInteger(1 << (2 + siColor));
             w.WriteInteger(1);
             w.WriteInteger(0);
             w.WriteByte(0);
             w.WriteInteger(0);
             w.WriteInteger(3);
         },
         "block count 3"},
        {"block number past the limit",
         [](TXLStreamWriter& w) {
             w.WriteInteger(1 << (2 + siColor));
             w.WriteInteger(1);
             w.WriteInteger(0);
             w.WriteByte(0);
             w.WriteInteger(0);
             w.WriteInteger(1);
             w.WriteInteger(65536);
             for (int i = 0; i < 16; ++i)
                 w.WriteInteger(0);
         },
         "block number 65536"},
        {"frame that does not exist",
         [](TXLStreamWriter& w) {
             w.WriteInteger(1 << (2 + siFrame));
             w.WriteInteger(1);
             w.WriteInteger(0);
             w.WriteByte(0);
             w.WriteInteger(0);
             w.WriteInteger(1);
             w.WriteInteger(0);
             w.WriteInteger(frBevelDown + 2);
             for (int i = 1; i < 16; ++i)
                 w.WriteInteger(0);
         },
         "impossible value 8"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TXLSheet sheet;
        MakeBodyOnly(sheet);
        ExpectFailure([&] { LoadSheetDataFromBytes(sheet, StreamWithSection(c.Section)); }, c.Message);
    }
}

TEST(XLSheetDataReader, ErrorsNameTheByteOffset)
{
    const QByteArray stream = StreamWithSection([](TXLStreamWriter& w) { w.WriteInteger(0x800); });
    TXLSheet sheet;
    MakeBodyOnly(sheet);
    ExpectFailure([&] { LoadSheetDataFromBytes(sheet, stream); },
                  "at byte " + std::to_string(stream.size() - 4) + ": section mask");
}

TEST(XLSheetDataReader, FarBlocksInManyListsSpendTheBudget)
{
    // Each inner list names block 65535, which costs a directory of 65,536
    // entries: a few hundred of them pass any sheet this program saves.
    const int lists = 600;
    const QByteArray stream = StreamWithSection([&](TXLStreamWriter& w) {
        w.WriteInteger(1 << (2 + siColor));
        w.WriteInteger(lists);
        for (int i = 0; i < lists; ++i) {
            w.WriteInteger(i);
            w.WriteByte(0);
            w.WriteInteger(0);
            w.WriteInteger(1);
            w.WriteInteger(65535);
            for (int s = 0; s < 16; ++s)
                w.WriteInteger(s == 15 ? 1 : 0);
        }
    });
    TXLSheet sheet;
    MakeBodyOnly(sheet);
    ExpectFailure([&] { LoadSheetDataFromBytes(sheet, stream); }, "bytes of memory");
    EXPECT_TRUE(sheet.GetSection(sClient)->GetInfoList(siColor)->Empty());
}

TEST(XLSheetDataReader, ALaterMergedAreaReplacesTheOneItOverlaps)
{
    const QByteArray stream = StreamWithSection([](TXLStreamWriter& w) {
        w.WriteInteger(1);
        w.WriteInteger(2);
        for (const int v : {0, 0, 2, 2, 1, 1, 3, 3})
            w.WriteInteger(v);
    });
    TXLSheet sheet;
    MakeBodyOnly(sheet);
    LoadSheetDataFromBytes(sheet, stream);
    TXLSection& section = *sheet.GetSection(sClient);
    ASSERT_EQ(section.GetUnionCount(), 1);
    EXPECT_EQ(section.GetUnion(0)->GetBounds(), Rect(1, 1, 3, 3));
}

TEST(XLSheetDataReader, MergedAreasAreBoundedPerSection)
{
    // 4097 disjoint 2 x 1 areas: one more than a section may hold.
    const int count = XLStream::MaxUnions + 1;
    const QByteArray stream = StreamWithSection([count](TXLStreamWriter& w) {
        w.WriteInteger(XLStream::SectionUnions);
        w.WriteInteger(count);
        for (int i = 0; i < count; ++i)
            for (const int v : {0, i, 2, i + 1})
                w.WriteInteger(v);
    });
    TXLSheet sheet;
    MakeBodyOnly(sheet, 2, count);
    ExpectFailure([&] { LoadSheetDataFromBytes(sheet, stream); }, "merged area count 4097");

    // The writer refuses what the reader would refuse, instead of leaving a
    // file that cannot be read back.
    TXLSheet big;
    MakeBodyOnly(big, 2, count);
    TXLSection& section = *big.GetSection(sClient);
    for (int i = 0; i < count; ++i)
        section.AddUnion(TRect{}, nullptr)->PutBounds(Rect(0, i, 2, i + 1));
    ExpectFailure([&] { SaveSheetDataToBytes(big); }, "Too many merged areas");
}

// Writes the fuzz target's seed corpus when CALORIX_WRITE_CORPUS names a
// directory (the samples are the round trips checked above).
TEST(XLSheetDataCorpus, SeedsRoundTrip)
{
    const QByteArray dir = qgetenv("CALORIX_WRITE_CORPUS");
    for (const TXLCellClass* cellClass : CellClasses()) {
        SCOPED_TRACE(cellClass->Name.toStdString());
        auto sheet = MakeOneCellSheet(cellClass);
        const QByteArray saved = SaveSheetDataToBytes(*sheet);
        TXLSheet copy;
        MakeBodyOnly(copy, 1, 1);
        LoadSheetDataFromBytes(copy, saved);
        ASSERT_EQ(SaveSheetDataToBytes(copy), saved);
        if (!dir.isEmpty()) {
            QFile file(QDir(QString::fromLocal8Bit(dir)).filePath("data_" + cellClass->Name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(saved);
        }
    }
}

}  // namespace
