#pragma once

#include "designcheck/design_types.h"

namespace csp::designcheck {

// Live load with impact on the crown, LL + IL in psf, at a cover in feet:
// interpolated between whole feet; 0 beyond the cover where the live load
// still counts.
double liveLoadWithImpact(LiveLoad liveLoad, double cover);

// Live load at the corners of an arch, LL in psf, read the same way.
double cornerLiveLoad(LiveLoad liveLoad, double cover);

}  // namespace csp::designcheck
