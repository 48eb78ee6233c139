#include "filltables/min_fill_checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "shell/number_format.h"

namespace csp {
namespace {

// Live-load pressure (psf) on the pipe at 1, 2, 3 ... ft of cover; slot 0 is
// never read, and the last slot is the deepest foot the check looks at.
constexpr std::array<double, 9> h20Pressures = {0, 1800, 800, 600, 400, 250, 200, 175, 100};
constexpr std::array<double, 10> h25Pressures = {0, 2280, 1150, 720, 470, 320, 240, 180, 140, 110};
constexpr std::array<double, 31> e80Pressures = {0,    4500, 3800, 3330, 2860, 2400, 2130, 1860, 1600, 1350, 1100,
                                                 950,  800,  730,  660,  600,  540,  480,  420,  360,  300,  280,
                                                 260,  240,  220,  200,  180,  160,  140,  120,  100};

// The pipe-arch tables differ from the round ones in one depth each.
constexpr std::array<double, 9> archH20Pressures = [] {
    auto p = h20Pressures;
    p[1] = 1600;
    return p;
}();
// At 1 ft of cover the pipe-arch tables take 2580 psf under H 25, where
// the design check's corner bearing takes 2000 psf (live_load.cpp): each
// keeps the value of its own source table, and they are not to be merged.
constexpr std::array<double, 10> archH25Pressures = [] {
    auto p = h25Pressures;
    p[1] = 2580;
    return p;
}();
constexpr std::array<double, 31> archE80Pressures = [] {
    auto p = e80Pressures;
    p[30] = 110;
    return p;
}();

// The live load weighed against the earth load by the ratio of their load
// factors: LRFD factors the live load by 1.75 and the earth load by 1.95,
// AASHTO LFD by 1.67 and 1.5 (both within its 1.3).
constexpr double lrfdLoadFactorRatio = 1.75 / 1.95;
constexpr double aashtoLfdLoadFactorRatio = 1.67 / 1.5;

// The check keeps a cover whose 95% of the equivalent fill height fits.
constexpr double coverAllowance = 0.95;

// E 80 pressures of the pipe-arch tables are divided by this.
constexpr double e80ArchDivisor = 1.5;

struct CheckMessages {
    const char* coverRange;
    const char* fillDensity;  // nullptr: the check does not test w
};
constexpr CheckMessages h20Messages = {"Input error. Try again. Code:MinFillChkH20-1 Value:%d %d",
                                       "Input error. Try again. Code:MinFillChkH20-2 Value:%f"};
constexpr CheckMessages h25Messages = {"Input error. Try again. Code:MinFillChkH25-1 Value:%d %d",
                                       "Input error. Try again. Code:MinFillChkH25-2 Value:%f"};
// The railroad and pipe-arch checks report under the H 20 codes.
constexpr CheckMessages e80Messages = h20Messages;
constexpr CheckMessages archMessages = {h20Messages.coverRange, nullptr};

// Whole feet, truncated toward zero; kept within an int whatever the value.
int wholeFeet(double feet) {
    if (std::isnan(feet)) return 0;
    return static_cast<int>(std::clamp(feet, -1e9, 1e9));
}

// The common procedure. pressureAt(j) is the working live-load pressure at
// j ft; c the minimum cover in ft; the deepest foot looked at is the cap or
// the whole feet of the maximum cover, whichever is less.
template <class PressureAt>
Outcome checkCombinedPressure(PressureAt pressureAt, int cap, const CheckMessages& messages, double minimumCover,
                           double& maxCover, double& equivalentFillHeight, double w) {
    const double c = minimumCover / 12.0;
    const int i1 = wholeFeet(c);
    const int i2 = maxCover < cap ? wholeFeet(maxCover) : cap;
    if (i1 < 1 || i1 >= cap || i2 >= cap + 1) {
        return Outcome::failure(format(messages.coverRange, i1, i2));
    }
    if (messages.fillDensity != nullptr && w <= 0.0) {
        return Outcome::failure(format(messages.fillDensity, w));
    }
    // At the minimum cover the live load is interpolated between the whole
    // feet around it; deeper, only whole feet count.
    const double above = pressureAt(i1), below = pressureAt(i1 + 1);
    double worst = above - (c - i1) * (above - below) + w * c;
    for (int j = i1 + 1; j <= i2; ++j) {
        const double combined = j * w + pressureAt(j);
        if (combined > worst) worst = combined;
    }
    equivalentFillHeight = worst / w;
    if (coverAllowance * equivalentFillHeight > maxCover) maxCover = 0.0;
    return Outcome::success();
}

int capOf(std::span<const double> pressures) { return static_cast<int>(pressures.size()) - 1; }

Outcome roundCheck(std::span<const double> pressures, const CheckMessages& messages, double minimumCover,
                double& maxCover, double& equivalentFillHeight, double w, DesignMethod designMethod) {
    const auto pressureAt = [pressures, designMethod](int j) {
        const double p = pressures[static_cast<std::size_t>(j)];
        switch (designMethod) {
        case DesignMethod::Lrfd: return p * lrfdLoadFactorRatio;
        case DesignMethod::AashtoLfd: return p * aashtoLfdLoadFactorRatio;
        case DesignMethod::Asd: break;
        }
        return p;
    };
    return checkCombinedPressure(pressureAt, capOf(pressures), messages, minimumCover, maxCover,
                                 equivalentFillHeight, w);
}

// Wheel loads spread through the fill over the span S (in.) at j ft.
double highwaySpreadFactor(int j, double span) {
    const double l1 = (12 * j - 12) * 1.75 + 40;
    const double l2 = 1.37 * span + l1;
    return l2 > 72 ? 2 * l1 / (l2 + 72) : l1 / l2;
}

double railwaySpreadFactor(int j, double span) {
    const double l1 = 12 * j * 1.75 + 96;
    const double l2 = 1.37 * span + l1;
    return l1 / l2;
}

}  // namespace

Outcome minFillCheckH20(double minimumCover, double& maxCover, double& equivalentFillHeight, double fillDensity,
                     DesignMethod designMethod) {
    return roundCheck(h20Pressures, h20Messages, minimumCover, maxCover, equivalentFillHeight, fillDensity,
                      designMethod);
}

Outcome minFillCheckH25(double minimumCover, double& maxCover, double& equivalentFillHeight, double fillDensity,
                     DesignMethod designMethod) {
    return roundCheck(h25Pressures, h25Messages, minimumCover, maxCover, equivalentFillHeight, fillDensity,
                      designMethod);
}

Outcome minFillCheckE80(double minimumCover, double& maxCover, double& equivalentFillHeight, double fillDensity,
                     DesignMethod designMethod) {
    return roundCheck(e80Pressures, e80Messages, minimumCover, maxCover, equivalentFillHeight, fillDensity,
                      designMethod);
}

Outcome archMinFillCheckH20(double minimumCover, double& maxCover, double& equivalentFillHeight, double span,
                         double fillDensity) {
    const auto pressureAt = [span](int j) {
        return archH20Pressures[static_cast<std::size_t>(j)] * highwaySpreadFactor(j, span);
    };
    return checkCombinedPressure(pressureAt, capOf(archH20Pressures), archMessages, minimumCover, maxCover,
                                 equivalentFillHeight, fillDensity);
}

Outcome archMinFillCheckH25(double minimumCover, double& maxCover, double& equivalentFillHeight, double span,
                         double fillDensity) {
    const auto pressureAt = [span](int j) {
        return archH25Pressures[static_cast<std::size_t>(j)] * highwaySpreadFactor(j, span);
    };
    return checkCombinedPressure(pressureAt, capOf(archH25Pressures), archMessages, minimumCover, maxCover,
                                 equivalentFillHeight, fillDensity);
}

Outcome archMinFillCheckE80(double minimumCover, double& maxCover, double& equivalentFillHeight, double span,
                         double fillDensity) {
    const auto pressureAt = [span](int j) {
        return archE80Pressures[static_cast<std::size_t>(j)] * railwaySpreadFactor(j, span) / e80ArchDivisor;
    };
    return checkCombinedPressure(pressureAt, capOf(archE80Pressures), archMessages, minimumCover, maxCover,
                                 equivalentFillHeight, fillDensity);
}

Outcome minFillCheck(LiveLoad liveLoad, double minimumCover, double& maxCover, double& equivalentFillHeight,
                  double fillDensity, DesignMethod designMethod) {
    switch (liveLoad) {
    case LiveLoad::H20:
        return minFillCheckH20(minimumCover, maxCover, equivalentFillHeight, fillDensity, designMethod);
    case LiveLoad::H25:
        return minFillCheckH25(minimumCover, maxCover, equivalentFillHeight, fillDensity, designMethod);
    case LiveLoad::E80: break;
    }
    return minFillCheckE80(minimumCover, maxCover, equivalentFillHeight, fillDensity, designMethod);
}

Outcome archMinFillCheck(LiveLoad liveLoad, double minimumCover, double& maxCover, double& equivalentFillHeight,
                      double span, double fillDensity) {
    switch (liveLoad) {
    case LiveLoad::H20:
        return archMinFillCheckH20(minimumCover, maxCover, equivalentFillHeight, span, fillDensity);
    case LiveLoad::H25:
        return archMinFillCheckH25(minimumCover, maxCover, equivalentFillHeight, span, fillDensity);
    case LiveLoad::E80: break;
    }
    return archMinFillCheckE80(minimumCover, maxCover, equivalentFillHeight, span, fillDensity);
}

}  // namespace csp
