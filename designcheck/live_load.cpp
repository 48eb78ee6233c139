#include "designcheck/live_load.h"

#include <span>

namespace csp::designcheck {
namespace {

// Entry k is the load at a cover of k + 1 ft. A table applies through its
// last entry, at the cover that entry is listed for, and gives 0 above it.
using LiveLoadTable = std::span<const double>;  // psf

//                                  H = 1     2     3     4     5     6     7     8     9 ft
constexpr double h20WithImpact[] = {1800, 800,  600,  400,  250,  200,  175,  100};
constexpr double h25WithImpact[] = {2280, 1150, 720,  470,  320,  240,  180,  140,  110};
constexpr double e80WithImpact[] = {4500, 3800, 3330, 2860, 2400, 2130, 1860, 1600, 1350, 1100,
                                    950,  800,  730,  660,  600,  540,  480,  420,  360,  300,
                                    280,  260,  240,  220,  200,  180,  160,  140,  120,  100};
constexpr double h20AtCorners[] = {1600, 800,  600,  400,  250,  200,  175,  100};
// At 1 ft of cover the corner bearing takes 2000 psf under H 25, where the
// fill-height tables' pipe-arches take 2580 psf (min_fill_checks.cpp): each
// keeps the value of its own source table, and they are not to be merged.
constexpr double h25AtCorners[] = {2000, 1150, 720,  470,  320,  240,  180,  140,  110};

constexpr LiveLoadTable withImpactTables[] = {h20WithImpact, h25WithImpact, e80WithImpact};
constexpr LiveLoadTable cornerTables[] = {h20AtCorners, h25AtCorners, e80WithImpact};

// Linear between whole feet, the first foot's slope carried below 1 ft; at
// the last entry's own cover the last entry, as there is no next one.
double interpolate(LiveLoadTable table, double cover) {
    const auto greatestCover = static_cast<double>(table.size());
    if (!(cover >= 0.0 && cover <= greatestCover)) return 0.0;
    if (cover == greatestCover) return table.back();
    int i = static_cast<int>(cover) - 1;
    if (i < 0) i = 0;
    const double here = table[static_cast<std::size_t>(i)];
    const double next = table[static_cast<std::size_t>(i) + 1];
    return here - (cover - i - 1) * (here - next);
}

double lookUp(const LiveLoadTable (&tables)[3], LiveLoad liveLoad, double cover) {
    const int index = static_cast<int>(liveLoad);
    if (index < 0 || index > 2) return 0.0;
    return interpolate(tables[index], cover);
}

}  // namespace

double liveLoadWithImpact(LiveLoad liveLoad, double cover) { return lookUp(withImpactTables, liveLoad, cover); }

double cornerLiveLoad(LiveLoad liveLoad, double cover) { return lookUp(cornerTables, liveLoad, cover); }

}  // namespace csp::designcheck
