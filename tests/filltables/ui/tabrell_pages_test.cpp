#include "filltables/ui/tabrell_dlg.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>

#include "filltables/choice_pages.h"
#include "shell/listing_file.h"
#include "shell/ui/program_shell.h"
#include "shell/ui/results_dlg.h"
#include "shell/windows1252.h"
#include "tests/shell/ui/shell_test_support.h"

namespace csp::ui {
namespace {

using namespace testing_support;
using Action = std::function<void(QDialog&)>;

QPushButton* buttonStartingWith(const QDialog& page, const QString& text) {
    for (QPushButton* candidate : page.findChildren<QPushButton*>())
        if (candidate->text().startsWith(text)) return candidate;
    ADD_FAILURE() << "no button " << text.toStdString() << " on " << page.windowTitle().toStdString();
    return nullptr;
}

// What the user does on the page that is open.
const Action next = [](QDialog& page) { buttonStartingWith(page, "Next >")->click(); };
const Action back = [](QDialog& page) { buttonStartingWith(page, "< B")->click(); };
const Action escape = [](QDialog& page) { QTest::keyClick(&page, Qt::Key_Escape); };
const Action closeBox = [](QDialog& page) { page.close(); };
const Action ok = [](QDialog& page) { buttonStartingWith(page, "OK")->click(); };
Action select(int position) {
    return [position](QDialog& page) { page.findChildren<QRadioButton*>().at(position)->setChecked(true); };
}
Action type(const char* text) {
    return [text](QDialog& page) { page.findChild<QLineEdit*>()->setText(QString::fromUtf8(text)); };
}

// A page as it opened: its title, caption, radio texts (unwrapped), the
// one selected, its field's text and its back button.
struct ShownPage {
    std::string title, caption, choices, field, backButton;
    int selected = -1;
    bool mainPageVisible = true;
    bool operator==(const ShownPage&) const = default;
};
std::ostream& operator<<(std::ostream& out, const ShownPage& p) {
    return out << p.title << " [" << p.caption << "|" << p.choices << "|" << p.selected << "|" << p.field << "|"
               << p.backButton << "]" << (p.mainPageVisible ? " over the main page" : "");
}

ShownPage pageOf(const ChoicePageTexts& texts, std::size_t selected) {
    std::string choices;
    for (std::string_view text : texts.choices) choices += std::string(text) + ";";
    return {std::string(texts.title), std::string(texts.groupCaption), choices, "", std::string(texts.backButton),
            static_cast<int>(selected), false};
}
const ShownPage trenchDetails = pageOf(trenchDetailsPageTexts, 1), selectDesign = pageOf(selectDesignPageTexts, 0),
                selectDesignTwo = pageOf(selectDesignTwoChoicesPageTexts, 0),
                baseForTables = pageOf(baseForTablesPageTexts, 0),
                loadReduction = {"Load Reduction", "", "", "1.0", "< Back", -1, false},
                results = {"Results", "", "", "", "", -1, false};

class TabrellPages : public testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    void SetUp() override {
        page.show();
        user.onModal = [this](QDialog& dialog) { return runPage(dialog); };
    }

    // Plays the script on each page until it closes; with no script left,
    // "Next >" (or "OK" in the Results window).
    int runPage(QDialog& dialog) {
        dialog.show();
        shown.push_back(describe(dialog));
        if (dynamic_cast<CResultsDlg*>(&dialog)) {
            const QListWidget* list = dialog.findChild<QListWidget*>();
            reports.emplace_back();
            for (int i = 0; i < list->count(); ++i) reports.back().push_back(list->item(i)->text().toStdString());
        }
        for (int actions = 0; dialog.isVisible(); ++actions) {
            if (actions == 10) dialog.reject();  // a page that never closes fails the test below
            const Action act = !script.empty() ? script.front() : dynamic_cast<CResultsDlg*>(&dialog) ? ok : next;
            if (!script.empty()) script.pop_front();
            act(dialog);
        }
        return dialog.result();
    }
    ShownPage describe(const QDialog& dialog) const {
        ShownPage p{dialog.windowTitle().toStdString(), "", "", "", "", -1, page.isVisible()};
        if (const QGroupBox* group = dialog.findChild<QGroupBox*>()) p.caption = group->title().toStdString();
        const QList<QRadioButton*> radios = dialog.findChildren<QRadioButton*>();
        for (int i = 0; i < radios.size(); ++i) {
            p.choices += radios[i]->text().replace('\n', ' ').toStdString() + ";";
            if (radios[i]->isChecked()) p.selected = i;
        }
        if (const QLineEdit* field = dialog.findChild<QLineEdit*>()) p.field = field->text().toStdString();
        for (const QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text().startsWith("< B")) p.backButton = button->text().toStdString();
        return p;
    }

    QComboBox* list(const char* name) const { return page.findChild<QComboBox*>(name); }
    QLineEdit* soilDensity() const { return page.findChild<QLineEdit*>("soilDensity"); }
    void chooseOnMainPage(int shape, Conditions conditions) {
        list("shapeProfile")->setCurrentIndex(shape);
        list("conditions")->setCurrentIndex(static_cast<int>(conditions));
    }
    void makeTable(std::deque<Action> actions = {}) {
        script = std::move(actions);
        shown.clear();
        reports.clear();
        buttonStartingWith(page, "Next >")->click();
        EXPECT_TRUE(script.empty()) << "actions left over";
        EXPECT_TRUE(page.isVisible()) << "the main page is back whatever ended the sequence";
    }
    std::vector<std::string> mainPageValues() const {
        return {list("shapeProfile")->currentText().toStdString(), list("liveLoad")->currentText().toStdString(),
                soilDensity()->text().toStdString(), list("conditions")->currentText().toStdString(),
                list("print")->currentText().toStdString()};
    }

    ScratchSettings settings;
    FakeUser user;
    ProgramShell shell{ProgramId::Tabrell, user.services()};
    CTabrellDlg page{shell};
    std::deque<Action> script;
    std::vector<ShownPage> shown;
    std::vector<std::vector<std::string>> reports;
};

TEST_F(TabrellPages, TheMainPageOffersItsEntriesInOrderWithThePresetsSelected) {
    EXPECT_EQ(page.windowTitle(), "Tabrell");
    const std::map<const char*, std::span<const std::string_view>> entries = {
        {"shapeProfile", shapeProfileTexts}, {"liveLoad", liveLoadTexts}, {"conditions", conditionsTexts},
        {"print", printTexts}};
    for (const auto& [name, texts] : entries) {
        ASSERT_EQ(list(name)->count(), static_cast<int>(texts.size())) << name;
        for (std::size_t i = 0; i < texts.size(); ++i)
            EXPECT_EQ(list(name)->itemText(static_cast<int>(i)).toStdString(), texts[i]) << name;
    }
    EXPECT_EQ(mainPageValues(), (std::vector<std::string>{"Round pipe with 2-2/3 x 1/2 corrugation", "H 20", "120",
                                                          "Embankment  AISI", "Show the Criteria With the  Results"}));
    EXPECT_EQ(list("conditions")->itemText(0), "Embankment  ASTM/AASHTO") << "double blanks kept";
    EXPECT_TRUE(buttonStartingWith(page, "Next >")->isDefault());
    EXPECT_EQ(buttonStartingWith(page, "Done")->text(), "Done");
}

struct PagesCase {
    const char* choice;
    int shape;
    Conditions conditions;
    std::vector<ShownPage> pages;
};

TEST_F(TabrellPages, EachShapeAndConditionSetBringsItsPagesInOrderWithThePageHiddenUntilTheEnd) {
    const PagesCase cases[] = {
        {"presets: round 2-2/3 x 1/2, embankment AISI", 4, Conditions::EmbankmentAisi,
         {baseForTables, loadReduction, results}},
        {"round 3 x 1, trench ASTM", 5, Conditions::TrenchAstm, {selectDesignTwo, baseForTables, results}},
        {"pipe-arch 3/4 x 1 x 11-1/2 ribs, trench AISI", 15, Conditions::TrenchAisi,
         {trenchDetails, loadReduction, results}},
        {"round 6 x 2, embankment ASTM/AASHTO", 7, Conditions::EmbankmentAstmAashto, {selectDesign, results}},
        {"round rib, trench ASTM", 0, Conditions::TrenchAstm, {trenchDetails, selectDesignTwo, results}},
        {"underpass, embankment AISI", 13, Conditions::EmbankmentAisi, {loadReduction, results}},
    };
    for (const PagesCase& c : cases) {
        chooseOnMainPage(c.shape, c.conditions);
        makeTable();
        EXPECT_EQ(shown, c.pages) << c.choice;
        EXPECT_TRUE(user.warnings.empty()) << c.choice;
    }
    // Every other choice follows the same rule that csp-report follows.
    for (int shape = 0; shape < shapeCount; ++shape)
        for (int conditions = 0; conditions < conditionsCount; ++conditions) {
            chooseOnMainPage(shape, static_cast<Conditions>(conditions));
            makeTable();
            std::vector<std::string> titles, expected;
            for (const ShownPage& p : shown) titles.push_back(p.title);
            for (FollowUpPage asked : followUpPages(shape, static_cast<Conditions>(conditions)))
                expected.push_back(isChoicePage(asked) ? std::string(choicePageTexts(asked)->title) : "Load Reduction");
            expected.push_back("Results");
            EXPECT_EQ(titles, expected) << "shape " << shape << ", conditions " << conditions;
        }
}

TEST_F(TabrellPages, BackEscapeOrTheCloseBoxOnAnyPageEndsTheSequenceWithoutATable) {
    // The first table after start: a dismissed Load Reduction page must not
    // let a table be made with an empty factor.
    const std::pair<int, Conditions> choices[] = {
        {4, Conditions::EmbankmentAisi}, {0, Conditions::TrenchAstm}, {7, Conditions::EmbankmentAstmAashto}};
    for (const Action& dismiss : {escape, closeBox, back})
        for (auto [shape, conditions] : choices) {
            chooseOnMainPage(shape, conditions);
            list("liveLoad")->setCurrentIndex(1);
            soilDensity()->setText("130");
            const std::vector<std::string> before = mainPageValues();
            const std::size_t pages = followUpPages(shape, conditions).size();
            for (std::size_t onPage = 0; onPage < pages; ++onPage) {
                std::deque<Action> actions(onPage, next);
                actions.push_back(dismiss);
                makeTable(actions);
                EXPECT_EQ(shown.size(), onPage + 1) << "no page after the one dismissed, and no Results";
                EXPECT_TRUE(reports.empty());
                EXPECT_EQ(mainPageValues(), before);
                EXPECT_TRUE(page.request().report().isEmpty());
            }
        }
    EXPECT_TRUE(user.warnings.empty());
}

TEST_F(TabrellPages, ARefusedLoadReductionFactorKeepsItsPageOpenWithTheTextAsTyped) {
    std::vector<std::string> fieldAfterRefusal;
    const Action keep = [&fieldAfterRefusal](QDialog& p) {
        fieldAfterRefusal.push_back(p.findChild<QLineEdit*>()->text().toStdString());
    };
    makeTable({next, type("1.5"), next, keep, type("0"), next, keep, type("0.86"), next});
    ASSERT_EQ(user.warnings.size(), 2u);
    for (const FakeUser::Warning& warning : user.warnings) {
        EXPECT_EQ(warning.caption, "Tabrell");
        EXPECT_EQ(warning.text, "The soil dead load reduction factor must be > 0 and <= 1.");
    }
    EXPECT_EQ(fieldAfterRefusal, (std::vector<std::string>{"1.5", "0"}));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(std::find(reports[0].begin(), reports[0].end(),
                        "  Load Reduction Factor = 0.86 for fill heights not less than span."),
              reports[0].end());
}

TEST_F(TabrellPages, ASecondTableOpensEachPageFreshWhileTheMainPageKeepsItsValues) {
    chooseOnMainPage(5, Conditions::TrenchAstm);
    makeTable({select(1), next, select(1), next});
    EXPECT_EQ(page.request().designMethod(), DesignMethod::Lrfd);
    EXPECT_EQ(page.request().tableBase(), TableBase::Annular);
    list("print")->setCurrentIndex(1);
    const std::vector<std::string> left = mainPageValues();
    makeTable();
    EXPECT_EQ(shown, (std::vector<ShownPage>{selectDesignTwo, baseForTables, results}));
    EXPECT_EQ(mainPageValues(), left);
    EXPECT_EQ(page.request().tableBase(), TableBase::Helical);

    chooseOnMainPage(4, Conditions::EmbankmentAisi);
    makeTable({select(1), next, type("0.86"), next});
    makeTable();
    EXPECT_EQ(shown, (std::vector<ShownPage>{baseForTables, loadReduction, results})) << "Helical and 1.0 again";
}

TEST_F(TabrellPages, ASoilDensityOutOfRangeIsRefusedOnTheMainPageLeavingTheRequestUntouched) {
    for (const char* typed : {"0.99", "10000.5", "", "dense"}) {
        soilDensity()->setText(typed);
        makeTable();
        EXPECT_TRUE(shown.empty()) << typed;
        EXPECT_EQ(page.request().soilDensityText(), "") << typed;
        EXPECT_EQ(soilDensity()->text().toStdString(), typed);
    }
    ASSERT_EQ(user.warnings.size(), 4u);
    EXPECT_EQ(user.warnings[3].text, "The soil density must be between 1 and 10000.");
}

TEST_F(TabrellPages, AFailedTableShowsItsMessageOnceTheMainPageIsBackAndLeavesNothingForTheNext) {
    bool visibleAtMessage = false;
    const QDialog* railwayPage = nullptr;
    ShellServices services = user.services();
    services.warn = [&, warn = services.warn](QWidget* parent, const QString& caption, const QString& text) {
        visibleAtMessage = railwayPage->isVisible();
        warn(parent, caption, text);
    };
    const ProgramShell watching{ProgramId::Tabrell, services};
    CTabrellDlg railway{watching};
    railwayPage = &railway;
    railway.findChild<QComboBox*>("shapeProfile")->setCurrentIndex(0);
    railway.findChild<QComboBox*>("liveLoad")->setCurrentIndex(2);
    railway.show();
    buttonStartingWith(railway, "Next >")->click();
    ASSERT_EQ(user.warnings.size(), 1u);
    EXPECT_EQ(user.warnings[0].text, "Railroad loadings not available for this product.");
    EXPECT_TRUE(visibleAtMessage);
    EXPECT_TRUE(reports.empty());
    EXPECT_TRUE(railway.request().report().isEmpty());
}

// One choice for each set of follow-up pages, each page answered with its
// last choice and a factor of 0.86: Save As (Escape) writes what
// csp-report tabrell -o writes.
TEST_F(TabrellPages, SaveAsWritesTheBytesOfTheEnginesTableForEachSetOfFollowUpPages) {
    std::map<std::vector<FollowUpPage>, std::pair<int, Conditions>> oneChoiceEach;
    for (int shape = 0; shape < shapeCount; ++shape)
        for (int conditions = 0; conditions < conditionsCount; ++conditions)
            oneChoiceEach.try_emplace(followUpPages(shape, static_cast<Conditions>(conditions)), shape,
                                      static_cast<Conditions>(conditions));
    EXPECT_EQ(oneChoiceEach.size(), 8u);
    const QString saved = settings.path() + "/table.txt", expected = settings.path() + "/expected.txt";
    user.saveAnswer = saved;
    for (const auto& [pages, choice] : oneChoiceEach) {
        FillTableRequest request;
        ASSERT_TRUE(request.takeMainPage({.shape = choice.first, .conditions = choice.second}));
        std::deque<Action> answers;
        walkFollowUpPages(request, [&](FollowUpPage asked) {
            if (asked == FollowUpPage::LoadReduction) {
                for (const Action& a : {type("0.86"), next}) answers.push_back(a);
                EXPECT_TRUE(request.takeLoadReduction("0.86"));
            } else {
                const std::size_t last = choicePageTexts(asked)->choices.size() - 1;
                for (const Action& a : {select(static_cast<int>(last)), next}) answers.push_back(a);
                storeChoice(request, asked, last);
            }
            return PageExit::Next;
        });
        ASSERT_TRUE(request.generate());
        ASSERT_TRUE(writeListingFile(&request.report(), expected.toStdString()));

        chooseOnMainPage(choice.first, choice.second);
        for (const Action& a : {escape, ok}) answers.push_back(a);  // Escape in the Results window: Save As
        makeTable(answers);
        EXPECT_EQ(shown.back().title, "Results");
        EXPECT_EQ(contentsOf(saved), contentsOf(expected)) << "shape " << choice.first;
        QFile::remove(saved);
    }
    EXPECT_EQ(user.saveDialogsShown, static_cast<int>(oneChoiceEach.size()));
}

TEST_F(TabrellPages, PrintWritesTheTableToAPdfFileWithoutAPrinter) {
    const QString pdf = settings.path() + "/table.pdf";
    user.printToPdf = pdf;
    makeTable({next, next, [](QDialog& results) { buttonStartingWith(results, "Print...")->click(); }, ok});
    const std::vector<std::string> pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("Maximum Fill Heights for Steel Pipe"), std::string::npos);
    EXPECT_NE(pages[0].find("Pipe Type = Helical"), std::string::npos);
}

}  // namespace
}  // namespace csp::ui
