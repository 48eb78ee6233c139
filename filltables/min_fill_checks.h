#pragma once

#include "filltables/fill_table_request.h"

namespace csp {

// Live-load cover checks. Each finds the worst combined earth and live-load
// pressure between the minimum cover (in.) and the maximum cover (ft),
// writes it as an equivalent fill height (ft of soil of density w) and sets
// the maximum cover to 0.0 when 95% of that height exceeds it. Refused,
// with nothing written, when the minimum cover lies outside the table's
// depths (or, for round pipe, w <= 0).

// Round pipe: wheel or train pressures scaled by the design method's load
// factor ratio.
Outcome minFillCheckH20(double minimumCover, double& maxCover, double& equivalentFillHeight, double fillDensity,
                     DesignMethod designMethod);
Outcome minFillCheckH25(double minimumCover, double& maxCover, double& equivalentFillHeight, double fillDensity,
                     DesignMethod designMethod);
Outcome minFillCheckE80(double minimumCover, double& maxCover, double& equivalentFillHeight, double fillDensity,
                     DesignMethod designMethod);

// Pipe-arch and underpass: pressures spread over the span S (in.) of the
// section.
Outcome archMinFillCheckH20(double minimumCover, double& maxCover, double& equivalentFillHeight, double span,
                         double fillDensity);
Outcome archMinFillCheckH25(double minimumCover, double& maxCover, double& equivalentFillHeight, double span,
                         double fillDensity);
Outcome archMinFillCheckE80(double minimumCover, double& maxCover, double& equivalentFillHeight, double span,
                         double fillDensity);

// The round pipe check of a live load (E 80 for any value but H 20 and H 25).
Outcome minFillCheck(LiveLoad liveLoad, double minimumCover, double& maxCover, double& equivalentFillHeight,
                  double fillDensity, DesignMethod designMethod);
// The pipe-arch check of a live load (E 80 for any value but H 20 and H 25).
Outcome archMinFillCheck(LiveLoad liveLoad, double minimumCover, double& maxCover, double& equivalentFillHeight,
                      double span, double fillDensity);

}  // namespace csp
