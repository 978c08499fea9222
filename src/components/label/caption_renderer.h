#pragma once

#include "components/label/caption_layout.h"
#include "components/label/caption_look.h"
#include "components/label/text_effect_table.h"

#include <QImage>

namespace qv {

// Frames larger than this are not drawn (an empty image comes back), so a caller's
// mistaken size can never ask for gigabytes. An 8K screen is 33 million pixels.
inline constexpr long long kMaxCaptionFramePixels = 40'000'000;

// One frame of a text effect at `progress` (0 start .. 1 finished): a pure function
// of its arguments. The image has the layout's area times devicePixelRatio in pixels.
QImage renderCaptionFrame(const CaptionLayout& layout, const CaptionLook& look, const TextEffectSettings& effect,
                          double progress, double devicePixelRatio = 1.0);

// The caption at rest, drawn as one line of text: what every effect arrives at.
QImage renderRestingCaption(const CaptionLayout& layout, const CaptionLook& look, double devicePixelRatio = 1.0);

} // namespace qv
