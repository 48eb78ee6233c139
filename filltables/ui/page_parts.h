#pragma once

#include <QString>

#include <string_view>

class QBoxLayout;
class QDialog;
class QFontMetrics;
class QPushButton;

namespace csp::ui {

// What Tabrell's follow-up pages share: a small dialog with a title bar and
// a close box, and a bottom row with "Next >" (the default button, which
// Enter presses from any control) at the left and the back button at the
// right.
void setUpFollowUpPage(QDialog& page, std::string_view title);
QBoxLayout* nextAndBackRow(QDialog& page, std::string_view backText, QPushButton** next);

// `text` broken into lines no wider than `width` pixels, at its blanks, for
// controls that cannot wrap their own text (radio buttons). Joining the
// lines with a blank gives the text back.
QString wrappedText(std::string_view text, int width, const QFontMetrics& metrics);

}  // namespace csp::ui
