#pragma once

#include "components/label/caption_layout.h"
#include "components/label/caption_look.h"
#include "components/label/text_effect_table.h"

#include <QImage>

namespace qv {

// One frame of a text effect at `progress` (0 start .. 1 finished): a pure function
// of its arguments. The image covers the layout's area at the layout's device pixel
// ratio; it is empty when the layout is not drawable.
QImage renderCaptionFrame(const CaptionLayout& layout, const CaptionLook& look, const TextEffectSettings& effect,
                          double progress);

// The caption at rest, every letter in its place: what every effect arrives at.
QImage renderRestingCaption(const CaptionLayout& layout, const CaptionLook& look);

} // namespace qv
