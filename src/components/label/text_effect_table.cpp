#include "components/label/text_effect_table.h"

#include "components/label/text_effect_poses.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace qv {
namespace text_effects {
namespace {

// Number -> what the viewer sees, what B does, length at tempo A = 2, and how.
// Letters start one after another from left to right unless the entry says else.
// "Overshoot" runs past the resting place and springs back (B x 6 % of the way).
const std::array<Definition, kTextEffectCount> kEffects{{
    /*  1 */ {"Typewriter", "letters strike B x 5 % larger and snap to size", 2.2, typewriterGlyph, typewriterFrame},
    /*  2 */ {"Fade In", "stagger: 0 the line fades in at once, 20 letter after letter", 1.6, fadeInGlyph, restingFrame},
    /*  3 */ {"Wipe Right", "slant of the wiping edge, B x 4 degrees", 1.5, restingGlyph, wipeRightFrame},
    /*  4 */ {"Wipe Up", "slant of the wiping edge, B x 4 degrees", 1.5, restingGlyph, wipeUpFrame},
    /*  5 */ {"Slide From Left", "overshoot", 1.6, restingGlyph, slideFromLeftFrame},
    /*  6 */ {"Slide From Right", "overshoot", 1.6, restingGlyph, slideFromRightFrame},
    /*  7 */ {"Slide From Top", "overshoot", 1.6, restingGlyph, slideFromTopFrame},
    /*  8 */ {"Slide From Bottom", "overshoot", 1.6, restingGlyph, slideFromBottomFrame},
    /*  9 */ {"Drop Letters", "extra drop height, B / 10 line heights; letters bounce twice", 2.2, dropLettersGlyph, restingFrame},
    /* 10 */ {"Rise Letters", "extra rise distance, B / 20 line heights", 2.0, riseLettersGlyph, restingFrame},
    /* 11 */ {"Zoom In", "overshoot", 1.6, restingGlyph, zoomInFrame},
    /* 12 */ {"Zoom Out", "start size, 2 + B / 4 times the resting size", 1.6, restingGlyph, zoomOutFrame},
    /* 13 */ {"Spread", "overshoot of the letters moving apart from the centre", 1.8, spreadGlyph, restingFrame},
    /* 14 */ {"Gather", "stagger of the letters flying in from both sides, B / 40", 2.0, gatherGlyph, restingFrame},
    /* 15 */ {"Wave", "wave height, 0.15 + B x 0.03 line heights", 2.4, waveGlyph, restingFrame},
    /* 16 */ {"Shimmer", "width of the glint, 1 + B x 0.15 line heights", 2.2, shimmerGlyph, restingFrame},
    /* 17 */ {"Spin Letters", "turns per letter, 1 + B / 10", 2.2, spinLettersGlyph, restingFrame},
    /* 18 */ {"Scramble", "how long a letter keeps changing before it settles, 0.2 + B x 0.03 of the run", 2.4, scrambleGlyph, restingFrame},
    /* 19 */ {"Flip In", "stagger, 0.2 + B x 0.025", 1.8, flipInGlyph, restingFrame},
    /* 20 */ {"Stretch", "overshoot of the line stretching out from its centre", 1.5, restingGlyph, stretchFrame},
    /* 21 */ {"Bounce", "number of bounces, 0 to 8", 2.2, restingGlyph, bounceFrame},
    /* 22 */ {"Pop", "overshoot of each letter popping up, 1.5 + B x 0.1", 1.8, popGlyph, restingFrame},
    /* 23 */ {"Rain", "fall height; letters fall in a random order, 0.5 + B / 10 line heights", 2.2, rainGlyph, restingFrame},
    /* 24 */ {"Scatter In", "flight distance from all sides, 2 + B / 5 line heights", 2.0, scatterInGlyph, restingFrame},
    /* 25 */ {"Swirl", "turns of the spiral, 0.75 + B / 20", 2.2, swirlGlyph, restingFrame},
    /* 26 */ {"Flash", "number of flashes, 2 + B / 5", 1.8, restingGlyph, flashFrame},
    /* 27 */ {"Rotate In", "start angle, 90 + B x 9 degrees", 1.6, restingGlyph, rotateInFrame},
    /* 28 */ {"Swing", "swing angle of letters hanging from their tops, 60 + B x 3 degrees", 2.4, swingGlyph, restingFrame},
    /* 29 */ {"Curtain Open", "slant of the opening edges, B x 4 degrees", 1.5, restingGlyph, curtainOpenFrame},
    /* 30 */ {"Blinds", "number of slats, 2 + B / 4 (at most 12)", 1.6, restingGlyph, blindsFrame},
    /* 31 */ {"Blur In", "start blur, 0.1 + B x 0.02 line heights", 1.6, restingGlyph, blurInFrame},
    /* 32 */ {"Shake", "shake strength, 0.05 + B x 0.015 line heights", 1.8, restingGlyph, shakeFrame},
    /* 33 */ {"Jelly", "sideways squash of letters growing from the baseline, B / 20", 2.2, jellyGlyph, restingFrame},
    /* 34 */ {"Rainbow", "colour cycles per run, 1 + B / 10", 2.4, rainbowGlyph, restingFrame},
    /* 35 */ {"Outline Draw", "share of the run that traces outlines before the fill, 0.3 + B x 0.02", 2.4, outlineDrawGlyph, restingFrame},
    /* 36 */ {"Mosaic", "start block size, a third of a line height + B pixels", 1.8, restingGlyph, mosaicFrame},
}};

} // namespace

const Definition& definition(int number)
{
    return kEffects[static_cast<std::size_t>(normaliseTextEffect(number) - 1)];
}

} // namespace text_effects

int normaliseTextEffect(int number)
{
    // long long: number - 1 must not overflow for INT_MIN.
    const long long zeroBased = (static_cast<long long>(number) - 1) % kTextEffectCount;
    return static_cast<int>((zeroBased + kTextEffectCount) % kTextEffectCount) + 1;
}

int clampedTempo(int a) { return std::clamp(a, 1, 8); }

int clampedShape(int b) { return std::clamp(b, 0, 40); }

QString textEffectName(int number)
{
    return QString::fromLatin1(text_effects::definition(number).name);
}

QString textEffectShapeMeaning(int number)
{
    return QString::fromLatin1(text_effects::definition(number).shapeMeaning);
}

std::chrono::milliseconds textEffectDuration(const TextEffectSettings& settings)
{
    // The square root keeps the show's quick captions (A = 4) above a second.
    const double seconds = text_effects::definition(settings.number).seconds
                           * std::sqrt(2.0 / clampedTempo(settings.a));
    return std::chrono::milliseconds(static_cast<long long>(seconds * 1000.0 + 0.5));
}

} // namespace qv
