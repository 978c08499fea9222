#include "engine/caption_effects.h"

#include <algorithm>

namespace qv {

const std::array<CaptionEffect, kCaptionEffectRows>& init_label_effects()
{
    static constexpr std::array<CaptionEffect, kCaptionEffectRows> kTable = {{
        {5, 2, 10},  {6, 2, 10},  {7, 2, 10},  {9, 2, 15},  {10, 2, 10}, {13, 2, 10},
        {14, 2, 20}, {15, 2, 20}, {16, 2, 20}, {17, 2, 20}, {18, 2, 15}, {19, 2, 20},
        {20, 2, 5},  {21, 2, 2},  {26, 2, 10}, {27, 2, 10}, {28, 2, 10}, {29, 2, 10},
        {33, 2, 10}, {39, 4, 0},  {41, 2, 20}, {42, 2, 15}, {47, 2, 8},  {49, 2, 10},
    }};
    return kTable;
}

CaptionEffect captionEffectRow(int row)
{
    const int index = std::clamp(row, 1, kCaptionEffectRows) - 1;
    return init_label_effects()[static_cast<std::size_t>(index)];
}

} // namespace qv
