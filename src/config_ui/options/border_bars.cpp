#include "config_ui/options/border_bars.h"

#include "components/standard_palette.h"
#include "settings/global_settings.h"

#include <cstdint>

namespace qv {

BorderValues borderValuesOf(const GlobalSettings& s)
{
    return {s.innerBevelColor1,       s.innerBevelColor2,       s.innerBevelStyle.toInt(),
            s.innerBevelSize.toInt(), s.outerBevelColor1,       s.outerBevelColor2,
            s.outerBevelStyle.toInt(), s.outerBevelSize.toInt(), s.borderColor.toInt(),
            s.borderSize.toInt()};
}

void storeBorderValue(GlobalSettings& s, int bar, int value)
{
    const auto number = static_cast<std::int16_t>(value);
    switch (bar) {
    case 0: s.innerBevelColor1 = number; break;
    case 1: s.innerBevelColor2 = number; break;
    case 2: s.innerBevelStyle = value; break;
    case 3: s.innerBevelSize = value; break;
    case 4: s.outerBevelColor1 = number; break;
    case 5: s.outerBevelColor2 = number; break;
    case 6: s.outerBevelStyle = value; break;
    case 7: s.outerBevelSize = value; break;
    case 8: s.borderColor = value; break;
    case 9: s.borderSize = value; break;
    default: break;
    }
}

BorderStyle borderStyleOf(const BorderValues& v)
{
    BorderStyle border;
    border.inner = Bevel{v[3], v[2], standardColour(v[0]), standardColour(v[1])};
    border.outer = Bevel{v[7], v[6], standardColour(v[4]), standardColour(v[5])};
    border.colour = standardColour(v[8]);
    border.width = v[9];
    return border;
}

QString borderValueText(int bar, int value)
{
    static const char* const colourNames[kStandardColourCount] = {
        "Black", "Blue", "Green", "Cyan", "Red", "Magenta", "Yellow", "White",
        "Grey", "Light Blue", "Light Green", "Light Cyan", "Light Red", "Light Magenta", "Light Yellow", "Bright White",
    };
    static const char* const styleNames[] = {"None", "Inset", "Raised"};
    const BorderBar& barInfo = kBorderBars[static_cast<std::size_t>(bar)];
    if (barInfo.kind == BorderBarKind::Colour && value >= 0 && value < kStandardColourCount)
        return QStringLiteral("%1 %2").arg(value).arg(QLatin1String(colourNames[value]));
    if (barInfo.kind == BorderBarKind::Style && value >= 0 && value <= 2)
        return QStringLiteral("%1 %2").arg(value).arg(QLatin1String(styleNames[value]));
    return QString::number(value);
}

} // namespace qv
