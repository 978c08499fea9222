#pragma once

#include "engine/mouse_jump.h"
#include "engine/picture_fitting.h"
#include "engine/play_order.h"
#include "engine/screen_random.h"

#include <cstdint>

namespace qv {

// The show's program-wide state: the flags that keep re-entry sound while handlers
// run inside each other's waits, and what the show remembers between ticks.
struct ShowState {
    bool quitRequested = false;     // `QuitRequested`
    bool firstSlide = true;         // `FirstSlide`
    bool readyForNext = true;       // `ReadyForNext`
    bool slideBusy = false;         // `SlideBusy`
    bool advanceRequested = false;  // `AdvanceRequested`
    int currentDelay = 0;           // `CurrentDelay`
    // The slide whose picture is on screen: `FileIndex` moves on to the next one
    // while this one's transition is still running.
    int slideOnScreen = 0;
    int savedDelay = 0;             // `SavedDelay`
    PlayOrder pictureOrder;         // `PictureOrder` with `LastFileIndex`
    ScreenRandom mainScreenRandom;  // the main screen's pictures, effects and captions
    std::int32_t displayColorCount = 0;  // `DisplayColorCount`
    int usePassword = 0;            // `UsePassword`
    bool passwordAccepted = false;  // `PasswordAccepted`

    // Sounds.
    bool sound1Playing = false;     // `Sound1Playing`
    bool sound2Playing = false;     // `Sound2Playing`
    PlayOrder soundOrder;           // `SoundOrder` with `LastSoundIndex`

    // Mouse positions last seen over the window and over the picture.
    MouseJumpDetector formMouse{300};
    MouseJumpDetector imageMouse{300};

    // The last fit, read by the configuration screens' previews too.
    PictureFit fit;
};

ShowState& showState();

// `ShowRunning`: a configuration screen that started a test show waits while it is
// true; the show clears it when it ends.
bool& showRunning();

// `reset_show_state`: not busy, first slide, ready, no quit request, no mouse
// position remembered.
void reset_show_state();

} // namespace qv
