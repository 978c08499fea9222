#include "components/label/caption_renderer.h"

#include "components/label/text_effect_poses.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

using text_effects::FramePose;
using text_effects::GlyphPose;

struct PosedGlyph {
    QPainterPath path;
    GlyphPose pose;
};

QImage blankFrame(const QSizeF& area, double devicePixelRatio)
{
    const QSize pixels(static_cast<int>(std::ceil(area.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(area.height() * devicePixelRatio)));
    if (pixels.isEmpty() || static_cast<long long>(pixels.width()) * pixels.height() > kMaxCaptionFramePixels)
        return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    return image;
}

QColor withAlpha(QColor colour, double opacity)
{
    colour.setAlphaF(static_cast<float>(colour.alphaF() * std::clamp(opacity, 0.0, 1.0)));
    return colour;
}

QColor mixed(const QColor& from, const QColor& to, double amount)
{
    const auto a = static_cast<float>(std::clamp(amount, 0.0, 1.0));
    return QColor::fromRgbF(from.redF() + (to.redF() - from.redF()) * a, from.greenF() + (to.greenF() - from.greenF()) * a,
                            from.blueF() + (to.blueF() - from.blueF()) * a, from.alphaF());
}

// Shadow first, then the outline of every letter, then the fills, so that no outline
// ever covers the fill of a neighbouring letter: the same layering as one whole line.
void paintGlyphs(QPainter& painter, const std::vector<PosedGlyph>& glyphs, const CaptionLook& look, double outlineWidth,
                 double frameHighlight = 0.0)
{
    const QColor outline = effectiveOutlineColour(look);
    const QColor glint = glintColour(look);
    if (look.shadow) {
        const QPointF drop(outlineWidth * 0.8, outlineWidth * 0.8);
        for (const PosedGlyph& g : glyphs)
            painter.fillPath(g.path.translated(drop), withAlpha(outline, 0.5 * g.pose.opacity));
    }
    for (const PosedGlyph& g : glyphs) {
        if (g.pose.opacity <= 0.0)
            continue;
        QPen pen(withAlpha(outline, g.pose.opacity), 2.0 * outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter.strokePath(g.path, pen);
    }
    for (const PosedGlyph& g : glyphs) {
        const QColor base = g.pose.tint.value_or(look.foreColour);
        const double highlight = std::max(g.pose.highlight, frameHighlight);
        painter.fillPath(g.path, withAlpha(mixed(base, glint, highlight), g.pose.opacity * g.pose.fillOpacity));
    }
    for (const PosedGlyph& g : glyphs) {
        if (g.pose.penOpacity <= 0.0)
            continue;
        painter.strokePath(g.path, QPen(withAlpha(outline, g.pose.penOpacity), 2.0 * outlineWidth, Qt::SolidLine,
                                        Qt::RoundCap, Qt::RoundJoin));
        painter.strokePath(g.path, QPen(withAlpha(look.foreColour, g.pose.penOpacity), outlineWidth, Qt::SolidLine,
                                        Qt::RoundCap, Qt::RoundJoin));
    }
}

QPainterPath substitutePath(const CaptionLayout& layout, const CaptionGlyph& glyph, char16_t character)
{
    const QString text(QChar{character});
    const QFontMetricsF metrics(layout.font);
    const double x = glyph.box.center().x() - metrics.horizontalAdvance(text) / 2.0;
    QPainterPath path;
    path.addText(x, glyph.box.top() + metrics.ascent(), layout.font, text);
    return path;
}

QTransform glyphTransform(const QRectF& box, const GlyphPose& pose)
{
    const QPointF pivot(box.left() + pose.pivot.x() * box.width(), box.top() + pose.pivot.y() * box.height());
    QTransform m;
    m.translate(pivot.x() + pose.offset.x(), pivot.y() + pose.offset.y());
    m.rotate(pose.rotation);
    m.scale(pose.scaleX, pose.scaleY);
    m.translate(-pivot.x(), -pivot.y());
    return m;
}

std::vector<PosedGlyph> poseGlyphs(const CaptionLayout& layout, const text_effects::Definition& effect, double t, int shape)
{
    std::vector<PosedGlyph> posed;
    posed.reserve(layout.glyphs.size());
    text_effects::GlyphContext context;
    context.count = static_cast<int>(layout.glyphs.size());
    context.t = t;
    context.shape = shape;
    context.textBounds = layout.textBounds;
    context.area = layout.area;
    context.lineHeight = layout.lineHeight;
    for (const CaptionGlyph& glyph : layout.glyphs) {
        context.box = glyph.box;
        const GlyphPose pose = effect.glyph(context);
        ++context.index;
        if (glyph.blank || (pose.opacity <= 0.0 && pose.penOpacity <= 0.0))
            continue;
        const QPainterPath outline = pose.substitute != 0 ? substitutePath(layout, glyph, pose.substitute) : glyph.path;
        posed.push_back({glyphTransform(glyph.box, pose).map(outline), pose});
    }
    return posed;
}

void paintCaret(QPainter& painter, const CaptionLayout& layout, const CaptionLook& look, double x)
{
    const double width = std::max(2.0, layout.outlineWidth * 1.5);
    QPainterPath caret;
    caret.addRect(QRectF(x + width / 2.0, layout.textBounds.top(), width, layout.textBounds.height()));
    painter.strokePath(caret, QPen(effectiveOutlineColour(look), layout.outlineWidth));
    painter.fillPath(caret, look.foreColour);
}

// Blur by shrinking and growing again smoothly; mosaic by growing back without smoothing.
QImage postProcessed(const QImage& layer, const FramePose& frame)
{
    const double dpr = layer.devicePixelRatio();
    double factor = 1.0;
    Qt::TransformationMode grow = Qt::SmoothTransformation;
    if (frame.mosaicBlock > 1) {
        factor = frame.mosaicBlock * dpr;
        grow = Qt::FastTransformation;
    } else if (frame.blurRadius > 0.5) {
        factor = 1.0 + frame.blurRadius * dpr / 1.5;
    }
    if (factor <= 1.0)
        return layer;
    const QSize small(std::max(1, static_cast<int>(layer.width() / factor)),
                      std::max(1, static_cast<int>(layer.height() / factor)));
    QImage result = layer.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .scaled(layer.size(), Qt::IgnoreAspectRatio, grow);
    result.setDevicePixelRatio(dpr);
    return result;
}

void beginCaptionPainter(QPainter& painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

QImage withBackground(const QImage& text, const CaptionLook& look, double opacity)
{
    if (look.transparentBackground && opacity >= 1.0)
        return text;
    QImage image(text.size(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(text.devicePixelRatio());
    image.fill(look.transparentBackground ? QColor(Qt::transparent) : look.backColour);
    QPainter painter(&image);
    painter.setOpacity(std::clamp(opacity, 0.0, 1.0));
    painter.drawImage(QPointF(0, 0), text);
    return image;
}

} // namespace

QImage renderCaptionFrame(const CaptionLayout& layout, const CaptionLook& look, const TextEffectSettings& effect,
                          double progress, double devicePixelRatio)
{
    QImage layer = blankFrame(layout.area, devicePixelRatio);
    if (layer.isNull())
        return layer;
    const double t = std::isfinite(progress) ? std::clamp(progress, 0.0, 1.0) : 1.0;
    const int shape = clampedShape(effect.b);
    const text_effects::Definition& definition = text_effects::definition(effect.number);

    text_effects::FrameContext frameContext;
    frameContext.t = t;
    frameContext.shape = shape;
    frameContext.textBounds = layout.textBounds;
    frameContext.area = layout.area;
    frameContext.lineHeight = layout.lineHeight;
    frameContext.outlineWidth = layout.outlineWidth;
    frameContext.blankText = layout.wholePath.isEmpty();
    frameContext.boxes = layout.boxes;
    const FramePose frame = definition.frame(frameContext);

    {
        QPainter painter(&layer);
        beginCaptionPainter(painter);
        if (frame.clip)
            painter.setClipPath(*frame.clip);
        painter.setWorldTransform(frame.transform, true);
        paintGlyphs(painter, poseGlyphs(layout, definition, t, shape), look, layout.outlineWidth, frame.highlight);
        if (frame.caretX)
            paintCaret(painter, layout, look, *frame.caretX);
    }
    return withBackground(postProcessed(layer, frame), look, frame.opacity);
}

QImage renderRestingCaption(const CaptionLayout& layout, const CaptionLook& look, double devicePixelRatio)
{
    QImage layer = blankFrame(layout.area, devicePixelRatio);
    if (layer.isNull())
        return layer;
    {
        QPainter painter(&layer);
        beginCaptionPainter(painter);
        paintGlyphs(painter, {PosedGlyph{layout.wholePath, GlyphPose{}}}, look, layout.outlineWidth);
    }
    return withBackground(layer, look, 1.0);
}

} // namespace qv
