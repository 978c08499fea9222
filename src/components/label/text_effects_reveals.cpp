// Effects that uncover the caption where it stands: nothing moves, more of it shows.
#include "components/label/easing.h"
#include "components/label/text_effect_poses.h"

#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace qv::text_effects {
namespace {

using namespace easing;

double slantOffset(int shape, double lineHeight)
{
    const double degrees = std::min(shape * 4.0, 60.0);
    return std::tan(degrees * std::numbers::pi / 180.0) * lineHeight;
}

// Everything left of a line through (bottomX, area bottom) leaning right by slant.
QPainterPath leftOfEdge(double bottomX, double slant, const QSizeF& area, double margin)
{
    QPainterPath path;
    path.addPolygon(QPolygonF{{QPointF(-margin - slant, -margin), QPointF(bottomX + slant, -margin),
                               QPointF(bottomX, area.height() + margin),
                               QPointF(-margin - slant, area.height() + margin)}});
    return path;
}

} // namespace

// Typing ends at this share of the run; the caret blinks after the last letter until the end.
constexpr double kTypingShare = 0.85;

double lettersTyped(double t, std::size_t count) { return std::min(t / kTypingShare, 1.0) * static_cast<double>(count); }

GlyphPose typewriterGlyph(const GlyphContext& c)
{
    GlyphPose pose;
    const double typed = lettersTyped(c.t, static_cast<std::size_t>(c.count));
    if (typed <= c.index) {
        pose.opacity = 0.0;
        return pose;
    }
    // The letter just struck is drawn a little larger for a moment, like a key hitting paper.
    const double grow = 1.0 + c.shape * 0.05 * (1.0 - outCubic(typed - c.index));
    pose.scaleX = pose.scaleY = grow;
    pose.pivot = {0.5, 1.0};
    return pose;
}

FramePose typewriterFrame(const FrameContext& c)
{
    FramePose pose;
    const bool blinkedOff = c.t >= kTypingShare && std::fmod(c.t * 20.0, 2.0) >= 1.0;
    if (c.t >= 1.0 || c.boxes.empty() || c.blankText || blinkedOff)
        return pose;
    const auto typed = static_cast<std::size_t>(lettersTyped(c.t, c.boxes.size()));
    pose.caretX = typed == 0 ? c.boxes.front().left() : c.boxes[typed - 1].right();
    return pose;
}

GlyphPose fadeInGlyph(const GlyphContext& c)
{
    GlyphPose pose;
    pose.opacity = inOutSine(staggered(c.t, c.index, c.count, std::min(0.85, c.shape * 0.04)));
    return pose;
}

// The reveals travel across the text and its outline only, so that the whole run is
// spent on visible change; once finished they cut nothing off.
FramePose wipeRightFrame(const FrameContext& c)
{
    FramePose pose;
    if (c.t >= 1.0)
        return pose;
    const double slant = slantOffset(c.shape, c.lineHeight);
    const double margin = c.lineHeight;
    const double from = c.textBounds.left() - slant - 2.0 * c.outlineWidth;
    const double to = c.textBounds.right() + 2.0 * c.outlineWidth;
    pose.clip = leftOfEdge(lerp(from, to, inOutSine(c.t)), slant, c.area, margin);
    return pose;
}

FramePose wipeUpFrame(const FrameContext& c)
{
    FramePose pose;
    if (c.t >= 1.0)
        return pose;
    const double slant = slantOffset(c.shape, c.textBounds.width() * 0.1);
    const double margin = c.lineHeight;
    const double from = c.textBounds.bottom() + slant + 2.0 * c.outlineWidth;
    const double to = c.textBounds.top() - slant - 2.0 * c.outlineWidth;
    const double edge = lerp(from, to, inOutSine(c.t));
    const double left = c.textBounds.left() - margin;
    const double right = c.textBounds.right() + margin;
    QPainterPath path;
    path.addPolygon(QPolygonF{{QPointF(left, edge + slant), QPointF(right, edge - slant),
                               QPointF(right, c.area.height() + margin), QPointF(left, c.area.height() + margin)}});
    pose.clip = path;
    return pose;
}

FramePose curtainOpenFrame(const FrameContext& c)
{
    FramePose pose;
    if (c.t >= 1.0)
        return pose;
    const double slant = slantOffset(c.shape, c.lineHeight);
    const double margin = c.lineHeight;
    const double centre = c.textBounds.center().x();
    const double half = lerp(0.0, c.textBounds.width() / 2.0 + 2.0 * c.outlineWidth, inOutSine(c.t));
    const double top = -margin;
    const double bottom = c.area.height() + margin;
    // The two curtain edges lean apart at the top, like cloth gathered to the sides.
    QPainterPath path;
    path.addPolygon(QPolygonF{{QPointF(centre - half - slant, top), QPointF(centre + half + slant, top),
                               QPointF(centre + half, bottom), QPointF(centre - half, bottom)}});
    pose.clip = path;
    return pose;
}

FramePose blindsFrame(const FrameContext& c)
{
    FramePose pose;
    const double open = inOutSine(c.t);
    if (open >= 1.0)
        return pose;    // fully open: nothing of the outline or shadow may stay cut off
    const int slats = std::min(2 + c.shape / 4, 12);
    const double margin = 2.0 * c.outlineWidth + 1.0;
    const double top = c.textBounds.top() - margin;
    const double slatHeight = (c.textBounds.height() + 2.0 * margin) / slats;
    QPainterPath path;
    for (int slat = 0; slat < slats; ++slat)
        path.addRect(QRectF(-c.lineHeight, top + slat * slatHeight, c.area.width() + 2.0 * c.lineHeight, slatHeight * open));
    pose.clip = path;
    return pose;
}

GlyphPose outlineDrawGlyph(const GlyphContext& c)
{
    const double traceShare = std::clamp(0.3 + c.shape * 0.02, 0.3, 0.8);
    const double traced = staggered(c.t / traceShare, c.index, c.count, 0.6);
    const double filled = inOutSine((c.t - traceShare) / (1.0 - traceShare));
    GlyphPose pose;
    pose.penOpacity = traced * (1.0 - filled);
    pose.opacity = filled;
    return pose;
}

} // namespace qv::text_effects
