#pragma once

#include "components/picture/border_style.h"

#include <QString>

#include <array>

namespace qv {

struct GlobalSettings;

// The ten values of the border designer, in the order of its scroll bars.
inline constexpr int kBorderBarCount = 10;
using BorderValues = std::array<int, kBorderBarCount>;

enum class BorderBarKind { Colour, Style, Width };

struct BorderBar {
    const char* caption;  // with its Alt letter
    int minimum;
    int maximum;
    BorderBarKind kind;
};

inline constexpr std::array<BorderBar, kBorderBarCount> kBorderBars = {{
    {"&Inner Color 1", 0, 15, BorderBarKind::Colour},
    {"Inner Color &2", 0, 15, BorderBarKind::Colour},
    {"Inner &Style", 0, 2, BorderBarKind::Style},
    {"Inner &Width", 1, 30, BorderBarKind::Width},
    {"O&uter Color 1", 0, 15, BorderBarKind::Colour},
    {"Oute&r Color 2", 0, 15, BorderBarKind::Colour},
    {"Outer St&yle", 0, 2, BorderBarKind::Style},
    {"Outer Wid&th", 1, 30, BorderBarKind::Width},
    {"&Middle Color", 0, 15, BorderBarKind::Colour},
    {"Midd&le Width", 0, 30, BorderBarKind::Width},
}};

// The values "&Defaults" sets, which are also the settings' defaults.
inline constexpr BorderValues kDefaultBorderValues = {8, 15, 1, 12, 8, 15, 2, 8, 1, 3};

// The border settings as whole numbers, in bar order (not clamped).
BorderValues borderValuesOf(const GlobalSettings& settings);

// Puts one bar's value into its setting.
void storeBorderValue(GlobalSettings& settings, int bar, int value);

// The border the picture component draws for the values (colours by number).
BorderStyle borderStyleOf(const BorderValues& values);

// What a bar's value means, for the text beside it: "9 Light Blue", "1 Inset", "12".
QString borderValueText(int bar, int value);

} // namespace qv
