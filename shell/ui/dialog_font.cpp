#include "shell/ui/dialog_font.h"

#include <QFontMetrics>
#include <QStringList>

namespace csp::ui {

QFont fixedPitchFont(std::string_view family, int points) {
    const QString name = QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
    QFont font(name, points);
    font.setFamilies(QStringList{name, QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

DialogBaseUnits dialogBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    static const QString alphabets = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {averageCharWidth(metrics.horizontalAdvance(alphabets)), metrics.height()};
}

}  // namespace csp::ui
