#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "shell/svg_writer.h"
#include "shell/windows1252.h"

namespace csp {
namespace {

TEST(SvgWriter, CoordinatesPrintToATenthAndNeverANonNumber) {
    const struct {
        double value;
        const char* printed;
    } cases[] = {
        {0, "0"},       {12, "12"},         {12.5, "12.5"},  {0.25, "0.3"},    {-0.04, "0"},
        {-3.25, "-3.3"}, {1e6, "1000000"}, {1e300, "1000000000000000"}, {-12.06, "-12.1"},
        {std::numeric_limits<double>::quiet_NaN(), "0"}, {std::numeric_limits<double>::infinity(), "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(SvgWriter::number(c.value), c.printed) << c.value;
    // Values on the page take a short path; their negatives take the long
    // one, which must print the same digits.
    std::mt19937_64 random(5);
    std::vector<double> onPage = {999.94, 999.95, 999.949999, 99.95, 9.95, 0.05, 0.04999, 1000};
    for (int i = 0; i < 100'000; ++i)
        onPage.push_back(i % 2 ? static_cast<double>(random() % 20'000) / 20 : std::ldexp(double(random() >> 11), -43));
    for (const double value : onPage) {
        const std::string positive = SvgWriter::number(value);
        ASSERT_EQ(SvgWriter::number(-value), positive == "0" ? positive : "-" + positive) << value;
    }
}

TEST(SvgWriter, TextsAreEscapedUtf8WithoutControlCharacters) {
    SvgWriter svg(100, 50, "Title & <more>", "A \"quoted\" \xBD in.\x01", "text{fill:#000}");
    svg.beginGroup({{"data-name", "a<b & \"c\""}});
    svg.text(1, 2, "Span x Rise\tIn. \xBD", "label");
    const std::string out = svg.finish();
    EXPECT_NE(out.find("<title id=\"title\">Title &amp; &lt;more&gt;</title>"), std::string::npos) << out;
    EXPECT_NE(out.find("<desc id=\"desc\">A &quot;quoted&quot; \xC2\xBD in.?</desc>"), std::string::npos) << out;
    EXPECT_NE(out.find("data-name=\"a&lt;b &amp; &quot;c&quot;\""), std::string::npos) << out;
    EXPECT_NE(out.find(">Span x Rise In. \xC2\xBD</text>"), std::string::npos) << out;
    // Open groups are closed, and the picture once.
    EXPECT_TRUE(out.ends_with("  </g>\n</svg>\n")) << out;
    EXPECT_EQ(out.find("</svg>"), out.rfind("</svg>"));
}

// Every byte, alone and in runs long enough to be scanned eight at a time
// and to outgrow the writer's first buffer, escapes as it does on its own.
TEST(SvgWriter, EveryByteEscapesAsItDoesAlone) {
    const auto alone = [](unsigned char c) -> std::string {
        switch (c) {
        case '&': return "&amp;";
        case '<': return "&lt;";
        case '>': return "&gt;";
        case '"': return "&quot;";
        case '\t':
        case '\n':
        case '\r': return " ";
        }
        if (c >= 0x80) return windows1252ToUtf8(std::string(1, static_cast<char>(c)));
        return c < 0x20 || c == 0x7F ? "?" : std::string(1, static_cast<char>(c));
    };
    std::mt19937_64 random(3);
    for (int round = 0; round < 40; ++round) {
        std::string text, wanted;
        const std::size_t size = round < 20 ? 1 + random() % 40 : 20'000 + random() % 20'000;
        for (std::size_t i = 0; i < size; ++i) {
            // Mostly plain letters, as labels are, with any byte among them.
            const auto c = static_cast<unsigned char>(random() % 4 ? 'a' + random() % 26 : random() % 256);
            text += static_cast<char>(c);
            wanted += alone(c);
        }
        SvgWriter svg(10, 10, "t", "d", "");
        svg.text(0, 0, text, "label");
        const std::string out = svg.finish();
        const std::string_view opening = "class=\"label\">";
        const std::size_t start = out.find(opening) + opening.size();
        ASSERT_EQ(out.substr(start, out.find("</text>", start) - start), wanted) << "round " << round;
    }
}

TEST(SvgWriter, PathsTicksAndWrappedLines) {
    EXPECT_EQ(SvgPath().moveTo(1, 2).lineTo(3.456, 4).arcTo(5, true, false, 6, 7).close().data(),
              "M1 2 L3.5 4 A5 5 0 1 0 6 7 Z");
    const struct {
        double range;
        int ticks;
        double step;
    } steps[] = {{100, 10, 10}, {587, 8, 100}, {72, 10, 10}, {0.3, 5, 0.1}, {0, 5, 1}, {-4, 5, 1}};
    for (const auto& s : steps) EXPECT_DOUBLE_EQ(niceTickStep(s.range, s.ticks), s.step) << s.range;
    EXPECT_EQ(wrappedLines("  one two  three fourfivesix ", 9),
              (std::vector<std::string>{"one two", "three", "fourfivesix"}));
    EXPECT_TRUE(wrappedLines("   ", 9).empty());
}

}  // namespace
}  // namespace csp
