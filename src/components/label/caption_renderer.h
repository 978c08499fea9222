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

// True when the frames at the two moments are the same: every letter and the caption
// as a whole stand in the same pose. Far cheaper than drawing either frame, so an
// effect that holds still for a while (letters waiting their turn, a settled tail)
// need not be drawn again.
bool sameCaptionFrame(const CaptionLayout& layout, const TextEffectSettings& effect, double progressA,
                      double progressB);

// The caption at rest, every letter in its place: what every effect arrives at.
QImage renderRestingCaption(const CaptionLayout& layout, const CaptionLook& look);

} // namespace qv
