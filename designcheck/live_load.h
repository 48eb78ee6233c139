#pragma once

#include "designcheck/design_types.h"

namespace csp::designcheck {

// Live load with impact on the crown, LL + IL in psf, at a cover in feet:
// interpolated between whole feet, through the table's last entry (H 20 to
// 8 ft, H 25 to 9 ft, E 80 to 30 ft); 0 above it.
double liveLoadWithImpact(LiveLoad liveLoad, double cover);

// Live load at the corners of an arch, LL in psf, read the same way.
double cornerLiveLoad(LiveLoad liveLoad, double cover);

}  // namespace csp::designcheck
