#pragma once

#include <QDialog>

namespace csp::ui {

// "Abrasion Level Details": what each of the four levels means.
class CAbrasionLevelDetailsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAbrasionLevelDetailsDlg(QWidget* parent = nullptr);
};

}  // namespace csp::ui
