#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

#include <optional>
#include <span>

// How each animation moves and colours the caption at a moment of its run. Effects
// are plain functions of the moment; the renderer turns the poses into pixels.
namespace qv::text_effects {

// One letter (grapheme) of the caption at progress t (0..1).
struct GlyphContext {
    int index = 0;
    int count = 1;
    double t = 0.0;
    int shape = 0;          // setting B, clamped
    QRectF box;             // the letter's cell: its advance by the line's height
    QRectF textBounds;      // the whole line of text
    QSizeF area;            // the caption's drawing area
    double lineHeight = 1.0;
};

struct GlyphPose {
    QPointF offset;
    double scaleX = 1.0;
    double scaleY = 1.0;
    double rotation = 0.0;              // degrees, clockwise
    QPointF pivot{0.5, 0.5};            // in fractions of the letter's cell
    double opacity = 1.0;               // of the whole letter: shadow, outline and fill
    double fillOpacity = 1.0;           // of the fill alone
    double penOpacity = 0.0;            // the letter as a hollow outline, drawn over everything else
    double highlight = 0.0;             // 0 fore colour .. 1 glint colour
    std::optional<QColor> tint;         // replaces the fore colour
    char16_t substitute = 0;            // another character drawn in the letter's place
};

// The caption as a whole at progress t.
struct FrameContext {
    double t = 0.0;
    int shape = 0;
    QRectF textBounds;
    QSizeF area;
    double lineHeight = 1.0;
    double outlineWidth = 1.0;
    bool blankText = false;             // nothing but white space to draw
    std::span<const QRectF> boxes;      // every letter's cell, in order
};

struct FramePose {
    QTransform transform;               // applied to the whole caption
    std::optional<QPainterPath> clip;   // only this part of the area is drawn
    double opacity = 1.0;
    double highlight = 0.0;             // lights every letter, as GlyphPose::highlight
    double blurRadius = 0.0;            // pixels
    int mosaicBlock = 1;                // pixels per block; 1 is sharp
    std::optional<double> caretX;       // a typing caret at this x
};

using GlyphPoseFunction = GlyphPose (*)(const GlyphContext&);
using FramePoseFunction = FramePose (*)(const FrameContext&);

struct Definition {
    const char* name;
    const char* shapeMeaning;   // what setting B does
    double seconds;             // length at the normal tempo
    GlyphPoseFunction glyph;
    FramePoseFunction frame;
};

// Effect `number` after wrapping into 1..36.
const Definition& definition(int number);

inline GlyphPose restingGlyph(const GlyphContext&) { return {}; }
inline FramePose restingFrame(const FrameContext&) { return {}; }

// The families; each function is one effect (text_effects_*.cpp).
GlyphPose typewriterGlyph(const GlyphContext&);
FramePose typewriterFrame(const FrameContext&);
GlyphPose fadeInGlyph(const GlyphContext&);
FramePose wipeRightFrame(const FrameContext&);
FramePose wipeUpFrame(const FrameContext&);
FramePose slideFromLeftFrame(const FrameContext&);
FramePose slideFromRightFrame(const FrameContext&);
FramePose slideFromTopFrame(const FrameContext&);
FramePose slideFromBottomFrame(const FrameContext&);
GlyphPose dropLettersGlyph(const GlyphContext&);
GlyphPose riseLettersGlyph(const GlyphContext&);
FramePose zoomInFrame(const FrameContext&);
FramePose zoomOutFrame(const FrameContext&);
GlyphPose spreadGlyph(const GlyphContext&);
GlyphPose gatherGlyph(const GlyphContext&);
GlyphPose waveGlyph(const GlyphContext&);
GlyphPose shimmerGlyph(const GlyphContext&);
GlyphPose spinLettersGlyph(const GlyphContext&);
GlyphPose scrambleGlyph(const GlyphContext&);
GlyphPose flipInGlyph(const GlyphContext&);
FramePose stretchFrame(const FrameContext&);
FramePose bounceFrame(const FrameContext&);
GlyphPose popGlyph(const GlyphContext&);
GlyphPose rainGlyph(const GlyphContext&);
GlyphPose scatterInGlyph(const GlyphContext&);
GlyphPose swirlGlyph(const GlyphContext&);
FramePose flashFrame(const FrameContext&);
FramePose rotateInFrame(const FrameContext&);
GlyphPose swingGlyph(const GlyphContext&);
FramePose curtainOpenFrame(const FrameContext&);
FramePose blindsFrame(const FrameContext&);
FramePose blurInFrame(const FrameContext&);
FramePose shakeFrame(const FrameContext&);
GlyphPose jellyGlyph(const GlyphContext&);
GlyphPose rainbowGlyph(const GlyphContext&);
GlyphPose outlineDrawGlyph(const GlyphContext&);
FramePose mosaicFrame(const FrameContext&);

} // namespace qv::text_effects
