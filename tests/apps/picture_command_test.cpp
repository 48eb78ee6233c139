#include <gtest/gtest.h>

#include <filesystem>

#include "tests/apps/command_runner.h"

namespace csp::cli {
namespace {

TEST(PictureCommand, SvgGoesBesideTheReportThroughTheSameWriter) {
    const std::string report = temporaryReportPath("picture-report");
    const std::string picture = temporaryReportPath("picture") + ".svg";
    for (const char* program : {"tabrell", "verrick", "ombrel"}) {
        const Invocation alone = invokeCspReport({program, "-o", "-"});
        const Invocation both = invokeCspReport({program, "-o", report.c_str(), "--svg", picture.c_str()});
        ASSERT_EQ(both.status, 0) << program << both.err;
        EXPECT_EQ(both.out, "");
        EXPECT_EQ(takeSavedBytes(report), alone.out) << program;
        const std::string svg = takeSavedBytes(picture);
        EXPECT_TRUE(svg.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<svg ")) << program;
        EXPECT_TRUE(svg.ends_with("</svg>\r\n")) << program;
        // "-" is standard output, the same bytes; without -o the report
        // still goes to standard output as UTF-8 lines.
        const Invocation toOutput = invokeCspReport({program, "-o", report.c_str(), "--svg", "-"});
        EXPECT_EQ(toOutput.out, svg) << program;
        std::filesystem::remove(report);
        const Invocation printed = invokeCspReport({program, "--svg", picture.c_str()});
        EXPECT_EQ(printed.status, 0);
        EXPECT_EQ(takeSavedBytes(picture), svg) << program;
        EXPECT_EQ(printed.out, invokeCspReport({program}).out);
    }
}

TEST(PictureCommand, MisusedOrRefusedPictureOptions) {
    const std::string folder = std::filesystem::temp_directory_path().string();
    const struct {
        std::vector<const char*> args;
        int status;
        std::string message;
    } cases[] = {
        {{"tabrell", "--svg", "-"}, 2, "csp-report tabrell: --svg -: standard output already takes the report"},
        {{"ombrel", "-o", "-", "--svg", "-"}, 2, "csp-report ombrel: --svg -: standard output already takes"},
        {{"verrick", "--svg="}, 2, "csp-report verrick: --svg: an empty file name; use - for standard output"},
        {{"tabrell", "--list", "--svg", "x.svg"}, 2, "csp-report tabrell: --svg: --list writes no picture"},
        {{"ombrel", "-o", "same.svg", "--svg", "same.svg"}, 2, "csp-report ombrel: --svg: the same file as --output"},
        {{"check", "-", "--svg"}, 2, "csp-report check: --svg: the pictures go beside the reports; give --reports DIR"},
        {{"ombrel", "-o", "-", "--svg", folder.c_str()}, 1,
         "csp-report ombrel: --svg: Unable to open file " + folder + " for writing."},
        // A refused structure writes no picture either.
        {{"verrick", "--cover", "0", "--svg", "never.svg"}, 1, "csp-report verrick: --cover: The cover must be >= 1."},
    };
    for (const auto& c : cases) {
        const Invocation r = invokeCspReport(c.args);
        EXPECT_EQ(r.status, c.status) << c.message;
        EXPECT_TRUE(r.err.starts_with(c.message)) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists("never.svg"));
    EXPECT_FALSE(std::filesystem::exists("x.svg"));
}

}  // namespace
}  // namespace csp::cli
