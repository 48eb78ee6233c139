#pragma once

#include <QSettings>

#include "shell/results_window_design.h"

namespace csp::ui {

// The window-size store as an INI file per program in the user's
// configuration folder (for `ombrel`: ~/.config/ombrel.ini), one group per
// section.
class SettingsWindowSizeStore : public WindowSizeStore {
public:
    explicit SettingsWindowSizeStore(const QString& settingsName);
    int readInt(std::string_view section, std::string_view key) override;
    void writeInt(std::string_view section, std::string_view key, int value) override;

private:
    QSettings settings_;
};

}  // namespace csp::ui
