#include "components/label/easing.h"

namespace qv::easing {

double bounceHeight(double t, int bounces)
{
    // Free fall: the time to fall from height h grows with sqrt(h); each bounce
    // reaches a quarter of the height before it, so it lasts half as long.
    bounces = std::clamp(bounces, 0, 8);
    constexpr double kKeep = 0.5;
    double total = 1.0;
    for (int j = 1; j <= bounces; ++j)
        total += 2.0 * std::pow(kKeep, j);

    double time = clamp01(t) * total;
    if (time < 1.0)
        return 1.0 - time * time;
    time -= 1.0;
    for (int j = 1; j <= bounces; ++j) {
        const double length = 2.0 * std::pow(kKeep, j);
        if (time < length) {
            const double s = time / length;
            return std::pow(kKeep, 2 * j) * 4.0 * s * (1.0 - s);
        }
        time -= length;
    }
    return 0.0;
}

} // namespace qv::easing
