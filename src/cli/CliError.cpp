#include "cli/CliError.h"

#include <cstdio>

namespace {

std::string HexEscape(unsigned char byte)
{
    char buf[5];
    std::snprintf(buf, sizeof buf, "\\x%02X", byte);
    return buf;
}

// The length of the well-formed UTF-8 character at text[i], or 0.
size_t Utf8Length(const std::string& text, size_t i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t n = 0;
    unsigned min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2;
        min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3;
        min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > text.size())
        return 0;
    unsigned code = lead & (0xFF >> (n + 1));
    for (size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and code points past Unicode are no text.
    if (code < min || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    // C1 controls are as unsafe on a terminal as C0 ones, and the bidi
    // controls can make a line read differently from what it holds.
    if ((code >= 0x80 && code <= 0x9F) || (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069))
        return 0;
    return n;
}

} // namespace

std::string CliQuote(const std::string& text)
{
    std::string out = "'";
    int shown = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (shown == CliQuoteLimit) {
            out += "...";
            break;
        }
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\'' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else if (const size_t n = c >= 0x80 ? Utf8Length(text, i) : 0) {
            out.append(text, i, n);
            i += n;
            ++shown;
            continue;
        } else {
            out += HexEscape(c); // C0 controls, DEL, bytes that are not UTF-8
        }
        ++i;
        ++shown;
    }
    return out + "'";
}
