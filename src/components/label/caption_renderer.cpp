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

// A letter where the effect has put it: `path` is already moved by `transform`.
struct PosedGlyph {
    QPainterPath path;
    QTransform transform;
    const CaptionGlyph* glyph = nullptr;    // none for a substitute character
    QPainterPath substitute;                // in place, before `transform`
    GlyphPose pose;
};

QImage blankImage(const CaptionLayout& layout)
{
    if (!layout.drawable)
        return {};
    const QSize pixels(static_cast<int>(std::ceil(layout.area.width() * layout.devicePixelRatio)),
                       static_cast<int>(std::ceil(layout.area.height() * layout.devicePixelRatio)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.setDevicePixelRatio(layout.devicePixelRatio);
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

void beginCaptionPainter(QPainter& painter)
{
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
}

// Every letter's outline stamped in white, then the whole layer dyed at once.
QImage outlineLayer(const CaptionLayout& layout, const std::vector<PosedGlyph>& glyphs, const QTransform& frame,
                    const QColor& colour)
{
    QImage layer = blankImage(layout);
    QPainter painter(&layer);
    beginCaptionPainter(painter);
    for (const PosedGlyph& g : glyphs) {
        if (g.pose.opacity <= 0.0)
            continue;
        painter.setOpacity(std::min(g.pose.opacity, 1.0));
        painter.setWorldTransform(g.transform * frame);
        if (g.glyph != nullptr && !g.glyph->outlineSprite.isNull()) {
            painter.drawImage(g.glyph->spriteOrigin, g.glyph->outlineSprite);
        } else {
            painter.strokePath(g.substitute, QPen(Qt::white, 2.0 * layout.outlineWidth, Qt::SolidLine, Qt::RoundCap,
                                                  Qt::RoundJoin));
        }
    }
    painter.setOpacity(1.0);
    painter.resetTransform();
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(QPointF(0, 0), layout.area), colour);
    return layer;
}

// Shadows, then the outlines of all letters, then their fills, so that no outline
// ever covers the fill of a neighbouring letter: the layering of one whole line.
void paintGlyphs(QPainter& painter, const CaptionLayout& layout, const std::vector<PosedGlyph>& glyphs,
                 const CaptionLook& look, const FramePose& frame)
{
    const QColor outline = effectiveOutlineColour(look);
    const QTransform world = painter.worldTransform();
    if (look.shadow) {
        const QPointF drop(layout.outlineWidth * 0.8, layout.outlineWidth * 0.8);
        for (const PosedGlyph& g : glyphs)
            painter.fillPath(g.path.translated(drop), withAlpha(outline, 0.5 * g.pose.opacity));
    }
    painter.resetTransform();
    painter.drawImage(QPointF(0, 0), outlineLayer(layout, glyphs, frame.transform, outline));
    painter.setWorldTransform(world);

    const QColor glint = glintColour(look);
    for (const PosedGlyph& g : glyphs) {
        const QColor base = g.pose.tint.value_or(look.foreColour);
        const double highlight = std::max(g.pose.highlight, frame.highlight);
        painter.fillPath(g.path, withAlpha(mixed(base, glint, highlight), g.pose.opacity * g.pose.fillOpacity));
    }

    // Letters traced as hollow outlines with a fine pen, dark-edged so the trace shows
    // on any picture. Stroking is slow, but only one effect traces.
    for (const PosedGlyph& g : glyphs) {
        if (g.pose.penOpacity <= 0.0)
            continue;
        painter.strokePath(g.path, QPen(withAlpha(outline, g.pose.penOpacity), 1.6 * layout.outlineWidth));
        painter.strokePath(g.path, QPen(withAlpha(look.foreColour, g.pose.penOpacity), 0.6 * layout.outlineWidth));
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

double clampedProgress(double progress)
{
    return std::isfinite(progress) ? std::clamp(progress, 0.0, 1.0) : 1.0;
}

text_effects::FrameContext frameContextAt(const CaptionLayout& layout, double t, int shape)
{
    text_effects::FrameContext context;
    context.t = t;
    context.shape = shape;
    context.textBounds = layout.textBounds;
    context.area = layout.area;
    context.lineHeight = layout.lineHeight;
    context.outlineWidth = layout.outlineWidth;
    context.blankText = std::all_of(layout.glyphs.begin(), layout.glyphs.end(),
                                    [](const CaptionGlyph& g) { return g.blank; });
    context.boxes = layout.boxes;
    return context;
}

text_effects::GlyphContext glyphContextAt(const CaptionLayout& layout, double t, int shape)
{
    text_effects::GlyphContext context;
    context.count = static_cast<int>(layout.glyphs.size());
    context.t = t;
    context.shape = shape;
    context.textBounds = layout.textBounds;
    context.area = layout.area;
    context.lineHeight = layout.lineHeight;
    return context;
}

std::vector<PosedGlyph> poseGlyphs(const CaptionLayout& layout, const text_effects::Definition& effect, double t, int shape)
{
    std::vector<PosedGlyph> posed;
    posed.reserve(layout.glyphs.size());
    text_effects::GlyphContext context = glyphContextAt(layout, t, shape);
    for (const CaptionGlyph& glyph : layout.glyphs) {
        context.box = glyph.box;
        const GlyphPose pose = effect.glyph(context);
        ++context.index;
        if (glyph.blank || (pose.opacity <= 0.0 && pose.penOpacity <= 0.0))
            continue;
        PosedGlyph g;
        g.pose = pose;
        g.transform = glyphTransform(glyph.box, pose);
        if (pose.substitute != 0) {
            g.substitute = substitutePath(layout, glyph, pose.substitute);
            g.path = g.transform.map(g.substitute);
        } else {
            g.glyph = &glyph;
            g.path = g.transform.map(glyph.path);
        }
        posed.push_back(std::move(g));
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

// Blur by shrinking and growing again smoothly; mosaic by growing back without
// smoothing. Only the band around the text is scaled: the rest of the area is empty.
QImage postProcessed(const QImage& layer, const FramePose& frame, const CaptionLayout& layout)
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
    const double reach = 3.0 * layout.outlineWidth + 2.0 * frame.blurRadius + frame.mosaicBlock;
    const QRectF band = layout.textBounds.adjusted(-reach, -reach, reach, reach);
    const QRect pixels = QRectF(band.topLeft() * dpr, band.size() * dpr).toAlignedRect().intersected(layer.rect());
    if (pixels.isEmpty())
        return layer;
    const QSize small(std::max(1, static_cast<int>(pixels.width() / factor)),
                      std::max(1, static_cast<int>(pixels.height() / factor)));
    const QImage processed = layer.copy(pixels)
                                 .scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .scaled(pixels.size(), Qt::IgnoreAspectRatio, grow);
    QImage result(layer.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        painter.drawImage(pixels.topLeft(), processed);
    }
    result.setDevicePixelRatio(dpr);
    return result;
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

bool operator==(const GlyphPose& a, const GlyphPose& b)
{
    return a.offset == b.offset && a.scaleX == b.scaleX && a.scaleY == b.scaleY && a.rotation == b.rotation
        && a.pivot == b.pivot && a.opacity == b.opacity && a.fillOpacity == b.fillOpacity
        && a.penOpacity == b.penOpacity && a.highlight == b.highlight && a.tint == b.tint
        && a.substitute == b.substitute;
}

bool operator==(const FramePose& a, const FramePose& b)
{
    return a.transform == b.transform && a.clip == b.clip && a.opacity == b.opacity && a.highlight == b.highlight
        && a.blurRadius == b.blurRadius && a.mosaicBlock == b.mosaicBlock && a.caretX == b.caretX;
}

} // namespace

bool sameCaptionFrame(const CaptionLayout& layout, const TextEffectSettings& effect, double progressA,
                      double progressB)
{
    const double a = clampedProgress(progressA);
    const double b = clampedProgress(progressB);
    if (a == b)
        return true;
    const int shape = clampedShape(effect.b);
    const text_effects::Definition& definition = text_effects::definition(effect.number);
    if (!(definition.frame(frameContextAt(layout, a, shape)) == definition.frame(frameContextAt(layout, b, shape))))
        return false;
    text_effects::GlyphContext atA = glyphContextAt(layout, a, shape);
    text_effects::GlyphContext atB = glyphContextAt(layout, b, shape);
    for (const CaptionGlyph& glyph : layout.glyphs) {
        atA.box = glyph.box;
        atB.box = glyph.box;
        if (!glyph.blank && !(definition.glyph(atA) == definition.glyph(atB)))
            return false;
        ++atA.index;
        ++atB.index;
    }
    return true;
}

QImage renderCaptionFrame(const CaptionLayout& layout, const CaptionLook& look, const TextEffectSettings& effect,
                          double progress)
{
    QImage layer = blankImage(layout);
    if (layer.isNull())
        return layer;
    const double t = clampedProgress(progress);
    const int shape = clampedShape(effect.b);
    const text_effects::Definition& definition = text_effects::definition(effect.number);
    const FramePose frame = definition.frame(frameContextAt(layout, t, shape));

    {
        QPainter painter(&layer);
        beginCaptionPainter(painter);
        if (frame.clip)
            painter.setClipPath(*frame.clip);
        painter.setWorldTransform(frame.transform);
        paintGlyphs(painter, layout, poseGlyphs(layout, definition, t, shape), look, frame);
        if (frame.caretX)
            paintCaret(painter, layout, look, *frame.caretX);
    }
    return withBackground(postProcessed(layer, frame, layout), look, frame.opacity);
}

QImage renderRestingCaption(const CaptionLayout& layout, const CaptionLook& look)
{
    QImage layer = blankImage(layout);
    if (layer.isNull())
        return layer;
    const QColor outline = effectiveOutlineColour(look);
    {
        QPainter painter(&layer);
        beginCaptionPainter(painter);
        if (look.shadow) {
            const QPointF drop(layout.outlineWidth * 0.8, layout.outlineWidth * 0.8);
            for (const CaptionGlyph& glyph : layout.glyphs)
                painter.fillPath(glyph.path.translated(drop), withAlpha(outline, 0.5));
        }
        for (const CaptionGlyph& glyph : layout.glyphs)
            painter.drawImage(glyph.spriteOrigin, glyph.outlineSprite);
        painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        painter.fillRect(QRectF(QPointF(0, 0), layout.area), outline);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        for (const CaptionGlyph& glyph : layout.glyphs)
            painter.fillPath(glyph.path, look.foreColour);
    }
    return withBackground(layer, look, 1.0);
}

} // namespace qv
