#include "shell/ui/qt_printer_device.h"

#include <QFontInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

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

TEST_F(QtPrinter, TheJobTakesTheGivenNameAndTheTextKeepsItsWindows1252Characters) {
    ReportListing listing;
    listing.append("Corrugation 2\xBD x \xBD in.");
    QtPrinterDevice device(printer);
    printListing(&listing, device, "Verrick");
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

TEST_F(QtPrinter, LinesStartAnInchAndALineDownAndFollowOneLineHeightApart) {
    ReportListing listing;
    for (const char* line : {"alpha", "beta", "gamma"}) listing.append(line);
    int lineHeight = 0;
    {
        QtPrinterDevice device(printer);
        printListing(&listing, device, "Tabrell");
        lineHeight = device.fontHeightTwips() + device.externalLeadingTwips();
    }
    const auto tops = wordTops();
    ASSERT_EQ(tops.size(), 3u);
    const double lineHeightPoints = lineHeight / 20.0;
    const double printableTop = printer.pageLayout().paintRect(QPageLayout::Point).top();
    // Glyph boxes start a little below the line's top; allow for it.
    EXPECT_NEAR(tops[0].second - printableTop, 72.0 + lineHeightPoints, 3.0);
    EXPECT_NEAR(tops[1].second - tops[0].second, lineHeightPoints, 0.2);
    EXPECT_NEAR(tops[2].second - tops[1].second, lineHeightPoints, 0.2);
}

TEST_F(QtPrinter, APageBreakLineStartsASecondPageAtTheTop) {
    ReportListing listing;
    for (const char* line : {"first", "second", "third"}) listing.append(line);
    {
        QtPrinterDevice device(printer);
        printListing(&listing, device, "Verrick", 1);
    }
    const std::vector<std::string> pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("first"), std::string::npos);
    EXPECT_EQ(pages[0].find("second"), std::string::npos);
    EXPECT_LT(pages[1].find("second"), pages[1].find("third"));
    const auto tops = wordTops();
    ASSERT_EQ(tops.size(), 3u);
    EXPECT_NEAR(tops[1].second, tops[0].second, 0.01) << "the second page starts where the first did";
}

TEST_F(QtPrinter, AnEmptyListingPrintsOneBlankPage) {
    {
        QtPrinterDevice device(printer);
        printListing(nullptr, device, "Ombrel");
    }
    EXPECT_EQ(pdfInfo("Pages"), "1");
}

}  // namespace
}  // namespace csp::ui
