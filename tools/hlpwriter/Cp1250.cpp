#include "Cp1250.h"

#include <cstdint>
#include <cstdio>

namespace hlp {
namespace {

struct Mapping {
    char32_t codePoint;
    unsigned char byte;
};

// Czech and Slovak letters and the punctuation a Czech text uses; the rest of
// the code page is never needed by our help and is refused rather than guessed.
// clang-format off
constexpr Mapping kTable[] = {
    {U'\u00A0', 0xA0}, {U'§', 0xA7}, {U'«', 0xAB}, {U'°', 0xB0}, {U'»', 0xBB},
    {U'×', 0xD7}, {U'÷', 0xF7}, {U'€', 0x80},
    {U'‚', 0x82}, {U'„', 0x84}, {U'…', 0x85}, {U'‘', 0x91}, {U'’', 0x92},
    {U'“', 0x93}, {U'”', 0x94}, {U'•', 0x95}, {U'–', 0x96}, {U'—', 0x97},
    {U'Á', 0xC1}, {U'á', 0xE1}, {U'Ä', 0xC4}, {U'ä', 0xE4}, {U'Č', 0xC8}, {U'č', 0xE8},
    {U'Ď', 0xCF}, {U'ď', 0xEF}, {U'É', 0xC9}, {U'é', 0xE9}, {U'Ě', 0xCC}, {U'ě', 0xEC},
    {U'Í', 0xCD}, {U'í', 0xED}, {U'Ĺ', 0xC5}, {U'ĺ', 0xE5}, {U'Ľ', 0xBC}, {U'ľ', 0xBE},
    {U'Ň', 0xD2}, {U'ň', 0xF2}, {U'Ó', 0xD3}, {U'ó', 0xF3}, {U'Ô', 0xD4}, {U'ô', 0xF4},
    {U'Ö', 0xD6}, {U'ö', 0xF6}, {U'Ŕ', 0xC0}, {U'ŕ', 0xE0}, {U'Ř', 0xD8}, {U'ř', 0xF8},
    {U'Š', 0x8A}, {U'š', 0x9A}, {U'Ť', 0x8D}, {U'ť', 0x9D}, {U'Ú', 0xDA}, {U'ú', 0xFA},
    {U'Ů', 0xD9}, {U'ů', 0xF9}, {U'Ü', 0xDC}, {U'ü', 0xFC}, {U'Ý', 0xDD}, {U'ý', 0xFD},
    {U'Ž', 0x8E}, {U'ž', 0x9E},
};
// clang-format on

std::string Describe(char32_t c)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

// Decodes one UTF-8 sequence at `i`; returns false for a malformed one.
bool NextCodePoint(std::string_view s, std::size_t& i, char32_t& c)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    int extra = 0;
    if (lead < 0x80) {
        c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        c = lead & 0x1F;
        extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        c = lead & 0x0F;
        extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        c = lead & 0x07;
        extra = 3;
    } else {
        return false;
    }
    if (i + extra >= s.size())
        return false;
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (b & 0x3F);
    }
    // Overlong forms and surrogates are not text.
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMinimum[extra] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        return false;
    i += extra + 1;
    return true;
}

}  // namespace

bool EncodeCp1250(std::string_view utf8, std::string& out, std::string& error)
{
    out.clear();
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = 0;
        if (!NextCodePoint(utf8, i, c)) {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "malformed UTF-8 (byte 0x%02X)",
                static_cast<unsigned>(static_cast<unsigned char>(utf8[i])));
            error = buffer;
            return false;
        }
        if (c < 0x20 && c != U'\t') {
            error = "control character " + Describe(c);
            return false;
        }
        if (c < 0x80) {
            out += static_cast<char>(c == U'\t' ? U' ' : c);
            continue;
        }
        bool found = false;
        for (const Mapping& m : kTable) {
            if (m.codePoint == c) {
                out += static_cast<char>(m.byte);
                found = true;
                break;
            }
        }
        if (!found) {
            error = "character " + Describe(c) + " has no place in Windows-1250";
            return false;
        }
    }
    return true;
}

std::string DecodeCp1250(std::string_view cp1250)
{
    std::string out;
    for (const char byte : cp1250) {
        const auto b = static_cast<unsigned char>(byte);
        char32_t c = b < 0x80 ? b : U'\uFFFD';
        for (const Mapping& m : kTable) {
            if (m.byte == b)
                c = m.codePoint;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace hlp
