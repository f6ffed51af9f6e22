#include "base/MaskText.h"

#include <gtest/gtest.h>

namespace {

struct TRow {
    const char* Mask;
    const char* Text;
    const char* Expected;
};

void CheckRows(const TRow* begin, const TRow* end, const FormatSettings& fs)
{
    for (const TRow* row = begin; row != end; ++row) {
        SCOPED_TRACE(std::string(row->Mask) + " <- '" + row->Text + "'");
        EXPECT_EQ(FormatMaskText(QString::fromUtf8(row->Mask), QString::fromUtf8(row->Text), fs),
                  QString::fromUtf8(row->Expected));
    }
}

TEST(FormatMaskText, LiteralsNotSavedAreInserted)
{
    const TRow rows[] = {
        {"(000) 000-0000;0;_", "5551234567", "(555) 123-4567"},
        {"(000) 000-0000;0;_", "55512", "(555) 12 -    "},         // short: the rest blank
        {"(000) 000-0000;0;_", "", "(   )    -    "},
        {"(000) 000-0000;0;_", "555123456789", "(555) 123-456789"}, // long: kept at the end
        {"LL-99;0", "ab12", "ab-12"},
        {"AAA aaa;0", "x1yz2", "x1y z2 "},
        {"ccc;0", "a b", "a b"},
        {"000_000;0", "123456", "123 456"},                        // "_" is a space
        {"\\L\\00;0", "7", "L07"},                                  // escaped mask characters
        {"\\(00\\);0", "12", "(12)"},
        {"00\\;00;0", "1234", "12;34"},                            // an escaped ";" stays
        {"00\\", "12", "12"},                                       // a trailing "\" escapes nothing
        {"#99;0", "-12", "-12"},
    };
    CheckRows(std::begin(rows), std::end(rows), FormatSettings());
}

TEST(FormatMaskText, CaseConversion)
{
    const TRow rows[] = {
        {">LL<ll;0", "abCD", "ABcd"},
        {">L<>l;0", "aB", "AB"},          // "<>" stops converting
        {">L<L>L;0", "aBc", "AbC"},
        {">ccc;0", "äöü", "ÄÖÜ"},
        {"<cc;0", "ЖЯ", "жя"},
        {">L-LL;1", "a-bc", "A-BC"},
        {">00;0", "12345", "12345"},      // the surplus is kept as typed
        {">LL;0", "abcd", "ABcd"},
    };
    CheckRows(std::begin(rows), std::end(rows), FormatSettings());
}

TEST(FormatMaskText, ReversedMaskFillsFromTheEnd)
{
    const TRow rows[] = {
        {"!999;0", "5", "  5"},
        {"!999;0", "", "   "},
        {"!(999);0", "42", "( 42)"},
        {"!99-99;0", "123", " 1-23"},
        {"!99-99;0", "123456", "1234-56"}, // the surplus leads
        {"!99/99;1", "1/23", " 1/23"},    // saved literals: each field padded in front
    };
    CheckRows(std::begin(rows), std::end(rows), FormatSettings());
}

TEST(FormatMaskText, SavedLiteralsSplitTheTextIntoFields)
{
    const TRow rows[] = {
        {"00/00/0000;1;_", "12/03/2023", "12/03/2023"},
        {"00/00/0000;1;_", "1/3/2023", "1 /3 /2023"},     // short fields padded
        {"00/00/0000;1;_", "12032023", "12/03/2023"},     // no literals: placed in order
        {"00/00/0000;1;_", "12/032023", "12/03/2023"},    // the literals that are missing
        {"00/00/0000", "12/03/2023", "12/03/2023"},       // literals are saved by default
        {"00/00/0000", "123/4/5", "123/4 /5   "},         // a long field keeps its characters
        {"(000) 000-0000;1", "(555) 123-4567", "(555) 123-4567"},
        {"(000) 000-0000;1", "(555) 12-", "(555) 12 -    "},
        {"(000);1", "(12)xyz", "(12 )xyz"},               // text after the last literal stays
        {"00-00", "", "  -  "},
    };
    CheckRows(std::begin(rows), std::end(rows), FormatSettings());
}

TEST(FormatMaskText, SeparatorsComeFromTheLocale)
{
    FormatSettings fs;
    fs.DateSeparator = u'.';
    fs.TimeSeparator = u'-';
    const TRow rows[] = {
        {"00/00/0000;0", "15032023", "15.03.2023"},
        {"00:00;0", "1230", "12-30"},
        {"00/00/0000;1", "15.03.2023", "15.03.2023"},
        {"00/00/0000;1", "15/03/2023", "15./0.3/2023"}, // "/" is not the separator here
        {"\\/\\:00;0", "12", "/:12"},                    // escaped: the characters themselves
    };
    CheckRows(std::begin(rows), std::end(rows), fs);
}

TEST(FormatMaskText, EmptyMaskLeavesTheText)
{
    const FormatSettings fs;
    EXPECT_EQ(FormatMaskText(QString(), QStringLiteral("abc"), fs), QStringLiteral("abc"));
    EXPECT_EQ(FormatMaskText(QStringLiteral(";0;*"), QStringLiteral("abc"), fs), QStringLiteral("abc"));
    EXPECT_EQ(FormatMaskText(QStringLiteral("!><"), QStringLiteral("abc"), fs), QStringLiteral("abc"));
}

TEST(EditMask, Sections)
{
    const TEditMask plain(QStringLiteral("000"));
    EXPECT_TRUE(plain.SaveLiterals());
    EXPECT_EQ(plain.Blank(), u'_');
    EXPECT_FALSE(plain.Reversed());
    EXPECT_EQ(plain.Positions().size(), 3u);

    const TEditMask unsaved(QStringLiteral("!>0-0;0;*"));
    EXPECT_FALSE(unsaved.SaveLiterals());
    EXPECT_EQ(unsaved.Blank(), u'*');
    EXPECT_TRUE(unsaved.Reversed());
    ASSERT_EQ(unsaved.Positions().size(), 3u);
    EXPECT_EQ(unsaved.Positions()[0].Case, TEditMask::TCase::Upper);
    EXPECT_EQ(unsaved.Positions()[1].Kind, TEditMask::TKind::Literal);

    EXPECT_TRUE(TEditMask(QStringLiteral("00;1;_")).SaveLiterals());
    EXPECT_TRUE(TEditMask(QStringLiteral("00;;_")).SaveLiterals());
    EXPECT_EQ(TEditMask(QStringLiteral("00;0;")).Blank(), u'_'); // empty third section: the default
    EXPECT_EQ(TEditMask(QStringLiteral("00\\;0")).Positions().size(), 4u);
    EXPECT_TRUE(TEditMask(QStringLiteral("00\\;0")).SaveLiterals());
}

} // namespace
