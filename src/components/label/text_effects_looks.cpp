// Effects that change how the caption looks where it stands: light, colour, focus.
#include "components/label/easing.h"
#include "components/label/text_effect_poses.h"

#include <cmath>
#include <numbers>

namespace qv::text_effects {
namespace {

using namespace easing;

constexpr char16_t kScrambleCharacters[] = u"ABCDEFGHJKLMNPQRSTUVWXYZabdefghkmnpqrstuvwxyz0123456789#$%&@*+?";

} // namespace

GlyphPose shimmerGlyph(const GlyphContext& c)
{
    GlyphPose pose;
    pose.opacity = outCubic(c.t * 3.0);
    const double width = c.lineHeight * (1.0 + c.shape * 0.15);
    // The glint enters left of the first letter and leaves right of the last, so no
    // letter is lit at the end.
    const double glint = lerp(c.textBounds.left() - width, c.textBounds.right() + width,
                              clamp01((c.t - 0.15) / 0.85));
    const double nearness = std::max(0.0, 1.0 - std::abs(c.box.center().x() - glint) / width);
    pose.highlight = nearness;
    pose.scaleX = pose.scaleY = 1.0 + 0.12 * nearness;
    pose.offset.setY(-0.06 * c.lineHeight * nearness);
    return pose;
}

GlyphPose scrambleGlyph(const GlyphContext& c)
{
    const double settle = 0.25 + 0.75 * (c.index + 1.0) / c.count;
    const double start = std::max(0.0, settle - (0.2 + c.shape * 0.03));
    GlyphPose pose;
    if (c.t < start) {
        pose.opacity = 0.0;
    } else if (c.t < settle) {
        const auto flicker = static_cast<std::int64_t>(c.t * 40.0);
        constexpr auto choices = static_cast<double>(std::size(kScrambleCharacters) - 1);
        pose.substitute = kScrambleCharacters[static_cast<std::size_t>(noise01(c.index, flicker) * choices)];
        pose.highlight = 0.55;
    }
    return pose;
}

FramePose flashFrame(const FrameContext& c)
{
    // Pulses between dark and bright, each pulse brighter than the last, then stays lit.
    const double flashes = 2.0 + c.shape / 5;
    const double pulse = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * (flashes + 0.5) * clamp01(c.t));
    FramePose pose;
    pose.opacity = 1.0 - (1.0 - clamp01(c.t)) * (1.0 - pulse * clamp01(c.t * 1.5));
    pose.highlight = pulse * (1.0 - clamp01(c.t));
    return pose;
}

FramePose blurInFrame(const FrameContext& c)
{
    FramePose pose;
    pose.blurRadius = c.lineHeight * (0.1 + c.shape * 0.02) * (1.0 - outCubic(c.t));
    pose.opacity = clamp01(c.t * 2.5);
    return pose;
}

GlyphPose rainbowGlyph(const GlyphContext& c)
{
    const double settle = 0.3 + 0.7 * (c.index + 1.0) / c.count;
    GlyphPose pose;
    pose.opacity = clamp01(c.t * 4.0);
    if (c.t < settle) {
        const double cycles = 1.0 + c.shape / 10.0;
        const double hue = std::fmod(c.index / 9.0 + c.t * cycles, 1.0);
        pose.tint = QColor::fromHsvF(static_cast<float>(hue), 0.85f, 1.0f);
    }
    return pose;
}

FramePose mosaicFrame(const FrameContext& c)
{
    FramePose pose;
    const double start = c.lineHeight / 3.0 + c.shape;
    pose.mosaicBlock = std::max(1, static_cast<int>(std::lround(1.0 + (start - 1.0) * (1.0 - outCubic(c.t)))));
    pose.opacity = clamp01(c.t * 3.0);
    return pose;
}

} // namespace qv::text_effects
