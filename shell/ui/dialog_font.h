#pragma once

#include <QFont>

#include <string_view>

#include "shell/dialog_units.h"

namespace csp::ui {

// A fixed-pitch font of the given family. Where the family is missing,
// Liberation Mono (Courier New's metrics) and then any fixed-pitch font
// stand in, so that report columns still line up.
QFont fixedPitchFont(std::string_view family, int points);

// Dialog base units of a window whose font is `font`.
DialogBaseUnits dialogBaseUnits(const QFont& font);

}  // namespace csp::ui
