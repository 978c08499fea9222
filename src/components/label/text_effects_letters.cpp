// Effects that move each letter on its own way to its place.
#include "components/label/easing.h"
#include "components/label/text_effect_poses.h"

#include <cmath>
#include <numbers>

namespace qv::text_effects {
namespace {

using namespace easing;

constexpr double kTurn = 2.0 * std::numbers::pi;

// A letter that has not started yet is not drawn at all.
GlyphPose appearing(double local)
{
    GlyphPose pose;
    pose.opacity = local > 0.0 ? 1.0 : 0.0;
    return pose;
}

} // namespace

GlyphPose dropLettersGlyph(const GlyphContext& c)
{
    const double local = staggered(c.t, c.index, c.count, 0.6);
    GlyphPose pose = appearing(local);
    const double height = c.box.bottom() + c.lineHeight * c.shape / 10.0;
    pose.offset.setY(-height * bounceHeight(local, 2));
    return pose;
}

GlyphPose riseLettersGlyph(const GlyphContext& c)
{
    const double local = staggered(c.t, c.index, c.count, 0.55);
    GlyphPose pose;
    const double distance = c.area.height() - c.box.top() + c.lineHeight * c.shape / 20.0;
    pose.offset.setY(distance * (1.0 - outCubic(local)));
    pose.opacity = clamp01(local * 2.0);
    return pose;
}

GlyphPose spreadGlyph(const GlyphContext& c)
{
    GlyphPose pose;
    const double apart = outBack(c.t, c.shape * 0.05);
    pose.offset.setX((c.textBounds.center().x() - c.box.center().x()) * (1.0 - apart));
    pose.opacity = clamp01(c.t * 3.0);
    return pose;
}

GlyphPose gatherGlyph(const GlyphContext& c)
{
    const double local = staggered(c.t, c.index, c.count, std::min(0.8, c.shape / 40.0));
    GlyphPose pose = appearing(local);
    const bool fromLeft = c.index % 2 == 0;
    const double away = fromLeft ? -(c.box.right() + c.lineHeight) : c.area.width() - c.box.left() + c.lineHeight;
    pose.offset.setX(away * (1.0 - outCubic(local)));
    return pose;
}

GlyphPose waveGlyph(const GlyphContext& c)
{
    GlyphPose pose;
    pose.opacity = clamp01(c.t * 5.0);
    const double height = c.lineHeight * (0.15 + c.shape * 0.03) * std::pow(1.0 - clamp01(c.t), 1.5);
    const double phase = kTurn * (c.index / 7.0 - 2.5 * c.t);
    pose.offset.setY(height * std::sin(phase));
    return pose;
}

GlyphPose spinLettersGlyph(const GlyphContext& c)
{
    const double local = staggered(c.t, c.index, c.count, 0.6);
    GlyphPose pose = appearing(local);
    const double eased = outCubic(local);
    pose.rotation = 360.0 * (1.0 + c.shape / 10) * (1.0 - eased);
    pose.scaleX = pose.scaleY = eased;
    return pose;
}

GlyphPose flipInGlyph(const GlyphContext& c)
{
    const double local = staggered(c.t, c.index, c.count, std::min(0.85, 0.2 + c.shape * 0.025));
    GlyphPose pose = appearing(local);
    // A split-flap card turning over: edge-on (and darker) first, flat at rest.
    pose.scaleY = std::sin(0.5 * std::numbers::pi * local);
    pose.fillOpacity = lerp(0.4, 1.0, local);
    return pose;
}

GlyphPose popGlyph(const GlyphContext& c)
{
    const double local = staggered(c.t, c.index, c.count, 0.7);
    GlyphPose pose = appearing(local);
    pose.scaleX = pose.scaleY = outBack(local, 1.5 + c.shape * 0.1);
    return pose;
}

GlyphPose rainGlyph(const GlyphContext& c)
{
    // Each letter waits a random moment, then falls faster and faster into place.
    const double start = noise01(c.index, 11) * 0.6;
    const double local = clamp01((c.t - start) / 0.4);
    GlyphPose pose = appearing(local);
    const double height = c.box.bottom() + c.lineHeight * (0.5 + noise01(c.index, 12) * c.shape / 10.0);
    pose.offset.setY(-height * (1.0 - local * local));
    return pose;
}

GlyphPose scatterInGlyph(const GlyphContext& c)
{
    const double delay = noise01(c.index, 21) * 0.3;
    const double local = clamp01((c.t - delay) / 0.7);
    const double eased = outCubic(local);
    const double angle = noise01(c.index, 22) * kTurn;
    const double distance = c.lineHeight * (2.0 + c.shape / 5.0) * (1.0 - eased);
    GlyphPose pose;
    pose.offset = QPointF(std::cos(angle) * distance, std::sin(angle) * distance);
    pose.rotation = (noise01(c.index, 23) - 0.5) * 720.0 * (1.0 - eased);
    pose.opacity = clamp01(local * 3.0);
    return pose;
}

GlyphPose swirlGlyph(const GlyphContext& c)
{
    const double local = staggered(c.t, c.index, c.count, 0.5);
    const double eased = outCubic(local);
    const double turns = 0.75 + c.shape / 20.0;
    const double angle = kTurn * turns * (1.0 - eased) + c.index * 0.9;
    const double radius = c.lineHeight * 3.0 * (1.0 - eased);
    GlyphPose pose;
    pose.offset = QPointF(std::cos(angle) * radius, std::sin(angle) * radius * 0.6);
    pose.scaleX = pose.scaleY = lerp(0.3, 1.0, eased);
    pose.opacity = clamp01(local * 2.0);
    return pose;
}

GlyphPose swingGlyph(const GlyphContext& c)
{
    const double local = staggered(c.t, c.index, c.count, 0.5);
    GlyphPose pose = appearing(local);
    const double swing = 60.0 + c.shape * 3.0;
    const double damping = (1.0 - local) * (1.0 - local);
    pose.rotation = swing * damping * std::cos(3.0 * std::numbers::pi * local);
    pose.pivot = {0.5, 0.0};
    return pose;
}

GlyphPose jellyGlyph(const GlyphContext& c)
{
    const double local = staggered(c.t, c.index, c.count, 0.6);
    GlyphPose pose = appearing(local);
    const double height = outElastic(local, 3.5);
    pose.scaleY = height;
    // Letters bulge sideways while squashed, as if they kept their volume.
    pose.scaleX = 1.0 + (1.0 - height) * (c.shape / 20.0);
    pose.pivot = {0.5, 0.85};
    return pose;
}

} // namespace qv::text_effects
