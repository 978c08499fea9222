#pragma once

#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

namespace qv {

// Captions come from show files and file names, which may hold anything; longer
// texts are cut here before any measuring.
inline constexpr int kMaxCaptionLength = 1024;

// Areas larger than this are not drawn at all, so a caller's mistaken size can never
// ask for gigabytes. An 8K screen is 33 million pixels.
inline constexpr long long kMaxCaptionFramePixels = 40'000'000;

// One letter as the reader sees it (a grapheme: a base character with its accents).
struct CaptionGlyph {
    QString cluster;
    QRectF box;             // its advance by the height of the line
    QPainterPath path;      // its outline, in place
    bool blank = false;     // white space: nothing to draw
    // The letter's outline stroke, drawn once in white: stroking is by far the
    // slowest part of a frame, while moving a small image is cheap.
    QImage outlineSprite;
    QPointF spriteOrigin;   // where the sprite's top left corner lies, in place
};

// The caption measured and placed once, centred in its area; every frame of every
// effect is drawn from it.
struct CaptionLayout {
    QString text;           // as drawn: cleaned, and shortened in the middle with an ellipsis if too wide
    QFont font;             // sized in pixels
    QSizeF area;
    double devicePixelRatio = 1.0;
    bool drawable = false;  // the area is neither empty nor beyond kMaxCaptionFramePixels
    double lineHeight = 0.0;
    double outlineWidth = 1.5;
    QRectF textBounds;
    std::vector<CaptionGlyph> glyphs;
    std::vector<QRectF> boxes;      // glyphs[i].box, side by side for the effects
};

// Line breaks and other control characters become blanks; the text is cut at
// kMaxCaptionLength without splitting a character.
QString cleanCaptionText(const QString& text);

// The font sized in pixels for a screen of `dpi` dots per inch: point sizes grow
// with the screen's density; a font already given in pixels keeps its size.
// Sizes are kept within 1..1024 pixels.
QFont captionFont(const QFont& requested, double dpi);

// The space a caption needs around its text for the outline, the shadow and
// effects that lift letters a little out of line.
QSizeF captionPadding(const QFont& pixelFont);

// The size that shows the whole of `text` in `font` at `dpi`, padding included.
QSizeF captionExtent(const QString& text, const QFont& font, double dpi);

CaptionLayout layoutCaption(const QString& text, const QFont& font, const QSizeF& area, double dpi,
                            double devicePixelRatio = 1.0);

// The white outline stroke of `path`, for the sprite of a letter.
QImage outlineSprite(const QPainterPath& path, double outlineWidth, double devicePixelRatio, QPointF* origin);

} // namespace qv
