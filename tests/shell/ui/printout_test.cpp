// Each program's report printed as Print prints it: the Results window,
// the Job dialog typed in, the Qt printer into a PDF file, read back with
// poppler's pdftotext and pdftoppm.

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sstream>

#include "designcheck/design_check_entries.h"
#include "filltables/fill_table_entries.h"
#include "selection/selection_entries.h"
#include "servicelife/service_life_entries.h"
#include "shell/page_model.h"
#include "shell/program_description.h"
#include "shell/ui/job_dlg.h"
#include "shell/ui/program_shell.h"
#include "shell/ui/results_dlg.h"
#include "shell/windows1252.h"
#include "tests/shell/ui/shell_test_support.h"

namespace csp::ui {
namespace {

using namespace testing_support;

// A line with its runs of blanks as one, as pdftotext's layout may give it.
std::string squeezed(const std::string& text) {
    std::istringstream words(text);
    std::string word, line;
    while (words >> word) line += (line.empty() ? "" : " ") + word;
    return line;
}

std::vector<std::string> squeezedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!squeezed(line).empty()) lines.push_back(squeezed(line));
    return lines;
}

// Where the text of a page (from 1) ends and its footer starts, as
// fractions of the page's height.
std::pair<double, double> bodyEndAndFooterTop(const QString& pdf, int page) {
    QProcess pdftotext;
    const QString number = QString::number(page);
    pdftotext.start("pdftotext", {"-bbox", "-f", number, "-l", number, pdf, "-"});
    pdftotext.waitForFinished(30000);
    const QString boxes = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const double height = QRegularExpression(R"re(<page width="[\d.]+" height="([\d.]+)")re").match(boxes).captured(1).toDouble();
    const QRegularExpression word(R"re(<word xMin="[\d.]+" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<std::pair<double, double>> tops;  // top and bottom of each word
    for (auto m = word.globalMatch(boxes); m.hasNext();) {
        const auto match = m.next();
        tops.emplace_back(match.captured(1).toDouble(), match.captured(2).toDouble());
    }
    if (tops.empty() || height <= 0) return {0, 0};
    const double footerTop = std::max_element(tops.begin(), tops.end())->first;
    double bodyEnd = 0;
    for (const auto& [top, bottom] : tops)
        if (top < footerTop - 1) bodyEnd = std::max(bodyEnd, bottom);
    return {bodyEnd / height, footerTop / height};
}

struct PrintedProgram {
    const ProgramDescription& (*program)();
    std::vector<std::pair<std::string, std::string>> entries;  // as a link gives them
    int pages;                                                 // with the picture's
};

const std::vector<PrintedProgram> printedPrograms = {
    {fillTableProgram, {{"load-reduction", "0.86"}}, 2},
    {designcheck::designCheckProgram, {{"span", "60"}}, 2},
    {serviceLifeProgram, {}, 2},
    {selection::selectionProgram, {}, 3},
};

class Printout : public testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    ScratchSettings settings;
    QTemporaryDir files;
    FakeUser user;
};

TEST_F(Printout, EveryPageHasTheJobBlockAndPageNOfMTheReportInOrderAndThePictureAfterIt) {
    const std::vector<QString> typed = {"Mill Creek crossing", "Culvert C-12 (Zo\u00eb Road)", "A. Engineer", "B. Checker"};
    user.onModal = [&typed](QDialog& dialog) {
        const QList<QLineEdit*> fields = dialog.findChildren<QLineEdit*>();
        for (qsizetype i = 0; i < fields.size() && i < qsizetype(typed.size()); ++i) fields[i]->setText(typed[i]);
        dialog.accept();
        return int(QDialog::Accepted);
    };
    for (const PrintedProgram& printed : printedPrograms) {
        const ProgramDescription& program = printed.program();
        SCOPED_TRACE(std::string(program.name));
        pages::PageSession session(program);
        ASSERT_TRUE(session.load(printed.entries).empty());
        for (int step = 0; step < 8 && !session.showingResults(); ++step) session.press(session.page().defaultButton);
        ASSERT_TRUE(session.showingResults());
        const pages::Results& results = session.results();

        const QString pdf = files.filePath(QString::fromUtf8(program.name.data(), program.name.size()) + ".pdf");
        user.printToPdf = pdf;
        const ProgramShell shell(program.id, user.services());
        CResultsDlg window(shell);
        window.setListing(&results.listing);
        if (results.pageBreakLine >= 0) window.setPageBreakLine(static_cast<std::size_t>(results.pageBreakLine));
        window.setPicture(results.picture);
        window.show();
        for (QPushButton* button : window.findChildren<QPushButton*>()) {
            if (button->text() == "Print...") button->click();
        }

        const std::vector<std::string> pages = pdfPages(pdf);
        ASSERT_EQ(pages.size(), std::size_t(printed.pages));
        std::vector<std::string> body;  // the report lines, page after page
        std::vector<std::size_t> firstOfPage;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const std::vector<std::string> lines = squeezedLines(pages[p]);
            ASSERT_GE(lines.size(), 5u) << "page " << p + 1;
            EXPECT_EQ(lines[0], "Project: Mill Creek crossing Date: 2026-03-14");
            EXPECT_EQ(lines[1], "Structure: Culvert C-12 (Zo\u00eb Road) " + std::string(shell.texts().versionLine));
            EXPECT_EQ(lines[2], "Designed by: A. Engineer Checked by: B. Checker");
            EXPECT_EQ(lines[3], std::string(sheetWidth, '-'));
            EXPECT_EQ(lines.back(), "Page " + std::to_string(p + 1) + " of " + std::to_string(pages.size()));
            firstOfPage.push_back(body.size());
            body.insert(body.end(), lines.begin() + 4, lines.end() - 1);
        }
        // The report, whole and in order; Verrick's second part from the top of a page.
        std::vector<std::string> report;
        std::size_t breakAt = 0;
        for (std::size_t i = 0; i < results.listing.count(); ++i) {
            if (results.pageBreakLine >= 0 && i == std::size_t(results.pageBreakLine)) breakAt = report.size();
            const std::string line = squeezed(windows1252ToUtf8(results.listing.lines()[i]));
            if (!line.empty()) report.push_back(line);
        }
        // A line wider than the page (a csp-report command line of the
        // selection) is cut at the page's right edge.
        ASSERT_GE(body.size(), report.size());
        for (std::size_t i = 0; i < report.size(); ++i) {
            EXPECT_EQ(body[i], report[i].substr(0, std::max(body[i].size(), std::size_t(80)))) << "line " << i;
        }
        if (breakAt > 0) {
            EXPECT_EQ(firstOfPage[1], breakAt) << "the page-break line starts page 2";
        }
        // The picture is drawn as outlines: ink between the report and the
        // last page's footer, where no text is.
        const int last = static_cast<int>(pages.size());
        const auto [bodyEnd, footerTop] = bodyEndAndFooterTop(pdf, last);
        EXPECT_GT(footerTop - bodyEnd, 0.2) << "room for the picture";
        EXPECT_GT(inkedPixels(pdf, last, bodyEnd + 0.005, footerTop - 0.005), 500) << "the picture on page " << last;
    }
}

}  // namespace
}  // namespace csp::ui
