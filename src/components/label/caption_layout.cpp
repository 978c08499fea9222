#include "components/label/caption_layout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPathStroker>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace qv {
namespace {

constexpr double kMinPixelSize = 1.0;
constexpr double kMaxPixelSize = 1024.0;

double outlineWidthFor(const QFont& pixelFont) { return std::max(1.5, pixelFont.pixelSize() / 14.0); }

} // namespace

QString cleanCaptionText(const QString& text)
{
    QString clean = text.left(kMaxCaptionLength);
    if (!clean.isEmpty() && clean.back().isHighSurrogate())
        clean.chop(1);
    for (QChar& c : clean) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return clean;
}

QFont captionFont(const QFont& requested, double dpi)
{
    QFont font = requested;
    double pixels = requested.pixelSize() > 0 ? requested.pixelSize() : requested.pointSizeF() * dpi / 72.0;
    if (!std::isfinite(pixels))
        pixels = 12.0;
    font.setPixelSize(static_cast<int>(std::lround(std::clamp(pixels, kMinPixelSize, kMaxPixelSize))));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QSizeF captionPadding(const QFont& pixelFont)
{
    const double outline = outlineWidthFor(pixelFont);
    const double side = 2.0 * outline + 2.0;
    return {side, 2.0 * outline + 0.25 * pixelFont.pixelSize()};
}

QSizeF captionExtent(const QString& text, const QFont& font, double dpi)
{
    const QFont pixelFont = captionFont(font, dpi);
    const QFontMetricsF metrics(pixelFont);
    const QSizeF padding = captionPadding(pixelFont);
    return {std::ceil(metrics.horizontalAdvance(cleanCaptionText(text)) + 2.0 * padding.width()),
            std::ceil(metrics.ascent() + metrics.descent() + 2.0 * padding.height())};
}

QImage outlineSprite(const QPainterPath& path, double outlineWidth, double devicePixelRatio, QPointF* origin)
{
    QPainterPathStroker stroker;
    stroker.setWidth(2.0 * outlineWidth);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    const QPainterPath stroke = stroker.createStroke(path);
    const QRectF bounds = stroke.boundingRect();
    const QRect pixels = QRectF(bounds.topLeft() * devicePixelRatio, bounds.size() * devicePixelRatio)
                             .toAlignedRect()
                             .adjusted(-1, -1, 1, 1);
    *origin = QPointF(pixels.topLeft()) / devicePixelRatio;
    QImage sprite(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    if (sprite.isNull())
        return sprite;
    sprite.fill(Qt::transparent);
    {
        QPainter painter(&sprite);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(-pixels.topLeft());
        painter.scale(devicePixelRatio, devicePixelRatio);
        painter.fillPath(stroke, Qt::white);
    }
    sprite.setDevicePixelRatio(devicePixelRatio);
    return sprite;
}

CaptionLayout layoutCaption(const QString& text, const QFont& font, const QSizeF& area, double dpi,
                            double devicePixelRatio)
{
    CaptionLayout layout;
    layout.area = area;
    layout.devicePixelRatio = std::isfinite(devicePixelRatio) ? std::clamp(devicePixelRatio, 1.0, 8.0) : 1.0;
    const double pixelCount = std::ceil(area.width() * layout.devicePixelRatio) * std::ceil(area.height() * layout.devicePixelRatio);
    layout.drawable = area.width() > 0.0 && area.height() > 0.0 && pixelCount <= static_cast<double>(kMaxCaptionFramePixels);
    layout.font = captionFont(font, dpi);
    layout.outlineWidth = outlineWidthFor(layout.font);
    const QFontMetricsF metrics(layout.font);

    QString shown = cleanCaptionText(text);
    const double available = area.width() - 2.0 * captionPadding(layout.font).width();
    if (metrics.horizontalAdvance(shown) > available)
        shown = available > 0.0 ? metrics.elidedText(shown, Qt::ElideMiddle, available) : QString();
    layout.text = shown;

    layout.lineHeight = metrics.ascent() + metrics.descent();
    const double top = (area.height() - layout.lineHeight) / 2.0;
    const double baseline = top + metrics.ascent();

    // One shaped line gives every letter's position in a single pass.
    QTextLayout line(shown, layout.font);
    line.beginLayout();
    QTextLine textLine = line.createLine();
    if (textLine.isValid())
        textLine.setLineWidth(1e9);
    line.endLayout();
    const double advance = textLine.isValid() ? textLine.naturalTextWidth() : 0.0;
    const double left = (area.width() - advance) / 2.0;
    layout.textBounds = QRectF(left, top, advance, layout.lineHeight);

    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, shown);
    int from = 0;
    for (int to = graphemes.toNextBoundary(); to > from; from = to, to = graphemes.toNextBoundary()) {
        CaptionGlyph glyph;
        glyph.cluster = shown.mid(from, to - from);
        const double x0 = left + textLine.cursorToX(from);
        const double x1 = left + textLine.cursorToX(to);
        glyph.box = QRectF(std::min(x0, x1), top, std::abs(x1 - x0), layout.lineHeight);
        glyph.blank = glyph.cluster.trimmed().isEmpty();
        if (!glyph.blank)
            glyph.path.addText(std::min(x0, x1), baseline, layout.font, glyph.cluster);
        if (!glyph.blank && layout.drawable)
            glyph.outlineSprite = outlineSprite(glyph.path, layout.outlineWidth, layout.devicePixelRatio, &glyph.spriteOrigin);
        layout.boxes.push_back(glyph.box);
        layout.glyphs.push_back(std::move(glyph));
    }
    return layout;
}

} // namespace qv
