#include "designcheck/live_load.h"

#include <span>

namespace csp::designcheck {
namespace {

// Entry k is the load at a cover of k + 1 ft. The table applies up to the
// greatest cover; its last entry only sets the slope of the last foot.
struct LiveLoadTable {
    std::span<const double> load;  // psf
    int greatestCover;             // Hmax, ft
};

template <std::size_t N>
constexpr LiveLoadTable tableOf(const double (&load)[N], int greatestCover) {
    return {load, greatestCover};
}

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

constexpr LiveLoadTable withImpactTables[] = {
    tableOf(h20WithImpact, 7), tableOf(h25WithImpact, 8), tableOf(e80WithImpact, 29)};
constexpr LiveLoadTable cornerTables[] = {
    tableOf(h20AtCorners, 7), tableOf(h25AtCorners, 8), tableOf(e80WithImpact, 29)};

constexpr bool coversItsRange(const LiveLoadTable& table) {
    return table.load.size() == static_cast<std::size_t>(table.greatestCover) + 1;
}
static_assert(coversItsRange(withImpactTables[0]) && coversItsRange(withImpactTables[1]) &&
              coversItsRange(withImpactTables[2]) && coversItsRange(cornerTables[0]) &&
              coversItsRange(cornerTables[1]));

double interpolate(const LiveLoadTable& table, double cover) {
    if (!(cover >= 0.0 && cover <= table.greatestCover)) return 0.0;
    int i = static_cast<int>(cover) - 1;
    if (i < 0) i = 0;
    const double here = table.load[static_cast<std::size_t>(i)];
    const double next = table.load[static_cast<std::size_t>(i) + 1];
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
