#pragma once

#include <array>

namespace qv {

// One way of bringing in a caption: the caption component's text effect and its
// two further settings.
struct CaptionEffect {
    int effect;
    int settingA;
    int settingB;
};

// The captions of a show take one of these 24 at random, rows 1 to 24.
inline constexpr int kCaptionEffectRows = 24;
const std::array<CaptionEffect, kCaptionEffectRows>& init_label_effects();

// Row `row` (1 to 24) of the table.
CaptionEffect captionEffectRow(int row);

} // namespace qv
