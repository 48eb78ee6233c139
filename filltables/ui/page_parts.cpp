#include "filltables/ui/page_parts.h"

#include <QDialog>
#include <QFontMetrics>
#include <QPushButton>
#include <QStringList>

#include "filltables/wizard_page_texts.h"
#include "shell/ui/program_shell.h"
#include "shell/ui/page_layout.h"

namespace csp::ui {

void setUpFollowUpPage(QDialog& page, std::string_view title) {
    page.setWindowTitle(toQString(title));
    page.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint);
    page.setModal(true);
}

QBoxLayout* nextAndBackRow(QDialog& page, std::string_view backText, QPushButton** next) {
    // Every way off a page but "Next >" ends the sequence: Rejected.
    const PageButtons buttons = pageButtons(page, nextButtonText, backText);
    *next = buttons.forward;
    return buttonRow(buttons.forward, buttons.back);
}

QString wrappedText(std::string_view text, int width, const QFontMetrics& metrics) {
    const QStringList words = toQString(text).split(QLatin1Char(' '));
    QString result, line;
    for (const QString& word : words) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            result += line + QLatin1Char('\n');
            line = word;
        } else {
            line = longer;
        }
    }
    return result + line;
}

}  // namespace csp::ui
