#pragma once

#include <QString>

namespace qv {

struct CustomShow;

// What the slide dialogs write into the show: one slide's value, or every slide's when
// the user ticked "Copy to all". A slide number outside 1 to slideCount (an empty
// show) changes nothing.
void storeDescription(CustomShow& show, int slide, const QString& description, bool allSlides);
void storeDelay(CustomShow& show, int slide, int delay, bool allSlides);
void storeEffect(CustomShow& show, int slide, int effect, int speed, bool allSlides);
void storeAudio(CustomShow& show, int slide, const QString& audio, bool loop, bool allSlides);

// The show's picture at `slide`, or "" when there is none (slide 0 is allowed: the
// random setup hands the picture viewer its picture there).
QString slidePicture(const CustomShow& show, int slide);

// The effect list shows "Random Effect" first, then effects 0 to 113 in order.
int effectOfListRow(int row);   // row 0: 114; row k: k - 1
int listRowOfEffect(int effect); // 114: row 0; out-of-range effects: row 1 ("None")

// The sound dialog's path of a clicked file, and how the sound component is told to
// play it: wave audio (0) for ".wav", MIDI (1) otherwise.
QString soundFilePath(const QString& folder, const QString& fileName);
int trialSoundDeviceKind(const QString& fileName);
// A file list entry counts as chosen only with a name longer than three characters.
bool isChosenSoundFile(const QString& fileName);

// The description walk through freshly added slides `first` to `last`.
struct DescriptionWalk {
    int slide = 0;     // the slide being described
    int last = 0;
    int position = 1;  // 1-based among the added slides
    int total = 0;

    static DescriptionWalk start(int first, int last);
    bool onLastSlide() const { return slide >= last; }
    // Moves on to the next added slide; false (and no move) on the last one.
    bool advance();
    QString positionText() const;  // "Editing 2 / 3"
};

} // namespace qv
