#include "shell/windows1252.h"

#include <array>
#include <cstdint>

namespace csp {
namespace {

// Code points of the bytes 0x80-0x9F; the five bytes the code page leaves
// unassigned keep the C1 control of the same number.
constexpr std::array<char32_t, 32> highControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePointOf(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? highControls[byte - 0x80] : byte;
}

void appendUtf8(std::string& out, char32_t c) {
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

// The least code point each length of UTF-8 sequence may encode.
constexpr std::array<char32_t, 5> leastOfLength = {0, 0, 0x80, 0x800, 0x10000};

char byteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < highControls.size(); ++i)
        if (highControls[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string utf8ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
            out += '?';
            ++i;
            continue;
        }
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        bool wellFormed = true;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            wellFormed = wellFormed && (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        // An overlong form ("\xC0\xAE" for '.'), a surrogate or a code
        // point past U+10FFFF is malformed too, byte by byte.
        wellFormed = wellFormed && c >= leastOfLength[length] && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        out += wellFormed ? byteOf(c) : '?';
        i += wellFormed ? static_cast<std::size_t>(length) : 1;
    }
    return out;
}

}  // namespace csp
