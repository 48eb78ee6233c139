#include "servicelife/service_life_entries.h"
#include "shell/ui/program_dlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "servicelife/service_life_run.h"
#include "shell/number_format.h"
#include "shell/ui/program_shell.h"
#include "shell/ui/results_dlg.h"
#include "shell/windows1252.h"
#include "tests/shell/ui/shell_test_support.h"

namespace csp::ui {
namespace {

using namespace testing_support;

QPushButton* button(const QDialog& page, const QString& text) {
    for (QPushButton* candidate : page.findChildren<QPushButton*>())
        if (candidate->text() == text) return candidate;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

std::vector<std::string> entriesOf(const QComboBox* list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list->count(); ++i) entries.push_back(list->itemText(i).toStdString());
    return entries;
}

// The engine's report of an input, as the Results window shows it.
std::vector<std::string> reportOf(ServiceLifeInput input) {
    ReportListing listing;
    EXPECT_TRUE(produceServiceLifeReport(input, listing));
    std::vector<std::string> lines;
    for (const std::string& line : listing.lines()) lines.push_back(windows1252ToUtf8(line));
    return lines;
}

class OmbrelPage : public testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    void SetUp() override {
        // Each Results window shown: its lines, then it is closed as "OK" would.
        user.onModal = [this](QDialog& dialog) {
            if (auto* results = dynamic_cast<CResultsDlg*>(&dialog)) {
                results->show();
                const QListWidget* list = results->findChild<QListWidget*>();
                std::vector<std::string> lines;
                for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
                reports.push_back(lines);
                results->accept();
            }
            return int(QDialog::Accepted);
        };
    }
    QLineEdit* field(const char* name) const { return page.findChild<QLineEdit*>(name); }
    QComboBox* list(const char* name) const { return page.findChild<QComboBox*>(name); }
    void next() { button(page, "Next...")->click(); }

    ScratchSettings settings;
    FakeUser user;
    ProgramShell shell{ProgramId::Ombrel, user.services()};
    CProgramDlg page{shell, serviceLifeProgram()};
    std::vector<std::vector<std::string>> reports;
};

TEST_F(OmbrelPage, OffersTheListsInOrderWithThePresetsSelected) {
    EXPECT_EQ(page.windowTitle(), "Ombrel");
    EXPECT_EQ(entriesOf(list("gage")),
              (std::vector<std::string>{"0.052 (in)  18 Gage", "0.064 (in)  16 Gage", "0.079 (in)  14 Gage",
                                        "0.109 (in)  12 Gage", "0.138 (in)  10 Gage", "0.168 (in)    8 Gage"}));
    EXPECT_EQ(list("gage")->currentText(), "0.064 (in)  16 Gage");
    EXPECT_EQ(field("resistivity")->text(), "5000");
    EXPECT_EQ(field("ph")->text(), "7.0");
    EXPECT_EQ(entriesOf(list("abrasion")),
              (std::vector<std::string>{"Level 1: Non-Abrasive", "Level 2: Low Abrasion", "Level 3: Moderate Abrasion",
                                        "Level 4: Severe Abrasion"}));
    EXPECT_EQ(list("abrasion")->currentIndex(), 0);
    EXPECT_EQ(keyboardFaults(page), std::vector<std::string>{});
}

TEST_F(OmbrelPage, NextWithThePresetsShowsTheReportOfA70YearGalvanizedLife) {
    page.show();
    next();
    EXPECT_TRUE(user.warnings.empty());
    EXPECT_EQ(user.modalTitles, std::vector<QString>{"Results"});
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], reportOf(ServiceLifeInput{}));
    const std::string noneRow = format("%-45.45s  %3d          %3d      %3d   %s", "None", 0, 70, 70, "");
    EXPECT_NE(std::find(reports[0].begin(), reports[0].end(), noneRow), reports[0].end());
    EXPECT_TRUE(page.isVisible()) << "the page stays visible under its Results window";
}

TEST_F(OmbrelPage, EachRunStartsFromAnEmptyListing) {
    next();
    next();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1], reports[0]);
}

// A misread field is refused by its name; the page stays open on it, its
// text selected, pH before resistivity.
TEST_F(OmbrelPage, AMisreadFieldKeepsThePageOpenOnIt) {
    page.show();
    const struct {
        const char *ph, *resistivity, *focused, *message;
    } cases[] = {{"5,5", "5,000", "ph", "The pH '5,5' is not a number."},
                 {"", "5000", "ph", "The pH '' is not a number."},
                 {"7.0", "5,000", "resistivity", "The resistivity '5,000' is not a number."}};
    for (const auto& c : cases) {
        field("ph")->setText(c.ph);
        field("resistivity")->setText(c.resistivity);
        list("gage")->setFocus();
        next();
        ASSERT_FALSE(user.warnings.empty());
        EXPECT_EQ(user.warnings.back().text.toStdString(), c.message);
        EXPECT_EQ(page.focusWidget(), field(c.focused)) << c.message;
        EXPECT_EQ(field(c.focused)->selectedText(), field(c.focused)->text()) << c.message;
    }
    EXPECT_TRUE(user.modalTitles.empty());
}

TEST_F(OmbrelPage, APhOf15IsRefusedWithoutAResultsWindowAndCorrectingItIsEnough) {
    field("ph")->setText("15");
    next();
    ASSERT_EQ(user.warnings.size(), 1u);
    EXPECT_EQ(user.warnings[0].caption, "Ombrel");
    EXPECT_EQ(user.warnings[0].text, "The pH must be between 0 and 14.");
    EXPECT_TRUE(user.modalTitles.empty());
    EXPECT_EQ(field("ph")->text(), "15") << "the entries stay as typed";

    field("ph")->setText("7.0");
    next();
    EXPECT_EQ(user.warnings.size(), 1u);
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(OmbrelPage, AResistivityOutOfRangeIsRefusedWithItsMessage) {
    field("resistivity")->setText("99.9");
    next();
    ASSERT_EQ(user.warnings.size(), 1u);
    EXPECT_EQ(user.warnings[0].text, "The resistivity must be between 100 and 100000.");
    EXPECT_TRUE(reports.empty());
}

TEST_F(OmbrelPage, TheEntriesReachTheReportExactlyAsTyped) {
    list("gage")->setCurrentIndex(0);
    field("resistivity")->setText("5000.0 ohm cm");
    field("ph")->setText("7.0 \u00BD");
    list("abrasion")->setCurrentIndex(2);
    next();
    ASSERT_EQ(user.warnings.size(), 1u);
    EXPECT_EQ(user.warnings[0].text, "The pH '7.0 \u00BD' is not a number.");
    field("ph")->setText("7.0 ");
    next();
    ASSERT_EQ(reports.size(), 1u);
    ServiceLifeInput expected;
    expected.thicknessIndex = 0;
    expected.resistivityText = "5000.0 ohm cm";
    expected.phText = "7.0 ";
    expected.abrasionLevel = 2;
    EXPECT_EQ(reports[0], reportOf(expected));
    EXPECT_EQ(reports[0][1], "  Thickness:      0.052 (in)  18 Gage");
    EXPECT_EQ(reports[0][2], "  Resistivity:    5000.0 ohm cm");
    EXPECT_EQ(reports[0][3], "  pH:             7.0 ");
    EXPECT_EQ(reports[0][4], "  Abrasion Level: 3");
}

TEST_F(OmbrelPage, MoreInfoExplainsTheFourLevelsAndChangesNothing) {
    std::vector<std::string> texts;
    user.onModal = [&texts](QDialog& details) {
        for (const QLabel* label : details.findChildren<QLabel*>()) texts.push_back(label->text().toStdString());
        return int(QDialog::Accepted);
    };
    button(page, "More Info...")->click();
    EXPECT_EQ(user.modalTitles, std::vector<QString>{"Abrasion Level Details"});
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "Level 1:", "Non-abrasive - No bedload.", "Level 2:",
                         "Low Abrasion - Minor bedloads of sand and gravel and velocities of 5 ft/sec. or less, or "
                         "storm sewer applications.",
                         "Level 3:", "Moderate Abrasion - Bedloads of sand and gravel with velocities between 5 and 15 ft/sec.",
                         "Level 4:",
                         "Severe Abrasion - Heavy bedloads of gravel and rock with velocities exceeding 15 ft/sec."}));
    EXPECT_EQ(list("abrasion")->currentIndex(), 0);
}

// Shift+F1 says what the focused entry means, as csp-report's help does:
// its unit, what the page accepts, and what each abrasion level means; F1
// stays the About box.
TEST_F(OmbrelPage, ShiftF1SaysWhatTheFocusedEntryMeans) {
    const struct {
        const char* control;
        std::vector<const char*> says;
    } cases[] = {
        {"gage", {"Wall gage: 18, 16, 14, 12, 10 or 8", "(default 16)"}},
        {"resistivity", {"in ohm-cm", "between 100 and 100000"}},
        {"ph", {"pH", "between 0 and 14"}},
        {"abrasion", {"1: Non-abrasive - No bedload.", "4: Severe Abrasion - Heavy bedloads"}},
    };
    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    for (const auto& c : cases) {
        QWidget* control = page.findChild<QWidget*>(c.control);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_F1, Qt::ShiftModifier);
        ASSERT_EQ(user.helps.size(), 1u) << c.control;
        EXPECT_EQ(user.helps[0].control, c.control);
        for (const char* said : c.says)
            EXPECT_TRUE(user.helps[0].text.contains(QString::fromUtf8(said))) << c.control << ": " << user.helps[0].text.toStdString();
        user.helps.clear();
    }
    QTest::keyClick(field("ph"), Qt::Key_F1);
    EXPECT_EQ(user.modalTitles, std::vector<QString>{"About Ombrel"});
    EXPECT_TRUE(user.helps.empty());
}

TEST_F(OmbrelPage, DoneAndEscapeEndThePage) {
    page.show();
    button(page, "Done")->click();
    EXPECT_FALSE(page.isVisible());

    page.show();
    QTest::keyClick(field("ph"), Qt::Key_Escape);
    EXPECT_FALSE(page.isVisible());
    EXPECT_TRUE(reports.empty());
}

TEST_F(OmbrelPage, EnterInAFieldPressesNext) {
    page.show();
    QTest::keyClick(field("resistivity"), Qt::Key_Return);
    EXPECT_EQ(reports.size(), 1u);
}

}  // namespace
}  // namespace csp::ui
