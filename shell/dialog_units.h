#pragma once

#include "shell/resizable_layout.h"

namespace csp {

// Page and control sizes are designed in dialog units: a quarter of the
// dialog font's average character width across, an eighth of its height
// down.
struct DialogBaseUnits {
    int charWidth = 0;   // pixels
    int charHeight = 0;  // pixels
};

struct DialogSize {
    int width = 0;
    int height = 0;
};

struct DialogPoint {
    int x = 0;
    int y = 0;
};

struct DialogRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// The average character width as the dialog manager takes it: the width of
// the 52 letters A-Z and a-z, divided by 52 and rounded.
int averageCharWidth(int widthOfTheAlphabets);

int horizontalPixels(int dialogUnits, DialogBaseUnits base);
int verticalPixels(int dialogUnits, DialogBaseUnits base);
ClientSize toPixels(DialogSize size, DialogBaseUnits base);
// Each edge is converted on its own, as the dialog manager does, so that
// neighbouring controls stay flush.
ClientRect toPixels(DialogRect rect, DialogBaseUnits base);

}  // namespace csp
