// Effects that move, turn or size the caption as one piece.
#include "components/label/easing.h"
#include "components/label/text_effect_poses.h"

#include <cmath>

namespace qv::text_effects {
namespace {

using namespace easing;

double overshoot(int shape) { return shape * 0.06; }

// The slide eases in slowly enough that the middle of the run is still on its way.
double arrival(double t, int shape) { return outBack(std::pow(clamp01(t), 1.4), overshoot(shape)); }

QTransform aboutCentre(const QRectF& bounds, double scaleX, double scaleY, double degrees = 0.0)
{
    const QPointF centre = bounds.center();
    QTransform m;
    m.translate(centre.x(), centre.y());
    m.rotate(degrees);
    // A scale of exactly 0 makes the transform singular, which QPainter refuses to draw.
    m.scale(std::max(scaleX, 1e-3), std::max(scaleY, 1e-3));
    m.translate(-centre.x(), -centre.y());
    return m;
}

FramePose shifted(double dx, double dy)
{
    FramePose pose;
    pose.transform.translate(dx, dy);
    return pose;
}

} // namespace

FramePose slideFromLeftFrame(const FrameContext& c)
{
    const double away = -(c.textBounds.right() + 2.0 * c.outlineWidth);
    return shifted(away * (1.0 - arrival(c.t, c.shape)), 0.0);
}

FramePose slideFromRightFrame(const FrameContext& c)
{
    const double away = c.area.width() - c.textBounds.left() + 2.0 * c.outlineWidth;
    return shifted(away * (1.0 - arrival(c.t, c.shape)), 0.0);
}

FramePose slideFromTopFrame(const FrameContext& c)
{
    const double away = -(c.textBounds.bottom() + 2.0 * c.outlineWidth);
    return shifted(0.0, away * (1.0 - arrival(c.t, c.shape)));
}

FramePose slideFromBottomFrame(const FrameContext& c)
{
    const double away = c.area.height() - c.textBounds.top() + 2.0 * c.outlineWidth;
    return shifted(0.0, away * (1.0 - arrival(c.t, c.shape)));
}

FramePose zoomInFrame(const FrameContext& c)
{
    const double scale = outBack(c.t, overshoot(c.shape));
    FramePose pose;
    pose.transform = aboutCentre(c.textBounds, scale, scale);
    return pose;
}

FramePose zoomOutFrame(const FrameContext& c)
{
    const double start = 2.0 + c.shape / 4.0;
    const double scale = lerp(start, 1.0, outCubic(c.t));
    FramePose pose;
    pose.transform = aboutCentre(c.textBounds, scale, scale);
    pose.opacity = inOutSine(c.t * 1.5);
    return pose;
}

FramePose stretchFrame(const FrameContext& c)
{
    FramePose pose;
    pose.transform = aboutCentre(c.textBounds, outBack(c.t, overshoot(c.shape)), 1.0);
    return pose;
}

FramePose bounceFrame(const FrameContext& c)
{
    const double height = c.textBounds.bottom() + 2.0 * c.outlineWidth;
    return shifted(0.0, -height * bounceHeight(c.t, c.shape));
}

FramePose rotateInFrame(const FrameContext& c)
{
    const double eased = outCubic(c.t);
    const double startAngle = 90.0 + c.shape * 9.0;
    FramePose pose;
    pose.transform = aboutCentre(c.textBounds, lerp(0.2, 1.0, eased), lerp(0.2, 1.0, eased),
                                 -startAngle * (1.0 - eased));
    pose.opacity = clamp01(c.t * 3.0);
    return pose;
}

FramePose shakeFrame(const FrameContext& c)
{
    // A new jolt every 1/40 of the run, calming down to stillness at the end.
    const auto jolt = static_cast<std::int64_t>(c.t * 40.0);
    const double strength = c.lineHeight * (0.05 + c.shape * 0.015) * std::pow(1.0 - clamp01(c.t), 1.2);
    const double dx = (noise01(jolt, 1) - 0.5) * 2.0 * strength;
    const double dy = (noise01(jolt, 2) - 0.5) * 2.0 * strength;
    FramePose pose = shifted(dx, dy);
    const double tilt = (noise01(jolt, 3) - 0.5) * 8.0 * (1.0 - clamp01(c.t));
    pose.transform = aboutCentre(c.textBounds, 1.0, 1.0, tilt) * pose.transform;
    pose.opacity = clamp01(c.t * 4.0);
    return pose;
}

} // namespace qv::text_effects
