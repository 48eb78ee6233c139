#include "shell/ui/settings_window_size_store.h"

namespace csp::ui {
namespace {

QString keyPath(std::string_view section, std::string_view key) {
    return QString::fromLatin1(section.data(), static_cast<qsizetype>(section.size())) + QLatin1Char('/') +
           QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

SettingsWindowSizeStore::SettingsWindowSizeStore(const QString& settingsName)
    : settings_(QSettings::IniFormat, QSettings::UserScope, settingsName) {}

int SettingsWindowSizeStore::readInt(std::string_view section, std::string_view key) {
    bool numeric = false;
    const int value = settings_.value(keyPath(section, key)).toInt(&numeric);
    return numeric ? value : 0;
}

void SettingsWindowSizeStore::writeInt(std::string_view section, std::string_view key, int value) {
    settings_.setValue(keyPath(section, key), value);
}

}  // namespace csp::ui
