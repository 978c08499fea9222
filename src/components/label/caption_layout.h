#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

namespace qv {

// Captions come from show files and file names, which may hold anything; longer
// texts are cut here before any measuring.
inline constexpr int kMaxCaptionLength = 1024;

// One letter as the reader sees it (a grapheme: a base character with its accents).
struct CaptionGlyph {
    QString cluster;
    QRectF box;             // its advance by the height of the line
    QPainterPath path;      // its outline, in place
    bool blank = false;     // white space: nothing to draw
};

// The caption measured and placed once, centred in its area; every frame of every
// effect is drawn from it.
struct CaptionLayout {
    QString text;           // as drawn: cleaned, and shortened in the middle with an ellipsis if too wide
    QFont font;             // sized in pixels
    QSizeF area;
    double lineHeight = 0.0;
    double outlineWidth = 1.5;
    QRectF textBounds;
    std::vector<CaptionGlyph> glyphs;
    std::vector<QRectF> boxes;      // glyphs[i].box, side by side for the effects
    QPainterPath wholePath;         // the whole line, as a plain caption is drawn
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

CaptionLayout layoutCaption(const QString& text, const QFont& font, const QSizeF& area, double dpi);

} // namespace qv
