#include "filltables/fill_table_entries.h"
#include "shell/ui/program_dlg.h"

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
// Keys typed as soon as the page opens, into whatever has the focus.
Action typeAtOnce(const char* keys) {
    return [keys](QDialog& page) {
        ASSERT_NE(page.focusWidget(), nullptr) << "nothing has the focus on " << page.windowTitle().toStdString();
        QTest::keyClicks(page.focusWidget(), QString::fromLatin1(keys));
    };
}

// A page as it opened: title, group box, radio buttons (a wrapped text
// unwrapped) with the selected one marked, field, back button.
std::string describe(const QDialog& dialog) {
    QString shown = dialog.windowTitle();
    if (const QGroupBox* group = dialog.findChild<QGroupBox*>()) shown += " [" + group->title() + ":";
    for (const QRadioButton* radio : dialog.findChildren<QRadioButton*>())
        shown += (radio->isChecked() ? " (o) " : " ( ) ") + radio->text().replace('\n', ' ');
    if (dialog.findChild<QGroupBox*>()) shown += "]";
    if (const QLineEdit* field = dialog.findChild<QLineEdit*>()) shown += " [" + field->text() + "]";
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text().startsWith("< B")) shown += " " + button->text();
    return shown.toStdString();
}

const std::string trenchDetails =
    "Trench Details [Select Trench Details : ( ) Trench in undisturbed soil with backfill material that minimizes "
    "compactive effort per ASTM or AASHTO. (o) Trench that does not meet the above requirements.] < Back";
const std::string selectDesign = "Select Design [Design: (o) ASD ( ) LRFD ( ) AASHTO LFD] < Back";
const std::string selectDesignTwo = "Select Design [Design: (o) ASD ( ) LRFD] < Backup";
const std::string baseForTables = "Base for Tables [Select Table Base: (o) Helical Pipe ( ) Annular Pipe] < Back";
const std::string loadReduction = "Load Reduction [1.0] < Back";
const std::string results = "Results";

class TabrellPages : public testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    void SetUp() override { page.show(); }

    ShellServices watchedServices() {
        ShellServices services = user.services();
        services.runModal = [this, modal = services.runModal](QDialog& dialog) {
            shown.push_back(describe(dialog) + (page.isVisible() ? " over the main page" : ""));
            return modal(dialog);
        };
        services.warn = [this, warn = services.warn](QWidget* parent, const QString& caption, const QString& text) {
            mainPageVisibleAtMessage.push_back(page.isVisible());
            warn(parent, caption, text);
        };
        user.onModal = [this](QDialog& dialog) { return play(dialog); };
        return services;
    }
    // Plays the script on the page until it closes; with no script left,
    // "Next >" (or "OK" in the Results window).
    int play(QDialog& dialog) {
        dialog.show();
        const bool isResults = dynamic_cast<CResultsDlg*>(&dialog) != nullptr;
        if (isResults) {
            const QListWidget* list = dialog.findChild<QListWidget*>();
            reports.emplace_back();
            for (int i = 0; i < list->count(); ++i) reports.back().push_back(list->item(i)->text().toStdString());
        }
        for (int actions = 0; dialog.isVisible(); ++actions) {
            if (actions == 20) dialog.reject();  // a page that never closes fails the test
            const Action act = !script.empty() ? script.front() : isResults ? ok : next;
            if (!script.empty()) script.pop_front();
            act(dialog);
        }
        return dialog.result();
    }

    QComboBox* list(const char* name) const { return page.findChild<QComboBox*>(name); }
    QLineEdit* soilDensity() const { return page.findChild<QLineEdit*>("soil-density"); }
    void chooseOnMainPage(int shape, Conditions conditions) {
        list("shape")->setCurrentIndex(shape);
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
        return {list("shape")->currentText().toStdString(), list("live-load")->currentText().toStdString(),
                soilDensity()->text().toStdString(), list("conditions")->currentText().toStdString(),
                list("criteria")->currentText().toStdString()};
    }

    ScratchSettings settings;
    FakeUser user;
    std::vector<std::string> shown;
    std::vector<bool> mainPageVisibleAtMessage;
    ProgramShell shell{ProgramId::Tabrell, watchedServices()};
    CProgramDlg page{shell, fillTableProgram()};
    std::deque<Action> script;
    std::vector<std::vector<std::string>> reports;
};

TEST_F(TabrellPages, TheMainPageOffersItsEntriesWithThePresetsSelected) {
    EXPECT_EQ(page.windowTitle(), "Tabrell");
    EXPECT_EQ(list("shape")->count(), 16);
    EXPECT_EQ(list("shape")->itemText(10), "Pipe-arch with  5 x 1 corrugation");
    EXPECT_EQ(list("live-load")->itemText(2), "E 80");
    EXPECT_EQ(list("conditions")->itemText(0), "Embankment  ASTM/AASHTO");
    EXPECT_EQ(list("criteria")->itemText(1), "Do Not Show the Criteria With the Results");
    EXPECT_EQ(mainPageValues(), (std::vector<std::string>{"Round pipe with 2-2/3 x 1/2 corrugation", "H 20", "120",
                                                          "Embankment  AISI", "Show the Criteria With the  Results"}));
    EXPECT_TRUE(buttonStartingWith(page, "Next >")->isDefault());
    EXPECT_EQ(buttonStartingWith(page, "Done")->text(), "Done");
    EXPECT_EQ(keyboardFaults(page), std::vector<std::string>{});
}

TEST_F(TabrellPages, EachShapeAndConditionSetBringsItsPagesInOrderWithTheMainPageHidden) {
    const struct {
        int shape;
        Conditions conditions;
        std::vector<std::string> pages;
    } cases[] = {
        {4, Conditions::EmbankmentAisi, {baseForTables, loadReduction, results}},  // the presets
        {5, Conditions::TrenchAstm, {selectDesignTwo, baseForTables, results}},
        {15, Conditions::TrenchAisi, {trenchDetails, loadReduction, results}},
        {7, Conditions::EmbankmentAstmAashto, {selectDesign, results}},
        {0, Conditions::TrenchAstm, {trenchDetails, selectDesignTwo, results}},
        {13, Conditions::EmbankmentAisi, {loadReduction, results}},
    };
    for (const auto& c : cases) {
        chooseOnMainPage(c.shape, c.conditions);
        makeTable();
        EXPECT_EQ(shown, c.pages) << "shape " << c.shape;
    }
    EXPECT_TRUE(user.warnings.empty());
}

TEST_F(TabrellPages, BackEscapeOrTheCloseBoxOnAnyPageEndsTheSequenceWithoutATable) {
    // Starting with the first table after start: a dismissed Load Reduction
    // page must not let a table be made with an empty factor.
    const std::pair<int, Conditions> choices[] = {
        {4, Conditions::EmbankmentAisi}, {0, Conditions::TrenchAstm}, {7, Conditions::EmbankmentAstmAashto}};
    for (const Action& dismiss : {escape, closeBox, back})
        for (auto [shape, conditions] : choices) {
            chooseOnMainPage(shape, conditions);
            list("live-load")->setCurrentIndex(1);
            soilDensity()->setText("130");
            const std::vector<std::string> before = mainPageValues();
            for (std::size_t onPage = 0; onPage < followUpPages(shape, conditions).size(); ++onPage) {
                std::deque<Action> actions(onPage, next);
                actions.push_back(dismiss);
                makeTable(actions);
                EXPECT_EQ(shown.size(), onPage + 1) << "no page after the one dismissed, and no Results";
                EXPECT_EQ(mainPageValues(), before);
            }
        }
    EXPECT_TRUE(user.warnings.empty());
}

TEST_F(TabrellPages, ARefusedLoadReductionFactorKeepsItsPageOpenWithTheTextAsTyped) {
    std::vector<std::string> fieldAfterRefusal;
    const Action look = [&](QDialog& p) {
        const QLineEdit* field = p.findChild<QLineEdit*>();
        EXPECT_EQ(p.focusWidget(), field);
        fieldAfterRefusal.push_back(field->text().toStdString() + " [" + field->selectedText().toStdString() + "]");
    };
    makeTable({next, type("1.5"), next, look, type("0"), next, look, type("1.00.86"), next, look, type("0.86"), next});
    ASSERT_EQ(user.warnings.size(), 3u);
    EXPECT_EQ(user.warnings[1].caption, "Tabrell");
    EXPECT_EQ(user.warnings[1].text, "The soil dead load reduction factor must be > 0 and <= 1.");
    EXPECT_EQ(user.warnings[2].text, "The load reduction factor '1.00.86' is not a number.");
    EXPECT_EQ(fieldAfterRefusal, (std::vector<std::string>{"1.5 [1.5]", "0 [0]", "1.00.86 [1.00.86]"}));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(std::find(reports[0].begin(), reports[0].end(),
                        "  Load Reduction Factor = 0.86 for fill heights not less than span."),
              reports[0].end());
}

// The page opens with the suggested 1.0 selected in a focused field, so
// that the factor typed at once replaces it, on every opening.
TEST_F(TabrellPages, AFactorTypedAtOnceOnTheLoadReductionPageReplacesTheSuggestedOne) {
    chooseOnMainPage(13, Conditions::EmbankmentAisi);
    for (const char* typed : {"0.86", "0.75"}) {
        makeTable({typeAtOnce(typed), next});
        EXPECT_EQ(shown, (std::vector<std::string>{loadReduction, results}));
        ASSERT_EQ(reports.size(), 1u) << typed;
        const std::string line =
            std::string("  Load Reduction Factor = ") + typed + " for fill heights not less than span.";
        EXPECT_NE(std::find(reports[0].begin(), reports[0].end(), line), reports[0].end()) << typed;
    }
    EXPECT_TRUE(user.warnings.empty());
}

TEST_F(TabrellPages, ASecondTableOpensEachPageFreshWhileTheMainPageKeepsItsValues) {
    chooseOnMainPage(5, Conditions::TrenchAstm);
    makeTable({select(1), next, select(1), next});
    const std::string& made = page.session().results().commandLine;
    EXPECT_NE(made.find("--design lrfd"), std::string::npos) << made;
    EXPECT_NE(made.find("--base annular"), std::string::npos) << made;
    list("criteria")->setCurrentIndex(1);
    const std::vector<std::string> left = mainPageValues();
    makeTable();
    EXPECT_EQ(shown, (std::vector<std::string>{selectDesignTwo, baseForTables, results}));
    EXPECT_EQ(mainPageValues(), left);

    chooseOnMainPage(4, Conditions::EmbankmentAisi);
    makeTable({select(1), next, type("0.86"), next});
    makeTable();
    EXPECT_EQ(shown, (std::vector<std::string>{baseForTables, loadReduction, results})) << "Helical and 1.0 again";
}

// A refused soil density keeps the main page open on its field, the text
// as typed and selected, so that typing again replaces it.
TEST_F(TabrellPages, ASoilDensityOutOfRangeIsRefusedOnTheMainPageLeavingTheRequestUntouched) {
    for (const char* typed : {"0.99", "dense", "120,5"}) {
        soilDensity()->setText(typed);
        list("live-load")->setFocus();
        makeTable();
        EXPECT_TRUE(shown.empty()) << typed;
        EXPECT_EQ(soilDensity()->text().toStdString(), typed);
        EXPECT_EQ(page.focusWidget(), soilDensity()) << typed;
        EXPECT_EQ(soilDensity()->selectedText().toStdString(), typed);
    }
    ASSERT_EQ(user.warnings.size(), 3u);
    EXPECT_EQ(user.warnings[0].text, "The soil density must be between 1 and 10000.");
    EXPECT_EQ(user.warnings[1].text, "The soil density 'dense' is not a number.");
    EXPECT_EQ(user.warnings[2].text, "The soil density '120,5' is not a number.");
}

TEST_F(TabrellPages, AFailedTableShowsItsMessageOnceTheMainPageIsBack) {
    list("shape")->setCurrentIndex(0);
    list("live-load")->setCurrentIndex(2);  // E 80 on a rib profile
    makeTable();
    ASSERT_EQ(user.warnings.size(), 1u);
    EXPECT_EQ(user.warnings[0].text, "Railroad loadings not available for this product.");
    EXPECT_EQ(mainPageVisibleAtMessage, std::vector<bool>{true});
    EXPECT_TRUE(reports.empty());
}

// One choice for each set of follow-up pages, each page answered with its
// last choice and a factor of 0.86: Save As (Escape in the Results window)
// writes what csp-report tabrell -o writes, the engine's table through
// writeListingFile.
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
            const std::size_t last = isChoicePage(asked) ? choicePageTexts(asked)->choices.size() - 1 : 0;
            answers.push_back(isChoicePage(asked) ? select(static_cast<int>(last)) : type("0.86"));
            answers.push_back(next);
            if (isChoicePage(asked)) storeChoice(request, asked, last);
            return isChoicePage(asked) || request.takeLoadReduction("0.86") ? PageExit::Next : PageExit::Back;
        });
        ASSERT_TRUE(request.generate());
        ASSERT_TRUE(writeListingFile(&request.report(), expected.toStdString()));

        chooseOnMainPage(choice.first, choice.second);
        answers.push_back(escape);
        answers.push_back(ok);
        makeTable(answers);
        EXPECT_EQ(shown.back(), results);
        EXPECT_EQ(contentsOf(saved), contentsOf(expected)) << "shape " << choice.first;
        QFile::remove(saved);
    }
    EXPECT_EQ(user.saveDialogsShown, static_cast<int>(oneChoiceEach.size()));
}

}  // namespace
}  // namespace csp::ui
