#include "shell/svg_writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "shell/number_format.h"
#include "shell/windows1252.h"

namespace csp {
namespace {

// Sans-serif faces set their letters at about half the font size; digits and
// capitals run wider, so the estimate allows for them.
constexpr double averageLetterWidth = 0.58;
constexpr double largestCoordinate = 1e15;
// "00" to "99", for printing numbers two digits at a time.
constexpr std::array<char, 200> digitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();
// Most paths fit, so that their data is seldom moved as it grows.
constexpr std::size_t expectedPathSize = 512;
// Most pictures fit, so that the text is seldom moved as it grows.
constexpr std::size_t expectedSize = 24 * 1024;

}  // namespace

SvgWriter::SvgWriter(double width, double height, std::string_view title, std::string_view description,
                     std::string_view styleSheet) {
    grow(expectedSize);
    put("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"");
    appendCoordinate(width);
    put("\" height=\"");
    appendCoordinate(height);
    put("\" viewBox=\"0 0 ");
    appendCoordinate(width);
    put(" ");
    appendCoordinate(height);
    put("\" role=\"img\" aria-labelledby=\"title desc\">\n");
    indent();
    put("<title id=\"title\">");
    appendEscaped(title);
    put("</title>\n");
    indent();
    put("<desc id=\"desc\">");
    appendEscaped(description);
    put("</desc>\n");
    indent();
    put("<style>");
    put(styleSheet);
    put("</style>\n");
    rect(0, 0, width, height, "background");
}

void SvgWriter::grow(std::size_t bytes) {
    const std::size_t size = static_cast<std::size_t>(at_ - text_.get());
    const std::size_t capacity = std::max(2 * static_cast<std::size_t>(limit_ - text_.get()), size + bytes);
    std::unique_ptr<char[]> larger(new char[capacity]);  // left unset: every byte is written before it is read
    if (size) std::memcpy(larger.get(), text_.get(), size);
    text_ = std::move(larger);
    at_ = text_.get() + size;
    limit_ = text_.get() + capacity;
}

inline void SvgWriter::room(std::size_t bytes) {
    if (static_cast<std::size_t>(limit_ - at_) < bytes) grow(bytes);
}

namespace {

// Copies a few bytes without a call: two fixed-size copies that overlap,
// each within the bytes given, cover any length from 4 to 16.
inline void copyShort(char* to, const char* from, std::size_t size) {
    if (size >= 8) {
        std::memcpy(to, from, 8);
        std::memcpy(to + size - 8, from + size - 8, 8);
    } else if (size >= 4) {
        std::memcpy(to, from, 4);
        std::memcpy(to + size - 4, from + size - 4, 4);
    } else {
        for (std::size_t i = 0; i < size; ++i) to[i] = from[i];
    }
}

}  // namespace

inline void SvgWriter::put(std::string_view bytes) {
    room(bytes.size());
    if (bytes.size() <= 16) copyShort(at_, bytes.data(), bytes.size());
    else std::memcpy(at_, bytes.data(), bytes.size());
    at_ += bytes.size();
}

inline void SvgWriter::appendCoordinate(double value) {
    room(longestNumber);
    at_ = printNumber(at_, value);
}

void SvgWriter::indent() {
    // Two blanks a level, at most sixteen, by one fixed copy: the blanks
    // past the indent are written over by what follows.
    static constexpr std::string_view blanks = "                ";
    room(blanks.size());
    std::memcpy(at_, blanks.data(), blanks.size());
    at_ += std::min(blanks.size(), 2 * (open_.size() + 1));
}

namespace {

// Bytes that XML text and attribute values cannot hold as they are.
constexpr std::array<bool, 256> escapedBytes = [] {
    std::array<bool, 256> escaped{};
    for (std::size_t c = 0; c < escaped.size(); ++c)
        escaped[c] = c < 0x20 || c >= 0x7F || c == '&' || c == '<' || c == '>' || c == '"';
    return escaped;
}();

// The most bytes one byte becomes: "&quot;".
constexpr std::size_t longestEscape = 6;

constexpr std::uint64_t eachByte(unsigned char value) { return 0x0101010101010101ULL * value; }

// Whether any of eight bytes is one that escapedBytes marks: a control
// character, DEL, a byte above 0x7F, or & < > ". Each test is exact for
// "any", which is all that is asked.
bool anyEscaped(std::uint64_t bytes) {
    constexpr std::uint64_t low = eachByte(0x01), high = eachByte(0x80);
    const auto hasZero = [](std::uint64_t v) { return (v - low) & ~v & high; };
    const std::uint64_t below = (bytes - eachByte(0x20)) & ~bytes & high;
    return (below | (bytes & high) | hasZero(bytes ^ eachByte(0x7F)) | hasZero(bytes ^ eachByte('&')) |
            hasZero(bytes ^ eachByte('<')) | hasZero(bytes ^ eachByte('>')) | hasZero(bytes ^ eachByte('"'))) != 0;
}

}  // namespace

void SvgWriter::appendEscaped(std::string_view windows1252) {
    room(longestEscape * windows1252.size());
    char* at = at_;
    const char* from = windows1252.data();
    const char* const last = from + windows1252.size();
    while (from < last) {
        // Eight bytes at a time while none needs escaping, as most texts go.
        std::uint64_t eight;
        if (last - from >= 8 && (std::memcpy(&eight, from, 8), !anyEscaped(eight))) {
            std::memcpy(at, from, 8);
            at += 8;
            from += 8;
            continue;
        }
        const char byte = *from++;
        const auto c = static_cast<unsigned char>(byte);
        if (!escapedBytes[c]) {
            *at++ = byte;
            continue;
        }
        std::string_view escape = "?";  // XML holds no other control character, not even as a reference
        std::string utf8;
        switch (c) {
        case '&': escape = "&amp;"; break;
        case '<': escape = "&lt;"; break;
        case '>': escape = "&gt;"; break;
        case '"': escape = "&quot;"; break;
        case '\t':
        case '\n':
        case '\r': escape = " "; break;
        default:
            if (c >= 0x80) escape = utf8 = windows1252ToUtf8(std::string_view(&byte, 1));
        }
        std::memcpy(at, escape.data(), escape.size());
        at += escape.size();
    }
    at_ = at;
}

void SvgWriter::appendAttributes(Attributes list) {
    for (const auto& [key, value] : list) {
        put(" ");
        put(key);
        put("=\"");
        switch (value.kind_) {
        case Value::Kind::Coordinate: appendCoordinate(value.coordinate_); break;
        case Value::Kind::Verbatim: put(value.text_); break;
        case Value::Kind::Text: appendEscaped(value.text_); break;
        }
        put("\"");
    }
}

void SvgWriter::open(std::string_view name, Attributes attributes, Attributes extra, bool empty) {
    indent();
    put("<");
    put(name);
    appendAttributes(attributes);
    appendAttributes(extra);
    put(empty ? std::string_view("/>\n") : std::string_view(">"));
}

void SvgWriter::begin(std::string_view name, Attributes attributes) {
    open(name, attributes, {}, false);
    put("\n");
    open_.emplace_back(name);
}

void SvgWriter::end() {
    if (open_.empty()) return;
    const std::string name = std::move(open_.back());
    open_.pop_back();
    indent();
    put("</");
    put(name);
    put(">\n");
}

void SvgWriter::element(std::string_view name, Attributes attributes) { open(name, attributes, {}, true); }

// The elements a picture is mostly made of are written from fixed pieces,
// as open would write them.

void SvgWriter::line(double x1, double y1, double x2, double y2, std::string_view cssClass) {
    indent();
    put("<line x1=\"");
    appendCoordinate(x1);
    put("\" y1=\"");
    appendCoordinate(y1);
    put("\" x2=\"");
    appendCoordinate(x2);
    put("\" y2=\"");
    appendCoordinate(y2);
    put("\" class=\"");
    put(cssClass);
    put("\"/>\n");
}

void SvgWriter::rect(double x, double y, double width, double height, std::string_view cssClass, Attributes extra) {
    indent();
    put("<rect x=\"");
    appendCoordinate(x);
    put("\" y=\"");
    appendCoordinate(y);
    put("\" width=\"");
    appendCoordinate(std::fmax(width, 0.0));
    put("\" height=\"");
    appendCoordinate(std::fmax(height, 0.0));
    put("\" class=\"");
    put(cssClass);
    put("\"");
    appendAttributes(extra);
    put("/>\n");
}

void SvgWriter::path(std::string_view data, std::string_view cssClass, Attributes extra) {
    indent();
    put("<path d=\"");
    put(data);
    put("\" class=\"");
    put(cssClass);
    put("\"");
    appendAttributes(extra);
    put("/>\n");
}

void SvgWriter::text(double x, double y, std::string_view content, std::string_view cssClass,
                     std::string_view anchor, Attributes extra) {
    indent();
    put("<text x=\"");
    appendCoordinate(x);
    put("\" y=\"");
    appendCoordinate(y);
    put("\" class=\"");
    put(cssClass);
    if (anchor != "start") {  // as SVG anchors a text that names none
        put("\" text-anchor=\"");
        put(anchor);
    }
    put("\"");
    appendAttributes(extra);
    put(">");
    appendEscaped(content);
    put("</text>\n");
}

void SvgWriter::upwardText(double x, double y, std::string_view content, std::string_view cssClass,
                           std::string_view anchor, Attributes extra) {
    char turn[16 + 2 * longestNumber] = "rotate(-90 ";
    char* at = printNumber(turn + 11, x);
    *at++ = ' ';
    at = printNumber(at, y);
    *at++ = ')';
    open("text",
         {{"x", x},
          {"y", y},
          {"class", cssClass},
          {"text-anchor", anchor},
          {"transform", Value::pathData(std::string_view(turn, static_cast<std::size_t>(at - turn)))}},
         extra, false);
    appendEscaped(content);
    put("</text>\n");
}

std::string SvgWriter::finish() {
    while (!open_.empty()) end();
    if (finished_) return {};
    put("</svg>\n");
    finished_ = true;
    return std::string(text_.get(), at_);
}

namespace {

// Tenths as a coordinate prints: the whole part, then ".d" unless d is 0.
inline char* printTenths(char* at, unsigned long long tenths) {
    const auto tenth = static_cast<char>(tenths % 10);
    unsigned long long left = tenths / 10;
    int digits = 1;  // of the whole part
    for (unsigned long long power = 10; digits < 16 && left >= power; power *= 10) ++digits;
    // Written in place from the last digit back, two at a time, so that no
    // copy follows.
    char* end = at + digits;
    while (left >= 100) {
        end -= 2;
        std::memcpy(end, digitPairs.data() + 2 * (left % 100), 2);
        left /= 100;
    }
    if (left >= 10) {
        end -= 2;
        std::memcpy(end, digitPairs.data() + 2 * left, 2);
    } else {
        *--end = static_cast<char>('0' + left);
    }
    at += digits;
    if (tenth != 0) {
        *at++ = '.';
        *at++ = static_cast<char>('0' + tenth);
    }
    return at;
}

}  // namespace

char* SvgWriter::printNumber(char* at, double value) {
    // Most coordinates lie on the page: a short path to their tenths.
    if (value >= 0 && value < 999.95) {
        const double scaled = value * 10;
        auto tenths = static_cast<unsigned>(scaled);
        if (scaled - static_cast<double>(tenths) >= 0.5) ++tenths;
        return printTenths(at, tenths);
    }
    if (!std::isfinite(value)) value = 0.0;
    // Far outside any picture, and within what a long long holds in tenths.
    const double scaled = std::clamp(value, -largestCoordinate, largestCoordinate) * 10;
    // Halves away from zero, as llround rounds: below 2^52 the cut-off
    // fraction is exact.
    long long tenths = static_cast<long long>(scaled);
    const double fraction = scaled - static_cast<double>(tenths);
    if (fraction >= 0.5) ++tenths;
    else if (fraction <= -0.5) --tenths;
    if (tenths < 0) {  // a value that rounds to 0 prints no sign
        *at++ = '-';
        tenths = -tenths;
    }
    return printTenths(at, static_cast<unsigned long long>(tenths));
}

void SvgWriter::appendNumber(std::string& out, double value) {
    char digits[longestNumber];
    out.append(digits, printNumber(digits, value));
}

std::string SvgWriter::number(double value) {
    std::string text;
    appendNumber(text, value);
    return text;
}

SvgPath& SvgPath::point(char command, double x, double y) {
    if (data_.empty()) data_.reserve(expectedPathSize);
    char text[3 + 2 * SvgWriter::longestNumber];
    char* at = text;
    if (!data_.empty()) *at++ = ' ';
    *at++ = command;
    at = SvgWriter::printNumber(at, x);
    *at++ = ' ';
    at = SvgWriter::printNumber(at, y);
    data_.append(text, at);
    return *this;
}

SvgPath& SvgPath::moveTo(double x, double y) { return point('M', x, y); }
SvgPath& SvgPath::lineTo(double x, double y) { return point('L', x, y); }

SvgPath& SvgPath::arcTo(double radius, bool largeArc, bool sweep, double x, double y) {
    if (!data_.empty()) data_ += ' ';
    data_ += 'A';
    SvgWriter::appendNumber(data_, radius);
    data_ += ' ';
    SvgWriter::appendNumber(data_, radius);
    data_ += largeArc ? " 0 1 " : " 0 0 ";
    data_ += sweep ? "1 " : "0 ";
    SvgWriter::appendNumber(data_, x);
    data_ += ' ';
    SvgWriter::appendNumber(data_, y);
    return *this;
}

SvgPath& SvgPath::close() {
    data_ += " Z";
    return *this;
}

double estimatedTextWidth(std::string_view text, double fontSize) {
    return static_cast<double>(text.size()) * averageLetterWidth * fontSize;
}

}  // namespace csp

namespace csp {

void defineHatchPattern(SvgWriter& svg, std::string_view id) {
    svg.begin("pattern", {{"id", id}, {"width", "6"}, {"height", "6"}, {"patternUnits", "userSpaceOnUse"}});
    svg.element("rect", {{"width", "6"}, {"height", "6"}, {"fill", "#fff"}});
    svg.path("M0 6 L6 0 M-1 1 L1 -1 M5 7 L7 5", "hatch-line");
    svg.end();
}

double niceTickStep(double range, int mostTicks) {
    if (!std::isfinite(range) || range <= 0 || mostTicks < 1) return 1.0;
    const double rough = range / mostTicks;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double multiple : {1.0, 2.0, 5.0})
        if (multiple * power >= rough) return multiple * power;
    return 10.0 * power;
}

std::vector<std::string> wrappedLines(std::string_view text, std::size_t width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(' ', at);
        if (start == std::string_view::npos) break;
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, end - start);
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(std::move(line));
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += word;
        at = end;
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

}  // namespace csp

namespace csp {

bool writePictureLines(std::string_view picture, SavedLines& lines) {
    while (!picture.empty()) {
        const std::size_t end = std::min(picture.find('\n'), picture.size());
        if (!lines.write(picture.substr(0, end))) return false;
        picture.remove_prefix(std::min(end + 1, picture.size()));
    }
    return true;
}

static std::function<bool(SavedLines&)> linesOf(std::string_view picture) {
    return [picture](SavedLines& lines) { return writePictureLines(picture, lines); };
}

std::string savedPicture(std::string_view picture) { return savedBytes(linesOf(picture)); }

Outcome writePictureFile(std::string_view picture, const std::string& path) { return saveLines(path, linesOf(picture)); }

}  // namespace csp
