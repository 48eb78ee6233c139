#include "designcheck/design_check_entries.h"
#include "shell/ui/program_dlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

void press(const QDialog& page, const char* text) {
    for (QPushButton* button : page.findChildren<QPushButton*>())
        if (button->text() == text) return button->click();
    ADD_FAILURE() << "no button " << text << " on " << page.windowTitle().toStdString();
}
QComboBox* list(const QDialog& page, const char* name) { return page.findChild<QComboBox*>(name); }
QLineEdit* field(const QDialog& page, const char* name) { return page.findChild<QLineEdit*>(name); }

Strings entriesOf(const QComboBox* list) {
    Strings entries;
    for (int i = 0; i < list->count(); ++i) entries.push_back(list->itemText(i).toStdString());
    return entries;
}

Step pressing(const char* text) {
    return [text](QDialog& page) { press(page, text); };
}

// Keys typed as soon as the page opens, into whatever has the focus, then
// Enter there.
Step typingAtOnce(const char* keys) {
    return [keys](QDialog& page) {
        QWidget* focused = page.focusWidget();
        ASSERT_NE(focused, nullptr) << "nothing has the focus on " << page.windowTitle().toStdString();
        QTest::keyClicks(focused, QString::fromLatin1(keys));
        QTest::keyClick(focused, Qt::Key_Return);
    };
}

// The non-blank lines of a text, blanks collapsed: pdftotext lays columns
// out its own way and drops blank lines.
Strings wordsOf(const std::string& text) {
    Strings lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string word, joined;
        while (words >> word) joined += (joined.empty() ? "" : " ") + word;
        if (!joined.empty()) lines.push_back(joined);
    }
    return lines;
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
    void next() { press(page, "Next >"); }
    void select(const char* name, int entry) { list(page, name)->setCurrentIndex(entry); }
    void type(const char* name, const char* text) { field(page, name)->setText(QString::fromUtf8(text)); }

    ScratchSettings settings;
    QTemporaryDir folder;
    FakeUser user;
    ProgramShell shell{ProgramId::Verrick, user.services()};
    CProgramDlg page{shell, designcheck::designCheckProgram()};
    std::deque<Step> steps;
    std::vector<bool> mainPageVisibleUnder;
};

TEST_F(VerrickPages, TheListsFollowTheShapeAndProfileAndAShapeChangeReplacesTheCornerPressure) {
    const Strings round = {"2-2/3 x 1/2", "3 x 1", "5 x 1", "6 x 2", "3/4 x 3/4 x 7-1/2 Ribbed",
                           "3/4 x 1 x 11-1/2 Ribbed", "3/4 x 3/4 x 7-1/2 Composite Ribbed",
                           "3/4 x 1 x 11-1/2 Composite Ribbed"};
    const Strings arch = {"2-2/3 x 1/2", "3 x 1", "5 x 1", "6 x 2", "3/4 x 3/4 x 7-1/2 Ribbed",
                          "3/4 x 1 x 11-1/2 Ribbed", "TEST"};
    struct Change {
        const char* what;
        const char* list;  // nothing: as the page opens
        int entry;
        Strings profiles, cornerRadii;
        const char* cornerPressure;
    };
    const Change changes[] = {
        {"at opening", nullptr, 0, round, {"N/A"}, "N/A"},
        {"pipe-arch", "shape", 1, arch, {"N/A"}, "4000"},
        {"6 x 2 pipe-arch", "profile", 3, arch, {"18 inch", "31 inch"}, "4000"},
        {"ribbed pipe-arch", "profile", 4, arch, {"N/A"}, "4000"},
        {"underpass", "shape", 2, {"6 x 2"}, {"N/A"}, "4000"},
        {"round pipe again", "shape", 0, round, {"N/A"}, "N/A"},
        {"6 x 2 round pipe", "profile", 3, round, {"N/A"}, "N/A"},
    };
    for (const Change& change : changes) {
        const bool shapeChange = change.list && std::string_view(change.list) == "shape";
        if (shapeChange) type("corner-pressure", "2500");  // replaced by the shape's preset
        if (change.list) select(change.list, change.entry);
        EXPECT_EQ(entriesOf(list(page, "profile")), change.profiles) << change.what;
        EXPECT_EQ(entriesOf(list(page, "corner-radius")), change.cornerRadii) << change.what;
        EXPECT_EQ(list(page, "corner-radius")->currentIndex(), 0) << change.what;
        if (!change.list || shapeChange) {
            EXPECT_EQ(field(page, "corner-pressure")->text(), change.cornerPressure) << change.what;
        }
        // The N/A controls leave the Tab order with the shape that has no use for them.
        EXPECT_EQ(keyboardFaults(page), Strings{}) << change.what;
    }
}

TEST_F(VerrickPages, AnUnderpassOffersItsSpansLabelledWithTheRiseWhereTheyRepeat) {
    select("shape", 2);
    steps.push_back([](QDialog& properties) {
        EXPECT_EQ(properties.windowTitle(), "Design Properties");
        const Strings spans = entriesOf(list(properties, "size"));
        ASSERT_EQ(spans.size(), 22u);
        EXPECT_EQ(Strings(spans.begin(), spans.begin() + 6),
                  (Strings{"68 (x69)", "68 (x78)", "69", "70 (x92)", "70 (x98)", "146"}));
        press(properties, "< Backup");
    });
    next();
}

TEST_F(VerrickPages, TheLoadReductionFactorPageIsAskedOnlyUnderAisiWhenTwelveTimesTheCoverReachesTheSpan) {
    struct Case {
        int method;
        const char* cover;  // over a 48 in. round pipe: 4 ft is 48 in.
        bool asked;
    };
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
                EXPECT_EQ(field(reduction, "load-reduction")->text(), "1.0");
                field(reduction, "load-reduction")->setText("0.86");
                press(reduction, "Next >");
            });
        steps.push_back(pressing("OK"));
        next();
        EXPECT_EQ(user.modalTitles.size(), c.asked ? 3u : 2u) << what;
        const bool reduced = page.session().results().commandLine.find("--load-reduction 0.86") != std::string::npos;
        EXPECT_EQ(reduced, c.asked) << what << ": the factor is left out when not asked";
    }
}

TEST_F(VerrickPages, ACompositeRibbedProfileUnderAnAashtoMethodOffersNoInstallationTypeAndIsRefused) {
    const int cases[][3] = {{0, 6, 2}, {0, 7, 3}, {1, 6, 4}};  // shape, profile entry, method
    for (const auto& [shape, profile, method] : cases) {
        select("shape", shape);
        select("profile", profile);
        select("method", method);
        steps.push_back([this](QDialog& properties) {
            EXPECT_EQ(list(properties, "installation")->count(), 0);
            press(properties, "Next >");
            ASSERT_FALSE(user.warnings.empty());
            EXPECT_EQ(user.warnings.back().text,
                      "No installation type is available for this profile and design method.");
            EXPECT_TRUE(properties.isVisible()) << "the page stays open";
            press(properties, "< Backup");
        });
        next();
    }
    EXPECT_EQ(user.warnings.size(), 3u);
    EXPECT_EQ(user.modalTitles.size(), 3u) << "no Results window";
}

// As the program runs it: the main page hides under the later pages and
// comes back after them without ending the program; only Quit ends it.
TEST_F(VerrickPages, UnderItsOwnLoopTheMainPageHidesUnderALaterPageAndComesBack) {
    page.hide();
    steps.push_back(pressing("< Backup"));
    bool visibleAfterwards = false;
    QTimer::singleShot(0, &page, [&] {
        next();
        visibleAfterwards = page.isVisible();
        QTimer::singleShot(0, &page, [&] { press(page, "Quit"); });
    });
    runMainPage(page);
    EXPECT_EQ(mainPageVisibleUnder, std::vector<bool>{false});
    EXPECT_TRUE(visibleAfterwards);
    EXPECT_FALSE(page.isVisible()) << "ended by Quit only";
}

TEST_F(VerrickPages, BackupReturnsToThePageBeforeShownAgainWithItsValues) {
    select("method", 5);
    type("cover", "4");
    steps = {
        pressing("< Backup"),  // properties page to the main page
        [](QDialog& properties) { QTest::keyClick(&properties, Qt::Key_Escape); },  // the same
        // Load Reduction Factor page to the properties page, still open as left.
        [this](QDialog& properties) {
            field(properties, "span")->setText("40");
            press(properties, "Next >");
            EXPECT_TRUE(properties.isVisible());
            EXPECT_EQ(field(properties, "span")->text(), "40");
            EXPECT_EQ(user.modalTitles.back(), "Load Reduction Factor");
            press(properties, "< Backup");
        },
        [this](QDialog& reduction) {
            field(reduction, "load-reduction")->setText("0");
            press(reduction, "Next >");
            ASSERT_EQ(user.warnings.size(), 1u);
            EXPECT_EQ(user.warnings.back().text, "The reduction factor must be > 0.");
            EXPECT_TRUE(reduction.isVisible());
            press(reduction, "< Backup");
        },
    };
    for (int run = 0; run < 3; ++run) next();
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(mainPageVisibleUnder, std::vector<bool>(4, false)) << "three properties pages and one reduction page";
    EXPECT_TRUE(page.isVisible());
    EXPECT_EQ(field(page, "cover")->text(), "4");
    EXPECT_EQ(list(page, "method")->currentIndex(), 5);
}

// Each page opens with its first field focused and its text selected: a
// person who types at once and presses Enter gets what they typed.
TEST_F(VerrickPages, ValuesTypedAtOnceWithEnterReachTheReport) {
    select("method", 5);
    type("cover", "5");
    const QString saved = folder.filePath("typed.txt");
    steps = {typingAtOnce("60"), typingAtOnce("0.86"), [this, saved](QDialog& results) {
                 user.saveAnswer = saved;
                 dynamic_cast<CResultsDlg&>(results).saveAs();
                 results.accept();
             }};
    next();
    ASSERT_TRUE(steps.empty());
    const auto expected = cli::temporaryReportPath("verrick-typed");
    const cli::Invocation command = cli::invokeCspReport(
        {"verrick", "-o", expected.c_str(), "--method", "aisi", "--cover", "5", "--span", "60", "--reduction", "0.86"});
    ASSERT_EQ(command.status, 0) << command.err;
    EXPECT_EQ(contentsOf(saved), cli::takeSavedBytes(expected));
    EXPECT_TRUE(user.warnings.empty());
}

// A misread field keeps its page open on it, its text selected; a round
// pipe's "N/A" corner pressure is not read.
TEST_F(VerrickPages, AMisreadFieldKeepsItsPageOpenOnIt) {
    type("cover", "12,5");
    next();
    ASSERT_EQ(user.warnings.size(), 1u);
    EXPECT_EQ(user.warnings[0].text, "The cover '12,5' is not a number.");
    EXPECT_EQ(page.focusWidget(), field(page, "cover"));
    EXPECT_EQ(field(page, "cover")->selectedText(), "12,5");
    EXPECT_FALSE(field(page, "corner-pressure")->isEnabled()) << "N/A for a round pipe";
    type("cover", "5");
    steps = {[this](QDialog& properties) {
                 field(properties, "span")->setText("48.0.0");
                 press(properties, "Next >");
                 EXPECT_TRUE(properties.isVisible());
                 EXPECT_EQ(properties.focusWidget(), field(properties, "span"));
                 EXPECT_EQ(field(properties, "span")->selectedText(), "48.0.0");
                 press(properties, "< Backup");
             }};
    next();
    ASSERT_EQ(user.warnings.size(), 2u);
    EXPECT_EQ(user.warnings[1].text, "The span '48.0.0' is not a number.");
}

// An object's name, or a button's text.
std::string nameOf(const QWidget* control) {
    if (const auto* button = qobject_cast<const QPushButton*>(control)) return button->text().toStdString();
    return control ? control->objectName().toStdString() : "nothing";
}

// Where Tab goes from the control focused on opening, until it comes back.
Strings tabCycle(QDialog& page) {
    Strings visited;
    QWidget* first = page.focusWidget();
    QWidget* at = first;
    do {
        visited.push_back(nameOf(at));
        QTest::keyClick(at, Qt::Key_Tab);
        at = page.focusWidget();
    } while (at && at != first && visited.size() < 12);
    return visited;
}

TEST_F(VerrickPages, ThePropertiesPagesOpenOnTheSpanAndTabGoesDownTheFieldsThenAcrossTheButtons) {
    const struct {
        int shape;
        const char* title;
        const char* span;      // the typed span, or the list of sizes
        const char* selected;  // the span field's text, selected; nothing for a list
    } cases[] = {{0, "Round Pipe Properties", "span", "48"},
                 {1, "Design Properties", "size", nullptr},
                 {2, "Design Properties", "size", nullptr}};
    for (const auto& c : cases) {
        select("shape", c.shape);
        steps.push_back([&c](QDialog& properties) {
            EXPECT_EQ(properties.windowTitle(), c.title);
            ASSERT_EQ(nameOf(properties.focusWidget()), c.span) << c.title;
            if (c.selected) {
                EXPECT_EQ(field(properties, "span")->selectedText(), c.selected);
            }
            EXPECT_EQ(tabCycle(properties), (Strings{c.span, "thickness", "corrugation", "installation",
                                                     "< Backup", "Next >"}))
                << c.shape;
            press(properties, "< Backup");
        });
        next();
    }
    EXPECT_TRUE(steps.empty());
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

// Each run ends with the main page back, its entries as left and the
// listing emptied for the next run.
TEST_F(VerrickPages, SaveAsWritesTheBytesThatCspReportWritesForTheSameEntries) {
    for (const SavedCase& c : savedCases) {
        select("shape", c.shape);
        select("profile", c.profile);
        select("corner-radius", c.cornerRadius);
        select("live-load", c.liveLoad);
        select("method", c.method);
        type("cover", c.cover);
        if (c.shape != 0) type("corner-pressure", c.cornerPressure);
        steps.push_back([&c](QDialog& properties) {
            if (c.shape == 0)
                field(properties, "span")->setText(c.span);
            else
                list(properties, "size")->setCurrentIndex(c.size);
            list(properties, "thickness")->setCurrentIndex(c.thickness);
            list(properties, "corrugation")->setCurrentIndex(c.corrugation);
            list(properties, "installation")->setCurrentIndex(c.installation);
            press(properties, "Next >");
        });
        if (c.reduction)
            steps.push_back([&c](QDialog& reduction) {
                field(reduction, "load-reduction")->setText(c.reduction);
                press(reduction, "Next >");
            });
        const QString saved = folder.filePath(QString::fromLatin1(c.name) + ".txt");
        steps.push_back([this, saved](QDialog& results) {
            user.saveAnswer = saved;
            dynamic_cast<CResultsDlg&>(results).saveAs();
            results.accept();
        });
        next();
        ASSERT_TRUE(steps.empty()) << c.name;
        EXPECT_TRUE(page.isVisible()) << c.name;
        EXPECT_EQ(field(page, "cover")->text(), c.cover) << c.name;
        EXPECT_EQ(list(page, "corner-radius")->currentIndex(), c.cornerRadius) << c.name;

        const auto expected = cli::temporaryReportPath("verrick-pages");
        std::vector<const char*> arguments = {"verrick", "-o", expected.c_str()};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const cli::Invocation command = cli::invokeCspReport(arguments);
        ASSERT_EQ(command.status, 0) << c.name << ": " << command.err;
        EXPECT_EQ(contentsOf(saved), cli::takeSavedBytes(expected)) << c.name;
    }
    EXPECT_EQ(std::count(mainPageVisibleUnder.begin(), mainPageVisibleUnder.end(), true), 0);
    EXPECT_TRUE(user.warnings.empty());
}

TEST_F(VerrickPages, PrintPutsTheReportOnTwoPagesTheSecondFromThePageBreakLine) {
    const QString pdf = folder.filePath("verrick.pdf");
    Strings before, after;  // the report's lines, split at the page-break line
    steps.push_back(pressing("Next >"));
    steps.push_back([&](QDialog& results) {
        const Strings& report = page.session().results().listing.lines();
        const auto pageBreak = static_cast<std::size_t>(page.session().results().pageBreakLine);
        for (std::size_t i = 0; i < report.size(); ++i)
            (i < pageBreak ? before : after).push_back(windows1252ToUtf8(report[i]));
        user.printToPdf = pdf;
        dynamic_cast<CResultsDlg&>(results).print();
        results.accept();
    });
    steps.push_back(pressing("OK"));  // the Job dialog, as it was filled last
    next();
    ASSERT_EQ(user.printRanges.size(), 1u);
    EXPECT_EQ(user.printRanges[0].to, 2);
    const std::vector<std::string> pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 2u);
    auto joined = [](const Strings& lines) {
        std::string text;
        for (const std::string& line : lines) text += line + "\n";
        return text;
    };
    // Each page's report lies between its job block and its footer.
    auto report = [&](const std::string& page) {
        const Strings words = wordsOf(page);
        return words.size() < 5 ? Strings{} : Strings(words.begin() + 4, words.end() - 1);
    };
    EXPECT_EQ(report(pages[0]), wordsOf(joined(before)));
    EXPECT_EQ(report(pages[1]), wordsOf(joined(after)));
    EXPECT_FALSE(after.empty());
}

}  // namespace
}  // namespace csp::ui
