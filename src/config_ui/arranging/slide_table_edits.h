#pragma once

#include "showdata/custom_show.h"

#include <QString>
#include <QStringList>

namespace qv {

struct ConfigUiState;

// The editor's grid counts slides in 16 bits, so a show never grows beyond this.
inline constexpr int kMostSlides = 32767;

// A slide made from a chosen picture: no effect, the grain mode's base speed for
// "None", no sound, played once.
SlideRecord newSlideFor(const QString& picturePath, const QString& description, int delay, int mgrainMode);

// Puts `slide` in front of slide `current`; it takes that position and every slide
// from there on moves one down. A position outside the show (an empty show) puts it at
// the end. Returns the new slide's position, or 0 when the show is full.
int insertSlideBefore(CustomShow& show, int current, const SlideRecord& slide);

enum class AddMode { Insert, Append };

// What adding pictures did: the positions of the new slides (0 and 0 when none).
struct AddedSlides {
    int first = 0;
    int last = 0;
    int count() const { return first > 0 && last >= first ? last - first + 1 : 0; }
};

// Makes one slide per path, in the order given, each with `delay` seconds: in front of
// slide `current` (Insert) or after the last slide (Append). Paths that would take the
// show past kMostSlides are left out.
AddedSlides addPictureSlides(CustomShow& show, int current, AddMode mode, const QStringList& paths, int delay,
                             int mgrainMode);

// Adding through the add-pictures dialog: addPictureSlides on the process-wide show at
// the current slide, then the range goes to `newSlideFirst` / `newSlideLast` for the
// description walk-through, and an editor that had no slides learns that its first
// ones have arrived (editor state 1).
AddedSlides addPicturesToShow(CustomShow& show, ConfigUiState& state, AddMode mode, const QStringList& paths,
                              int delay, int mgrainMode);

// Exchanges every field of two slides. False (and no change) when either position is
// not a slide.
bool swapSlides(CustomShow& show, int first, int second);

} // namespace qv
