#include "components/picture/transition_timing.h"

#include <algorithm>
#include <cmath>

namespace qv {

std::chrono::milliseconds transitionDuration(int speed, int grain, QSize logicalArea)
{
    constexpr double kReferenceArea = 1920.0 * 1080.0;
    const double clampedSpeed = std::clamp(speed, 0, 255);
    const double base = 450.0 + 580.0 * std::sqrt(clampedSpeed);
    const double grainFactor = std::clamp(std::pow(8.0 / std::max(grain, 1), 0.3), 0.6, 1.6);
    const double area = std::max(0.0, double(logicalArea.width())) * std::max(0.0, double(logicalArea.height()));
    const double areaFactor = std::clamp(std::sqrt(area / kReferenceArea), 0.35, 2.0);
    return std::chrono::milliseconds(std::lround(base * grainFactor * areaFactor));
}

std::chrono::milliseconds frameInterval(double refreshRate)
{
    const double rate = refreshRate >= 1.0 ? refreshRate : 60.0;
    return std::chrono::milliseconds(std::clamp(std::lround(1000.0 / rate), 4L, 50L));
}

} // namespace qv
