#include "shell/ui/qt_printer_device.h"

#include <QFontInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include <map>

#include <gtest/gtest.h>

#include "tests/shell/ui/shell_test_support.h"

namespace csp::ui {
namespace {

using namespace testing_support;

class QtPrinter : public testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    void SetUp() override {
        pdf = files.filePath("report.pdf");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    }
    QString pdfInfo(const char* field) const { return testing_support::pdfInfo(pdf, field); }
    // The top of each word in points from the top of the page, by word.
    std::vector<std::pair<std::string, double>> wordTops() const {
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-bbox", pdf, "-"});
        pdftotext.waitForFinished(30000);
        const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
        std::vector<std::pair<std::string, double>> tops;
        auto matches = word.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput()));
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            tops.emplace_back(match.captured(3).toStdString(), match.captured(2).toDouble());
        }
        return tops;
    }

    QTemporaryDir files;
    QString pdf;
    QPrinter printer{QPrinter::HighResolution};
};

const SheetHeading heading{{"Mill Creek", "C-12", "AE", "BC"}, "Verrick Version 1.0", {2026, 3, 7}};

Printout printout(std::string_view name, std::optional<std::size_t> pageBreak = {}, std::string_view picture = {}) {
    return {name, heading, pageBreak, picture};
}

TEST_F(QtPrinter, TheJobTakesTheGivenNameAndTheTextKeepsItsWindows1252Characters) {
    ReportListing listing;
    listing.append("Corrugation 2\xBD x \xBD in.");
    QtPrinterDevice device(printer);
    printListing(&listing, device, printout("Verrick"));
    EXPECT_EQ(pdfInfo("Title"), "Verrick");
    EXPECT_EQ(pdfInfo("Pages"), "1");
    const std::vector<std::string> pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("Corrugation 2\u00BD x \u00BD in."), std::string::npos) << pages[0];
}

TEST_F(QtPrinter, TheDefaultFontIsFixedPitchWithALineHeightOfItsHeightAndLeadingInTwips) {
    EXPECT_TRUE(QFontInfo(QtPrinterDevice::printerDefaultFont()).fixedPitch());
    QtPrinterDevice device(printer);
    device.startJob("Ombrel");
    device.startPage();
    // A 10 pt font is 200 twips; its line a little more.
    const int lineHeight = device.fontHeightTwips() + device.externalLeadingTwips();
    EXPECT_GE(lineHeight, 200);
    EXPECT_LE(lineHeight, 280);
    device.endPage();
    device.endJob();
}

TEST_F(QtPrinter, LinesStartOnTheTopMarginAndFollowOneLineHeightApartTheFooterOnTheLastLine) {
    ReportListing listing;
    for (const char* line : {"alpha", "beta", "gamma"}) listing.append(line);
    int lineHeight = 0;
    {
        QtPrinterDevice device(printer);
        printListing(&listing, device, printout("Tabrell"));
        lineHeight = device.fontHeightTwips() + device.externalLeadingTwips();
    }
    std::map<std::string, double> top;
    for (const auto& [word, y] : wordTops()) top.emplace(word, y);
    const double lineHeightPoints = lineHeight / 20.0;
    const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Point);
    // Glyph boxes start a little below the line's top; allow for it.
    EXPECT_NEAR(top["Project:"] - printable.top(), 36.0, 3.0);
    EXPECT_NEAR(top["alpha"] - top["Project:"], 5 * lineHeightPoints, 0.2) << "below the job block";
    EXPECT_NEAR(top["beta"] - top["alpha"], lineHeightPoints, 0.2);
    EXPECT_NEAR(top["gamma"] - top["beta"], lineHeightPoints, 0.2);
    EXPECT_LE(top["Page"] + lineHeightPoints, printable.bottom() - 36.0 + 3.0) << "the footer stays above the bottom margin";
    EXPECT_GT(top["Page"] + 2 * lineHeightPoints, printable.bottom() - 36.0) << "the footer stands on the last line";
}

TEST_F(QtPrinter, APageBreakLineStartsASecondPageBelowItsOwnJobBlock) {
    ReportListing listing;
    for (const char* line : {"first", "second", "third"}) listing.append(line);
    {
        QtPrinterDevice device(printer);
        printListing(&listing, device, printout("Verrick", 1));
    }
    const std::vector<std::string> pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("first"), std::string::npos);
    EXPECT_EQ(pages[0].find("second"), std::string::npos);
    EXPECT_LT(pages[1].find("Mill Creek"), pages[1].find("second"));
    EXPECT_LT(pages[1].find("second"), pages[1].find("third"));
    std::map<std::string, double> top;
    for (const auto& [word, y] : wordTops()) top.emplace(word, y);
    EXPECT_NEAR(top["second"], top["first"], 0.01) << "the second page's report starts where the first's did";
}

TEST_F(QtPrinter, APictureIsDrawnBelowTheReportAndOneItCannotReadIsLeftOut) {
    ReportListing listing;
    listing.append("report");
    const std::string picture = R"(<svg xmlns="http://www.w3.org/2000/svg" width="200" height="100">)"
                                R"(<rect width="200" height="100" fill="none" stroke="black"/>)"
                                R"(<text x="20" y="50" font-size="12">drawing</text></svg>)";
    for (const std::string& svg : {picture, std::string(R"(<svg width="200" height="100"><unclosed)")}) {
        {
            QtPrinterDevice device(printer);
            printListing(&listing, device, printout("Ombrel", {}, svg));
        }
        const std::vector<std::string> pages = pdfPages(pdf);
        ASSERT_EQ(pages.size(), 1u);
        // Its text is drawn as outlines, so it shows as ink, not as text.
        EXPECT_EQ(inkedPixels(pdf, 1, 0.2, 0.6) > 100, svg == picture);
        EXPECT_NE(pages[0].find("Page 1 of 1"), std::string::npos);
    }
}

TEST_F(QtPrinter, AnEmptyListingPrintsOnePageWithItsJobBlock) {
    {
        QtPrinterDevice device(printer);
        printListing(nullptr, device, printout("Ombrel"));
    }
    EXPECT_EQ(pdfInfo("Pages"), "1");
}

}  // namespace
}  // namespace csp::ui
