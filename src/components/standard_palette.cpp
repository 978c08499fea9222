#include "components/standard_palette.h"

#include <algorithm>
#include <array>

namespace qv {

QColor standardColour(int number)
{
    static constexpr std::array<QRgb, kStandardColourCount> kColours = {
        qRgb(0, 0, 0),       qRgb(0, 0, 128),     qRgb(0, 128, 0),     qRgb(0, 128, 128),
        qRgb(128, 0, 0),     qRgb(128, 0, 128),   qRgb(128, 128, 0),   qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(0, 0, 255),     qRgb(0, 255, 0),     qRgb(0, 255, 255),
        qRgb(255, 0, 0),     qRgb(255, 0, 255),   qRgb(255, 255, 0),   qRgb(255, 255, 255),
    };
    return QColor(kColours[static_cast<std::size_t>(std::clamp(number, 0, kStandardColourCount - 1))]);
}

} // namespace qv
