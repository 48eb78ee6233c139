#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "shell/svg_writer.h"

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
