#include "settings/loose_value.h"

#include <cmath>

namespace qv {

double LooseValue::number() const
{
    bool ok = false;
    const double value = text_.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

int LooseValue::toInt() const
{
    const double value = std::nearbyint(number());  // the default rounding mode: halves to even
    if (value > 2147483647.0)
        return 2147483647;
    if (value < -2147483648.0)
        return -2147483647 - 1;
    return static_cast<int>(value);
}

} // namespace qv
