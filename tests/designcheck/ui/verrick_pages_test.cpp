#include "designcheck/ui/verrick_dlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <sstream>

#include "shell/ui/program_shell.h"
#include "shell/ui/results_dlg.h"
#include "shell/windows1252.h"
#include "tests/apps/command_runner.h"
#include "tests/shell/ui/shell_test_support.h"

namespace csp::ui {
namespace {

using namespace testing_support;
using Strings = std::vector<std::string>;

// What a person does on one page or window that opens, until it closes.
using Step = std::function<void(QDialog&)>;

QPushButton* button(const QDialog& page, const char* text) {
    for (QPushButton* candidate : page.findChildren<QPushButton*>())
        if (candidate->text() == text) return candidate;
    ADD_FAILURE() << "no button " << text << " on " << page.windowTitle().toStdString();
    return nullptr;
}
QComboBox* list(const QDialog& page, const char* name) { return page.findChild<QComboBox*>(name); }
QLineEdit* field(const QDialog& page, const char* name) { return page.findChild<QLineEdit*>(name); }

Strings entriesOf(const QComboBox* list) {
    Strings entries;
    for (int i = 0; i < list->count(); ++i) entries.push_back(list->itemText(i).toStdString());
    return entries;
}

Step pressing(const char* text) {
    return [text](QDialog& page) { button(page, text)->click(); };
}

// Words of a line, blanks collapsed: pdftotext lays columns out its own way.
std::string wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::string word, words;
    while (in >> word) words += (words.empty() ? "" : " ") + word;
    return words;
}

class VerrickPages : public testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    void SetUp() override {
        user.onModal = [this](QDialog& dialog) {
            mainPageVisibleUnder.push_back(page.isVisible());
            dialog.show();
            if (steps.empty()) {
                ADD_FAILURE() << "nothing to do on " << dialog.windowTitle().toStdString();
                dialog.reject();
            } else {
                const Step step = std::move(steps.front());
                steps.pop_front();
                step(dialog);
            }
            EXPECT_FALSE(dialog.isVisible()) << dialog.windowTitle().toStdString() << " is left open";
            return dialog.result();
        };
        page.show();
    }
    void next() { button(page, "Next >")->click(); }
    void select(const char* name, int entry) { list(page, name)->setCurrentIndex(entry); }
    void type(const char* name, const char* text) { field(page, name)->setText(QString::fromUtf8(text)); }
    // The Results window: its report is kept, then "OK".
    Step readingResults() {
        return [this](QDialog& results) {
            reports.push_back(page.designCheck().reportLines().lines());
            results.accept();
        };
    }

    ScratchSettings settings;
    QTemporaryDir folder;
    FakeUser user;
    ProgramShell shell{ProgramId::Verrick, user.services()};
    CVerrickDlg page{shell};
    std::deque<Step> steps;
    std::vector<bool> mainPageVisibleUnder;
    std::vector<Strings> reports;
};

TEST_F(VerrickPages, TheListsFollowTheShapeAndProfileAndAShapeChangeReplacesTheCornerPressure) {
    EXPECT_EQ(page.windowTitle(), "Verrick");
    EXPECT_EQ(entriesOf(list(page, "shape")), (Strings{"Round Pipe", "Pipe-arch", "Underpass"}));
    EXPECT_EQ(entriesOf(list(page, "liveLoad")), (Strings{"H20", "H25", "E80"}));
    EXPECT_EQ(entriesOf(list(page, "method")),
              (Strings{"ASTM ASD", "ASTM LRFD", "AASHTO ASD", "AASHTO LFD", "AASHTO LRFD", "AISI"}));
    EXPECT_EQ(field(page, "soilDensity")->text(), "120");
    EXPECT_EQ(field(page, "cover")->text(), "1.5");
    const QLabel* pressureUnit = nullptr;
    for (const QLabel* label : page.findChildren<QLabel*>())
        if (label->text() == "psf") pressureUnit = label;
    EXPECT_NE(pressureUnit, nullptr) << "the allowable corner pressure is typed in psf";

    const Strings roundProfiles = {"2-2/3 x 1/2", "3 x 1", "5 x 1", "6 x 2", "3/4 x 3/4 x 7-1/2 Ribbed",
                                   "3/4 x 1 x 11-1/2 Ribbed", "3/4 x 3/4 x 7-1/2 Composite Ribbed",
                                   "3/4 x 1 x 11-1/2 Composite Ribbed"};
    const Strings archProfiles = {"2-2/3 x 1/2", "3 x 1", "5 x 1", "6 x 2", "3/4 x 3/4 x 7-1/2 Ribbed",
                                  "3/4 x 1 x 11-1/2 Ribbed", "TEST"};
    struct Change {
        const char* what;
        std::function<void()> act;
        Strings profiles;
        Strings cornerRadii;
        const char* cornerPressure;
    };
    const Change changes[] = {
        {"at opening", [] {}, roundProfiles, {"N/A"}, "N/A"},
        {"pipe-arch after a typed pressure", [&] { type("cornerPressure", "2500");
                                                    select("shape", 1); },
         archProfiles, {"N/A"}, "4000"},
        {"6 x 2 pipe-arch", [&] { select("profile", 3); }, archProfiles, {"18 inch", "31 inch"}, "4000"},
        {"ribbed pipe-arch", [&] { select("profile", 4); }, archProfiles, {"N/A"}, "4000"},
        {"underpass after a typed pressure", [&] { type("cornerPressure", "2500");
                                                    select("shape", 2); },
         {"6 x 2"}, {"N/A"}, "4000"},
        {"round pipe again", [&] { select("shape", 0); }, roundProfiles, {"N/A"}, "N/A"},
        {"6 x 2 round pipe", [&] { select("profile", 3); }, roundProfiles, {"N/A"}, "N/A"},
    };
    for (const Change& change : changes) {
        change.act();
        EXPECT_EQ(entriesOf(list(page, "profile")), change.profiles) << change.what;
        EXPECT_EQ(entriesOf(list(page, "cornerRadius")), change.cornerRadii) << change.what;
        EXPECT_EQ(list(page, "cornerRadius")->currentIndex(), 0) << change.what;
        EXPECT_EQ(field(page, "cornerPressure")->text(), change.cornerPressure) << change.what;
    }
}

TEST_F(VerrickPages, NextShowsTheFirstRefusalAndKeepsThePageAsTyped) {
    struct Refusal {
        int shape;
        const char *soilDensity, *cover, *cornerPressure, *message;
    };
    const Refusal refusals[] = {
        {0, "0.999", "0.5", "N/A", "The soil density must be between 1 and 10000."},
        {1, "10000", "0.99", "0", "The cover must be >= 1."},
        {2, "1", "1", "abc", "The corner pressure must be > 0."},
    };
    for (const Refusal& refusal : refusals) {
        user.warnings.clear();
        select("shape", refusal.shape);
        type("soilDensity", refusal.soilDensity);
        type("cover", refusal.cover);
        type("cornerPressure", refusal.cornerPressure);
        next();
        ASSERT_EQ(user.warnings.size(), 1u) << refusal.message;
        EXPECT_EQ(user.warnings[0].caption, "Verrick");
        EXPECT_EQ(user.warnings[0].text, refusal.message);
        EXPECT_TRUE(page.isVisible());
        EXPECT_EQ(field(page, "cornerPressure")->text(), refusal.cornerPressure);
    }
    EXPECT_TRUE(user.modalTitles.empty());
}

TEST_F(VerrickPages, AnUnderpassOffersItsLabelledSpansAndOnlyBoltedSeams) {
    select("shape", 2);
    steps.push_back([](QDialog& properties) {
        EXPECT_EQ(properties.windowTitle(), "Design Properties");
        EXPECT_EQ(field(properties, "structureShape")->text(), "Underpass");
        EXPECT_EQ(field(properties, "profileName")->text(), "6x2");
        const Strings spans = entriesOf(list(properties, "span"));
        ASSERT_EQ(spans.size(), 22u);
        EXPECT_EQ(Strings(spans.begin(), spans.begin() + 6),
                  (Strings{"68 (x69)", "68 (x78)", "69", "70 (x92)", "70 (x98)", "146"}));
        EXPECT_EQ(entriesOf(list(properties, "corrugationType")), Strings{"Bolted"});
        EXPECT_EQ(entriesOf(list(properties, "installationType")), (Strings{"Embankment", "Trench, Standard"}));
        button(properties, "< Backup")->click();
    });
    next();
    EXPECT_TRUE(steps.empty());
}

TEST_F(VerrickPages, TheLoadReductionFactorPageIsAskedOnlyUnderAisiWhenTwelveTimesTheCoverReachesTheSpan) {
    struct Case {
        int method;
        const char* cover;
        bool asked;
    };
    // A 48 in. round pipe: 4 ft of cover is 48 in.
    const Case cases[] = {{5, "4", true},  {5, "3.9", false}, {5, "10", true},  {0, "4", false},
                          {1, "10", false}, {2, "4", false},  {3, "10", false}, {4, "4", false}};
    for (const Case& c : cases) {
        const std::string what = std::to_string(c.method) + " with " + c.cover + " ft";
        select("method", c.method);
        type("cover", c.cover);
        user.modalTitles.clear();
        steps.push_back(pressing("Next >"));
        if (c.asked)
            steps.push_back([](QDialog& reduction) {
                EXPECT_EQ(field(reduction, "reductionFactor")->text(), "1.0");
                bool noted = false;
                for (const QLabel* label : reduction.findChildren<QLabel*>())
                    noted = noted || label->text() ==
                                         "Applied when cover is greater than span of pipe.  Suggested value is 0.86 "
                                         "for 85-90% density per AASHTO T-99.";
                EXPECT_TRUE(noted);
                field(reduction, "reductionFactor")->setText("0.86");
                button(reduction, "Next >")->click();
            });
        steps.push_back(readingResults());
        next();
        const std::vector<QString> expected =
            c.asked ? std::vector<QString>{"Round Pipe Properties", "Load Reduction Factor", "Results"}
                    : std::vector<QString>{"Round Pipe Properties", "Results"};
        EXPECT_EQ(user.modalTitles, expected) << what;
        EXPECT_EQ(page.designCheck().reductionApplied(), c.asked) << what;
        const Strings& report = reports.back();
        EXPECT_EQ(std::count(report.begin(), report.end(), "    Load Reduction Factor: 0.86"), c.asked ? 1 : 0) << what;
    }
    EXPECT_TRUE(steps.empty());
}

TEST_F(VerrickPages, ACompositeRibbedProfileUnderAnAashtoMethodOffersNoInstallationTypeAndIsRefused) {
    struct Case {
        int shape, profile, method;
    };
    const Case cases[] = {{0, 6, 2}, {0, 7, 3}, {1, 6, 4}};
    for (const Case& c : cases) {
        select("shape", c.shape);
        select("profile", c.profile);
        select("method", c.method);
        user.warnings.clear();
        steps.push_back([this](QDialog& properties) {
            EXPECT_EQ(list(properties, "installationType")->count(), 0);
            button(properties, "Next >")->click();
            ASSERT_EQ(user.warnings.size(), 1u);
            EXPECT_EQ(user.warnings[0].text, "No installation type is available for this profile and design method.");
            EXPECT_TRUE(properties.isVisible()) << "the page stays open";
            button(properties, "< Backup")->click();
        });
        next();
        EXPECT_TRUE(reports.empty());
    }
    EXPECT_TRUE(steps.empty());
}

TEST_F(VerrickPages, BackupReturnsToThePageBeforeShownAgainWithItsValues) {
    select("method", 5);
    type("cover", "4");
    user.warnings.clear();
    steps = {
        // Properties page: "< Backup" to the main page.
        [](QDialog& properties) {
            field(properties, "span")->setText("36");
            button(properties, "< Backup")->click();
        },
        // Escape does the same.
        [](QDialog& properties) { QTest::keyClick(&properties, Qt::Key_Escape); },
        // Load Reduction Factor page: a refused factor, "< Backup" to the
        // properties page, which is still open with its values.
        [this](QDialog& properties) {
            field(properties, "span")->setText("40");
            button(properties, "Next >")->click();
            EXPECT_TRUE(properties.isVisible());
            EXPECT_EQ(field(properties, "span")->text(), "40");
            EXPECT_EQ(user.modalTitles.back(), "Load Reduction Factor");
            button(properties, "< Backup")->click();
        },
        [this](QDialog& reduction) {
            field(reduction, "reductionFactor")->setText("0");
            button(reduction, "Next >")->click();
            ASSERT_EQ(user.warnings.size(), 1u);
            EXPECT_EQ(user.warnings[0].text, "The reduction factor must be > 0.");
            EXPECT_TRUE(reduction.isVisible());
            button(reduction, "< Backup")->click();
        },
    };
    next();
    EXPECT_TRUE(page.isVisible());
    next();
    next();
    EXPECT_TRUE(steps.empty());
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(user.modalTitles, (std::vector<QString>{"Round Pipe Properties", "Round Pipe Properties",
                                                      "Round Pipe Properties", "Load Reduction Factor"}));
    EXPECT_EQ(mainPageVisibleUnder, std::vector<bool>(4, false));
    EXPECT_EQ(field(page, "cover")->text(), "4");
    EXPECT_EQ(list(page, "method")->currentIndex(), 5);
}

TEST_F(VerrickPages, AfterResultsTheMainPageIsBackWithItsEntriesAndTheNextRunGivesTheSameReport) {
    select("shape", 1);
    select("profile", 3);
    select("cornerRadius", 1);
    select("liveLoad", 1);
    select("method", 4);
    type("soilDensity", "115");
    type("cover", "3.25");
    type("cornerPressure", "6000");
    for (int run = 0; run < 2; ++run) {
        steps.push_back(pressing("Next >"));
        steps.push_back(readingResults());
        next();
        EXPECT_TRUE(page.isVisible());
        EXPECT_TRUE(page.designCheck().reportLines().isEmpty()) << "the listing is emptied after the Results window";
    }
    EXPECT_EQ(mainPageVisibleUnder, std::vector<bool>(4, false));
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1], reports[0]);
    EXPECT_NE(std::count(reports[0].begin(), reports[0].end(), "    Profile:              6x2 31(in) Corner Radius"), 0);
    EXPECT_EQ(list(page, "cornerRadius")->currentText(), "31 inch");
    EXPECT_EQ(list(page, "liveLoad")->currentText(), "H25");
    EXPECT_EQ(list(page, "method")->currentText(), "AASHTO LRFD");
    EXPECT_EQ(field(page, "soilDensity")->text(), "115");
    EXPECT_EQ(field(page, "cover")->text(), "3.25");
    EXPECT_EQ(field(page, "cornerPressure")->text(), "6000");
}

struct SavedCase {
    const char* name;
    int shape, profile, cornerRadius, liveLoad, method;
    const char *cover, *cornerPressure;
    int size;
    const char* span;
    int thickness, corrugation, installation;
    const char* reduction;  // nothing when the page is not asked
    std::vector<const char*> options;
};

const SavedCase savedCases[] = {
    {"round pipe", 0, 1, 0, 0, 0, "3", "", 0, "60", 2, 1, 1, nullptr,
     {"--profile", "1", "--cover", "3", "--span", "60", "--thickness", "2", "--corrugation", "annular",
      "--installation", "trench-standard"}},
    {"6 x 2 pipe-arch with the 31 in. radius", 1, 3, 1, 2, 3, "2", "6000", 2, "", 4, 0, 0, nullptr,
     {"--shape", "pipe-arch", "--profile", "3", "--corner-radius", "31", "--live-load", "E80", "--method",
      "aashto-lfd", "--cover", "2", "--corner-pressure", "6000", "--size", "2", "--thickness", "4"}},
    {"underpass", 2, 0, 0, 1, 1, "5", "3000", 4, "", 8, 0, 1, nullptr,
     {"--shape", "underpass", "--live-load", "H25", "--method", "astm-lrfd", "--cover", "5", "--corner-pressure",
      "3000", "--size", "4", "--thickness", "8", "--installation", "trench-standard"}},
    {"AISI with a reduction factor", 0, 0, 0, 0, 5, "4", "", 0, "48", 1, 0, 0, "0.86",
     {"--method", "aisi", "--cover", "4", "--thickness", "1", "--reduction", "0.86"}},
};

TEST_F(VerrickPages, SaveAsWritesTheBytesThatCspReportWritesForTheSameEntries) {
    for (const SavedCase& c : savedCases) {
        select("shape", c.shape);
        select("profile", c.profile);
        select("cornerRadius", c.cornerRadius);
        select("liveLoad", c.liveLoad);
        select("method", c.method);
        type("cover", c.cover);
        if (c.shape != 0) type("cornerPressure", c.cornerPressure);
        steps.push_back([&c](QDialog& properties) {
            if (c.shape == 0)
                field(properties, "span")->setText(c.span);
            else
                list(properties, "span")->setCurrentIndex(c.size);
            list(properties, "thickness")->setCurrentIndex(c.thickness);
            list(properties, "corrugationType")->setCurrentIndex(c.corrugation);
            list(properties, "installationType")->setCurrentIndex(c.installation);
            button(properties, "Next >")->click();
        });
        if (c.reduction)
            steps.push_back([&c](QDialog& reduction) {
                field(reduction, "reductionFactor")->setText(c.reduction);
                button(reduction, "Next >")->click();
            });
        const QString saved = folder.filePath(QString::fromLatin1(c.name) + ".txt");
        steps.push_back([this, saved](QDialog& results) {
            user.saveAnswer = saved;
            dynamic_cast<CResultsDlg&>(results).saveAs();
            results.accept();
        });
        next();
        ASSERT_TRUE(steps.empty()) << c.name;

        const auto expectedPath = cli::temporaryReportPath("verrick-pages");
        std::vector<const char*> arguments = {"verrick"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        arguments.insert(arguments.end(), {"-o", expectedPath.c_str()});
        const cli::Invocation command = cli::invokeCspReport(arguments);
        ASSERT_EQ(command.status, 0) << c.name << ": " << command.err;
        EXPECT_EQ(contentsOf(saved), cli::takeSavedBytes(expectedPath)) << c.name;
    }
    EXPECT_TRUE(user.warnings.empty());
}

TEST_F(VerrickPages, PrintPutsTheReportOnTwoPagesTheSecondFromThePageBreakLine) {
    const QString pdf = folder.filePath("verrick.pdf");
    Strings report;
    std::size_t pageBreak = 0;
    steps.push_back(pressing("Next >"));
    steps.push_back([&](QDialog& results) {
        report = page.designCheck().reportLines().lines();
        pageBreak = static_cast<std::size_t>(page.designCheck().pageBreakLine());
        user.printToPdf = pdf;
        dynamic_cast<CResultsDlg&>(results).print();
        results.accept();
    });
    next();
    ASSERT_EQ(user.printRanges.size(), 1u);
    EXPECT_EQ(user.printRanges[0].to, 2);
    const std::vector<std::string> pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_LT(pageBreak, report.size());
    // Blank lines leave no trace in the PDF's text: compare the last words
    // of the first page and the first of the second with the report's.
    std::vector<std::string> firstPageLines, secondPageLines, before, after;
    for (auto [text, lines] : {std::pair{&pages[0], &firstPageLines}, std::pair{&pages[1], &secondPageLines}}) {
        std::istringstream in(*text);
        for (std::string line; std::getline(in, line);)
            if (!wordsOf(line).empty()) lines->push_back(wordsOf(line));
    }
    for (std::size_t i = 0; i < report.size(); ++i)
        if (const std::string words = wordsOf(windows1252ToUtf8(report[i])); !words.empty())
            (i < pageBreak ? before : after).push_back(words);
    EXPECT_EQ(firstPageLines, before);
    EXPECT_EQ(secondPageLines, after);
    EXPECT_NE(std::find(before.begin(), before.end(), "Design Check Summary:"), before.end());
}

}  // namespace
}  // namespace csp::ui
