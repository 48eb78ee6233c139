// The Windows-1252 conversions on any bytes: no crash; every byte comes
// back from UTF-8; UTF-8 that Windows-1252 can hold comes back whole;
// anything else, malformed UTF-8 included, becomes '?', byte by byte for
// malformed bytes.

#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "shell/windows1252.h"

namespace {

// The code points of the bytes 0x80-0x9F, from the code page's table.
constexpr char32_t highControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a code point, or '?' when the code page has none.
char byteOf(char32_t c, bool& representable) {
    representable = true;
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (highControls[i] == c) return static_cast<char>(0x80 + i);
    representable = false;
    return '?';
}

// The length of the well-formed UTF-8 sequence at `at` (the Unicode
// standard's table of well-formed byte sequences), or 0.
int sequenceAt(const std::string& text, std::size_t at, char32_t& c) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    int length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead < 0x80) length = 1;
    else if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) return 0;
    c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(static_cast<std::size_t>(k));
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return 0;
        c = (c << 6) | (next & 0x3F);
    }
    return length;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const std::string utf8 = csp::windows1252ToUtf8(bytes);
    if (csp::utf8ToWindows1252(utf8) != bytes) csp::fuzz::fail("Windows-1252 bytes do not come back from UTF-8");
    char32_t c = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const int length = sequenceAt(utf8, at, c);
        if (length == 0) csp::fuzz::fail("Windows-1252 bytes give malformed UTF-8");
        at += static_cast<std::size_t>(length);
    }

    // The same bytes read as UTF-8.
    std::string expected;
    bool wholeText = true;
    for (std::size_t at = 0; at < bytes.size();) {
        const int length = sequenceAt(bytes, at, c);
        bool representable = false;
        expected += length > 0 ? byteOf(c, representable) : '?';
        wholeText = wholeText && representable;
        at += static_cast<std::size_t>(length > 0 ? length : 1);
    }
    const std::string codePage = csp::utf8ToWindows1252(bytes);
    if (codePage != expected) csp::fuzz::fail("UTF-8 gives \"" + codePage + "\", expected \"" + expected + "\"");
    if (wholeText && csp::windows1252ToUtf8(codePage) != bytes)
        csp::fuzz::fail("UTF-8 that Windows-1252 holds does not come back");
    return 0;
}
