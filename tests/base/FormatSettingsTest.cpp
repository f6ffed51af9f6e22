#include "base/FormatSettings.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatSettings, RussianLocaleUsesTheComma)
{
    const FormatSettings fs = FormatSettings::FromLocale(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_EQ(fs.DecimalSeparator, u',');
    EXPECT_NE(fs.ThousandSeparator, fs.DecimalSeparator);
    EXPECT_EQ(fs.DateSeparator, u'.');
    EXPECT_EQ(fs.TimeSeparator, u':');
    EXPECT_EQ(fs.ShortDateFormat, QStringLiteral("dd.mm.yyyy"));
    EXPECT_EQ(fs.ShortTimeFormat, QStringLiteral("HH:nn"));
}

TEST(FormatSettings, TwelveHourLocaleKeepsItsDayHalf)
{
    const FormatSettings fs = FormatSettings::FromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(fs.DecimalSeparator, u'.');
    EXPECT_EQ(fs.ThousandSeparator, u',');
    EXPECT_EQ(fs.ShortTimeFormat, QStringLiteral("h:nn ampm"));
    EXPECT_EQ(fs.TimeAMString, QStringLiteral("AM"));
}

TEST(FormatSettings, OverrideRestoresThePreviousSettings)
{
    const QChar before = CurrentFormatSettings().DecimalSeparator;
    const QChar other = before == u'.' ? u',' : u'.';
    {
        TFormatSettingsOverride o(FormatSettings::WithDecimalSeparator(other));
        EXPECT_EQ(CurrentFormatSettings().DecimalSeparator, other);
        EXPECT_EQ(CurrentFormatSettings().ThousandSeparator, before);
    }
    EXPECT_EQ(CurrentFormatSettings().DecimalSeparator, before);
}

} // namespace
