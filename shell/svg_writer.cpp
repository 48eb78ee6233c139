#include "shell/svg_writer.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "shell/number_format.h"
#include "shell/windows1252.h"

namespace csp {
namespace {

// Sans-serif faces set their letters at about half the font size; digits and
// capitals run wider, so the estimate allows for them.
constexpr double averageLetterWidth = 0.58;
constexpr double largestCoordinate = 1e15;
// Most pictures fit, so that the text is seldom moved as it grows.
constexpr std::size_t expectedSize = 24 * 1024;

}  // namespace

SvgWriter::SvgWriter(double width, double height, std::string_view title, std::string_view description,
                     std::string_view styleSheet) {
    out_.reserve(expectedSize);
    out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    const std::string size = number(width) + " " + number(height);
    out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + number(width) + "\" height=\"" +
            number(height) + "\" viewBox=\"0 0 " + size + "\" role=\"img\" aria-labelledby=\"title desc\">\n";
    indent();
    out_ += "<title id=\"title\">";
    appendEscaped(title);
    out_ += "</title>\n";
    indent();
    out_ += "<desc id=\"desc\">";
    appendEscaped(description);
    out_ += "</desc>\n";
    indent();
    out_ += "<style>";
    appendEscaped(styleSheet);
    out_ += "</style>\n";
    rect(0, 0, width, height, "background");
}

void SvgWriter::indent() {
    static constexpr std::string_view blanks = "                                ";
    out_.append(blanks.substr(0, std::min(blanks.size(), 2 * (open_.size() + 1))));
}

namespace {

// Bytes that XML text and attribute values cannot hold as they are.
constexpr std::array<bool, 256> escapedBytes = [] {
    std::array<bool, 256> escaped{};
    for (std::size_t c = 0; c < escaped.size(); ++c)
        escaped[c] = c < 0x20 || c >= 0x7F || c == '&' || c == '<' || c == '>' || c == '"';
    return escaped;
}();

}  // namespace

void SvgWriter::appendEscaped(std::string_view windows1252) {
    std::size_t run = 0;  // start of the bytes that go out as they are
    for (std::size_t i = 0; i < windows1252.size(); ++i) {
        const auto c = static_cast<unsigned char>(windows1252[i]);
        if (!escapedBytes[c]) continue;
        out_.append(windows1252.data() + run, i - run);
        run = i + 1;
        switch (c) {
        case '&': out_ += "&amp;"; break;
        case '<': out_ += "&lt;"; break;
        case '>': out_ += "&gt;"; break;
        case '"': out_ += "&quot;"; break;
        case '\t':
        case '\n':
        case '\r': out_ += ' '; break;
        default:
            if (c >= 0x80)
                out_ += windows1252ToUtf8(windows1252.substr(i, 1));
            else  // XML holds no other control character, not even as a reference.
                out_ += '?';
        }
    }
    out_.append(windows1252.data() + run, windows1252.size() - run);
}

void SvgWriter::open(std::string_view name, Attributes attributes, Attributes extra, bool empty) {
    indent();
    out_ += '<';
    out_ += name;
    for (Attributes list : {attributes, extra})
        for (const auto& [key, value] : list) {
            out_ += ' ';
            out_ += key;
            out_ += "=\"";
            switch (value.kind_) {
            case Value::Kind::Coordinate: appendNumber(out_, value.coordinate_); break;
            case Value::Kind::Verbatim: out_ += value.text_; break;
            case Value::Kind::Text: appendEscaped(value.text_); break;
            }
            out_ += '"';
        }
    out_ += empty ? "/>\n" : ">";
}

void SvgWriter::begin(std::string_view name, Attributes attributes) {
    open(name, attributes, {}, false);
    out_ += '\n';
    open_.emplace_back(name);
}

void SvgWriter::end() {
    if (open_.empty()) return;
    const std::string name = std::move(open_.back());
    open_.pop_back();
    indent();
    out_ += "</" + name + ">\n";
}

void SvgWriter::element(std::string_view name, Attributes attributes) { open(name, attributes, {}, true); }

void SvgWriter::line(double x1, double y1, double x2, double y2, std::string_view cssClass) {
    element("line", {{"x1", x1}, {"y1", y1}, {"x2", x2}, {"y2", y2}, {"class", cssClass}});
}

void SvgWriter::rect(double x, double y, double width, double height, std::string_view cssClass, Attributes extra) {
    open("rect",
         {{"x", x}, {"y", y}, {"width", std::fmax(width, 0.0)}, {"height", std::fmax(height, 0.0)}, {"class", cssClass}},
         extra, true);
}

void SvgWriter::path(std::string_view data, std::string_view cssClass, Attributes extra) {
    open("path", {{"d", Value::pathData(data)}, {"class", cssClass}}, extra, true);
}

void SvgWriter::text(double x, double y, std::string_view content, std::string_view cssClass,
                     std::string_view anchor, Attributes extra) {
    open("text", {{"x", x}, {"y", y}, {"class", cssClass}, {"text-anchor", anchor}}, extra, false);
    appendEscaped(content);
    out_ += "</text>\n";
}

void SvgWriter::upwardText(double x, double y, std::string_view content, std::string_view cssClass,
                           std::string_view anchor, Attributes extra) {
    std::string turn = "rotate(-90 ";
    appendNumber(turn, x);
    turn += ' ';
    appendNumber(turn, y);
    turn += ')';
    open("text", {{"x", x}, {"y", y}, {"class", cssClass}, {"text-anchor", anchor}, {"transform", turn}}, extra,
         false);
    appendEscaped(content);
    out_ += "</text>\n";
}

std::string SvgWriter::finish() {
    while (!open_.empty()) end();
    if (!finished_) out_ += "</svg>\n";
    finished_ = true;
    return std::move(out_);
}

void SvgWriter::appendNumber(std::string& out, double value) {
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
        out += '-';
        tenths = -tenths;
    }
    char digits[24];
    char* const end = digits + sizeof digits;
    char* at = end;
    const long long tenth = tenths % 10;
    if (tenth != 0) {
        *--at = static_cast<char>('0' + tenth);
        *--at = '.';
    }
    long long whole = tenths / 10;
    do {
        *--at = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole > 0);
    out.append(at, end);
}

std::string SvgWriter::number(double value) {
    std::string text;
    appendNumber(text, value);
    return text;
}

SvgPath& SvgPath::point(char command, double x, double y) {
    if (!data_.empty()) data_ += ' ';
    data_ += command;
    SvgWriter::appendNumber(data_, x);
    data_ += ' ';
    SvgWriter::appendNumber(data_, y);
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
