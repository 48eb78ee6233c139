#include "shell/ui/main_page_dlg.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "shell/ui/about_dlg.h"
#include "shell/ui/program_shell.h"
#include "tests/shell/ui/shell_test_support.h"

namespace csp::ui {
namespace {

using namespace testing_support;

std::vector<std::string> labelTexts(const QDialog& dialog) {
    std::vector<std::string> texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (!label->text().isEmpty()) texts.push_back(label->text().toStdString());
    return texts;
}

class MainPage : public testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    FakeUser user;
};

struct AboutCase {
    ProgramId program;
    const char* entry;
    const char* title;
    std::vector<std::string> lines;
};

const AboutCase aboutCases[] = {
    {ProgramId::Tabrell, "&About Tabrell...", "About Tabrell", {"Tabrell Version 1.0"}},
    {ProgramId::Verrick, "&About Verrick...", "About Verrick", {"Verrick Version 1.0"}},
    {ProgramId::Ombrel, "&About Ombrel...", "About Ombrel",
     {"Ombrel Version 1.0", "Estimating Average Invert Life for  CSP"}},
};

TEST_F(MainPage, TheAboutEntryIsInTheContextMenuAndOpensTheAboutBoxWithItsTexts) {
    for (const AboutCase& c : aboutCases) {
        const ProgramShell shell(c.program, user.services());
        CMainPageDlg page(shell, CMainPageDlg::MinimiseBox::No);
        EXPECT_EQ(page.windowTitle(), shell.name());
        EXPECT_EQ(page.contextMenuPolicy(), Qt::ActionsContextMenu);
        ASSERT_TRUE(page.actions().contains(page.aboutAction()));
        EXPECT_EQ(page.aboutAction()->text().toStdString(), c.entry);

        std::vector<std::string> shown;
        user.onModal = [&shown](QDialog& about) {
            shown = labelTexts(about);
            return int(QDialog::Accepted);
        };
        user.modalTitles.clear();
        page.aboutAction()->trigger();
        EXPECT_EQ(user.modalTitles, std::vector<QString>{c.title});
        EXPECT_EQ(shown, c.lines);
    }
}

TEST_F(MainPage, F1OpensTheAboutBox) {
    const ProgramShell shell(ProgramId::Ombrel, user.services());
    CMainPageDlg page(shell, CMainPageDlg::MinimiseBox::No);
    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    QTest::keyClick(&page, Qt::Key_F1);
    EXPECT_EQ(user.modalTitles, std::vector<QString>{"About Ombrel"});
    EXPECT_TRUE(page.isVisible()) << "the page is unchanged behind the About box";
}

TEST_F(MainPage, EscapeEndsTheMainPage) {
    const ProgramShell shell(ProgramId::Verrick, user.services());
    CMainPageDlg page(shell, CMainPageDlg::MinimiseBox::Yes);
    page.show();
    QTest::keyClick(&page, Qt::Key_Escape);
    EXPECT_FALSE(page.isVisible());
    EXPECT_TRUE(page.windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(MainPage, APageThatHidesItselfUnderALaterPageRunsOnUntilItCloses) {
    QDialog page;
    bool stillRunningWhileHidden = false;
    QTimer::singleShot(0, &page, [&] {
        page.hide();  // as a page does while a later page runs over it
        QTimer::singleShot(0, &page, [&] {
            stillRunningWhileHidden = true;
            page.show();
            page.accept();
        });
    });
    EXPECT_EQ(runPage(page), QDialog::Accepted);
    EXPECT_TRUE(stillRunningWhileHidden);
}

TEST_F(MainPage, TheAboutBoxShowsTheIconAndAnOkButton) {
    const ProgramShell shell(ProgramId::Ombrel, user.services());
    CAboutDlg about(shell);
    bool hasIcon = false;
    for (const QLabel* label : about.findChildren<QLabel*>()) hasIcon = hasIcon || !label->pixmap().isNull();
    EXPECT_TRUE(hasIcon);
    ASSERT_EQ(about.findChildren<QPushButton*>().size(), 1);
    QPushButton* ok = about.findChild<QPushButton*>();
    EXPECT_EQ(ok->text(), "OK");
    about.show();
    ok->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(MainPage, EachProgramsIconIsDrawnAt16And48Pixels) {
    for (ProgramId program : {ProgramId::Tabrell, ProgramId::Verrick, ProgramId::Ombrel}) {
        const QIcon icon = programIcon(program);
        for (int size : {16, 48}) {
            const QImage image = icon.pixmap(size, size).toImage();
            ASSERT_EQ(image.size(), QSize(size, size));
            int opaque = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) opaque += qAlpha(image.pixel(x, y)) > 200;
            EXPECT_GT(opaque, size * size / 3) << "icon " << static_cast<int>(program) << " at " << size;
        }
    }
}

TEST(PlatformDialogs, AWarningHasTheWarningIconOneOkButtonAndTheCaptionGiven) {
    testing_support::ensureApplication();
    const std::unique_ptr<QMessageBox> box = makeWarningBox(nullptr, "Ombrel", "The pH must be between 0 and 14.");
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->windowTitle(), "Ombrel");
    EXPECT_EQ(box->text(), "The pH must be between 0 and 14.");
}

TEST(PlatformDialogs, TheSaveDialogOffersTextAndAllFilesAddsTxtAndConfirmsOverwriting) {
    testing_support::ensureApplication();
    const std::unique_ptr<QFileDialog> dialog = makeSaveDialog(nullptr);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->defaultSuffix(), "txt");
    EXPECT_EQ(dialog->nameFilters(), (QStringList{"Text Files (*.txt)", "All Files (*)"}));
    EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
}

TEST(PlatformDialogs, ThePrintDialogPresetsEachProgramsPageRange) {
    testing_support::ensureApplication();
    for (const ResultsWindowDesign& design : resultsWindowDesigns) {
        QPrinter printer;
        const std::unique_ptr<QPrintDialog> dialog = makePrintDialog(nullptr, printer, design.printRange);
        EXPECT_EQ(dialog->fromPage(), design.printRange.from);
        EXPECT_EQ(dialog->toPage(), design.printRange.to);
        EXPECT_EQ(dialog->minPage(), design.printRange.minimum);
        EXPECT_EQ(dialog->maxPage(), design.printRange.maximum);
    }
}

}  // namespace
}  // namespace csp::ui
