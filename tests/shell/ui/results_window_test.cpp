#include "shell/ui/results_dlg.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QSizeGrip>
#include <QTest>

#include <gtest/gtest.h>

#include "shell/ui/dialog_font.h"
#include "shell/ui/program_shell.h"
#include "shell/ui/qt_geometry.h"
#include "tests/shell/ui/shell_test_support.h"

namespace csp::ui {
namespace {

using namespace testing_support;

void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

QPushButton* button(const QDialog& window, const QString& text) {
    for (QPushButton* candidate : window.findChildren<QPushButton*>())
        if (candidate->text() == text) return candidate;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

QListWidget* listOf(const QDialog& window) { return window.findChild<QListWidget*>(); }

std::vector<std::string> itemsOf(const QDialog& window) {
    std::vector<std::string> items;
    const QListWidget* list = listOf(window);
    for (int i = 0; i < list->count(); ++i) items.push_back(list->item(i)->text().toStdString());
    return items;
}

QSize designedSize(const CResultsDlg& window, const ResultsWindowDesign& design) {
    const ClientSize size = toPixels(design.window, dialogBaseUnits(window.font()));
    return {size.width, size.height};
}

struct Geometry {
    QRect list, ok, saveAs, print;
};

Geometry geometryOf(const CResultsDlg& window) {
    return {listOf(window)->geometry(), button(window, "OK")->geometry(), button(window, "Save As...")->geometry(),
            button(window, "Print...")->geometry()};
}

class ResultsWindow : public testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    ProgramShell shellOf(ProgramId program) { return ProgramShell(program, user.services()); }

    ScratchSettings settings;
    FakeUser user;
    QTemporaryDir files;
};

constexpr ProgramId everyProgram[] = {ProgramId::Tabrell, ProgramId::Verrick, ProgramId::Ombrel};

TEST_F(ResultsWindow, OpensAtItsDesignedSizeWithASizeGripAndCannotBeMadeSmaller) {
    for (ProgramId program : everyProgram) {
        const ProgramShell shell = shellOf(program);
        CResultsDlg window(shell);
        window.show();
        settle();
        const QSize designed = designedSize(window, shell.resultsDesign());
        EXPECT_EQ(window.size(), designed) << shell.name().toStdString();
        EXPECT_EQ(window.minimumSize(), designed);
        window.resize(designed / 2);
        settle();
        EXPECT_EQ(window.size(), designed) << "never smaller than designed";
        ASSERT_NE(window.findChild<QSizeGrip*>(), nullptr);
        EXPECT_TRUE(window.findChild<QSizeGrip*>()->isVisible());
        EXPECT_EQ(window.windowTitle(), "Results");
    }
}

TEST_F(ResultsWindow, EnlargingGrowsTheListAndTakesTheButtonsDownKeepingTheirPlacesAcross) {
    const ProgramShell shell = shellOf(ProgramId::Ombrel);
    CResultsDlg window(shell);
    window.show();
    settle();
    const Geometry before = geometryOf(window);
    window.resize(window.size() + QSize(150, 90));
    settle();
    const Geometry after = geometryOf(window);
    EXPECT_EQ(after.list, before.list.adjusted(0, 0, 150, 90));
    EXPECT_EQ(after.ok, before.ok.translated(0, 90));
    EXPECT_EQ(after.saveAs, before.saveAs.translated(0, 90));
    EXPECT_EQ(after.print, before.print.translated(0, 90));
}

TEST_F(ResultsWindow, MinimisingAndRestoringMovesNoControl) {
    const ProgramShell shell = shellOf(ProgramId::Tabrell);
    CResultsDlg window(shell);
    window.show();
    window.resize(window.size() + QSize(40, 30));
    settle();
    const QSize restored = window.size();
    const Geometry before = geometryOf(window);

    window.setWindowState(Qt::WindowMinimized);
    QResizeEvent minimised(QSize(160, 0), restored);
    QApplication::sendEvent(&window, &minimised);
    window.setWindowState(Qt::WindowNoState);
    QResizeEvent backAgain(restored, QSize(160, 0));
    QApplication::sendEvent(&window, &backAgain);

    const Geometry after = geometryOf(window);
    EXPECT_EQ(after.list, before.list);
    EXPECT_EQ(after.ok, before.ok);
    EXPECT_EQ(after.print, before.print);
}

TEST_F(ResultsWindow, ARememberedSizeIsRestoredWhenBothKeysAreSet) {
    settings.write("ombrel", "85", "CX", "700");
    settings.write("ombrel", "85", "CY", "500");
    const ProgramShell shell = shellOf(ProgramId::Ombrel);
    CResultsDlg window(shell);
    window.show();
    settle();
    EXPECT_EQ(window.size(), QSize(700, 500));
    const DialogBaseUnits base = dialogBaseUnits(window.font());
    const QSize grown = QSize(700, 500) - designedSize(window, shell.resultsDesign());
    const QRect designedList = toQRect(toPixels(shell.resultsDesign().list, base));
    EXPECT_EQ(listOf(window)->geometry(), designedList.adjusted(0, 0, grown.width(), grown.height()))
        << "the list follows the restored size";
    const DialogPoint ok = shell.resultsDesign().buttons[0];
    EXPECT_EQ(button(window, "OK")->geometry().topLeft(),
              QPoint(horizontalPixels(ok.x, base), verticalPixels(ok.y, base) + grown.height()));
}

struct RememberedSizeCase {
    const char* name;
    std::optional<QString> width, height;
};

TEST_F(ResultsWindow, ARememberedSizeIsIgnoredUnlessBothKeysHoldNumbersAboveZero) {
    const RememberedSizeCase cases[] = {
        {"width 0", "0", "500"},          {"height 0", "700", "0"},          {"width missing", std::nullopt, "500"},
        {"width not a number", "abc", "500"}, {"height not a number", "700", "5x"}, {"negative width", "-700", "500"},
    };
    for (const RememberedSizeCase& c : cases) {
        const ScratchSettings fresh;
        if (c.width) fresh.write("verrick", "87", "CX", *c.width);
        if (c.height) fresh.write("verrick", "87", "CY", *c.height);
        const ProgramShell shell = shellOf(ProgramId::Verrick);
        CResultsDlg window(shell);
        window.show();
        settle();
        EXPECT_EQ(window.size(), designedSize(window, shell.resultsDesign())) << c.name;
    }
}

TEST_F(ResultsWindow, ARememberedSizeLargerThanTheScreenIsLimitedToIt) {
    settings.write("tabrell", "86", "CX", "20000");
    settings.write("tabrell", "86", "CY", "15000");
    const ProgramShell shell = shellOf(ProgramId::Tabrell);
    CResultsDlg window(shell);
    window.show();
    settle();
    EXPECT_EQ(window.size(), window.screen()->availableGeometry().size());
    EXPECT_TRUE(button(window, "Print...")->geometry().bottom() < window.height()) << "the buttons stay in sight";
}

TEST_F(ResultsWindow, ClosingAfterAResizeRemembersTheSizeInTheProgramsSection) {
    const struct {
        ProgramId program;
        const char* settingsName;
        const char* section;
    } cases[] = {{ProgramId::Tabrell, "tabrell", "86"}, {ProgramId::Verrick, "verrick", "87"},
                 {ProgramId::Ombrel, "ombrel", "85"}};
    for (const auto& c : cases) {
        const ProgramShell shell = shellOf(c.program);
        QSize enlarged;
        {
            CResultsDlg window(shell);
            window.show();
            settle();
            enlarged = window.size() + QSize(50, 40);
            window.resize(enlarged);
            settle();
        }
        EXPECT_EQ(settings.read(c.settingsName, c.section, "CX"), QString::number(enlarged.width())) << c.section;
        EXPECT_EQ(settings.read(c.settingsName, c.section, "CY"), QString::number(enlarged.height())) << c.section;
    }
}

TEST_F(ResultsWindow, AWindowNeverResizedLeavesTheStoreAlone) {
    const ProgramShell shell = shellOf(ProgramId::Ombrel);
    {
        CResultsDlg window(shell);
        window.show();
        settle();
    }
    EXPECT_FALSE(QFileInfo::exists(settings.iniFile("ombrel")));
}

TEST_F(ResultsWindow, EscapeOpensSaveAsInTabrellAndVerrickAndClosesOmbrelsWindow) {
    const struct {
        ProgramId program;
        int saveDialogs;
        bool staysOpen;
    } cases[] = {{ProgramId::Tabrell, 1, true}, {ProgramId::Verrick, 1, true}, {ProgramId::Ombrel, 0, false}};
    for (const auto& c : cases) {
        FakeUser fresh;
        const ProgramShell shell(c.program, fresh.services());
        CResultsDlg window(shell);
        window.show();
        settle();
        QTest::keyClick(listOf(window), Qt::Key_Escape);
        EXPECT_EQ(fresh.saveDialogsShown, c.saveDialogs) << shell.name().toStdString();
        EXPECT_EQ(window.isVisible(), c.staysOpen) << shell.name().toStdString();
        if (!c.staysOpen) {
            EXPECT_EQ(window.result(), QDialog::Rejected);
        }
    }
}

TEST_F(ResultsWindow, OkAndTheCloseBoxEndTheWindowWithOk) {
    const ProgramShell shell = shellOf(ProgramId::Ombrel);
    CResultsDlg byButton(shell);
    byButton.show();
    button(byButton, "OK")->click();
    EXPECT_FALSE(byButton.isVisible());
    EXPECT_EQ(byButton.result(), QDialog::Accepted);

    CResultsDlg byCloseBox(shell);
    byCloseBox.show();
    byCloseBox.close();
    EXPECT_FALSE(byCloseBox.isVisible());
    EXPECT_EQ(byCloseBox.result(), QDialog::Accepted);
}

TEST_F(ResultsWindow, ShowsEveryLineInOrderAsWindows1252Text) {
    ReportListing listing;
    listing.append("Input Data:");
    listing.append("  Pipe: 2\xBD in. corrugation   ");
    listing.append(" ");
    const ProgramShell shell = shellOf(ProgramId::Tabrell);
    CResultsDlg window(shell);
    window.setListing(&listing);
    window.show();
    EXPECT_EQ(itemsOf(window), (std::vector<std::string>{"Input Data:", "  Pipe: 2\u00BD in. corrugation   ", " "}));
    EXPECT_EQ(keyboardFaults(window), std::vector<std::string>{});
}

TEST_F(ResultsWindow, AnEmptyOrAbsentListingShowsAnEmptyList) {
    const ProgramShell shell = shellOf(ProgramId::Ombrel);
    const ReportListing empty;
    CResultsDlg withEmpty(shell);
    withEmpty.setListing(&empty);
    withEmpty.show();
    EXPECT_EQ(listOf(withEmpty)->count(), 0);
    CResultsDlg withNone(shell);
    withNone.show();
    EXPECT_EQ(listOf(withNone)->count(), 0);
}

TEST_F(ResultsWindow, ALineWiderThanTheListIsCutAtItsEdgeWithoutAHorizontalScrollBar) {
    ReportListing listing;
    listing.append(std::string(300, '-') + "end");
    const ProgramShell shell = shellOf(ProgramId::Ombrel);
    CResultsDlg window(shell);
    window.setListing(&listing);
    window.show();
    settle();
    const QListWidget* list = listOf(window);
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    EXPECT_EQ(list->textElideMode(), Qt::ElideNone) << "cut, not shortened with an ellipsis";
    EXPECT_EQ(list->item(0)->text().toStdString(), std::string(300, '-') + "end");
}

TEST_F(ResultsWindow, EachProgramShowsTheReportInItsFixedPitchFontAndOnlyVerrickSelectsLines) {
    const struct {
        ProgramId program;
        int points;
        QAbstractItemView::SelectionMode selection;
    } cases[] = {{ProgramId::Tabrell, 9, QAbstractItemView::NoSelection},
                 {ProgramId::Verrick, 8, QAbstractItemView::SingleSelection},
                 {ProgramId::Ombrel, 8, QAbstractItemView::NoSelection}};
    for (const auto& c : cases) {
        const ProgramShell shell = shellOf(c.program);
        CResultsDlg window(shell);
        const QFontInfo font(listOf(window)->font());
        EXPECT_TRUE(font.fixedPitch()) << font.family().toStdString();
        EXPECT_EQ(font.pointSize(), c.points);
        EXPECT_EQ(listOf(window)->selectionMode(), c.selection);
    }
}

class SaveAs : public ResultsWindow {
protected:
    void SetUp() override {
        listing.append("Input Data:");
        listing.append("  Thickness:      2\xBD in.   ");
        listing.append(" ");
    }
    void save(const QString& path) {
        user.saveAnswer = path;
        const ProgramShell shell = shellOf(ProgramId::Ombrel);
        CResultsDlg window(shell);
        window.setListing(&listing);
        window.show();
        button(window, "Save As...")->click();
        EXPECT_TRUE(window.isVisible()) << "the window stays open";
    }
    ReportListing listing;
};

TEST_F(SaveAs, WritesTheListingsExactBytesWithCrLf) {
    const QString path = files.filePath("life.txt");
    save(path);
    EXPECT_EQ(contentsOf(path), "Input Data:\r\n  Thickness:      2\xBD in.   \r\n \r\n");
    EXPECT_TRUE(user.warnings.empty());
}

TEST_F(SaveAs, ReplacesAnExistingFileTheUserAgreedToOverwrite) {
    const QString path = files.filePath("life.txt");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older and much longer report that must not survive\r\n");
    old.close();
    save(path);
    EXPECT_EQ(contentsOf(path), "Input Data:\r\n  Thickness:      2\xBD in.   \r\n \r\n");
}

TEST_F(SaveAs, AFailedWriteShowsItsMessageWithTheProgramsNameAsCaption) {
    const QString path = files.filePath("no such folder/life.txt");
    save(path);
    ASSERT_EQ(user.warnings.size(), 1u);
    EXPECT_EQ(user.warnings[0].caption, "Ombrel");
    EXPECT_EQ(user.warnings[0].text, "Unable to open file " + path + " for writing.");
}

TEST_F(SaveAs, ACancelledDialogWritesNothing) {
    const ProgramShell shell = shellOf(ProgramId::Ombrel);
    CResultsDlg window(shell);
    window.setListing(&listing);
    window.show();
    button(window, "Save As...")->click();
    EXPECT_EQ(user.saveDialogsShown, 1);
    EXPECT_TRUE(QDir(files.path()).isEmpty());
    EXPECT_TRUE(user.warnings.empty());
    EXPECT_TRUE(window.isVisible());
}

class Print : public ResultsWindow {
protected:
    std::vector<std::string> print(ProgramId program, int lines, std::optional<std::size_t> pageBreak = {}) {
        ReportListing listing;
        for (int i = 1; i <= lines; ++i) listing.append("Line " + std::to_string(i) + " of the report");
        const QString pdf = files.filePath("report.pdf");
        user.printToPdf = pdf;
        const ProgramShell shell = shellOf(program);
        CResultsDlg window(shell);
        window.setListing(&listing);
        if (pageBreak) window.setPageBreakLine(*pageBreak);
        window.show();
        button(window, "Print...")->click();
        return pdfPages(pdf);
    }
};

bool holdsInOrder(const std::string& page, int first, int last) {
    std::size_t at = 0;
    for (int i = first; i <= last; ++i) {
        at = page.find("Line " + std::to_string(i) + " of the report", at);
        if (at == std::string::npos) return false;
    }
    return true;
}

TEST_F(Print, EachProgramNamesThePrintJobAfterItself) {
    for (ProgramId program : everyProgram) {
        print(program, 2);
        const QString name = shellOf(program).name();
        EXPECT_EQ(pdfInfo(files.filePath("report.pdf"), "Title"), name) << name.toStdString();
    }
}

TEST_F(Print, OmbrelPrintsTheWholeListingOnOnePage) {
    const std::vector<std::string> pages = print(ProgramId::Ombrel, 40);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(holdsInOrder(pages[0], 1, 40));
    ASSERT_EQ(user.printRanges.size(), 1u);
    EXPECT_EQ(user.printRanges[0].from, 1);
    EXPECT_EQ(user.printRanges[0].maximum, 1);
}

TEST_F(Print, VerrickPrintsTwoPagesSplitAtThePageBreakLine) {
    const std::vector<std::string> pages = print(ProgramId::Verrick, 8, 5);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(holdsInOrder(pages[0], 1, 5));
    EXPECT_EQ(pages[0].find("Line 6 "), std::string::npos);
    EXPECT_TRUE(holdsInOrder(pages[1], 6, 8));
    ASSERT_EQ(user.printRanges.size(), 1u);
    EXPECT_EQ(user.printRanges[0].to, 2);
    EXPECT_EQ(user.printRanges[0].maximum, 2);
}

TEST_F(Print, VerrickBreaksAtLine50UntilTheOwnerSetsAnother) {
    const std::vector<std::string> pages = print(ProgramId::Verrick, 52);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(holdsInOrder(pages[0], 1, 50));
    EXPECT_TRUE(holdsInOrder(pages[1], 51, 52));
}

TEST_F(Print, TabrellIgnoresAPageBreakLine) {
    const std::vector<std::string> pages = print(ProgramId::Tabrell, 8, 5);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(holdsInOrder(pages[0], 1, 8));
}

TEST_F(Print, TheJobDialogOpensOnWhatAnyProgramKeptLastAndItsCancelCancelsThePrint) {
    const QStringList typed = {"Mill Creek", "Culvert C-12", "A. Engineer", "B. Checker"};
    QStringList shown;
    QString pressed = "OK";
    user.onModal = [&](QDialog& job) {
        EXPECT_EQ(job.windowTitle(), "Job");
        const QList<QLineEdit*> fields = job.findChildren<QLineEdit*>();
        shown.clear();
        for (QLineEdit* field : fields) shown.append(field->text());
        for (qsizetype i = 0; i < fields.size(); ++i) fields[i]->setText(typed[i]);
        button(job, pressed)->click();
        return job.result();
    };
    // Typed in Verrick and kept; Tabrell's Job dialog opens on it.
    const std::vector<std::string> pages = print(ProgramId::Verrick, 3);
    EXPECT_EQ(shown, QStringList(4, QString()));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find("Culvert C-12"), std::string::npos) << pages[0];
    EXPECT_NE(pages[0].find("Date: 2026-03-14"), std::string::npos) << pages[0];

    pressed = "Cancel";
    QFile::remove(files.filePath("report.pdf"));
    print(ProgramId::Tabrell, 3);
    EXPECT_EQ(shown, typed);
    EXPECT_EQ(user.printRanges.size(), 1u) << "no print dialog after Cancel";
    EXPECT_FALSE(QFileInfo::exists(files.filePath("report.pdf")));
}

TEST_F(Print, ACancelledPrintDialogPrintsNothing) {
    ReportListing listing;
    listing.append("one line");
    const ProgramShell shell = shellOf(ProgramId::Ombrel);
    CResultsDlg window(shell);
    window.setListing(&listing);
    window.show();
    button(window, "Print...")->click();
    EXPECT_EQ(user.printRanges.size(), 1u);
    EXPECT_TRUE(QDir(files.path()).isEmpty());
}

}  // namespace
}  // namespace csp::ui
