#include "cli/CliError.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CliQuote, QuotesEscapesAndCuts)
{
    const std::string sixty(60, 'a');
    std::string cyrillic;
    for (int i = 0; i < 61; ++i)
        cyrillic += "ж";
    const struct {
        std::string Text;
        std::string Quoted;
    } rows[] = {
        {"bar", "'bar'"},
        {"", "''"},
        {"it's a\\b", "'it\\'s a\\\\b'"},
        {"a\nb\tc\rd", "'a\\nb\\tc\\rd'"},
        {"\x1b[31m\x7f", "'\\x1B[31m\\x7F'"},
        {std::string("a\0b", 3), "'a\\x00b'"},
        {"бар °С", "'бар °С'"},                   // UTF-8 text stays
        {"\xd0", "'\\xD0'"},                      // a cut UTF-8 sequence
        {"\xc0\xaf", "'\\xC0\\xAF'"},             // an overlong form
        {"\xed\xa0\x80", "'\\xED\\xA0\\x80'"},    // a surrogate
        {"\xc2\x9b" "1m", "'\\xC2\\x9B1m'"},      // a C1 control
        {"\xe2\x80\xae" "x", "'\\xE2\\x80\\xAEx'"}, // a bidi override
        {sixty, "'" + sixty + "'"},
        {sixty + "b", "'" + sixty + "...'"},
        {cyrillic, "'" + cyrillic.substr(0, 120) + "...'"}, // characters, not bytes
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.Quoted);
        EXPECT_EQ(CliQuote(r.Text), r.Quoted);
    }
}

} // namespace
