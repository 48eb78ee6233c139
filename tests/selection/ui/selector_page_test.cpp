#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "selection/selection_entries.h"
#include "shell/ui/program_dlg.h"
#include "shell/ui/program_shell.h"
#include "shell/ui/results_dlg.h"
#include "tests/apps/command_runner.h"
#include "tests/shell/ui/shell_test_support.h"

namespace csp::ui {
namespace {

using namespace testing_support;

class SelectorPage : public testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    void SetUp() override { page.show(); }

    QComboBox* list(const char* name) const { return page.findChild<QComboBox*>(name); }
    QLineEdit* field(const char* name) const { return page.findChild<QLineEdit*>(name); }
    void next() {
        for (QPushButton* button : page.findChildren<QPushButton*>())
            if (button->text() == "Next >") return button->click();
        ADD_FAILURE() << "no Next >";
    }

    ScratchSettings settings;
    QTemporaryDir folder;
    FakeUser user;
    ProgramShell shell{ProgramId::Selector, user.services()};
    CProgramDlg page{shell, selection::selectionProgram()};
};

// The fields a shape or method has no use for are out of reach, and the
// page still goes round by Tab in the order it is laid out.
TEST_F(SelectorPage, TheShapeAndMethodTakeTheirFieldsInAndOutOfUse) {
    const struct {
        int shape, method;
        bool rise, cornerPressure, reduction;
    } cases[] = {{0, 0, false, false, false}, {1, 0, true, true, false}, {2, 5, true, true, true}, {0, 5, false, false, true}};
    for (const auto& c : cases) {
        list("shape")->setCurrentIndex(c.shape);
        list("method")->setCurrentIndex(c.method);
        EXPECT_EQ(field("rise")->isEnabled(), c.rise) << c.shape;
        EXPECT_EQ(field("corner-pressure")->isEnabled(), c.cornerPressure) << c.shape;
        EXPECT_EQ(field("load-reduction")->isEnabled(), c.reduction) << c.method;
        EXPECT_EQ(keyboardFaults(page), std::vector<std::string>{}) << c.shape << " " << c.method;
    }
}

// Save As writes what csp-report select writes for the same site; a
// refused entry keeps the page open on its field.
TEST_F(SelectorPage, SaveAsWritesTheBytesOfCspReportSelect) {
    const struct {
        const char* name;
        int shape, method;
        const char *span, *rise, *least, *greatest, *life;
        std::vector<const char*> options;
    } cases[] = {
        {"round", 0, 0, "60", "", "2", "12", "75", {"--span", "60", "--min-cover", "2", "--max-cover", "12", "--life", "75"}},
        {"pipe-arch", 1, 5, "72", "44", "3", "9", "50",
         {"--shape", "pipe-arch", "--span", "72", "--rise", "44", "--min-cover", "3", "--max-cover", "9", "--method", "aisi"}},
    };
    for (const auto& c : cases) {
        list("shape")->setCurrentIndex(c.shape);
        list("method")->setCurrentIndex(c.method);
        field("span")->setText(c.span);
        if (c.shape != 0) field("rise")->setText(c.rise);
        field("min-cover")->setText(c.least);
        field("max-cover")->setText(c.greatest);
        field("life")->setText(c.life);
        const QString saved = folder.filePath(QString::fromLatin1(c.name) + ".txt");
        user.onModal = [this, saved](QDialog& results) {
            user.saveAnswer = saved;
            dynamic_cast<CResultsDlg&>(results).saveAs();
            return int(QDialog::Accepted);
        };
        next();
        EXPECT_TRUE(user.warnings.empty()) << c.name;
        const auto expected = cli::temporaryReportPath("selector-page");
        std::vector<const char*> arguments = {"select", "-o", expected.c_str()};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const cli::Invocation command = cli::invokeCspReport(arguments);
        EXPECT_LE(command.status, 1) << c.name << ": " << command.err;
        EXPECT_EQ(contentsOf(saved), cli::takeSavedBytes(expected)) << c.name;
    }

    field("max-cover")->setText("1");
    next();
    ASSERT_EQ(user.warnings.size(), 1u);
    EXPECT_EQ(user.warnings[0].caption, "Pipe Selection");
    EXPECT_EQ(page.focusWidget(), field("min-cover")) << user.warnings[0].text.toStdString();
}

}  // namespace
}  // namespace csp::ui
