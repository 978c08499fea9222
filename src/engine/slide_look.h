#pragma once

#include <QFont>
#include <QSize>
#include <QString>

namespace qv {

class FXImage;
class FXLabel;

// How every screen of the show dresses a picture, from the show's settings: the same
// border, grain, erase and caption look on each.

// The grain of `effect` in the grain mode of the settings.
int effectGrainFor(int effect);

// The border of the settings, given to the picture in one step.
void applyShowBorder(FXImage& image);

// Sets the picture up to be wiped away as the dissolve setting says: false when
// dissolves are off and the next picture is simply drawn over it.
bool prepareErase(FXImage& image);

// The caption's font for a screen area `areaHeight` pixels high.
QFont captionFont(int areaHeight);

// The caption component as every screen's caption looks.
void styleCaption(FXLabel& caption);

// Gives the caption its text and font and centres it at the bottom edge of an area of
// `area`'s size; the caller starts it.
void placeCaption(FXLabel& caption, const QString& text, QSize area);

// Gives the message for a picture that cannot be shown (`code` as the decoder reported
// it) its text and places it centred in an area of `area`'s size; false when there is
// nothing to say, and the caller shows it otherwise.
bool placeBadPictureMessage(FXLabel& message, const QString& path, int code, QSize area);

// With the frame diagnostic on, says on which screen the transition about to start
// runs, with the length the picture will plan for it, so each screen's frames can be
// told apart in the log.
void reportTransitionScreen(const FXImage& image);

} // namespace qv
