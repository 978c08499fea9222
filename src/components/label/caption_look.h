#pragma once

#include <QColor>

namespace qv {

// Colours of a caption. The show draws white text straight over the picture
// (transparent background); the preview paints a background of its own.
struct CaptionLook {
    QColor foreColour = Qt::white;
    QColor backColour = Qt::black;
    bool transparentBackground = true;
    QColor outlineColour;           // invalid: black or white, whichever contrasts with the text
    bool shadow = true;
};

// The outline keeps the text readable on any picture, so it always contrasts with the text.
inline QColor effectiveOutlineColour(const CaptionLook& look)
{
    if (look.outlineColour.isValid())
        return look.outlineColour;
    return look.foreColour.lightnessF() > 0.5 ? QColor(Qt::black) : QColor(Qt::white);
}

// Effects light letters up in this colour: gold on near-white text, where white would not show.
inline QColor glintColour(const CaptionLook& look)
{
    return look.foreColour.lightnessF() > 0.75 ? QColor(255, 196, 40) : QColor(Qt::white);
}

} // namespace qv
